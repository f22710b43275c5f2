#include "wheel/wheelview.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/textformat.h"
#include "core/wheel.h"
#include "widgets/appearance.h"
#include "widgets/palette.h"

namespace vintaro {

namespace {

constexpr double kStep = 360.0 / kNumberCount; // degrees a pocket spans
constexpr int kSmallestRadius = 150;           // pixels: every number still fits its pocket
constexpr unsigned kZeroGreen = 0x008000; // dark enough for a white number
constexpr unsigned kVoisinsPink = 0xFFC0FF;
constexpr unsigned kJeuZeroPurple = 0xC000C0;
constexpr unsigned kTiersCyan = 0x80FFFF;
constexpr unsigned kOrphelinsGreen = 0x80FF80;

// A point at `radius` from the centre, `degrees` clockwise from the top.
QPointF polar(QPointF centre, double radius, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::sin(a), centre.y() - radius * std::cos(a)};
}

QRectF circle(QPointF centre, double radius) { return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius}; }

// The ring piece between two radii over `span` degrees clockwise from `from`.
QPainterPath ringPiece(QPointF centre, double inner, double outer, double from, double span)
{
    const double start = 90.0 - from; // QPainter counts counter-clockwise from three o'clock
    QPainterPath path;
    path.arcMoveTo(circle(centre, outer), start);
    path.arcTo(circle(centre, outer), start, -span);
    path.arcTo(circle(centre, inner), start - span, span);
    path.closeSubpath();
    return path;
}

// The piece of pocket i (wheel index) between two radii.
QPainterPath pocketPiece(QPointF centre, double inner, double outer, int index)
{
    return ringPiece(centre, inner, outer, index * kStep - kStep / 2, kStep);
}

QColor pocketColour(int number)
{
    if (number == 0)
        return rgb(kZeroGreen);
    return rgb(displayColour(number));
}

QColor sectorColour(int number)
{
    const auto in = [number](Sector s) { return sectorSet(s).test(static_cast<size_t>(number)); };
    if (in(Sector::JeuZero))
        return rgb(kJeuZeroPurple);
    if (in(Sector::Voisins))
        return rgb(kVoisinsPink);
    if (in(Sector::Tiers))
        return rgb(kTiersCyan);
    return rgb(kOrphelinsGreen);
}

QString sectorText(Sector s)
{
    return betText(sectorName(s));
}

} // namespace

WheelView::WheelView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WheelView"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setBackground(this, rgb(kFaceGrey));
}

void WheelView::setHeat(const std::array<double, kNumberCount> &heat, const std::array<QString, kNumberCount> &tips)
{
    m_heat = heat;
    m_tips = tips;
    m_hasHeat = true;
    update();
}

void WheelView::clearHeat(const std::array<QString, kNumberCount> &tips)
{
    m_tips = tips;
    m_hasHeat = false;
    update();
}

void WheelView::setNewest(int number)
{
    if (std::exchange(m_newest, number) != number)
        update();
}

void WheelView::setChosen(int number)
{
    if (std::exchange(m_chosen, number) != number)
        update();
}

void WheelView::setCentreText(const QString &text)
{
    if (std::exchange(m_centreText, text) != text)
        update();
}

QColor WheelView::heatColour(double t)
{
    // Pale yellow through orange to deep red.
    static constexpr std::array<std::array<int, 3>, 3> stops = {{{255, 255, 204}, {253, 141, 60}, {165, 0, 38}}};
    t = std::clamp(t, 0.0, 1.0) * 2.0;
    const int i = std::min(1, static_cast<int>(t));
    const double f = t - i;
    auto mix = [&](int c) { return static_cast<int>(std::lround(stops[i][c] + (stops[i + 1][c] - stops[i][c]) * f)); };
    return QColor(mix(0), mix(1), mix(2));
}

QColor WheelView::neutralColour() { return rgb(kWindowGrey); }

int WheelView::horizontalMargin() const
{
    return fontMetrics().horizontalAdvance(sectorText(Sector::Orphelins)) + 14;
}

int WheelView::verticalMargin() const { return fontMetrics().height() + 12; }

QSize WheelView::minimumSizeHint() const
{
    return {2 * (kSmallestRadius + horizontalMargin()), 2 * (kSmallestRadius + verticalMargin())};
}

QSize WheelView::sizeHint() const { return {2 * (230 + horizontalMargin()), 2 * (230 + verticalMargin())}; }

WheelView::Rings WheelView::rings() const
{
    Rings r;
    r.centre = QRectF(rect()).center();
    r.outer = std::max(20.0, std::min(width() / 2.0 - horizontalMargin(), height() / 2.0 - verticalMargin()));
    const double fh = fontMetrics().height();
    r.sectorInner = r.outer - (fh + 6);
    r.heatOuter = r.sectorInner - 3;
    r.heatInner = r.heatOuter - std::max(10.0, 0.07 * r.outer);
    r.pocketOuter = r.heatInner - 2;
    r.pocketInner = r.pocketOuter - std::max(fh + 14, 0.18 * r.outer);
    return r;
}

