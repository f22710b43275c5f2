#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <optional>

#include "app/commandline.h"
#include "mainwindow/form1.h"
#include "persistence/folderlock.h"
#include "persistence/locations.h"
#include "translations/language.h"
#include "widgets/platform.h"
#include "widgets/appearance.h"
#include "widgets/qttexts.h"

int main(int argc, char *argv[])
{
    // A file-size limit makes a write fail (and the program say so) instead
    // of ending the program with its unsaved spins.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setApplicationName(QStringLiteral("vintaro"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VINTARO_VERSION));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Texts in English need an application object to be translated before
    // the window's exists; Hungarian ones are the sources themselves.
    std::optional<QCoreApplication> translating;
    if (const auto chosen = vintaro::languageNamed(vintaro::languageArgument(arguments));
        chosen && *chosen != vintaro::Language::Hungarian) {
        translating.emplace(argc, argv);
        std::setlocale(LC_ALL, "C"); // numbers print as they do without the option
        vintaro::installLanguage(*translating, *chosen);
    }
    const vintaro::CommandLine line = vintaro::parseCommandLine(arguments);
    if (line.action == vintaro::CommandLine::Action::Exit) {
        std::fputs(line.out.toLocal8Bit().constData(), stdout);
        std::fputs(line.error.toLocal8Bit().constData(), stderr);
        return line.exitCode;
    }
    if (!line.analyse.isEmpty())
        return vintaro::runAnalyse(line.analyse);
    if (line.simulate.wanted)
        return vintaro::runSimulate(line.simulate);
    if (line.ledger.wanted) {
        if (!translating)
            translating.emplace(argc, argv);
        return vintaro::runLedger(line.ledger,
                                  vintaro::decideFolders(QCoreApplication::applicationFilePath(),
                                                         vintaro::userDataFolder(qgetenv("XDG_DATA_HOME"), QDir::homePath()),
                                                         line.dataDir)
                                      .lists);
    }
    if (line.import.wanted) {
        if (!translating)
            translating.emplace(argc, argv); // for the folders, which it asks of the application
        return vintaro::runImport(line.import, line.dataDir);
    }

    translating.reset();
    QApplication app(argc, argv);
    // The desktop entry's name and the packaged icon tie every window to its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vintaro.Vintaro"));
    QIcon icon;
    for (const char *size : {"48", "128", "256"})
        icon.addFile(QStringLiteral(":/app/icons/%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);
    vintaro::applyAppearance(app);
    vintaro::Folders folders = vintaro::decideFolders(
        QCoreApplication::applicationFilePath(),
        vintaro::userDataFolder(qgetenv("XDG_DATA_HOME"), QDir::homePath()), line.dataDir);
    vintaro::prepareListFolder(folders);
    // The language: --language, else the one vintaro.ini remembers, else
    // Hungarian; Qt's own dialogs follow (its English is built in).
    const vintaro::Language language =
        line.language.isEmpty()
            ? vintaro::rememberedLanguage(vintaro::usableSettingsFile(vintaro::settingsFile(
                  folders, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))))
            : *vintaro::languageNamed(line.language);
    if (language == vintaro::Language::Hungarian)
        vintaro::installQtHungarian(app);
    else
        vintaro::installLanguage(app, language);
    if (!line.language.isEmpty()) // a restart keeps the option, as it keeps --data-dir
        folders.restartArguments << QStringLiteral("--language") << line.language;
    // One program per lists folder; a restart waits for the program it replaces.
    const bool restarted = qEnvironmentVariableIsSet(vintaro::kRestartVariable);
    qunsetenv(vintaro::kRestartVariable);
    vintaro::FolderLock lock(folders.lists);
    const QString lists = QDir::toNativeSeparators(folders.lists);
    const auto refuse = [](const QString &text) {
        std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
        vintaro::DesktopPlatform().message(nullptr, text, vintaro::Platform::Icon::Critical);
        return 1;
    };
    switch (lock.acquire(restarted ? vintaro::kRestartLockWaitMs : 0)) {
    case vintaro::FolderLock::Result::Locked:
    case vintaro::FolderLock::Result::NotWritable: // Form1 says that nothing can be saved there
        break;
    case vintaro::FolderLock::Result::InUse:
        return refuse(QCoreApplication::translate("main", "A pörgetési listák mappáját már egy másik futó Vintaro "
                                                          "használja:\n%1\nEgy mappát egyszerre csak egy program "
                                                          "használhat.")
                          .arg(lists));
    case vintaro::FolderLock::Result::OtherMachine:
        if (!vintaro::DesktopPlatform().confirm(
                nullptr, QCoreApplication::translate("main", "A pörgetési listák mappáját (%1) egy másik gép (%2) "
                                                             "Vintarója zárolta. Ha ott már nem fut, a mappa "
                                                             "átvehető; ha fut, a két program felülírná egymás "
                                                             "pörgetéseit.\nÁtveszi a mappát ?")
                             .arg(lists, lock.otherMachine())))
            return 1;
        lock.takeOver();
        break;
    case vintaro::FolderLock::Result::Blocked:
        return refuse(QCoreApplication::translate("main", "A pörgetési listák mappájában a zárfájl helyén valami "
                                                          "más áll, ami nem távolítható el:\n%1\nTávolítsa el, "
                                                          "és indítsa újra a programot.")
                          .arg(QDir::toNativeSeparators(lock.path())));
    }
    vintaro::Form1 window(folders);
    window.show();
    return app.exec();
}
