// No new text for players lands outside the translation system: the string
// literals of the program's sources that hold Hungarian accented letters and
// stand outside tr(), translate() and the QT_TR*_NOOP markers are counted per
// file, and no file may have more than translations/untranslated.txt allows
// (a file not listed there, none). As texts move into tr(), the counts go
// down: VINTARO_WRITE_BASELINE=1 writes the file anew from the sources.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

const QString kSourceDir = QStringLiteral(VINTARO_SOURCE_DIR);
const QString kBaseline = QStringLiteral("translations/untranslated.txt");

// The folders of the program (tests and benchmarks have no texts for players).
const QStringList kFolders = {"core", "groups",  "persistence", "widgets", "intervals", "charts",      "odds",
                              "systems", "ledger", "info",        "wheel",   "mainwindow", "app", "translations"};

// Literals that are no translatable text: the same in every language.
const QSet<QString> kAllowed = {
    // the language choice speaks both languages at once
    QString::fromUtf8("A program leáll, majd újraindul a választott nyelven !\\n"),
};

bool translationCall(const std::string &name)
{
    return name == "tr" || name == "translate" || name == "QT_TR_NOOP" || name == "QT_TRANSLATE_NOOP" ||
           name == "QT_TRANSLATE_NOOP3" || name == "QT_TR_N_NOOP" || name == "QT_TRANSLATE_N_NOOP" ||
           name == "qtTrId";
}

bool hungarian(const QString &text)
{
    static const QString accented = QString::fromUtf8("áéíóöőúüűÁÉÍÓÖŐÚÜŰ");
    for (const QChar c : text)
        if (accented.contains(c))
            return true;
    return false;
}

// The literals (their text between the quotes, escapes as written) of C++
// source `code` that are outside every translation call.
QStringList untranslatedLiterals(const QByteArray &code)
{
    QStringList found;
    std::vector<bool> calls; // one per open parenthesis: whether it opens a translation call
    std::string word;        // the identifier just read
    bool spaced = false;     // blanks after it: a letter now begins a new one ("return tr(")
    bool number = false;     // inside a number (where ' separates digits)
    const qsizetype n = code.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = code[i];
        if (c == '/' && i + 1 < n && code[i + 1] == '/') {
            while (i < n && code[i] != '\n')
                ++i;
            continue;
        }
        if (c == '/' && i + 1 < n && code[i + 1] == '*') {
            i += 2;
            while (i + 1 < n && !(code[i] == '*' && code[i + 1] == '/'))
                ++i;
            ++i;
            continue;
        }
        if (c == '"' || (c == '\'' && !number)) {
            const qsizetype start = ++i;
            while (i < n && code[i] != c) {
                if (code[i] == '\\')
                    ++i;
                ++i;
            }
            if (c == '"') {
                bool inCall = false;
                for (const bool call : calls)
                    inCall = inCall || call;
                if (!inCall)
                    found << QString::fromUtf8(code.mid(start, i - start));
            }
            word.clear();
            continue;
        }
        const bool alnum = std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        if (alnum) {
            if (spaced)
                word.clear();
            spaced = false;
            if (word.empty() && !number)
                number = std::isdigit(static_cast<unsigned char>(c));
            word += c;
            continue;
        }
        if (number && (c == '\'' || c == '.'))
            continue;
        number = false;
        if (c == '(') {
            calls.push_back(translationCall(word));
        } else if (c == ')') {
            if (!calls.empty())
                calls.pop_back();
        }
        if (!std::isspace(static_cast<unsigned char>(c)))
            word.clear();
        spaced = !word.empty();
    }
    return found;
}

// Per file (its path from the repository root), how many untranslated
// Hungarian literals it has.
QMap<QString, int> countSources()
{
    QMap<QString, int> counts;
    const QDir root(kSourceDir);
    for (const QString &folder : kFolders) {
        QDirIterator it(root.filePath(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            int count = 0;
            for (const QString &literal : untranslatedLiterals(file.readAll()))
                count += hungarian(literal) && !kAllowed.contains(literal);
            if (count > 0)
                counts[root.relativeFilePath(path)] = count;
        }
    }
    return counts;
}

QMap<QString, int> readBaseline()
{
    QMap<QString, int> counts;
    QFile file(QDir(kSourceDir).filePath(kBaseline));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return counts;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() == 2)
            counts[parts[1]] = parts[0].toInt();
    }
    return counts;
}

void writeBaseline(const QMap<QString, int> &counts)
{
    QSaveFile file(QDir(kSourceDir).filePath(kBaseline));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
    QTextStream out(&file);
    out << "# Hungarian string literals outside the translation functions, per file: no file may have more\n"
           "# (tests/translations/untranslated_test.cpp). Lower a count when texts move into tr().\n";
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        out << it.value() << ' ' << it.key() << '\n';
    out.flush();
    ASSERT_TRUE(file.commit());
}

} // namespace

TEST(Untranslated, TheScannerSeesLiteralsOutsideTranslationCallsOnly)
{
    const struct {
        const char *code;
        QStringList literals;
    } cases[] = {
        {R"(a = tr("Kerék");)", {}},
        {R"(QCoreApplication::translate("main", "A mappa" " sérült").arg(f("Kerék")))", {"Kerék"}},
        {R"(label("Kerék", tr("Esélyek")); x = "ő";)", {"Kerék", "ő"}},
        {"// \"Kerék\" in a comment\n/* \"Esély\" */ s = u8(\"Szűkít\");", {"Szűkít"}},
        {R"(n = 10'000'000; c = '"'; s = "a\"ő";)", {"a\\\"ő"}},
        {R"(QT_TRANSLATE_NOOP("Bets", "piros"), strings("fekete"))", {"fekete"}},
        {R"(a = tr ("x") + ("Kék");)", {"Kék"}},
        {R"(return QT_TRANSLATE_NOOP("S", "Kerék"); return f("Kék");)", {"Kék"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(untranslatedLiterals(QByteArray(c.code)), c.literals) << c.code;
    EXPECT_TRUE(hungarian(QString::fromUtf8("Szűkít")));
    EXPECT_FALSE(hungarian(QStringLiteral("Start, rszamok.txt")));
}

TEST(Untranslated, NoFileHasMoreHungarianLiteralsOutsideTheTranslationSystemThanBefore)
{
    const QMap<QString, int> counts = countSources();
    if (qEnvironmentVariableIntValue("VINTARO_WRITE_BASELINE") == 1)
        writeBaseline(counts);
    const QMap<QString, int> baseline = readBaseline();
    ASSERT_FALSE(baseline.isEmpty()) << "no " << kBaseline.toStdString();
    int total = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        total += it.value();
        EXPECT_LE(it.value(), baseline.value(it.key()))
            << it.key().toStdString() << ": Hungarian texts outside tr(); put new texts in tr()";
    }
    std::printf("%d Hungarian string literals in %d files remain outside the translation system\n", total,
                int(counts.size()));
}
