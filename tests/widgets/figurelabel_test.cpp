// A figure label draws the pixels a QLabel draws, for figures and for any
// other text, in every font, alignment, frame and size a window gives it.
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>
#include <random>

#include "widgets/appearance.h"
#include "widgets/figurelabel.h"

namespace vintaro::test {
namespace {

QString figure(std::mt19937 &random)
{
    switch (random() % 6) {
    case 0:
        return QString::number(random() % 37);
    case 1:
        return QString::number(random() % 40000);
    case 2: // as the counts read in Hungarian and English
        return QString::number(random() % 33) + (random() % 2 ? u'\u00A0' : u',') + QStringLiteral("%1").arg(random() % 1000, 3, 10, QChar(u'0'));
    case 3:
        return QStringLiteral("-%1,%2 %").arg(random() % 100).arg(random() % 100);
    case 4: // not figures: QLabel's own drawing
        return QStringLiteral("Terem : %1").arg(random() % 10);
    default:
        return QStringLiteral("+%1.%2").arg(random() % 10).arg(random() % 10);
    }
}

TEST(FigureLabel, DrawsWhatQLabelDraws)
{
    std::mt19937 random(44);
    QFont large;
    large.setPointSizeF(13.2);
    QFont bold;
    bold.setBold(true);
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setPointSize(11);
    const std::array<QFont, 4> fonts = {QFont(), large, bold, serif};
    const std::array<Qt::Alignment, 4> alignments = {Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter,
                                                      Qt::AlignRight | Qt::AlignBottom, Qt::AlignHCenter | Qt::AlignTop};
    for (int round = 0; round < 400; ++round) {
        FigureLabel ours;
        QLabel theirs;
        const QString text = figure(random);
        const int width = 16 + int(random() % 90), height = 12 + int(random() % 34);
        for (QLabel *label : {static_cast<QLabel *>(&ours), &theirs}) {
            label->setFont(fonts[size_t(round) % fonts.size()]);
            label->setAlignment(alignments[size_t(round / 4) % alignments.size()]);
            if (round % 3 == 0) {
                label->setFrameShape(QFrame::Box);
                label->setLineWidth(1);
            }
            if (round % 5 == 0)
                label->setMargin(2);
            if (round % 7 == 0)
                setTextColour(label, QColor(0xff, 0, 0));
            if (round % 4 == 1)
                setBackground(label, QColor(0xe0, 0xe0, 0xd8));
            label->setText(text);
            label->resize(width, height);
        }
        EXPECT_TRUE(ours.grab().toImage() == theirs.grab().toImage())
            << text.toStdString() << " in " << width << "x" << height << ", round " << round;
        // A label drawn once follows a new font.
        if (round % 9 == 0) {
            ours.setFont(fonts[size_t(round + 1) % fonts.size()]);
            theirs.setFont(ours.font());
            EXPECT_TRUE(ours.grab().toImage() == theirs.grab().toImage()) << "new font, round " << round;
        }
    }
}

} // namespace
} // namespace vintaro::test
