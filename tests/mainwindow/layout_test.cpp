// The main window's controls stand where they belong and every caption fits.
#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QFontMetrics>
#include <QMenu>
#include <QRadioButton>

#include "widgets/appearance.h"
#include "widgets/qttexts.h"
#include "widgets/sscommand.h"
#include "widgets/twips.h"
#include "tests/support/windowfixture.h"

using namespace vintaro;
using namespace vintaro::test;

namespace {

class LayoutTest : public WindowTest
{
protected:
    QPoint at(const QString &name) const { return child(name)->geometry().topLeft(); }
};

} // namespace

TEST_F(LayoutTest, WindowCaptionAndClientArea)
{
    EXPECT_EQ(window->objectName(), "Form1");
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("  Vintaro v1.0") + QString(113, QLatin1Char(' ')) + QStringLiteral("Pelmondo/2011"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(twips(11850), twips(7110)));
}

TEST_F(LayoutTest, GridsAndRowsStandAtTheirPlaces)
{
    EXPECT_EQ(at("Command3D1(36)"), QPoint(twips(6870), twips(1425)));
    EXPECT_EQ(at("Command3D1(1)"), QPoint(twips(1260), twips(2235)));
    EXPECT_EQ(at("Command3D1(2)"), QPoint(twips(1260), twips(1830)));
    EXPECT_EQ(at("Command3D1(0)"), QPoint(twips(750), twips(1830)));
    EXPECT_EQ(at("Command3D3(1)"), QPoint(twips(1260), twips(3945)));
    EXPECT_EQ(at("Command3D3(36)"), QPoint(twips(6870), twips(3135)));
    EXPECT_EQ(at("Command8(11)"), QPoint(twips(7035), twips(2805)));
    EXPECT_EQ(at("Label25(36)"), QPoint(twips(11455), twips(200)));
    EXPECT_EQ(at("Label26(36)"), QPoint(twips(11435), twips(555)));
    EXPECT_EQ(at("Label7(13)"), QPoint(twips(9330), twips(5880)));
    EXPECT_EQ(child("Command3D1(17)")->size(), QSize(twips(510), twips(405)));
}

TEST_F(LayoutTest, CaptionsAndStartUpTexts)
{
    EXPECT_EQ(button("Command3D1(7)")->text(), "7"); // no blanks at start-up
    EXPECT_EQ(button("Command3D3(7)")->text(), "7");
    EXPECT_EQ(text("Label6(12)"), "Oszlop  P M");
    EXPECT_EQ(text("Label6(13)"), "Oszlop  M D");
    EXPECT_EQ(text("Label2"), QString::fromUtf8("Pörgetett szám:"));
    EXPECT_EQ(button("Command12")->text(), QString::fromUtf8("Kijelölés töröl"));
    EXPECT_EQ(button("Command12")->toolTip(), QString::fromUtf8(" Kijelölés törlése "));
    EXPECT_EQ(child("Label20")->toolTip(), QString::fromUtf8(" Max. kimarad. ssz. "));
    auto *all = child<QRadioButton>("Option1(14)");
    EXPECT_TRUE(all->isChecked());
    EXPECT_EQ(all->text(), QString::fromUtf8(" A bejelölt szám(ok) gyakorisági grafikonja "));
    EXPECT_FALSE(child("Command13")->isVisible());
    EXPECT_FALSE(child("List3")->isVisible());
    EXPECT_TRUE(child("List1")->isVisible());
}

TEST_F(LayoutTest, RedNumbersCarryTheRedPictureOnTheEntryGridOnly)
{
    for (int n = 0; n <= 36; ++n) {
        auto *entry = child<SSCommand>(QStringLiteral("Command3D1(%1)").arg(n));
        auto *select = child<SSCommand>(QStringLiteral("Command3D3(%1)").arg(n));
        EXPECT_EQ(!entry->icon().isNull(), isRed(n)) << n;
        EXPECT_TRUE(select->icon().isNull()) << n;
        EXPECT_EQ(entry->palette().color(QPalette::ButtonText), QColor(0, 0, 0));
    }
    for (int n = 1; n <= 36; ++n)
        EXPECT_EQ(child(QStringLiteral("Label25(%1)").arg(n))->palette().color(QPalette::WindowText),
                  isRed(n) ? QColor(255, 0, 0) : QColor(0, 0, 0))
            << n;
}

