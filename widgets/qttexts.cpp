#include "widgets/qttexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vintaro {

bool installQtHungarian(QCoreApplication &app)
{
    return installQtHungarian(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool installQtHungarian(QCoreApplication &app, const QString &folder)
{
    // The program speaks Hungarian whatever the desktop's language, and so do
    // the dialogs Qt draws for it. qtbase_hu holds the widgets' texts.
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Hungarian, QLocale::Hungary), QStringLiteral("qtbase"),
                          QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    return app.installTranslator(translator);
}

} // namespace vintaro
