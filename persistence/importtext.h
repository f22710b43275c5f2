#pragma once
// What the import of spins tells the player, in the dialog and on the
// command line alike: what a file gave (the preview) and why it gives
// nothing to import.
#include <QString>

#include "persistence/spinimport.h"

namespace vintaro {

// Spins shown from each end of the file in the preview.
inline constexpr int kPreviewSpins = 8;

// The preview: the format and encoding, the number of spins, the oldest and
// the newest of them, the lines skipped and why.
QString importPreviewText(const ImportRead &read, const std::string &column);

// Why the file gives nothing to import; empty when it gives spins.
QString importProblemText(const ImportRead &read, const QString &file, const std::string &column);

} // namespace vintaro
