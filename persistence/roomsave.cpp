#include "persistence/roomsave.h"

#include "persistence/cp1250.h"
#include "persistence/spinfiles.h"
#include "persistence/textfiles.h"
#include "core/textformat.h"

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

namespace {

bool staysInFolder(const QString &room)
{
    if (room.contains(QLatin1Char('/')) || room.contains(QLatin1Char('\\')) || room.contains(QLatin1String("..")))
        return false;
    for (const QChar c : room) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace

bool roomBoxAccepted(const QString &roomBox)
{
    const double value = leadingValue(roomBox.toStdString());
    if (value < 1 || value > 10)
        return false;
    return roomTextSafe(roomText(roomBox));
}

bool roomTextSafe(const QString &room) { return staysInFolder(room) && fitsCp1250(room); }

QStringList saveRoomFiles(const QString &folder, const QString &room, const SpinHistory &history)
{
    QStringList failed;
    const QString listFile = roomListFile(folder, room);
    if (!writeLines(listFile, savedLines(history)))
        failed << listFile;
    const QString numberFile = roomNumberFile(folder);
    if (!writeLines(numberFile, {room}))
        failed << numberFile;
    return failed;
}

} // namespace vintaro
