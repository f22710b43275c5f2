#include "core/textformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <climits>
#include <cstdint>
#include <cstdio>

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

std::optional<double> leadingNumber(std::string_view text)
{
    double v = 0;
    if (!scanLeading(text, v))
        return std::nullopt;
    return v;
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

std::size_t displayWidth(std::string_view utf8)
{
    std::size_t n = 0;
    for (char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string historyLine(int position, int number)
{
    return rightAligned(position, 4) + "    " + std::to_string(number);
}

} // namespace vintaro

namespace vintaro {

namespace {

TextLanguage g_language = TextLanguage::Hungarian;

bool english()
{
    return g_language == TextLanguage::English;
}

std::string grouped(const std::string &digits)
{
    // Between groups of three digits: in Hungarian U+202F, a narrow space
    // that never breaks; in English a comma.
    const std::string_view separator = english() ? "," : "\xE2\x80\xAF";
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

std::string magnitudeDigits(std::int64_t value)
{
    // The magnitude of the lowest value does not fit a signed 64-bit integer.
    const auto magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return std::to_string(magnitude);
}

} // namespace

void setTextLanguage(TextLanguage language)
{
    g_language = language;
}

TextLanguage textLanguage()
{
    return g_language;
}

std::string formatInteger(std::int64_t value)
{
    std::string out(value < 0 ? "-" : "");
    out += grouped(magnitudeDigits(value));
    return out;
}

std::string formatDecimal(double value, int decimals)
{
    if (!std::isfinite(value))
        return "-";
    // printf's "%.*f" digits: a negative count of decimals means six.
    char buffer[400];
    size_t length = 0;
    if (const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                                std::chars_format::fixed, decimals < 0 ? 6 : decimals);
        error == std::errc{})
        length = size_t(end - buffer);
    else // more decimals than the buffer holds: printf's text, cut short
        length = std::min(sizeof buffer - 1,
                          size_t(std::max(0, std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value)))));
    const std::string_view text(buffer, length);
    const size_t dot = text.find('.');
    std::string out = grouped(std::string(text.substr(0, dot)));
    if (dot != std::string::npos) {
        out += english() ? '.' : ',';
        out += text.substr(dot + 1);
    }
    const bool zero = text.find_first_not_of("0.") == std::string::npos;
    if (value < 0 && !zero)
        out.insert(out.begin(), '-');
    return out;
}

int significantDecimals(double value, int digits)
{
    const double v = std::fabs(value);
    if (!(v > 0) || !std::isfinite(v))
        return digits - 1;
    int decimals = std::max(0, digits - 1 - int(std::floor(std::log10(v))));
    // Rounding may carry into the next power of ten: 9,996 is 10,0.
    const double scale = std::pow(10.0, decimals);
    if (decimals > 0 && std::round(v * scale) >= std::pow(10.0, digits))
        --decimals;
    return decimals;
}

std::string_view articleFor(std::int64_t value, bool capital)
{
    if (english())
        return {};
    if (value < 0) // "mínusz …"
        return capital ? "A" : "a";
    const std::string digits = std::to_string(value);
    // Spoken from the left: 5… is "öt…" at any length; 1… is "egy" only where
    // it stands alone in its group of three (1, 1 000, 1 000 000: "ezer" too
    // begins with a vowel), and "tíz…" or "száz…" elsewhere.
    const bool vowel = digits[0] == '5' || (digits[0] == '1' && digits.size() % 3 == 1);
    if (vowel)
        return capital ? "Az" : "az";
    return capital ? "A" : "a";
}

std::string withArticle(std::int64_t value, bool capital)
{
    if (english())
        return formatInteger(value);
    return std::string(articleFor(value, capital)) + ' ' + formatInteger(value);
}

std::string timesText(std::int64_t value)
{
    if (english())
        return formatInteger(value) + "-fold";
    // The last spoken word decides: the last non-zero digit with its place.
    std::uint64_t rest = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string_view suffix = "-szoros"; // nulla
    static constexpr std::string_view units[10] = {"", "-szeres", "-szeres", "-szoros", "-szeres",
                                                   "-szörös", "-szoros", "-szeres", "-szoros", "-szeres"};
    static constexpr std::string_view tens[10] = {"", "-szeres", "-szoros", "-szoros", "-szeres",
                                                  "-szeres", "-szoros", "-szeres", "-szoros", "-szeres"};
    if (rest % 10 != 0)
        suffix = units[rest % 10];
    else if (rest % 100 != 0)
        suffix = tens[(rest / 10) % 10];
    else if (rest % 1000 != 0)
        suffix = "-szoros"; // száz
    else if (rest % 1000000 != 0)
        suffix = "-szeres"; // ezer
    else if (rest != 0)
        suffix = "-szoros"; // millió, milliárd
    return formatInteger(value) + std::string(suffix);
}

} // namespace vintaro
