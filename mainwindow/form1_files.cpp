// Form1: Start, save, exit, room switching and narrowing.
#include "mainwindow/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "widgets/appearance.h"
#include "widgets/linesmodel.h"
#include "persistence/narrowing.h"
#include "persistence/roomsave.h"
#include "persistence/spinfiles.h"
#include "persistence/textfiles.h"

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
    // An empty list leaves the history list, the spun number and the
    // statistics as they were; the number row is never reset here.
    if (m_session.count() > 0)
        showHistory();
    else
        showCount();

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

namespace {

const char *const kRestart = "A program leáll, majd újraindul !";
const char *const kRestartAfterRestore = "A program leáll, majd újraindúl !";

} // namespace

std::optional<QString> Form1::safeRoomText()
{
    const QString room = roomText(m_text1->text());
    if (roomTextSafe(room))
        return room;
    m_platform->message(this, u8("Hibás teremszám beállítás !"));
    return std::nullopt;
}

void Form1::warnUnwritten(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    QStringList shown;
    for (const QString &path : paths)
        shown << QDir::toNativeSeparators(path);
    m_platform->message(this, u8("Nem sikerült írni, a korábbi tartalom megmaradt:\n%1").arg(shown.join(QLatin1Char('\n'))));
}

void Form1::startNewInstance()
{
    // Every file is complete before the new instance starts; this one then
    // ends without asking anything.
    m_platform->startProcess(programFile(QStringLiteral("vintaro2011")), {});
    m_ending = true;
    m_platform->exitProgram();
}

void Form1::restart(const QString &message)
{
    m_platform->message(this, message);
    startNewInstance();
}

void Form1::switchRoom(int room)
{
    const QString r = QString::number(room);
    QStringList failed;
    // A room never saved has no list: the working list then stays as it was.
    if (QFile::exists(roomListFile(m_folder, r)) && !copyFile(roomListFile(m_folder, r), workingListFile(m_folder)))
        failed << workingListFile(m_folder);
    m_text1->setText(r);
    if (!writeLines(roomNumberFile(m_folder), {r}))
        failed << roomNumberFile(m_folder);
    warnUnwritten(failed);
    restart(u8(kRestart));
}

void Form1::restoreFull()
{
    const auto room = safeRoomText();
    if (!room)
        return;
    QStringList failed;
    const QString source = roomListFile(m_folder, *room);
    if (QFile::exists(source) && !copyFile(source, workingListFile(m_folder)))
        failed << workingListFile(m_folder);
    warnUnwritten(failed);
    m_platform->message(this, u8(kRestartAfterRestore));
    if (!writeLines(roomNumberFile(m_folder), {*room}))
        warnUnwritten({roomNumberFile(m_folder)});
    startNewInstance();
}

void Form1::deleteFull()
{
    const auto room = safeRoomText();
    if (!room)
        return;
    QStringList failed;
    for (const QString &path : {roomListFile(m_folder, *room), workingListFile(m_folder)})
        if (!truncateFile(path))
            failed << path;
    if (!writeLines(roomNumberFile(m_folder), {*room}))
        failed << roomNumberFile(m_folder);
    failed.removeDuplicates();
    warnUnwritten(failed);
    restart(u8(kRestart));
}

void Form1::narrowList()
{
    const QString source = roomListFile(m_folder, roomText(m_text1->text()));
    std::optional<QByteArray> content = readWholeFile(source);
    if (!content)
        return; // no saved list to narrow
    if (m_text1->text().isEmpty()) {
        m_platform->message(this, u8("Nincs *Terem* megadva !"));
        return;
    }
    const auto room = safeRoomText();
    if (!room)
        return;
    const QStringList fields = listFields(*content);
    const int count = int(fields.size());

    double n = 0;
    for (;;) {
        const auto answer = narrowingAnswer(
            m_platform->askText(this, u8("Szűkített statisztikák !"),
                                u8("Kérem adja meg , hogy az utolsó hány pörgetést válogassam le !")));
        if (!answer)
            return; // Cancel, or not a number: nothing changes
        n = *answer;
        if (narrowingAccepted(n, count))
            break;
    }

    // The list is read afresh, as it stands now.
    content = readWholeFile(source);
    if (!content)
        return;
    if (!writeLines(workingListFile(m_folder), lastFields(listFields(*content), n)))
        warnUnwritten({workingListFile(m_folder)});
    m_platform->message(this, u8(kRestart));
    if (!writeLines(roomNumberFile(m_folder), {*room}))
        warnUnwritten({roomNumberFile(m_folder)});
    startNewInstance();
}

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
