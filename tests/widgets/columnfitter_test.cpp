// A column is as wide as its widest figure, however the figure is measured.
#include <QFontMetricsF>
#include <QStandardItemModel>
#include <QTableView>

#include <cmath>
#include <gtest/gtest.h>
#include <random>

#include "widgets/columnfitter.h"

namespace vintaro::test {
namespace {

TEST(ColumnFitter, AFigureIsAsWideAsTheFontSetsIt)
{
    std::mt19937 random(29);
    const QString chars = QStringLiteral("0123456789,.-+% \u202F\u00A0x");
    QFont bold;
    bold.setBold(true);
    QFont large;
    large.setPointSizeF(15.5);
    QFont serif(QStringLiteral("DejaVu Serif"));
    QFont spaced;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 0.7);
    for (const QFont &font : {QFont(), bold, large, serif, spaced}) {
        QStandardItemModel model(1, 1);
        QTableView view;
        view.setModel(&model);
        view.setFont(font);
        ColumnFitter fitter(&view);
        const QFontMetricsF metrics(view.font());
        const int margins = fitter.width(QString());
        for (int i = 0; i < 400; ++i) {
            QString text;
            const int length = 1 + int(random() % 9);
            for (int k = 0; k < length; ++k)
                text += chars[qsizetype(random() % size_t(chars.size() - (i % 4 == 0 ? 0 : 1)))];
            EXPECT_EQ(fitter.width(text) - margins, int(std::ceil(metrics.horizontalAdvance(text))))
                << text.toStdString() << " in " << font.toString().toStdString();
        }
        // Kerning goes by pairs in these fonts: figures are never set whole
        // after the first few.
        EXPECT_TRUE(fitter.summing()) << font.toString().toStdString();
    }
}

} // namespace
} // namespace vintaro::test
