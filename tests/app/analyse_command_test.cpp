// vintaro2011 --analyse FILE, run as a user runs it from a shell, on a
// machine without any display.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "persistence/csvexport.h"
#include "tests/support/englishtexts.h"
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
    // Exported in English, with semicolons: read by its "Number" column, in either language.
    const QString english = dir.filePath(QStringLiteral("english.csv"));
    {
        const vintaro::test::EnglishTexts inEnglish;
        ASSERT_TRUE(inEnglish.installed());
        ASSERT_TRUE(vintaro::writeWholeFile(
            english, vintaro::historyCsv(std::vector<std::int16_t>{5, 17, 0, 36, 12, 5, 5, 9, 33, 1, 2},
                                         vintaro::CsvStyle::hungarianSpreadsheet())));
    }
    for (const QString &language : {QStringLiteral("hu"), QStringLiteral("en")}) {
        const Finished read = run({QStringLiteral("--language"), language, QStringLiteral("--analyse"), english});
        EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
        EXPECT_TRUE(contains(read, "CSV")) << read.out.toStdString();
        EXPECT_TRUE(contains(read, "11")) << read.out.toStdString();
        EXPECT_FALSE(contains(read, "Spin;")) << read.out.toStdString();
    }
    EXPECT_TRUE(contains(run({QStringLiteral("--analyse"), english}), "Pörgetések: 11"));

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

    // --help: the option's own text in English (the help wraps every
    // description to fit 80 columns, so the languages differ in lines).
    const Finished help = run({QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--language hu|en  ") + hungarianLine)) << help.out.toStdString();
    const Finished english = run({QStringLiteral("--language"), QStringLiteral("en"), QStringLiteral("--help")});
    EXPECT_EQ(english.exitCode, 0);
    EXPECT_TRUE(english.out.contains(QStringLiteral("--language hu|en  ") + englishLine)) << english.out.toStdString();
    EXPECT_FALSE(english.out.contains(hungarianLine));
    for (const QString &line : english.out.split(QLatin1Char('\n')))
        EXPECT_LE(line.size(), 80) << line.toStdString();

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
        // English ends the same way, in other words.
        const Finished inEnglish = run(QStringList{QStringLiteral("--language=en")} + line);
        EXPECT_EQ(inEnglish.exitCode, plain.exitCode) << line.join(' ').toStdString();
        EXPECT_EQ(inEnglish.out.isEmpty(), plain.out.isEmpty()) << line.join(' ').toStdString();
        if (!plain.out.isEmpty()) {
            EXPECT_NE(inEnglish.out, plain.out) << line.join(' ').toStdString();
        }
    }

    // The command line's own words in English: --help's, every wrong
    // command line's and the analysis's errors.
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const struct
    {
        QStringList line;
        int exitCode;
        QString said; // on stdout or stderr
    } inEnglish[] = {
        {{"--help"}, 0, "Usage: vintaro2011 [OPTIONS]"},
        {{"--help"}, 0, "  2  a wrong command line, a file of --analyse or --history that cannot be\n"},
        {{"--bogus"}, 2, "vintaro2011: Unknown option: bogus\nHelp: vintaro2011 --help\n"},
        {{"--analyse"}, 2, "vintaro2011: --analyse needs a value.\n"},
        {{"--version=1"}, 2, "vintaro2011: --version takes no value.\n"},
        {{"--data-dir="}, 2, "vintaro2011: --data-dir needs the name of a folder.\n"},
        {{"--analyse="}, 2, "vintaro2011: --analyse needs the name of a file (- for standard input).\n"},
        {{"stray"}, 2, "vintaro2011: Unknown argument: stray\n"},
        {{"--analyse", missing}, 2, "vintaro2011: the file " + missing + " cannot be read: no such file or folder\n"},
        {{"--analyse", dir.path()}, 2, "cannot be read: it is a folder, not a file\n"},
        {{"--analyse", "-"}, 0, "(standard input)"},
    };
    for (const auto &c : inEnglish) {
        const Finished f = run(QStringList{QStringLiteral("--language=en")} + c.line);
        EXPECT_EQ(f.exitCode, c.exitCode) << c.line.join(' ').toStdString();
        EXPECT_TRUE(f.out.contains(c.said) || f.err.contains(c.said))
            << c.line.join(' ').toStdString() << "\n" << f.out.toStdString() << f.err.toStdString();
        if (c.exitCode != 0) {
            EXPECT_FALSE(vintaro::test::hasHungarianLetter(f.err)) << f.err.toStdString();
        }
    }

    // --analyse in English: the same lines, not a Hungarian letter left but
    // in the French sector names; the numbers English too.
    const Finished analysed = run({QStringLiteral("--analyse"), path});
    const Finished analysedInEnglish = run({QStringLiteral("--language=en"), QStringLiteral("--analyse"), path});
    EXPECT_EQ(analysedInEnglish.exitCode, 0);
    EXPECT_EQ(analysedInEnglish.out.count(QLatin1Char('\n')), analysed.out.count(QLatin1Char('\n')));
    for (const char *expected : {"Spins: 5\n", "Verdict: no bias detectable; the evidence is ", "Hottest arc of 9 (",
                                 "Red / black / zero", "Low (1-18)", "Chance of this absence now", "once in", "32,736"})
        EXPECT_TRUE(analysedInEnglish.out.contains(QLatin1String(expected), Qt::CaseInsensitive))
            << expected << "\n" << analysedInEnglish.out.toStdString();
    EXPECT_FALSE(QString(analysedInEnglish.out).remove(QString::fromUtf8("zéro"))
                     .contains(QRegularExpression(QString::fromUtf8("[áéíóöőúüűÁÉÍÓÖŐÚÜŰ]"))))
        << analysedInEnglish.out.toStdString();

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
