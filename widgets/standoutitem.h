#pragma once
// A menu bar whose item of one caption stands out while it is enabled: the
// item still waiting to be chosen (dark red text on a pale yellow ground).
#include <QProxyStyle>

class QAction;
class QMenuBar;

namespace vintaro {

class StandOutItem : public QProxyStyle
{
public:
    // `caption` names the item; `base` is the style the rest is drawn with.
    StandOutItem(const QString &caption, QStyle *base);

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

    static QColor ground();
    static QColor ink();

private:
    QString m_caption;
};

// Greys or restores a menu bar item and sets its tooltip, repainting that
// item alone. Neither changes where the bar's items stand, yet Qt lays the
// whole bar out again and repaints it for each of the two.
void setItemState(QMenuBar *bar, QAction *item, bool enabled, const QString &toolTip);

} // namespace vintaro
