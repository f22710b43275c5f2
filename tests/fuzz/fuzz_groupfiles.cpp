// The group files: every record read from the file becomes a table entry,
// every group of a table has its kind's member count, and the analyses,
// the report and the selection of the leading group take whatever the file
// held.
#include <cstddef>
#include <cstdint>

#include "core/selection.h"
#include "core/spinhistory.h"
#include "groups/groupanalysis.h"
#include "groups/grouptables.h"
#include "persistence/cp1250.h"
#include "persistence/groupfiles.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace vintaro;
using namespace vintaro::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto records = readGroupFile(writeScratch("corner.txt", bytes));
    FUZZ_CHECK(records.has_value());

    const std::string_view content = withoutBom(bytes);
    if (!hasLongLine(content)) {
        const auto fields = readFields(content);
        FUZZ_CHECK(records->size() == fields.size());
        for (size_t k = 0; k < fields.size(); ++k)
            FUZZ_CHECK((*records)[k] ==
                       fromCp1250(QByteArray::fromStdString(fields[k].text)).toStdString());
    }

    // A short history made of the first bytes, so the analyses have spins.
    SpinHistory history;
    for (size_t k = 0; k < size && k < 64; ++k)
        history.push(data[k] % 37);

    GroupTables tables;
    for (const GroupKind kind : kFileKinds) {
        tables.fill(kind, *records);
        const auto groups = tables.groups(kind);
        FUZZ_CHECK(groups.size() <= size_t(groupCount(kind)));
        for (const Group &group : groups) {
            FUZZ_CHECK(group.members.size() == size_t(memberCount(kind)));
            // The width counts characters (one byte each in the file), not UTF-8 bytes.
            FUZZ_CHECK(QString::fromStdString(group.text).toUcs4().size() == groupTextWidth(memberCount(kind)));
        }
        const GroupAnalysis analysis = analyseGroups(kind, groups, history);
        FUZZ_CHECK(analysis.results.size() == groups.size());
        FUZZ_CHECK(analysis.leader >= -1 && analysis.leader < int(analysis.results.size()));
        for (const GroupResult &result : analysis.results) {
            FUZZ_CHECK(result.figures.hits >= 0 && result.figures.hits <= history.count());
            FUZZ_CHECK(result.figures.current >= 0 && result.figures.current <= result.figures.longest);
            FUZZ_CHECK(result.figures.longest <= history.count());
        }
        (void)reportLines(analysis);
        if (const GroupResult *leading = analysis.leading()) {
            Selection selection;
            selection.selectGroup(leading->group.members, memberCount(kind));
            for (const int n : selection.selectedNumbers())
                FUZZ_CHECK(n >= 0 && n <= 36);
        }
    }
    return 0;
}
