#include "widgets/wrappedlabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace vintaro {

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setWordWrap(true);
}

void WrappedLabel::forget() const
{
    m_known = 0;
    m_next = 0;
}

WrappedLabel::Measured WrappedLabel::now() const
{
    return {text(), contentsMargins(), margin(), indent(), alignment()};
}

int WrappedLabel::heightForWidth(int width) const
{
    // A new font or style comes with a change event.
    if (Measured measured = now(); !(measured == m_measured) || textFormat() == Qt::RichText) {
        forget();
        m_measured = std::move(measured);
    }
    for (int i = 0; i < m_known; ++i)
        if (m_widths[size_t(i)] == width)
            return m_heights[size_t(i)];
    int height = plainText() ? plainHeightForWidth(width) : QLabel::heightForWidth(width);
    if (m_leastLines > 1) {
        // As QLabel measures a text of that many lines.
        const QMargins m = contentsMargins();
        const QString lines = QStringList(m_leastLines, QStringLiteral("X")).join(QLatin1Char('\n'));
        const int room = fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), Qt::TextWordWrap, lines).height() +
                         2 * margin() + m.top() + m.bottom();
        height = std::max(height, room);
    }
    const size_t slot = size_t(m_next);
    m_widths[slot] = width;
    m_heights[slot] = height;
    m_next = (m_next + 1) % int(m_widths.size());
    m_known = std::min(m_known + 1, int(m_widths.size()));
    return height;
}

void WrappedLabel::setLeastLines(int lines)
{
    m_leastLines = lines;
    forget();
    updateGeometry();
}

void WrappedLabel::setHintsFromFont(bool on)
{
    m_hintsFromFont = on;
    updateGeometry();
}

QSize WrappedLabel::sizeHint() const
{
    if (!m_hintsFromFont)
        return QLabel::sizeHint();
    const QSize least = minimumSizeHint();
    const int line = std::min(fontMetrics().averageCharWidth() * 80, maximumWidth());
    return {std::max(least.width(), line + least.width() - minimumTextWidth()), least.height()};
}

QSize WrappedLabel::minimumSizeHint() const
{
    if (!m_hintsFromFont)
        return QLabel::minimumSizeHint();
    const QMargins m = contentsMargins();
    const int frame = 2 * margin() + (indent() > 0 ? indent() : 0);
    return {minimumTextWidth() + m.left() + m.right() + frame, fontMetrics().height() + m.top() + m.bottom() + 2 * margin()};
}

int WrappedLabel::minimumTextWidth() const { return fontMetrics().averageCharWidth() * 12; }

bool WrappedLabel::plainText() const
{
    const QString shown = text();
    if (shown.isEmpty() || !isEnabled() || buddy())
        return false;
    if (textFormat() == Qt::RichText || textFormat() == Qt::MarkdownText ||
        (textFormat() == Qt::AutoText && Qt::mightBeRichText(shown)))
        return false;
    if (textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard))
        return false;
    const QFont f = font();
    if (f.underline() || f.overline() || f.strikeOut())
        return false;
    // Right-to-left text, tabs (QLabel sets them at its own stops) and a text
    // of several length variants stay with QLabel.
    return !shown.isRightToLeft() && !shown.contains(u'\t') && !shown.contains(QChar(0x9c));
}

int WrappedLabel::measuredIndent() const
{
    // No indent but a frame: QLabel measures a whole x from the frame.
    int m = indent();
    if (m < 0 && frameWidth())
        m = fontMetrics().horizontalAdvance(u'x') - margin() * 2;
    return std::max(m, 0);
}

QRect labelTextBox(const QLabel &label)
{
    const int margin = label.margin();
    QRect box = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    const int align = QStyle::visualAlignment(Qt::LeftToRight, label.alignment());
    int m = label.indent();
    if (m < 0 && label.frameWidth())
        m = label.fontMetrics().horizontalAdvance(u'x') / 2 - margin;
    if (m > 0) {
        if (align & Qt::AlignLeft)
            box.setLeft(box.left() + m);
        if (align & Qt::AlignRight)
            box.setRight(box.right() - m);
        if (align & Qt::AlignTop)
            box.setTop(box.top() + m);
        if (align & Qt::AlignBottom)
            box.setBottom(box.bottom() - m);
    }
    return box;
}

