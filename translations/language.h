#pragma once
// The language of the program's texts. Hungarian is the source language of
// every text and the default whatever the desktop's language; English comes
// from translations/vintaro_en.ts, built into the program. The player
// chooses with --language hu|en or from the menu, which vintaro.ini keeps.
#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

namespace vintaro {

enum class Language { Hungarian, English };

// "hu" and "en" (as --language and vintaro.ini write them); nothing for any
// other text.
std::optional<Language> languageNamed(const QString &code);
QString languageCode(Language language);

// The value given to --language in `arguments` (argv's, the program name
// first), as written; empty when the option is absent. Read before the
// command line itself, so that its own texts can follow the language.
QString languageArgument(const QStringList &arguments);

// The language that vintaro.ini remembers (Hungarian when it names none or
// there is no usable file: an empty `settingsFile`), and remembering one;
// false when the file cannot take it.
Language rememberedLanguage(const QString &settingsFile);
bool rememberLanguage(const QString &settingsFile, Language language);

// Makes `app` translate the program's texts into `language`; Hungarian needs
// nothing. False when the translation cannot be loaded (the texts stay
// Hungarian).
bool installLanguage(QCoreApplication &app, Language language);
// The language installed last (Hungarian before any).
Language installedLanguage();

} // namespace vintaro
