#include <QApplication>
#include <QCommandLineParser>

#include "app/commandline.h"
#include "widgets/appearance.h"
#include "mainwindow/form1.h"

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("vintaro2011"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VINTARO_VERSION));
    // Text alone (the analysis of a file, help, version): no window system.
    if (vintaro::wantsTextOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        return vintaro::runTextCommand();
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    vintaro::setUpCommandLine(parser);
    parser.process(app);
    vintaro::applyAppearance(app);
    vintaro::Form1 window(QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
