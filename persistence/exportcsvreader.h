#pragma once
// The program's own CSV export (persistence/csvexport.h): its header row
// begins "Sorszám", "Szám" (or, written in English, "Spin", "Number"), and
// the spins stand in that second column, oldest first.
// Comma or semicolon separated, with or without a byte order mark.
#include "persistence/csvcolumnreader.h"

namespace vintaro {

class ExportCsvReader : public CsvColumnReader
{
public:
    ExportCsvReader();
    // Whether the first row of a text is the export's header.
    static bool recognises(std::string_view firstRow);
};

} // namespace vintaro
