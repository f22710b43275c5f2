#include "persistence/exportcsvreader.h"

#include "persistence/csvexport.h"

namespace vintaro {

// The spins stand in the second column, whichever language named it.
ExportCsvReader::ExportCsvReader() : CsvColumnReader(ColumnChoice{{}, 2}) {}

bool ExportCsvReader::recognises(std::string_view firstRow)
{
    const std::vector<std::string> row = fields(firstRow, separatorOf(firstRow));
    return row.size() >= 2 && ((row[0] == kCsvIndexHeader && row[1] == kCsvNumberHeader) ||
                               (row[0] == kCsvIndexHeaderEnglish && row[1] == kCsvNumberHeaderEnglish));
}

} // namespace vintaro
