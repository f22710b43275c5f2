#pragma once
// Reading a file of spins brought from elsewhere, for the import into a room:
// its encoding (Windows-1250, UTF-8 or UTF-16) decoded in
// persistence/textencoding.h, its lines handed to the one reader that fits
// (persistence/spinlinereader.h), its spins put in the order a room keeps
// them, oldest first.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "persistence/spinlinereader.h"

namespace vintaro {

struct ImportRequest
{
    std::string column;       // a column's name or number; empty: the whole line (or the export's "Szám")
    bool newestFirst = false; // the file lists the newest spin first
};

enum class ImportFormat { List, Csv, ExportCsv };
enum class TextEncoding { Utf8, Windows1250, Utf16 };

struct ImportRead
{
    enum class Status { Ok, Missing, Unreadable, TooLarge };
    Status status = Status::Ok;
    std::string error; // Unreadable: why, in the program's words
    ImportFormat format = ImportFormat::List;
    TextEncoding encoding = TextEncoding::Utf8;
    ImportedSpins read; // spins oldest first
};

// A file larger than this is not read (a history of a million spins per
// room stays far below it).
inline constexpr std::uint64_t kImportLimit = std::uint64_t{64} << 20;

// The reader for a text whose first row is `firstRow`: the export's, a
// column's when one is chosen, else the plain list's.
std::unique_ptr<SpinLineReader> importReader(std::string_view firstRow, const std::string &column,
                                             ImportFormat &format);

// The bytes of a file as they were read.
ImportRead readImportBytes(std::string_view bytes, const ImportRequest &request);
// A file, by its path in the system's bytes (regular files only).
ImportRead readImportFile(const std::string &path, const ImportRequest &request);

} // namespace vintaro
