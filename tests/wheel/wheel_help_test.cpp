// Every figure and column of the wheel window explains itself: a tooltip,
// and a What's This text that also says what a fair wheel shows.
#include <QAbstractItemView>

#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class WheelHelpTest : public WindowTest
{
};

TEST_F(WheelHelpTest, EveryFigureAndColumnHasATooltipAndAWhatsThisText)
{
    QWidget *wheel = openWindow(QStringLiteral("kerek"), "Kerek");
    ASSERT_NE(wheel, nullptr);
    const auto explains = [](const QString &tip, const QString &whatsThis, const std::string &what) {
        EXPECT_FALSE(tip.isEmpty()) << what;
        EXPECT_TRUE(whatsThis.startsWith(tip)) << what;
        EXPECT_TRUE(whatsThis.contains(QString::fromUtf8("szabályos keréken"), Qt::CaseInsensitive))
            << what << ": " << whatsThis.toStdString();
    };
    const QAbstractItemModel *model = control<QAbstractItemView>(wheel, "SectorTable")->model();
    ASSERT_EQ(model->columnCount(), 5);
    for (int c = 0; c < model->columnCount(); ++c)
        explains(model->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 model->headerData(c, Qt::Horizontal, Qt::WhatsThisRole).toString(),
                 model->headerData(c, Qt::Horizontal).toString().toStdString());
    for (const char *name : {"WheelView", "Heat37", "Heat74", "Heat185", "Heat370", "HeatAll", "HeatAbsence",
                             "LegendCaption", "LegendLow", "LegendBar", "LegendHigh", "Chosen", "Neighbours"}) {
        const QWidget *figure = control(wheel, name);
        if (figure)
            explains(figure->toolTip(), figure->whatsThis(), name);
    }
}

} // namespace
} // namespace vintaro::test
