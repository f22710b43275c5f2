#include "charts/graph.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "widgets/appearance.h"

namespace vintaro {

namespace {

constexpr unsigned kBackground = 0xFFFFFF;
constexpr unsigned kAxis = 0x000000;
constexpr unsigned kGrid = 0xC0C0C0;
constexpr unsigned kBarFront = 0x0000FF;
constexpr unsigned kBarTop = 0x8080FF;
constexpr unsigned kBarSide = 0x000080;
constexpr unsigned kLineColour = 0x0000C0;
constexpr int kTickLength = 4;
constexpr double kTickSpacing = 3.0; // closer ticks would run together

// Where the points lie: point k (1-based) is centred in its slot, values run
// from `low` at the bottom of the plot to `high` at its top.
struct Scale
{
    QRectF plot;
    double slot = 1;
    int low = 0;
    int high = 1;

    double x(int k) const { return plot.left() + (k - 0.5) * slot; }
    double y(int value) const { return plot.bottom() - double(value - low) / double(high - low) * plot.height(); }
    int column(int k) const { return int(std::floor(x(k))); }
};

// Points from `first` to `last` that are multiples of `step`.
template <typename Mark> void everyNth(int first, int last, int step, Mark mark)
{
    for (long long k = (first + step - 1LL) / step * step; k <= last; k += step)
        mark(int(k));
}

void drawFlatBars(QPainter &p, const Scale &s, const QList<int> &points, int first, int last)
{
    const double base = s.y(0);
    if (s.slot >= 2) {
        const double width = s.slot * 0.7;
        QList<QRectF> bars;
        for (int k = first; k <= last; ++k)
            if (const int v = points[k - 1])
                bars << QRectF(QPointF(s.x(k) - width / 2, s.y(v)), QPointF(s.x(k) + width / 2, base)).normalized();
        p.setPen(Qt::NoPen);
        p.setBrush(rgb(kBarFront));
        p.drawRects(bars);
        return;
    }
    // Narrower than two pixels: one column per pixel, as tall as its tallest bar.
    QList<QRectF> columns;
    int column = INT_MIN, top = 0, bottom = 0;
    auto flush = [&] {
        if (column != INT_MIN && top != bottom)
            columns << QRectF(QPointF(column, s.y(top)), QPointF(column + 1, s.y(bottom)));
    };
    for (int k = first; k <= last; ++k) {
        const int v = points[k - 1];
        if (s.column(k) != column) {
            flush();
            column = s.column(k);
            top = std::max(0, v);
            bottom = std::min(0, v);
        } else {
            top = std::max(top, v);
            bottom = std::min(bottom, v);
        }
    }
    flush();
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(kBarFront));
    p.drawRects(columns);
}

void drawSolidBars(QPainter &p, const Scale &s, const QList<int> &points, int first, int last)
{
    const double depth = std::min(6.0, s.slot * 0.35);
    if (depth < 1) {
        drawFlatBars(p, s, points, first, last);
        return;
    }
    const double width = s.slot * 0.6;
    const double base = s.y(0);
    p.setPen(QPen(rgb(kBarSide), 0));
    for (int k = first; k <= last; ++k) {
        const int v = points[k - 1];
        if (!v)
            continue;
        const QRectF front = QRectF(QPointF(s.x(k) - width / 2 - depth / 2, s.y(v)),
                                    QPointF(s.x(k) + width / 2 - depth / 2, base)).normalized();
        const QPointF back(depth, -depth);
        p.setBrush(rgb(kBarSide));
        p.drawPolygon(QPolygonF({front.topRight(), front.topRight() + back, front.bottomRight() + back,
                                 front.bottomRight()}));
        p.setBrush(rgb(kBarTop));
        p.drawPolygon(QPolygonF({front.topLeft(), front.topLeft() + back, front.topRight() + back,
                                 front.topRight()}));
        p.setBrush(rgb(kBarFront));
        p.drawRect(front);
    }
}

void drawLine(QPainter &p, const Scale &s, const QList<int> &points, int first, int last)
{
    QPolygonF path;
    if (s.slot >= 1) {
        path.reserve(last - first + 1);
        for (int k = first; k <= last; ++k)
            path << QPointF(s.x(k), s.y(points[k - 1]));
    } else {
        // Many points to a pixel: per column its first, lowest, highest and
        // last value, which draws the same line.
        int column = INT_MIN, head = 0, lowest = 0, highest = 0, tail = 0;
        auto flush = [&] {
            if (column == INT_MIN)
                return;
            const double x = column + 0.5;
            path << QPointF(x, s.y(head)) << QPointF(x, s.y(lowest)) << QPointF(x, s.y(highest))
                 << QPointF(x, s.y(tail));
        };
        for (int k = first; k <= last; ++k) {
            const int v = points[k - 1];
            if (s.column(k) != column) {
                flush();
                column = s.column(k);
                head = lowest = highest = tail = v;
            } else {
                lowest = std::min(lowest, v);
                highest = std::max(highest, v);
                tail = v;
            }
        }
        flush();
    }
    p.setPen(QPen(rgb(kLineColour), 0));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(path);
}

} // namespace

