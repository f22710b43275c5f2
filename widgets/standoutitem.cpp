#include "widgets/standoutitem.h"

#include <QStyleOptionMenuItem>

#include "widgets/appearance.h"

namespace vintaro {

StandOutItem::StandOutItem(const QString &caption, QStyle *base) : QProxyStyle(base), m_caption(caption) {}

QColor StandOutItem::ground() { return rgb(0xFFF0A0); }
QColor StandOutItem::ink() { return rgb(0xC00000); }

void StandOutItem::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element != CE_MenuBarItem || !item || item->text != m_caption || !(item->state & State_Enabled)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem marked = *item;
    marked.palette.setColor(QPalette::ButtonText, ink());
    marked.palette.setColor(QPalette::Window, ground());
    QProxyStyle::drawControl(element, &marked, painter, widget);
}

} // namespace vintaro
