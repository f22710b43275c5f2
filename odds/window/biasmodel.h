#pragma once
// The chi-square tests for one look as a table: one row per test, its
// statistic, degrees of freedom, p-value and Holm-adjusted p-value; no verdict
// (the verdict is the evidence's).
#include <QAbstractTableModel>

#include "odds/biastest.h"

namespace vintaro {

class BiasModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Name, Statistic, Degrees, P, Adjusted, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setReport(BiasReport report);
    const BiasReport &report() const { return m_report; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    BiasReport m_report;
};

} // namespace vintaro
