#include "widgets/listbox.h"

#include "widgets/textcelldelegate.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace vintaro {

ListBox::ListBox(QWidget *parent) : QAbstractItemView(parent)
{
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    // Each line laid out once and kept while the list scrolls and grows.
    setItemDelegate(new TextCellDelegate(this));
}

int ListBox::rowHeight() const { return fontMetrics().height() + 1; }

int ListBox::rowCount() const { return model() ? model()->rowCount(rootIndex()) : 0; }

int ListBox::topIndex() const { return verticalScrollBar()->value(); }

int ListBox::visibleRows() const { return std::max(1, viewport()->height() / rowHeight()); }

void ListBox::setTopIndex(int row)
{
    updateScrollRange();
    verticalScrollBar()->setValue(std::clamp(row, 0, verticalScrollBar()->maximum()));
}

QRect ListBox::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.parent() != rootIndex())
        return {};
    return QRect(0, (index.row() - topIndex()) * rowHeight(), viewport()->width(), rowHeight());
}

void ListBox::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    const int top = topIndex();
    const int shown = visibleRows();
    switch (hint) {
    case PositionAtTop: setTopIndex(row); break;
    case PositionAtBottom: setTopIndex(row - shown + 1); break;
    case PositionAtCenter: setTopIndex(row - shown / 2); break;
    case EnsureVisible:
        if (row < top)
            setTopIndex(row);
        else if (row >= top + shown)
            setTopIndex(row - shown + 1);
        break;
    }
}

QModelIndex ListBox::indexAt(const QPoint &point) const
{
    if (!model() || point.y() < 0)
        return {};
    const int row = topIndex() + point.y() / rowHeight();
    return row < rowCount() ? model()->index(row, 0, rootIndex()) : QModelIndex();
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int count = rowCount();
    if (count == 0)
        return {};
    int row = currentIndex().isValid() ? currentIndex().row() : topIndex();
    switch (action) {
    case MoveUp: case MovePrevious: --row; break;
    case MoveDown: case MoveNext: ++row; break;
    case MovePageUp: row -= visibleRows(); break;
    case MovePageDown: row += visibleRows(); break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = count - 1; break;
    default: break;
    }
    return model()->index(std::clamp(row, 0, count - 1), 0, rootIndex());
}

int ListBox::horizontalOffset() const { return 0; }

int ListBox::verticalOffset() const { return topIndex() * rowHeight(); }

bool ListBox::isIndexHidden(const QModelIndex &) const { return false; }

void ListBox::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags flags)
{
    const QModelIndex index = indexAt(rect.topLeft());
    if (index.isValid())
        selectionModel()->select(index, flags);
}

QRegion ListBox::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QModelIndex &index : selection.indexes())
        region += visualRect(index);
    return region;
}

void ListBox::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    if (!model())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int count = rowCount();
    const int first = topIndex();
    const int last = std::min(count - 1, first + viewport()->height() / rowHeight() + 1);
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        option.rect = visualRect(index);
        option.state = QStyle::State_Enabled;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

QString ListBox::copyText() const
{
    if (!model())
        return {};
    QList<int> rows;
    if (selectionModel())
        for (const QModelIndex &index : selectionModel()->selectedIndexes())
            rows << index.row();
    if (rows.isEmpty()) {
        rows.reserve(rowCount());
        for (int row = 0; row < rowCount(); ++row)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QString text;
    for (int row : rows)
        text += model()->index(row, 0, rootIndex()).data().toString() + QLatin1Char('\n');
    return text;
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy) {
        QApplication::clipboard()->setText(copyText());
        event->accept();
        return;
    }
    QAbstractItemView::keyPressEvent(event);
}

void ListBox::updateGeometries()
{
    updateScrollRange();
    QAbstractItemView::updateGeometries();
}

void ListBox::updateScrollRange()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, std::max(0, rowCount() - visibleRows()));
    bar->setPageStep(visibleRows());
    bar->setSingleStep(1);
}

void ListBox::scrollContentsBy(int, int) { viewport()->update(); }

void ListBox::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateScrollRange();
    viewport()->update();
}

void ListBox::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    viewport()->update();
}

} // namespace vintaro
