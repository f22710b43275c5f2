// The room files: the room number file and the journal of the room
// operations.
//
// The room number file: its first field is the room box text. It never
// holds a line end (a CR would stay in the room box) and equals the first
// field of the first line as the sequential reader reads it.
//
// The same bytes as the journal: every file it names is a room file of its
// own folder by its plain name, and finishing it at start-up never changes
// a file outside the folder.
#include <QDir>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>

#include "persistence/cp1250.h"
#include "persistence/roomjournal.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace vintaro;
using namespace vintaro::fuzz;

namespace {

void checkJournal(std::string_view bytes)
{
    // <scratch>/lists holds the journal; beside the folder lies a file with
    // a new content waiting next to it, as a crafted journal would want.
    static const QString lists = [] {
        QDir().mkpath(scratchPath("lists"));
        return scratchPath("lists");
    }();
    const QString outside = scratchPath("victim.txt");
    writeScratch("victim.txt", "mine");
    writeScratch(".victim.txt.vintaro-new", "theirs");
    const QByteArray journal(bytes.data(), qsizetype(bytes.size()));
    if (const auto parsed = parseJournal(lists, journal))
        for (const QString &target : parsed->targets) {
            const QFileInfo info(target);
            FUZZ_CHECK(info.path() == lists);
            FUZZ_CHECK(roomFileName(info.fileName()));
            FUZZ_CHECK(QDir::cleanPath(target) == target);
        }
    writeScratch("lists/.vintaro-journal", bytes);
    writeScratch("lists/.rszamok.txt.vintaro-new", "1\r\n");
    recoverRoomFiles(lists);
    FUZZ_CHECK(readSmallFile(outside, 16) == QByteArray("mine"));
    QFile::remove(lists + QStringLiteral("/.vintaro-journal"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    ReadStatus status = ReadStatus::Missing;
    const auto room = readFirstField(writeScratch("terem.txt", bytes), &status);
    FUZZ_CHECK(status == ReadStatus::Ok);
    FUZZ_CHECK(room.has_value());
    FUZZ_CHECK(!room->contains(QLatin1Char('\r')) && !room->contains(QLatin1Char('\n')));
    FUZZ_CHECK(room->size() <= kLineLimit);

    const std::string_view content = withoutBom(bytes);
    const std::string_view firstLine = content.substr(0, content.find_first_of("\r\n"));
    if (firstLine.size() <= size_t(kLineLimit)) {
        const auto fields = readFields(firstLine);
        const std::string expected = fields.empty() ? std::string() : fields.front().text;
        FUZZ_CHECK(*room == fromCp1250(QByteArray::fromStdString(expected)));
    }
    checkJournal(bytes);
    return 0;
}
