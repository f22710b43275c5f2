#include <QApplication>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>

#include "app/commandline.h"
#include "mainwindow/form1.h"
#include "persistence/locations.h"
#include "widgets/appearance.h"

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

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vintaro.Vintaro"));
    vintaro::applyAppearance(app);
    const vintaro::Folders folders =
        vintaro::decideFolders(QCoreApplication::applicationFilePath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), line.dataDir);
    vintaro::prepareListFolder(folders);
    vintaro::Form1 window(folders);
    window.show();
    return app.exec();
}
