// The built-in manual: F1 opens it at the page of the window in front, its
// index names every control and menu item the windows have, and its pages
// hold no broken link or missing picture.
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

#include "info/helpbrowser.h"
#include "tests/support/typing.h"
#include "tests/support/windowfixture.h"
#include "translations/language.h"

namespace vintaro::test {
namespace {

QWidget *helpWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Kezikonyv") && w->isVisible())
            return w;
    return nullptr;
}

// The page the manual shows: "kerek.html", "rendszerek.html#sajat".
QString shownPage()
{
    QWidget *help = helpWindow();
    auto *page = help ? help->findChild<QTextBrowser *>(QStringLiteral("Oldal")) : nullptr;
    if (!page)
        return QStringLiteral("<no manual>");
    const QUrl url = page->source();
    return url.fileName() + (url.hasFragment() ? QLatin1Char('#') + url.fragment() : QString());
}

void closeHelp()
{
    if (QWidget *help = helpWindow())
        help->close();
}

QByteArray pageBytes(const QString &language, const QString &page)
{
    QFile file(QStringLiteral(":/manual/%1/%2").arg(language, page));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ManualTest : public WindowTest
{
protected:
    // F1 on the focus widget of `window`, made the active window first; the
    // page the manual then shows.
    QString helpFrom(QWidget *window)
    {
        closeHelp();
        activate(window);
        if (!QApplication::focusWidget())
            window->setFocus();
        press(Qt::Key_F1);
        return shownPage();
    }

    // Runs `use` while the modal window `name`, opened by `open`, is up.
    void whileModal(const char *name, const std::function<void()> &open, const std::function<void(QWidget *)> &use)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QDialog *dialog = openDialog(name);
            seen = dialog != nullptr;
            if (!dialog)
                return;
            use(dialog);
            closeHelp();
            dialog->reject();
        });
        open();
        EXPECT_TRUE(seen) << name << " did not open";
    }
};

TEST_F(ManualTest, F1OpensTheManualAtThePageOfTheWindowInFront)
{
    enter({17, 5, 0, 32});
    struct Case
    {
        const char *action; // the menu item that opens the window; nullptr: the main window
        const char *window;
        const char *page;
    };
    const Case cases[] = {
        {nullptr, "Form1", "foablak.html"},
        {"interval5x", "Interval5", "intervallum.html"},
        {"kerek", "Kerek", "kerek.html"},
        {"eselyek", "Eselyek", "eselyek.html"},
        {"rendszerek", "Rendszerek", "rendszerek.html"},
        {"naplo", "Naplo", "naplo.html"},
    };
    for (const Case &c : cases) {
        QWidget *w = c.action ? openWindow(QString::fromLatin1(c.action), c.window) : window.get();
        EXPECT_EQ(helpFrom(w), QLatin1String(c.page)) << c.window;
    }
    // F1 in the manual itself keeps its page.
    activate(helpWindow());
    press(Qt::Key_F1);
    EXPECT_EQ(shownPage(), QStringLiteral("naplo.html"));
    closeHelp();

    // The modal windows: the manual opens above them and takes keys.
    whileModal("INFO", [this] { trigger(QStringLiteral("doku")); },
               [this](QWidget *info) {
                   EXPECT_EQ(helpFrom(info), QStringLiteral("info.html"));
                   EXPECT_EQ(helpWindow()->parentWidget(), info);
                   EXPECT_TRUE(QTest::qWaitForWindowActive(helpWindow())); // not blocked by the modal window
               });
    click(QStringLiteral("Command3D3(17)")); // a chart needs a selection, whatever it draws
    child<QRadioButton>(QStringLiteral("Option1(1)"))->click(); // the chart of red
    whileModal("diagramm", [this] { click(QStringLiteral("Command18")); },
               [this](QWidget *chart) { EXPECT_EQ(helpFrom(chart), QStringLiteral("grafikon.html")); });

    // The import dialog, window-modal: the manual opens above it.
    trigger(QStringLiteral("elozmeny"));
    QApplication::processEvents();
    if (QDialog *import = openDialog("Elozmeny")) {
        EXPECT_EQ(helpFrom(import), QStringLiteral("elozmeny.html"));
        closeHelp();
        import->reject();
    } else {
        ADD_FAILURE() << "Elozmeny did not open";
    }

    // The menu item opens the main window's page.
    trigger(QStringLiteral("kezikonyv"));
    EXPECT_EQ(shownPage(), QStringLiteral("foablak.html"));
    closeHelp();
}

