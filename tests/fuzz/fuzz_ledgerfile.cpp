// The ledger file reader: whatever the bytes, it reads a ledger or names a
// damaged line, never crashes, and what it reads is written back to the
// same text and read again alike.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "persistence/ledgerfile.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace vintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const LedgerRead read = parseLedger(text);
    if (read.damagedLine > 0) {
        FUZZ_CHECK(read.ledger.sessions().empty() && read.ledger.bets().empty());
        return 0;
    }
    const std::string written = ledgerText(read.ledger);
    const LedgerRead again = parseLedger(written);
    FUZZ_CHECK(again.damagedLine == 0);
    FUZZ_CHECK(again.ledger.bets() == read.ledger.bets());
    FUZZ_CHECK(ledgerText(again.ledger) == written);
    // The sums of what was read stay finite and whole.
    const HonestLine total = read.ledger.total();
    FUZZ_CHECK(total.staked >= 0);
    return 0;
}
