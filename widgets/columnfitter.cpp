#include "widgets/columnfitter.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <cmath>
#include <string>

namespace vintaro {

namespace {

// Texts remembered at most; a table's own figures repeat far below it.
constexpr qsizetype kMeasuredLimit = 4096;

} // namespace

ColumnFitter::ColumnFitter(QTableView *view) : m_view(view) {}

ColumnFitter::~ColumnFitter() = default;

void ColumnFitter::learnFont()
{
    m_measured.clear();
    m_font = m_view->font();
    m_metrics = std::make_unique<QFontMetricsF>(m_font);
    m_margin = m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
    for (size_t i = 0; i < kFigureCount; ++i)
        m_charWidth[i] = m_metrics->horizontalAdvance(QString(QChar(kFigureChars[i])));
    for (size_t i = 0; i < kFigureCount; ++i)
        for (size_t j = 0; j < kFigureCount; ++j) {
            const QChar pair[2] = {QChar(kFigureChars[i]), QChar(kFigureChars[j])};
            m_kerning[i][j] = m_metrics->horizontalAdvance(QString(pair, 2)) - m_charWidth[i] - m_charWidth[j];
        }
    // A font may also set longer runs its own way: the first sixteen figures
    // are set in full too, and one that differs ends the summing for this font.
    m_checks = 16;
}

std::optional<qreal> ColumnFitter::figureWidth(const QString &text) const
{
    qreal width = 0;
    size_t previous = kFigureCount;
    for (const QChar c : text) {
        const char16_t *at = std::char_traits<char16_t>::find(kFigureChars, kFigureCount, c.unicode());
        if (!at)
            return std::nullopt;
        const auto index = size_t(at - kFigureChars);
        width += m_charWidth[index];
        if (previous < kFigureCount)
            width += m_kerning[previous][index];
        previous = index;
    }
    return width;
}

int ColumnFitter::measure(const QString &text)
{
    if (const auto known = m_measured.constFind(text); known != m_measured.cend())
        return *known;
    if (!m_metrics || m_view->font() != m_font)
        learnFont();
    else if (m_measured.size() >= kMeasuredLimit)
        m_measured.clear(); // the font's widths and pairs stay
    // A table's first look measures hundreds of figures: they are summed
    // from their characters (in multiples of 1/64 pixel, exact) rather than
    // set one by one.
    std::optional<qreal> natural = m_checks >= 0 ? figureWidth(text) : std::nullopt;
    if (natural && m_checks > 0) {
        --m_checks;
        const qreal set = m_metrics->horizontalAdvance(text);
        if (set != *natural) {
            m_checks = -1;
            natural = set;
        }
    }
    // As the item delegate sizes a line of text: its natural width rounded up
    // and the style's text margin on both sides.
    const int width = int(std::ceil(natural ? *natural : m_metrics->horizontalAdvance(text))) + 2 * m_margin;
    m_measured.insert(text, width);
    return width;
}

void ColumnFitter::setText(int row, int column, const QString &text)
{
    if (column < 0 || row < 0)
        return;
    if (size_t(column) >= m_widths.size())
        m_widths.resize(size_t(column) + 1);
    std::vector<int> &widths = m_widths[size_t(column)];
    if (size_t(row) >= widths.size())
        widths.resize(size_t(row) + 1, 0);
    widths[size_t(row)] = measure(text);
}

void ColumnFitter::fit()
{
    QHeaderView *header = m_view->horizontalHeader();
    const int count = header->count();
    const int rows = m_view->model() ? m_view->model()->rowCount() : 0;
    if (int(m_captions.size()) != count) {
        m_captions.resize(size_t(count));
        for (int column = 0; column < count; ++column)
            m_captions[size_t(column)] = header->sectionSizeHint(column);
    }
    const int grid = m_view->showGrid() ? 1 : 0;
    const int last = count - 1;
    for (int column = 0; column < count; ++column) {
        if (column == last && header->stretchLastSection())
            continue;
        int widest = 0;
        if (size_t(column) < m_widths.size()) {
            const std::vector<int> &widths = m_widths[size_t(column)];
            const auto end = widths.begin() + std::min<std::ptrdiff_t>(rows, std::ptrdiff_t(widths.size()));
            if (widths.begin() != end)
                widest = *std::max_element(widths.begin(), end) + grid;
        }
        const int wanted = std::max(widest, m_captions[size_t(column)]);
        if (header->sectionSize(column) != wanted)
            header->resizeSection(column, wanted);
    }
}

} // namespace vintaro
