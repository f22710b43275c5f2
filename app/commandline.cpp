#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstring>
#include <iostream>

#include "odds/report.h"
#include "odds/spinfile.h"

namespace vintaro {

namespace {

const char *const kAnalyse = "analyse";

} // namespace

void setUpCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QString::fromUtf8("Rulett-pörgetések nyilvántartása és elemzése."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QString::fromLatin1(kAnalyse),
                      QString::fromUtf8("A FÁJL pörgetéseinek torzításpróbája és tét-táblázata a szabványos "
                                        "kimenetre, ablak nélkül."),
                      QString::fromUtf8("FÁJL")});
}

bool wantsTextOnly(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        for (const char *option : {"--analyse", "--help", "--help-all", "-h", "-?", "--version", "-v"}) {
            const size_t n = std::strlen(option);
            if (std::strncmp(a, option, n) == 0 && (a[n] == '\0' || a[n] == '='))
                return true;
        }
    }
    return false;
}

int runTextCommand()
{
    QCommandLineParser parser;
    setUpCommandLine(parser);
    parser.process(*QCoreApplication::instance()); // --help, --version and errors end here
    if (!parser.isSet(QString::fromLatin1(kAnalyse)))
        return 0;
    const QString file = parser.value(QString::fromLatin1(kAnalyse));
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
