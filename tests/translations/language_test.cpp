// The language choice: --language read before the command line, and the one
// vintaro.ini remembers.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <QTranslator>

#include "core/textformat.h"
#include "translations/language.h"

namespace vintaro {
namespace {

TEST(Language, TheOptionIsFoundAsTheParserReadsItAndOnlyHuAndEnAreLanguages)
{
    const struct {
        QStringList arguments;
        QString value;
    } cases[] = {
        {{"vintaro2011"}, ""},
        {{"vintaro2011", "--help"}, ""},
        {{"vintaro2011", "--language", "en", "--help"}, "en"},
        {{"vintaro2011", "--language=en"}, "en"},
        {{"vintaro2011", "-language", "hu"}, "hu"},
        {{"vintaro2011", "-language=en", "--language", "hu"}, "hu"}, // the last one counts
        {{"vintaro2011", "--language"}, ""},                         // no value: the parser says so
        {{"vintaro2011", "--data-dir", "x", "--", "--language", "en"}, ""},
        {{"--language=en"}, ""}, // the program's name is no option
        {{"vintaro2011", "--languages=en", "--lang", "en"}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(languageArgument(c.arguments), c.value) << c.arguments.join(' ').toStdString();

    EXPECT_EQ(languageNamed(QStringLiteral("hu")), Language::Hungarian);
    EXPECT_EQ(languageNamed(QStringLiteral("en")), Language::English);
    for (const char *other : {"", "EN", "de", "en ", "english", "magyar"})
        EXPECT_EQ(languageNamed(QString::fromUtf8(other)), std::nullopt) << other;
    for (const Language language : {Language::Hungarian, Language::English})
        EXPECT_EQ(languageNamed(languageCode(language)), language);
}

TEST(Language, VintaroIniRemembersTheChoiceBesideTheWindowPlaces)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("vintaro.ini"));
    EXPECT_EQ(rememberedLanguage(ini), Language::Hungarian); // no file yet
    EXPECT_EQ(rememberedLanguage(QString()), Language::Hungarian);
    EXPECT_FALSE(rememberLanguage(QString(), Language::English));

    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Kerek]\ngeometry=@ByteArray(x)\nopen=true\n");
    file.close();
    ASSERT_TRUE(rememberLanguage(ini, Language::English));
    EXPECT_EQ(rememberedLanguage(ini), Language::English);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    EXPECT_TRUE(written.contains("language=en")) << written.constData();
    EXPECT_TRUE(written.contains("[Kerek]")) << written.constData();
    ASSERT_TRUE(rememberLanguage(ini, Language::Hungarian));
    EXPECT_EQ(rememberedLanguage(ini), Language::Hungarian);

    // A language the program does not speak counts as none.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\nlanguage=de\n");
    file.close();
    EXPECT_EQ(rememberedLanguage(ini), Language::Hungarian);
}

TEST(Language, TheEnglishTranslationIsBuiltIn)
{
    int argc = 1;
    char name[] = "language_test";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    EXPECT_EQ(installedLanguage(), Language::Hungarian);
    const QString source = QString::fromUtf8("A mentés nem sikerült.");
    EXPECT_EQ(QCoreApplication::translate("vintaro::Form1", source.toUtf8().constData()), source);
    ASSERT_TRUE(installLanguage(app, Language::English));
    EXPECT_EQ(installedLanguage(), Language::English);
    EXPECT_EQ(QCoreApplication::translate("vintaro::Form1", source.toUtf8().constData()),
              QStringLiteral("Saving failed."));
    // Chosen again, and back to Hungarian: one translation at a time.
    ASSERT_TRUE(installLanguage(app, Language::English));
    EXPECT_EQ(app.findChildren<QTranslator *>().size(), 1);
    ASSERT_TRUE(installLanguage(app, Language::Hungarian));
    EXPECT_EQ(installedLanguage(), Language::Hungarian);
    EXPECT_EQ(QCoreApplication::translate("vintaro::Form1", source.toUtf8().constData()), source);
    EXPECT_EQ(formatDecimal(1.25, 2), "1,25");
}

} // namespace
} // namespace vintaro
