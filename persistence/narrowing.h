#pragma once
// Narrowing a room's saved list to its last N spins.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace vintaro {

// The fields of a spin list as a sequential reader reads them, one per line
// of the file (an empty line is an empty field).
QStringList listFields(const QByteArray &content);

// The answer to "how many of the last spins" as a number: the whole answer,
// blanks around it ignored, must read as one; nothing otherwise (Cancel gives
// an empty answer).
std::optional<double> narrowingAnswer(const QString &answer);

// Whether an answer of n can narrow a list of `count` spins: at least one and
// at most all of them.
bool narrowingAccepted(double n, int count);

// The fields numbered i = 1, 2, ... with i >= count - n + 1, in their order:
// the last n spins, written as they were read.
QStringList lastFields(const QStringList &fields, double n);

} // namespace vintaro
