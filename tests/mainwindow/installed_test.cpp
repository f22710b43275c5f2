// Form1 installed: the data files come from the share folder, the spin lists
// live in the user's folder, and nothing is written beside the data.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "tests/support/files.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class InstalledTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        share = makeProgramFolder();
        ASSERT_TRUE(home.isValid());
        dataBefore = QDir(share->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        auto fake = std::make_unique<FakePlatform>();
        platform = fake.get();
        const QString lists = home.filePath(QStringLiteral(".local/share/vintaro"));
        folders = Folders{share->path(), lists, QStringLiteral("/usr/bin/vintaro2011"), {}};
        ASSERT_TRUE(prepareListFolder(folders));
        window = std::make_unique<Form1>(folders, std::move(fake));
        window->show();
    }
    QAbstractButton *button(const char *name) const { return window->findChild<QAbstractButton *>(QLatin1String(name)); }
    QStringList dataNow() const
    {
        return QDir(share->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    std::unique_ptr<QTemporaryDir> share;
    QTemporaryDir home;
    QStringList dataBefore;
    Folders folders;
    FakePlatform *platform = nullptr;
    std::unique_ptr<Form1> window;
};

TEST_F(InstalledTest, ThePicturesAndGroupFilesComeFromTheShareFolder)
{
    EXPECT_EQ(window->listFolder(), folders.lists);
    EXPECT_FALSE(button("Command3D1(1)")->icon().isNull()); // piros.bmp
    button("Command3D1(5)")->click();
    button("Command5")->click(); // pairs, from parok.txt
    EXPECT_FALSE(listLines(window->findChild<QAbstractItemView *>(QStringLiteral("List2"))).isEmpty());
    EXPECT_EQ(dataNow(), dataBefore);
}

// Needs the room files to ask Form1::listFolder(); enable with that change.
TEST_F(InstalledTest, SavingWritesTheRoomIntoTheUsersFolderOnly)
{
    for (int n : {5, 17, 0})
        button(QStringLiteral("Command3D1(%1)").arg(n).toLatin1().constData())->click();
    window->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("3"));
    button("Command15")->click();
    EXPECT_EQ(bytesOf(folders.lists + QStringLiteral("/rszamok3.txt")), QByteArray(" 5\r\n17\r\n 0\r\n"));
    EXPECT_EQ(bytesOf(folders.lists + QStringLiteral("/terem.txt")), QByteArray("3\r\n"));
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_EQ(dataNow(), dataBefore);
}

} // namespace
} // namespace vintaro::test
