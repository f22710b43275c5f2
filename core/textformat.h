#pragma once
// Number-to-text and text-to-number rules shared by every window and file.
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

// Rounds to the nearest integer, a half to the even neighbour, clamped to the
// int range.
int roundHalfEven(double value);

// Removes leading and trailing blanks (spaces only, as the platform's trim does).
std::string_view trimBlanks(std::string_view text);

// The text of one spin in the history list: the position right-aligned in
// four characters, four blanks, the number without blanks.
std::string historyLine(int position, int number);

} // namespace vintaro
