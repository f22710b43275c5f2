// With English chosen no window speaks Hungarian: every text a player can
// read in the main window and its companions (captions, titles, tooltips,
// the cells and headers of every table and list, the menus) and every
// message, question and prompt of the common actions; and in both languages
// every caption of the fixed layouts fits its box.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMetaProperty>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

#include <functional>

#include "translations/language.h"
#include "widgets/twips.h"
#include "tests/support/windowfixture.h"

using namespace vintaro;
using namespace vintaro::test;

namespace {

// Texts that speak both languages at once, or French: allowed anywhere.
const QStringList kAllowed = {QStringLiteral("Nyelv / Language"), QStringLiteral("Magyar"),
                              QString::fromUtf8("A program leáll, majd újraindul a választott nyelven !"),
                              QString::fromUtf8("Voisins du zéro"), QString::fromUtf8("Jeu zéro")};

// Hungarian words without an accent that an English window must not show.
const QStringList kHungarianWords = {"terem", "start", "fekete", "piros", "magas", "alacsony", "oszlop",
                                     "harmad", "utca", "grafikon", "rendez", "alkalmaz", "kilep", "zseb",
                                     "maxkh", "kimarad", "vizsgal", "szukit", "teljes", "nincs", "mentes",
                                     "kerek", "tipus", "klikk", "valt", "licenc", "szam"};

// What is Hungarian in `text`: an accented letter or one of the words; empty
// when nothing is.
QString hungarianIn(QString text)
{
    for (const QString &allowed : kAllowed)
        text.remove(allowed);
    static const QString accented = QString::fromUtf8("áéíóöőúüűÁÉÍÓÖŐÚÜŰ");
    for (const QChar c : text)
        if (accented.contains(c))
            return text;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    for (auto it = word.globalMatch(text); it.hasNext();)
        if (kHungarianWords.contains(it.next().captured().toLower()))
            return text;
    return {};
}

// Every text a player can read on `widget` and its children.
QStringList readableTexts(QWidget *widget)
{
    QStringList texts;
    QList<QObject *> objects{widget};
    for (QObject *o : widget->findChildren<QObject *>())
        objects << o;
    for (QObject *o : objects) {
        // Every text property: text, windowTitle, toolTip, whatsThis,
        // placeholderText, title, statusTip, a painted widget's own texts...
        const QMetaObject *meta = o->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty p = meta->property(i);
            const QByteArray name = p.name();
            if (name == "objectName" || name == "styleSheet" || !p.isReadable())
                continue;
            const QVariant value = p.read(o);
            if (p.typeId() == QMetaType::QString)
                texts << value.toString();
            else if (p.typeId() == QMetaType::QStringList)
                texts << value.toStringList();
        }
        if (auto *w = qobject_cast<QWidget *>(o))
            for (QAction *a : w->actions())
                texts << a->text() << a->toolTip() << a->whatsThis() << a->statusTip();
        if (auto *combo = qobject_cast<QComboBox *>(o))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto *view = qobject_cast<QAbstractItemView *>(o); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int c = 0; c < model->columnCount(); ++c)
                texts << model->headerData(c, Qt::Horizontal).toString()
                      << model->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
            for (int r = 0; r < model->rowCount(); ++r) {
                texts << model->headerData(r, Qt::Vertical).toString()
                      << model->headerData(r, Qt::Vertical, Qt::ToolTipRole).toString();
                for (int c = 0; c < model->columnCount(); ++c)
                    texts << model->index(r, c).data().toString()
                          << model->index(r, c).data(Qt::ToolTipRole).toString();
            }
        }
    }
    texts.removeAll(QString());
    return texts;
}

// The texts of `window` that are Hungarian, one line each.
std::string hungarianTexts(QWidget *window)
{
    QStringList found;
    for (const QString &t : readableTexts(window))
        if (!hungarianIn(t).isEmpty())
            found << t;
    found.removeDuplicates();
    return found.join(QStringLiteral(" | ")).toStdString();
}

// The captions of a fixed layout that do not fit their boxes: labels on one
// line (or wrapped within their height), buttons and option buttons.
QStringList overflowing(QWidget *window)
{
    QStringList wide;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(window))
            continue;
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        const bool fits = label->wordWrap()
                              ? metrics.boundingRect(room, Qt::TextWordWrap, label->text()).height() <= room.height()
                              : metrics.horizontalAdvance(label->text()) <= room.width();
        if (!fits)
            wide << label->objectName() + QStringLiteral(": ") + label->text();
    }
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (b->text().isEmpty())
            continue;
        const int indicator = qobject_cast<QRadioButton *>(b) ? 20 : 4;
        if (QFontMetrics(b->font()).horizontalAdvance(b->text()) + indicator > b->width())
            wide << b->objectName() + QStringLiteral(": ") + b->text();
    }
    return wide;
}

