#pragma once
// The command line: --help, --version and --analyse FILE.
class QCommandLineParser;

namespace vintaro {

// Adds the program's options to the parser (help and version included).
void setUpCommandLine(QCommandLineParser &parser);

// Whether the arguments ask only for text (--analyse, --help, --version), so
// that the program starts no window system. Read before any application
// object exists.
bool wantsTextOnly(int argc, char **argv);

// With a QCoreApplication: handles --help and --version (which exit), then
// runs --analyse; the exit code of the program.
int runTextCommand();

} // namespace vintaro
