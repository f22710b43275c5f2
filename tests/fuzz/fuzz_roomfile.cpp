// The room number file: its first field is the room box text. It never
// holds a line end (a CR would stay in the room box) and equals the first
// field of the first line as the sequential reader reads it.
#include <cstddef>
#include <cstdint>

#include "persistence/cp1250.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace vintaro;
using namespace vintaro::fuzz;

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
    return 0;
}
