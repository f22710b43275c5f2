// The import's readers (a plain list, a table's column, the program's own
// export, in any encoding): every spin is a number of the wheel, every line
// gives spins or a reason, the newest-first order is the other exactly
// reversed, and the file reads as its bytes do.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include <QFile>

#include "persistence/spinimport.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace vintaro;
using namespace vintaro::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const QString path = writeScratch("import.txt", bytes);
    for (const char *column : {"", "2", "Szám", "x"}) {
        const ImportRead oldest = readImportBytes(bytes, {column, false});
        const ImportRead newest = readImportBytes(bytes, {column, true});
        FUZZ_CHECK(oldest.status == ImportRead::Status::Ok);
        for (const std::uint8_t spin : oldest.read.spins)
            FUZZ_CHECK(spin <= 36);
        FUZZ_CHECK(std::equal(oldest.read.spins.begin(), oldest.read.spins.end(), newest.read.spins.rbegin(),
                              newest.read.spins.rend()) &&
                   oldest.read.spins.size() == newest.read.spins.size());
        FUZZ_CHECK(oldest.read.spins.size() <= size);
        FUZZ_CHECK(oldest.read.skippedLines() <= oldest.read.lines);
        for (int k = 0; k < kSkipReasonCount; ++k) {
            const auto reason = std::size_t(k);
            FUZZ_CHECK((oldest.read.skipped[reason] == 0) == (oldest.read.firstSkipped[reason] == 0));
            FUZZ_CHECK(oldest.read.firstSkipped[reason] <= oldest.read.lines);
        }
        const ImportRead file = readImportFile(QFile::encodeName(path).toStdString(), {column, false});
        FUZZ_CHECK(file.status == ImportRead::Status::Ok && file.read.spins == oldest.read.spins &&
                   file.read.skipped == oldest.read.skipped && file.format == oldest.format &&
                   file.encoding == oldest.encoding);
    }
    return 0;
}
