#pragma once
// What the fuzz targets share: a scratch file for the input, the reference
// reading of the same bytes in memory, and a check that aborts loudly.
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

#include "persistence/fields.h"
#include "persistence/textfiles.h"

namespace vintaro::fuzz {

// Stops the run with the broken invariant; libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

// A folder of its own for this process, made once; in memory (/dev/shm)
// where there is one, since every input is written to a file.
inline const std::string &scratchFolder()
{
    static const std::string folder = [] {
        std::string name = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/vintaro-fuzz-XXXXXX"
                                                           : "/tmp/vintaro-fuzz-XXXXXX";
        const char *made = ::mkdtemp(name.data());
        if (!made)
            std::abort();
        // Removed at exit; the name is kept where no destructor reaches it.
        static char kept[64];
        std::snprintf(kept, sizeof kept, "%s", made);
        std::atexit([] { std::error_code ignored; std::filesystem::remove_all(kept, ignored); });
        return std::string(made);
    }();
    return folder;
}

inline QString scratchPath(const char *name)
{
    return QString::fromStdString(scratchFolder() + '/' + name);
}

// Writes the bytes to a file of the scratch folder and returns its path.
inline QString writeScratch(const char *name, std::string_view bytes)
{
    const QString path = scratchPath(name);
    const std::string local = path.toStdString();
    const int fd = ::open(local.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    FUZZ_CHECK(fd >= 0);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        FUZZ_CHECK(n > 0);
        done += size_t(n);
    }
    ::close(fd);
    return path;
}

// The content as the file readers see it: a UTF-8 byte-order mark at the
// very start is not part of the text.
inline std::string_view withoutBom(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    return bytes;
}

// Whether some line is longer than the readers keep (they flag it whole).
inline bool hasLongLine(std::string_view bytes)
{
    size_t run = 0;
    for (const char c : bytes) {
        run = (c == '\r' || c == '\n') ? 0 : run + 1;
        if (run > size_t(kLineLimit))
            return true;
    }
    return false;
}

} // namespace vintaro::fuzz
