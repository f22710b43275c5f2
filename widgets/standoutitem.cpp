#include "widgets/standoutitem.h"

#include <QActionEvent>
#include <QMenuBar>
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

namespace {

// Keeps the bar from hearing of one item's change.
class Unheard : public QObject
{
public:
    explicit Unheard(const QAction *item) : m_item(item) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::ActionChanged && static_cast<QActionEvent *>(event)->action() == m_item;
    }

private:
    const QAction *m_item;
};

} // namespace

void setItemState(QMenuBar *bar, QAction *item, bool enabled, const QString &toolTip)
{
    // A menu shown by the desktop learns of the change only from the bar.
    if (bar->isNativeMenuBar() || !item->associatedObjects().contains(bar)) {
        item->setEnabled(enabled);
        item->setToolTip(toolTip);
        return;
    }
    {
        Unheard unheard(item);
        bar->installEventFilter(&unheard);
        item->setEnabled(enabled);
        item->setToolTip(toolTip);
        bar->removeEventFilter(&unheard);
    }
    bar->update(bar->actionGeometry(item));
}

} // namespace vintaro
