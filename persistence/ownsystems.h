#pragma once
// The systems file of the lists folder: the player's own betting systems,
// read whole (it is small) and replaced atomically.
#include <QString>

#include <vector>

#include "systems/ownsystemfile.h"

namespace vintaro {

// <lists folder>/rendszerek.ini
QString ownSystemsFile(const QString &listFolder);

struct OwnSystemsRead
{
    std::vector<OwnSystem> systems;
    // Empty when the file was read (or is missing: no systems yet); else
    // what is wrong, naming the file and the line (UTF-8 via QString).
    QString problem;
};

OwnSystemsRead loadOwnSystems(const QString &path);
// False when the file could not be replaced (it keeps its old content).
bool saveOwnSystems(const QString &path, const std::vector<OwnSystem> &systems);

} // namespace vintaro
