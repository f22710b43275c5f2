// The odds window as a user meets it: opened from the Eszközök menu, following
// the spins entered in the main window, and analysing spin files.
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTranslator>

#include <fstream>
#include <sys/stat.h>

#include "core/textformat.h"
#include "odds/window/filepanel.h"
#include "translations/language.h"
#include "widgets/appearance.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class OddsWindowTest : public WindowTest
{
protected:
    QWidget *open() { return openWindow(QStringLiteral("eselyek"), "Eselyek"); }
    static QString label(QWidget *window, const char *name) { return control<QLabel>(window, name)->text(); }
    // The cell of a table view in the row whose first column reads `bet`.
    static QString cell(QWidget *window, const char *table, const QString &bet, int column)
    {
        const QAbstractItemModel *m = control<QTableView>(window, table)->model();
        for (int row = 0; row < m->rowCount(); ++row)
            if (m->index(row, 0).data().toString() == bet)
                return m->index(row, column).data().toString();
        return QStringLiteral("<no row %1>").arg(bet);
    }
    void load(int spins)
    {
        QByteArray list;
        for (int i = 0; i < spins; ++i)
            list += QByteArray::number(i % 37) + "\r\n";
        put(QStringLiteral("rszamok.txt"), list);
        trigger(QStringLiteral("indit"));
    }
    // The "Torzításpróba" tab, where the carrier, the estimates and the tests are.
    static void showTestsPage(QWidget *window) { control<QTabWidget>(window, "Lapok")->setCurrentIndex(1); }
    // The "Fájl elemzése" tab, where the file's button is.
    static void showFilePage(QWidget *window) { control<QTabWidget>(window, "Lapok")->setCurrentIndex(2); }
    static void waitForAnalysis(QWidget *window)
    {
        auto *panel = control<FilePanel>(window, "FajlPanel");
        for (int i = 0; i < 500 && panel->running(); ++i)
            QTest::qWait(20);
        QCoreApplication::processEvents();
        EXPECT_FALSE(panel->running());
    }
};

