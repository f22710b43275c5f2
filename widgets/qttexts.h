#pragma once
// Qt's own texts (file dialogs, standard buttons, context menus) in
// Hungarian, like the program's: Qt's translations from the Debian package
// qt6-translations-l10n.
class QCoreApplication;
class QString;

namespace vintaro {

// Installs the Hungarian translation of Qt's own texts from `folder` (by
// default Qt's translations folder); false when it is not there, and Qt's
// texts stay English.
bool installQtHungarian(QCoreApplication &app);
bool installQtHungarian(QCoreApplication &app, const QString &folder);

} // namespace vintaro
