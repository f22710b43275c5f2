// The systems window as a user meets it: opened from the Eszközök menu right
// after "Esélyek", playing a system on the spins entered in the main window,
// and simulating sessions with a seed.
#include <QAbstractItemModel>
#include <QApplication>
#include <QCategoryAxis>
#include <QChartView>
#include <QElapsedTimer>
#include <QPointer>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXYSeries>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>

#include "core/textformat.h"
#include "systems/systemstext.h"
#include "systems/window/rendszerek.h"
#include "tests/support/windowfixture.h"
#include "translations/language.h"

namespace vintaro::test {
namespace {

class SystemsWindowTest : public WindowTest
{
protected:
    // The second column of the row whose first reads `caption`.
    static QString figure(QWidget *w, const char *table, const char *caption, int column = 1)
    {
        const QAbstractItemModel *m = control<QTableView>(w, table)->model();
        for (int row = 0; row < m->rowCount(); ++row)
            if (m->index(row, 0).data().toString() == QString::fromUtf8(caption))
                return m->index(row, column).data().toString();
        return QStringLiteral("<no row %1>").arg(QString::fromUtf8(caption));
    }
    static void simulateAndWait(QWidget *w)
    {
        control<QAbstractButton>(w, "Szimulacio")->click();
        auto *window = static_cast<Rendszerek *>(w);
        for (int i = 0; i < 1500 && window->running(); ++i)
            QTest::qWait(20);
        QCoreApplication::processEvents();
        EXPECT_FALSE(window->running());
    }
};

TEST_F(SystemsWindowTest, PlaysTheRecordedSpinsAndFollowsThem)
{
    const QList<QAction *> tools = child<QMenu>(QStringLiteral("eszkozok"))->actions();
    for (int i = 0; i + 1 < tools.size(); ++i) {
        if (tools[i]->objectName() == QLatin1String("eselyek")) {
            EXPECT_EQ(tools[i + 1]->objectName(), QStringLiteral("rendszerek"));
        }
    }
    QWidget *w = openWindow(QStringLiteral("rendszerek"), "Rendszerek");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Tétrendszerek"));
    EXPECT_EQ(control<QAbstractButton>(w, "Visszateszt")->text(),
              QString::fromUtf8("Lejátszás a jegyzett pörgetéseken"));
    EXPECT_EQ(control<QComboBox>(w, "Tet")->currentText(), QStringLiteral("Piros"));
    EXPECT_EQ(control<QComboBox>(w, "Rendszer")->currentText(), QStringLiteral("Martingale"));
    EXPECT_TRUE(control<QLabel>(w, "Alapelv")->text().contains(QString::fromUtf8("egy tétegységre jutó veszteség rögzített")));

    // Martingale on red, one unit of 100: black 1, black 2, red 4, zero 1, red 2.
    enter({2, 4, 3, 0, 1});
    control<QAbstractButton>(w, "Visszateszt")->click();
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Összes tét"), QStringLiteral("10"));
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Végeredmény"), QStringLiteral("2"));
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Legnagyobb tét"), QStringLiteral("4"));
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Legmélyebb esés egy csúcsról"), QStringLiteral("3"));
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Várható eredmény: −(összes tét)/37"), QStringLiteral("-0,27"));
    auto *chart = control<QChartView>(w, "TokeGrafikon")->chart();
    ASSERT_EQ(chart->series().size(), 1);
    QList<double> path;
    for (const QPointF &p : static_cast<QXYSeries *>(chart->series().first())->points())
        path << p.y();
    EXPECT_EQ(path, (QList<double>{100, 99, 97, 101, 100, 102}));

    // A new spin plays again; so does undo.
    enter({5});
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Végeredmény"), QStringLiteral("3"));
    EXPECT_TRUE(control<QLabel>(w, "JegyzettPorgetesek")->text().endsWith(QStringLiteral(" 6")));
    click(QStringLiteral("Command1"));
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Végeredmény"), QStringLiteral("2"));
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Tét az asztali maximumra csökkentve"),
              QString::fromUtf8("<no row Tét az asztali maximumra csökkentve>"));

