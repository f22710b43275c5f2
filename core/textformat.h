#pragma once
// Number-to-text and text-to-number rules shared by every window and file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vintaro {

// The platform's number-to-text form: one blank before a non-negative number
// (" 5"), a minus sign before a negative one ("-5").
std::string signedText(long value);

// Plain decimal, no blank ("5", "-5").
std::string plainText(long value);

// Pattern "@@"/"@@@@": right-aligned in `width` characters, blanks on the left;
// a longer value is written in full.
std::string rightAligned(long value, int width);
std::string rightAligned(std::string_view text, int width);

// Pattern "00"/"000"/"0000": zero-padded to at least `digits` digits.
std::string zeroPadded(long value, int digits);

// The leading decimal number of a text, blanks ignored anywhere in it
// (" 1 2x" reads 12); a text without one reads 0. An optional sign and one
// decimal point are understood.
double leadingValue(std::string_view text);

// leadingValue truncated towards zero and clamped to the int range.
int leadingInt(std::string_view text);

// Whether the text holds a leading number at all (blanks ignored).
bool hasLeadingNumber(std::string_view text);
// leadingValue when the text holds a leading number, nothing otherwise.
std::optional<double> leadingNumber(std::string_view text);

// Rounds to the nearest integer, a half to the even neighbour, clamped to the
// int range.
int roundHalfEven(double value);

// Removes leading and trailing blanks (spaces only, as the platform's trim does).
std::string_view trimBlanks(std::string_view text);

// The width of UTF-8 text in a column of fixed-width characters: its
// characters, not its bytes.
std::size_t displayWidth(std::string_view utf8);

// The text of one spin in the history list: the position right-aligned in
// four characters, four blanks, the number without blanks.
std::string historyLine(int position, int number);

// The language of the texts a player reads, and so of every number in them.
// Hungarian unless the program chose English (translations/language.cpp sets
// it together with the translated texts). Files never follow it.
enum class TextLanguage { Hungarian, English };
void setTextLanguage(TextLanguage language);
TextLanguage textLanguage();

// The one number text that a player reads, in the chosen language. Hungarian:
// thousands grouped by a narrow no-break space (U+202F), a decimal comma:
// "32 736", "-1,25". English: a comma between thousands, a decimal point:
// "32,736", "-1.25". A value that is no number reads "-".
std::string formatInteger(std::int64_t value);
std::string formatDecimal(double value, int decimals);
// The decimals that show `digits` significant digits of value (after rounding).
int significantDecimals(double value, int digits);

// The Hungarian article before a number, as the number is spoken: "az"
// before one that begins with a vowel (1, 5, 50–59, 500–599, 1000–1999,
// 5000–5999, …), otherwise "a". Capitalised at the start of a sentence.
// English has no article that depends on the number: empty there.
std::string_view articleFor(std::int64_t value, bool capital = false);
// The number behind its article: "az 5", "a 12 345"; in English the number
// alone (an English sentence writes its own "the").
std::string withArticle(std::int64_t value, bool capital = false);

// "How many times" as a number with its suffix. Hungarian chooses the vowel
// by the last spoken word: "37-szeres", "20-szoros", "5-szörös",
// "1 000-szeres"; English: "37-fold", "1,000-fold".
std::string timesText(std::int64_t value);

} // namespace vintaro
