#pragma once
// The group files of the program folder ("parok.txt", "katlo.txt",
// "natlo.txt", "corner.txt"): one group text per line.
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace vintaro {

// Every record of a group file, in file order, as a sequential reader reads
// its fields to the end of the file; no value when the file is missing or
// cannot be read.
std::optional<std::vector<std::string>> readGroupFile(const QString &path);

} // namespace vintaro
