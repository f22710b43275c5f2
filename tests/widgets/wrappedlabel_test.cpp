// A wrapped label takes the room a word-wrapped QLabel takes, whatever its
// text, font, margins and width, and whatever it measured before.
#include <QLabel>
#include <QVBoxLayout>

#include <array>
#include <gtest/gtest.h>
#include <random>

#include "widgets/wrappedlabel.h"

namespace vintaro::test {
namespace {

QString sentence(std::mt19937 &random, bool marked)
{
    // The last three are measured by QLabel itself: markup, a mnemonic, a tab.
    static const QStringList words = {
        QStringLiteral("A"),          QStringLiteral("pörgetés"),    QStringLiteral("kihagyás,"),
        QStringLiteral("32 736"),     QStringLiteral("esély:"),      QStringLiteral("Voisins du zéro"),
        QStringLiteral("1–12"),       QStringLiteral("(0,0031 %)"), QStringLiteral("ugyanígy."),
        QStringLiteral("legnagyobb"), QStringLiteral("Tiers"),       QStringLiteral("\n"),
        QStringLiteral("Szélsőségesen-hosszú-összetett-szó"), QStringLiteral(" "), QStringLiteral("<b>"),
        QStringLiteral("&x"), QStringLiteral("\t")};
    QString text;
    const int count = int(random() % 40);
    for (int i = 0; i < count; ++i)
        text += words[qsizetype(random() % size_t(words.size() - (marked ? 0 : 3)))] + u' ';
    return text;
}

TEST(WrappedLabel, TakesTheRoomOfAWrappedQLabel)
{
    std::mt19937 random(2026);
    QFont large;
    large.setPointSizeF(13.2);
    QFont bold;
    bold.setBold(true);
    for (int round = 0; round < 300; ++round) {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *ours = new WrappedLabel(&window);
        auto *theirs = new QLabel(&window);
        theirs->setWordWrap(true);
        layout->addWidget(ours);
        layout->addWidget(theirs);
        const QFont font = round % 3 == 0 ? large : round % 3 == 1 ? bold : QFont();
        const int margin = round % 4 == 0 ? 3 : 0;
        const QMargins contents = round % 5 == 0 ? QMargins(2, 1, 4, 3) : QMargins();
        const int indent = round % 7 == 0 ? 9 : -1;
        const Qt::Alignment align = round / 3 % 3 == 0   ? Qt::AlignHCenter | Qt::AlignTop
                                    : round / 3 % 3 == 1 ? Qt::AlignRight | Qt::AlignBottom
                                                         : Qt::AlignLeft | Qt::AlignVCenter;
        for (QLabel *label : {static_cast<QLabel *>(ours), theirs}) {
            label->setFont(font);
            label->setMargin(margin);
            label->setContentsMargins(contents);
            label->setIndent(indent);
            label->setAlignment(align);
            if (round % 11 == 0)
                label->setMinimumWidth(140);
        }
        // Twice with each text: the second answers come from what was kept,
        // and a new text is measured anew.
        for (int text = 0; text < 2; ++text) {
            const QString line = sentence(random, round % 10 == 0);
            ours->setText(line);
            theirs->setText(line);
            for (int pass = 0; pass < 2; ++pass) {
                SCOPED_TRACE(line.toStdString());
                EXPECT_EQ(ours->sizeHint(), theirs->sizeHint());
                EXPECT_EQ(ours->minimumSizeHint(), theirs->minimumSizeHint());
                // As many widths as a label keeps, so that the second pass
                // finds them.
                const std::array<int, 8> widths = {0, 1, 37, 120, 233, 360, 641, 2000};
                for (int k = 0; k < 4; ++k) {
                    const int width = widths[size_t(round + 3 * k) % widths.size()];
                    EXPECT_EQ(ours->heightForWidth(width), theirs->heightForWidth(width)) << width;
                }
            }
            // It draws QLabel's pixels: the whole text, the text cut short by
            // a lower box, and the text placed in a higher one.
            const int width = 60 + int(random() % 600);
            const int height = std::max(1, theirs->heightForWidth(width) + int(random() % 41) - 20);
            layout->setEnabled(false); // the two keep the size given them
            ours->resize(width, height);
            theirs->resize(width, height);
            ASSERT_EQ(ours->size(), theirs->size());
            EXPECT_TRUE(ours->grab().toImage() == theirs->grab().toImage()) << width << "x" << height;
        }
    }
}

// A label whose hints follow its font keeps them whatever it reads, and a
// layout still gives it the height of its whole text at the width it has.
TEST(WrappedLabel, HintsFromTheFontStayPutAndTheTextStillFits)
{
    std::mt19937 random(8);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *ours = new WrappedLabel(&window);
    ours->setHintsFromFont(true);
    layout->addWidget(ours);
    layout->addStretch(1);
    QLabel reference;
    reference.setWordWrap(true);
    ours->setText(QStringLiteral("x"));
    const QSize hint = ours->sizeHint(), least = ours->minimumSizeHint();
    EXPECT_GE(hint.width(), least.width());
    EXPECT_GE(least.height(), QFontMetrics(ours->font()).height());
    for (int round = 0; round < 40; ++round) {
        const QString line = sentence(random, false);
        ours->setText(line);
        reference.setText(line);
        EXPECT_EQ(ours->sizeHint(), hint) << line.toStdString();
        EXPECT_EQ(ours->minimumSizeHint(), least) << line.toStdString();
        const int width = 180 + int(random() % 500);
        window.resize(width, 2000);
        layout->activate();
        EXPECT_EQ(ours->height(), reference.heightForWidth(ours->width())) << line.toStdString();
    }
}

// A label that keeps room for two lines is as high as two lines of its font
// with a short text, and as its text with a longer one.
TEST(WrappedLabel, KeepsRoomForTheLinesAskedFor)
{
    std::mt19937 random(12);
    WrappedLabel ours;
    ours.setLeastLines(2);
    ours.setMargin(2);
    QLabel reference;
    reference.setWordWrap(true);
    reference.setMargin(2);
    reference.setText(QStringLiteral("Ítélet\nszabályos"));
    for (int round = 0; round < 40; ++round) {
        const QString line = sentence(random, false);
        ours.setText(line);
        const int width = 120 + int(random() % 600);
        QLabel alone;
        alone.setWordWrap(true);
        alone.setMargin(2);
        alone.setText(line);
        EXPECT_EQ(ours.heightForWidth(width), std::max(alone.heightForWidth(width), reference.heightForWidth(width)))
            << line.toStdString() << " at " << width;
    }
}

} // namespace
} // namespace vintaro::test
