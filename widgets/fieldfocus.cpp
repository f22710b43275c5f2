#include "widgets/fieldfocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include "widgets/entrykeys.h"

namespace vintaro {

namespace {

bool chosenBy(Qt::FocusReason reason)
{
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

// The field's own context menu (cut, copy, paste) does not end its turn.
bool ownPopup(const QWidget *field)
{
    const QWidget *popup = QApplication::activePopupWidget();
    const QWidget *owner = popup ? popup->parentWidget() : nullptr;
    return owner && (owner == field || field->isAncestorOf(owner));
}

// The field that a click on `widget` goes to (a number box for its inner line
// edit, a text box for its viewport), or null.
QWidget *fieldAt(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (isTypingField(w)) {
            while (w->focusProxy())
                w = w->focusProxy();
            return w;
        }
    }
    return nullptr;
}

bool leavesField(const QKeyEvent &key)
{
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Escape;
}

} // namespace

FieldFocus::FieldFocus(QWidget *home) : QObject(home), m_home(home), m_window(home->window())
{
    if (home->focusPolicy() == Qt::NoFocus)
        home->setFocusPolicy(Qt::ClickFocus);
    qApp->installEventFilter(this);
    giveKeysBack();
}

FieldFocus::~FieldFocus() { qApp->removeEventFilter(this); }

bool FieldFocus::typingIn(const QWidget *widget) const
{
    return widget && m_chosen && m_chosen->hasFocus() && (widget == m_chosen || m_chosen->isAncestorOf(widget));
}

void FieldFocus::giveKeysBack()
{
    m_chosen = nullptr;
    if (m_home)
        m_home->setFocus(Qt::OtherFocusReason);
}

bool FieldFocus::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::KeyPress &&
        type != QEvent::MouseButtonPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    if (type == QEvent::MouseButtonPress) {
        // Clicked into: chosen, also when the same click brings the window
        // to the front and the focus arrives only with the window.
        if (QWidget *field = fieldAt(widget))
            m_chosen = field;
        return false;
    }
    if (!isTypingField(widget))
        return false;

    if (type == QEvent::FocusIn) {
        if (chosenBy(static_cast<QFocusEvent *>(event)->reason())) {
            m_chosen = widget;
        } else if (widget != m_chosen) {
            // Sent home once this focus change is over.
            QMetaObject::invokeMethod(
                this,
                [this, field = QPointer<QWidget>(widget)] {
                    if (field && field->hasFocus() && field != m_chosen)
                        giveKeysBack();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    if (type == QEvent::FocusOut) {
        if (widget == m_chosen && !ownPopup(widget))
            m_chosen = nullptr;
        return false;
    }
    // Enter or Esc: the field has it first (a number box takes its value),
    // then the keys go home.
    if (m_passing || widget != m_chosen || !leavesField(static_cast<QKeyEvent &>(*event)))
        return false;
    m_passing = true;
    QCoreApplication::sendEvent(widget, event);
    m_passing = false;
    giveKeysBack();
    return true;
}

} // namespace vintaro
