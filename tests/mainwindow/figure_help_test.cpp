// Every figure and column of the companion windows explains itself: a
// tooltip, and a What's This text that starts with it and says what a fair
// wheel shows.
#include <QAbstractItemView>

#include <vector>

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
    };
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
        for (const char *table : w.tables) {
            const auto *view = control<QAbstractItemView>(window, table);
            ASSERT_NE(view, nullptr);
            const QAbstractItemModel *model = view->model();
            ASSERT_GT(model->columnCount(), 0);
            for (int c = 0; c < model->columnCount(); ++c)
                explains(model->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString(),
                         model->headerData(c, Qt::Horizontal, Qt::WhatsThisRole).toString(),
                         std::string(table) + ": " + model->headerData(c, Qt::Horizontal).toString().toStdString());
        }
        for (const char *name : w.figures)
            if (const QWidget *figure = control(window, name))
                explains(figure->toolTip(), figure->whatsThis(), name);
    }
}

} // namespace
} // namespace vintaro::test