    // A table maximum of 2: the third stake, 4, is cut to 2, and the window
    // says so beside the largest stake.
    control<QDoubleSpinBox>(w, "MaxTet")->setValue(2);
    control<QAbstractButton>(w, "Visszateszt")->click();
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Legnagyobb tét"), QStringLiteral("2"));
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Tét az asztali maximumra csökkentve"),
              QString::fromUtf8("1 pörgetésben"));
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "A rendszer legnagyobb kért tétje"), QStringLiteral("4"));
    // A bankroll of 2: the second stake, 2, is all that is left after the
    // first; then nothing is left.
    control<QDoubleSpinBox>(w, "MaxTet")->setValue(0);
    control<QDoubleSpinBox>(w, "Bank")->setValue(2.5);
    control<QAbstractButton>(w, "Visszateszt")->click();
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Tét a megmaradt tőkére csökkentve"),
              QString::fromUtf8("1 pörgetésben"));
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "A rendszer legnagyobb kért tétje"), QStringLiteral("2"));
    control<QDoubleSpinBox>(w, "Bank")->setValue(100);

    // A single number from the spin box: 0 came once, 35 back on one unit.
    control<QComboBox>(w, "Tet")->setCurrentIndex(control<QComboBox>(w, "Tet")->findText(QString::fromUtf8("Egy szám")));
    control<QSpinBox>(w, "TetSzam")->setValue(0);
    control<QComboBox>(w, "Rendszer")->setCurrentIndex(0);
    control<QAbstractButton>(w, "Visszateszt")->click();
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Végeredmény"), QStringLiteral("31"));

    // The selected numbers with none selected: told, nothing played.
    control<QComboBox>(w, "Tet")->setCurrentIndex(control<QComboBox>(w, "Tet")->count() - 1);
    control<QAbstractButton>(w, "Visszateszt")->click();
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_TRUE(platform->messages[0].text.startsWith(QString::fromUtf8("Nincs kijelölt szám")));
    EXPECT_EQ(openWindow(QStringLiteral("rendszerek"), "Rendszerek"), w);
}

