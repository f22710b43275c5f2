#include "persistence/roomsave.h"

#include <QByteArray>

#include <algorithm>

#include "core/numbermodel.h"
#include "core/textformat.h"
#include "persistence/cp1250.h"
#include "persistence/roomjournal.h"
#include "persistence/spinfiles.h"

namespace vintaro {

QString roomText(const QString &roomBox)
{
    qsizetype begin = 0;
    qsizetype end = roomBox.size();
    while (begin < end && roomBox.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && roomBox.at(end - 1) == QLatin1Char(' '))
        --end;
    return roomBox.mid(begin, end - begin);
}

bool roomTextSafe(const QString &room)
{
    if (room.contains(QLatin1Char('/')) || room.contains(QLatin1Char('\\')) || room.contains(QLatin1String("..")))
        return false;
    // The room number file gives back its first field: a comma would end it,
    // and the list would come back under another room.
    if (room.contains(QLatin1Char(',')))
        return false;
    for (const QChar c : room)
        if (c.category() == QChar::Other_Control)
            return false;
    return fitsCp1250(room);
}

bool roomBoxAccepted(const QString &roomBox)
{
    const double value = leadingValue(roomBox.toStdString());
    if (value < 1 || value > 10)
        return false;
    return roomTextSafe(roomText(roomBox));
}

void appendSavedLine(QByteArray &bytes, int spin)
{
    // The save writes the last two characters of the history line: " 5", "17".
    if (spin < 10)
        bytes += ' ';
    bytes += QByteArray::number(spin);
    bytes += "\r\n";
}

SavePlan planSave(const QString &folder, const QString &room, std::span<const std::int16_t> history,
                  const SavedTail &tail)
{
    SavePlan plan;
    const bool knownTail = tail.room == room && !tail.spins.empty();
    const size_t tailSize = knownTail ? tail.spins.size() : 0;
    // The newest tailSize spins of the saved list with the field each stands on.
    std::vector<std::pair<int, qint64>> ring;
    ring.reserve(tailSize);
    qint64 spins = 0, field = 0;
    bool prefixOfHistory = true;
    plan.status = forEachField(roomListFile(folder, room), [&](std::string_view text, int, bool cut) {
        const int spin = fieldSpin(text, cut);
        if (spin >= 0) {
            if (spins >= qint64(history.size()) || history[size_t(spins)] != spin)
                prefixOfHistory = false;
            if (tailSize > 0) {
                if (ring.size() < tailSize)
                    ring.emplace_back(spin, field);
                else
                    ring[size_t(spins % qint64(tailSize))] = {spin, field};
            }
            ++spins;
        }
        ++field;
        return true;
    });
    if (plan.status != ReadStatus::Ok)
        return plan;
    if (tailSize > 0 && ring.size() == tailSize) {
        std::rotate(ring.begin(), ring.begin() + std::ptrdiff_t(spins % qint64(tailSize)), ring.end());
        const bool endsWithTail = std::equal(ring.begin(), ring.end(), tail.spins.begin(),
                                             [](const auto &entry, std::int16_t spin) { return entry.first == spin; });
        if (endsWithTail) {
            plan.keptFields = ring.front().second;
            return plan;
        }
    }
    plan.dropsSavedSpins = spins > 0 && !prefixOfHistory;
    return plan;
}

std::optional<FileFault> saveRoomFiles(const QString &folder, const QString &room, std::span<const std::int16_t> history,
                          const SavePlan &plan)
{
    const QString listFile = roomListFile(folder, room);
    // The room's list and the room number file change together or not at
    // all: the room number names a room only once its list is saved.
    RoomJournal journal(folder, QStringLiteral("save ") + room);
    SafeWriter *writer = journal.stage(listFile);
    if (!writer)
        return journal.commit();
    QByteArray bytes;
    if (plan.keptFields > 0) {
        qint64 field = 0;
        const ReadStatus status = forEachField(listFile, [&](std::string_view text, int, bool cut) {
            if (field++ >= plan.keptFields)
                return false;
            const int spin = fieldSpin(text, cut);
            if (spin >= 0) {
                appendSavedLine(bytes, spin);
            } else {
                bytes.append(text.data(), qsizetype(text.size()));
                bytes += "\r\n";
            }
            if (bytes.size() < (1 << 16))
                return true;
            const bool written = writer->write(bytes);
            bytes.clear();
            return written;
        });
        if (status != ReadStatus::Ok)
            return FileFault{FileFault::Kind::Unreadable, listFile, {}}; // nothing is written
    }
    bytes.reserve(bytes.size() + qsizetype(history.size()) * 4);
    for (const std::int16_t spin : history)
        appendSavedLine(bytes, spin);
    writer->write(bytes);
    if (SafeWriter *number = journal.stage(roomNumberFile(folder)))
        number->write(toCp1250(room) + "\r\n");
    return journal.commit();
}

} // namespace vintaro
