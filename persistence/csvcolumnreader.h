#pragma once
// A table (CSV) with the spins in one column, chosen by its header's name or
// by its number (from 1). The separator is the one the first row uses most:
// comma, semicolon or tab. A field may be quoted ("..."), with doubled quotes
// inside; a quoted field never runs past its line.
#include <optional>
#include <string>
#include <vector>

#include "persistence/spinlinereader.h"

namespace vintaro {

// A column as a player names it: "3" is the third, anything else a header's name.
struct ColumnChoice
{
    std::string name; // empty: by number
    int number = 0;   // from 1; 0: by name

    static std::optional<ColumnChoice> parse(std::string_view text); // none for an empty text or "0"
};

class CsvColumnReader : public SpinLineReader
{
public:
    explicit CsvColumnReader(ColumnChoice column);
    void line(std::string_view text, std::int64_t number, ImportedSpins &out) override;

    // The fields of one row, unquoted, their blanks kept.
    static std::vector<std::string> fields(std::string_view row, char separator);
    // The separator the row uses most (a comma when it uses none).
    static char separatorOf(std::string_view row);

private:
    void header(std::string_view text, std::int64_t number, ImportedSpins &out);

    ColumnChoice m_column;
    char m_separator = ',';
    bool m_started = false;
    int m_index = -1; // of the column, from 0; -1 while unknown or missing
};

} // namespace vintaro
