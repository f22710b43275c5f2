// The ledger window as a player meets it: opened from the Eszközök menu or
// with Ctrl+L, a session started, stakes clicked, spins typed into the
// main window's spin entry from the ledger window, Undo, the file on disk,
// and a damaged ledger that is named but stops nothing.
#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDir>
#include <QChartView>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>

#include "ledger/window/naplo.h"
#include "persistence/ledgerfile.h"
#include "tests/support/companionkeys.h"

namespace vintaro::test {
namespace {

class LedgerWindowTest : public CompanionKeysTest
{
protected:
    void SetUp() override
    {
        CompanionKeysTest::SetUp();
        put(QStringLiteral("terem.txt"), "3\r\n");
        recreateWindow();
    }
    static QString label(QWidget *w, const char *name) { return control<QLabel>(w, name)->text(); }
    static void clickIn(QWidget *w, const char *name) { control<QAbstractButton>(w, name)->click(); }
};

TEST_F(LedgerWindowTest, ASessionWithStakesSettledByTypedSpinsAndUndo)
{
    // The menu item stands in Eszközök beside the other companions.
    const QList<QAction *> tools = child<QMenu>(QStringLiteral("eszkozok"))->actions();
    const auto item = std::find_if(tools.begin(), tools.end(),
                                   [](QAction *a) { return a->objectName() == QLatin1String("naplo"); });
    ASSERT_NE(item, tools.end());
    EXPECT_EQ((*item)->text(), QString::fromUtf8("Napló"));

    // Ctrl+L opens it from the main window.
    activate(window.get());
    press(Qt::Key_L, Qt::ControlModifier);
    QList<QWidget *> shown = openWindows("Naplo");
    ASSERT_EQ(shown.size(), 1);
    QWidget *w = shown.front();
    activate(w);
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Napló"));
    EXPECT_EQ(label(w, "Allapot"), QString::fromUtf8("Nincs nyitott menet (3. terem)."));
    EXPECT_FALSE(control<QAbstractButton>(w, "Kulso(1)")->isEnabled()) << "no stake without a session";

    control<QLineEdit>(w, "Hely")->setText(QStringLiteral("Asztal 4"));
    control<QLineEdit>(w, "Hozott")->setText(QStringLiteral("1000"));
    press(Qt::Key_N, Qt::ControlModifier); // the key that begins a session
    EXPECT_TRUE(label(w, "Allapot").startsWith(QString::fromUtf8("1. menet: ")));
    EXPECT_TRUE(label(w, "Allapot").endsWith(QString::fromUtf8(" – nyitva, Asztal 4; hozott 1\u202F000")))
        << label(w, "Allapot").toStdString();
    // Red 10 and Voisins du zéro 10 a chip (90) wait for the spin.
    control<QSpinBox>(w, "Tet")->setValue(10);
    clickIn(w, "Kulso(1)");
    clickIn(w, "Szektor(0)");
    EXPECT_EQ(listLines(control<QAbstractItemView>(w, "Varo")),
              QStringList({QStringLiteral("Piros: 10"), QString::fromUtf8("Voisins du zéro: 90")}));

    // 5 typed with the ledger window active goes to spin entry: red wins
    // 20 back, Voisins misses: 1 000 - 100 + 20.
    activate(w);
    press(Qt::Key_5);
    EXPECT_EQ(lines(QStringLiteral("List1")), QStringList({QStringLiteral("   1    5")}));
    EXPECT_TRUE(listLines(control<QAbstractItemView>(w, "Varo")).isEmpty());
    EXPECT_EQ(label(w, "Penz"), QString::fromUtf8("A(z) 1. menet pénze most: 920 (hozott 1\u202F000)."));
    EXPECT_TRUE(label(w, "Becsuletes").startsWith(QString::fromUtf8("Tét összesen: 100, eredmény: -80, várható: -2,70")))
        << label(w, "Becsuletes").toStdString();
    const QByteArray written = bytes(QStringLiteral("naplo3.csv"));
    EXPECT_TRUE(written.contains("\r\nbet,1,,,,,,,Piros,10,,1,5,0,\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\r\nbet,1,,,,,,,Voisins du zéro,10,,1,5,0,\r\n"));
    auto *chart = control<QChartView>(w, "Grafikon");
    auto *money = qobject_cast<QLineSeries *>(chart->chart()->series().value(0));
    ASSERT_NE(money, nullptr);
    EXPECT_EQ(money->points(), QList<QPointF>({QPointF(0, 1000), QPointF(1, 920)}));

    // A spin with no stake changes no money; Undo takes back only that spin.
    press(Qt::Key_8);
    EXPECT_EQ(label(w, "Penz"), QString::fromUtf8("A(z) 1. menet pénze most: 920 (hozott 1\u202F000)."));
    click(QStringLiteral("Command1"));
    EXPECT_EQ(label(w, "Penz"), QString::fromUtf8("A(z) 1. menet pénze most: 920 (hozott 1\u202F000)."));
    // Undo of the spin that settled them: the stakes wait again.
    click(QStringLiteral("Command1"));
    EXPECT_EQ(lines(QStringLiteral("List1")), QStringList());
    EXPECT_EQ(label(w, "Penz"), QString::fromUtf8("A(z) 1. menet pénze most: 1\u202F000 (hozott 1\u202F000)."));
    EXPECT_EQ(listLines(control<QAbstractItemView>(w, "Varo")).size(), 2);
    EXPECT_EQ(money->count(), 1);
    EXPECT_TRUE(bytes(QStringLiteral("naplo3.csv")).contains("\r\nbet,1,,,,,,,Piros,10,,,,0,\r\n"));
    // 0 this time: red loses, Voisins pays 24 a chip on its trio: 240 back for 90.
    activate(w);
    press(Qt::Key_0);
    EXPECT_EQ(label(w, "Penz"), QString::fromUtf8("A(z) 1. menet pénze most: 1\u202F140 (hozott 1\u202F000)."));

    // Digits typed into the ledger's own stake field stay there.
    auto *stake = control<QSpinBox>(w, "Tet");
    QTest::mouseClick(stake, Qt::LeftButton);
    stake->setFocus(Qt::MouseFocusReason);
    stake->selectAll();
    press(Qt::Key_2);
    press(Qt::Key_5);
    EXPECT_EQ(stake->value(), 25);
    EXPECT_EQ(lines(QStringLiteral("List1")).size(), 1);

    // Ending the session keeps its money taken away; a restart finds it ended.
    control<QLineEdit>(w, "Vitt")->setText(QStringLiteral("1140"));
    press(Qt::Key_E, Qt::ControlModifier); // and the one that ends it
    EXPECT_TRUE(label(w, "Allapot").startsWith(QString::fromUtf8("Nincs nyitott menet")));
    const LedgerRead read = readLedger(file(QStringLiteral("naplo3.csv")));
    ASSERT_EQ(read.damagedLine, 0);
    ASSERT_EQ(read.ledger.sessions().size(), 1u);
    EXPECT_EQ(read.ledger.sessions()[0].bankrollOut, 1140);
    EXPECT_EQ(read.ledger.bets().size(), 2u);
}

TEST_F(LedgerWindowTest, PlayingAlongWithMartingaleOnRed)
{
    // Martingale on red in the systems window, 10 a unit, 1 000 to play with.
    QWidget *systems = openActive("rendszerek", "Rendszerek");
    ASSERT_NE(systems, nullptr);
    control<QComboBox>(systems, "Tet")->setCurrentIndex(1);
    ASSERT_EQ(control<QComboBox>(systems, "Tet")->currentText(), QStringLiteral("Piros"));
    control<QComboBox>(systems, "Rendszer")->setCurrentText(QStringLiteral("Martingale"));
    control<QDoubleSpinBox>(systems, "Egyseg")->setValue(10);
    control<QDoubleSpinBox>(systems, "Bank")->setValue(1000);

    QWidget *w = openActive("naplo", "Naplo");
    ASSERT_NE(w, nullptr);
    auto proposal = [w] { return label(w, "Javaslat"); };
    auto *accept = control<QAbstractButton>(w, "Elfogad");
    auto waiting = [w] { return listLines(control<QAbstractItemView>(w, "Varo")); };
    EXPECT_EQ(proposal(), QStringLiteral("Javaslat (Martingale): Piros: 10"));
    EXPECT_FALSE(accept->isEnabled()) << "no stake without a session";
    control<QLineEdit>(w, "Hozott")->setText(QStringLiteral("1000"));
    clickIn(w, "MenetKezdes");
    ASSERT_TRUE(accept->isEnabled());

    // Each proposal accepted by Ctrl+Enter or Elfogad, then a spin typed:
    // black 4 and 6 lose (10, 20), red 5 wins 40 on 40, 0 loses the 10 again.
    struct Step
    {
        bool byKey;
        Qt::Key spin;
        const char *staked, *money, *next;
    };
    const Step steps[] = {
        {true, Qt::Key_4, "Piros: 10", "990", "Piros: 20"},
        {false, Qt::Key_6, "Piros: 20", "970", "Piros: 40"},
        {true, Qt::Key_5, "Piros: 40", "1\u202F010", "Piros: 10"},
        {false, Qt::Key_0, "Piros: 10", "1\u202F000", "Piros: 20"},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.staked);
        activate(w);
        if (step.byKey) {
            press(Qt::Key_Return, Qt::ControlModifier);
            // Once recorded, the key records nothing more.
            press(Qt::Key_Return, Qt::ControlModifier);
        } else {
            accept->click();
        }
        EXPECT_EQ(waiting(), QStringList({QString::fromLatin1(step.staked)}));
        EXPECT_EQ(proposal(), QStringLiteral("Javaslat (Martingale): %1 (rögzítve)").arg(QLatin1String(step.staked)));
        EXPECT_FALSE(accept->isEnabled());
        EXPECT_TRUE(lines(QStringLiteral("List1")).size() < 4) << "Ctrl+Enter takes no spin";
        press(step.spin);
        EXPECT_TRUE(waiting().isEmpty());
        EXPECT_EQ(label(w, "Penz"),
                  QString::fromUtf8("A(z) 1. menet pénze most: %1 (hozott 1\u202F000).").arg(QString::fromUtf8(step.money)));
        EXPECT_EQ(proposal(), QStringLiteral("Javaslat (Martingale): %1").arg(QLatin1String(step.next)));
    }
    EXPECT_EQ(lines(QStringLiteral("List1")).size(), 4);

