#include "persistence/spinimport.h"

#include <algorithm>

#include "persistence/csvcolumnreader.h"
#include "persistence/exportcsvreader.h"
#include "persistence/plainlistreader.h"
#include "persistence/readguard.h"
#include "persistence/textencoding.h"

namespace vintaro {

namespace {

// The text in UTF-8, without a byte order mark.
std::string decoded(std::string_view bytes, TextEncoding &encoding)
{
    if (bytes.size() >= 2) {
        Utf16Decoder decoder;
        decoder.held[0] = static_cast<unsigned char>(bytes[0]);
        decoder.held[1] = static_cast<unsigned char>(bytes[1]);
        decoder.heldCount = 2;
        decoder.decide();
        if (decoder.mode == Utf16Decoder::Mode::Little || decoder.mode == Utf16Decoder::Mode::Big) {
            std::string text, rest;
            decoder.decode(reinterpret_cast<const unsigned char *>(bytes.data()) + 2, bytes.size() - 2, text);
            decoder.end(rest);
            encoding = TextEncoding::Utf16;
            return text + rest;
        }
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (utf8Length(bytes) == bytes.size()) {
        encoding = TextEncoding::Utf8;
        return std::string(bytes);
    }
    encoding = TextEncoding::Windows1250;
    return cp1250ToUtf8(bytes);
}

} // namespace

std::unique_ptr<SpinLineReader> importReader(std::string_view firstRow, const std::string &column,
                                             ImportFormat &format)
{
    if (const auto chosen = ColumnChoice::parse(column)) {
        format = ImportFormat::Csv;
        return std::make_unique<CsvColumnReader>(*chosen);
    }
    if (ExportCsvReader::recognises(firstRow)) {
        format = ImportFormat::ExportCsv;
        return std::make_unique<ExportCsvReader>();
    }
    format = ImportFormat::List;
    return std::make_unique<PlainListReader>();
}

ImportRead readImportBytes(std::string_view bytes, const ImportRequest &request)
{
    ImportRead result;
    const std::string text = decoded(bytes, result.encoding);
    std::unique_ptr<SpinLineReader> reader;
    // CR LF, LF and CR each end a line; a final line end adds no line.
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line(text.data() + start, end - start);
        ++result.read.lines;
        if (!reader && line.find_first_not_of(" \t") != std::string_view::npos)
            reader = importReader(line, request.column, result.format);
        if (reader)
            reader->line(line, result.read.lines, result.read);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (!request.newestFirst)
        return result;
    std::reverse(result.read.spins.begin(), result.read.spins.end());
    return result;
}

ImportRead readImportFile(const std::string &path, const ImportRequest &request)
{
    ImportRead failed;
    InputFile file(path, InputKind::RegularFile);
    if (file.status() != ReadStatus::Ok) {
        failed.status = file.status() == ReadStatus::Missing ? ImportRead::Status::Missing
                                                             : ImportRead::Status::Unreadable;
        failed.error = file.reason();
        return failed;
    }
    if (file.size() > kImportLimit) {
        failed.status = ImportRead::Status::TooLarge;
        return failed;
    }
    std::string bytes;
    char block[1 << 16];
    for (;;) {
        const ssize_t got = file.read(block, sizeof block);
        if (got < 0) {
            failed.status = ImportRead::Status::Unreadable;
            failed.error = file.reason();
            return failed;
        }
        if (got == 0)
            break;
        bytes.append(block, std::size_t(got));
        if (bytes.size() > kImportLimit) { // grew while it was read
            failed.status = ImportRead::Status::TooLarge;
            return failed;
        }
    }
    return readImportBytes(bytes, request);
}

} // namespace vintaro
