#include "persistence/analysisreader.h"

#include <algorithm>
#include <string_view>

#include "core/textmark.h"
#include "persistence/csvexport.h"
#include "persistence/spinpipe.h"
#include "persistence/textencoding.h"

namespace vintaro {

namespace {

// The first line tells whether the text is the program's export; a header
// row is never longer than this.
constexpr std::size_t kHeadLimit = 4096;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A header cell without its quotes and blanks.
std::string_view cell(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = s.substr(1, s.size() - 2);
    return s;
}

} // namespace

std::string formatNote(SpinFormat format)
{
    switch (format) {
    case SpinFormat::List: return {};
    case SpinFormat::Utf16List: return QT_TRANSLATE_NOOP("vintaro::SpinFormat", "UTF-16 kódolású szöveg");
    case SpinFormat::ExportCsv:
        return QT_TRANSLATE_NOOP("vintaro::SpinFormat", "a program CSV-exportja, a „Szám” oszlopa");
    case SpinFormat::Utf16ExportCsv:
        return QT_TRANSLATE_NOOP("vintaro::SpinFormat", "a program CSV-exportja UTF-16 kódolásban, a „Szám” oszlopa");
    }
    return {};
}

// The one column of the export that holds the spins: each line becomes that
// field alone, so that the lines keep their numbers. The header line is none.
struct SpinStreamReader::Columns
{
    char separator = ',';
    int column = 1;
    int field = 0;
    bool skipLine = true; // the header
    bool fieldStart = true;
    bool inQuotes = false;
    bool quoteClosed = false;
    bool afterCr = false;

