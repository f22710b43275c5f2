// Form1: opening the odds window, which follows the history from then on.
#include "mainwindow/form1.h"

#include "odds/window/eselyek.h"

namespace vintaro {

void Form1::openOdds()
{
    if (m_oddsWindow) {
        m_oddsWindow->setWindowState(m_oddsWindow->windowState() & ~Qt::WindowMinimized);
        m_oddsWindow->show();
        m_oddsWindow->raise();
        m_oddsWindow->activateWindow();
        return;
    }
    auto *odds = new Eselyek(m_session, *m_platform, this);
    connect(this, &Form1::historyChanged, odds, &Eselyek::refresh);
    m_oddsWindow = odds;
    odds->show();
}

} // namespace vintaro
