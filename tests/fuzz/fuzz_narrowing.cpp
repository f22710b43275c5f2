// The narrowing: the answer to "how many of the last spins", counting the
// fields of a room's saved list, and writing its last n fields. The input
// is the answer up to the first LF, then the saved list.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "persistence/narrowing.h"
#include "persistence/spinfiles.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace vintaro;
using namespace vintaro::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const size_t split = std::min(input.find('\n'), input.size());
    const std::string_view answerBytes = input.substr(0, split);
    const std::string_view list = input.substr(std::min(split + 1, input.size()));

    const auto answer = narrowingAnswer(QString::fromUtf8(answerBytes.data(), qsizetype(answerBytes.size())));
    if (answer)
        FUZZ_CHECK(std::isfinite(*answer));
    // A plain count of up to nine digits reads as itself.
    const std::string_view trimmed = answerBytes.substr(0, answerBytes.find_last_not_of(' ') + 1);
    if (!trimmed.empty() && trimmed.size() <= 9 && trimmed.find_first_not_of("0123456789") == std::string_view::npos)
        FUZZ_CHECK(answer && *answer == double(std::stol(std::string(trimmed))));

    const QString from = writeScratch("rszamok3.txt", list);
    const FieldCount count = countFields(from);
    FUZZ_CHECK(count.status == ReadStatus::Ok);
    const std::string_view content = withoutBom(list);
    const bool plain = !hasLongLine(content);
    std::vector<Field> fields;
    if (plain) {
        fields = readFields(content);
        FUZZ_CHECK(count.count == qint64(fields.size()));
    }
    if (count.count == 0)
        return 0;

    // The answer when it is accepted, otherwise a count taken from the input.
    double n = answer && narrowingAccepted(*answer, count.count) ? *answer
                                                                  : double(1 + qint64(size) % count.count);
    FUZZ_CHECK(narrowingAccepted(n, count.count));
    const QString to = scratchPath("rszamok.txt");
    FUZZ_CHECK(writeLastFields(from, count.count, n, to) == CopyResult::Copied);
    if (!plain)
        return 0;
    // Start reads from the copy exactly the spins of the last floor(n) fields.
    const size_t kept = size_t(std::floor(n));
    std::vector<std::int16_t> expected;
    for (size_t k = fields.size() - kept; k < fields.size(); ++k) {
        const auto value = fieldValue(fields[k].text);
        if (value && *value >= 0 && *value <= 36)
            expected.push_back(std::int16_t(*value));
    }
    const SpinList copied = readSpinList(to);
    FUZZ_CHECK(copied.skipped == 0);
    FUZZ_CHECK(copied.spins == expected);
    return 0;
}