TEST_F(OddsWindowTest, FollowsTheHistoryLive)
{
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), u8("Esélyek"));
    auto *table = control<QTableView>(w, "OddsTable");
    EXPECT_EQ(table->model()->rowCount(), 55);
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), QStringLiteral("Fekete"));
    EXPECT_EQ(table->model()->index(18, 0).data().toString(), QStringLiteral("0"));
    EXPECT_EQ(label(w, "TulRovid"), u8("Még nincs pörgetés: nincs mit vizsgálni."));
    EXPECT_TRUE(label(w, "Oszinte").contains(u8("1/37")));

    enter({17, 17, 0});
    EXPECT_EQ(cell(w, "OddsTable", QStringLiteral("17"), 2), QStringLiteral("2"));
    EXPECT_EQ(cell(w, "OddsTable", QStringLiteral("Piros"), 5), QStringLiteral("3"));   // current absence
    EXPECT_EQ(cell(w, "OddsTable", QStringLiteral("Piros"), 7), QStringLiteral("7")); // once in (37/19)^3
    EXPECT_EQ(table->model()->headerData(6, Qt::Horizontal).toString().replace(QLatin1Char('\n'), QLatin1Char(' ')),
              QString::fromUtf8("Ilyen kimaradás esélye most"));
    EXPECT_EQ(table->model()->headerData(7, Qt::Horizontal).toString().replace(QLatin1Char('\n'), QLatin1Char(' ')),
              QString::fromUtf8("Ennyiből egyszer"));
    EXPECT_EQ(table->model()->headerData(9, Qt::Horizontal).toString().replace(QLatin1Char('\n'), QLatin1Char(' ')),
              QString::fromUtf8("Ilyen leghosszabb kimaradás esélye ennyi pörgetésben"));
    click(QStringLiteral("Command1")); // undo
    EXPECT_EQ(cell(w, "OddsTable", QStringLiteral("Piros"), 5), QStringLiteral("2"));
    EXPECT_TRUE(label(w, "Osszesites").startsWith(QStringLiteral("2 ")));

    // A second click of the menu item brings the same window forward.
    EXPECT_EQ(open(), w);

    // Sorting by current absence, longest first. A highlight must stay rare
    // for a player who watches every spin of a whole history of 32 736: red
    // missing 14 times ((19/37)^14 = 0,00887 % right now) is common somewhere
    // in such a history and does not stand out; missing 30 times does, since
    // even the union bound 32 736 * 18/37 * (19/37)^30, for all 55 bets, stays
    // below 1 %.
    enter({0, 0, 0, 0, 0, 0, 0, 0});
    table->sortByColumn(5, Qt::DescendingOrder);
    EXPECT_EQ(table->model()->index(0, 5).data().toString(), QStringLiteral("10"));
    EXPECT_FALSE(table->model()->index(0, 6).data(Qt::BackgroundRole).isValid());
    enter({0, 0, 0, 0});
    EXPECT_EQ(table->model()->index(0, 5).data().toString(), QStringLiteral("14"));
    EXPECT_EQ(table->model()->index(0, 6).data().toString(), QString::fromUtf8("0,00887 %"));
    EXPECT_FALSE(table->model()->index(0, 6).data(Qt::BackgroundRole).isValid());
    enter({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const QModelIndex chance = table->model()->index(0, 6);
    EXPECT_EQ(table->model()->index(0, 5).data().toString(), QStringLiteral("30"));
    EXPECT_TRUE(chance.data(Qt::BackgroundRole).isValid()) << chance.data().toString().toStdString();
    EXPECT_FALSE(table->model()->index(54, 6).data(Qt::BackgroundRole).isValid());
    // 28 zeros among 30 spins: the evidence names the number 0.
    EXPECT_TRUE(label(w, "Itelet").startsWith(QString::fromUtf8("Ítélet: erős jel; a bizonyíték "))) << label(w, "Itelet").toStdString();
    showTestsPage(w);
    EXPECT_TRUE(label(w, "Hordozo").contains(QString::fromUtf8("a 0-s szám hordozza: 28 találat"))) << label(w, "Hordozo").toStdString();
}

// Opened on an empty history, the table's columns follow the figures as the
// history grows and shrinks: no figure is cut short ("-0…", "2,…").
TEST_F(OddsWindowTest, EveryColumnFitsItsFiguresAfterEveryChange)
{
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    w->show();
    // The table of the page shown: the bet table, or the tests on theirs.
    auto check = [&](const char *when) {
        SCOPED_TRACE(when);
        QCoreApplication::processEvents();
        const int page = control<QTabWidget>(w, "Lapok")->currentIndex();
        auto *table = control<QTableView>(w, page == 0 ? "OddsTable" : "BiasTable");
        const QAbstractItemModel *m = table->model();
        const int last = m->columnCount() - 1;
        for (int column = 0; column < last; ++column) {
            const int width = table->horizontalHeader()->sectionSize(column);
            for (int row = 0; row < m->rowCount(); ++row) {
                const QString shown = m->index(row, column).data().toString();
                EXPECT_LE(table->fontMetrics().horizontalAdvance(shown) + 6, width)
                    << table->objectName().toStdString() << " column " << column << ": " << shown.toStdString();
            }
        }
    };
    check("empty");
    // A few spins watched on the tests' page, then zero far too often: the
    // figures grow while the rows stay.
    control<QTabWidget>(w, "Lapok")->setCurrentIndex(1);
    enter({1, 2, 3, 4, 5, 6});
    check("the tests after a few spins");
    for (int i = 0; i < 30; ++i)
        enter({0});
    check("the tests after many zeros");
    control<QTabWidget>(w, "Lapok")->setCurrentIndex(0);
    // Seventeen comes every fourth spin: z figures of two digits, and counts
    // in the thousands.
    QByteArray list;
    for (int i = 0; i < 6000; ++i)
        list += QByteArray::number(i % 4 == 0 ? 17 : i % 37) + "\r\n";
    put(QStringLiteral("rszamok.txt"), list);
    trigger(QStringLiteral("indit"));
    check("after Start");
    enter({0, 0, 0});
    check("after entries");
    for (int i = 0; i < 40; ++i)
        enter({0});
    check("after many zeros");
    for (int i = 0; i < 43; ++i)
        click(QStringLiteral("Command1"));
    check("after undo");
}

// After a spin the table tells its view of the cells whose figures changed,
// every one of them, and never of the bets' names and sizes, which stay.
TEST_F(OddsWindowTest, ASpinRedrawsTheCellsThatChanged)
{
    load(500);
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    auto *table = control<QTableView>(w, "OddsTable");
    const QAbstractItemModel *m = table->model();
    auto texts = [m] {
        QStringList all;
        for (int row = 0; row < m->rowCount(); ++row)
            for (int column = 0; column < m->columnCount(); ++column)
                all << m->index(row, column).data().toString();
        return all;
    };
    QSet<std::pair<int, int>> told;
    QObject::connect(m, &QAbstractItemModel::dataChanged, w,
                     [&told](const QModelIndex &from, const QModelIndex &to) {
                         for (int row = from.row(); row <= to.row(); ++row)
                             for (int column = from.column(); column <= to.column(); ++column)
                                 told.insert({row, column});
                     });
    for (int spun : {17, 0, 17, 32}) {
        SCOPED_TRACE(spun);
        const QStringList before = texts();
        told.clear();
        enter({spun});
        const QStringList after = texts();
        ASSERT_EQ(before.size(), after.size());
        int changed = 0;
        for (int at = 0; at < after.size(); ++at) {
            const int row = at / m->columnCount(), column = at % m->columnCount();
            if (before[at] != after[at]) {
                ++changed;
                EXPECT_TRUE(told.contains({row, column})) << row << " " << column << ": " << after[at].toStdString();
            }
            if (column <= 1) {
                EXPECT_FALSE(told.contains({row, column})) << row << " " << column;
            }
        }
        EXPECT_GT(changed, 55); // the current absence of every bet at least
        EXPECT_LT(int(told.size()), after.size() - 2 * m->rowCount() + 1);
    }
}

TEST_F(OddsWindowTest, TooShortForTheNumberTestBelow185Spins)
{
    load(184);
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(label(w, "TulRovid").contains(u8("184 pörgetés túl kevés")));
    EXPECT_TRUE(cell(w, "BiasTable", u8("A 37 szám"), 1).startsWith(QStringLiteral("<no row")));
    EXPECT_EQ(control<QTableView>(w, "BiasTable")->model()->rowCount(), 7);
    EXPECT_TRUE(label(w, "MintaMeret").contains(QString::fromUtf8("80 %-ában")));
    // The evidence works from the first spin; an even history shows none.
    EXPECT_TRUE(label(w, "Itelet").startsWith(QString::fromUtf8("Ítélet: torzítás nem mutatható ki; a bizonyíték ")));
    EXPECT_TRUE(label(w, "BecslesSzam").startsWith(QString::fromUtf8("Az első 64 pörgetésben"))) << label(w, "BecslesSzam").toStdString();
    EXPECT_TRUE(label(w, "NemAjanlas").contains(QString::fromUtf8("nem tétajánlás")));
    // At its default size, on the page the window opens with, the verdict and
    // what it means for a bet are the first lines, above the bet table.
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    const auto *table = control<QTableView>(w, "OddsTable");
    ASSERT_TRUE(table->isVisible());
    int above = 0;
    for (const char *name : {"Itelet", "NemAjanlas"}) {
        SCOPED_TRACE(name);
        const auto *line = control<QLabel>(w, name);
        EXPECT_TRUE(line->isVisible());
        const QRect shown(line->mapTo(w, QPoint(0, 0)), line->size());
        EXPECT_TRUE(w->rect().contains(shown));
        EXPECT_GE(shown.top(), above);
        EXPECT_LE(shown.bottom(), table->mapTo(w, QPoint(0, 0)).y());
        above = shown.bottom();
    }

    enter({5});
    showTestsPage(w);
    EXPECT_EQ(label(w, "TulRovid"), QString());
    EXPECT_EQ(cell(w, "BiasTable", u8("A 37 szám"), 2), QStringLiteral("36"));
    // The tests for one look: no verdict column, a tooltip for each abbreviation.
    const QAbstractItemModel *bias = control<QTableView>(w, "BiasTable")->model();
    EXPECT_EQ(bias->columnCount(), 5);
    EXPECT_TRUE(bias->headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString().contains(u8("Szabadsági fok")));
    EXPECT_TRUE(bias->headerData(4, Qt::Horizontal, Qt::ToolTipRole).toString().contains(QStringLiteral("Holm")));
}

TEST_F(OddsWindowTest, AnalysesAFileWithJunkWithoutTouchingTheHistory)
{
    enter({3});
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    showFilePage(w);
    put(QStringLiteral("spins.txt"), "\xEF\xBB\xBF" "5;17, 0\r\n36\r\nabc 12\r\n37\r\n9\r\n");
    platform->fileAnswers.push_back(file(QStringLiteral("spins.txt")));
    QTest::mouseClick(control<QAbstractButton>(w, "FajlElemzese"), Qt::LeftButton);
    waitForAnalysis(w);
    ASSERT_EQ(platform->fileDialogs.size(), 1u);
    const QString status = label(w, "FajlAllapot");
    EXPECT_TRUE(status.contains(u8("6 pörgetés"))) << status.toStdString();
    EXPECT_TRUE(status.contains(u8("2 elem nem 0 és 36 közötti szám"))) << status.toStdString();
    EXPECT_TRUE(status.contains(u8("az első a 3. sorban: \"abc\""))) << status.toStdString();
    EXPECT_TRUE(label(w, "FajlBizonyitek").startsWith(u8("Ítélet: "))) << label(w, "FajlBizonyitek").toStdString();
    // What the verdict means, as beside the history's.
    EXPECT_EQ(label(w, "FajlBizonyitekMagyarazat"), label(w, "BizonyitekMagyarazat"));
    EXPECT_EQ(label(w, "FajlNemAjanlas"), label(w, "NemAjanlas"));
    EXPECT_EQ(cell(w, "FajlTetek", QStringLiteral("17"), 2), QStringLiteral("1"));
    EXPECT_EQ(control<QTableView>(w, "FajlTorzitas")->model()->rowCount(), 7);
    EXPECT_FALSE(label(w, "FajlTulRovid").isEmpty());
    // The working history is as it was.
    EXPECT_EQ(text(QStringLiteral("Label5")), QStringLiteral("1"));
    EXPECT_EQ(cell(w, "OddsTable", QStringLiteral("3"), 2), QStringLiteral("1"));

    // Cancel: nothing chosen, nothing happens.
    QTest::mouseClick(control<QAbstractButton>(w, "FajlElemzese"), Qt::LeftButton);
    EXPECT_FALSE(control<FilePanel>(w, "FajlPanel")->running());
}

TEST_F(OddsWindowTest, CancelStopsALongAnalysis)
{
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    // An earlier file's figures first: a cancelled run must not seem to own them.
    showFilePage(w);
    put(QStringLiteral("small.txt"), "5\r\n17\r\n0\r\n17\r\n");
    platform->fileAnswers.push_back(file(QStringLiteral("small.txt")));
    QTest::mouseClick(control<QAbstractButton>(w, "FajlElemzese"), Qt::LeftButton);
    waitForAnalysis(w);
    ASSERT_EQ(cell(w, "FajlTetek", QStringLiteral("17"), 2), QStringLiteral("2"));
    ASSERT_FALSE(label(w, "FajlBizonyitek").isEmpty());
    {
        std::ofstream big(file(QStringLiteral("big.txt")).toStdString(), std::ios::binary);
        const std::string line = "12\r\n";
        for (int i = 0; i < 6'000'000; ++i) // 24 MB
            big << line;
    }
    showFilePage(w);
    platform->fileAnswers.push_back(file(QStringLiteral("big.txt")));
    QTest::mouseClick(control<QAbstractButton>(w, "FajlElemzese"), Qt::LeftButton);
    EXPECT_TRUE(control<QProgressBar>(w, "Folyamat")->isVisible());
    EXPECT_FALSE(control<QAbstractButton>(w, "FajlElemzese")->isEnabled());
    QTest::mouseClick(control<QAbstractButton>(w, "Megszakit"), Qt::LeftButton);
    waitForAnalysis(w);
    EXPECT_TRUE(label(w, "FajlAllapot").contains(u8("Az elemzés megszakadt")));
    EXPECT_FALSE(control<QProgressBar>(w, "Folyamat")->isVisible());
    EXPECT_TRUE(control<QAbstractButton>(w, "FajlElemzese")->isEnabled());
    EXPECT_EQ(control<QTableView>(w, "FajlTetek")->model()->rowCount(), 0);
    EXPECT_EQ(control<QTableView>(w, "FajlTorzitas")->model()->rowCount(), 0);
    EXPECT_TRUE(label(w, "FajlBizonyitek").isEmpty());
    EXPECT_TRUE(label(w, "FajlTulRovid").isEmpty());
}

// "Fájl elemzése…" reads regular files only: a pipe would wait for a writer
// and a device would never end; each is refused at once with a word why.
TEST_F(OddsWindowTest, RefusesWhatIsNotARegularFile)
{
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    showFilePage(w);
    ASSERT_EQ(::mkfifo(QFile::encodeName(file(QStringLiteral("cso.txt"))).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), file(QStringLiteral("nulla.txt"))));
    const struct
    {
        QString path;
        const char *why;
    } refused[] = {
        {file(QStringLiteral("cso.txt")), "csővezeték"},
        {file(QStringLiteral("nulla.txt")), "eszköz"},
        {folder(), "mappa"},
    };
    for (const auto &r : refused) {
        platform->fileAnswers.push_back(r.path);
        QTest::mouseClick(control<QAbstractButton>(w, "FajlElemzese"), Qt::LeftButton);
        waitForAnalysis(w);
        const QString status = label(w, "FajlAllapot");
        EXPECT_TRUE(status.startsWith(u8("A fájl nem elemezhető: "))) << status.toStdString();
        EXPECT_TRUE(status.contains(u8(r.why))) << status.toStdString();
        EXPECT_EQ(control<QTableView>(w, "FajlTetek")->model()->rowCount(), 0);
    }
}

