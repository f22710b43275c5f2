#include "persistence/exportcsvreader.h"

#include "persistence/csvexport.h"

namespace vintaro {

ExportCsvReader::ExportCsvReader() : CsvColumnReader(ColumnChoice{std::string(kCsvNumberHeader), 0}) {}

bool ExportCsvReader::recognises(std::string_view firstRow)
{
    const std::vector<std::string> row = fields(firstRow, separatorOf(firstRow));
    return row.size() >= 2 && row[0] == kCsvIndexHeader && row[1] == kCsvNumberHeader;
}

} // namespace vintaro
