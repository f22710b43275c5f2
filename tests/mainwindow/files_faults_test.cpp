// Nothing lost: every way a write can fail, for the save and each room
// operation; saving after a narrowing; saving over spins the history never
// held; a restart whose new instance cannot start.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <functional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/filefaults.h"
#include "tests/support/readonlyfolder.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

uid_t nobodyId()
{
    const passwd *nobody = ::getpwnam("nobody");
    return nobody ? nobody->pw_uid : 65534;
}

const QString kExitQuestion = QString::fromUtf8("Biztos, hogy mentés nélkül lép ki ?");

class FaultsTest : public WindowTest
{
protected:
    QString roomBox() const { return child<QLineEdit>(QStringLiteral("Text1"))->text(); }
    QByteArray tenSpins() const { return " 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n 8\r\n 9\r\n10\r\n"; }
};

TEST_F(FaultsTest, EveryWriteFaultKeepsTheFilesAndTheUnsavedSpins)
{
    // StickyFolder: a shared folder with the sticky bit whose room number
    // file belongs to another user: the lists can be replaced, it cannot.
    enum Fault { ReadOnlyFolder_, RoomFileIsAFolder, ReadOnlyFiles, FullDevice, LimitMidWrite, StickyFolder };
    struct Operation
    {
        const char *name;
        std::function<void()> run;
    };
    const std::vector<Operation> operations = {
        {"save", [this] { click(QStringLiteral("Command15")); }},
        {"terem3", [this] { trigger(QStringLiteral("terem3")); }},
        {"teljes", [this] { trigger(QStringLiteral("teljes")); }},
        {"ttorles", [this] { trigger(QStringLiteral("ttorles")); }},
        {"utolso",
         [this] {
             platform->textAnswers = {QStringLiteral("3")};
             trigger(QStringLiteral("utolso"));
         }},
    };
    const QStringList files = {QStringLiteral("rszamok3.txt"), QStringLiteral("rszamok.txt"), QStringLiteral("terem.txt")};
    for (const Fault fault : {ReadOnlyFolder_, RoomFileIsAFolder, ReadOnlyFiles, FullDevice, LimitMidWrite, StickyFolder}) {
        for (const Operation &operation : operations) {
            // The full delete writes nothing but the room number, which fits
            // below the limit: it rightly succeeds there.
            if (fault == LimitMidWrite && operation.name == std::string("ttorles"))
                continue;
            SCOPED_TRACE(testing::Message() << "fault " << fault << ", " << operation.name);
            m_dir = makeProgramFolder();
            recreateWindow();
            if (fault == RoomFileIsAFolder)
                ASSERT_TRUE(QDir(folder()).mkdir(files[0]));
            else
                put(files[0], "10\r\n11\r\n12\r\n13\r\n");
            put(files[1], "9\r\n");
            put(files[2], "1\r\n");
            QList<QByteArray> before;
            for (const QString &name : files)
                before << bytes(name);
            enter({5, 17, 22, 31});
            setRoomBox(QStringLiteral("3"));
            {
                std::unique_ptr<ReadOnlyFolder> readOnly;
                std::unique_ptr<AsNobody> nobody;
                std::unique_ptr<FileSizeLimit> limit;
                if (fault == ReadOnlyFolder_) {
                    readOnly = std::make_unique<ReadOnlyFolder>(folder());
                    if (!readOnly->active())
                        GTEST_SKIP() << "this file system does not refuse writes";
                } else if (fault == ReadOnlyFiles) {
                    ::chmod(QFile::encodeName(folder()).constData(), 0777);
                    for (const QString &name : files)
                        ::chmod(QFile::encodeName(file(name)).constData(), 0444);
                    nobody = std::make_unique<AsNobody>();
                } else if (fault == StickyFolder) {
                    if (::geteuid() != 0)
                        continue; // only the superuser can hand files to two users
                    ::chmod(QFile::encodeName(folder()).constData(), 01777);
                    const uid_t other = nobodyId();
                    for (const QString &name : files) {
                        ::chmod(QFile::encodeName(file(name)).constData(), 0666);
                        if (name != files[2] && ::chown(QFile::encodeName(file(name)).constData(), other, other) != 0)
                            FAIL() << "cannot hand " << name.toStdString() << " over";
                    }
                    nobody = std::make_unique<AsNobody>();
                } else if (fault == FullDevice || fault == LimitMidWrite) {
                    limit = std::make_unique<FileSizeLimit>(fault == FullDevice ? 0 : 10);
                }
                operation.run();
            }
            ASSERT_FALSE(platform->messages.empty());
            EXPECT_EQ(platform->messages.back().icon, Platform::Icon::Critical);
            if (fault == RoomFileIsAFolder) { // the file that failed is the one named
                EXPECT_TRUE(platform->messages.back().text.contains(QStringLiteral("rszamok3.txt")));
            }
            EXPECT_TRUE(platform->started.empty());
            EXPECT_EQ(platform->exits, 0);
            for (int i = 0; i < files.size(); ++i)
                EXPECT_EQ(bytes(files[i]), before[i]) << files[i].toStdString();
            EXPECT_EQ(roomBox(), QStringLiteral("3"));
            EXPECT_TRUE(exitAsks());
            // Nothing waits to be finished behind the player's back.
            EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral(".vintaro-journal"))));
        }
    }
}