TEST_F(ManualTest, DokumentacioWithoutAViewerOffersTheBuiltInManual)
{
    platform->startSucceeds = false;
    platform->confirmAnswers = {true};
    whileModal("INFO", [this] { trigger(QStringLiteral("doku")); },
               [](QWidget *info) {
                   QTest::mouseClick(info->findChild<QAbstractButton *>(QStringLiteral("Command3D1")), Qt::LeftButton);
                   EXPECT_EQ(shownPage(), QStringLiteral("info.html"));
               });
    ASSERT_EQ(platform->questions.size(), 1u);
    EXPECT_TRUE(platform->questions[0].contains(QStringLiteral("Vintaro.doc")));
    EXPECT_TRUE(platform->questions[0].contains(QStringLiteral("xdg-utils")));
}

// Every control and menu item a window names, as the index must name it:
// an element of a control array once, without its index.
QSet<QString> namedControls(QWidget *window)
{
    static const QRegularExpression element(QStringLiteral("\\(\\d+\\)$"));
    QSet<QString> names;
    const auto add = [&](const QObject *o) {
        QString name = o->objectName();
        // Qt's own parts: a tab bar's scroll buttons.
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || name == QLatin1String("ScrollLeftButton")
            || name == QLatin1String("ScrollRightButton"))
            return;
        names.insert(name.remove(element));
    };
    add(window);
    for (const QWidget *w : window->findChildren<QWidget *>())
        if (!w->isWindow() || w == window)
            add(w);
    for (const QAction *a : window->findChildren<QAction *>())
        add(a);
    return names;
}

TEST_F(ManualTest, TheIndexNamesEveryControlAndMenuItemOfEveryWindow)
{
    enter({3, 14, 22});
    QList<QWidget *> windows = {window.get()};
    for (const auto &[action, name] : {std::pair{"interval5x", "Interval5"}, std::pair{"kerek", "Kerek"},
                                       std::pair{"eselyek", "Eselyek"}, std::pair{"rendszerek", "Rendszerek"},
                                       std::pair{"naplo", "Naplo"}})
        windows << openWindow(QString::fromLatin1(action), name);
    trigger(QStringLiteral("elozmeny"));
    QApplication::processEvents();
    QDialog *import = openDialog("Elozmeny");
    ASSERT_NE(import, nullptr);
    windows << import;
    for (const QString &language : {QStringLiteral("hu"), QStringLiteral("en")}) {
        const QString index = QString::fromUtf8(pageBytes(language, QStringLiteral("jegyzek.html")));
        ASSERT_FALSE(index.isEmpty()) << language.toStdString();
        QStringList missing;
        for (QWidget *w : windows)
            for (const QString &name : namedControls(w))
                if (!index.contains(QStringLiteral("<code>") + name + QStringLiteral("</code>")))
                    missing << w->objectName() + QLatin1Char('/') + name;
        missing.sort();
        EXPECT_TRUE(missing.isEmpty()) << language.toStdString() << ": " << missing.join(QLatin1Char(' ')).toStdString();
        // Every caption of a menu item too.
        for (const QAction *a : window->findChildren<QAction *>()) {
            const QString caption = a->text().trimmed();
            if (!caption.isEmpty() && !a->objectName().isEmpty()) {
                EXPECT_TRUE(index.contains(caption.toHtmlEscaped()))
                    << language.toStdString() << ": " << caption.toStdString();
            }
        }
    }
    // The windows that open modally, and the manual's own.
    for (const char *name : {"INFO", "diagramm", "Graph1", "HScroll1", "Image1", "Kezikonyv", "Tartalom",
                             "Kereses", "Oldal", "SajatRendszerSzerkeszto"})
        for (const QString &language : {QStringLiteral("hu"), QStringLiteral("en")})
            EXPECT_TRUE(pageBytes(language, QStringLiteral("jegyzek.html"))
                            .contains(QByteArray("<code>") + name + "</code>"))
                << name;
}

