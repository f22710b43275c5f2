#pragma once
// The one door through which every reader of outside files opens them.
// Opening never waits and never starts reading something without end: a
// folder, a device (/dev/zero, a terminal named by path) and, unless the
// caller reads streams, a FIFO are refused before a byte is read. A caller
// that reads streams (the command line's analysis) takes a FIFO, waiting for
// its writer as any Unix tool does, and "-" for standard input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace vintaro {

enum class ReadStatus { Ok, Missing, Unreadable };

// What may be opened: regular files only, or streams too.
enum class InputKind { RegularFile, FileOrStream };

class InputFile
{
public:
    // `path` in the system's own bytes; "-" is standard input (streams only).
    InputFile(const std::string &path, InputKind kind);
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    ReadStatus status() const { return m_status; }
    // Why the file cannot be read, in the program's words ("ez egy mappa, nem
    // fájl"); empty when it can.
    const std::string &reason() const { return m_reason; }
    // The size of a regular file; 0 for a stream.
    std::uint64_t size() const { return m_size; }

    // Bytes read, 0 at the end, -1 on a read error (reason() says which).
    ssize_t read(char *buffer, std::size_t size);
    // A regular file is read again from anywhere; a stream is not.
    bool regular() const { return m_regular; }
    // Bytes at `offset` (from where reading began) of a regular file, without moving where read() goes on.
    ssize_t readAt(char *buffer, std::size_t size, std::uint64_t offset);

private:
    void open(const std::string &path, InputKind kind);
    void refuse(ReadStatus status, std::string reason);

    int m_fd = -1;
    ReadStatus m_status = ReadStatus::Ok;
    std::string m_reason;
    std::uint64_t m_size = 0;
    bool m_regular = false;
    std::uint64_t m_start = 0; // where reading began
};

} // namespace vintaro
