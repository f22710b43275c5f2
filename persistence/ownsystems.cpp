#include "persistence/ownsystems.h"

#include <QCoreApplication>
#include <QDir>

#include "persistence/textfiles.h"
#include "systems/systemstext.h"

namespace vintaro {

namespace {
constexpr qint64 kLargestFile = 4 << 20;
}

QString ownSystemsFile(const QString &listFolder) { return QDir(listFolder).filePath(QStringLiteral("rendszerek.ini")); }

OwnSystemsRead loadOwnSystems(const QString &path)
{
    OwnSystemsRead out;
    ReadStatus status{};
    const std::optional<QByteArray> bytes = readSmallFile(path, kLargestFile, &status);
    if (!bytes) {
        if (status != ReadStatus::Missing)
            out.problem = QCoreApplication::translate("vintaro::OwnSystems",
                                                      "A saját rendszerek fájlja (%1) nem olvasható.")
                              .arg(QDir::toNativeSeparators(path));
        return out;
    }
    OwnSystemsText text = readOwnSystems(std::string_view(bytes->constData(), size_t(bytes->size())));
    if (text.badLine > 0) {
        out.problem = QCoreApplication::translate("vintaro::OwnSystems",
                                                  "A saját rendszerek fájlja (%1) sérült, %2. sor: %3 A fájl "
                                                  "változatlan marad; amíg javítva vagy félretéve nincs, új saját "
                                                  "rendszer nem menthető.")
                          .arg(QDir::toNativeSeparators(path))
                          .arg(text.badLine)
                          .arg(QString::fromStdString(problemText(text.problem)));
        return out;
    }
    out.systems = std::move(text.systems);
    return out;
}

bool saveOwnSystems(const QString &path, const std::vector<OwnSystem> &systems)
{
    const std::string text = ownSystemsText(systems);
    return writeBytes(path, QByteArray(text.data(), qsizetype(text.size())));
}

} // namespace vintaro
