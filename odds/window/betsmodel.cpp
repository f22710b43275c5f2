#include "odds/window/betsmodel.h"

#include <QColor>

#include "odds/oddstext.h"
#include "odds/window/oddshelp.h"
#include "widgets/appearance.h"
#include "widgets/tableview.h"

namespace vintaro {

std::vector<BetsModel::Cell> BetsModel::setLines(std::vector<BetLine> lines)
{
    std::vector<QString> texts;
    texts.reserve(lines.size() * ColumnCount);
    for (const BetLine &line : lines)
        for (int c = 0; c < ColumnCount; ++c)
            texts.push_back(cellText(line, c));
    std::vector<Cell> retexted;
    if (lines.size() != m_lines.size()) {
        beginResetModel();
        m_lines = std::move(lines);
        m_texts = std::move(texts);
        endResetModel();
        for (int row = 0; row < rowCount(); ++row)
            for (int c = 0; c < ColumnCount; ++c)
                retexted.push_back({row, c});
        return retexted;
    }
    // Same rows, new figures: sorting and selection stay; the views hear of
    // the cells whose text, sort key or highlight changed, a column at a
    // time, in runs of neighbouring rows.
    std::vector<std::vector<bool>> changed(ColumnCount, std::vector<bool>(m_lines.size()));
    for (int row = 0; row < int(lines.size()); ++row) {
        const BetLine &before = m_lines[size_t(row)], &now = lines[size_t(row)];
        for (int c = 0; c < ColumnCount; ++c) {
            const size_t at = size_t(row * ColumnCount + c);
            const bool retext = texts[at] != m_texts[at];
            if (retext)
                retexted.push_back({row, c});
            changed[size_t(c)][size_t(row)] = retext || sortKey(before, row, c) != sortKey(now, row, c) ||
                                              rare(before, c) != rare(now, c);
        }
    }
    m_lines = std::move(lines);
    m_texts = std::move(texts);
    for (int c = 0; c < ColumnCount; ++c) {
        const std::vector<bool> &column = changed[size_t(c)];
        for (int row = 0; row < int(column.size());) {
            if (!column[size_t(row)]) {
                ++row;
                continue;
            }
            int last = row;
            while (last + 1 < int(column.size()) && column[size_t(last + 1)])
                ++last;
            emit dataChanged(index(row, c), index(last, c));
            row = last + 1;
        }
    }
    return retexted;
}

int BetsModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_lines.size()); }
int BetsModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

bool BetsModel::rare(const BetLine &l, int column)
{
    return (column == CurrentChance || column == CurrentOneIn) ? rareForTheTable(l.currentAnyChance)
           : column == LongestChance                           ? rareForTheTable(l.longestAnyChance)
                                                               : false;
}

bool BetsModel::rare(int row, int column) const { return rare(m_lines[size_t(row)], column); }

QString BetsModel::cellText(const BetLine &l, int column)
{
    switch (column) {
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
    return {};
}

QVariant BetsModel::sortKey(const BetLine &l, int row, int column)
{
    switch (column) {
    case Name: return row; // the order of the table
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
    return {};
}

QVariant BetsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int c = index.column();
    if (role == Qt::DisplayRole)
        return shown(index.row(), c);
    if (role == Qt::UserRole) // sort keys
        return sortKey(m_lines[size_t(index.row())], index.row(), c);
    if (role == Qt::BackgroundRole && rare(index.row(), c))
        return QColor(0xFF, 0xC8, 0xC8);
    if (role == Qt::TextAlignmentRole)
        return c == Name ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
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
