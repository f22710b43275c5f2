// The editor of the player's own systems as a user meets it: "Saját rendszer…"
// in the systems window, a system written out or filled in, saved by name,
// then played like a built-in system; a damaged systems file is named and
// never written over.
#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>

#include "systems/window/rendszerek.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class OwnSystemsWindowTest : public WindowTest
{
protected:
    // Opens the editor and hands it to `use` while it is shown; closes it.
    void editor(QWidget *systems, const std::function<void(QWidget *)> &use)
    {
        bool seen = false;
        QTimer::singleShot(0, systems, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->objectName(), QStringLiteral("SajatRendszerSzerkeszto"));
            seen = true;
            use(dialog);
            control<QAbstractButton>(dialog, "SajatBezaras")->click();
        });
        control<QAbstractButton>(systems, "SajatRendszer")->click();
        EXPECT_TRUE(seen);
    }
    static QString figure(QWidget *w, const char *caption)
    {
        const QAbstractItemModel *m = control<QTableView>(w, "VisszatesztEredmenyek")->model();
        for (int row = 0; row < m->rowCount(); ++row)
            if (m->index(row, 0).data().toString() == QString::fromUtf8(caption))
                return m->index(row, 1).data().toString();
        return {};
    }
};

TEST_F(OwnSystemsWindowTest, SavesSystemsByNameAndPlaysThem)
{
    QWidget *w = openWindow(QStringLiteral("rendszerek"), "Rendszerek");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(control<QAbstractButton>(w, "SajatRendszer")->text(), QString::fromUtf8("Saját rendszer…"));
    struct Case
    {
        const char *name, *stakes;
        int fill;                                   // steps to fill in (first 1, × 2) instead of `stakes`; 0: none
        int onWin, winSteps, onLoss, lossSteps, afterLast, sitOutAfter, sitOutSpins;
        const char *said;                           // the message, or nullptr when saved
        const char *saved;                          // what the file then holds
    };
    const Case cases[] = {
        {"Dupla", "", 10, 0, 1, 0, 1, 0, 0, 0, nullptr,
         "[Dupla]\nbet=piros\nstakes=1,2,4,8,16,32,64,128,256,512\non-win=first\non-loss=next\nafter-last=stay\n"
         "sit-out=0:0\n"},
        {"Lassú – ő", "1, 1, 2, 3, 5", 0, 1, 2, 1, 3, 2, 3, 2, nullptr,
         "[Lassú – ő]\nbet=piros\nstakes=1,1,2,3,5\non-win=back:2\non-loss=skip:3\nafter-last=stop\nsit-out=3:2\n"},
        {"", "1, 2", 0, 0, 1, 0, 1, 0, 0, 0, "A rendszernek neve is legyen.", nullptr},
        {"Rossz", "1, x", 0, 0, 1, 0, 1, 0, 0, 0, "A tétek: egész számok", nullptr},
        {"Rossz", "1, 0", 0, 0, 1, 0, 1, 0, 0, 0, "A tétek: egész számok", nullptr},
        {"Rossz", "2", 0, 0, 1, 0, 1, 0, 3, 0, "A kimaradás", nullptr},
        {"Egy", "5", 0, 2, 1, 2, 1, 1, 0, 0, nullptr, "[Egy]\nbet=piros\nstakes=5\non-win=stay\non-loss=first\n"},
        {"Egy", "7", 0, 2, 1, 2, 1, 1, 0, 0, nullptr, "[Egy]\nbet=piros\nstakes=7\n"}, // the same name: replaced
    };
    editor(w, [&](QWidget *d) {
        for (const Case &c : cases) {
            const size_t before = platform->messages.size();
            const QByteArray file = bytes(QStringLiteral("rendszerek.ini"));
            control<QLineEdit>(d, "SajatNev")->setText(QString::fromUtf8(c.name));
            control<QLineEdit>(d, "SajatTetek")->setText(QString::fromUtf8(c.stakes));
            if (c.fill) {
                control<QSpinBox>(d, "TetElso")->setValue(1);
                control<QSpinBox>(d, "TetLepesek")->setValue(c.fill);
                control<QDoubleSpinBox>(d, "TetSzorzo")->setValue(2);
                control<QAbstractButton>(d, "TetKitoltes")->click();
            }
            control<QComboBox>(d, "NyeresUtan")->setCurrentIndex(c.onWin);
            control<QSpinBox>(d, "NyeresLepes")->setValue(c.winSteps);
            control<QComboBox>(d, "VesztesUtan")->setCurrentIndex(c.onLoss);
            control<QSpinBox>(d, "VesztesLepes")->setValue(c.lossSteps);
            control<QComboBox>(d, "UtolsoUtan")->setCurrentIndex(c.afterLast);
            control<QSpinBox>(d, "KimaradasUtan")->setValue(c.sitOutAfter);
            control<QSpinBox>(d, "KimaradasPorgetes")->setValue(c.sitOutSpins);
            control<QAbstractButton>(d, "SajatMentes")->click();
            if (c.said) {
                ASSERT_EQ(platform->messages.size(), before + 1) << c.name;
                EXPECT_TRUE(platform->messages.back().text.startsWith(QString::fromUtf8(c.said)))
                    << platform->messages.back().text.toStdString();
                EXPECT_EQ(bytes(QStringLiteral("rendszerek.ini")), file) << c.name;
            } else {
                EXPECT_EQ(platform->messages.size(), before) << c.name;
                EXPECT_TRUE(bytes(QStringLiteral("rendszerek.ini")).contains(QByteArray(c.saved)))
                    << c.name << "\n" << bytes(QStringLiteral("rendszerek.ini")).toStdString();
                EXPECT_EQ(control<QComboBox>(d, "MentettRendszerek")->currentText(), QString::fromUtf8(c.name));
            }
        }
        EXPECT_EQ(bytes(QStringLiteral("rendszerek.ini")).count("[Egy]"), 1);
        // Deleting asks first.
        auto *saved = control<QComboBox>(d, "MentettRendszerek");
        saved->setCurrentIndex(saved->findText(QStringLiteral("Egy")));
        control<QAbstractButton>(d, "SajatTorles")->click();
        EXPECT_FALSE(bytes(QStringLiteral("rendszerek.ini")).contains("[Egy]"));
        EXPECT_EQ(platform->questions.back(), QString::fromUtf8("Törli a(z) „Egy” rendszert?"));
    });

    // The saved systems stand after the built-in ones, and play like them:
    // the own Martingale on black, black, red, zero, red stakes 1, 2, 4, 1, 2.
    auto *system = control<QComboBox>(w, "Rendszer");
    ASSERT_EQ(system->count(), 9);
    EXPECT_EQ(system->itemText(7), QStringLiteral("Saját: Dupla"));
    EXPECT_EQ(system->itemText(8), QString::fromUtf8("Saját: Lassú – ő"));
    enter({2, 4, 3, 0, 1});
    system->setCurrentIndex(7);
    control<QAbstractButton>(w, "Visszateszt")->click();
    EXPECT_EQ(figure(w, "Összes tét"), QStringLiteral("10"));
    EXPECT_EQ(figure(w, "Végeredmény"), QStringLiteral("2"));
    // The slow one: 1, lost; skip 3 steps to 3, lost; past the end: the session ends.
    system->setCurrentIndex(8);
    control<QAbstractButton>(w, "Visszateszt")->click();
    EXPECT_EQ(figure(w, "Összes tét"), QStringLiteral("4"));
    EXPECT_EQ(figure(w, "A menet vége"), QStringLiteral("a rendszer befejezte"));

    // A damaged file: named with its line, the systems kept, nothing written.
    const QByteArray damaged = "[Dupla]\nstakes=1,2\nszín=zöld\n";
    put(QStringLiteral("rendszerek.ini"), damaged);
    const size_t before = platform->messages.size();
    editor(w, [&](QWidget *d) {
        control<QLineEdit>(d, "SajatNev")->setText(QStringLiteral("Új"));
        control<QLineEdit>(d, "SajatTetek")->setText(QStringLiteral("1"));
        control<QAbstractButton>(d, "SajatMentes")->click();
    });
    ASSERT_GE(platform->messages.size(), before + 2);
    for (size_t i = before; i < platform->messages.size(); ++i)
        EXPECT_TRUE(platform->messages[i].text.contains(QString::fromUtf8("rendszerek.ini) sérült, 3. sor")))
            << platform->messages[i].text.toStdString();
    EXPECT_EQ(bytes(QStringLiteral("rendszerek.ini")), damaged);
    EXPECT_EQ(system->count(), 9);
}

