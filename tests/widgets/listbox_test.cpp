// A list box draws its lines as Qt's own item delegate draws them, selected
// or not, in any font, however many lines it holds, lines too long for it
// cut short as Qt cuts them.
#include <QImage>
#include <QStringList>
#include <QStyledItemDelegate>

#include <gtest/gtest.h>
#include <random>

#include "widgets/linesmodel.h"
#include "widgets/listbox.h"

namespace vintaro::test {
namespace {

TEST(ListBox, DrawsItsLinesAsQtsDelegateDoes)
{
    std::mt19937 random(1);
    QFont bold;
    bold.setBold(true);
    QFont large;
    large.setPointSizeF(13.5);
    for (int round = 0; round < 40; ++round) {
        QStringList lines;
        const int count = int(random() % 300);
        for (int i = 0; i < count; ++i)
            lines << (random() % 5 ? QStringLiteral("%1    %2").arg(i + 1, 4).arg(random() % 37)
                                   : QStringLiteral("%1 - %2 %3").arg(i + 1).arg(random() % 37).arg(QString(int(random() % 30), u'x')));
        LinesModel model;
        model.setLines(lines);
        ListBox box;
        box.setModel(&model);
        box.resize(80 + int(random() % 60), 40 + int(random() % 120));
        if (round % 3 == 1)
            box.setFont(bold);
        else if (round % 3 == 2)
            box.setFont(large);
        box.setTopIndex(count ? int(random() % count) : 0);
        if (count && random() % 2)
            box.setCurrentIndex(model.index(box.topIndex() + int(random() % 3), 0));
        const QImage drawn = box.grab().toImage();
        box.setItemDelegate(new QStyledItemDelegate(&box));
        EXPECT_TRUE(drawn == box.grab().toImage()) << "round " << round;
    }
}

} // namespace
} // namespace vintaro::test
