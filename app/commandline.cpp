#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <iostream>

#include "odds/report.h"
#include "odds/spinfile.h"

namespace vintaro {

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-style fusion" is one option, as Qt's own options are written.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Vintaro: rulett-statisztika termenként (roulette statistics per gaming room)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Ez a súgó."));
    parser.addOption(help);
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("A program verziója."));
    parser.addOption(version);
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("A pörgetési listák mappája (rszamok*.txt, terem.txt)."),
                                     QStringLiteral("DIR"));
    parser.addOption(dataDir);
    const QCommandLineOption analyse(QStringLiteral("analyse"),
                                     QString::fromUtf8("A FÁJL pörgetéseinek torzításpróbája és tét-táblázata a "
                                                       "szabványos kimenetre, ablak nélkül."),
                                     QString::fromUtf8("FÁJL"));
    parser.addOption(analyse);
    addSimulateOptions(parser);
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
        result.error = QStringLiteral("vintaro2011: ") + message + QStringLiteral("\nSúgó: vintaro2011 --help\n");
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parser.unknownOptionNames().isEmpty()
                        ? parser.errorText()
                        : QString::fromUtf8("Ismeretlen kapcsoló: %1").arg(parser.unknownOptionNames().constFirst()));
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Ismeretlen argumentum: %1").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Exit;
        result.out = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("vintaro2011"));
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Exit;
        result.out = QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                     QLatin1Char('\n');
        return result;
    }
    if (parser.isSet(dataDir)) {
        result.dataDir = parser.value(dataDir);
        if (result.dataDir.isEmpty())
            return fail(QStringLiteral("A --data-dir után egy mappa neve kell."));
    }
    if (parser.isSet(analyse))
        result.analyse = parser.value(analyse);
    if (const QString wrong = readSimulateOptions(parser, result.simulate); !wrong.isEmpty())
        return fail(wrong);
    return result;
}

int runAnalyse(const QString &file)
{
    const SpinFileAnalysis analysis = analyseSpinFile(QFile::encodeName(file).toStdString());
    if (analysis.status != SpinFileAnalysis::Status::Done) {
        std::cerr << "vintaro2011: a(z) " << file.toStdString() << " fájl nem olvasható: " << analysis.error << '\n';
        return 2;
    }
    std::ios::sync_with_stdio(false);
    writeAnalysisReport(std::cout, file.toStdString(), analysis);
    std::cout.flush();
    return std::cout ? 0 : 2;
}

} // namespace vintaro