TEST(EnglishTextCheck, FindsHungarianLeavesEnglishAndTheFrenchSectors)
{
    const std::vector<std::pair<const char *, bool>> cases = {
        {"  Start", true},          {"Terem 3.", true},     {"Oszlop  P M", true},   {"Kilép", true},
        {"Hits in the last", false}, {"Voisins du zéro / Jeu zéro", false},     {"Low (1-18)", false},
        {"The program stops and starts again!", false},    {"Nyelv / Language", false},
    };
    for (const auto &[text, hungarian] : cases)
        EXPECT_EQ(!hungarianIn(QString::fromUtf8(text)).isEmpty(), hungarian) << text;
}

class EnglishWindowsTest : public WindowTest
{
protected:
    void SetUp() override
    {
        // Qt's own texts in English too, as the program has them with
        // English chosen: the Hungarian ones of the test run step aside.
        for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(t);
            m_qtHungarian << t;
        }
        ASSERT_TRUE(installLanguage(*qApp, Language::English));
        for (QTranslator *t : qApp->findChildren<QTranslator *>())
            if (!m_qtHungarian.contains(t))
                m_english << t;
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        closeCompanions();
        WindowTest::TearDown();
        speakHungarian();
    }
    void speakHungarian()
    {
        // Installing a language deletes the program's translator before it:
        // only those still alive are removed here.
        for (const QPointer<QTranslator> &t : m_english)
            if (t) {
                QCoreApplication::removeTranslator(t);
                delete t;
            }
        m_english.clear();
        // Hungarian as the program installs it: Qt's Hungarian texts anew.
        for (const QPointer<QTranslator> &t : m_qtHungarian)
            delete t.data();
        m_qtHungarian.clear();
        installLanguage(*qApp, Language::Hungarian);
        EXPECT_EQ(installedLanguage(), Language::Hungarian);
    }
    static void closeCompanions()
    {
        for (const char *name : {"Interval5", "Kerek", "Eselyek", "Rendszerek", "Naplo", "Elozmeny"})
            for (QWidget *w : openWindows(name))
                w->close();
        QCoreApplication::processEvents();
    }
    // Spins, a group analysis and a marked number, so that the lists, the
    // reports and the tooltips have something to say.
    void play()
    {
        enter({5, 17, 0, 32, 17, 9, 22, 36, 1, 14, 30, 17, 8, 26});
        click(QStringLiteral("Command3"));
        click(QStringLiteral("Command3D3(17)"));
        QTest::mouseMove(button(QStringLiteral("Command3D3(17)")));
    }
    // The modal window `objectName` that `open` shows, handed to `look`
    // while it is open, then closed.
    static void whileModal(const char *objectName, const std::function<void()> &open,
                           const std::function<void(QWidget *)> &look)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QDialog *dialog = openDialog(objectName);
            seen = dialog != nullptr;
            if (dialog) {
                look(dialog);
                dialog->reject();
            }
        });
        open();
        EXPECT_TRUE(seen) << objectName;
    }

    QList<QPointer<QTranslator>> m_english;
    QList<QPointer<QTranslator>> m_qtHungarian;
};

TEST_F(EnglishWindowsTest, NoWindowNorMessageSpeaksHungarian)
{
    play();
    struct Case
    {
        const char *window;  // objectName of the window
        const char *opener;  // the menu item that opens it; none: the main window
    };
    const std::vector<Case> companions = {{"Form1", nullptr},        {"Interval5", "interval5x"},
                                          {"Kerek", "kerek"},        {"Eselyek", "eselyek"},
                                          {"Rendszerek", "rendszerek"}, {"Naplo", "naplo"},
                                          {"Elozmeny", "elozmeny"}};
    for (const Case &c : companions) {
        if (c.opener)
            trigger(QString::fromLatin1(c.opener));
        QCoreApplication::processEvents(); // a dialog opens on the next turn of the event loop
        const QList<QWidget *> windows = openWindows(c.window);
        QWidget *shown = c.opener ? windows.value(0) : window.get();
        ASSERT_NE(shown, nullptr) << c.window;
        if (QString::fromLatin1(c.window) == QLatin1String("Interval5"))
            QTest::mouseClick(control<QAbstractButton>(shown, "Command3D3"), Qt::LeftButton);
        EXPECT_EQ(hungarianTexts(shown), "") << c.window;
    }
    // The menus of the main window, item by item.
    for (QMenu *menu : window->menuBar()->findChildren<QMenu *>())
        EXPECT_EQ(hungarianIn(menu->title()).toStdString(), "") << menu->objectName().toStdString();
    for (QAction *a : window->menuBar()->actions())
        EXPECT_EQ(hungarianIn(a->text() + a->toolTip()).toStdString(), "") << a->objectName().toStdString();

    // The modal windows: the chart and INFO.
    const auto noHungarian = [](QWidget *w) { EXPECT_EQ(hungarianTexts(w), "") << w->objectName().toStdString(); };
    whileModal("diagramm", [this] { click(QStringLiteral("Command18")); }, noHungarian);
    platform->startSucceeds = false; // the manual without a program to open it
    whileModal("INFO", [this] { trigger(QStringLiteral("doku")); }, [&](QWidget *info) {
        noHungarian(info);
        QTest::mouseClick(control<QAbstractButton>(info, "Command3D1"), Qt::LeftButton);
    });

    // The message boxes and the input dialog of the common actions, as the
    // platform was asked to show them.
    put(QStringLiteral("rszamok2.txt"), "5\r\n17\r\n");
    setRoomBox(QStringLiteral("2"));
    platform->confirmAnswers = {false, false, false, true};
    click(QStringLiteral("Command3D2"));          // exit with unsaved spins
    trigger(QStringLiteral("terem3"));            // switching room with them
    trigger(QStringLiteral("ttorles"));           // deleting the room's list
    trigger(QStringLiteral("utolso"));            // narrowing: the input dialog
    setRoomBox(QStringLiteral("x"));
    click(QStringLiteral("Command15"));           // saving to a bad room
    trigger(QStringLiteral("exportcsv"));         // the export's file dialog
    QStringList shownTexts;
    for (const Shown &m : platform->messages)
        shownTexts << m.text;
    for (const auto *recorded : {&platform->questions, &platform->prompts, &platform->fileDialogs, &platform->fileFilters})
        shownTexts << QStringList(recorded->begin(), recorded->end());
    EXPECT_GE(shownTexts.size(), 9) << shownTexts.join(QLatin1Char('\n')).toStdString();
    for (const QString &t : shownTexts)
        EXPECT_EQ(hungarianIn(t).toStdString(), "");
}

