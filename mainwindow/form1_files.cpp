// Form1: Start, save, exit, room switching and narrowing.
#include "mainwindow/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "persistence/folderlock.h"
#include "persistence/narrowing.h"
#include "persistence/roomjournal.h"
#include "persistence/roomoperations.h"
#include "persistence/roomsave.h"
#include "persistence/spinfiles.h"
#include "persistence/textfiles.h"
#include "widgets/appearance.h"
#include "widgets/linesmodel.h"
#include "widgets/standoutitem.h"

namespace vintaro {

namespace {

const char *const kExitQuestion = QT_TRANSLATE_NOOP("vintaro::Form1", "Biztos, hogy mentés nélkül lép ki ?");
const char *const kBadRoom = QT_TRANSLATE_NOOP("vintaro::Form1", "Hibás teremszám beállítás !");
const char *const kRestart = QT_TRANSLATE_NOOP("vintaro::Form1", "A program leáll, majd újraindul !");
const char *const kRestartAfterRestore = QT_TRANSLATE_NOOP("vintaro::Form1", "A program leáll, majd újraindúl !");

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

QString notWritableText(const QString &folder)
{
    return Form1::tr("A pörgetési listák mappája nem írható:\n%1\nA listák betölthetők, de mentés és teremváltás nem "
                     "lehetséges, amíg a mappa nem írható.")
        .arg(shown(folder));
}

QString unreadableText(const QString &path)
{
    return Form1::tr("Nem olvasható fájl (hiányzik az olvasási jog, vagy nem közönséges fájl):\n%1").arg(shown(path));
}

// Why a room operation or a save changed nothing (or, for a journal that
// waits, what the files hold until the next start).
QString faultText(const FileFault &fault)
{
    switch (fault.kind) {
    case FileFault::Kind::Unreadable: return unreadableText(fault.path);
    case FileFault::Kind::Unwritable:
        return Form1::tr("Nem sikerült írni, a korábbi tartalom megmaradt:\n%1").arg(shown(fault.path));
    case FileFault::Kind::Link:
        return Form1::tr("A fájl helyén szimbolikus link áll:\n%1\nA program nem ír linken keresztül, és nem is cseréli "
                  "le; a korábbi tartalom megmaradt. Tegye a link helyére azt a fájlt, amelyre mutat.")
            .arg(shown(fault.path));
    case FileFault::Kind::JournalDamaged:
        return Form1::tr("A teremműveletek naplója sérült, a program nem hajtja végre:\n%1\nAmíg ez a fájl ott van, "
                  "mentés és teremváltás nem lehetséges. Helyezze át vagy nevezze át, és a mentés újra működik "
                  "(a program a következő indításkor félre is teheti).")
            .arg(shown(fault.path));
    case FileFault::Kind::JournalPending:
        return Form1::tr("Egy teremművelet nem fejeződött be, ez a fájl nem cserélhető le:\n%1\nA naplója megmaradt:\n%2\n"
                  "A program a következő indításkor befejezi. Addig a munkalista és a terem.txt más-más teremhez "
                  "tartozhat, ezért mentés és teremváltás nem lehetséges.")
            .arg(shown(fault.failed.isEmpty() ? fault.path : fault.failed), shown(fault.path));
    }
    return {};
}

// What Start tells about the lines it could not load; empty when it loaded all.
QString loadNotice(const SpinList &list)
{
    QStringList parts;
    if (list.skipped > 0)
        parts << Form1::tr("%1 sor kimaradt, mert nem 0 és 36 közötti számot tartalmaz. Az első hibás sor: %2.", nullptr,
                           int(list.skipped))
                     .arg(list.skipped)
                     .arg(list.firstSkippedLine);
    if (list.leftOut > 0)
        parts << Form1::tr("A lista hosszabb %1 pörgetésnél: a legrégebbi %2 pörgetés kimaradt, a legutóbbi %1 "
                           "betöltődött.", nullptr, int(list.leftOut))
                     .arg(SpinHistory::kCapacity)
                     .arg(list.leftOut);
    return parts.join(QLatin1Char('\n'));
}

} // namespace

void Form1::checkListFolder()
{
    QStringList notes;
    const Recovery recovery = recoverRoomFiles(m_folders.lists);
    if (recovery.kind == Recovery::Kind::Failed)
        notes << tr("Egy félbeszakadt teremművelet (%1) nem fejezhető be, ez a fájl nem cserélhető le:\n%2\n"
                    "A naplója megmaradt:\n%3\nA program a következő indításkor újra megpróbálja befejezni. "
                    "Addig a munkalista és a terem.txt más-más teremhez tartozhat, ezért mentés és teremváltás "
                    "nem lehetséges.")
                     .arg(recovery.operation, shown(recovery.failedPath), shown(journalFile(m_folders.lists)));
    if (recovery.kind == Recovery::Kind::Damaged) {
        const QString aside = damagedJournalFile(m_folders.lists);
        if (m_platform->confirm(this, tr("A teremműveletek naplója sérült, vagy a listák mappáján kívüli fájlt "
                                         "nevez meg; a program nem hajtja végre:\n%1\nAmíg ott van, mentés és "
                                         "teremváltás nem lehetséges.\nFélreteszi %2 néven, hogy a mentés újra "
                                         "működjön ?")
                                          .arg(shown(recovery.failedPath), QFileInfo(aside).fileName())) &&
            !setAsideDamagedJournal(m_folders.lists))
            notes << faultText({FileFault::Kind::JournalDamaged, recovery.failedPath, {}});
    }
    if (!folderWritable(m_folders.lists))
        notes << notWritableText(m_folders.lists);
    if (!notes.isEmpty())
        m_platform->message(this, notes.join(QStringLiteral("\n\n")));
}

void Form1::startList()
{
    if (!m_indit->isEnabled())
        return; // once per run
    setItemState(menuBar(), m_indit, false, QString());

    ReadStatus roomStatus = ReadStatus::Ok;
    m_text1->setText(readFirstField(roomNumberFile(m_folders.lists), &roomStatus).value_or(QString()));
    if (roomStatus == ReadStatus::Unreadable)
        m_platform->message(this, unreadableText(roomNumberFile(m_folders.lists)));

    const SpinList list = readSpinList(workingListFile(m_folders.lists));
    if (list.status == ReadStatus::Unreadable)
        m_platform->message(this, unreadableText(workingListFile(m_folders.lists)));
    // The spins entered since the program started follow the loaded list, in
    // the order they were entered.
    const auto entered = m_session.history().spins();
    std::vector<std::int16_t> spins = list.spins;
    spins.insert(spins.end(), entered.begin(), entered.end());
    const size_t cut = spins.size() > size_t(SpinHistory::kCapacity) ? spins.size() - SpinHistory::kCapacity : 0;
    // The room's saved list ends with the loaded spins (unless it was saved
    // elsewhere since), followed by whatever this run saved to it before
    // Start: a save to that room keeps whatever came before them.
    const QString room = roomText(m_text1->text());
    std::vector<std::int16_t> tail(list.spins.begin() + std::ptrdiff_t(std::min(cut, list.spins.size())),
                                   list.spins.end());
    if (const auto savedBefore = m_savedTails.constFind(room); savedBefore != m_savedTails.cend())
        tail.insert(tail.end(), savedBefore->begin(), savedBefore->end());
    m_savedTails.insert(room, tail);
    m_session.load(spins);
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
        m_platform->message(this, tr(kBadRoom));
        // The player types the room next; Enter gives the keys back.
        m_text1->setFocus(Qt::ShortcutFocusReason);
        m_text1->selectAll();
        return;
    }
    const QString room = roomText(box);
    const auto spins = m_session.history().spins();
    SavePlan plan;
    if (m_indit->isEnabled() && !m_savedTails.contains(room)) {
        // Spins entered before Start continue the room's saved list.
        const FieldCount saved = countFields(roomListFile(m_folders.lists, room));
        plan.status = saved.status == ReadStatus::Missing ? ReadStatus::Ok : saved.status;
        plan.keptFields = saved.count;
    } else {
        plan = planSave(m_folders.lists, room, spins, {room, m_savedTails.value(room)});
    }
    if (plan.status == ReadStatus::Unreadable) {
        m_platform->message(this, unreadableText(roomListFile(m_folders.lists, room)));
        return;
    }
    if (plan.dropsSavedSpins &&
        !m_platform->confirm(this, tr("A(z) %1. terem mentett listájában olyan pörgetések is vannak, amelyek "
                                      "nincsenek a mostani listában. Mentéskor ezek elvesznek.\n"
                                      "Biztosan felülírja a terem listáját ?")
                                       .arg(room)))
        return;
    const std::optional<FileFault> failed = saveRoomFiles(m_folders.lists, room, spins, plan);
    if (!failed) {
        m_session.setUnsaved(false);
        m_savedTails.insert(room, {spins.begin(), spins.end()});
        return;
    }
    // The spins stay unsaved, so leaving the program still asks.
    QString text = failed->kind == FileFault::Kind::Unwritable
                       ? tr("A mentés nem sikerült, nem írható:\n%1").arg(shown(failed->path))
                       : tr("A mentés nem sikerült.") + QLatin1Char('\n') + faultText(*failed);
    if (!folderWritable(m_folders.lists))
        text += QStringLiteral("\n\n") + notWritableText(m_folders.lists);
    m_platform->message(this, text);
}

