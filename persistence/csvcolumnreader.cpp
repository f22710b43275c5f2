#include "persistence/csvcolumnreader.h"

#include <algorithm>


namespace vintaro {

namespace {

bool asciiEqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The spin of a field: digits alone giving 0..36 ("07" is 7).
std::optional<int> spinOf(std::string_view field)
{
    if (tokenReason(field) != SkipReason::OutOfRange)
        return std::nullopt;
    int value = 0;
    for (const char c : field)
        value = std::min(value * 10 + (c - '0'), 100);
    return value <= 36 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

std::optional<ColumnChoice> ColumnChoice::parse(std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return std::nullopt;
    if (tokenReason(text) == SkipReason::OutOfRange) { // digits alone
        long value = 0;
        for (const char c : text)
            value = std::min(value * 10 + (c - '0'), 1000000L);
        if (value < 1)
            return std::nullopt;
        return ColumnChoice{{}, int(value)};
    }
    return ColumnChoice{std::string(text), 0};
}

CsvColumnReader::CsvColumnReader(ColumnChoice column) : m_column(std::move(column)) {}

char CsvColumnReader::separatorOf(std::string_view row)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (const char c : row) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted)
            comma += c == ',', semicolon += c == ';', tab += c == '\t';
    }
    if (semicolon > comma && semicolon >= tab)
        return ';';
    if (tab > comma)
        return '\t';
    return ',';
}

std::vector<std::string> CsvColumnReader::fields(std::string_view row, char separator)
{
    std::vector<std::string> out(1);
    bool quoted = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const char c = row[i];
        if (quoted) {
            if (c != '"')
                out.back() += c;
            else if (i + 1 < row.size() && row[i + 1] == '"')
                out.back() += '"', ++i;
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

void CsvColumnReader::header(std::string_view text, std::int64_t number, ImportedSpins &out)
{
    m_started = true;
    m_separator = separatorOf(text);
    const std::vector<std::string> row = fields(text, m_separator);
    if (!m_column.name.empty()) {
        // The first row names the columns.
        for (std::size_t k = 0; k < row.size() && m_index < 0; ++k)
            if (asciiEqualNoCase(trimmed(row[k]), m_column.name))
                m_index = int(k);
        out.columnMissing = m_index < 0;
        out.skip(SkipReason::Header, number);
        return;
    }
    m_index = m_column.number - 1;
    // A first row whose field is text (not a number at all) is a header.
    if (std::size_t(m_index) < row.size() && !trimmed(row[std::size_t(m_index)]).empty() &&
        tokenReason(trimmed(row[std::size_t(m_index)])) == SkipReason::NotANumber) {
        out.skip(SkipReason::Header, number);
        return;
    }
    line(text, number, out);
}

void CsvColumnReader::line(std::string_view text, std::int64_t number, ImportedSpins &out)
{
    if (trimmed(text).empty())
        return;
    if (!m_started)
        return header(text, number, out);
    if (m_index < 0)
        return out.skip(SkipReason::NoColumn, number);
    const std::vector<std::string> row = fields(text, m_separator);
    if (std::size_t(m_index) >= row.size())
        return out.skip(SkipReason::NoColumn, number);
    const std::string_view field = trimmed(row[std::size_t(m_index)]);
    if (const auto spin = spinOf(field))
        out.spins.push_back(std::uint8_t(*spin));
    else
        out.skip(tokenReason(field), number);
}

} // namespace vintaro
