#pragma once
// The analysis reader's words in the program's language: why a file cannot
// be read, and what its text was found to be. The reader itself (no Qt)
// gives them in Hungarian, the source language; these translate them where
// they are shown.
#include <QString>

#include <string>

#include "persistence/analysisreader.h"

namespace vintaro {

// InputFile::reason() or SpinFileRead::error ("nincs ilyen fájl vagy mappa")
// in the installed language; a text the reader did not write passes as it is.
QString readErrorText(const std::string &reason);

// formatNote(format) in the installed language; empty for a plain list.
QString spinFormatText(SpinFormat format);

} // namespace vintaro