// A damaged journal: start-up says what it is and offers to set it aside;
// one found later stops a save with the same words, never "nem írható".
TEST_F(FaultsTest, ADamagedJournalIsNamedAndCanBeSetAside)
{
    const QByteArray damaged = "vintaro room operation 2\noperation restore 3\nreplace /etc/passwd\n"
                               "with .rszamok.txt.vintaro-new\nend\n";
    put(QStringLiteral(".vintaro-journal"), damaged);
    recreateWindow();
    ASSERT_EQ(platform->questions.size(), 1u);
    const QString asked = platform->questions[0];
    EXPECT_TRUE(asked.contains(QString::fromUtf8("naplója sérült"))) << asked.toStdString();
    EXPECT_TRUE(asked.contains(file(QStringLiteral(".vintaro-journal"))));
    EXPECT_TRUE(asked.contains(QStringLiteral(".vintaro-journal.damaged")));
    EXPECT_EQ(bytes(QStringLiteral(".vintaro-journal.damaged")), damaged);
    EXPECT_EQ(bytes(QStringLiteral(".vintaro-journal")), QByteArray("<missing>"));
    enter({5});
    setRoomBox(QStringLiteral("3"));
    click(QStringLiteral("Command15"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), QByteArray(" 5\r\n"));

    put(QStringLiteral(".vintaro-journal"), damaged);
    enter({6});
    click(QStringLiteral("Command15"));
    ASSERT_FALSE(platform->messages.empty());
    const QString said = platform->messages.back().text;
    EXPECT_TRUE(said.contains(QString::fromUtf8("naplója sérült"))) << said.toStdString();
    EXPECT_TRUE(said.contains(file(QStringLiteral(".vintaro-journal"))));
    EXPECT_FALSE(said.contains(QString::fromUtf8("nem írható")));
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), QByteArray(" 5\r\n"));
    EXPECT_TRUE(exitAsks());
}

