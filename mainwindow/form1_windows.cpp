// Form1: opening the interval and information windows.
#include "mainwindow/form1.h"

#include "info/info.h"
#include "intervals/interval5.h"

namespace vintaro {

void Form1::openIntervals()
{
    // An open interval window keeps its snapshot: it only comes to the front.
    if (m_intervalWindow) {
        m_intervalWindow->setWindowState(m_intervalWindow->windowState() & ~Qt::WindowMinimized);
        m_intervalWindow->show();
        m_intervalWindow->raise();
        m_intervalWindow->activateWindow();
        return;
    }
    auto *intervals = new Interval5(m_session, this);
    intervals->move(geometry().center() - intervals->rect().center());
    m_intervalWindow = intervals;
    intervals->show();
}

void Form1::openInfo()
{
    Info info(dataFile(QStringLiteral("Vintaro.doc")), *m_platform, this);
    info.move(geometry().center() - info.rect().center());
    info.exec();
}

} // namespace vintaro
