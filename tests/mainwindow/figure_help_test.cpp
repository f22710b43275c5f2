// Every figure and column of the companion windows explains itself: a
// tooltip, and a What's This text that starts with it and says what a fair
// wheel shows.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <functional>
#include <vector>

#include "systems/window/rendszerek.h"

#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class FigureHelpTest : public WindowTest
{
};

TEST_F(FigureHelpTest, EveryFigureAndColumnHasATooltipAndAWhatsThisText)
{
    struct Window
    {
        const char *action, *name;
        std::vector<const char *> tables;
        std::vector<const char *> figures;
        // Fills the tables, whose every cell then explains itself as well;
        // none: only the columns do.
        std::function<void(QWidget *)> fill = {};
    };
    // A backtest on the recorded spins and a small simulation.
    const auto playAndSimulate = [](QWidget *w) {
        control<QDoubleSpinBox>(w, "Bank")->setValue(20);
        control<QDoubleSpinBox>(w, "MaxTet")->setValue(4);
        control<QDoubleSpinBox>(w, "Cel")->setValue(10);
        control<QSpinBox>(w, "Porgetesek")->setValue(100);
        control<QSpinBox>(w, "Menetek")->setValue(1000);
        control<QLineEdit>(w, "Mag")->setText(QStringLiteral("5"));
        control<QAbstractButton>(w, "Visszateszt")->click();
        control<QAbstractButton>(w, "Szimulacio")->click();
        auto *window = static_cast<Rendszerek *>(w);
        for (int i = 0; i < 1500 && window->running(); ++i)
            QTest::qWait(20);
        QCoreApplication::processEvents();
        EXPECT_FALSE(window->running());
    };
    const std::vector<Window> windows = {
        {"kerek",
         "Kerek",
         {"SectorTable"},
         {"WheelView", "Heat37", "Heat74", "Heat185", "Heat370", "HeatAll", "HeatAbsence", "LegendCaption",
          "LegendLow", "LegendBar", "LegendHigh", "Chosen", "Neighbours"}},
        {"eselyek",
         "Eselyek",
         {"OddsTable", "BiasTable", "FajlTorzitas"},
         {"Osszesites", "Itelet", "Hordozo", "BecslesSzam", "BecslesIv", "FajlBizonyitek", "FajlAllapot"}},
        {"rendszerek",
         "Rendszerek",
         {"VisszatesztEredmenyek", "Eredmenyek"},
         {"Tet", "TetSzam", "Rendszer", "SajatRendszer", "Egyseg", "Bank", "MinTet", "MaxTet", "Cel", "Porgetesek",
          "Menetek", "Mag", "Kockazat", "CelEsely", "JegyzettPorgetesek", "TokeGrafikon", "Hisztogram", "Valasz",
          "Egyezes", "TokeValasz", "Allapot", "Alapelv"},
         playAndSimulate},
    };
    // Seven blacks in a row double the stake on red past the table maximum:
    // the backtest shows its cut-stake rows too.
    enter({1, 2, 3, 4, 13, 6, 15, 8, 17, 10, 19, 11, 21});
    const auto explains = [](const QString &tip, const QString &whatsThis, const std::string &what) {
        EXPECT_FALSE(tip.isEmpty()) << what;
        EXPECT_TRUE(whatsThis.startsWith(tip) && whatsThis.size() > tip.size()) << what;
        EXPECT_TRUE(whatsThis.contains(QString::fromUtf8("szabályos keréken"), Qt::CaseInsensitive))
            << what << ": " << whatsThis.toStdString();
    };
    for (const Window &w : windows) {
        SCOPED_TRACE(w.name);
        QWidget *window = openWindow(QString::fromLatin1(w.action), w.name);
        ASSERT_NE(window, nullptr);
        if (w.fill)
            w.fill(window);
        for (const char *table : w.tables) {
            const auto *view = control<QAbstractItemView>(window, table);
            ASSERT_NE(view, nullptr);
            const QAbstractItemModel *model = view->model();
            ASSERT_GT(model->columnCount(), 0);
            for (int c = 0; c < model->columnCount(); ++c)
                explains(model->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString(),
                         model->headerData(c, Qt::Horizontal, Qt::WhatsThisRole).toString(),
                         std::string(table) + ": " + model->headerData(c, Qt::Horizontal).toString().toStdString());
            if (!w.fill)
                continue;
            EXPECT_GE(model->rowCount(), 8) << table;
            for (int r = 0; r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c) {
                    const QModelIndex cell = model->index(r, c);
                    explains(cell.data(Qt::ToolTipRole).toString(), cell.data(Qt::WhatsThisRole).toString(),
                             std::string(table) + ": " + model->index(r, 0).data().toString().toStdString());
                }
        }
        for (const char *name : w.figures)
            if (const QWidget *figure = control(window, name))
                explains(figure->toolTip(), figure->whatsThis(), name);
    }
}

} // namespace
} // namespace vintaro::test
