#include "widgets/tableview.h"

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

QTableView *makeFixedTableView(QWidget *parent, const QString &name, QAbstractItemModel *model,
                               const QString &widestText)
{
    QTableView *view = makeTableView(parent, name, model, false);
    view->verticalHeader()->show();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
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
