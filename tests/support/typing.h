#pragma once
// Typing as a player does: the window is shown and activated, and every key
// goes to the widget that has the keyboard focus.
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace vintaro::test {

// One key with its modifiers.
struct Press
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Brings the window to the front and waits until it has the keyboard.
inline void activate(QWidget *window)
{
    ASSERT_NE(window, nullptr);
    window->show();
    window->raise();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
    QApplication::processEvents();
}

// The widget that has the keys now (its objectName, "" for none).
inline QString focusName()
{
    const QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("<none>");
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no widget has the keyboard focus";
    QTest::keyClick(target, key, modifiers);
    QApplication::processEvents();
}

// Types the text key by key: digits, blanks (Space) and letters.
inline void type(const QString &keys)
{
    for (QChar c : keys) {
        if (c == QLatin1Char(' '))
            press(Qt::Key_Space);
        else
            press(Qt::Key(c.toUpper().unicode()));
    }
}

} // namespace vintaro::test
