#pragma once
// Every column of a table view as wide as its widest text, caption included,
// the columns that need it growing or shrinking as the texts change, the last
// one still filling the rest when it stretches. Only the cells whose text
// changed are measured again: a table watched after every spin changes a few
// hundred texts, each measured once.
#include <QFont>
#include <QHash>
#include <QString>

#include <array>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

class QFontMetricsF;
class QTableView;

namespace vintaro {

class ColumnFitter
{
public:
    explicit ColumnFitter(QTableView *view);
    ~ColumnFitter();

    // The cell (row, column) of the view's model now reads `text`.
    void setText(int row, int column, const QString &text);
    // Resizes the columns whose widest text changed.
    void fit();

    // The width of `text` in the view's font, as a column needs it.
    int width(const QString &text) { return measure(text); }
    // Figures are still summed from their characters in the view's font.
    bool summing() const { return m_checks >= 0; }

private:
    int measure(const QString &text);
    void learnFont();
    // A figure's width from its characters: each one's width and, for each
    // pair side by side, the font's kerning between them.
    std::optional<qreal> figureWidth(const QString &text) const;

    static constexpr char16_t kFigureChars[] = u"0123456789,.-+% \u202F\u00A0";
    static constexpr size_t kFigureCount = std::size(kFigureChars) - 1;
    std::array<qreal, kFigureCount> m_charWidth{};
    std::array<std::array<qreal, kFigureCount>, kFigureCount> m_kerning{};
    int m_checks = 0; // figures still to be set in full as well, to compare

    QTableView *m_view;
    std::vector<std::vector<int>> m_widths; // by column, then row: the text's width
    std::vector<int> m_captions;            // the header's width of each caption
    QHash<QString, int> m_measured;         // widths of texts seen lately, in m_font
    QFont m_font;
    std::unique_ptr<QFontMetricsF> m_metrics;
    int m_margin = 0; // the style's text margin of a cell
};

} // namespace vintaro
