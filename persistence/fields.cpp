#include "persistence/fields.h"

namespace vintaro {

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Steps over one line end (CR LF counts as one).
size_t skipLineEnd(std::string_view s, size_t i, int &line)
{
    if (i < s.size() && s[i] == '\r')
        ++i;
    if (i < s.size() && s[i] == '\n')
        ++i;
    ++line;
    return i;
}

std::string_view trimTrailingBlanks(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::optional<std::string_view> loneField(std::string_view line)
{
    for (const char c : line)
        if (c == ',' || c == '"')
            return std::nullopt;
    size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    return trimTrailingBlanks(line.substr(i));
}

std::vector<Field> readFields(std::string_view s)
{
    std::vector<Field> fields;
    size_t i = 0;
    int line = 1;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        Field field;
        field.line = line;
        if (i < s.size() && s[i] == '"') {
            // A quoted field never runs past its line's end: a stray quote
            // takes the rest of its own line and nothing more.
            size_t close = i + 1;
            while (close < s.size() && s[close] != '"' && !isLineEnd(s[close]))
                ++close;
            field.text.assign(s.substr(i + 1, close - i - 1));
            i = close < s.size() && s[close] == '"' ? close + 1 : close;
            // Whatever follows the closing quote up to the delimiter is dropped.
            while (i < s.size() && s[i] != ',' && !isLineEnd(s[i]))
                ++i;
        } else {
            const size_t start = i;
            while (i < s.size() && s[i] != ',' && !isLineEnd(s[i]))
                ++i;
            field.text.assign(trimTrailingBlanks(s.substr(start, i - start)));
        }
        fields.push_back(std::move(field));
        if (i < s.size() && s[i] == ',') {
            ++i;
            // A comma right before the line end leaves one more, empty field.
            if (i >= s.size() || isLineEnd(s[i])) {
                fields.push_back({std::string(), line});
                if (i < s.size())
                    i = skipLineEnd(s, i, line);
            }
        } else if (i < s.size()) {
            i = skipLineEnd(s, i, line);
        }
    }
    return fields;
}

} // namespace vintaro
