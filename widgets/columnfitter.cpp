#include "widgets/columnfitter.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace vintaro {

namespace {

// Texts remembered at most; a table's own figures repeat far below it.
constexpr qsizetype kMeasuredLimit = 4096;

} // namespace

ColumnFitter::ColumnFitter(QTableView *view) : m_view(view) {}

ColumnFitter::~ColumnFitter() = default;

int ColumnFitter::measure(const QString &text)
{
    if (const auto known = m_measured.constFind(text); known != m_measured.cend())
        return *known;
    if (!m_metrics || m_measured.size() >= kMeasuredLimit || m_view->font() != m_font) {
        m_measured.clear();
        m_font = m_view->font();
        m_metrics = std::make_unique<QFontMetricsF>(m_font);
        m_margin = m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
    }
    // As the item delegate sizes a line of text: its natural width rounded up
    // and the style's text margin on both sides.
    const int width = int(std::ceil(m_metrics->horizontalAdvance(text))) + 2 * m_margin;
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
