#pragma once
// The odds table: one row per bet, figures as text for the eye and as
// numbers for sorting (Qt::UserRole); a chance stands out only when it stays
// below 1 % after allowing for all 55 bets.
#include <QAbstractTableModel>

#include <QString>

#include <vector>

#include "odds/bettable.h"

namespace vintaro {

class BetsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Name, Size, Hits, Expected, Z, Current, CurrentChance, CurrentOneIn, Longest, LongestChance,
                  ExpectedLongest, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    struct Cell
    {
        int row = 0, column = 0;
    };
    // New figures; tells the views of the cells that changed, and returns
    // those whose text changed (every cell when the rows are new).
    std::vector<Cell> setLines(std::vector<BetLine> lines);
    // The text of a cell, as the display role gives it.
    const QString &shown(int row, int column) const { return m_texts[size_t(row * ColumnCount + column)]; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Whether a cell's chance stays below 1 % for the whole table.
    bool rare(int row, int column) const;

private:
    static QString cellText(const BetLine &line, int column);
    // What the views draw of a cell besides its text: its sort key and highlight.
    static QVariant sortKey(const BetLine &line, int row, int column);
    static bool rare(const BetLine &line, int column);

    std::vector<BetLine> m_lines;
    std::vector<QString> m_texts; // row by row, ColumnCount a row
};

} // namespace vintaro
