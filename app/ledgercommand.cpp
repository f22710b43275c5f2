#include "app/ledgercommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <iostream>

#include "ledger/honest.h"
#include "ledger/text/ledgertext.h"
#include "persistence/ledgerfile.h"
#include "persistence/roomsave.h"

namespace vintaro {

namespace {


void print(const QString &text) { std::cout << text.toStdString() << '\n'; }

QString csvField(const std::string &text)
{
    QString field = QString::fromStdString(text);
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')))
        return field;
    return QLatin1Char('"') + field.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString csvLine(const QString &room, const QString &session, const std::string &start, const std::string &end,
                const std::string &place, const HonestLine &line)
{
    return QStringList{room,
                       session,
                       csvField(start),
                       csvField(end),
                       csvField(place),
                       QString::number(line.spins),
                       QString::number(line.bets),
                       QString::number(line.staked),
                       QString::number(line.result),
                       QString::number(line.expected, 'f', 2),
                       QString::number(line.low(), 'f', 2),
                       QString::number(line.high(), 'f', 2),
                       line.inside() ? QStringLiteral("1") : QStringLiteral("0")}
        .join(QLatin1Char(','));
}

void printTotal(const QString &caption, const HonestLine &line)
{
    print(caption);
    print(QStringLiteral("  ") + honestFigures(line));
    print(QStringLiteral("  ") + honestVerdict(line));
}

} // namespace

QList<QCommandLineOption> ledgerOptions()
{
    return {
        {QStringLiteral("ledger"), QCoreApplication::translate("LedgerCommand", "A napló menetei és összesítése a becsületes sorral, ablak nélkül.")},
        {QStringLiteral("csv"), QCoreApplication::translate("LedgerCommand", "A --ledger CSV-ben, menetenként egy sorral írja ki.")},
    };
}

QString readLedgerOptions(const QCommandLineParser &parser, LedgerCommand &command)
{
    command.wanted = parser.isSet(QStringLiteral("ledger"));
    command.csv = parser.isSet(QStringLiteral("csv"));
    if (parser.isSet(QStringLiteral("room"))) {
        command.room = roomText(parser.value(QStringLiteral("room")));
        if (command.room.isEmpty() || !roomTextSafe(command.room))
            return QCoreApplication::translate("LedgerCommand", "A --room után egy terem neve kell (például 3).");
    }
    // --room belongs to --import as well, which says where it is wrong.
    if (!command.wanted && command.csv)
        return QCoreApplication::translate("LedgerCommand", "A --csv a --ledger mellé való.");
    return {};
}

int runLedger(const LedgerCommand &command, const QString &listsFolder)
{
    QStringList rooms;
    if (!command.room.isEmpty()) {
        rooms << command.room;
    } else {
        static const QRegularExpression name(QStringLiteral("^naplo(.+)\\.csv$"));
        for (const QString &file : QDir(listsFolder).entryList({QStringLiteral("naplo*.csv")}, QDir::Files)) {
            const QString room = name.match(file).captured(1);
            if (roomTextSafe(room))
                rooms << room;
        }
        std::sort(rooms.begin(), rooms.end(), [](const QString &a, const QString &b) {
            return a.toInt() != b.toInt() ? a.toInt() < b.toInt() : a < b;
        });
    }
    std::ios::sync_with_stdio(false);
    if (command.csv)
        print(QStringLiteral("room,session,start,end,place,spins,bets,staked,result,expected,band_low,band_high,inside"));
    HonestLine all;
    int failed = 0;
    int shown = 0;
    for (const QString &room : rooms) {
        const QString path = ledgerFile(listsFolder, room);
        const LedgerRead read = readLedger(path);
        if (read.status == ReadStatus::Missing) {
            if (!command.csv)
                print(QCoreApplication::translate("LedgerCommand", "A(z) %1. teremnek még nincs naplója (%2).").arg(room, QDir::toNativeSeparators(path)));
            continue;
        }
        if (read.status != ReadStatus::Ok || read.damagedLine > 0) {
            const QString why = read.status != ReadStatus::Ok
                                    ? QCoreApplication::translate("LedgerCommand", "nem olvasható")
                                    : QCoreApplication::translate("LedgerCommand", "sérült a(z) %1. sorában").arg(moneyAmount(read.damagedLine));
            std::cerr << "vintaro2011: "
                      << QCoreApplication::translate("LedgerCommand", "a napló (%1) %2.").arg(QDir::toNativeSeparators(path), why).toStdString() << '\n';
            ++failed;
            continue;
        }
        ++shown;
        const Ledger &ledger = read.ledger;
        if (!command.csv)
            print(QCoreApplication::translate("LedgerCommand", "%1. terem naplója (%2)").arg(room, QDir::toNativeSeparators(path)));
        for (const LedgerSession &session : ledger.sessions()) {
            const HonestLine line = honestLine(ledger.bets(), session.id);
            if (command.csv) {
                print(csvLine(room, QString::number(session.id), session.start, session.end, session.place, line));
                continue;
            }
            print(QStringLiteral("  ") + sessionHeading(session));
            print(QStringLiteral("    ") + honestFigures(line));
            print(QStringLiteral("    ") + honestVerdict(line));
        }
        const HonestLine roomLine = honestLine(ledger.bets());
        all += roomLine;
        if (command.csv)
            print(csvLine(room, QStringLiteral("total"), {}, {}, {}, roomLine));
        else
            printTotal(QCoreApplication::translate("LedgerCommand", "%1. terem összesen:").arg(room), roomLine);
    }
    if (command.csv && command.room.isEmpty())
        print(csvLine(QStringLiteral("total"), QStringLiteral("total"), {}, {}, {}, all));
    else if (!command.csv && command.room.isEmpty() && shown > 0)
        printTotal(QCoreApplication::translate("LedgerCommand", "Minden terem összesen:"), all);
    if (!command.csv && rooms.isEmpty())
        print(QCoreApplication::translate("LedgerCommand", "Még egy teremnek sincs naplója."));
    std::cout.flush();
    return failed > 0 || !std::cout ? 2 : 0;
}

} // namespace vintaro
