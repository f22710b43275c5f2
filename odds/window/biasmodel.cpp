#include "odds/window/biasmodel.h"

#include <QColor>

#include "odds/oddstext.h"
#include "widgets/appearance.h"

namespace vintaro {

void BiasModel::setReport(BiasReport report)
{
    beginResetModel();
    m_report = std::move(report);
    endResetModel();
}

int BiasModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_report.lines.size()); }
int BiasModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant BiasModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const BiasLine &l = m_report.lines[size_t(index.row())];
    const int c = index.column();
    if (role == Qt::DisplayRole) {
        switch (c) {
        case Name: return text(biasName(l));
        case Statistic: return text(biasStatistic(l));
        case Degrees: return l.kind == BiasLine::Kind::Arc ? QStringLiteral("-") : QString::number(l.degrees);
        case P: return text(formatPValue(l.p));
        case Adjusted: return text(formatPValue(l.adjusted));
        case Verdict: return text(l.verdict);
        }
    } else if (role == Qt::BackgroundRole && c >= Adjusted && l.adjusted < 0.05) {
        return l.adjusted < 0.01 ? QColor(0xFF, 0xC8, 0xC8) : QColor(0xFF, 0xF0, 0xB4);
    } else if (role == Qt::TextAlignmentRole) {
        return c == Name || c == Verdict ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                         : int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant BiasModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const titles[ColumnCount] = {"Próba", "Érték", "Szf.", "p", "Holm-p", "Ítélet"};
    return section >= 0 && section < ColumnCount ? u8(titles[section]) : QVariant();
}

} // namespace vintaro
