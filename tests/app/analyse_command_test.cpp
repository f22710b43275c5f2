// vintaro2011 --analyse FILE, run as a user runs it from a shell, on a
// machine without any display.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/support/process.h"

namespace {

using vintaro::test::Finished;
using vintaro::test::run;

TEST(AnalyseCommand, PrintsTheReportOfAFileWithJunkAndFailsOnAMissingOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("spins.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray content;
    for (int i = 0; i < 370; ++i)
        content += QByteArray::number(i % 37) + (i % 5 ? "\r\n" : ", ");
    content.insert(0, "\xEF\xBB\xBF" "17\r\nx1\r\n");
    content += "37;\xE9v\r\n";
    file.write(content);
    file.close();

    const Finished ok = run({QStringLiteral("--analyse"), path});
    EXPECT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    for (const char *expected : {"Pörgetések: 371", "3 elem nem 0 és 36 közötti szám", "a 2. sorban: \"x1\"",
                                 "A 37 szám", "χ² = 0,", "nincs jele torzításnak", "Legforróbb 9-es ív",
                                 "Voisins du zéro", "Várható leghosszabb", "Minden pörgetés független"})
        EXPECT_TRUE(ok.out.contains(QString::fromUtf8(expected))) << expected << "\n" << ok.out.toStdString();
    EXPECT_TRUE(ok.err.isEmpty()) << ok.err.toStdString();

    const Finished missing = run({QStringLiteral("--analyse"), dir.filePath(QStringLiteral("nincs.txt"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains(QString::fromUtf8("nincs.txt fájl nem olvasható"))) << missing.err.toStdString();

    const Finished version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("vintaro "))) << version.out.toStdString();
}

} // namespace
