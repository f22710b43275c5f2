#include <QApplication>

#include <csignal>

#include "widgets/appearance.h"
#include "mainwindow/form1.h"

int main(int argc, char *argv[])
{
    // A file-size limit makes a write fail (and the program say so) instead
    // of ending the program with its unsaved spins.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    vintaro::applyAppearance(app);
    vintaro::Form1 window(QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
