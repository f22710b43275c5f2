#include "odds/window/biasmodel.h"

#include "odds/oddstext.h"
#include "odds/window/oddshelp.h"
#include "widgets/appearance.h"
#include "widgets/tableview.h"

namespace vintaro {

void BiasModel::setReport(BiasReport report)
{
    if (report.lines.size() != m_report.lines.size()) {
        beginResetModel();
        m_report = std::move(report);
        endResetModel();
        return;
    }
    // The same tests with new figures.
    m_report = std::move(report);
    if (!m_report.lines.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::DisplayRole});
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
        case Degrees: return l.kind == BiasLine::Kind::Arc ? QStringLiteral("-") : text(formatInteger(l.degrees));
        case P: return text(formatPValue(l.p));
        case Adjusted: return text(formatPValue(l.adjusted));
        }
    } else if (role == Qt::TextAlignmentRole) {
        return c == Name ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant BiasModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::ToolTipRole || role == Qt::WhatsThisRole))
        return biasColumnHelp(section, role);
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const titles[ColumnCount] = {QT_TR_NOOP("Próba"), QT_TR_NOOP("Érték"), QT_TR_NOOP("Szf."),
                                                     "p", QT_TR_NOOP("Holm-p")};
    static const char *const tips[ColumnCount] = {
        "", "", QT_TR_NOOP("Szabadsági fok: a khi-négyzet-próba cellái eggyel kevesebben"),
        QT_TR_NOOP("Az esélye, hogy egy szabályos kerék egyetlen nézésnél legalább ekkora eltérést mutasson"),
        QT_TR_NOOP("A p-érték a Holm-módszerrel igazítva: a táblázat összes próbáját együtt számba véve")};
    if (role == Qt::DisplayRole)
        return section == P ? QStringLiteral("p") : tr(titles[section]);
    if (role == Qt::ToolTipRole && *tips[section])
        return tr(tips[section]);
    return {};
}

} // namespace vintaro
