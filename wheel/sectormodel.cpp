#include "wheel/sectormodel.h"

#include "core/textformat.h"
#include "core/wheel.h"
#include "wheel/wheelhelp.h"
#include "widgets/appearance.h"

namespace vintaro {

SectorModel::SectorModel(QObject *parent) : QAbstractTableModel(parent) {}

void SectorModel::setFigures(int spins, const std::vector<Figures> &sectors, std::optional<Figures> neighbours,
                             int neighbourPockets)
{
    m_spins = spins;
    m_sectors = sectors;
    m_neighbours = neighbours;
    m_neighbourPockets = neighbourPockets;
    emit dataChanged(index(0, 0), index(kRows - 1, kColumns - 1), {Qt::DisplayRole});
}

int SectorModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kRows; }

int SectorModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kColumns; }

QString SectorModel::cell(int row, int column) const
{
    int pockets = 0;
    const Figures *f = nullptr;
    if (row < kSectorCount) {
        pockets = static_cast<int>(sectorSet(kSectors[static_cast<size_t>(row)]).count());
        if (static_cast<size_t>(row) < m_sectors.size())
            f = &m_sectors[static_cast<size_t>(row)];
    } else if (m_neighbours) {
        pockets = m_neighbourPockets;
        f = &*m_neighbours;
    }
    if (!f)
        return {};
    switch (column) {
    case 0: return text(formatInteger(pockets));
    case 1: return text(formatInteger(f->hits));
    case 2: return text(formatDecimal(double(m_spins) * pockets / kNumberCount, 1)); // spins x pockets / 37
    case 3: return text(formatInteger(f->current));
    case 4: return text(formatInteger(f->longest));
    }
    return {};
}

QVariant SectorModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SectorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::ToolTipRole || role == Qt::WhatsThisRole))
        return sectorColumnHelp(section, role);
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal) {
        static const char *const captions[kColumns] = {
            QT_TR_NOOP("Zseb"), QT_TR_NOOP("Hányszor"), QT_TR_NOOP("Várható"), QT_TR_NOOP("Kihagy."), QT_TR_NOOP("MaxKh")};
        return section >= 0 && section < kColumns ? tr(captions[section]) : QVariant();
    }
    if (section >= 0 && section < kSectorCount) {
        const std::string_view name = sectorName(kSectors[static_cast<size_t>(section)]);
        return betText(name);
    }
    return section == kSectorCount ? tr("Szomszédok") : QVariant();
}

} // namespace vintaro