TEST(ManualPages, NoBrokenLinkNoMissingPictureAndTheSamePagesInBothLanguages)
{
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    QStringList pages[2];
    int languageIndex = 0;
    for (const QString &language : {QStringLiteral("hu"), QStringLiteral("en")}) {
        QDirIterator it(QStringLiteral(":/manual/") + language);
        while (it.hasNext())
            pages[languageIndex] << it.next().section(QLatin1Char('/'), -1);
        pages[languageIndex].sort();
        EXPECT_GE(pages[languageIndex].size(), 12) << language.toStdString();
        for (const QString &page : pages[languageIndex]) {
            const QString html = QString::fromUtf8(pageBytes(language, page));
            for (auto m = reference.globalMatch(html); m.hasNext();) {
                const QString target = m.next().captured(1);
                if (target.startsWith(QLatin1String("http")))
                    continue;
                // Where the target lies, as the browser resolves it against the page.
                const QUrl resolved = QUrl(QStringLiteral("qrc:/manual/%1/%2").arg(language, page)).resolved(QUrl(target));
                const QString path = QLatin1Char(':') + resolved.path();
                const QString place = resolved.fragment();
                if (resolved.path().startsWith(QLatin1String("/manual/images/"))) {
                    EXPECT_TRUE(QFile::exists(path)) << page.toStdString() << " -> " << target.toStdString();
                    EXPECT_FALSE(QImage(path).isNull()) << path.toStdString();
                    continue;
                }
                ASSERT_TRUE(QFile::exists(path)) << page.toStdString() << " -> " << target.toStdString();
                if (!place.isEmpty()) {
                    QFile f(path);
                    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
                    EXPECT_TRUE(QString::fromUtf8(f.readAll()).contains(QStringLiteral("id=\"%1\"").arg(place)))
                        << page.toStdString() << " -> " << target.toStdString();
                }
            }
        }
        ++languageIndex;
    }
    EXPECT_EQ(pages[0], pages[1]);
}

TEST(ManualPages, TheEnglishManualIsShownInEnglish)
{
    for (const auto &[language, title] : {std::pair{Language::Hungarian, "Mit jelentenek a számok?"},
                                          std::pair{Language::English, "What do the numbers mean?"}}) {
        HelpBrowser help(language);
        help.showPage(QStringLiteral("szamok"));
        auto *contents = help.findChild<QListWidget *>(QStringLiteral("Tartalom"));
        ASSERT_NE(contents, nullptr);
        EXPECT_EQ(help.currentPage(), QStringLiteral("szamok"));
        ASSERT_NE(contents->currentItem(), nullptr);
        EXPECT_EQ(contents->currentItem()->text(), QString::fromUtf8(title));
        EXPECT_EQ(contents->count(), 14);
        // Searching keeps the pages that hold every word.
        auto *search = help.findChild<QLineEdit *>(QStringLiteral("Kereses"));
        search->setText(QStringLiteral("martingale 1/37"));
        QStringList shown;
        for (int row = 0; row < contents->count(); ++row)
            if (!contents->item(row)->isHidden())
                shown << contents->item(row)->data(Qt::UserRole).toString();
        EXPECT_EQ(shown, (QStringList{QStringLiteral("rendszerek"), QStringLiteral("szamok")}));
        search->clear();
        for (int row = 0; row < contents->count(); ++row)
            EXPECT_FALSE(contents->item(row)->isHidden());
    }
}

} // namespace
} // namespace vintaro::test
