#pragma once
// Narrowing a room's saved list to its last N spins.
#include <QString>

#include <optional>

#include "persistence/textfiles.h"

namespace vintaro {

// The fields of a spin list (one per line; an empty line is an empty field),
// counted as a stream.
struct FieldCount
{
    ReadStatus status = ReadStatus::Ok;
    qint64 count = 0;
};
FieldCount countFields(const QString &path);

// The answer to "how many of the last spins" as a number: the whole answer,
// blanks around it ignored, must read as one, with a decimal point or a
// decimal comma; nothing otherwise (Cancel gives an empty answer).
std::optional<double> narrowingAnswer(const QString &answer);

// Whether an answer of n can narrow a list of `count` spins: at least one and
// at most all of them.
bool narrowingAccepted(double n, qint64 count);

// Writes the fields of `from` numbered i = 1, 2, ... with i >= count - n + 1
// (the last n spins) into `to`, each followed by CR LF, so that Start reads
// from them exactly the spins it reads from those fields of `from`: a field
// is written as it was read when it reads back alone as the same spin
// ("5", "17"); a spin whose text would not (a quoted "5,17") is written as
// its number; a field that gives no spin (a line cut at kLineLimit, one that
// begins with a byte-order mark) is left out, so that it cannot turn into
// spins in its new place.
CopyResult writeLastFields(const QString &from, qint64 count, double n, SafeWriter &to);
// The same, replacing the file `to`.
CopyResult writeLastFields(const QString &from, qint64 count, double n, const QString &to);

} // namespace vintaro
