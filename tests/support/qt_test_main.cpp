// Window tests run headless with one QApplication for the whole run. The
// user's configuration folder is a temporary one, so that no test writes
// into the real user's settings.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "widgets/appearance.h"
#include "widgets/qttexts.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    vintaro::applyAppearance(app);
    vintaro::installQtHungarian(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
