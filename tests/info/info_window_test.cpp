// The information window, opened modally from the "?" menu item.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>

#include <functional>

#include "widgets/appearance.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

QDialog *openInfoWindow() { return openDialog("INFO"); }

// Triggers "?" on `window` and runs `use` on the information window while it
// is open; the window is closed afterwards whatever `use` did.
void whileInfoOpen(Form1 &window, const std::function<void(QDialog *)> &use)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QDialog *info = openInfoWindow();
        seen = info != nullptr;
        if (!info)
            return;
        use(info);
        if (info->isVisible())
            info->reject();
    });
    auto *action = window.findChild<QAction *>(QStringLiteral("doku"));
    ASSERT_NE(action, nullptr);
    action->trigger(); // returns once the modal window is closed
    EXPECT_TRUE(seen) << "the information window did not open";
    EXPECT_EQ(openInfoWindow(), nullptr);
}

QAbstractButton *infoButton(QDialog *info, const char *name)
{
    auto *b = info->findChild<QAbstractButton *>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

using InfoWindowTest = WindowTest;

TEST_F(InfoWindowTest, ShowsItsTextsAndPictureInsideTheirBoxes)
{
    whileInfoOpen(*window, [](QDialog *info) {
        EXPECT_EQ(info->windowTitle(), u8("INFORMÁCIÓ"));
        EXPECT_TRUE(info->isModal());
        EXPECT_EQ(info->size(), QSize(264, 353));
        EXPECT_EQ(infoButton(info, "Command3D1")->text(), u8("Dokumentáció"));
        EXPECT_EQ(infoButton(info, "Command3D2")->text(), u8("Kilép"));

        auto *image = info->findChild<QLabel *>(QStringLiteral("Image1"));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->pixmap().size(), QSize(108, 130));

        auto *name = info->findChild<QLabel *>(QStringLiteral("Label1"));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), QStringLiteral("Vintaro v1.0"));
        for (const char *labelName : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            auto *l = info->findChild<QLabel *>(QLatin1String(labelName));
            ASSERT_NE(l, nullptr) << labelName;
            EXPECT_FALSE(l->text().isEmpty()) << labelName;
            const QRect needed = QFontMetrics(l->font()).boundingRect(
                QRect(0, 0, l->width(), 10000), Qt::AlignHCenter | Qt::TextWordWrap, l->text());
            EXPECT_LE(needed.width(), l->width()) << labelName;
            EXPECT_LE(needed.height(), l->height()) << labelName;
        }
        for (const char *buttonName : {"Command3D1", "Command3D2"}) {
            QAbstractButton *b = infoButton(info, buttonName);
            EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()) + 8, b->width()) << buttonName;
        }
    });
}

TEST_F(InfoWindowTest, DocumentationOpensTheManualEveryTimeAndKilepCloses)
{
    whileInfoOpen(*window, [](QDialog *info) {
        QTest::mouseClick(infoButton(info, "Command3D1"), Qt::LeftButton);
        QTest::mouseClick(infoButton(info, "Command3D1"), Qt::LeftButton);
        EXPECT_TRUE(info->isVisible()); // the window stays open
        QTest::mouseClick(infoButton(info, "Command3D2"), Qt::LeftButton);
        EXPECT_FALSE(info->isVisible());
    });
    ASSERT_EQ(platform->started.size(), 2u);
    for (const Started &s : platform->started) {
        EXPECT_EQ(s.program, QStringLiteral("xdg-open"));
        EXPECT_EQ(s.arguments, QStringList{file(QStringLiteral("Vintaro.doc"))});
    }
    EXPECT_TRUE(QFile::exists(platform->started[0].arguments.value(0)));
}

// The message asks whether to open the built-in manual instead (here: no).
TEST_F(InfoWindowTest, NoProgramToOpenTheManualIsSaidInAMessage)
{
    platform->startSucceeds = false;
    platform->confirmAnswers = {false};
    whileInfoOpen(*window, [](QDialog *info) {
        QTest::mouseClick(infoButton(info, "Command3D1"), Qt::LeftButton);
        EXPECT_TRUE(info->isVisible());
    });
    EXPECT_TRUE(platform->messages.empty());
    ASSERT_EQ(platform->questions.size(), 1u);
    EXPECT_TRUE(platform->questions[0].contains(QStringLiteral("Vintaro.doc")));
    EXPECT_TRUE(platform->questions[0].contains(QStringLiteral("xdg-utils")));
    EXPECT_TRUE(platform->questions[0].contains(QString::fromUtf8("a programban is olvasható")));
}

TEST(InfoWindowFolder, AFolderWithBlanksIsPassedAsOneArgument)
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/Vintaro program XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::copy(QStringLiteral(VINTARO_MANUAL_RTF), dir.filePath(QStringLiteral("Vintaro.doc"))));
    auto fake = std::make_unique<FakePlatform>();
    FakePlatform *platform = fake.get();
    Form1 window(dir.path(), std::move(fake));
    window.show();

    whileInfoOpen(window, [](QDialog *info) {
        QTest::mouseClick(infoButton(info, "Command3D1"), Qt::LeftButton);
    });
    ASSERT_EQ(platform->started.size(), 1u);
    const QString expected = dir.path() + QStringLiteral("/Vintaro.doc");
    ASSERT_TRUE(expected.contains(QLatin1Char(' ')));
    EXPECT_EQ(platform->started[0].arguments, QStringList{expected});
    EXPECT_TRUE(QFile::exists(expected));
}

} // namespace
} // namespace vintaro::test
