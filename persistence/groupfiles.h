#pragma once
// The group files of the program folder ("parok.txt", "katlo.txt",
// "natlo.txt", "corner.txt"): one group text per line, Windows-1250.
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace vintaro {

// Every record of a group file, in file order, as a sequential reader reads
// its fields to the end of the file, as UTF-8; no value when the file is
// missing or is no regular file that can be read.
std::optional<std::vector<std::string>> readGroupFile(const QString &path);

} // namespace vintaro
