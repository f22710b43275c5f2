// Spins typed while the odds window has the keyboard reach spin entry as in
// the main window, whichever of its controls holds the keys.
#include <QAbstractScrollArea>

#include "tests/support/companionkeys.h"

namespace vintaro::test {
namespace {

TEST_F(CompanionKeysTest, TheOddsWindowPassesSpinEntryKeysOn)
{
    auto asOpened = [](QWidget *) {};
    auto onTheTable = [](QWidget *odds) {
        auto *table = control<QAbstractScrollArea>(odds, "OddsTable");
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_EQ(QApplication::focusWidget(), table);
    };
    for (const auto &focus : {std::function<void(QWidget *)>(asOpened), std::function<void(QWidget *)>(onTheTable)})
        checkEntryKeys("eselyek", "Eselyek", focus);
}

} // namespace
} // namespace vintaro::test
