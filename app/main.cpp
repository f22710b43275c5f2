#include <QApplication>

#include "widgets/appearance.h"
#include "mainwindow/form1.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vintaro::applyAppearance(app);
    vintaro::Form1 window(QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
