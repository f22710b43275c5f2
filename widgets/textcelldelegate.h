#pragma once
// Draws the cells of a table of figures that changes after every spin, or
// the lines of a list: a cell's text laid out once and kept while it reads
// the same, drawn where the style draws it, over the cell's background.
// Selected and focused cells, and texts too wide for their cells, are drawn
// by the style itself.
#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace vintaro {

class TextCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const QStaticText &laidOut(const QString &text, const QFont &font) const;

    mutable QHash<QString, QStaticText> m_texts;
    mutable QFont m_font; // the font of m_texts
};

} // namespace vintaro
