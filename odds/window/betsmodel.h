#pragma once
// The odds table: one row per bet, figures as text for the eye and as
// numbers for sorting (Qt::UserRole); a chance stands out only when it stays
// below 1 % after allowing for all 55 bets.
#include <QAbstractTableModel>

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

    void setLines(std::vector<BetLine> lines);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Whether a cell's chance stays below 1 % for the whole table.
    bool rare(int row, int column) const;

private:
    std::vector<BetLine> m_lines;
};

} // namespace vintaro
