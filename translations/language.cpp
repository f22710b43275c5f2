#include "translations/language.h"

#include "core/textformat.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace vintaro {

namespace {

const QString kSettingsKey = QStringLiteral("language");
// The translators installLanguage() installs, so that the next one replaces them.
const QString kTranslatorName = QStringLiteral("vintaro-language");
Language g_installed = Language::Hungarian;

} // namespace

std::optional<Language> languageNamed(const QString &code)
{
    if (code == QLatin1String("hu"))
        return Language::Hungarian;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("hu");
}

QString languageArgument(const QStringList &arguments)
{
    // The parser reads -language as --language, and takes the value after a
    // blank or an equals sign; the last one given counts, as in the parser.
    QString value;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        for (const QLatin1String name : {QLatin1String("--language"), QLatin1String("-language")}) {
            if (argument == name && i + 1 < arguments.size())
                value = arguments[++i];
            else if (argument.startsWith(name + QLatin1Char('=')))
                value = argument.mid(name.size() + 1);
        }
    }
    return value;
}

Language rememberedLanguage(const QString &settingsFile)
{
    if (settingsFile.isEmpty())
        return Language::Hungarian;
    const QSettings settings(settingsFile, QSettings::IniFormat);
    return languageNamed(settings.value(kSettingsKey).toString()).value_or(Language::Hungarian);
}

bool rememberLanguage(const QString &settingsFile, Language language)
{
    if (settingsFile.isEmpty())
        return false;
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setValue(kSettingsKey, languageCode(language));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool installLanguage(QCoreApplication &app, Language language)
{
    if (language == Language::Hungarian) {
        // The language installed before goes (a translator removes itself
        // when it is deleted).
        qDeleteAll(app.findChildren<QTranslator *>(kTranslatorName, Qt::FindDirectChildrenOnly));
        // Qt's own dialogs and buttons speak Hungarian too, where Debian's Qt
        // translations are installed; without them they stay English.
        auto *qtTexts = new QTranslator(&app);
        qtTexts->setObjectName(kTranslatorName);
        if (qtTexts->load(QStringLiteral("qtbase_hu"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            app.installTranslator(qtTexts);
        else
            delete qtTexts;
        g_installed = language;
        setTextLanguage(TextLanguage::Hungarian);
        return true;
    }
    auto *translator = new QTranslator(&app);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(QStringLiteral(":/translations/vintaro_%1.qm").arg(languageCode(language))) ||
        !app.installTranslator(translator)) {
        delete translator;
        return false;
    }
    // Only now that the new one speaks does the one before go.
    for (QTranslator *before : app.findChildren<QTranslator *>(kTranslatorName, Qt::FindDirectChildrenOnly))
        if (before != translator)
            delete before;
    g_installed = language;
    setTextLanguage(TextLanguage::English);
    return true;
}

Language installedLanguage()
{
    return g_installed;
}

} // namespace vintaro
