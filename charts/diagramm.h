#pragma once
// The chart window: a long, low strip without a frame that draws the hit
// series in Graph1 and pans a widened graph with HScroll1. Space changes the
// chart type, "+" widens the graph, "-" narrows it, "*" shows the newest 100
// spins and a double-click on the graph closes the window.
#include <QDialog>

#include <cstdint>
#include <vector>

class QScrollBar;

namespace vintaro {

class Graph;

class Diagramm : public QDialog
{
    Q_OBJECT
public:
    // `series` holds one point per spin, the oldest first.
    explicit Diagramm(std::vector<std::int16_t> series, QWidget *parent = nullptr);

    // A key typed on the graph, by character code.
    void pressKey(int code);

private:
    void load(int screenWidth);
    void layoutScrollBar();
    void pan(int position);
    void setGraphWidth(int width);
    void showPoints(const std::vector<std::int16_t> &points);

    std::vector<std::int16_t> m_series;
    Graph *m_graph = nullptr;
    QScrollBar *m_scroll = nullptr;
    int m_width = 0;      // the window's inner width, twips
    int m_graphWidth = 0; // twips
};

} // namespace vintaro
