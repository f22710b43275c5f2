#include "app/importcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

#include "core/textformat.h"
#include "persistence/folderlock.h"
#include "persistence/importtext.h"
#include "persistence/locations.h"
#include "persistence/roomimport.h"
#include "persistence/roomsave.h"
#include "persistence/spinimport.h"

namespace vintaro {

namespace {

struct ImportTexts
{
    Q_DECLARE_TR_FUNCTIONS(vintaro::ImportCommand)
};

const QStringList kFollowers = {QStringLiteral("room"), QStringLiteral("replace"), QStringLiteral("newest-first"),
                                QStringLiteral("column")};

int failed(const QString &message)
{
    std::fputs((QStringLiteral("vintaro2011: ") + message + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    return 2;
}

QString faultText(const FileFault &fault)
{
    const QString path = QDir::toNativeSeparators(fault.path);
    switch (fault.kind) {
    case FileFault::Kind::Unreadable: return ImportTexts::tr("nem olvasható: %1").arg(path);
    case FileFault::Kind::Unwritable: return ImportTexts::tr("nem sikerült írni, a korábbi tartalom megmaradt: %1").arg(path);
    case FileFault::Kind::Link:
        return ImportTexts::tr("a fájl helyén szimbolikus link áll, a program nem ír rajta keresztül: %1").arg(path);
    case FileFault::Kind::JournalDamaged:
        return ImportTexts::tr("a teremműveletek naplója sérült, a program nem hajtja végre: %1").arg(path);
    case FileFault::Kind::JournalPending:
        return ImportTexts::tr("egy teremművelet nem fejeződött be, a program következő indítása befejezi: %1").arg(path);
    }
    return {};
}

} // namespace

QList<QCommandLineOption> importOptions()
{
    return {
        {QStringLiteral("import"),
         ImportTexts::tr("A FÁJL pörgetései egy terem mentett listájába (lista, táblázat vagy a program CSV-exportja; "
                         "Windows-1250, UTF-8 vagy UTF-16), ablak nélkül. A --room adja meg a termet."),
         ImportTexts::tr("FÁJL")},
        // One --room for both commands that name a room.
        {QStringLiteral("room"),
         ImportTexts::tr("A terem (1-10), amelybe az --import tölt, vagy amelynek naplóját a --ledger kiírja."),
         QStringLiteral("N")},
        {QStringLiteral("replace"), ImportTexts::tr("A terem mentett listája helyére (alapesetben utána fűzi).")},
        {QStringLiteral("newest-first"), ImportTexts::tr("A fájl a legújabb pörgetéssel kezdődik.")},
        {QStringLiteral("column"),
         ImportTexts::tr("A táblázat oszlopa, amelyben a pörgetések állnak: a fejléc neve vagy a sorszáma (1-től)."),
         ImportTexts::tr("NÉV|SZÁM")},
    };
}

QString readImportOptions(const QCommandLineParser &parser, ImportCommand &command)
{
    if (!parser.isSet(QStringLiteral("import"))) {
        for (const QString &name : kFollowers)
            if (parser.isSet(name) && !(name == QLatin1String("room") && parser.isSet(QStringLiteral("ledger"))))
                return name == QLatin1String("room")
                           ? ImportTexts::tr("A --room csak az --import vagy a --ledger mellett használható.")
                           : ImportTexts::tr("A --%1 csak az --import mellett használható.").arg(name);
        return {};
    }
    command.wanted = true;
    command.file = parser.value(QStringLiteral("import"));
    if (command.file.isEmpty())
        return ImportTexts::tr("Az --import után egy fájl neve kell.");
    if (!parser.isSet(QStringLiteral("room")))
        return ImportTexts::tr("Az --import mellé a --room adja meg a termet (1-10).");
    command.room = roomText(parser.value(QStringLiteral("room")));
    if (!roomBoxAccepted(command.room))
        return ImportTexts::tr("A --room értéke 1 és 10 közötti teremszám lehet.");
    command.replace = parser.isSet(QStringLiteral("replace"));
    command.newestFirst = parser.isSet(QStringLiteral("newest-first"));
    command.column = parser.value(QStringLiteral("column"));
    if (parser.isSet(QStringLiteral("column")) && command.column.trimmed().isEmpty())
        return ImportTexts::tr("A --column után egy oszlop neve vagy sorszáma kell.");
    return {};
}

int runImport(const ImportCommand &command, const QString &dataDir)
{
    const Folders folders = decideFolders(QCoreApplication::applicationFilePath(),
                                          userDataFolder(qgetenv("XDG_DATA_HOME"), QDir::homePath()), dataDir);
    const std::string column = command.column.toStdString();
    const ImportRead read =
        readImportFile(QFile::encodeName(command.file).toStdString(), {column, command.newestFirst});
    if (const QString problem = importProblemText(read, command.file, column); !problem.isEmpty())
        return failed(problem);
    prepareListFolder(folders);
    // One program per lists folder, this one too.
    FolderLock lock(folders.lists);
    const QString lists = QDir::toNativeSeparators(folders.lists);
    switch (lock.acquire(0)) {
    case FolderLock::Result::Locked: break;
    case FolderLock::Result::InUse:
    case FolderLock::Result::OtherMachine:
        return failed(ImportTexts::tr("a pörgetési listák mappáját egy futó Vintaro használja, az importálás ott, "
                                      "az Eszközök menüben lehetséges: %1")
                          .arg(lists));
    case FolderLock::Result::NotWritable:
    case FolderLock::Result::Blocked:
        return failed(ImportTexts::tr("a pörgetési listák mappája nem írható: %1").arg(lists));
    }
    // As a start does: a room operation a crash cut short is finished first.
    recoverRoomFiles(folders.lists);
    const auto fault = importRoomFiles(folders.lists, command.room, read.read.spins,
                                       command.replace ? ImportMode::Replace : ImportMode::Append);
    if (fault)
        return failed(faultText(*fault));
    const QString done = command.replace
                             ? ImportTexts::tr("%1 pörgetés került a(z) %2. terem mentett listája helyére.")
                             : ImportTexts::tr("%1 pörgetés került a(z) %2. terem mentett listája végére.");
    const QString out = importPreviewText(read, column) + QLatin1Char('\n') +
                        done.arg(QString::fromStdString(formatInteger(std::int64_t(read.read.spins.size()))),
                                 command.room) +
                        QLatin1Char('\n');
    std::fputs(out.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

} // namespace vintaro
