#include "widgets/wrappedlabel.h"

#include <QEvent>

#include <algorithm>

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
    int height = QLabel::heightForWidth(width);
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