TEST_F(LayoutTest, MenuBar)
{
    auto actionText = [this](const char *name) {
        auto *a = window->findChild<QAction *>(QLatin1String(name));
        EXPECT_NE(a, nullptr) << name;
        return a ? a->text() : QString();
    };
    EXPECT_EQ(actionText("indit"), "  Start");
    EXPECT_EQ(actionText("teljes"), "Teljes");
    EXPECT_EQ(actionText("ttorles"), QString::fromUtf8("Teljes törlés"));
    EXPECT_EQ(actionText("utolso"), QString::fromUtf8("Utolsó "));
    EXPECT_EQ(actionText("terem1"), "Terem 1.");
    EXPECT_EQ(actionText("terem10"), "Terem 10.");
    EXPECT_EQ(actionText("interval5x"), "5-s intervallum");
    EXPECT_EQ(actionText("jobbra1"), QString(117, QLatin1Char(' ')));
    EXPECT_EQ(actionText("jobbra2"), QString(5, QLatin1Char(' ')));
    EXPECT_EQ(actionText("doku"), "?");
    EXPECT_EQ(window->findChild<QMenu *>("szukites")->title(), QString::fromUtf8("Szűkít"));
    EXPECT_EQ(window->findChild<QMenu *>("tvalaszt")->title(), QString::fromUtf8("Terem választás"));
}

TEST_F(LayoutTest, EveryCaptionFitsItsBox)
{
    // Widest texts a label can show: its caption; five-digit counts in the
    // wider value boxes, four-digit absences in the narrow ones.
    for (QLabel *label : window->centralWidget()->findChildren<QLabel *>()) {
        const QFontMetrics metrics(label->font());
        const int room = label->contentsRect().width();
        const std::string name = label->objectName().toStdString();
        EXPECT_LE(metrics.horizontalAdvance(label->text()), room) << name;
        if (label->frameShape() != QFrame::Box || label->width() < twips(435))
            continue;
        const QString widest = label->width() >= twips(570) ? QStringLiteral("32736") : QStringLiteral("9999");
        EXPECT_LE(metrics.horizontalAdvance(widest), room) << name;
    }
    for (QAbstractButton *b : window->centralWidget()->findChildren<QAbstractButton *>()) {
        if (b->text().isEmpty())
            continue;
        const QFontMetrics metrics(b->font());
        const int indicator = qobject_cast<QRadioButton *>(b) ? 20 : 4;
        EXPECT_LE(metrics.horizontalAdvance(b->text()) + indicator, b->width()) << b->objectName().toStdString();
    }
}

TEST_F(LayoutTest, TheFontIsLiberationSansByItsFileAndQtSpeaksHungarian)
{
    // Loaded from Debian's fonts-liberation2, not a look-alike by fontconfig.
    QString warning;
    ASSERT_TRUE(loadProgramFont(QString::fromLatin1(kLiberationFolder), &warning));
    EXPECT_TRUE(warning.isEmpty());
    EXPECT_EQ(QFontInfo(child<QLabel>(QStringLiteral("Label6(0)"))->font()).family(), QStringLiteral("Liberation Sans"));
    // Without it: a Hungarian line for standard error naming the package.
    QTemporaryDir empty;
    EXPECT_FALSE(loadProgramFont(empty.path(), &warning));
    EXPECT_TRUE(warning.contains(QStringLiteral("fonts-liberation2"))) << warning.toStdString();
    EXPECT_TRUE(warning.contains(QString::fromUtf8("betűtípus"))) << warning.toStdString();

    // Qt's own buttons and dialogs (qt6-translations-l10n): Hungarian.
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QString::fromUtf8("Mégse"));
    EXPECT_EQ(box.button(QDialogButtonBox::Save)->text().remove(QLatin1Char('&')), QString::fromUtf8("Mentés"));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
    EXPECT_FALSE(installQtHungarian(*QCoreApplication::instance(), empty.path()));
}

// The absences change with every spin and are repainted alone, filling in
// the face beneath them: the screen is what a repaint of the whole window
// draws, and what the face would have shown under them.
TEST_F(LayoutTest, SpinsRepaintWhatTheyChangeAndOnlyThat)
{
    QWidget *client = window->centralWidget();
    for (int n : {17, 0, 5, 17, 32, 36, 1})
        enter({n});
    EXPECT_EQ(text(QStringLiteral("Label26(17)")), QStringLiteral("3")); // 32, 36 and 1 since
    const QImage shown = onScreen(client);
    EXPECT_TRUE(shown == drawnAfresh(client)) << "the screen is not the window drawn afresh";
    for (int n = 1; n <= 36; ++n) {
        auto *absence = child<QLabel>(QStringLiteral("Label26(%1)").arg(n));
        EXPECT_TRUE(absence->autoFillBackground());
        absence->setAutoFillBackground(false);
    }
    EXPECT_TRUE(shown == drawnAfresh(client)) << "the filled face differs from the face";
}