Graph::Graph(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Graph::setPointCount(int count) { m_points.resize(std::max(0, count), 0); }

void Graph::setPoints(const QList<int> &points) { m_points = points; }

void Graph::setChartType(int type)
{
    if (type == kBars2D || type == kBars3D || type == kLine)
        m_chartType = type;
}

void Graph::setLabelEvery(int every) { m_labelEvery = std::max(1, every); }

void Graph::setTickEvery(int every) { m_tickEvery = std::max(1, every); }

void Graph::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, rgb(kBackground));
    const QFontMetrics metrics(font());

    // The title keeps to the part in view while the window pans a wide graph.
    const int inView = parentWidget() ? std::max(0, -x()) : 0;
    p.setPen(rgb(kAxis));
    p.drawText(QRect(inView + 4, 2, std::max(0, width() - inView - 8), metrics.height()),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_title);

    Scale s;
    if (!m_points.isEmpty()) {
        const auto [low, high] = std::minmax_element(m_points.cbegin(), m_points.cend());
        s.low = std::min(0, *low);
        s.high = std::max(1, *high);
    }
    const QString highText = QString::number(s.high), lowText = QString::number(s.low);
    const int left = std::max(metrics.horizontalAdvance(highText), metrics.horizontalAdvance(lowText)) + 8;
    const int top = metrics.height() + 10;
    const int bottom = height() - kTickLength - (m_pointLabels ? metrics.height() : 0) - 2;
    s.plot = QRectF(QPointF(left, top), QPointF(width() - 8, bottom));
    if (s.plot.width() <= 0 || s.plot.height() <= 0)
        return;

    // Value axis: the lowest and highest value, the highest as a grid line.
    p.drawText(QRectF(0, s.y(s.high) - metrics.height() / 2.0, left - 4, metrics.height()),
               Qt::AlignRight | Qt::AlignVCenter, highText);
    p.drawText(QRectF(0, s.y(s.low) - metrics.height() / 2.0, left - 4, metrics.height()),
               Qt::AlignRight | Qt::AlignVCenter, lowText);
    p.setPen(QPen(rgb(kGrid), 0, Qt::DotLine));
    p.drawLine(QPointF(s.plot.left(), s.y(s.high)), QPointF(s.plot.right(), s.y(s.high)));
    p.setPen(QPen(rgb(kAxis), 0));
    p.drawLine(s.plot.bottomLeft(), s.plot.bottomRight());
    p.drawLine(s.plot.bottomLeft(), s.plot.topLeft());
    if (m_points.isEmpty())
        return;

    // Only the points whose marks or labels reach into the part to paint.
    const int count = pointCount();
    s.slot = s.plot.width() / count;
    const double margin = metrics.horizontalAdvance(QString::number(count)) + 8.0;
    const int first = std::clamp(int((dirty.left() - margin - s.plot.left()) / s.slot), 1, count);
    const int last = std::clamp(int((dirty.right() + margin - s.plot.left()) / s.slot) + 2, 1, count);

    switch (m_chartType) {
    case kBars3D: drawSolidBars(p, s, m_points, first, last); break;
    case kLine: drawLine(p, s, m_points, first, last); break;
    default: drawFlatBars(p, s, m_points, first, last); break;
    }

    p.setPen(QPen(rgb(kAxis), 0));
    const double axis = s.plot.bottom();
    everyNth(first, last, thinned(m_tickEvery, s.slot, kTickSpacing), [&](int k) {
        p.drawLine(QPointF(s.x(k), axis), QPointF(s.x(k), axis + kTickLength));
    });
    if (m_pointLabels) {
        everyNth(first, last, thinned(m_labelEvery, s.slot, margin - 2), [&](int k) {
            p.drawText(QRectF(s.x(k) - margin / 2, axis + kTickLength, margin, metrics.height()), Qt::AlignCenter,
                       QString::number(k));
        });
    }
}

void Graph::keyPressEvent(QKeyEvent *event)
{
    // Every key stops here, so that none of them closes the window.
    event->accept();
    const QString typed = event->text();
    if (!typed.isEmpty())
        emit keyPressed(typed.at(0).unicode());
}

void Graph::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    emit doubleClicked();
}

void Graph::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    update(QRect(0, 0, width(), QFontMetrics(font()).height() + 4));
}

} // namespace vintaro
