// Form1: opening the wheel window, which follows the history from then on.
#include "mainwindow/form1.h"

#include "wheel/kerek.h"

namespace vintaro {

void Form1::openWheel()
{
    // An open wheel window only comes to the front.
    if (m_wheelWindow) {
        m_wheelWindow->setWindowState(m_wheelWindow->windowState() & ~Qt::WindowMinimized);
        m_wheelWindow->show();
        m_wheelWindow->raise();
        m_wheelWindow->activateWindow();
        return;
    }
    auto *wheel = new Kerek(m_session, this);
    connect(this, &Form1::historyChanged, wheel, &Kerek::refresh);
    connect(wheel, &Kerek::numberEntered, this, &Form1::pressEntryButton);
    wheel->resize(wheel->sizeHint());
    wheel->move(geometry().center() - wheel->rect().center());
    m_wheelWindow = wheel;
    wheel->show();
}

} // namespace vintaro
