// The analysis reader: the spins, the junk and the format it finds must not
// depend on where the input is cut into blocks; read from a file, the same
// again; every spin is a number of the wheel.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "persistence/analysisreader.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace vintaro;
using namespace vintaro::fuzz;

namespace {

struct Reading
{
    std::vector<std::uint8_t> spins;
    SpinFormat format = SpinFormat::List;
    std::int64_t junk = 0, line = 0;
    std::string text;
    bool operator==(const Reading &) const = default;
};

// Feeds the bytes in pieces of the given sizes, cycled (a size of 0 feeds
// an empty piece, as a read of nothing would).
Reading read(const std::uint8_t *data, size_t size, const std::vector<size_t> &pieces)
{
    Reading r;
    SpinStreamReader reader([&r](std::span<const std::uint8_t> s) { r.spins.insert(r.spins.end(), s.begin(), s.end()); });
    for (size_t at = 0, k = 0; at < size;) {
        const size_t n = std::min(size - at, pieces[k++ % pieces.size()]);
        reader.feed(data + at, n);
        at += n;
    }
    reader.finish();
    r.format = reader.format();
    r.junk = reader.junk();
    r.line = reader.firstJunkLine();
    r.text = reader.firstJunkText();
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const Reading whole = read(data, size, {size + 1});
    for (const std::uint8_t spin : whole.spins)
        FUZZ_CHECK(spin <= 36);
    // A spin or a junk token stands for at least one byte.
    FUZZ_CHECK(std::int64_t(whole.spins.size()) + whole.junk <= std::int64_t(size));
    FUZZ_CHECK((whole.junk == 0) == (whole.line == 0));
    FUZZ_CHECK(whole.text.size() <= SpinTokenizer::kJunkTextLimit);

    // Cuts chosen by the input itself, so that the fuzzer steers them too.
    std::vector<size_t> cuts;
    for (size_t i = 0; i < size && i < 16; ++i)
        cuts.push_back(data[size - 1 - i] % 9);
    if (cuts.empty() || std::all_of(cuts.begin(), cuts.end(), [](size_t c) { return c == 0; }))
        cuts.push_back(1);
    FUZZ_CHECK(read(data, size, {1}) == whole);
    FUZZ_CHECK(read(data, size, cuts) == whole);
    FUZZ_CHECK(read(data, size, {63, 0, 2, 65}) == whole);

    // Through the file guard and whole blocks: the same.
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const SpinFileSpins file = readSpinFileSpins(writeScratch("elemzes.txt", bytes).toStdString(), InputKind::RegularFile);
    FUZZ_CHECK(file.status == SpinFileRead::Status::Done);
    FUZZ_CHECK(file.spins == whole.spins);
    FUZZ_CHECK(file.junk == whole.junk && file.firstJunkLine == whole.line && file.firstJunkText == whole.text);
    FUZZ_CHECK(file.format == whole.format);
    return 0;
}