TEST_F(FaultsTest, SavingAfterANarrowingKeepsTheRoomsEarlierSpins)
{
    put(QStringLiteral("rszamok2.txt"), tenSpins());
    setRoomBox(QStringLiteral("2"));
    platform->textAnswers = {QStringLiteral("3,5")}; // a decimal comma reads as a point
    trigger(QStringLiteral("utolso"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray("8\r\n9\r\n10\r\n"));

    recreateWindow();
    trigger(QStringLiteral("indit"));
    enter({11});
    click(QStringLiteral("Command15"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok2.txt")), tenSpins() + "11\r\n");
    EXPECT_TRUE(platform->questions.empty());

    // Spins taken back stay taken back, the earlier ones stay in front.
    click(QStringLiteral("Command1"));
    click(QStringLiteral("Command1"));
    click(QStringLiteral("Command15"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok2.txt")), " 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n 8\r\n 9\r\n");

    // Another room gets the history as it stands.
    setRoomBox(QStringLiteral("5"));
    click(QStringLiteral("Command15"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok5.txt")), QByteArray(" 8\r\n 9\r\n"));
    EXPECT_TRUE(platform->questions.empty());
}

TEST_F(FaultsTest, SavingOverSpinsTheHistoryNeverHeldAsksFirst)
{
    // The working list is older than the room's saved list: saving would
    // drop the spins saved since.
    put(QStringLiteral("rszamok3.txt"), " 5\r\n17\r\n 0\r\n");
    put(QStringLiteral("rszamok.txt"), " 5\r\n");
    put(QStringLiteral("terem.txt"), "3\r\n");
    trigger(QStringLiteral("indit"));
    enter({9});
    platform->confirmAnswers = {false};
    click(QStringLiteral("Command15"));
    ASSERT_EQ(platform->questions.size(), 1u);
    EXPECT_TRUE(platform->questions[0].contains(QStringLiteral("3."))) << platform->questions[0].toStdString();
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), QByteArray(" 5\r\n17\r\n 0\r\n"));
    EXPECT_TRUE(exitAsks());

    click(QStringLiteral("Command15")); // OK: the player said so
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), QByteArray(" 5\r\n 9\r\n"));
    EXPECT_FALSE(exitAsks());
}

TEST_F(FaultsTest, ARestartThatCannotStartKeepsTheProgramRunning)
{
    put(QStringLiteral("rszamok3.txt"), " 5\r\n");
    setRoomBox(QStringLiteral("7"));
    platform->startSucceeds = false;
    trigger(QStringLiteral("terem3"));
    ASSERT_EQ(platform->messages.size(), 2u);
    EXPECT_EQ(platform->messages[0].text, QString::fromUtf8("A program leáll, majd újraindul !"));
    EXPECT_TRUE(platform->messages[1].text.contains(QStringLiteral("vintaro2011")));
    EXPECT_EQ(platform->messages[1].icon, Platform::Icon::Critical);
    EXPECT_EQ(platform->exits, 0);
    EXPECT_EQ(roomBox(), QStringLiteral("7")); // the spins shown stay filed under their room
}

// Each room remembers what its saved list ends with: a save to another room
// in between does not make the Start room forget its earlier spins.
TEST_F(FaultsTest, ASaveToAnotherRoomKeepsTheStartRoomsEarlierSpins)
{
    put(QStringLiteral("rszamok3.txt"), " 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n 8\r\n 9\r\n10\r\n");
    setRoomBox(QStringLiteral("3"));
    platform->textAnswers = {QStringLiteral("4")};
    trigger(QStringLiteral("utolso"));
    ASSERT_EQ(platform->exits, 1);
    ASSERT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray("7\r\n8\r\n9\r\n10\r\n"));

    recreateWindow();
    trigger(QStringLiteral("indit"));
    enter({11});
    setRoomBox(QStringLiteral("5"));
    click(QStringLiteral("Command15"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok5.txt")), QByteArray(" 7\r\n 8\r\n 9\r\n10\r\n11\r\n"));

    setRoomBox(QStringLiteral("3"));
    click(QStringLiteral("Command15"));
    EXPECT_TRUE(platform->questions.empty()) << platform->questions.front().toStdString();
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")),
              QByteArray(" 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n 8\r\n 9\r\n10\r\n11\r\n"));
}

// A program folder that holds the player's lists but cannot be written stays
// their folder: the lists are read there, start-up says once that it cannot
// be written, and so does every failed save.
TEST_F(FaultsTest, AReadOnlyProgramFolderIsReadAndSaysItCannotBeWritten)
{
    put(QStringLiteral("rszamok.txt"), " 5\r\n17\r\n");
    put(QStringLiteral("terem.txt"), "3\r\n");
    const QString notWritable = QString::fromUtf8("mappája nem írható");
    {
        ReadOnlyFolder readOnly(folder());
        if (!readOnly.active())
            GTEST_SKIP() << "this file system does not refuse writes";
        recreateWindow();
        ASSERT_EQ(platform->messages.size(), 1u);
        EXPECT_TRUE(platform->messages[0].text.contains(notWritable)) << platform->messages[0].text.toStdString();
        EXPECT_TRUE(platform->messages[0].text.contains(folder()));
        trigger(QStringLiteral("indit"));
        EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral(" 2"));
        EXPECT_EQ(roomBox(), QStringLiteral("3"));
        EXPECT_EQ(platform->messages.size(), 1u); // said once
        enter({9});
        for (int save = 0; save < 2; ++save) {
            click(QStringLiteral("Command15"));
            ASSERT_EQ(platform->messages.size(), 2u + size_t(save));
            EXPECT_TRUE(platform->messages.back().text.contains(notWritable));
        }
        EXPECT_TRUE(exitAsks());
    }
    EXPECT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray(" 5\r\n17\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), QByteArray("<missing>"));
}

// A room operation that a crash cut short is finished when the program
// starts again, before anything is shown.
TEST_F(FaultsTest, StartUpFinishesARoomSwitchACrashCutShort)
{
    put(QStringLiteral("rszamok.txt"), " 5\r\n");
    put(QStringLiteral("terem.txt"), "3\r\n");
    put(QStringLiteral(".rszamok.txt.vintaro-new"), " 1\r\n 2\r\n");
    put(QStringLiteral(".vintaro-journal"),
        "vintaro room operation 1\noperation restore 3\nreplace rszamok.txt\nwith .rszamok.txt.vintaro-new\nreplace terem.txt\nwith .terem.txt.vintaro-new\nend\n");
    recreateWindow();
    EXPECT_TRUE(platform->messages.empty());
    trigger(QStringLiteral("indit"));
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral(" 2"));
    EXPECT_EQ(roomBox(), QStringLiteral("3"));
    EXPECT_EQ(QDir(folder()).entryList({QStringLiteral(".vintaro*"), QStringLiteral(".*.vintaro-new")},
                                       QDir::Files | QDir::Hidden),
              QStringList());
}

// A failed room operation leaves the room number file as it found it, byte
// for byte.
TEST_F(FaultsTest, AFailedRoomSwitchLeavesTheRoomNumberFileByteForByte)
{
    put(QStringLiteral("terem.txt"), "\xEF\xBB\xBF" "3\n");
    put(QStringLiteral("rszamok5.txt"), " 5\r\n");
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("rszamok.txt")));
    trigger(QStringLiteral("terem5"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->exits, 0);
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("\xEF\xBB\xBF" "3\n"));
}

} // namespace
} // namespace vintaro::test
