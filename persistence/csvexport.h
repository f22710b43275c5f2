#pragma once
// CSV export of the history and of the statistics: UTF-8, RFC 4180 (comma
// separated, CR LF line ends, fields quoted when they need it), a header row
// first. For spreadsheet programs set to a Hungarian locale, whose list
// separator is the semicolon (the comma being the decimal sign), the same with
// semicolons and a UTF-8 byte-order mark in front, by which they know UTF-8.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QString;

namespace vintaro {

class Session;

struct CsvStyle
{
    char separator = ',';
    bool byteOrderMark = false; // EF BB BF before the first record

    static CsvStyle standard() { return {}; }
    static CsvStyle hungarianSpreadsheet() { return {';', true}; }
};

// One field as RFC 4180 writes it: quoted (with inner quotes doubled) when it
// holds the separator, a quote, CR or LF.
std::string csvField(std::string_view text, char separator = ',');
// One record: the fields joined by the separator, ending in CR LF.
std::string csvRecord(const std::vector<std::string> &fields, char separator = ',');

// The names of the history's first two columns, in Hungarian and in English:
// the analysis reader knows the export by them, whichever language wrote it,
// and reads the spins from the second.
inline constexpr std::string_view kCsvIndexHeader = "Sorszám";
inline constexpr std::string_view kCsvNumberHeader = "Szám";
inline constexpr std::string_view kCsvIndexHeaderEnglish = "Spin";
inline constexpr std::string_view kCsvNumberHeaderEnglish = "Number";

// The header row and the names of the bets follow the program's language;
// the numbers are written the same in every language.

// One record per spin, oldest first: spin index (1-based), number, colour,
// third, column, even/odd, low/high. A spin of 0 has a colour only.
std::string historyCsv(std::span<const std::int16_t> spins, CsvStyle style = {});

// The fourteen outside bets with their hits, current and longest absence, then
// the numbers 1 to 36 with their current absence.
std::string statisticsCsv(const Session &session, CsvStyle style = {});

// The statistics file beside the history file the user named:
// "/x/tura.csv" -> "/x/tura_stat.csv", "/x/tura" -> "/x/tura_stat.csv".
std::string statisticsPath(std::string_view historyPath);

// Writes the bytes in full or not at all: the file appears (or replaces the
// old one) only when every byte reached the disk.
bool writeWholeFile(const QString &path, std::string_view bytes);

} // namespace vintaro
