#include "widgets/linesmodel.h"

#include <algorithm>

namespace vintaro {

int LinesModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_lineOf ? m_count : int(m_lines.size());
}

QVariant LinesModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return m_lineOf ? m_lineOf(index.row()) : m_lines.at(index.row());
}

void LinesModel::setLines(QStringList lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    m_lineOf = nullptr;
    m_count = 0;
    endResetModel();
}

void LinesModel::setLines(int count, std::function<QString(int row)> lineOf)
{
    beginResetModel();
    m_lines.clear();
    m_lineOf = std::move(lineOf);
    m_count = m_lineOf ? std::max(0, count) : 0;
    endResetModel();
}

void LinesModel::clear()
{
    if (rowCount() == 0)
        return;
    beginResetModel();
    m_lines.clear();
    m_lineOf = nullptr;
    m_count = 0;
    endResetModel();
}

ComputedLinesModel::ComputedLinesModel(LineOf lineOf, QObject *parent)
    : QAbstractListModel(parent), m_lineOf(std::move(lineOf))
{
}

int ComputedLinesModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_count; }

QVariant ComputedLinesModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_count)
        return {};
    return m_lineOf(index.row());
}

void ComputedLinesModel::setCount(int count)
{
    if (count > m_count) {
        beginInsertRows({}, m_count, count - 1);
        m_count = count;
        endInsertRows();
    } else if (count < m_count) {
        beginRemoveRows({}, count, m_count - 1);
        m_count = count;
        endRemoveRows();
    }
}

} // namespace vintaro
