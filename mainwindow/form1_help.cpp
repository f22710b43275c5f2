// Form1: the built-in manual (kezikonyv). F1 in any window of the program
// opens it at the page of that window; the manual speaks the language the
// program speaks.
#include "mainwindow/form1.h"

#include <QApplication>
#include <QKeyEvent>

#include "info/helpbrowser.h"
#include "info/manualpages.h"
#include "translations/language.h"

namespace vintaro {

namespace {

// The page of the window `widget` stands in: its own, or that of the window
// it belongs to (a message box, a menu, a dialog without a page).
QString pageOfWindow(QWidget *widget)
{
    for (QWidget *window = widget ? widget->window() : nullptr; window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        if (window->objectName() == QLatin1String("Kezikonyv"))
            return {}; // F1 in the manual itself leaves it where it is
        const QString page = manualPageOf(window->objectName());
        if (page != manualPages().first())
            return page;
    }
    return manualPages().first();
}

// Sees every key event of the application before its receiver does.
class HelpKey : public QObject
{
public:
    HelpKey(Form1 *form) : QObject(form), m_form(form) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        const QString page = pageOfWindow(static_cast<QWidget *>(watched));
        if (!page.isEmpty())
            m_form->openManual(page);
        return true;
    }

private:
    Form1 *m_form;
};

} // namespace

void Form1::installHelpKey() { qApp->installEventFilter(new HelpKey(this)); }

void Form1::openManual(const QString &page)
{
    // A window open while a modal one waits would take no input: the manual
    // then belongs to the modal window, and goes with it.
    QWidget *owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    auto *help = qobject_cast<HelpBrowser *>(m_helpWindow.data());
    if (!help) {
        help = new HelpBrowser(installedLanguage(), owner);
        m_helpWindow = help;
    } else if (help->parentWidget() != owner) {
        const QRect place = help->geometry();
        help->setParent(owner, Qt::Window);
        help->setGeometry(place);
    }
    help->showPage(page.isEmpty() ? manualPages().first() : page);
    help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace vintaro
