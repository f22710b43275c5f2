#include "persistence/plainlistreader.h"

#include "persistence/spintokenizer.h"

namespace vintaro {

SkipReason tokenReason(std::string_view token)
{
    if (token.empty())
        return SkipReason::NotANumber;
    for (const char c : token)
        if (c < '0' || c > '9')
            return SkipReason::NotANumber;
    return SkipReason::OutOfRange;
}

void PlainListReader::line(std::string_view text, std::int64_t number, ImportedSpins &out)
{
    SpinTokenizer tokens;
    m_buffer.resize(text.size() + 2);
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    std::size_t count = tokens.feed(bytes, text.size(), m_buffer.data());
    count += tokens.finish(m_buffer.data() + count);
    if (tokens.junk() > 0) {
        out.skip(tokenReason(tokens.firstJunkText()), number);
        return;
    }
    out.spins.insert(out.spins.end(), m_buffer.begin(), m_buffer.begin() + std::ptrdiff_t(count));
}

} // namespace vintaro
