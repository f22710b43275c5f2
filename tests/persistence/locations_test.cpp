// Where the files live: portable beside the executable, or installed with
// the data under <prefix>/share/vintaro and the lists in the user's folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "persistence/locations.h"
#include "tests/support/readonlyfolder.h"

namespace vintaro {
namespace {

class Locations : public ::testing::Test
{
protected:
    // <tmp>/prefix/bin/vintaro2011, and the user's folder <tmp>/home/vintaro.
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(bin()));
        ASSERT_TRUE(QDir().mkpath(share()));
    }
    QString bin() const { return dir.filePath(QStringLiteral("prefix/bin")); }
    QString share() const { return dir.filePath(QStringLiteral("prefix/share/vintaro")); }
    QString executable() const { return bin() + QStringLiteral("/vintaro2011"); }
    QString user() const { return dir.filePath(QStringLiteral("home/vintaro")); }
    void putData(const QString &folder, const QString &name) const
    {
        QFile f(folder + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir;
};

TEST_F(Locations, TheExecutableFolderDecidesTheMode)
{
    const Folders installed{share(), user(), executable(), {}};
    const Folders portable{bin(), bin(), executable(), {}};

    // Only the data files in share/: installed, though bin/ can be written.
    for (const QString &name : dataFileNames())
        putData(share(), name);
    EXPECT_EQ(decideFolders(executable(), user()), installed);

    // Any data file beside the executable makes it a program folder.
    for (const QString &name : {QStringLiteral("parok.txt"), QStringLiteral("Vintaro.doc")}) {
        putData(bin(), name);
        EXPECT_EQ(decideFolders(executable(), user()), portable) << name.toStdString();
        QFile::remove(bin() + QLatin1Char('/') + name);
    }
    // The player's spin lists alone keep the lists there; the data files
    // then come from share/.
    for (const QString &name : {QStringLiteral("rszamok.txt"), QStringLiteral("terem.txt"), QStringLiteral("rszamok7.txt")}) {
        putData(bin(), name);
        EXPECT_EQ(decideFolders(executable(), user()), (Folders{share(), bin(), executable(), {}})) << name.toStdString();
        QFile::remove(bin() + QLatin1Char('/') + name);
    }
    putData(bin(), QStringLiteral("notes.txt"));
    EXPECT_EQ(decideFolders(executable(), user()), installed);

    // A path with ".." in it comes out clean.
    putData(bin(), QStringLiteral("piros.bmp"));
    EXPECT_EQ(decideFolders(bin() + QStringLiteral("/../bin/vintaro2011"), user()), portable);
}

TEST_F(Locations, AProgramFolderThatCannotBeWrittenStaysThePlayersFolder)
{
    for (const QString &name : dataFileNames())
        putData(bin(), name);
    putData(bin(), QStringLiteral("rszamok3.txt"));
    const test::ReadOnlyFolder readOnly(bin());
    if (!readOnly.active())
        GTEST_SKIP() << "this file system ignores permissions";
    EXPECT_FALSE(folderWritable(bin()));
    EXPECT_EQ(decideFolders(executable(), user()), (Folders{bin(), bin(), executable(), {}}));
}

TEST_F(Locations, ARelativeXdgDataHomeIsIgnored)
{
    EXPECT_EQ(userDataFolder("/data/home", QStringLiteral("/home/p")), QStringLiteral("/data/home/vintaro"));
    for (const QByteArray &ignored : {QByteArray(), QByteArray("relative/share"), QByteArray("./x")})
        EXPECT_EQ(userDataFolder(ignored, QStringLiteral("/home/p")), QStringLiteral("/home/p/.local/share/vintaro"))
            << ignored.constData();
}

TEST_F(Locations, DataDirReplacesTheListsFolderInBothModesAndTheRestartKeepsIt)
{
    const QString chosen = dir.filePath(QStringLiteral("lists/../mine"));
    const QString clean = dir.filePath(QStringLiteral("mine"));
    const QStringList again{QStringLiteral("--data-dir"), clean};

    EXPECT_EQ(decideFolders(executable(), user(), chosen), (Folders{share(), clean, executable(), again}));
    putData(bin(), QStringLiteral("XX.BMP"));
    EXPECT_EQ(decideFolders(executable(), user(), chosen), (Folders{bin(), clean, executable(), again}));
}

TEST_F(Locations, TheListsFolderIsCreatedOnFirstUse)
{
    const Folders folders = decideFolders(executable(), user() + QStringLiteral("/deeper"));
    EXPECT_FALSE(QDir(folders.lists).exists());
    EXPECT_TRUE(prepareListFolder(folders));
    EXPECT_TRUE(folderWritable(folders.lists));
    EXPECT_TRUE(prepareListFolder(folders)); // already there

    putData(dir.path(), QStringLiteral("afile"));
    EXPECT_FALSE(prepareListFolder(Folders{share(), dir.filePath(QStringLiteral("afile/sub")), executable(), {}}));
}

} // namespace
} // namespace vintaro
