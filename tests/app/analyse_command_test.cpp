// vintaro2011 --analyse FILE, run as a user runs it from a shell, on a
// machine without any display.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "persistence/csvexport.h"
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
                                 "A 37 szám", "χ² = 0,", "torzítás nem mutatható ki", "Legforróbb 9-es ív",
                                 "Voisins du zéro", "Várható leghosszabb", "Minden pörgetés független"})
        EXPECT_TRUE(ok.out.contains(QString::fromUtf8(expected))) << expected << "\n" << ok.out.toStdString();
    EXPECT_TRUE(ok.err.isEmpty()) << ok.err.toStdString();

    const Finished missing = run({QStringLiteral("--analyse"), dir.filePath(QStringLiteral("nincs.txt"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains(QString::fromUtf8("nincs.txt fájl nem olvasható: nincs ilyen fájl vagy mappa")))
        << missing.err.toStdString();
    EXPECT_FALSE(missing.err.contains(QStringLiteral("No such"))) << missing.err.toStdString();

    const Finished version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    // The name the program is installed and started under.
    EXPECT_EQ(version.out, QStringLiteral("vintaro2011 1.0\n")) << version.out.toStdString();
}

TEST(AnalyseCommand, ReadsPipesStandardInputTheExportAndUtf16AndRefusesDevicesAndFolders)
{
    QTemporaryDir dir;
    auto contains = [](const Finished &f, const char *text) {
        return f.out.contains(QString::fromUtf8(text)) || f.err.contains(QString::fromUtf8(text));
    };

    const Finished empty = run({QStringLiteral("--analyse=")});
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_TRUE(empty.out.isEmpty());
    EXPECT_TRUE(contains(empty, "--analyse")) << empty.err.toStdString();

    const Finished standardInput = run({QStringLiteral("--analyse"), QStringLiteral("-")}, "5\n17\n0\n");
    EXPECT_EQ(standardInput.exitCode, 0) << standardInput.err.toStdString();
    EXPECT_TRUE(contains(standardInput, "Pörgetések: 3")) << standardInput.out.toStdString();
    EXPECT_TRUE(contains(standardInput, "szabványos bemenet")) << standardInput.out.toStdString();

    // A named pipe: the program waits for the writer and reads to its end.
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("cso")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const Finished piped = run({QStringLiteral("--analyse"), QString::fromLocal8Bit(fifo)}, {}, [&fifo] {
        const int fd = ::open(fifo.constData(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        for (int i = 0; i < 400; ++i) {
            const QByteArray line = QByteArray::number(i % 37) + "\r\n";
            ASSERT_EQ(::write(fd, line.constData(), size_t(line.size())), line.size());
        }
        ::close(fd);
    });
    EXPECT_EQ(piped.exitCode, 0) << piped.err.toStdString();
    EXPECT_TRUE(contains(piped, "Pörgetések: 400")) << piped.out.toStdString();

    // A device would never end, a folder holds no spins: refused at once.
    for (const QString &refused : {QStringLiteral("/dev/zero"), dir.path()}) {
        const Finished f = run({QStringLiteral("--analyse"), refused});
        EXPECT_EQ(f.exitCode, 2) << refused.toStdString();
        EXPECT_TRUE(f.out.isEmpty()) << refused.toStdString();
        EXPECT_TRUE(contains(f, "nem olvasható")) << f.err.toStdString();
    }
    EXPECT_TRUE(contains(run({QStringLiteral("--analyse"), QStringLiteral("/dev/zero")}), "eszköz"));
    EXPECT_TRUE(contains(run({QStringLiteral("--analyse"), dir.path()}), "mappa"));

    // The program's own export of ten spins: ten spins, not twenty.
    const QString tura = dir.filePath(QStringLiteral("tura.csv"));
    ASSERT_TRUE(vintaro::writeWholeFile(
        tura, vintaro::historyCsv(std::vector<std::int16_t>{5, 17, 0, 36, 12, 5, 5, 9, 33, 1})));
    const Finished exported = run({QStringLiteral("--analyse"), tura});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(contains(exported, "Pörgetések: 10")) << exported.out.toStdString();
    EXPECT_TRUE(contains(exported, "CSV-exportja")) << exported.out.toStdString();
    EXPECT_FALSE(contains(exported, "nem 0 és 36 közötti")) << exported.out.toStdString();

    // UTF-16 with its byte order mark, as some Windows editors save.
    const QString wide = dir.filePath(QStringLiteral("wide.txt"));
    QFile file(wide);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray utf16("\xFF\xFE", 2);
    for (int i = 0; i < 200; ++i)
        for (const char c : QByteArray::number(i % 37) + "\r\n")
            utf16 += QByteArray(1, c) + QByteArray(1, '\0');
    file.write(utf16);
    file.close();
    const Finished wideRun = run({QStringLiteral("--analyse"), wide});
    EXPECT_EQ(wideRun.exitCode, 0) << wideRun.err.toStdString();
    EXPECT_TRUE(contains(wideRun, "Pörgetések: 200")) << wideRun.out.toStdString();
    EXPECT_TRUE(contains(wideRun, "UTF-16")) << wideRun.out.toStdString();
}

} // namespace

TEST(LanguageOption, EnglishForWhatIsTranslatedHungarianByteForByteWithoutIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("spins.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2\r\n4\r\n3\r\n0\r\n17\r\n");
    file.close();
    const QString hungarianLine = QString::fromUtf8("A program nyelve: hu (magyar, ez az alapértelmezés) vagy en");
    const QString englishLine = QStringLiteral("The language of the program: hu (Hungarian, the default) or");

    // --help: the same lines, but the option's own text is English.
    const Finished help = run({QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--language hu|en  ") + hungarianLine)) << help.out.toStdString();
    const Finished english = run({QStringLiteral("--language"), QStringLiteral("en"), QStringLiteral("--help")});
    EXPECT_EQ(english.exitCode, 0);
    EXPECT_TRUE(english.out.contains(QStringLiteral("--language hu|en  ") + englishLine)) << english.out.toStdString();
    EXPECT_FALSE(english.out.contains(hungarianLine));
    EXPECT_EQ(english.out.count(QLatin1Char('\n')), help.out.count(QLatin1Char('\n')));

    // Hungarian, asked for or not, and every way of writing the option: the
    // same bytes; so are the texts not yet translated.
    const QList<QStringList> lines = {
        {QStringLiteral("--help")},
        {QStringLiteral("--analyse"), path},
        {QStringLiteral("--simulate"), QStringLiteral("paroli"), QStringLiteral("--sessions"), QStringLiteral("300"),
         QStringLiteral("--seed"), QStringLiteral("7")},
        {QStringLiteral("--data-dir")},
    };
    for (const QStringList &line : lines) {
        const Finished plain = run(line);
        for (const QStringList &option : QList<QStringList>{{QStringLiteral("--language"), QStringLiteral("hu")},
                                                            {QStringLiteral("--language=hu")},
                                                            {QStringLiteral("-language"), QStringLiteral("hu")}}) {
            const Finished chosen = run(option + line);
            EXPECT_EQ(chosen.exitCode, plain.exitCode) << line.join(' ').toStdString();
            EXPECT_EQ(chosen.out, plain.out) << line.join(' ').toStdString();
            EXPECT_EQ(chosen.err, plain.err) << line.join(' ').toStdString();
        }
        if (line.constFirst() != QLatin1String("--help")) {
            const Finished inEnglish = run(QStringList{QStringLiteral("--language=en")} + line);
            EXPECT_EQ(inEnglish.out, plain.out) << line.join(' ').toStdString();
            EXPECT_EQ(inEnglish.exitCode, plain.exitCode);
        }
    }

    // A language the program does not speak is a wrong command line.
    for (const char *wrong : {"de", "EN", ""}) {
        const Finished refused = run({QStringLiteral("--language"), QString::fromUtf8(wrong)});
        EXPECT_EQ(refused.exitCode, 2) << wrong;
        EXPECT_TRUE(refused.out.isEmpty());
        EXPECT_TRUE(refused.err.contains(QStringLiteral("--language"))) << refused.err.toStdString();
    }
    const Finished englishError = run({QStringLiteral("--language=en"), QStringLiteral("--language=de")});
    EXPECT_EQ(englishError.exitCode, 2);
}
