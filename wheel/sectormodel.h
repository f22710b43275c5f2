#pragma once
// The sector table: Voisins du zéro, Jeu zéro, Tiers du cylindre, Orphelins
// and the chosen pocket with its neighbours; pockets, hits, expected hits,
// current and longest absence.
#include <QAbstractTableModel>

#include <optional>
#include <vector>

#include "core/statistics.h"

namespace vintaro {

class SectorModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int kRows = 5; // four sectors, then the neighbours
    static constexpr int kColumns = 5;

    explicit SectorModel(QObject *parent = nullptr);

    // `sectors` in the order of kSectors; `neighbours` and its pocket count
    // only while a pocket is chosen.
    void setFigures(int spins, const std::vector<Figures> &sectors, std::optional<Figures> neighbours,
                    int neighbourPockets);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString cell(int row, int column) const;

    int m_spins = 0;
    std::vector<Figures> m_sectors;
    std::optional<Figures> m_neighbours;
    int m_neighbourPockets = 0;
};

} // namespace vintaro
