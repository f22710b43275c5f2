// The spin list: parsed in memory and read from a file as a stream, the two
// readings must agree, and every spin kept must be a number of the wheel.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/spinhistory.h"
#include "persistence/spinfiles.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace vintaro;
using namespace vintaro::fuzz;

namespace {

void checkList(const SpinList &list, std::string_view content)
{
    FUZZ_CHECK(list.status == ReadStatus::Ok);
    FUZZ_CHECK(list.spins.size() <= size_t(SpinHistory::kCapacity));
    for (const std::int16_t spin : list.spins)
        FUZZ_CHECK(spin >= 0 && spin <= 36);
    FUZZ_CHECK(list.skipped >= 0 && list.leftOut >= 0);
    FUZZ_CHECK((list.skipped == 0) == (list.firstSkippedLine == 0));
    // Every spin and every skipped field stands for at least one byte or
    // line end of the content.
    FUZZ_CHECK(qint64(list.spins.size()) + list.leftOut + list.skipped <= qint64(content.size()) + 1);
    // A spin kept means the list was not all junk; a list longer than the
    // capacity keeps it full.
    if (list.leftOut > 0)
        FUZZ_CHECK(list.spins.size() == size_t(SpinHistory::kCapacity));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const SpinList fromFile = readSpinList(writeScratch("rszamok.txt", bytes));
    checkList(fromFile, bytes);

    // The file reader drops a leading byte-order mark and flags a line longer
    // than kLineLimit whole; apart from that both readers read the same list.
    const std::string_view content = withoutBom(bytes);
    const SpinList inMemory = parseSpinList(content);
    checkList(inMemory, content);
    if (!hasLongLine(content)) {
        FUZZ_CHECK(inMemory.spins == fromFile.spins);
        FUZZ_CHECK(inMemory.skipped == fromFile.skipped);
        FUZZ_CHECK(inMemory.firstSkippedLine == fromFile.firstSkippedLine);
        FUZZ_CHECK(inMemory.leftOut == fromFile.leftOut);

        // And both keep the newest kCapacity of the fields that give 0-36.
        std::vector<std::int16_t> valid;
        const std::vector<Field> fields = readFields(content);
        for (const Field &field : fields)
            if (const auto value = fieldValue(field.text); value && *value >= 0 && *value <= 36)
                valid.push_back(std::int16_t(*value));
        const size_t keep = std::min(valid.size(), size_t(SpinHistory::kCapacity));
        FUZZ_CHECK(std::equal(fromFile.spins.begin(), fromFile.spins.end(), valid.end() - std::ptrdiff_t(keep),
                              valid.end()) &&
                   fromFile.spins.size() == keep);
        FUZZ_CHECK(fromFile.leftOut == qint64(valid.size() - keep));
        FUZZ_CHECK(fromFile.skipped == qint64(fields.size() - valid.size()));
    }
    return 0;
}