TEST_F(SystemsWindowTest, SimulatesWithASeedOnAWorkerAndStopsOnMegse)
{
    QWidget *w = openWindow(QStringLiteral("rendszerek"), "Rendszerek");
    ASSERT_NE(w, nullptr);
    control<QDoubleSpinBox>(w, "Bank")->setValue(20);
    control<QDoubleSpinBox>(w, "MaxTet")->setValue(16);
    control<QDoubleSpinBox>(w, "Cel")->setValue(10);
    control<QSpinBox>(w, "Porgetesek")->setValue(100);
    control<QSpinBox>(w, "Menetek")->setValue(4000);
    control<QLineEdit>(w, "Mag")->setText(QStringLiteral("5"));
    simulateAndWait(w);

    // The same sessions as the computation alone gives for that seed.
    SimulationRequest request;
    request.system = SystemKind::Martingale;
    request.bet = *betFromKey("piros");
    request.rules.bankroll = 20;
    request.rules.tableMax = 16;
    request.rules.target = 10;
    request.rules.maxSpins = 100;
    request.sessions = 4000;
    request.seed = 5;
    const Summary s = simulate(request).summary;
    const ExactRisk e = exactRisk(request.system, request.bet, request.rules);
    EXPECT_EQ(figure(w, "Eredmenyek", "Esély, hogy a menet csődbe jut"), QString::fromStdString(shareText(s.ruin)));
    EXPECT_EQ(figure(w, "Eredmenyek", "Esély, hogy a menet csődbe jut", 2),
              QString::fromStdString(shareText(e.ruin)));
    EXPECT_EQ(figure(w, "Eredmenyek", "Esély, hogy a menet eléri a célt"), QString::fromStdString(shareText(s.target)));
    EXPECT_TRUE(figure(w, "Eredmenyek", "Átlagos eredmény").contains(QStringLiteral("(95 %: ")));
    EXPECT_FALSE(control<QLabel>(w, "Egyezes")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>(w, "Allapot")->text().contains(QStringLiteral("4\u202F000 szimulált menet, mag: 5")));
    EXPECT_EQ(control<QChartView>(w, "Hisztogram")->chart()->series().size(), 1);
    // The answer first, from the exact figures: the sessions in 1 000 that go
    // bust, and the mean loss, which is 1/37 of the mean amount staked.
    const long bust = std::lround(e.ruin * 1000);
    ASSERT_LT(bust, 1000);
    char loss[32];
    std::snprintf(loss, sizeof loss, "%.1f", e.meanStaked / 37);
    *std::strchr(loss, '.') = ',';
    const auto *answer = control<QLabel>(w, "Valasz");
    EXPECT_EQ(answer->text(), QString::fromUtf8("Ezzel a rendszerrel 1\u202F000 menetből kb. %1 csődbe jut; egy menet "
                                                "átlagosan %2 egységet veszít, a feltett tétek 1/37-ét.")
                                  .arg(bust)
                                  .arg(QString::fromLatin1(loss)));
    EXPECT_LT(answer->y(), control<QChartView>(w, "Hisztogram")->y());
    const QString ruin = figure(w, "Eredmenyek", "Esély, hogy a menet csődbe jut");
    simulateAndWait(w);
    EXPECT_EQ(figure(w, "Eredmenyek", "Esély, hogy a menet csődbe jut"), ruin);

    // A long run stopped by Mégse: the earlier run's figures go, so that
    // none seems to be the stopped run's.
    control<QSpinBox>(w, "Menetek")->setValue(10000000);
    control<QSpinBox>(w, "Porgetesek")->setValue(100000);
    control<QDoubleSpinBox>(w, "Cel")->setValue(0);
    control<QDoubleSpinBox>(w, "Bank")->setValue(1e8);
    control<QAbstractButton>(w, "Szimulacio")->click();
    EXPECT_FALSE(control<QAbstractButton>(w, "Szimulacio")->isEnabled());
    QTest::qWait(100);
    control<QAbstractButton>(w, "Megszakit")->click();
    EXPECT_TRUE(control<QLabel>(w, "Valasz")->text().isEmpty());
    auto *window = static_cast<Rendszerek *>(w);
    for (int i = 0; i < 1500 && window->running(); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(window->running());
    EXPECT_EQ(control<QLabel>(w, "Allapot")->text(), QString::fromUtf8("A szimuláció megszakítva."));
    EXPECT_EQ(control<QTableView>(w, "Eredmenyek")->model()->rowCount(), 0);
    EXPECT_TRUE(control<QLabel>(w, "Egyezes")->text().isEmpty());
    EXPECT_TRUE(control<QAbstractButton>(w, "Szimulacio")->isEnabled());
}

// Closing the window, "Vége" and a room switch in the middle of a
// simulation of 10 000 000 sessions of a million spins: each is over within
// half a second, the run is stopped, and the restart is started.
TEST_F(SystemsWindowTest, ClosingQuittingAndARoomSwitchStopALongSimulationAtOnce)
{
    put(QStringLiteral("rszamok3.txt"), " 5\r\n");
    struct Case
    {
        const char *name;
        std::function<void(QWidget *)> act;
    };
    const std::vector<Case> cases = {
        {"the window closed", [](QWidget *w) { w->close(); }},
        {"Vége", [this](QWidget *) { click(QStringLiteral("Command3D2")); }},
        {"Terem 3.", [this](QWidget *) { trigger(QStringLiteral("terem3")); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        recreateWindow();
        QWidget *w = openWindow(QStringLiteral("rendszerek"), "Rendszerek");
        ASSERT_NE(w, nullptr);
        const QPointer<Rendszerek> window(static_cast<Rendszerek *>(w));
        control<QSpinBox>(w, "Menetek")->setValue(10000000);
        control<QSpinBox>(w, "Porgetesek")->setValue(1000000);
        control<QDoubleSpinBox>(w, "Cel")->setValue(0);
        control<QDoubleSpinBox>(w, "Bank")->setValue(1e8);
        control<QAbstractButton>(w, "Szimulacio")->click();
        QTest::qWait(100);
        ASSERT_TRUE(window->running());
        QElapsedTimer joined;
        joined.start();
        c.act(w);
        const qint64 ms = joined.elapsed();
        std::printf("%s during a simulation of 10 000 000 sessions: done in %lld ms\n", c.name, ms);
        EXPECT_LT(ms, 500);
        QCoreApplication::processEvents();
        EXPECT_TRUE(!window || !window->running());
        if (std::string(c.name) == "Terem 3.") {
            EXPECT_EQ(platform->started.size(), 1u);
            EXPECT_EQ(platform->exits, 1);
        }
    }
}

// Every text a player reads in a window: captions, items, cells, headers,
// tooltips, number boxes, chart titles and axes.
QStringList shownTexts(QWidget *root)
{
    QStringList out{root->windowTitle()};
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        out << w->toolTip();
        if (auto *label = qobject_cast<QLabel *>(w))
            out << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            out << button->text();
        if (auto *box = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < box->count(); ++i)
                out << box->itemText(i);
        if (auto *box = qobject_cast<QAbstractSpinBox *>(w))
            out << box->text() << box->specialValueText();
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                out << tabs->tabText(i);
        if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
            const QAbstractItemModel *m = view->model();
            for (int c = 0; c < m->columnCount(); ++c)
                out << m->headerData(c, Qt::Horizontal).toString();
            for (int r = 0; r < m->rowCount(); ++r)
                for (int c = 0; c < m->columnCount(); ++c)
                    out << m->index(r, c).data().toString();
        }
        if (auto *chart = qobject_cast<QChartView *>(w)) {
            out << chart->chart()->title();
            for (QAbstractSeries *series : chart->chart()->series())
                out << series->name();
            for (QAbstractAxis *axis : chart->chart()->axes())
                if (auto *category = qobject_cast<QCategoryAxis *>(axis))
                    out << category->categoriesLabels();
        }
    }
    out.removeAll(QString());
    return out;
}

// Hungarian letters; é only outside the French "zéro" of the sector names.
bool hungarian(QString text)
{
    text.remove(QString::fromUtf8("zéro"));
    return text.contains(QRegularExpression(QString::fromUtf8("[áéíóöőúüűÁÉÍÓÖŐÚÜŰ]")));
}

// The systems window and its editor in English: every text walked, a few
// read; then Hungarian again for the windows opened after it.
TEST_F(SystemsWindowTest, SpeaksEnglishWhenEnglishIsChosen)
{
    const QList<QTranslator *> before = qApp->findChildren<QTranslator *>();
    ASSERT_TRUE(installLanguage(*qApp, Language::English));
    enter({2, 4, 3, 0, 1});
    QWidget *w = openWindow(QStringLiteral("rendszerek"), "Rendszerek");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Betting systems"));
    EXPECT_EQ(control<QComboBox>(w, "Tet")->currentText(), QStringLiteral("Red"));
    EXPECT_EQ(control<QComboBox>(w, "Rendszer")->itemText(0), QStringLiteral("Flat bet"));
    EXPECT_EQ(control<QLabel>(w, "JegyzettPorgetesek")->text(), QStringLiteral("Recorded spins: 5"));
    control<QDoubleSpinBox>(w, "Bank")->setValue(1500.5);
    EXPECT_EQ(control<QDoubleSpinBox>(w, "Bank")->text(), QStringLiteral("1,500.50"));
    control<QDoubleSpinBox>(w, "Bank")->setValue(100);
    control<QDoubleSpinBox>(w, "MaxTet")->setValue(2);
    control<QAbstractButton>(w, "Visszateszt")->click();
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Expected result: −(total staked)/37"), QStringLiteral("-0.22"));
    EXPECT_EQ(figure(w, "VisszatesztEredmenyek", "Stake cut to the table maximum"), QStringLiteral("in 1 spin"));
    control<QDoubleSpinBox>(w, "Cel")->setValue(10);
    control<QSpinBox>(w, "Porgetesek")->setValue(100);
    control<QSpinBox>(w, "Menetek")->setValue(4000);
    control<QLineEdit>(w, "Mag")->setText(QStringLiteral("5"));
    simulateAndWait(w);
    EXPECT_TRUE(control<QLabel>(w, "Allapot")->text().startsWith(QStringLiteral("4,000 simulated sessions, seed: 5.")));
    EXPECT_TRUE(figure(w, "Eredmenyek", "Chance that the session goes bust").endsWith(QLatin1Char('%')));
    EXPECT_TRUE(control<QLabel>(w, "Valasz")->text().startsWith(QStringLiteral("With this system about ")))
        << control<QLabel>(w, "Valasz")->text().toStdString();
    EXPECT_TRUE(control<QLabel>(w, "TokeValasz")->text().startsWith(QStringLiteral("Smallest bankroll")));
    for (const QString &text : shownTexts(w))
        EXPECT_FALSE(hungarian(text)) << text.toStdString();

    // The editor of the own systems, opened from the window.
    bool seen = false;
    QTimer::singleShot(0, w, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Own system"));
        EXPECT_EQ(control<QComboBox>(dialog, "SajatTet")->itemText(1), QStringLiteral("Red"));
        for (const QString &text : shownTexts(dialog))
            EXPECT_FALSE(hungarian(text)) << text.toStdString();
        control<QAbstractButton>(dialog, "SajatBezaras")->click();
    });
    control<QAbstractButton>(w, "SajatRendszer")->click();
    EXPECT_TRUE(seen);
    const QPointer<QWidget> closed(w);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());

    // Hungarian again, with the translators the test found.
    installLanguage(*qApp, Language::Hungarian);
    for (QTranslator *translator : qApp->findChildren<QTranslator *>())
        if (!before.contains(translator)) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    EXPECT_EQ(textLanguage(), TextLanguage::Hungarian);
    w = openWindow(QStringLiteral("rendszerek"), "Rendszerek");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Tétrendszerek"));
}

} // namespace
} // namespace vintaro::test
