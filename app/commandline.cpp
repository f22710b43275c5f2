#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <iostream>

#include "odds/report.h"
#include "odds/spinfile.h"
#include "persistence/readertext.h"
#include "translations/language.h"

namespace vintaro {

namespace {

// What --help says after the options: the files, the environment and the exit codes.
QString helpTail()
{
    return QCoreApplication::translate(
        "CommandLine",
        "\nFájlok:\n"
        "  A program mappája (ahol a vintaro2011 van), ha írható, és ott vannak az\n"
        "      adatfájlok: minden fájlt ott olvas és ír, ahogy mindig is.\n"
        "  /usr/share/vintaro/\n"
        "      Telepítve: az adatfájlok (piros.bmp, XX.BMP, parok.txt, katlo.txt,\n"
        "      natlo.txt, corner.txt és a kézikönyv, Vintaro.doc); csak olvassa őket.\n"
        "  $XDG_DATA_HOME/vintaro/ (alapesetben ~/.local/share/vintaro/)\n"
        "      Telepítve: a pörgetési listák (rszamok.txt, rszamok1.txt … rszamok10.txt),\n"
        "      a terem.txt és a termek naplója (naplo1.csv … naplo10.csv); az első\n"
        "      használatkor jön létre. A --data-dir helyette egy másik mappát ad meg.\n"
        "  Az exportált CSV fájlokat oda írja, ahová a mentés ablakában kéri.\n"
        "\nKörnyezeti változók:\n"
        "  XDG_DATA_HOME  a felhasználó adatmappája (alapesetben ~/.local/share);\n"
        "      telepítve ebben tartja a pörgetési listákat.\n"
        "\nKilépési kódok:\n"
        "  0  rendben lefutott (a --help és a --version is);\n"
        "  2  hibás parancssor, az --analyse vagy a --history fájlja nem olvasható,\n"
        "     egy --import nem hajtható végre, vagy egy napló nem olvasható.\n");
}

// One option as --help lists it: its names, the value it takes, what it does.
QString helpLine(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString left = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        left += QLatin1Char(' ') + option.valueName();
    // The description in one column, wrapped to fit 80 columns.
    constexpr qsizetype column = 20;
    QString out = QStringLiteral("  ") + left;
    if (out.size() + 2 > column)
        out += QLatin1Char('\n') + QString(column, QLatin1Char(' '));
    else
        out = out.leftJustified(column);
    qsizetype width = column;
    bool first = true;
    for (const QString &word : option.description().split(QLatin1Char(' '))) {
        if (!first && width + 1 + word.size() > 80) {
            out += QLatin1Char('\n') + QString(column, QLatin1Char(' '));
            width = column;
            first = true;
        }
        if (!first) {
            out += QLatin1Char(' ');
            ++width;
        }
        out += word;
        width += word.size();
        first = false;
    }
    return out + QLatin1Char('\n');
}

// QCommandLineParser's own messages (English) in the program's words.
QString parseError(const QCommandLineParser &parser)
{
    if (!parser.unknownOptionNames().isEmpty())
        return QCoreApplication::translate("CommandLine", "Ismeretlen kapcsoló: %1")
            .arg(parser.unknownOptionNames().constFirst());
    // "Missing value after '--x'." / "Unexpected value after '--x'."
    const QString error = parser.errorText();
    const qsizetype open = error.indexOf(QLatin1Char('\''));
    const qsizetype close = error.lastIndexOf(QLatin1Char('\''));
    const QString option = open >= 0 && close > open ? error.mid(open + 1, close - open - 1) : QString();
    if (error.startsWith(QLatin1String("Missing value")))
        return QCoreApplication::translate("CommandLine", "A(z) %1 után meg kell adni az értékét.").arg(option);
    if (error.startsWith(QLatin1String("Unexpected value")))
        return QCoreApplication::translate("CommandLine", "A(z) %1 nem kap értéket.").arg(option);
    return QCoreApplication::translate("CommandLine", "Hibás parancssor.");
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-style fusion" is one option, as Qt's own options are written.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The options --help lists, in its order; an option added later goes here too.
    QList<QCommandLineOption> listed;
    auto add = [&parser, &listed](const QCommandLineOption &option) {
        parser.addOption(option);
        listed << option;
        return option;
    };
    const QCommandLineOption help =
        add({{QStringLiteral("h"), QStringLiteral("help")}, QCoreApplication::translate("CommandLine", "Ez a súgó.")});
    const QCommandLineOption version =
        add({{QStringLiteral("v"), QStringLiteral("version")},
             QCoreApplication::translate("CommandLine", "A program verziója.")});
    const QCommandLineOption dataDir =
        add({QStringLiteral("data-dir"),
             QCoreApplication::translate("CommandLine", "A pörgetési listák (rszamok*.txt, terem.txt) mappája; "
                                                        "az újraindítás is megtartja."),
             QCoreApplication::translate("CommandLine", "MAPPA")});
    const QCommandLineOption language =
        add({QStringLiteral("language"),
             QCoreApplication::translate("CommandLine", "A program nyelve: hu (magyar, ez az alapértelmezés) "
                                                        "vagy en (angol)."),
             QStringLiteral("hu|en")});
    const QCommandLineOption analyse =
        add({QStringLiteral("analyse"),
             QCoreApplication::translate("CommandLine", "A FÁJL pörgetéseinek torzításpróbája és tét-táblázata a "
                                                        "szabványos kimenetre, ablak nélkül."),
             QCoreApplication::translate("CommandLine", "FÁJL")});
    for (const QCommandLineOption &option : simulateOptions())
        add(option);
    for (const QCommandLineOption &option : ledgerOptions())
        add(option);
    for (const QCommandLineOption &option : importOptions())
        add(option);
    // The options that QApplication takes itself (a session manager restores
    // a program with -session ID): accepted here, read by QApplication.
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "display", "name", "style", "stylesheet",
                             "geometry", "title"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }

