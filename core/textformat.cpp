#include "core/textformat.h"

#include <cmath>
#include <limits>
#include <climits>

namespace vintaro {

std::string signedText(long value)
{
    std::string out = value < 0 ? std::string() : std::string(1, ' ');
    out += std::to_string(value);
    return out;
}

std::string plainText(long value) { return std::to_string(value); }

std::string rightAligned(std::string_view text, int width)
{
    std::string out;
    if (static_cast<int>(text.size()) < width)
        out.assign(static_cast<size_t>(width) - text.size(), ' ');
    out += text;
    return out;
}

std::string rightAligned(long value, int width) { return rightAligned(std::to_string(value), width); }

std::string zeroPadded(long value, int digits)
{
    const bool negative = value < 0;
    std::string body = std::to_string(negative ? -value : value);
    if (static_cast<int>(body.size()) < digits)
        body.insert(0, static_cast<size_t>(digits) - body.size(), '0');
    if (negative)
        body.insert(body.begin(), '-');
    return body;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Scans the leading number; returns false when there is none.
bool scanLeading(std::string_view text, double &out)
{
    size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skip();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    bool fraction = false; // past the decimal point
    double scale = 0.1;    // place value of the next fraction digit
    bool digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c))
            continue;
        if (c >= '0' && c <= '9') {
            digits = true;
            if (!fraction) {
                value = value * 10 + (c - '0');
            } else if (c != '0') {
                // A digit too small for a double to hold makes the text no
                // number that a numeric type keeps.
                if (scale < std::numeric_limits<double>::min())
                    return false;
                value += (c - '0') * scale;
            }
            if (fraction)
                scale /= 10;
        } else if (c == '.' && !fraction) {
            fraction = true;
        } else {
            break;
        }
    }
    if (!std::isfinite(value))
        return false; // more digits than any numeric type holds
    out = negative ? -value : value;
    return digits;
}

} // namespace

double leadingValue(std::string_view text)
{
    double v = 0;
    return scanLeading(text, v) ? v : 0.0;
}

bool hasLeadingNumber(std::string_view text)
{
    double v = 0;
    return scanLeading(text, v);
}

int leadingInt(std::string_view text)
{
    const double v = std::trunc(leadingValue(text));
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}

int roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    double r = std::nearbyint(value); // default rounding mode: to nearest, ties to even
    if (r >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (r <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(r);
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string historyLine(int position, int number)
{
    return rightAligned(position, 4) + "    " + std::to_string(number);
}

} // namespace vintaro