TEST_F(EnglishWindowsTest, KeyTextsReadAsAnEnglishPlayerExpects)
{
    play();
    // Written out by hand: the statistics table, the menu and the buttons.
    const std::vector<std::pair<const char *, const char *>> labels = {
        {"Label6(0)", "Black"}, {"Label6(1)", "Red"}, {"Label6(4)", "1st dozen"}, {"Label6(10)", "Even"},
        {"Label19", "Room :"},
    };
    for (const auto &[name, expected] : labels)
        EXPECT_EQ(text(QLatin1String(name)), QLatin1String(expected)) << name;
    EXPECT_EQ(button(QStringLiteral("Command15"))->text(), QStringLiteral("Save"));
    EXPECT_EQ(button(QStringLiteral("Command3D2"))->text(), QStringLiteral("Exit"));
    EXPECT_EQ(window->findChild<QAction *>(QStringLiteral("terem3"))->text(), QStringLiteral("Room 3"));
    EXPECT_EQ(window->findChild<QMenu *>(QStringLiteral("eszkozok"))->title(), QStringLiteral("Tools"));
    // A count in English grouping, with the plural of its word.
    QWidget *wheel = openWindow(QStringLiteral("kerek"), "Kerek");
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(control<QWidget>(wheel, "WheelView")->property("centreText").toString(), QStringLiteral("14 spins"));
    const QStringList tips = control<QWidget>(wheel, "WheelView")->property("pocketTips").toStringList();
    ASSERT_EQ(tips.size(), 37);
    EXPECT_EQ(tips[17], QStringLiteral("17: 3 hits"));
    EXPECT_EQ(tips[5], QStringLiteral("5: 1 hit"));
}

TEST_F(EnglishWindowsTest, EveryFixedCaptionFitsInBothLanguages)
{
    for (const bool english : {true, false}) {
        if (!english) {
            speakHungarian();
            recreateWindow();
        }
        const char *language = english ? "English" : "Hungarian";
        play();
        EXPECT_EQ(text(QStringLiteral("Label6(0)")), english ? QStringLiteral("Black") : QStringLiteral("Fekete"));
        EXPECT_EQ(overflowing(window->centralWidget()).join(QStringLiteral(" | ")).toStdString(), "") << language;
        // The menu bar keeps its one line, "?" at the right end within it.
        QMenuBar *bar = window->menuBar();
        const QList<QAction *> items = bar->actions();
        for (QAction *a : items) {
            const QRect at = bar->actionGeometry(a);
            EXPECT_EQ(at.top(), bar->actionGeometry(items.first()).top()) << language << a->objectName().toStdString();
            EXPECT_LE(at.right(), bar->width()) << language << a->objectName().toStdString();
        }
        QWidget *intervals = openWindow(QStringLiteral("interval5x"), "Interval5");
        ASSERT_NE(intervals, nullptr);
        EXPECT_EQ(overflowing(intervals).join(QStringLiteral(" | ")).toStdString(), "") << language;
        whileModal("INFO", [this] { trigger(QStringLiteral("doku")); },
                   [language](QWidget *info) { EXPECT_EQ(overflowing(info).join(QStringLiteral(" | ")).toStdString(), "") << language; });
        closeCompanions();
    }
}

} // namespace
