#include "widgets/figurelabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>

#include <array>
#include <cmath>
#include <memory>

#include "widgets/wrappedlabel.h"

namespace vintaro {

namespace {

constexpr char16_t kFigures[] = u"0123456789,.-+% \u00A0\u202F";
constexpr size_t kFigureCount = std::size(kFigures) - 1;
constexpr size_t kNone = kFigureCount;

// A length in 64ths of a pixel, the unit text is laid out in.
qint64 units(qreal value) { return qint64(std::llround(value * 64)); }

// What a font sets the figure characters with: each one's glyph and advance,
// and the kerning of each pair side by side.
struct FigureFont
{
    bool usable = false;
    QRawFont raw;
    std::array<quint32, kFigureCount> glyph{};
    std::array<bool, kFigureCount> known{};
    std::array<qint64, kFigureCount> advance{};
    std::array<QRectF, kFigureCount> ink{}; // from the pen position on the baseline
    std::array<std::array<qint64, kFigureCount>, kFigureCount> kerning{};
    qreal ascent = 0, height = 0;
    // Texts still to be set in full as well, to compare; the first that
    // differs ends the learned setting for this font.
    int checks = 32;
};

// One line of `text`, as QPainter lays out a text that does not wrap.
struct OneLine
{
    QTextLayout layout;
    QTextLine line;
    OneLine(const QString &text, const QFont &font) : layout(text, font)
    {
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setAlignment(Qt::AlignLeft);
        layout.setTextOption(option);
        layout.beginLayout();
        line = layout.createLine();
        line.setLineWidth(0x01000000);
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
    }
};

std::unique_ptr<FigureFont> learn(const QFont &font)
{
    auto figures = std::make_unique<FigureFont>();
    const QFontMetricsF metrics(font);
    const OneLine sample(QStringLiteral("0"), font);
    const QList<QGlyphRun> sampleRuns = sample.layout.glyphRuns();
    if (sampleRuns.size() != 1)
        return figures;
    figures->raw = sampleRuns.front().rawFont();
    figures->ascent = sample.line.ascent();
    figures->height = sample.line.ascent() + sample.line.descent();
    for (size_t i = 0; i < kFigureCount; ++i) {
        const QString one(QChar(kFigures[i]));
        figures->advance[i] = units(metrics.horizontalAdvance(one));
        const QList<QGlyphRun> runs = OneLine(QStringLiteral("0") + one + QStringLiteral("0"), font).layout.glyphRuns();
        if (runs.size() == 1 && runs.front().rawFont() == figures->raw && runs.front().glyphIndexes().size() == 3) {
            figures->glyph[i] = runs.front().glyphIndexes()[1];
            figures->ink[i] = figures->raw.boundingRect(figures->glyph[i]);
            figures->known[i] = true;
        }
    }
    for (size_t i = 0; i < kFigureCount; ++i)
        for (size_t j = 0; j < kFigureCount; ++j) {
            const QChar pair[2] = {QChar(kFigures[i]), QChar(kFigures[j])};
            figures->kerning[i][j] =
                units(metrics.horizontalAdvance(QString(pair, 2))) - figures->advance[i] - figures->advance[j];
        }
    figures->usable = figures->known[0];
    return figures;
}

FigureFont &figureFont(const QFont &font)
{
    // Fonts are few in a run of the program: each one's figures are learned
    // once, and the last font asked for is known without spelling its key.
    static QHash<QString, std::shared_ptr<FigureFont>> fonts;
    static QFont lastFont;
    static FigureFont *last = nullptr;
    if (last && font == lastFont && font.resolveMask() == lastFont.resolveMask())
        return *last;
    std::shared_ptr<FigureFont> &figures = fonts[font.key()];
    if (!figures)
        figures = learn(font);
    lastFont = font;
    last = figures.get();
    return *figures;
}

} // namespace

void FigureLabel::paintEvent(QPaintEvent *event)
{
    const QString shown = text();
    const QFont f = font();
    const bool plain = !shown.isEmpty() && shown.front() != u' ' && shown.back() != u' ' && !wordWrap() &&
                       isEnabled() && !buddy() && textFormat() != Qt::RichText &&
                       textFormat() != Qt::MarkdownText &&
                       !(textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard)) &&
                       !f.underline() && !f.overline() && !f.strikeOut() && shown.size() <= 64;
    if (plain && !m_figures)
        m_figures = &figureFont(f);
    auto *figures = plain ? static_cast<FigureFont *>(m_figures) : nullptr;
    std::array<quint32, 64> glyphs{};
    std::array<qint64, 64> xs{};
    qint64 x = 0;
    qreal inkLeft = 0, inkRight = 0, inkTop = 0, inkBottom = 0;
    if (figures && figures->usable) {
        size_t previous = kNone;
        for (qsizetype i = 0; i < shown.size() && figures; ++i) {
            const char16_t *at = std::char_traits<char16_t>::find(kFigures, kFigureCount, shown[i].unicode());
            const size_t index = at ? size_t(at - kFigures) : kNone;
            if (index == kNone || !figures->known[index]) {
                figures = nullptr;
                break;
            }
            if (previous != kNone)
                x += figures->kerning[previous][index];
            glyphs[size_t(i)] = figures->glyph[index];
            xs[size_t(i)] = x;
            if (const QRectF &ink = figures->ink[index]; !ink.isEmpty()) {
                const qreal at = qreal(x) / 64;
                inkLeft = std::min(inkLeft, at + ink.left());
                inkRight = std::max(inkRight, at + ink.right());
                inkTop = std::min(inkTop, ink.top());
                inkBottom = std::max(inkBottom, ink.bottom());
            }
            x += figures->advance[index];
            previous = index;
        }
    } else {
        figures = nullptr;
    }
    if (figures && figures->checks > 0) {
        --figures->checks;
        const OneLine set(shown, f);
        const QList<QGlyphRun> runs = set.layout.glyphRuns();
        bool same = runs.size() == 1 && runs.front().rawFont() == figures->raw &&
                    runs.front().glyphIndexes().size() == shown.size() && units(set.line.horizontalAdvance()) == x;
        for (qsizetype i = 0; same && i < shown.size(); ++i)
            same = runs.front().glyphIndexes()[i] == glyphs[size_t(i)] &&
                   units(runs.front().positions()[i].x()) == xs[size_t(i)] &&
                   runs.front().positions()[i].y() == figures->ascent;
        if (!same) {
            figures->usable = false;
            figures = nullptr;
        }
    }

