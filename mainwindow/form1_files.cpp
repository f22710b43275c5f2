// Form1: Start, save, exit, room switching and narrowing.
#include "form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include "appearance.h"
#include "linesmodel.h"
#include "roomsave.h"
#include "spinfiles.h"
#include "textfiles.h"

namespace vintaro {

namespace {

const char *const kExitQuestion = "Biztos, hogy mentés nélkül lép ki ?";

// What Start tells about the lines it could not load; empty when it loaded all.
QString loadNotice(const SpinList &list)
{
    QStringList parts;
    if (list.skipped > 0)
        parts << u8("%1 sor kimaradt, mert nem 0 és 36 közötti számot tartalmaz. Az első hibás sor: %2.")
                     .arg(list.skipped)
                     .arg(list.firstSkippedLine);
    if (list.leftOut > 0)
        parts << u8("A lista hosszabb %1 pörgetésnél: a legrégebbi %2 pörgetés kimaradt, a legutóbbi %1 betöltődött.")
                     .arg(SpinHistory::kCapacity)
                     .arg(list.leftOut);
    return parts.join(QLatin1Char('\n'));
}

} // namespace

void Form1::startList()
{
    if (!m_indit->isEnabled())
        return; // once per run, and never after a spin was entered
    m_indit->setEnabled(false);

    m_text1->setText(readFirstField(roomNumberFile(m_folder)).value_or(QString()));

    const SpinList list = readSpinList(workingListFile(m_folder));
    m_session.load(list.spins);
    showCount();
    if (m_session.count() > 0) {
        // An empty list leaves the history list, the spun number and the
        // statistics as they were.
        syncHistoryList();
        showAbsences();
        showSpunNumber();
        showFigures();
        scrollHistoryList();
    }

    const QString notice = loadNotice(list);
    if (!notice.isEmpty())
        m_platform->message(this, notice, Platform::Icon::Information);
}

void Form1::saveRoom()
{
    if (m_historyModel->count() == 0)
        return;
    const QString box = m_text1->text();
    if (!roomBoxAccepted(box)) {
        m_platform->message(this, u8("Hibás teremszám beállítás !"));
        return;
    }
    QStringList failed = saveRoomFiles(m_folder, roomText(box), m_session.history());
    if (failed.isEmpty()) {
        m_session.setUnsaved(false);
        return;
    }
    // The spins stay unsaved, so leaving the program still asks.
    for (QString &path : failed)
        path = QDir::toNativeSeparators(path);
    m_platform->message(this, u8("A mentés nem sikerült, nem írható:\n%1").arg(failed.join(QLatin1Char('\n'))));
}

void Form1::exitProgram()
{
    if (m_session.unsaved() && !m_platform->confirm(this, u8(kExitQuestion)))
        return;
    m_ending = true;
    m_platform->exitProgram();
}

void Form1::switchRoom(int) {}
void Form1::restoreFull() {}
void Form1::deleteFull() {}
void Form1::narrowList() {}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing by the title bar guards the spins the same way "Vége" does.
    if (!m_ending && m_session.unsaved() && !m_platform->confirm(this, u8(kExitQuestion))) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace vintaro
