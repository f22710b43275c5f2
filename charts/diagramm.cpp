#include "charts/diagramm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include "widgets/appearance.h"
#include "charts/series/chartlayout.h"
#include "charts/graph.h"
#include "widgets/twips.h"

namespace vintaro {

namespace {

constexpr int kGraphTop = 60;
constexpr int kGraphHeight = 1995;
constexpr int kGraphDesignWidth = 11805;
constexpr int kBarLeft = 0;
constexpr int kBarHeight = 255;

int screenWidthTwips(const QWidget *parent)
{
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() * kTwipsPerPixel : 0;
}

} // namespace

Diagramm::Diagramm(std::vector<std::int16_t> series, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_series(std::move(series))
{
    setObjectName(QStringLiteral("diagramm"));
    setModal(true);
    setFont(programFont());

    m_graph = new Graph(this);
    m_graph->setObjectName(QStringLiteral("Graph1"));
    placeTwips(m_graph, 0, kGraphTop, kGraphDesignWidth, kGraphHeight);
    m_graph->setTitle(tr(" Space - típus vált, + - széthúz, * - utolsó 100, dupla klikk - kilép  "));
    m_graph->setToolTip(tr(" Spaces, *, +  billentyük  !"));

    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("HScroll1"));
    m_scroll->setMinimum(0);
    m_scroll->setFocusPolicy(Qt::NoFocus); // the keys belong to the graph

    connect(m_graph, &Graph::keyPressed, this, &Diagramm::pressKey);
    connect(m_graph, &Graph::doubleClicked, this, &QDialog::accept);
    connect(m_scroll, &QScrollBar::valueChanged, this, &Diagramm::pan);

    load(screenWidthTwips(parent));
    layoutScrollBar();
    m_graph->setFocus();
}

void Diagramm::load(int screenWidth)
{
    m_graph->setVisible(true);
    m_width = chartWindowWidth(screenWidth);
    setFixedSize(twips(m_width), twips(kChartInnerHeight));
    setGraphWidth(m_width);

    const int count = int(m_series.size());
    m_graph->setPointLabels(1);
    if (count >= kChartTail) {
        m_graph->setChartType(kLine);
        m_graph->setLabelEvery(10);
    } else {
        m_graph->setChartType(kBars2D);
        m_graph->setLabelEvery(1);
    }
    m_graph->setTickEvery(1);
    showPoints(m_series);
}

void Diagramm::showPoints(const std::vector<std::int16_t> &points)
{
    m_graph->setPoints(QList<int>(points.begin(), points.end()));
}

void Diagramm::setGraphWidth(int width)
{
    m_graphWidth = width;
    m_graph->resize(twips(width), twips(kGraphHeight));
}

void Diagramm::layoutScrollBar()
{
    // Along the bottom edge while the graph is wider than the window, just
    // below the visible part otherwise.
    const int top = m_graphWidth > m_width ? kChartInnerHeight - kBarHeight : kChartInnerHeight;
    placeTwips(m_scroll, kBarLeft, top, m_width, kBarHeight);
    const ScrollRange range = scrollRange(m_graphWidth, kBarLeft, m_width);
    m_scroll->setMaximum(range.maximum); // a narrower range brings the position into it, which pans
    m_scroll->setSingleStep(range.smallStep);
    m_scroll->setPageStep(range.largeStep);
    m_scroll->raise();
}

void Diagramm::pan(int position)
{
    m_graph->move(twips(-position), twips(kGraphTop));
    m_graph->setFocus();
}

void Diagramm::pressKey(int code)
{
    switch (code) {
    case ' ':
        m_graph->setChartType(nextChartType(m_graph->chartType()));
        m_graph->update();
        break;
    case '+':
        setGraphWidth(widenedGraph(m_graphWidth));
        layoutScrollBar();
        break;
    case '-':
        setGraphWidth(narrowedGraph(m_graphWidth, m_width));
        layoutScrollBar();
        break;
    case '*': {
        const std::vector<std::int16_t> tail = chartTail(m_series);
        if (tail.empty())
            return;
        m_graph->setPointLabels(1);
        m_graph->setChartType(kLine);
        showPoints(tail);
        m_graph->update();
        break;
    }
    default:
        break;
    }
}

} // namespace vintaro