int WheelView::pocketAt(QPointF point) const
{
    const Rings r = rings();
    const QPointF d = point - r.centre;
    const double distance = std::hypot(d.x(), d.y());
    if (distance < r.pocketInner || distance > r.heatOuter)
        return -1;
    double degrees = std::atan2(d.x(), -d.y()) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360.0;
    const int index = static_cast<int>(std::lround(degrees / kStep)) % kNumberCount;
    return kWheelOrder[static_cast<size_t>(index)];
}

QPoint WheelView::pocketCentre(int number) const
{
    const Rings r = rings();
    return polar(r.centre, (r.pocketInner + r.pocketOuter) / 2, wheelIndex(number) * kStep).toPoint();
}

void WheelView::paintStatic(QPainter &painter, const Rings &r) const
{
    paintSectors(painter, r);

    // Pockets.
    QFont numberFont = font();
    numberFont.setPixelSize(std::clamp(static_cast<int>(r.outer * 0.075), 11, 24));
    for (int i = 0; i < kNumberCount; ++i) {
        const int n = kWheelOrder[static_cast<size_t>(i)];
        painter.setPen(QPen(rgb(kWindowGrey), 1));
        painter.setBrush(pocketColour(n));
        painter.drawPath(pocketPiece(r.centre, r.pocketInner, r.pocketOuter, i));
    }
    painter.setFont(numberFont);
    painter.setPen(Qt::white);
    const QFontMetrics numberMetrics(numberFont);
    for (int i = 0; i < kNumberCount; ++i) {
        const QPointF at = polar(r.centre, (r.pocketInner + r.pocketOuter) / 2, i * kStep);
        QRectF box(0, 0, numberMetrics.horizontalAdvance(QStringLiteral("00")) + 4, numberMetrics.height());
        box.moveCenter(at);
        painter.drawText(box, Qt::AlignCenter, text(formatInteger(kWheelOrder[static_cast<size_t>(i)])));
    }

    // Centre.
    painter.setPen(QPen(rgb(0x808080), 1));
    painter.setBrush(rgb(kWindowGrey));
    painter.drawEllipse(circle(r.centre, r.pocketInner));
}

const QPixmap &WheelView::staticRings(const Rings &r)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_static.size() != pixels || m_static.devicePixelRatio() != ratio || m_staticFont != font()) {
        m_static = QPixmap(pixels);
        m_static.setDevicePixelRatio(ratio);
        m_static.fill(palette().color(backgroundRole()));
        QPainter painter(&m_static);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(font());
        paintStatic(painter, r);
        m_staticFont = font();
        buildHeatRing(r, ratio);
    }
    return m_static;
}

void WheelView::buildHeatRing(const Rings &r, qreal ratio)
{
    for (int i = 0; i < kNumberCount; ++i)
        m_heatCells[static_cast<size_t>(i)] = pocketPiece(r.centre, r.heatInner, r.heatOuter, i);
    // The outlines' picture covers the ring and the width of its pen, from a
    // whole pixel, so that the outlines fall on the cells' edges.
    const QRect area = circle(r.centre, r.heatOuter + 2).toAlignedRect();
    m_heatOutlinesAt = area.topLeft();
    m_heatOutlines = QPixmap((QSizeF(area.size()) * ratio).toSize());
    m_heatOutlines.setDevicePixelRatio(ratio);
    m_heatOutlines.fill(Qt::transparent);
    QPainter painter(&m_heatOutlines);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-area.topLeft());
    painter.setPen(QPen(rgb(0x808080), 1));
    painter.setBrush(Qt::NoBrush);
    for (const QPainterPath &cell : m_heatCells)
        painter.drawPath(cell);
}

