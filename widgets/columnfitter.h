#pragma once
// Every column of a table view as wide as its widest text, caption included,
// the columns that need it growing or shrinking as the texts change, the last
// one still filling the rest when it stretches. Only the cells whose text
// changed are measured again: a table watched after every spin changes a few
// hundred texts, each measured once.
#include <QFont>
#include <QHash>
#include <QString>

#include <memory>
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

private:
    int measure(const QString &text);

    QTableView *m_view;
    std::vector<std::vector<int>> m_widths; // by column, then row: the text's width
    std::vector<int> m_captions;            // the header's width of each caption
    QHash<QString, int> m_measured;         // widths of texts seen lately, in m_font
    QFont m_font;
    std::unique_ptr<QFontMetricsF> m_metrics;
    int m_margin = 0; // the style's text margin of a cell
};

} // namespace vintaro