// Every text of the window in English: captions, tabs, labels, the headers
// and their tooltips, the cells, the file's status and the file dialog; not a
// Hungarian letter left but in the French sector names.
TEST_F(OddsWindowTest, SpeaksEnglishEverywhereWhenChosen)
{
    // Hungarian again afterwards, whatever fails: the other tests share the application.
    struct Restore
    {
        const QList<QTranslator *> before = qApp->findChildren<QTranslator *>();
        ~Restore()
        {
            for (QTranslator *translator : qApp->findChildren<QTranslator *>())
                if (!before.contains(translator))
                    QCoreApplication::removeTranslator(translator);
            setTextLanguage(TextLanguage::Hungarian);
        }
    } restore;
    ASSERT_TRUE(installLanguage(*qApp, Language::English));
    enter({17, 17, 0});
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Odds"));
    EXPECT_EQ(cell(w, "OddsTable", QStringLiteral("Red"), 5), QStringLiteral("3"));
    EXPECT_EQ(cell(w, "OddsTable", QStringLiteral("Columns 1+2"), 2), QStringLiteral("2"));
    EXPECT_TRUE(label(w, "Itelet").startsWith(QStringLiteral("Verdict: "))) << label(w, "Itelet").toStdString();
    EXPECT_TRUE(label(w, "TulRovid").startsWith(QStringLiteral("For the test of the 37 numbers, 3 spins are too few")))
        << label(w, "TulRovid").toStdString();
    showFilePage(w);
    put(QStringLiteral("spins.txt"), "5;17, 0\r\n36\r\nabc 12\r\n1234\r\n");
    platform->fileAnswers.push_back(file(QStringLiteral("spins.txt")));
    QTest::mouseClick(control<QAbstractButton>(w, "FajlElemzese"), Qt::LeftButton);
    waitForAnalysis(w);
    EXPECT_EQ(platform->fileDialogs, std::vector<QString>{QStringLiteral("Analyse a spin file")});
    EXPECT_EQ(platform->fileFilters, std::vector<QString>{QStringLiteral("Text (*.txt);;All files (*)")});
    EXPECT_TRUE(label(w, "FajlAllapot").contains(QStringLiteral(": 5 spins. 2 items are not numbers from 0 to 36")))
        << label(w, "FajlAllapot").toStdString();

    QStringList shown{w->windowTitle()};
    for (const QLabel *l : w->findChildren<QLabel *>())
        shown << l->text();
    for (const QAbstractButton *b : w->findChildren<QAbstractButton *>())
        shown << b->text();
    const QTabWidget *tabs = control<QTabWidget>(w, "Lapok");
    for (int i = 0; i < tabs->count(); ++i)
        shown << tabs->tabText(i);
    for (const QTableView *view : w->findChildren<QTableView *>()) {
        const QAbstractItemModel *m = view->model();
        EXPECT_GT(m->rowCount(), 0) << view->objectName().toStdString();
        for (int c = 0; c < m->columnCount(); ++c) {
            shown << m->headerData(c, Qt::Horizontal).toString()
                  << m->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
            for (int r = 0; r < m->rowCount(); ++r)
                shown << m->index(r, c).data().toString();
        }
    }
    const QRegularExpression hungarian(QString::fromUtf8("[áéíóöőúüűÁÉÍÓÖŐÚÜŰ]"));
    for (QString text : shown)
        EXPECT_FALSE(text.remove(QString::fromUtf8("zéro")).contains(hungarian)) << text.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Bias test")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Chance of this\nabsence now")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Hottest arc of 3 (around 17)"))) << shown.join('|').toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Tiers du cylindre")));
}

} // namespace
} // namespace vintaro::test
