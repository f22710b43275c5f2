// Room switching, full restore, full delete and narrowing: each rewrites the
// working list and restarts the program.
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>

#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

const QString kRestart = QString::fromUtf8("A program leáll, majd újraindul !");
const QString kRestartAfterRestore = QString::fromUtf8("A program leáll, majd újraindúl !");
const QString kSwitchQuestion =
    QString::fromUtf8("Biztos, hogy mentés nélkül átvált a(z) 3. terembe ?\nA nem mentett pörgetések elvesznek.");
const QString kExitQuestion = QString::fromUtf8("Biztos, hogy mentés nélkül lép ki ?");

class RoomsTest : public WindowTest
{
protected:
    // The restart ran: message shown, the program started anew, this one ended.
    void expectRestart(const QString &message) const
    {
        ASSERT_FALSE(platform->messages.empty());
        EXPECT_EQ(platform->messages.back().text, message);
        EXPECT_EQ(platform->messages.back().icon, Platform::Icon::Critical);
        ASSERT_EQ(platform->started.size(), 1u);
        EXPECT_EQ(platform->started[0].program, file(QStringLiteral("vintaro2011")));
        EXPECT_TRUE(platform->started[0].arguments.isEmpty());
        // The new program knows to wait for this one to let go of the folder;
        // nothing else this program starts is told so.
        EXPECT_TRUE(platform->started[0].restartFlag);
        EXPECT_FALSE(qEnvironmentVariableIsSet("VINTARO_RESTART"));
        EXPECT_EQ(platform->exits, 1);
    }
    void expectNoRestart() const
    {
        EXPECT_TRUE(platform->started.empty());
        EXPECT_EQ(platform->exits, 0);
    }
    QByteArray tenSpins() const { return " 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n 8\r\n 9\r\n10\r\n"; }
};

TEST_F(RoomsTest, SwitchingRoomCopiesItsListAndRestarts)
{
    put(QStringLiteral("rszamok3.txt"), " 5\r\n17\r\n");
    put(QStringLiteral("rszamok.txt"), "1\r\n");
    enter({9}); // unsaved: the switch asks first, and Cancel keeps everything
    platform->confirmAnswers = {false};
    trigger(QStringLiteral("terem3"));
    EXPECT_EQ(platform->questions, std::vector<QString>{kSwitchQuestion});
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray("1\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("<missing>"));
    expectNoRestart();

    trigger(QStringLiteral("terem3")); // OK drops the unsaved spin
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray(" 5\r\n17\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("3\r\n"));
    expectRestart(kRestart);

    recreateWindow(); // the new instance
    EXPECT_EQ(text(QStringLiteral("Label5")), "");
    trigger(QStringLiteral("indit"));
    EXPECT_EQ(text(QStringLiteral("Label5")), " 2");
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("Text1"))->text(), "3");
    EXPECT_EQ(lines(QStringLiteral("List1")), (QStringList{"   1    5", "   2    17"}));
}

TEST_F(RoomsTest, ANeverSavedRoomStartsEmptyNotWithThePreviousRoomsList)
{
    put(QStringLiteral("rszamok.txt"), "12\r\n");
    trigger(QStringLiteral("terem10"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray());
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("10\r\n"));
    EXPECT_TRUE(platform->questions.empty()); // nothing unsaved: nothing asked
    expectRestart(kRestart);

    recreateWindow();
    put(QStringLiteral("rszamok.txt"), "12\r\n");
    setRoomBox(QStringLiteral("6"));
    trigger(QStringLiteral("teljes"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray());
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("6\r\n"));
}

TEST_F(RoomsTest, FullRestoreAndFullDelete)
{
    put(QStringLiteral("rszamok2.txt"), tenSpins());
    put(QStringLiteral("rszamok.txt"), "9\r\n10\r\n");
    setRoomBox(QStringLiteral(" 2 "));
    trigger(QStringLiteral("teljes"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), tenSpins());
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("2\r\n"));
    expectRestart(kRestartAfterRestore);

    // The full delete asks first; Cancel keeps the room's list.
    recreateWindow();
    setRoomBox(QStringLiteral("2"));
    platform->confirmAnswers = {false};
    trigger(QStringLiteral("ttorles"));
    ASSERT_EQ(platform->questions.size(), 1u);
    EXPECT_TRUE(platform->questions[0].contains(QStringLiteral("2."))) << platform->questions[0].toStdString();
    EXPECT_EQ(bytes(QStringLiteral("rszamok2.txt")), tenSpins());
    expectNoRestart();

    recreateWindow();
    setRoomBox(QStringLiteral("4")); // a room never saved
    trigger(QStringLiteral("ttorles"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok4.txt")), QByteArray());
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray());
    EXPECT_EQ(bytes(QStringLiteral("rszamok2.txt")), tenSpins());
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("4\r\n"));
    expectRestart(kRestart);
}

TEST_F(RoomsTest, RoomTextOutsideTheFolderIsRefused)
{
    // The narrowing checks the room text before it opens any file with it.
    ASSERT_TRUE(QDir(folder()).mkpath(QStringLiteral("rszamok3/sub")));
    put(QStringLiteral("x.txt"), "1\r\n2\r\n");
    setRoomBox(QStringLiteral("3/sub/../../x"));
    for (const char *action : {"teljes", "ttorles", "utolso"}) {
        trigger(QLatin1String(action));
        EXPECT_EQ(platform->messages.back().text, QString::fromUtf8("Hibás teremszám beállítás !"));
    }
    EXPECT_TRUE(platform->prompts.empty());
    expectNoRestart();
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("<missing>"));
}