void Form1::exitProgram()
{
    if (!leaveUnsaved())
        return;
    m_ending = true;
    stopCompanionWork();
    m_platform->exitProgram();
}

bool Form1::leaveUnsaved(const QString &question)
{
    return !m_session.unsaved() || m_platform->confirm(this, question.isEmpty() ? tr(kExitQuestion) : question);
}

std::optional<QString> Form1::safeRoomText()
{
    const QString room = roomText(m_text1->text());
    if (roomTextSafe(room))
        return room;
    m_platform->message(this, tr(kBadRoom));
    return std::nullopt;
}

QString Form1::fileFaultText(const FileFault &fault) const
{
    QString text = faultText(fault);
    if (!folderWritable(m_folders.lists))
        text += QStringLiteral("\n\n") + notWritableText(m_folders.lists);
    return text;
}

bool Form1::filesWritten(const std::optional<FileFault> &fault)
{
    if (!fault)
        return true;
    const QString text = faultText(*fault);
    QString notes = fault->kind == FileFault::Kind::JournalPending
                        ? tr("\nA program nem indul újra.")
                        : tr("\nA program nem indul újra, semmi sem változott.");
    if (!folderWritable(m_folders.lists))
        notes += QStringLiteral("\n\n") + notWritableText(m_folders.lists);
    m_platform->message(this, text + notes);
    return false;
}

