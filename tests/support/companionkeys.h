#pragma once
// Typing into a companion window (wheel, odds, …) with the keys on one of
// its controls: every key rule of the main window must hold there too.
#include <functional>
#include <vector>

#include "tests/support/typing.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {

struct KeyCase
{
    const char *what;
    std::vector<Press> keys;
    QStringList history; // List1 afterwards; it starts with the spin 9
};

class CompanionKeysTest : public WindowTest
{
protected:
    QWidget *openActive(const char *action, const char *name)
    {
        activate(window.get());
        QWidget *companion = openWindow(QLatin1String(action), name);
        activate(companion);
        return companion;
    }
    // Every key rule of the main window, typed into a companion window with
    // the keys where `focus` puts them.
    void checkEntryKeys(const char *action, const char *name, const std::function<void(QWidget *)> &focus)
    {
        const std::vector<KeyCase> cases = {
            {"1 7", {{Qt::Key_1}, {Qt::Key_7}}, {"   1    9", "   2    17"}},
            {"0", {{Qt::Key_0}}, {"   1    9", "   2    0"}},
            {"keypad 3 6", {{Qt::Key_3, Qt::KeypadModifier}, {Qt::Key_6, Qt::KeypadModifier}},
             {"   1    9", "   2    36"}},
            {"2 Enter", {{Qt::Key_2}, {Qt::Key_Return}}, {"   1    9", "   2    2"}},
            {"3 Space", {{Qt::Key_3}, {Qt::Key_Space}}, {"   1    9", "   2    3"}},
            {"2 Esc", {{Qt::Key_2}, {Qt::Key_Escape}}, {"   1    9"}},
            {"Backspace", {{Qt::Key_Backspace}}, {}},
            {"Ctrl+Z", {{Qt::Key_Z, Qt::ControlModifier}}, {}},
        };
        for (const KeyCase &c : cases) {
            SCOPED_TRACE(c.what);
            recreateWindow();
            enter({9});
            QWidget *companion = openActive(action, name);
            focus(companion);
            ASSERT_EQ(QApplication::focusWidget()->window(), companion);
            for (const Press &p : c.keys)
                press(p.key, p.modifiers);
            EXPECT_EQ(lines(QStringLiteral("List1")), c.history) << focusName().toStdString();
        }
    }
};

} // namespace vintaro::test
