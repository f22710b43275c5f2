#include "odds/window/betsmodel.h"

#include <QColor>

#include "odds/oddstext.h"
#include "widgets/appearance.h"
#include "widgets/tableview.h"

namespace vintaro {

void BetsModel::setLines(std::vector<BetLine> lines)
{
    if (lines.size() != m_lines.size()) {
        beginResetModel();
        m_lines = std::move(lines);
        endResetModel();
        return;
    }
    // Same rows, new figures: sorting and selection stay.
    m_lines = std::move(lines);
    if (!m_lines.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int BetsModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_lines.size()); }
int BetsModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

bool BetsModel::rare(int row, int column) const
{
    const BetLine &l = m_lines[size_t(row)];
    return (column == CurrentChance || column == CurrentOneIn) ? rareForTheTable(l.currentAnyChance)
           : column == LongestChance                           ? rareForTheTable(l.longestAnyChance)
                                                               : false;
}

QVariant BetsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const BetLine &l = m_lines[size_t(index.row())];
    const int c = index.column();
    if (role == Qt::DisplayRole) {
        switch (c) {
        case Name: return text(betName(l.name));
        case Size: return text(formatInteger(l.size));
        case Hits: return text(formatInteger(l.hits));
        case Expected: return text(formatDecimal(l.expected, 1));
        case Z: return text(formatDecimal(l.z, 2));
        case Current: return text(formatInteger(l.current));
        case CurrentChance: return text(formatChance(l.currentChance));
        case CurrentOneIn: return text(formatOneIn(l.currentOneIn));
        case Longest: return text(formatInteger(l.longest));
        case LongestChance: return text(formatChance(l.longestChance));
        case ExpectedLongest: return text(formatDecimal(l.expectedLongest, 1));
        }
    } else if (role == Qt::UserRole) { // sort keys
        switch (c) {
        case Name: return index.row(); // the order of the table
        case Size: return l.size;
        case Hits: return qlonglong(l.hits);
        case Expected: return l.expected;
        case Z: return l.z;
        case Current: return qlonglong(l.current);
        case CurrentChance: return l.currentChance;
        case CurrentOneIn: return l.currentOneIn;
        case Longest: return qlonglong(l.longest);
        case LongestChance: return l.longestChance;
        case ExpectedLongest: return l.expectedLongest;
        }
    } else if (role == Qt::BackgroundRole && rare(index.row(), c)) {
        return QColor(0xFF, 0xC8, 0xC8);
    } else if (role == Qt::TextAlignmentRole) {
        return c == Name ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant BetsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    // Long captions break into lines; the tooltip holds what the chance is of.
    static const char *const titles[ColumnCount] = {
        QT_TR_NOOP("Tét"), QT_TR_NOOP("Szám"), QT_TR_NOOP("Találat"), QT_TR_NOOP("Várható"), "z",
        QT_TR_NOOP("Kimaradás"), QT_TR_NOOP("Ilyen kimaradás\nesélye most"), QT_TR_NOOP("Ennyiből\negyszer"),
        QT_TR_NOOP("Leghosszabb\nkimaradás"), QT_TR_NOOP("Ilyen leghosszabb\nkimaradás esélye\nennyi pörgetésben"),
        QT_TR_NOOP("Várható\nleghosszabb")};
    static const char *const tips[ColumnCount] = {
        "", QT_TR_NOOP("A tét számai"), "", QT_TR_NOOP("Ennyi találat várható szabályos keréken"), "",
        QT_TR_NOOP("Pörgetés a tét legutóbbi találata óta"),
        QT_TR_NOOP("Egy előre kiválasztott tétnél az esélye, hogy most éppen ilyen hosszú kimaradása legyen"),
        QT_TR_NOOP("Ilyen kimaradás ennyi alkalomból egyszer fordul elő"), "",
        QT_TR_NOOP("Az esélye, hogy a tét leghosszabb kimaradása ennyi pörgetés alatt legalább ekkora legyen"),
        QT_TR_NOOP("A leghosszabb kimaradás átlaga szabályos keréken ennyi pörgetés alatt")};
    if (role == Qt::DisplayRole)
        return section == Z ? QStringLiteral("z") : tr(titles[section]);
    if (role == Qt::ToolTipRole && *tips[section])
        return tr(tips[section]);
    return {};
}

} // namespace vintaro