void Form1::restart(const QString &message, const QString &roomBox)
{
    m_platform->message(this, message);
    // Every file is complete before the new instance starts; this one then
    // ends without asking anything.
    const QString program = m_folders.program;
    // The new program waits for this one to let go of the lists folder,
    // which it does as soon as it ends: nothing keeps it running.
    stopCompanionWork();
    qputenv(kRestartVariable, "1");
    const bool started = m_platform->startProcess(program, m_folders.restartArguments);
    qunsetenv(kRestartVariable);
    if (!started) {
        m_platform->message(this, tr("Nem sikerült elindítani a programot:\n%1\nA program tovább fut.")
                                      .arg(shown(program)));
        // The spins shown stay filed under the room they came from.
        m_text1->setText(roomBox);
        return;
    }
    m_ending = true;
    m_platform->exitProgram();
}

void Form1::switchRoom(int room)
{
    if (!leaveUnsaved(tr("Biztos, hogy mentés nélkül átvált a(z) %1. terembe ?\n"
                         "A nem mentett pörgetések elvesznek.")
                          .arg(room)))
        return;
    const QString r = QString::number(room);
    if (!filesWritten(restoreRoomFiles(m_folders.lists, r)))
        return;
    const QString before = m_text1->text();
    m_text1->setText(r);
    restart(tr(kRestart), before);
}

void Form1::restoreFull()
{
    const auto room = safeRoomText();
    if (!room || !leaveUnsaved() || !filesWritten(restoreRoomFiles(m_folders.lists, *room)))
        return;
    restart(tr(kRestartAfterRestore), m_text1->text());
}

void Form1::deleteFull()
{
    const auto room = safeRoomText();
    if (!room || !leaveUnsaved())
        return;
    if (!m_platform->confirm(this, tr("Biztosan törli a(z) %1. terem teljes mentett listáját ?\n"
                                      "A törlés nem vonható vissza.")
                                       .arg(*room)))
        return;
    if (!filesWritten(deleteRoomFiles(m_folders.lists, *room)))
        return;
    restart(tr(kRestart), m_text1->text());
}

void Form1::narrowList()
{
    // The room text is checked before any file is opened with it.
    const auto room = safeRoomText();
    if (!room)
        return;
    const QString source = roomListFile(m_folders.lists, *room);
    const FieldCount fields = countFields(source);
    if (fields.status == ReadStatus::Missing)
        return; // no saved list to narrow
    if (fields.status == ReadStatus::Unreadable) {
        m_platform->message(this, unreadableText(source));
        return;
    }
    if (m_text1->text().isEmpty()) {
        m_platform->message(this, tr("Nincs *Terem* megadva !"));
        return;
    }
    if (!leaveUnsaved())
        return;

    double n = 0;
    for (;;) {
        const auto answer = narrowingAnswer(
            m_platform->askText(this, tr("Szűkített statisztikák !"),
                                tr("Kérem adja meg , hogy az utolsó hány pörgetést válogassam le !")));
        if (!answer)
            return; // Cancel, or not a number: nothing changes
        n = *answer;
        if (narrowingAccepted(n, fields.count))
            break;
    }
    if (!filesWritten(narrowRoomFiles(m_folders.lists, *room, fields.count, n)))
        return;
    restart(tr(kRestart), m_text1->text());
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing by the title bar guards the spins the same way "Vége" does.
    if (!m_ending && !leaveUnsaved()) {
        event->ignore();
        return;
    }
    stopCompanionWork();
    QMainWindow::closeEvent(event);
}

} // namespace vintaro
