// The analysis reader: a plain list reads as the spin-list reader reads it;
// UTF-16 and the program's own CSV export are recognised wherever the input
// is cut; files are opened through the guard, streams only when asked for.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "persistence/analysisreader.h"
#include "persistence/csvexport.h"
#include "persistence/spinfiles.h"
#include "persistence/spinpipe.h"
#include "tests/support/files.h"

namespace vintaro {
namespace {

std::string local(const QString &path) { return QFile::encodeName(path).toStdString(); }

std::vector<int> ints(const auto &spins) { return std::vector<int>(spins.begin(), spins.end()); }

TEST(AnalysisReader, APlainListGivesTheSameSpinsThroughBothReaders)
{
    const struct
    {
        std::vector<std::string> lines;
        std::vector<int> spins;
    } lists[] = {
        {{"5", "17", "0"}, {5, 17, 0}},
        {{" 5", "17", " 0", "36"}, {5, 17, 0, 36}}, // as "Mentés" writes them
        {{"36"}, {36}},
        {{}, {}},
        {{"0", "0", "1", "9", "10", "19", "20", "29", "30", "35"}, {0, 0, 1, 9, 10, 19, 20, 29, 30, 35}},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.txt"));
    for (const auto &list : lists)
        for (const char *lineEnd : {"\r\n", "\n"})
            for (const char *bom : {"", "\xEF\xBB\xBF"})
                for (const bool lastEnded : {true, false}) {
                    std::string bytes = bom;
                    for (size_t i = 0; i < list.lines.size(); ++i)
                        bytes += list.lines[i] + (i + 1 < list.lines.size() || lastEnded ? lineEnd : "");
                    ASSERT_TRUE(test::putBytes(path, QByteArray::fromStdString(bytes)));
                    const SpinList spinList = readSpinList(path);
                    const SpinFileSpins analysis = readSpinFileSpins(local(path), InputKind::RegularFile);
                    const std::string what = testing::PrintToString(bytes);
                    EXPECT_EQ(ints(spinList.spins), list.spins) << what;
                    EXPECT_EQ(ints(analysis.spins), list.spins) << what;
                    EXPECT_EQ(spinList.skipped, 0) << what;
                    EXPECT_EQ(analysis.junk, 0) << what;
                    EXPECT_EQ(analysis.status, SpinFileRead::Status::Done) << what;
                }

    // Where the grammars differ on purpose: a spin list reads a field's
    // leading number ("12.6" is 13; "7 8" is 78, no spin); the analysis
    // trusts only whole numbers, but any separator.
    ASSERT_TRUE(test::putBytes(path, "7 8\r\n5;6\r\n12.6\r\n17\r\n"));
    EXPECT_EQ(ints(readSpinList(path).spins), (std::vector<int>{5, 13, 17}));
    const SpinFileSpins analysis = readSpinFileSpins(local(path), InputKind::RegularFile);
    EXPECT_EQ(ints(analysis.spins), (std::vector<int>{7, 8, 5, 6, 17}));
    EXPECT_EQ(analysis.junk, 1);
    EXPECT_EQ(analysis.firstJunkLine, 3);
}

struct Reading
{
    std::vector<int> spins;
    SpinFormat format = SpinFormat::List;
    std::int64_t junk = 0, line = 0;
    std::string text;
    bool operator==(const Reading &) const = default;
};

// Feeds the bytes in pieces of the given sizes, cycled.
Reading readInPieces(const std::string &bytes, const std::vector<size_t> &pieces)
{
    Reading r;
    SpinStreamReader reader([&r](std::span<const std::uint8_t> s) { r.spins.insert(r.spins.end(), s.begin(), s.end()); });
    for (size_t at = 0, k = 0; at < bytes.size();) {
        const size_t n = std::min(bytes.size() - at, pieces[k++ % pieces.size()]);
        reader.feed(reinterpret_cast<const unsigned char *>(bytes.data()) + at, n);
        at += n;
    }
    reader.finish();
    r.format = reader.format();
    r.junk = reader.junk();
    r.line = reader.firstJunkLine();
    r.text = reader.firstJunkText();
    return r;
}

// A literal with the zero bytes in it.
template <size_t N> std::string raw(const char (&s)[N]) { return std::string(s, N - 1); }

std::string utf16(std::string_view ascii, bool little)
{
    std::string out;
    for (char c : ascii)
        out += little ? std::string{c, '\0'} : std::string{'\0', c};
    return out;
}

TEST(AnalysisReader, Utf16AndTheExportAreRecognisedWhereverTheInputIsCut)
{
    const std::string exported = historyCsv(std::vector<std::int16_t>{5, 17, 0, 36, 12});
    std::string semicolons = exported; // as a spreadsheet of a Hungarian locale saves it
    std::replace(semicolons.begin(), semicolons.end(), ',', ';');
    const std::vector<int> exportedSpins{5, 17, 0, 36, 12};
    const struct
    {
        std::string bytes;
        Reading expected;
    } cases[] = {
        {"\xFF\xFE" + utf16("5\r\n17\r\nx\r\n36", true), {{5, 17, 36}, SpinFormat::Utf16List, 1, 3, "x"}},
        {"\xFE\xFF" + utf16("5 17,0", false), {{5, 17, 0}, SpinFormat::Utf16List, 0, 0, ""}},
        {utf16("3\n4\n", true), {{3, 4}, SpinFormat::Utf16List, 0, 0, ""}}, // no mark, plainly UTF-16
        {raw("\xFF\xFE" "1\0\n\0\xE9\0v\0\n\0" "2\0"), {{1, 2}, SpinFormat::Utf16List, 1, 2, "\xC3\xA9v"}},
        {raw("\xFF\xFE" "7\0\n\0\x3D\xD8\x00\xDE"), {{7}, SpinFormat::Utf16List, 1, 2, "\xF0\x9F\x98\x80"}}, // a pair
        {exported, {exportedSpins, SpinFormat::ExportCsv, 0, 0, ""}},
        {"\xEF\xBB\xBF" + semicolons, {exportedSpins, SpinFormat::ExportCsv, 0, 0, ""}},
        {"\xFF\xFE" + utf16("Sorsz", true) + raw("\xE1\0m\0,\0S\0z\0\xE1\0m\0\n\0") + utf16("1,9\n", true),
         {{9}, SpinFormat::Utf16ExportCsv, 0, 0, ""}},
        {"Sorsz\xE1m;Sz\xE1m;Sz\xEDn\r\n1;7;Piros\r\n2;;\r\n", {{7}, SpinFormat::ExportCsv, 0, 0, ""}}, // Windows-1250
        {"\"Sorsz\xC3\xA1m\",\"Sz\xC3\xA1m\"\r\n\"1\",\"12\"\r\n2,x\r\n3,\"2\"\"\"\n",
         {{12}, SpinFormat::ExportCsv, 2, 3, "x"}},
        {"Sorsz\xC3\xA1m,Valami\r\n1,2\r\n", {{1, 2}, SpinFormat::List, 2, 1, "Sorsz\xC3\xA1m"}}, // no "Szám"
        {"Szám\r\n4\r\n", {{4}, SpinFormat::List, 1, 1, "Sz\xC3\xA1m"}},
        // The export written in English, and as a spreadsheet saves it again.
        {"Spin,Number,Colour,Dozen\r\n1,5,Red,1st dozen\r\n2,0,Green,\r\n", {{5, 0}, SpinFormat::ExportCsv, 0, 0, ""}},
        {"\xEF\xBB\xBF\"Spin\";\"Number\";\"Colour\"\r\n1;17;Black\r\n", {{17}, SpinFormat::ExportCsv, 0, 0, ""}},
        {"Spin,Colour\r\n1,Red\r\n", {{1}, SpinFormat::List, 3, 1, "Spin"}}, // no "Number"
        {"9", {{9}, SpinFormat::List, 0, 0, ""}},
        {"", {{}, SpinFormat::List, 0, 0, ""}},
    };
    for (const auto &c : cases) {
        const std::string what = testing::PrintToString(c.bytes);
        const Reading whole = readInPieces(c.bytes, {c.bytes.size() + 1});
        EXPECT_EQ(whole.spins, c.expected.spins) << what;
        EXPECT_EQ(whole.format, c.expected.format) << what;
        EXPECT_EQ(whole.junk, c.expected.junk) << what;
        EXPECT_EQ(whole.line, c.expected.line) << what;
        EXPECT_EQ(whole.text, c.expected.text) << what;
        EXPECT_EQ(readInPieces(c.bytes, {1}), whole) << "byte by byte: " << what;
        EXPECT_EQ(readInPieces(c.bytes, {2, 3}), whole) << "in pieces: " << what;
        EXPECT_EQ(readInPieces(c.bytes, {7, 1, 64}), whole) << "in pieces: " << what;
    }
}

TEST(AnalysisReader, TheLineOfTheFirstJunkIsCountedInTheFileAsInAStream)
{
    // A file is read again from its start only when a token is no number;
    // a stream counts its lines as it goes. Both find the same line, the
    // line counted here by hand: CR LF, LF and CR each end one.
    QTemporaryDir dir;
    std::uint32_t x = 7;
    auto next = [&x](std::uint32_t n) {
        x = x * 1664525u + 1013904223u;
        return (x >> 8) % n;
    };
    const char *const separators[] = {"\r\n", "\n", "\r", ",", " ", "\r\n\r\n", "\n\r"};
    const char *const junk[] = {"x", "37", "1.5", "\xE1", "abcdefghijklmnopqrstuvwxyz0123456789abcdefghijk"};
    const size_t kMiB = size_t{1} << 20;
    for (int round = 0; round < 24; ++round) {
        std::string bytes;
        const size_t size = round % 3 == 0 ? 3 * kMiB : 5000;
        while (bytes.size() < size) {
            bytes += std::to_string(next(37));
            bytes += separators[next(round % 2 ? 7 : 1)];
        }
        // Just before, on and after a block's end, or anywhere.
        const size_t places[] = {kMiB - 2, kMiB - 1, kMiB, kMiB + 1, 2 * kMiB - 3};
        size_t at = size > kMiB ? places[size_t(round / 3) % 5] : next(std::uint32_t(bytes.size()));
        if (round == 1)
            at = 0;
        const std::string bad = junk[round % 5];
        bytes.insert(at, bad + ",");
        if (at > 0 && bytes[at - 1] != ',' && bytes[at - 1] != ' ' && bytes[at - 1] != '\r' && bytes[at - 1] != '\n')
            bytes.insert(at, ",");
        const size_t junkAt = bytes.find(bad + ",", at);
        std::int64_t line = 1;
        for (size_t i = 0; i < junkAt; ++i)
            line += bytes[i] == '\r' || (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'));
        const QString path = dir.filePath(QStringLiteral("f%1.txt").arg(round));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
        file.close();

        const SpinFileSpins read = readSpinFileSpins(local(path), InputKind::RegularFile);
        const Reading streamed = readInPieces(bytes, {65536, 1000, 777777});
        const std::string what = "round " + std::to_string(round);
        EXPECT_EQ(read.firstJunkLine, line) << what;
        EXPECT_EQ(streamed.line, line) << what;
        EXPECT_EQ(read.junk, 1) << what;
        EXPECT_EQ(read.firstJunkText, bad.substr(0, SpinTokenizer::kJunkTextLimit)) << what;
        EXPECT_EQ(read.firstJunkText, streamed.text) << what;
        EXPECT_EQ(ints(read.spins), ints(streamed.spins)) << what;
    }
}

TEST(AnalysisReader, ThePipeCountsEveryBatchInOrderOnItsOwnThread)
{
    std::vector<int> seen;
    std::thread::id counter;
    {
        SpinPipe pipe(
            [&](std::span<const std::uint8_t> spins) {
                counter = std::this_thread::get_id();
                seen.insert(seen.end(), spins.begin(), spins.end());
            },
            2);
        std::vector<std::uint8_t> batch;
        for (int i = 0; i < 1000; ++i) {
            batch.assign(size_t(i % 5), std::uint8_t(i % 37));
            pipe.push(batch);
        }
        pipe.finish();
    }
    ASSERT_EQ(seen.size(), 2000u);
    size_t k = 0;
    for (int i = 0; i < 1000; ++i)
        for (int j = 0; j < i % 5; ++j)
            ASSERT_EQ(seen[k++], i % 37);
    EXPECT_NE(counter, std::this_thread::get_id());

    // A sink that fails: told at the end, and nothing waits for ever.
    SpinPipe failing([](std::span<const std::uint8_t>) { throw std::runtime_error("tele"); }, 1);
    const std::uint8_t one[] = {1};
    for (int i = 0; i < 10; ++i)
        failing.push(one);
    EXPECT_THROW(failing.finish(), std::runtime_error);
}

TEST(AnalysisReader, OpensThroughTheGuardAndReadsStreamsOnlyWhenAsked)
{
    QTemporaryDir dir;
    const std::string fifo = local(dir.filePath(QStringLiteral("cso")));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zero = local(dir.filePath(QStringLiteral("nulla.txt")));
    ASSERT_EQ(::symlink("/dev/zero", zero.c_str()), 0);
    const struct
    {
        std::string path;
        InputKind kind;
        const char *reason;
    } refused[] = {
        {fifo, InputKind::RegularFile, "csővezeték"},
        {zero, InputKind::RegularFile, "eszköz"},
        {zero, InputKind::FileOrStream, "eszköz"},
        {"/dev/null", InputKind::FileOrStream, "eszköz"},
        {local(dir.path()), InputKind::RegularFile, "mappa"},
        {local(dir.path()), InputKind::FileOrStream, "mappa"},
        {local(dir.filePath(QStringLiteral("nincs.txt"))), InputKind::FileOrStream, "nincs ilyen fájl"},
    };
    for (const auto &r : refused) {
        const SpinFileSpins read = readSpinFileSpins(r.path, r.kind);
        EXPECT_EQ(read.status, SpinFileRead::Status::Unreadable) << r.path;
        EXPECT_NE(read.error.find(r.reason), std::string::npos) << r.path << ": " << read.error;
        EXPECT_TRUE(read.spins.empty());
    }

    // A FIFO read as a stream: the reader waits for its writer and reads
    // until the writer is done.
    std::thread writer([&fifo] {
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        for (const char *part : {"1\n2", "0\n3", "6\r\n"}) {
            ASSERT_GT(::write(fd, part, std::strlen(part)), 0);
            ::usleep(20000);
        }
        ::close(fd);
    });
    const SpinFileSpins streamed = readSpinFileSpins(fifo, InputKind::FileOrStream);
    writer.join();
    EXPECT_EQ(streamed.status, SpinFileRead::Status::Done) << streamed.error;
    EXPECT_EQ(ints(streamed.spins), (std::vector<int>{1, 20, 36}));
}

} // namespace
} // namespace vintaro