int WrappedLabel::plainHeightForWidth(int width) const
{
    if (minimumWidth() > 0)
        width = std::max(width, minimumWidth());
    const QMargins contents = contentsMargins();
    const int align = QStyle::visualAlignment(Qt::LeftToRight, alignment());
    int hextra = 2 * margin(), vextra = hextra;
    if (const int m = measuredIndent(); m > 0) {
        if (align & (Qt::AlignLeft | Qt::AlignRight))
            hextra += m;
        if (align & (Qt::AlignTop | Qt::AlignBottom))
            vextra += m;
    }
    // The text's box is measured 2000 pixels high, the text at its top or
    // bottom, and its bounds rounded out to whole pixels.
    const int textWidth = width - hextra - contents.left() - contents.right();
    const qreal height = laidOut(std::max(0, textWidth)).bottoms.back();
    const qreal top = (align & Qt::AlignBottom) ? 2000 - height : 0;
    const int rows = int(std::ceil(top + height)) - int(std::floor(top));
    return std::max(rows + vextra + contents.top() + contents.bottom(), minimumHeight());
}

const WrappedLabel::Laid &WrappedLabel::laidOut(qreal width) const
{
    const QString shown = text();
    const QFont f = font();
    if (m_laid.layout && m_laid.width == width && m_laid.text == shown && m_laid.font == f)
        return m_laid;
    // A line end breaks the line; a CR is a blank.
    QString laid = shown;
    for (QChar &c : laid) {
        if (c == u'\r')
            c = u' ';
        else if (c == u'\n')
            c = QChar::LineSeparator;
    }
    auto layout = std::make_unique<QTextLayout>(laid, f);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    const qreal leading = QFontMetricsF(f).leading();
    std::vector<qreal> bottoms;
    qreal height = -leading;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        // Each line starts on a whole pixel, and is as high as its font's
        // ascent and descent (unrounded).
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        bottoms.push_back(height);
    }
    layout->endLayout();
    if (bottoms.empty())
        bottoms.push_back(0);
    m_laid.text = shown;
    m_laid.font = f;
    m_laid.width = width;
    m_laid.layout = std::move(layout);
    m_laid.bottoms = std::move(bottoms);
    return m_laid;
}

void WrappedLabel::paintEvent(QPaintEvent *event)
{
    if (!plainText()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect box = labelTextBox(*this);
    const int align = QStyle::visualAlignment(Qt::LeftToRight, alignment());
    QStyleOption option;
    option.initFrom(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));

    // The lines down to the first that reaches the box's bottom, placed as
    // QPainter places a word-wrapped text in a box.
    const Laid &laid = laidOut(std::max(0, box.width()));
    const int lines = laid.layout->lineCount();
    int shown = 0;
    qreal height = 0, width = 0;
    while (shown < lines) {
        height = laid.bottoms[size_t(shown)];
        width = std::max(width, laid.layout->lineAt(shown).naturalTextWidth());
        ++shown;
        if (height >= box.height())
            break;
    }
    qreal yoff = 0, xoff = 0;
    if (align & Qt::AlignBottom) {
        yoff = box.height() - height;
    } else if (align & Qt::AlignVCenter) {
        yoff = (box.height() - height) / 2;
    }
    if (align & Qt::AlignRight) {
        xoff = box.width() - width;
    } else if (align & Qt::AlignHCenter) {
        xoff = (box.width() - width) / 2;
    }
    if (!QRectF(box).contains(QRectF(box.x() + xoff, box.y() + yoff, width, height)))
        painter.setClipRect(box, Qt::IntersectClip);
    for (int i = 0; i < shown; ++i) {
        const QTextLine line = laid.layout->lineAt(i);
        qreal x = 0;
        if (align & Qt::AlignRight)
            x = box.width() - line.horizontalAdvance();
        else if (align & Qt::AlignHCenter)
            x = (box.width() - line.horizontalAdvance()) / 2;
        line.draw(&painter, QPointF(box.x() + x, box.y() + yoff));
    }
}

void WrappedLabel::changeEvent(QEvent *event)
{
    forget();
    QLabel::changeEvent(event);
}

WrappedLabel *wrappedLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new WrappedLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace vintaro
