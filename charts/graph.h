#pragma once
// Graph1: a chart of integer points, drawn as two-dimensional bars (type 3),
// three-dimensional bars (type 4) or a line (type 6), with the point numbers
// below it and a title above. Settings take effect at the next paint; a draw
// request is update(). Keys and double-clicks are reported to the window.
#include <QList>
#include <QString>
#include <QWidget>

#include "charts/series/chartlayout.h"

namespace vintaro {

class Graph : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int pointCount READ pointCount WRITE setPointCount)
    Q_PROPERTY(int pointLabels READ pointLabels WRITE setPointLabels)
    Q_PROPERTY(int chartType READ chartType WRITE setChartType)
    Q_PROPERTY(int labelEvery READ labelEvery WRITE setLabelEvery)
    Q_PROPERTY(int tickEvery READ tickEvery WRITE setTickEvery)
    Q_PROPERTY(QList<int> points READ points WRITE setPoints)
    Q_PROPERTY(QString title READ title WRITE setTitle)

public:
    explicit Graph(QWidget *parent = nullptr);

    // The number of points; a longer count adds points of value 0, a shorter
    // one drops the last ones.
    int pointCount() const { return int(m_points.size()); }
    void setPointCount(int count);
    // Point values, point 1 first; the point count follows the list.
    const QList<int> &points() const { return m_points; }
    void setPoints(const QList<int> &points);

    int pointLabels() const { return m_pointLabels; }
    void setPointLabels(int on) { m_pointLabels = on; }
    // 3, 4 or 6; any other value leaves the type as it is.
    int chartType() const { return m_chartType; }
    void setChartType(int type);
    // Label and tick spacing in points, at least 1.
    int labelEvery() const { return m_labelEvery; }
    void setLabelEvery(int every);
    int tickEvery() const { return m_tickEvery; }
    void setTickEvery(int every);
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }

signals:
    // The character code of a key typed while the graph has the focus.
    void keyPressed(int code);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    QList<int> m_points;
    int m_pointLabels = 0;
    int m_chartType = kBars2D;
    int m_labelEvery = 1;
    int m_tickEvery = 1;
    QString m_title;
};

} // namespace vintaro
