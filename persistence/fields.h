#pragma once
// Reading the fields of a sequential text file: leading blanks are skipped;
// an unquoted field ends at a comma or at the end of its line; a field in
// double quotes may hold commas but never runs past its line. CR LF, LF
// and CR all end a line.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintaro {

struct Field
{
    std::string text;
    int line = 0; // 1-based line the field starts on
};

// Every field of the content, in order, as a sequential reader would read
// them until the end of the file. An empty line gives one empty field; a
// final line end gives no extra field.
std::vector<Field> readFields(std::string_view content);

// The one field of a line (no line end in it) that holds neither a comma nor
// a double quote, as readFields reads it; nothing for any other line.
std::optional<std::string_view> loneField(std::string_view line);

} // namespace vintaro