// Every number box at the ends of its range: the sessions run (with the
// exact figures or the reason why there are none) or a message says why not.
TEST_F(OwnSystemsWindowTest, EveryValueOfEveryNumberBoxRunsOrIsRefused)
{
    QWidget *w = openWindow(QStringLiteral("rendszerek"), "Rendszerek");
    ASSERT_NE(w, nullptr);
    auto *window = static_cast<Rendszerek *>(w);
    struct Case
    {
        const char *box;
        bool highest; // the box's maximum, or its minimum
        int spins, sessions;
    };
    const Case cases[] = {
        {"Egyseg", true, 50, 200},     {"Egyseg", false, 50, 200},  {"Bank", true, 50, 200},
        {"Bank", false, 50, 200},      {"MinTet", true, 50, 200},   {"MinTet", false, 50, 200},
        {"MaxTet", true, 50, 200},     {"Cel", true, 50, 200},      {"Kockazat", true, 50, 200},
        {"CelEsely", true, 50, 200},   {"Porgetesek", true, 0, 1},  {"Menetek", true, 1, 0},
    };
    for (const Case &c : cases) {
        // From the defaults each time.
        control<QDoubleSpinBox>(w, "Egyseg")->setValue(1);
        control<QDoubleSpinBox>(w, "Bank")->setValue(100);
        control<QDoubleSpinBox>(w, "MinTet")->setValue(1);
        control<QDoubleSpinBox>(w, "MaxTet")->setValue(0);
        control<QDoubleSpinBox>(w, "Cel")->setValue(0);
        control<QDoubleSpinBox>(w, "Kockazat")->setValue(5);
        control<QDoubleSpinBox>(w, "CelEsely")->setValue(50);
        if (c.spins)
            control<QSpinBox>(w, "Porgetesek")->setValue(c.spins);
        if (c.sessions)
            control<QSpinBox>(w, "Menetek")->setValue(c.sessions);
        if (auto *box = w->findChild<QDoubleSpinBox *>(QLatin1String(c.box)))
            box->setValue(c.highest ? box->maximum() : box->minimum());
        else if (auto *count = w->findChild<QSpinBox *>(QLatin1String(c.box)))
            count->setValue(c.highest ? count->maximum() : count->minimum());
        const size_t before = platform->messages.size();
        control<QAbstractButton>(w, "Szimulacio")->click();
        for (int i = 0; i < 3000 && window->running(); ++i)
            QTest::qWait(20);
        QCoreApplication::processEvents();
        EXPECT_FALSE(window->running()) << c.box;
        const QString status = control<QLabel>(w, "Allapot")->text();
        if (platform->messages.size() > before) {
            EXPECT_FALSE(platform->messages.back().text.isEmpty()) << c.box;
        } else {
            EXPECT_TRUE(status.contains(QString::fromUtf8("szimulált menet"))) << c.box << status.toStdString();
        }
    }
}

} // namespace
} // namespace vintaro::test
