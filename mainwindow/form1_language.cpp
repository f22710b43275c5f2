// Form1: choosing the language of the program's texts (nyelv). The choice
// is said and asked in both languages, remembered in vintaro.ini, and takes
// effect when the program starts again; no spin list or room file changes.
#include "mainwindow/form1.h"

#include <QLineEdit>
#include <QStandardPaths>

#include "persistence/locations.h"
#include "translations/language.h"
#include "widgets/platform.h"

namespace vintaro {

void Form1::chooseLanguage()
{
    // The names of the languages in their own language, as a player who
    // reads only one of them looks for it.
    const QStringList names = {QStringLiteral("Magyar"), QStringLiteral("English")};
    const QList<Language> languages = {Language::Hungarian, Language::English};
    const int current = int(languages.indexOf(installedLanguage()));
    const int chosen = m_platform->choose(this, QStringLiteral("Nyelv / Language"),
                                          QStringLiteral("Nyelv / Language:"), names, current);
    if (chosen < 0 || chosen >= languages.size() || chosen == current || !leaveUnsaved())
        return;
    const Language language = languages[chosen];
    // The chosen language replaces one given on the command line; where
    // vintaro.ini cannot keep it, the restart passes it on itself.
    QStringList arguments = m_folders.restartArguments;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--language")); at >= 0)
        arguments.remove(at, qMin<qsizetype>(2, arguments.size() - at));
    const QString settings =
        usableSettingsFile(settingsFile(m_folders, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
    if (!rememberLanguage(settings, language))
        arguments << QStringLiteral("--language") << languageCode(language);
    m_folders.restartArguments = arguments;
    restart(QString::fromUtf8("A program leáll, majd újraindul a választott nyelven !\n"
                              "The program stops and starts again in the chosen language !"),
            m_text1->text());
}

} // namespace vintaro