void WheelView::paintEvent(QPaintEvent *)
{
    const Rings r = rings();
    const QPixmap &rings = staticRings(r);
    QPainter painter(this);
    painter.drawPixmap(0, 0, rings);
    painter.setRenderHint(QPainter::Antialiasing);

    // Heat ring: the cells in their colours, then their outlines.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < kNumberCount; ++i) {
        const int n = kWheelOrder[static_cast<size_t>(i)];
        painter.setBrush(m_hasHeat ? heatColour(m_heat[static_cast<size_t>(n)]) : neutralColour());
        painter.drawPath(m_heatCells[static_cast<size_t>(i)]);
    }
    painter.drawPixmap(m_heatOutlinesAt, m_heatOutlines);

    // The centre's text.
    painter.setFont(font());
    painter.setPen(rgb(kCaptionBlue));
    QRectF centreBox(0, 0, r.pocketInner * 1.4, fontMetrics().height() * 2.5);
    centreBox.moveCenter(r.centre);
    painter.drawText(centreBox, Qt::AlignCenter | Qt::TextWordWrap, m_centreText);

    // The newest spin: a ball just inside its pocket.
    if (isNumber(m_newest)) {
        const double ball = std::max(4.0, (r.pocketOuter - r.pocketInner) * 0.2);
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(circle(polar(r.centre, r.pocketInner - ball - 3, wheelIndex(m_newest) * kStep), ball));
    }

    // The chosen pocket: framed together with its heat cell.
    if (isNumber(m_chosen)) {
        const QPainterPath frame = pocketPiece(r.centre, r.pocketInner, r.heatOuter, wheelIndex(m_chosen));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 5));
        painter.drawPath(frame);
        painter.setPen(QPen(rgb(kYellow), 3));
        painter.drawPath(frame);
    }
}

void WheelView::paintSectors(QPainter &painter, const Rings &r) const
{
    for (int i = 0; i < kNumberCount; ++i) {
        const QColor colour = sectorColour(kWheelOrder[static_cast<size_t>(i)]);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        painter.drawPath(pocketPiece(r.centre, r.sectorInner, r.outer, i));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(rgb(0x606060), 1));
    painter.drawEllipse(circle(r.centre, r.outer));
    painter.drawEllipse(circle(r.centre, r.sectorInner));
    // A line where one sector ends and the next begins.
    for (int i = 0; i < kNumberCount; ++i) {
        const int before = kWheelOrder[static_cast<size_t>((i + kNumberCount - 1) % kNumberCount)];
        if (sectorColour(before) != sectorColour(kWheelOrder[static_cast<size_t>(i)]))
            painter.drawLine(polar(r.centre, r.sectorInner, i * kStep - kStep / 2),
                             polar(r.centre, r.outer, i * kStep - kStep / 2));
    }

    // Voisins du zéro: a bracket over its 17 pockets, Jeu zéro named inside.
    const double voisinsFrom = (wheelIndex(22) - kNumberCount) * kStep - kStep / 2;
    painter.setPen(QPen(rgb(kCaptionBlue), 2));
    painter.drawArc(circle(r.centre, r.outer + 4), static_cast<int>((90.0 - voisinsFrom) * 16), static_cast<int>(-17 * kStep * 16));

    painter.setFont(font());
    const QFontMetrics metrics = fontMetrics();
    QRectF jeuBox(0, 0, metrics.horizontalAdvance(sectorText(Sector::JeuZero)) + 4, metrics.height());
    jeuBox.moveCenter(polar(r.centre, (r.sectorInner + r.outer) / 2, 0));
    painter.setPen(Qt::white);
    painter.drawText(jeuBox, Qt::AlignCenter, sectorText(Sector::JeuZero));

    // Sector names outside the band, level, beside the middle of each arc.
    auto name = [&](Sector s, double middleIndex) {
        const QString text = sectorText(s);
        const double degrees = middleIndex * kStep;
        const QPointF at = polar(r.centre, r.outer + 7, degrees);
        const double w = metrics.horizontalAdvance(text) + 2, h = metrics.height();
        const double sine = std::sin(degrees * std::numbers::pi / 180.0);
        QRectF box(0, 0, w, h);
        if (std::abs(sine) < 0.5)
            box.moveCenter({at.x(), std::cos(degrees * std::numbers::pi / 180.0) > 0 ? at.y() - h / 2 : at.y() + h / 2});
        else
            box.moveTopLeft({sine > 0 ? at.x() : at.x() - w, at.y() - h / 2});
        painter.drawText(box, Qt::AlignCenter, text);
    };
    painter.setPen(rgb(kCaptionBlue));
    name(Sector::Voisins, 0);
    name(Sector::Tiers, wheelIndex(27) + 5.5);
    name(Sector::Orphelins, wheelIndex(1) + 2);
    name(Sector::Orphelins, wheelIndex(17) + 1);
}

void WheelView::mousePressEvent(QMouseEvent *event)
{
    const int n = event->button() == Qt::LeftButton ? pocketAt(event->position()) : -1;
    if (n >= 0)
        emit pocketClicked(n);
    QWidget::mousePressEvent(event);
}

void WheelView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int n = event->button() == Qt::LeftButton ? pocketAt(event->position()) : -1;
    if (n >= 0)
        emit pocketDoubleClicked(n);
}

bool WheelView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int n = pocketAt(help->pos());
        if (n >= 0 && !m_tips[static_cast<size_t>(n)].isEmpty())
            QToolTip::showText(help->globalPos(), m_tips[static_cast<size_t>(n)], this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace vintaro
