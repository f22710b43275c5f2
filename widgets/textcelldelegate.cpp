#include "widgets/textcelldelegate.h"

#include <QPainter>
#include <QStyle>
#include <QWidget>


namespace vintaro {

namespace {

// Texts kept at most: a table's figures of the last few spins.
constexpr qsizetype kKeptTexts = 4096;

} // namespace

const QStaticText &TextCellDelegate::laidOut(const QString &text, const QFont &font) const
{
    if (font != m_font || m_texts.size() >= kKeptTexts) {
        m_texts.clear();
        m_font = font;
    }
    auto it = m_texts.find(text);
    if (it == m_texts.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        it = m_texts.insert(text, laid);
    }
    return *it;
}

void TextCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QStyle::State plain = QStyle::State_Enabled;
    if ((option.state & (QStyle::State_Selected | QStyle::State_HasFocus)) || !(option.state & plain)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.canConvert<QBrush>())
        painter->fillRect(option.rect, qvariant_cast<QBrush>(background));
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    const auto align = alignment.isValid() ? Qt::Alignment(alignment.toInt()) : Qt::AlignLeft | Qt::AlignVCenter;
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : nullptr;
    const int margin = (style ? style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) : 2) + 1;
    const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText &laid = laidOut(text, option.font);
    const QSizeF size = laid.size();
    if (size.width() > textRect.width() - 1) { // the style cuts it short with an ellipsis
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QRect at = QStyle::alignedRect(option.direction, align, QSize(int(size.width()), int(size.height())), textRect);
    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive;
    painter->save();
    painter->setPen(option.palette.color(group, QPalette::Text));
    painter->setFont(option.font);
    painter->setClipRect(option.rect, Qt::IntersectClip);
    QPointF origin = at.topLeft();
    if (align & Qt::AlignRight)
        origin.setX(textRect.x() + textRect.width() - size.width());
    painter->drawStaticText(origin, laid);
    painter->restore();
}

} // namespace vintaro
