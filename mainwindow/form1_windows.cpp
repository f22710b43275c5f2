// Form1: opening the interval, wheel, odds, systems, ledger and information windows.
#include "mainwindow/form1.h"

#include <QShowEvent>
#include <QStandardPaths>

#include "info/info.h"
#include "info/manualpages.h"
#include "intervals/interval5.h"
#include "ledger/window/naplo.h"
#include "odds/window/eselyek.h"
#include "systems/window/rendszerek.h"
#include "wheel/kerek.h"
#include "widgets/companions.h"

namespace vintaro {

namespace {

// A window that is open already only comes to the front.
bool raiseIfOpen(QWidget *window)
{
    if (!window)
        return false;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

// A companion refreshes after every change of the history.
template <typename Window>
QWidget *following(Form1 *form, Window *window)
{
    QObject::connect(form, &Form1::historyChanged, window, &Window::refresh);
    return window;
}

} // namespace

void Form1::installCompanions()
{
    m_companions = std::make_unique<Companions>(
        centralWidget(), usableSettingsFile(settingsFile(
                             m_folders, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))));
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    // The companions that were open when the program last ended open again,
    // beside the window once it stands on the screen.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_companions->reopen({{QStringLiteral("Kerek"), [this] { openCompanion(Companion::Wheel); }},
                                  {QStringLiteral("Eselyek"), [this] { openCompanion(Companion::Odds); }},
                                  {QStringLiteral("Rendszerek"), [this] { openCompanion(Companion::Systems); }},
                                  {QStringLiteral("Naplo"), [this] { openCompanion(Companion::Ledger); }}});
            activateWindow();
        },
        Qt::QueuedConnection);
}

void Form1::openIntervals()
{
    // The interval window keeps the snapshot it opened with.
    if (raiseIfOpen(m_intervalWindow))
        return;
    auto *intervals = new Interval5(m_session, this);
    intervals->move(geometry().center() - intervals->rect().center());
    m_intervalWindow = intervals;
    intervals->show();
}

// The wheel, odds, systems and ledger windows follow the history from when they open.
void Form1::openCompanion(Companion which)
{
    QPointer<QWidget> &open = which == Companion::Wheel     ? m_wheelWindow
                              : which == Companion::Odds    ? m_oddsWindow
                              : which == Companion::Systems ? m_systemsWindow
                                                            : m_ledgerWindow;
    if (raiseIfOpen(open))
        return;
    QWidget *window = nullptr;
    switch (which) {
    case Companion::Wheel: {
        auto *wheel = new Kerek(m_session, this);
        connect(wheel, &Kerek::numberEntered, this, &Form1::pressEntryButton);
        window = following(this, wheel);
        break;
    }
    case Companion::Odds: window = following(this, new Eselyek(m_session, *m_platform, this)); break;
    case Companion::Systems:
        window = following(this, new Rendszerek(m_session, m_selection, *m_platform, this, m_folders.lists));
        break;
    case Companion::Ledger: window = following(this, new Naplo(m_session, m_selection, m_folders.lists, this)); break;
    }
    m_companions->adopt(window);
    open = window;
    window->show();
}

void Form1::stopCompanionWork()
{
    if (auto *systems = qobject_cast<Rendszerek *>(m_systemsWindow.data()))
        systems->stopSimulation();
}

void Form1::openInfo()
{
    Info info(dataFile(QStringLiteral("Vintaro.doc")), *m_platform, this, [this] { openManual(manualPageOf(QStringLiteral("INFO"))); });
    info.move(geometry().center() - info.rect().center());
    info.exec();
}

} // namespace vintaro
