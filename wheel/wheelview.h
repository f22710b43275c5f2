#pragma once
// The wheel painted: pockets in wheel order with 0 at the top, the heat ring
// around them, the sector arcs outside it. A click on a pocket chooses it, a
// double click asks to enter its number.
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <array>

#include "core/numbermodel.h"

namespace vintaro {

class WheelView : public QWidget
{
    Q_OBJECT
    // What the wheel writes in its middle and the pockets' tooltip lines.
    Q_PROPERTY(QString centreText READ centreText)
    Q_PROPERTY(QStringList pocketTips READ pocketTips)
public:
    explicit WheelView(QWidget *parent = nullptr);

    // Heat of every pocket: 0 (cold) to 1 (hot); no heat draws the ring
    // neutral. `tips` are the tooltip lines of the pockets.
    void setHeat(const std::array<double, kNumberCount> &heat, const std::array<QString, kNumberCount> &tips);
    void clearHeat(const std::array<QString, kNumberCount> &tips);
    void setNewest(int number); // -1: no marker
    void setChosen(int number); // -1: none
    void setCentreText(const QString &text);
    int chosen() const { return m_chosen; }
    QString centreText() const { return m_centreText; }
    QStringList pocketTips() const { return {m_tips.begin(), m_tips.end()}; }

    // The pocket under a point (the pocket or its heat cell), -1 elsewhere.
    int pocketAt(QPointF point) const;
    // The middle of a pocket, where a click reaches it.
    QPoint pocketCentre(int number) const;

    // The colour of heat t (0..1), and the colour of a ring without heat.
    static QColor heatColour(double t);
    static QColor neutralColour();

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    void pocketClicked(int number);
    void pocketDoubleClicked(int number);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    struct Rings
    {
        QPointF centre;
        double outer = 0;      // outer edge of the sector band
        double sectorInner = 0;
        double heatOuter = 0, heatInner = 0;
        double pocketOuter = 0, pocketInner = 0;
    };
    Rings rings() const;
    int horizontalMargin() const;
    int verticalMargin() const;
    void paintSectors(QPainter &painter, const Rings &r) const;
    // What never changes with the spins: the sector band, the pockets with
    // their numbers and the centre disc, drawn once for a size and a screen.
    void paintStatic(QPainter &painter, const Rings &r) const;
    const QPixmap &staticRings(const Rings &r);
    // The heat ring's cells, filled with their colours at every paint, and
    // their outlines, drawn once over a clear picture and laid over them.
    void buildHeatRing(const Rings &r, qreal ratio);

    std::array<double, kNumberCount> m_heat{};
    std::array<QString, kNumberCount> m_tips;
    bool m_hasHeat = false;
    int m_newest = -1;
    int m_chosen = -1;
    QString m_centreText;
    QPixmap m_static; // staticRings(), for m_staticFont
    QFont m_staticFont;
    std::array<QPainterPath, kNumberCount> m_heatCells; // by wheel index
    QPixmap m_heatOutlines;
    QPoint m_heatOutlinesAt;
};

} // namespace vintaro
