// "Előzmény betöltése…" through the menu, driven with keys as a player does:
// a file chosen, its order and room set, the preview read, the spins put
// after the room's saved list or, once the player agrees, in its place.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>

#include "tests/support/typing.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class ImportTest : public WindowTest
{
protected:
    // Chooses the menu item and brings its dialog to the front.
    QDialog *openImport()
    {
        trigger(QStringLiteral("elozmeny"));
        QApplication::processEvents();
        QDialog *dialog = openDialog("Elozmeny");
        EXPECT_NE(dialog, nullptr);
        if (dialog)
            activate(dialog);
        return dialog;
    }
    // Tabs to the control of that name (at most 12 steps).
    static void tabTo(const char *name)
    {
        for (int k = 0; k < 12 && focusName() != QLatin1String(name); ++k)
            press(Qt::Key_Tab);
        ASSERT_EQ(focusName(), QLatin1String(name));
    }
};

TEST_F(ImportTest, AFileChosenAndPreviewedGoesIntoTheRoomInTheOrderChosen)
{
    put(QStringLiteral("rszamok4.txt"), " 5\r\n");
    put(QStringLiteral("tura.txt"), "3\r\n2\r\nx\r\n1\r\n");
    platform->fileAnswers.push_back(file(QStringLiteral("tura.txt")));

    QDialog *dialog = openImport();
    ASSERT_NE(dialog, nullptr);
    tabTo("elozmenyTallozas");
    press(Qt::Key_Space);
    ASSERT_EQ(platform->fileDialogs.size(), 1u);
    tabTo("elozmenySorrend");
    press(Qt::Key_Down); // the newest spin first
    EXPECT_EQ(control<QComboBox>(dialog, "elozmenySorrend")->currentIndex(), 1);
    tabTo("elozmenyTerem");
    for (int k = 0; k < 3; ++k)
        press(Qt::Key_Down);
    EXPECT_EQ(control<QComboBox>(dialog, "elozmenyTerem")->currentText(), QString::fromUtf8("Terem 4."));
    const QString preview = control<QPlainTextEdit>(dialog, "elozmenyElonezet")->toPlainText();
    for (const char *expected : {"Beolvasott pörgetések: 3 (4 sorból)", "A legrégebbiek: 1, 2, 3", "A legújabbak: 1, 2, 3",
                                 "Kihagyott sorok: 1", "nem egész szám: 1 sor (az első a 3. sor)"})
        EXPECT_TRUE(preview.contains(QString::fromUtf8(expected))) << expected << "\n" << preview.toStdString();
    tabTo("elozmenyBetoltes");
    press(Qt::Key_Space);

    EXPECT_EQ(bytes(QStringLiteral("rszamok4.txt")), QByteArray(" 5\r\n 1\r\n 2\r\n 3\r\n"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].icon, Platform::Icon::Information);
    EXPECT_TRUE(platform->messages[0].text.startsWith(QString::fromUtf8("3 pörgetés került a(z) 4. terem")))
        << platform->messages[0].text.toStdString();
    EXPECT_TRUE(platform->questions.empty()); // appending asks nothing
    EXPECT_EQ(openDialog("Elozmeny"), nullptr);

    // Replacing asks first: Cancel changes nothing, OK replaces the list.
    for (const bool agree : {false, true}) {
        SCOPED_TRACE(agree);
        platform->confirmAnswers.push_back(agree);
        dialog = openImport();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(focusName(), QStringLiteral("elozmenyFajl"));
        QTest::keyClicks(QApplication::focusWidget(), file(QStringLiteral("tura.txt")));
        tabTo("elozmenyTerem");
        for (int k = 0; k < 3; ++k)
            press(Qt::Key_Down);
        tabTo("elozmenyHozzafuz"); // Tab stops at the chosen one; an arrow chooses the other
        press(Qt::Key_Down);
        EXPECT_TRUE(control<QAbstractButton>(dialog, "elozmenyCsere")->isChecked());
        tabTo("elozmenyBetoltes");
        press(Qt::Key_Space);
        ASSERT_FALSE(platform->questions.empty());
        EXPECT_TRUE(platform->questions.back().contains(QString::fromUtf8("4. terem mentett listájának 4 pörgetése")))
            << platform->questions.back().toStdString();
        if (!agree) {
            EXPECT_EQ(bytes(QStringLiteral("rszamok4.txt")), QByteArray(" 5\r\n 1\r\n 2\r\n 3\r\n"));
            ASSERT_NE(openDialog("Elozmeny"), nullptr); // the dialog stays for another choice
            tabTo("elozmenyMegse");
            press(Qt::Key_Space);
        }
        EXPECT_EQ(openDialog("Elozmeny"), nullptr);
    }
    EXPECT_EQ(bytes(QStringLiteral("rszamok4.txt")), QByteArray(" 3\r\n 2\r\n 1\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("<missing>"));
}

} // namespace
} // namespace vintaro::test