    CommandLine result;
    auto fail = [&result](const QString &message) {
        result.action = CommandLine::Action::Exit;
        result.exitCode = 2;
        result.error = QStringLiteral("vintaro2011: ") + message + QLatin1Char('\n') +
                       QCoreApplication::translate("CommandLine", "Súgó: vintaro2011 --help") + QLatin1Char('\n');
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parseError(parser));
    if (!parser.positionalArguments().isEmpty())
        return fail(QCoreApplication::translate("CommandLine", "Ismeretlen argumentum: %1")
                        .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Exit;
        result.out = QCoreApplication::translate("CommandLine", "Használat: vintaro2011 [KAPCSOLÓK]\n\n"
                                                                "Vintaro: rulett-statisztika termenként, egy nullás "
                                                                "kerékhez.\n"
                                                                "Kapcsolók nélkül a program ablakát nyitja meg.\n\n"
                                                                "Kapcsolók:\n");
        for (const QCommandLineOption &option : listed)
            result.out += helpLine(option);
        result.out += helpTail();
        result.out += QLatin1Char('\n')
                      + QCoreApplication::translate("ProjectAddress", "A projekt honlapja: %1\nHibabejelentés: %1/issues")
                            .arg(QStringLiteral(VINTARO_HOMEPAGE))
                      + QLatin1Char('\n');
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Exit;
        // The name the program is installed and started under.
        result.out = QStringLiteral("vintaro2011 ") + QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return result;
    }
    if (parser.isSet(dataDir)) {
        result.dataDir = parser.value(dataDir);
        if (result.dataDir.isEmpty())
            return fail(QCoreApplication::translate("CommandLine", "A --data-dir után egy mappa neve kell."));
    }
    if (parser.isSet(language)) {
        result.language = parser.value(language);
        if (!languageNamed(result.language))
            return fail(QCoreApplication::translate("CommandLine", "A --language értéke hu vagy en lehet."));
    }
    if (parser.isSet(analyse)) {
        result.analyse = parser.value(analyse);
        if (result.analyse.isEmpty())
            return fail(QCoreApplication::translate("CommandLine",
                                                    "A --analyse után egy fájl neve kell (a szabványos bemenethez: -)."));
    }
    if (const QString wrong = readSimulateOptions(parser, result.simulate); !wrong.isEmpty())
        return fail(wrong);
    if (const QString wrong = readLedgerOptions(parser, result.ledger); !wrong.isEmpty())
        return fail(wrong);
    if (const QString wrong = readImportOptions(parser, result.import); !wrong.isEmpty())
        return fail(wrong);
    return result;
}

int runAnalyse(const QString &file)
{
    // A pipe and standard input are read as a stream; a device or a folder
    // is refused.
    const SpinFileAnalysis analysis = analyseSpinFile(QFile::encodeName(file).toStdString(), InputKind::FileOrStream);
    const bool standardInput = file == QLatin1String("-");
    const std::string name =
        standardInput ? QCoreApplication::translate("CommandLine", "(szabványos bemenet)").toStdString()
                      : file.toStdString();
    if (analysis.status != SpinFileAnalysis::Status::Done) {
        const QString reason = readErrorText(analysis.error);
        const QString message =
            standardInput
                ? QCoreApplication::translate("CommandLine", "a szabványos bemenet nem olvasható: %1").arg(reason)
                : QCoreApplication::translate("CommandLine", "a(z) %1 fájl nem olvasható: %2").arg(file, reason);
        std::cerr << "vintaro2011: " << message.toStdString() << '\n';
        return 2;
    }
    std::ios::sync_with_stdio(false);
    writeAnalysisReport(std::cout, name, analysis);
    std::cout.flush();
    return std::cout ? 0 : 2;
}

} // namespace vintaro