    // 30 to play with: 10 and 20 lost on 4 and 6 leave nothing for the session.
    control<QDoubleSpinBox>(systems, "Bank")->setValue(30);
    activate(systems);
    activate(w);
    EXPECT_EQ(proposal(),
              QString::fromUtf8("Javaslat (Martingale, Piros): nincs – a menet pénze a szabályok szerint elfogyott."));
    EXPECT_FALSE(accept->isEnabled());
    // The systems window closed: nothing is chosen.
    activate(systems);
    systems->close();
    QCoreApplication::processEvents();
    activate(w);
    EXPECT_EQ(proposal(), QString::fromUtf8("Javaslat: nincs választott rendszer (a Tétrendszerek ablakban választható)."));
    EXPECT_FALSE(accept->isEnabled());
}

TEST_F(LedgerWindowTest, KeysReachSpinEntryFromTheLedgerWindow)
{
    checkEntryKeys("naplo", "Naplo", [](QWidget *) {});
}

TEST_F(LedgerWindowTest, AnOpenSessionResumesAndADamagedLedgerStopsNothing)
{
    Ledger open;
    open.startSession("2026-12-07 20:00", "3", "", 200);
    open.record({BetKind::Number, 17, {}}, 5);
    ASSERT_TRUE(writeLedger(file(QStringLiteral("naplo3.csv")), open));
    QWidget *w = openWindow(QStringLiteral("naplo"), "Naplo");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(label(w, "Allapot"), QString::fromUtf8("1. menet: 2026-12-07 20:00 – nyitva; hozott 200"));
    EXPECT_EQ(listLines(control<QAbstractItemView>(w, "Varo")), QStringList({QStringLiteral("17: 5")}));
    enter({17});
    EXPECT_EQ(label(w, "Penz"), QString::fromUtf8("A(z) 1. menet pénze most: 375 (hozott 200)."));
    const QList<QAbstractSeries *> series = control<QChartView>(w, "Grafikon")->chart()->series();
    ASSERT_EQ(series.size(), 2);
    EXPECT_EQ(qobject_cast<QLineSeries *>(series[0])->points(), QList<QPointF>({QPointF(0, 200), QPointF(1, 375)}));
    EXPECT_EQ(qobject_cast<QLineSeries *>(series[1])->points(),
              QList<QPointF>({QPointF(0, 200), QPointF(1, 200 - 5.0 / 37)}));
    w->close();
    QCoreApplication::processEvents();

    put(QStringLiteral("naplo3.csv"), "record,session\r\n");
    w = openWindow(QStringLiteral("naplo"), "Naplo");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(label(w, "Allapot"),
              QString::fromUtf8("A napló (%1) sérült a(z) 1. sorában; a program nem írja felül.")
                  .arg(QDir::toNativeSeparators(file(QStringLiteral("naplo3.csv")))));
    EXPECT_FALSE(control<QAbstractButton>(w, "MenetKezdes")->isEnabled());
    enter({4, 5});
    EXPECT_EQ(lines(QStringLiteral("List1")).size(), 3);
    EXPECT_EQ(bytes(QStringLiteral("naplo3.csv")), QByteArray("record,session\r\n"));
    EXPECT_TRUE(platform->messages.empty()) << "no dialog stands in the way of spin entry";
}

} // namespace
} // namespace vintaro::test
