#include "odds/window/betsmodel.h"

#include <QColor>

#include "odds/oddstext.h"
#include "odds/window/oddshelp.h"
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
        case Name: return text(l.name);
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
    if (orientation == Qt::Horizontal && (role == Qt::ToolTipRole || role == Qt::WhatsThisRole))
        return betsColumnHelp(section, role);
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    // Long captions break into lines; the tooltip holds what the chance is of.
    static const char *const titles[ColumnCount] = {
        "Tét", "Szám", "Találat", "Várható", "z", "Kimaradás", "Ilyen kimaradás\nesélye most", "Ennyiből\negyszer",
        "Leghosszabb\nkimaradás", "Ilyen leghosszabb\nkimaradás esélye\nennyi pörgetésben", "Várható\nleghosszabb"};
    static const char *const tips[ColumnCount] = {
        "", "A tét számai", "", "Ennyi találat várható szabályos keréken", "", "Pörgetés a tét legutóbbi találata óta",
        "Egy előre kiválasztott tétnél az esélye, hogy most éppen ilyen hosszú kimaradása legyen",
        "Ilyen kimaradás ennyi alkalomból egyszer fordul elő", "",
        "Az esélye, hogy a tét leghosszabb kimaradása ennyi pörgetés alatt legalább ekkora legyen",
        "A leghosszabb kimaradás átlaga szabályos keréken ennyi pörgetés alatt"};
    return columnCaption(titles[section], tips[section], role);
}

} // namespace vintaro
