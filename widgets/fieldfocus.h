#pragma once
// Keys belong to spin entry unless the player chose a text or number field:
// a field of the window takes keys only once it was clicked into or reached
// with Tab. Enter or Esc in it, or a click anywhere else, gives the keys back
// to the window's home widget. Focus that lands in a field any other way (the
// window opening or coming back to the front, a menu closing) goes home at
// once.
#include <QObject>
#include <QPointer>

class QWidget;

namespace vintaro {

class FieldFocus : public QObject
{
public:
    // `home` holds the keys for spin entry: the window itself or a plain
    // widget in it. It takes a click focus if it had none, and the focus now.
    explicit FieldFocus(QWidget *home);
    ~FieldFocus() override;

    // Whether `widget` is a field that the player chose and that has the keys.
    bool typingIn(const QWidget *widget) const;
    // Sends the keys home, out of any field.
    void giveKeysBack();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_home;
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_chosen;
    bool m_passing = false; // Enter or Esc is on its way to the chosen field
};

} // namespace vintaro
