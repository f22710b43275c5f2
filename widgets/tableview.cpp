#include "widgets/tableview.h"

#include <QEvent>
#include <QHeaderView>

#include <algorithm>
#include <QSortFilterProxyModel>
#include <QTableView>

#include "widgets/appearance.h"

namespace vintaro {

int fittingHeight(QTableView *view, int rows)
{
    return view->verticalHeader()->defaultSectionSize() * rows + view->horizontalHeader()->sizeHint().height() +
           2 * view->frameWidth();
}

QTableView *makeTableView(QWidget *parent, const QString &name, QAbstractItemModel *model, bool sortable)
{
    auto *view = new QTableView(parent);
    view->setObjectName(name);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    if (sortable) {
        auto *proxy = new QSortFilterProxyModel(view);
        proxy->setSortRole(Qt::UserRole);
        proxy->setSourceModel(model);
        view->setModel(proxy);
        // The bets' own order until the user picks a column.
        view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        view->setSortingEnabled(true);
    } else {
        // A handful of rows: the columns follow their texts.
        view->setModel(model);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        view->horizontalHeader()->setStretchLastSection(true);
    }
    return view;
}

namespace {

// Sizes the rows of a small table to their contents when the font or style
// changes, rather than after every change of a figure: each row is one line
// under its name, as high whatever its figures read.
class RowFitter : public QObject
{
public:
    explicit RowFitter(QTableView *view) : QObject(view), m_view(view)
    {
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->installEventFilter(this);
        fit();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::Polish:
        case QEvent::Show:
            if (watched == m_view)
                fit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void fit() { m_view->verticalHeader()->resizeSections(QHeaderView::ResizeToContents); }

    QTableView *m_view;
};

} // namespace

QTableView *makeFixedTableView(QWidget *parent, const QString &name, QAbstractItemModel *model,
                               const QString &widestText)
{
    QTableView *view = makeTableView(parent, name, model, false);
    view->verticalHeader()->show();
    new RowFitter(view);
    view->horizontalHeader()->setStretchLastSection(false);
    view->horizontalHeader()->setMinimumSectionSize(view->fontMetrics().horizontalAdvance(widestText) + 14);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setFocusPolicy(Qt::NoFocus);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    view->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return view;
}

QVariant columnCaption(const char *title, const char *tip, int role)
{
    if (role == Qt::DisplayRole)
        return u8(title);
    if (role == Qt::ToolTipRole && *tip)
        return u8(tip);
    return {};
}

} // namespace vintaro