    if (!figures) {
        QLabel::paintEvent(event);
        return;
    }

    const QRect box = labelTextBox(*this);
    const int align = QStyle::visualAlignment(Qt::LeftToRight, alignment());
    // Placed in the box as QPainter places a line of text. A text whose ink
    // comes near the box's edges, where QPainter may clip it, is left to QLabel.
    const qreal width = qreal(x) / 64;
    qreal yoff = 0;
    if (align & Qt::AlignBottom)
        yoff = box.height() - figures->height;
    else if (align & Qt::AlignVCenter)
        yoff = (box.height() - figures->height) / 2;
    qreal lineX = 0;
    if (align & Qt::AlignRight)
        lineX = box.width() - width;
    else if (align & Qt::AlignHCenter)
        lineX = (box.width() - width) / 2;
    const QPointF origin(box.x() + lineX, box.y() + yoff);
    const qreal baseline = origin.y() + figures->ascent;
    if (origin.x() + inkLeft < box.left() + 1 || origin.x() + inkRight > box.x() + box.width() - 1 ||
        baseline + inkTop < box.top() + 1 || baseline + inkBottom > box.y() + box.height() - 1) {
        QLabel::paintEvent(event);
        return;
    }

    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
    QList<quint32> indexes(shown.size());
    QList<QPointF> positions(shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        indexes[i] = glyphs[size_t(i)];
        positions[i] = QPointF(qreal(xs[size_t(i)]) / 64, figures->ascent);
    }
    QGlyphRun run;
    run.setRawFont(figures->raw);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(origin, run);
}

void FigureLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_figures = nullptr;
    QLabel::changeEvent(event);
}

} // namespace vintaro
