#pragma once
// A list box: one line per row of a list model, all rows of one height,
// scrolled by whole lines. Every operation costs the same at ten lines and at
// tens of thousands, which a general list view's item layout does not.
#include <QAbstractItemView>

namespace vintaro {

class ListBox : public QAbstractItemView
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    int rowHeight() const;
    int rowCount() const;
    // Index of the first line shown; the list box's top index.
    int topIndex() const;
    // Scrolls so that `row` is the first line shown (as far as the list allows).
    void setTopIndex(int row);
    // Lines that fit wholly in the list box.
    int visibleRows() const;

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;

    // The selected lines, or every line when none is selected, one per line.
    QString copyText() const;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &index) const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags flags) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void paintEvent(QPaintEvent *event) override;
    // Ctrl+C copies copyText() to the clipboard.
    void keyPressEvent(QKeyEvent *event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    void updateScrollRange();
};

} // namespace vintaro
