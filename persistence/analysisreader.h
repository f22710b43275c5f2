#pragma once
// The analysis reader: the spins of a file of any length, any origin and any
// size, read as a stream and handed on in batches (the odds tally them,
// nothing here keeps them).
//
// The program reads spins with two grammars, and they differ on purpose:
//
//   Spin list (persistence/spinfiles.h, "  Start"): the rules of the
//   sequential files the program writes itself. A field ends at a comma or
//   at the line end only; its spin is its leading number rounded half to
//   even, whatever follows it ("12.6" is 13); blanks inside the number are
//   skipped ("7 8" is 78, no spin); a field in double quotes may hold
//   commas; an empty line is a field that is no spin; a line over 4 096
//   bytes is no spin; only the newest 32 736 spins are kept.
//   What the program wrote, and what a player edited by hand the way the
//   program writes, reads back exactly as the original program read it.
//
//   Analysis (this reader, --analyse and "Fájl elemzése…"): any separated
//   list from anywhere: line ends, commas, semicolons, blanks and tabs all
//   separate; a token is a spin only when it is nothing but digits giving
//   0..36 ("12.6", "7x", "37" are junk, counted and skipped, never guessed
//   at); empty lines are nothing; there is no limit on the length. UTF-16
//   with a byte order mark (or plainly UTF-16 from its first character) is
//   read as UTF-16, and the program's own CSV export (its header row
//   "Sorszám", "Szám", … or, written in English, "Spin", "Number", …) is
//   read by its number column alone.
//
//   Both: Windows-1250 or UTF-8 text, a UTF-8 byte order mark at the start
//   ignored; CR LF, LF and CR end a line. A plain list, one number 0..36 per
//   line (leading blanks allowed), gives the same spins through both.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "persistence/readguard.h"
#include "persistence/spintokenizer.h"

namespace vintaro {

struct Utf16Decoder;

// What the reader found the text to be.
enum class SpinFormat { List, Utf16List, ExportCsv, Utf16ExportCsv };
// "", "UTF-16 kódolású szöveg", "a program CSV-exportja, a „Szám” oszlopa", …
// (persistence/readertext.h gives it in the chosen language).
std::string formatNote(SpinFormat format);

using SpinSink = std::function<void(std::span<const std::uint8_t> spins)>;

// Turns blocks of bytes, cut anywhere, into spins: the same spins and the
// same junk wherever the cuts fall.
class SpinStreamReader
{
public:
    explicit SpinStreamReader(SpinSink sink);
    ~SpinStreamReader();

    // For input that can be read again, before the first block: counts the
    // line of a token that is no number (see SpinTokenizer::countLinesWith).
    void countLinesWith(SpinTokenizer::LineCounter counter);

    void feed(const unsigned char *data, std::size_t size);
    // The end of the input.
    void finish();

    SpinFormat format() const;
    std::int64_t junk() const { return m_tokens.junk(); }
    std::int64_t firstJunkLine() const { return m_tokens.firstJunkLine(); }
    const std::string &firstJunkText() const { return m_tokens.firstJunkText(); }

private:
    struct Columns;
    void text(const unsigned char *data, std::size_t size); // after decoding
    void tokens(const unsigned char *data, std::size_t size);
    void decideFormat();

    SpinSink m_sink;
    SpinTokenizer m_tokens;
    std::unique_ptr<Utf16Decoder> m_decoder;
    std::unique_ptr<Columns> m_columns; // the export's "Szám" column, once recognised
    bool m_formatKnown = false;
    std::string m_head; // the first line, until the format is known
    std::vector<std::uint8_t> m_out;
    std::string m_scratch;
    SpinTokenizer::LineCounter m_countLines;
};

// How a file was read.
struct SpinFileRead
{
    enum class Status { Done, Cancelled, Unreadable };
    Status status = Status::Done;
    std::string error; // Unreadable: why, in the program's words (readErrorText() translates it)
    SpinFormat format = SpinFormat::List;
    std::int64_t junk = 0;          // tokens that are not a number 0..36
    std::int64_t firstJunkLine = 0; // 0 when none
    std::string firstJunkText;      // its bytes as in the file
    std::uint64_t bytes = 0;        // read
};

// Called after every block with the bytes read and the size (the bytes read
// for a stream); false stops the reading (Status::Cancelled).
using ReadProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

inline constexpr std::size_t kAnalysisBlock = std::size_t{1} << 20;

// Reads `path` (the system's bytes; "-" for standard input when streams are
// allowed) block by block into `sink`. The sink runs on a thread of its own,
// batch after batch, while the next block is read; never after the return.
SpinFileRead readSpinFile(const std::string &path, InputKind kind, const SpinSink &sink,
                          const ReadProgress &progress = {});

// The same, with every spin kept, oldest first.
struct SpinFileSpins : SpinFileRead
{
    std::vector<std::uint8_t> spins;
};
SpinFileSpins readSpinFileSpins(const std::string &path, InputKind kind);

} // namespace vintaro