TEST_F(RoomsTest, NarrowingKeepsTheLastSpins)
{
    put(QStringLiteral("rszamok2.txt"), tenSpins());
    setRoomBox(QStringLiteral("2"));
    platform->textAnswers = {QStringLiteral("0"), QStringLiteral("11"), QStringLiteral("3")};
    trigger(QStringLiteral("utolso"));
    ASSERT_EQ(platform->prompts.size(), 3u); // 0 and 11 are asked again
    EXPECT_EQ(platform->prompts[0],
              QString::fromUtf8("Szűkített statisztikák !|Kérem adja meg , hogy az utolsó hány pörgetést válogassam le !"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray("8\r\n9\r\n10\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok2.txt")), tenSpins()); // the saved list stays whole
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("2\r\n"));
    expectRestart(kRestart);

    recreateWindow();
    setRoomBox(QStringLiteral("2"));
    platform->textAnswers = {QStringLiteral("3.5")};
    trigger(QStringLiteral("utolso"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray("8\r\n9\r\n10\r\n")); // i >= 7.5

    recreateWindow();
    setRoomBox(QStringLiteral("2"));
    platform->textAnswers = {QStringLiteral("10")};
    trigger(QStringLiteral("utolso"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n"));
}

TEST_F(RoomsTest, NarrowingThatChangesNothing)
{
    put(QStringLiteral("rszamok.txt"), "7\r\n");
    setRoomBox(QStringLiteral("5")); // room 5 was never saved: silently nothing
    trigger(QStringLiteral("utolso"));
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_TRUE(platform->prompts.empty());

    setRoomBox(QString()); // no room: the working list is there, the room is not
    trigger(QStringLiteral("utolso"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, QString::fromUtf8("Nincs *Terem* megadva !"));

    put(QStringLiteral("rszamok5.txt"), QByteArray()); // an empty list: every answer is asked again
    setRoomBox(QStringLiteral("5"));
    platform->textAnswers = {QStringLiteral("1"), QStringLiteral("-2"), QStringLiteral("0.5"), QStringLiteral("abc")};
    trigger(QStringLiteral("utolso"));
    EXPECT_EQ(platform->prompts.size(), 4u); // "abc" is no number: it ends the question
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray("7\r\n"));
    expectNoRestart();
}

TEST_F(RoomsTest, ChoosingTheLanguageRemembersItAndRestartsWithoutTouchingAListOrRoomFile)
{
    put(QStringLiteral("rszamok.txt"), " 5\r\n17\r\n");
    put(QStringLiteral("rszamok3.txt"), tenSpins());
    put(QStringLiteral("terem.txt"), "3\r\n");
    // Every file but the settings, byte for byte.
    const auto files = [this] {
        QMap<QString, QByteArray> all;
        for (const QString &name : QDir(folder()).entryList(QDir::Files | QDir::Hidden))
            if (name != QLatin1String("vintaro.ini"))
                all[name] = bytes(name);
        return all;
    };
    const auto remembered = [this] {
        return QSettings(file(QStringLiteral("vintaro.ini")), QSettings::IniFormat).value("language").toString();
    };
    const QMap<QString, QByteArray> before = files();

    // The item stands last in Eszközök, in both languages.
    const QList<QAction *> tools = child<QMenu>(QStringLiteral("eszkozok"))->actions();
    ASSERT_FALSE(tools.isEmpty());
    EXPECT_EQ(tools.constLast()->objectName(), QStringLiteral("nyelv"));
    EXPECT_EQ(tools.constLast()->text(), QStringLiteral("Nyelv / Language"));

    // Cancel, and the language already used, change nothing.
    trigger(QStringLiteral("nyelv"));
    platform->chooseAnswers = {0};
    trigger(QStringLiteral("nyelv"));
    const QStringList asked = {QStringLiteral("Nyelv / Language"), QStringLiteral("Nyelv / Language:"),
                               QStringLiteral("0"), QStringLiteral("Magyar"), QStringLiteral("English")};
    EXPECT_EQ(platform->choices, (std::vector<QStringList>{asked, asked}));
    // Unsaved spins: the question first, and Cancel keeps the program.
    enter({9});
    platform->chooseAnswers = {1};
    platform->confirmAnswers = {false};
    trigger(QStringLiteral("nyelv"));
    EXPECT_EQ(platform->questions, std::vector<QString>{kExitQuestion});
    expectNoRestart();
    EXPECT_EQ(remembered(), QString());

    platform->chooseAnswers = {1};
    trigger(QStringLiteral("nyelv"));
    EXPECT_EQ(remembered(), QStringLiteral("en"));
    expectRestart(QString::fromUtf8("A program leáll, majd újraindul a választott nyelven !\n"
                                    "The program stops and starts again in the chosen language !"));
    EXPECT_EQ(files(), before);

    // Where vintaro.ini cannot be used, the restart carries the choice.
    ASSERT_TRUE(QFile::remove(file(QStringLiteral("vintaro.ini"))));
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("vintaro.ini")));
    recreateWindow();
    platform->chooseAnswers = {1};
    trigger(QStringLiteral("nyelv"));
    ASSERT_EQ(platform->started.size(), 1u);
    EXPECT_EQ(platform->started[0].arguments, (QStringList{QStringLiteral("--language"), QStringLiteral("en")}));
    EXPECT_EQ(files(), before);
}

} // namespace
} // namespace vintaro::test
