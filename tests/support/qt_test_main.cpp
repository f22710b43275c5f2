// Window tests run headless with one QApplication for the whole run.
#include <QApplication>

#include <gtest/gtest.h>

#include "widgets/appearance.h"
#include "widgets/qttexts.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vintaro::applyAppearance(app);
    vintaro::installQtHungarian(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
