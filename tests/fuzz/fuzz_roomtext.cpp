// The room text that names a room list file: whatever the room box holds,
// an accepted room text keeps the file directly inside the program folder,
// and the room number file gives it back as it was written.
#include <QDir>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "persistence/roomsave.h"
#include "persistence/spinfiles.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace vintaro;
using namespace vintaro::fuzz;

namespace {

bool isControl(QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F); }

void checkBox(const QString &box)
{
    const QString room = roomText(box);
    FUZZ_CHECK(!room.startsWith(QLatin1Char(' ')) && !room.endsWith(QLatin1Char(' ')));
    if (!roomBoxAccepted(box))
        return;
    FUZZ_CHECK(roomTextSafe(room));
    FUZZ_CHECK(!room.contains(QLatin1Char('/')) && !room.contains(QLatin1Char('\\')));
    FUZZ_CHECK(!room.contains(QLatin1String("..")));
    for (const QChar c : room)
        FUZZ_CHECK(!isControl(c) && !c.isSurrogate());

    const QString folder = QString::fromStdString(scratchFolder());
    const QString path = roomListFile(folder, room);
    FUZZ_CHECK(QDir::cleanPath(path) == path);
    const QFileInfo info(path);
    FUZZ_CHECK(info.absolutePath() == folder);
    FUZZ_CHECK(info.fileName() == QStringLiteral("rszamok") + room + QStringLiteral(".txt"));

    // What a save writes into the room number file, Start reads back.
    const QString numberFile = roomNumberFile(folder);
    FUZZ_CHECK(writeLines(numberFile, {room}));
    FUZZ_CHECK(readFirstField(numberFile) == room);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    if (size > 256)
        return 0; // a room box holds a short text
    const char *bytes = reinterpret_cast<const char *>(data);
    checkBox(QString::fromUtf8(bytes, qsizetype(size)));
    checkBox(QString::fromLatin1(bytes, qsizetype(size)));
    // Every UTF-16 code unit, lone surrogates included.
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    checkBox(QString(reinterpret_cast<const QChar *>(units.data()), qsizetype(units.size())));
    return 0;
}
