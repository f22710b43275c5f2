#pragma once
// A list box's lines: a plain list model whose display text is the line.
#include <QAbstractListModel>
#include <QStringList>

#include <functional>

namespace vintaro {

class LinesModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void setLines(QStringList lines);
    // `count` lines made only when shown: row r reads lineOf(r). A long
    // report costs nothing until it is scrolled into view.
    void setLines(int count, std::function<QString(int row)> lineOf);
    void clear();

private:
    QStringList m_lines;
    std::function<QString(int row)> m_lineOf; // when set, the lines are made on demand
    int m_count = 0;
};

// Lines computed on demand from a count and a function of the row: a list of
// tens of thousands of lines costs nothing until a line is shown.
class ComputedLinesModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using LineOf = std::function<QString(int row)>;
    explicit ComputedLinesModel(LineOf lineOf, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Brings the row count to `count`, announcing only what changed.
    void setCount(int count);
    int count() const { return m_count; }

private:
    LineOf m_lineOf;
    int m_count = 0;
};

} // namespace vintaro