    void filter(const unsigned char *data, std::size_t size, std::string &out)
    {
        out.clear();
        for (std::size_t i = 0; i < size; ++i) {
            const char c = char(data[i]);
            if (afterCr) {
                afterCr = false;
                if (c == '\n')
                    continue;
            }
            if (c == '\r' || c == '\n') { // a quoted field never runs past its line
                out += '\n';
                field = 0;
                skipLine = inQuotes = quoteClosed = false;
                fieldStart = true;
                afterCr = c == '\r';
                continue;
            }
            if (skipLine)
                continue;
            if (inQuotes) {
                if (c == '"')
                    inQuotes = false, quoteClosed = true;
                else if (field == column)
                    out += c;
                continue;
            }
            if (c == '"' && (fieldStart || quoteClosed)) {
                if (quoteClosed && field == column)
                    out += '"'; // a doubled quote inside the field
                inQuotes = true;
                fieldStart = quoteClosed = false;
                continue;
            }
            quoteClosed = false;
            if (c == separator) {
                ++field;
                fieldStart = true;
                continue;
            }
            fieldStart = false;
            if (field == column)
                out += c;
        }
    }
};

SpinStreamReader::SpinStreamReader(SpinSink sink)
    : m_sink(std::move(sink)), m_decoder(std::make_unique<Utf16Decoder>())
{
}

SpinStreamReader::~SpinStreamReader() = default;

SpinFormat SpinStreamReader::format() const
{
    const bool utf16 = m_decoder->mode == Utf16Decoder::Mode::Little || m_decoder->mode == Utf16Decoder::Mode::Big;
    if (m_columns)
        return utf16 ? SpinFormat::Utf16ExportCsv : SpinFormat::ExportCsv;
    return utf16 ? SpinFormat::Utf16List : SpinFormat::List;
}

void SpinStreamReader::feed(const unsigned char *data, std::size_t size)
{
    Utf16Decoder &d = *m_decoder;
    if (d.mode == Utf16Decoder::Mode::Undecided) {
        while (d.heldCount < 2 && size > 0) {
            d.held[d.heldCount++] = *data++;
            --size;
        }
        if (d.heldCount < 2)
            return;
        d.decide();
        if (d.mode == Utf16Decoder::Mode::Bytes) {
            d.heldCount = 0;
            text(d.held, 2);
        }
    }
    if (d.mode == Utf16Decoder::Mode::Bytes)
        return text(data, size);
    std::string decoded;
    d.decode(data, size, decoded);
    text(reinterpret_cast<const unsigned char *>(decoded.data()), decoded.size());
}

void SpinStreamReader::finish()
{
    Utf16Decoder &d = *m_decoder;
    if (d.mode == Utf16Decoder::Mode::Undecided) {
        d.mode = Utf16Decoder::Mode::Bytes;
        text(d.held, std::size_t(d.heldCount));
        d.heldCount = 0;
    } else if (d.mode != Utf16Decoder::Mode::Bytes) {
        std::string rest;
        d.end(rest);
        text(reinterpret_cast<const unsigned char *>(rest.data()), rest.size());
    }
    if (!m_formatKnown)
        decideFormat();
    if (m_out.empty())
        m_out.resize(1);
    const std::size_t count = m_tokens.finish(m_out.data());
    if (count > 0)
        m_sink(std::span<const std::uint8_t>(m_out.data(), count));
}

void SpinStreamReader::text(const unsigned char *data, std::size_t size)
{
    if (!m_formatKnown) {
        m_head.append(reinterpret_cast<const char *>(data), size);
        if (m_head.find_first_of("\r\n") == std::string::npos && m_head.size() < kHeadLimit)
            return;
        decideFormat();
        return;
    }
    if (!m_columns)
        return tokens(data, size);
    m_columns->filter(data, size, m_scratch);
    tokens(reinterpret_cast<const unsigned char *>(m_scratch.data()), m_scratch.size());
}

void SpinStreamReader::decideFormat()
{
    m_formatKnown = true;
    std::string_view line(m_head);
    line = line.substr(0, std::min(line.find_first_of("\r\n"), line.size()));
    if (line.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        line.remove_prefix(kUtf8Bom.size());
    // "Sorszám" and the separator after it; then the column named "Szám"
    // (an English export: "Spin", then "Number").
    const auto named = [](std::string_view found, std::string_view hungarian, std::string_view english) {
        return sameText(found, hungarian) || sameText(found, english);
    };
    const std::size_t first = line.find_first_of(",;\t");
    if (first != std::string_view::npos &&
        named(cell(line.substr(0, first)), kCsvIndexHeader, kCsvIndexHeaderEnglish)) {
        const char separator = line[first];
        int column = 1;
        for (std::string_view rest = line.substr(first + 1);; ++column) {
            const std::size_t end = std::min(rest.find(separator), rest.size());
            if (named(cell(rest.substr(0, end)), kCsvNumberHeader, kCsvNumberHeaderEnglish)) {
                m_columns = std::make_unique<Columns>();
                m_columns->separator = separator;
                m_columns->column = column;
                break;
            }
            if (end == rest.size())
                break;
            rest.remove_prefix(end + 1);
        }
    }
    std::string head;
    head.swap(m_head);
    text(reinterpret_cast<const unsigned char *>(head.data()), head.size());
}

void SpinStreamReader::countLinesWith(SpinTokenizer::LineCounter counter) { m_countLines = std::move(counter); }

void SpinStreamReader::tokens(const unsigned char *data, std::size_t size)
{
    if (m_countLines) {
        // Offsets in the file are offsets in the text only when nothing was
        // decoded or taken out.
        if (m_decoder->mode == Utf16Decoder::Mode::Bytes && !m_columns)
            m_tokens.countLinesWith(std::move(m_countLines));
        m_countLines = nullptr;
    }
    if (m_out.size() < size + 1)
        m_out.resize(size + 1);
    const std::size_t count = m_tokens.feed(data, size, m_out.data());
    if (count > 0)
        m_sink(std::span<const std::uint8_t>(m_out.data(), count));
}

SpinFileRead readSpinFile(const std::string &path, InputKind kind, const SpinSink &sink, const ReadProgress &progress)
{
    SpinFileRead result;
    InputFile file(path, kind);
    if (file.status() != ReadStatus::Ok) {
        result.status = SpinFileRead::Status::Unreadable;
        result.error = file.reason();
        return result;
    }
    std::unique_ptr<char[]> block(new char[kAnalysisBlock]);
    // This thread reads and splits; the pipe's thread counts.
    SpinPipe pipe(sink);
    SpinStreamReader reader([&pipe](std::span<const std::uint8_t> spins) { pipe.push(spins); });
    if (file.regular()) {
        // The line of a token that is no number is counted in the file itself,
        // once one turns up.
        reader.countLinesWith([&file](std::uint64_t offset) {
            std::unique_ptr<char[]> buffer(new char[kAnalysisBlock]);
            std::int64_t lines = 1;
            bool afterCr = false;
            for (std::uint64_t at = 0; at < offset;) {
                const ssize_t n = file.readAt(buffer.get(), std::min<std::uint64_t>(kAnalysisBlock, offset - at), at);
                if (n <= 0)
                    break;
                const auto *b = reinterpret_cast<const unsigned char *>(buffer.get());
                lines += SpinTokenizer::lineEnds(b, b + n, afterCr);
                at += std::uint64_t(n);
            }
            return lines;
        });
    }
    for (bool end = false; !end;) {
        std::size_t got = 0;
        while (got < kAnalysisBlock) { // whole blocks, also from a pipe
            const ssize_t n = file.read(block.get() + got, kAnalysisBlock - got);
            if (n < 0) {
                result.status = SpinFileRead::Status::Unreadable;
                result.error = file.reason();
                return result;
            }
            if (n == 0) {
                end = true;
                break;
            }
            got += std::size_t(n);
        }
        if (got == 0)
            break;
        result.bytes += got;
        reader.feed(reinterpret_cast<const unsigned char *>(block.get()), got);
        if (progress && !progress(result.bytes, std::max(file.size(), result.bytes))) {
            result.status = SpinFileRead::Status::Cancelled;
            return result;
        }
    }
    reader.finish();
    pipe.finish();
    result.format = reader.format();
    result.junk = reader.junk();
    result.firstJunkLine = reader.firstJunkLine();
    result.firstJunkText = reader.firstJunkText();
    return result;
}

SpinFileSpins readSpinFileSpins(const std::string &path, InputKind kind)
{
    SpinFileSpins result;
    static_cast<SpinFileRead &>(result) = readSpinFile(path, kind, [&result](std::span<const std::uint8_t> spins) {
        result.spins.insert(result.spins.end(), spins.begin(), spins.end());
    });
    return result;
}

} // namespace vintaro
