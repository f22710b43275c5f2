// "Vége" and closing the window by its title bar.
#include <QFile>
#include <QLineEdit>

#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

const char *const kQuestion = "Biztos, hogy mentés nélkül lép ki ?";

using ExitTest = WindowTest;

TEST_F(ExitTest, NothingUnsavedEndsWithoutAQuestion)
{
    click(QStringLiteral("Command3D2"));
    EXPECT_TRUE(platform->questions.empty());
    EXPECT_EQ(platform->exits, 1);

    // After a save.
    recreateWindow();
    enter({5});
    child<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("2"));
    click(QStringLiteral("Command15"));
    click(QStringLiteral("Command3D2"));
    EXPECT_TRUE(platform->questions.empty());
    EXPECT_EQ(platform->exits, 1);

    // After Start, which loads without marking anything unsaved.
    recreateWindow();
    trigger(QStringLiteral("indit"));
    click(QStringLiteral("Command3D2"));
    EXPECT_TRUE(platform->questions.empty());
    EXPECT_EQ(platform->exits, 1);
}

TEST_F(ExitTest, UnsavedSpinsAskFirst)
{
    enter({5});
    platform->confirmAnswers = {false};
    click(QStringLiteral("Command3D2"));
    EXPECT_EQ(platform->questions, std::vector<QString>{QString::fromUtf8(kQuestion)});
    EXPECT_EQ(platform->exits, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(lines(QStringLiteral("List1")), QStringList{"   1    5"});
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("1"));

    click(QStringLiteral("Command3D2")); // OK this time
    EXPECT_EQ(platform->questions.size(), 2u);
    EXPECT_EQ(platform->exits, 1);

    // An undo counts as unsaved too.
    recreateWindow();
    enter({5});
    child<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("2"));
    click(QStringLiteral("Command15"));
    click(QStringLiteral("Command1"));
    platform->confirmAnswers = {false};
    click(QStringLiteral("Command3D2"));
    EXPECT_EQ(platform->questions.size(), 1u);
    EXPECT_EQ(platform->exits, 0);
}

TEST_F(ExitTest, TheTitleBarAsksLikeTheExitButton)
{
    enter({5, 17});
    platform->confirmAnswers = {false};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(platform->questions, std::vector<QString>{QString::fromUtf8(kQuestion)});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(lines(QStringLiteral("List1")), (QStringList{"   1    5", "   2    17"}));

    EXPECT_TRUE(window->close()); // OK
    EXPECT_EQ(platform->questions.size(), 2u);
    EXPECT_FALSE(window->isVisible());

    // Nothing unsaved: the window closes without a question.
    recreateWindow();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(platform->questions.empty());
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace vintaro::test
