#include "app/simulatecommand.h"

#include "persistence/readertext.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <climits>
#include <condition_variable>
#include <deque>
#include <iostream>
#include <limits>
#include <mutex>
#include <random>
#include <span>
#include <sstream>
#include <thread>
#include <vector>

#include "app/owncommand.h"
#include "core/textformat.h"
#include "persistence/analysisreader.h"
#include "systems/bankroll.h"
#include "systems/exact.h"
#include "systems/owntext.h"
#include "systems/systemstext.h"

namespace vintaro {

namespace {

// Spins handed from the reading thread to the session, at most a few blocks
// waiting at a time.
class SpinPipe
{
public:
    void put(std::span<const std::uint8_t> spins)
    {
        std::unique_lock lock(m_mutex);
        m_count += std::int64_t(spins.size());
        m_changed.wait(lock, [this] { return m_blocks.size() < kWaiting || !m_taking; });
        if (m_taking)
            m_blocks.emplace_back(spins.begin(), spins.end());
        m_changed.notify_all();
    }
    void end()
    {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
        m_changed.notify_all();
    }
    // The next spin, or -1 after the last.
    int next()
    {
        if (m_at < m_current.size())
            return m_current[m_at++];
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_blocks.empty() || m_ended; });
        if (m_blocks.empty())
            return -1;
        m_current = std::move(m_blocks.front());
        m_blocks.pop_front();
        m_changed.notify_all();
        m_at = 0;
        return m_current.empty() ? -1 : m_current[m_at++];
    }
    // The session is over: later spins are counted, not kept.
    void stopTaking()
    {
        const std::lock_guard lock(m_mutex);
        m_taking = false;
        m_blocks.clear();
        m_changed.notify_all();
    }
    std::int64_t count()
    {
        const std::lock_guard lock(m_mutex);
        return m_count;
    }

private:
    static constexpr std::size_t kWaiting = 4;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::vector<std::uint8_t>> m_blocks;
    std::vector<std::uint8_t> m_current;
    std::size_t m_at = 0;
    std::int64_t m_count = 0;
    bool m_ended = false, m_taking = true;
};

QString joined(auto keys)
{
    QStringList out;
    for (const auto &key : keys)
        out << QString::fromUtf8(key.data(), qsizetype(key.size()));
    return out.join(QStringLiteral(", "));
}

std::string padded(const std::string &text, int columns)
{
    return text + std::string(size_t(std::max(1, columns - int(displayWidth(text)))), ' ');
}

void writeLines(std::ostream &out, const std::vector<FigureLine> &lines, bool exact)
{
    int captions = 0, simulated = 0;
    for (const FigureLine &line : lines) {
        captions = std::max(captions, int(displayWidth(line.caption)));
        simulated = std::max(simulated, int(displayWidth(line.simulated)));
    }
    for (const FigureLine &line : lines) {
        out << padded(line.caption, captions + 2);
        out << (exact ? padded(line.simulated, simulated + 2) + line.exact : line.simulated) << '\n';
    }
}

constexpr const char *kContext = "SimulateCommand";

QString said(const char *text) { return QCoreApplication::translate(kContext, text); }
// A text whose noun follows `count` in the chosen language's plural.
QString counted(const char *text, std::int64_t count)
{
    return QCoreApplication::translate(kContext, text, nullptr, int(std::min<std::int64_t>(count, INT_MAX)));
}
QString q(const std::string &text) { return QString::fromStdString(text); }

QString amountOrNone(double amount)
{
    return amount > 0 ? q(moneyText(amount)) : said(QT_TRANSLATE_NOOP("SimulateCommand", "nincs"));
}

} // namespace

QList<QCommandLineOption> simulateOptions()
{
    QList<QCommandLineOption> options;
    auto add = [&options](const char *name, const char *description, const char *value) {
        options << QCommandLineOption(QLatin1String(name), said(description), said(value));
    };
    std::vector<std::string> systems;
    for (SystemKind kind : kSystems)
        systems.emplace_back(systemKey(kind));
    systems.push_back(said(QT_TRANSLATE_NOOP("SimulateCommand", "own (saját rendszer, lásd --stakes és --system-file)"))
                          .toStdString());
    options << QCommandLineOption(
        QStringLiteral("simulate"),
        said(QT_TRANSLATE_NOOP("SimulateCommand", "Egy tétrendszer sok szimulált menete szabályos keréken, "
                                                  "szövegként, ablak nélkül. RENDSZER: %1."))
            .arg(joined(systems)),
        said(QT_TRANSLATE_NOOP("SimulateCommand", "RENDSZER")));
    options << QCommandLineOption(
        QStringLiteral("bet"),
        said(QT_TRANSLATE_NOOP("SimulateCommand", "A tét (--simulate): %1, vagy egy szám 0-tól 36-ig."))
            .arg(joined(textLanguage() == TextLanguage::English ? englishBetKeys() : betKeys())),
        said(QT_TRANSLATE_NOOP("SimulateCommand", "TÉT")));
    add("unit", QT_TRANSLATE_NOOP("SimulateCommand", "Az egység pénzben (--simulate; alapértelmezés 1)."), "U");
    add("bankroll", QT_TRANSLATE_NOOP("SimulateCommand", "A kezdőtőke pénzben (alapértelmezés 100 egység)."), "B");
    add("table-min", QT_TRANSLATE_NOOP("SimulateCommand", "Az asztali minimum pénzben (alapértelmezés egy egység)."),
        "X");
    add("table-max", QT_TRANSLATE_NOOP("SimulateCommand", "Az asztali maximum pénzben (alapértelmezés: nincs)."),
        "Y");
    add("target",
        QT_TRANSLATE_NOOP("SimulateCommand", "A nyereség, amelynél a menet véget ér (alapértelmezés: nincs)."), "T");
    add("spins", QT_TRANSLATE_NOOP("SimulateCommand", "Legfeljebb ennyi pörgetés menetenként (alapértelmezés 1000)."),
        "S");
    add("sessions", QT_TRANSLATE_NOOP("SimulateCommand", "A szimulált menetek száma (alapértelmezés 100 000)."),
        "M");
    add("seed",
        QT_TRANSLATE_NOOP("SimulateCommand",
                          "A véletlen magja; ugyanaz a mag ugyanazt adja (alapértelmezés: véletlen)."),
        "K");
    add("history",
        QT_TRANSLATE_NOOP("SimulateCommand", "A rendszer lejátszása a FÁJL pörgetésein is (ahogy az --analyse "
                                             "olvassa)."),
        QT_TRANSLATE_NOOP("SimulateCommand", "FÁJL"));
    options << ownOptions();
    return options;
}

QString readSimulateOptions(const QCommandLineParser &parser, SimulateCommand &command)
{
    const QStringList names = QStringList{"bet",   "unit",     "bankroll", "table-min", "table-max", "target",
                                          "spins", "sessions", "seed",     "history"}
                              << ownOptionNames();
    if (!parser.isSet(QStringLiteral("simulate"))) {
        for (const QString &name : names)
            if (parser.isSet(name))
                return said(QT_TRANSLATE_NOOP("SimulateCommand", "A --%1 csak a --simulate mellett használható."))
                    .arg(name);
        return {};
    }
    command.wanted = true;
    SimulationRequest &r = command.request;
    const QString system = parser.value(QStringLiteral("simulate"));
    if (system == QLatin1String("own")) {
        if (const QString wrong = readOwnSystem(parser, command); !wrong.isEmpty())
            return wrong;
    } else {
        const auto kind = systemFromKey(system.toStdString());
        if (!kind)
            return said(QT_TRANSLATE_NOOP("SimulateCommand", "Ismeretlen rendszer: %1 (lásd --help).")).arg(system);
        r.system = *kind;
        for (const QString &name : ownOptionNames().mid(0, 7))
            if (parser.isSet(name))
                return said(QT_TRANSLATE_NOOP("SimulateCommand", "A --%1 a --simulate own mellé való.")).arg(name);
    }
    if (const QString wrong = readRiskOptions(parser, command); !wrong.isEmpty())
        return wrong;
    // A saved system brings its bet and rules; the options given change them.
    const bool saved = command.ownFromFile;
    const SessionRules file = saved ? command.own->rules : SessionRules{};
    if (!parser.isSet(QStringLiteral("bet")) && !saved)
        return said(QT_TRANSLATE_NOOP("SimulateCommand", "A --simulate mellé a --bet is kell."));
    const QString bet = parser.isSet(QStringLiteral("bet")) ? parser.value(QStringLiteral("bet"))
                                                             : QString::fromStdString(command.own->bet);
    const std::string betKey(betKeyFor(bet.toStdString())); // "red" is "piros"
    const auto chosen = betFromKey(betKey);
    if (!chosen)
        return said(QT_TRANSLATE_NOOP("SimulateCommand", "Ismeretlen tét: %1 (lásd --help).")).arg(bet);
    r.bet = *chosen;

    QString problem;
    auto amount = [&](const char *name, double fallback) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option))
            return fallback;
        bool ok = false;
        const double value = parser.value(option).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok && problem.isEmpty())
            problem = said(QT_TRANSLATE_NOOP("SimulateCommand", "A --%1 után egy szám kell, nem ez: %2"))
                          .arg(option, parser.value(option));
        return value;
    };
    auto count = [&](const char *name, std::int64_t fallback, std::int64_t low, std::int64_t high) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option))
            return fallback;
        bool ok = false;
        const qlonglong value = parser.value(option).toLongLong(&ok);
        if ((!ok || value < low || value > high) && problem.isEmpty())
            problem = said(QT_TRANSLATE_NOOP("SimulateCommand",
                                             "A --%1 után egy egész szám kell %2 és %3 között, nem ez: %4"))
                          .arg(option, q(formatInteger(low)), q(formatInteger(high)), parser.value(option));
        return std::int64_t(value);
    };
    r.rules.unit = amount("unit", saved ? file.unit : 1);
    r.rules.bankroll = amount("bankroll", saved ? file.bankroll : 100 * r.rules.unit);
    r.rules.tableMin = amount("table-min", saved ? file.tableMin : r.rules.unit);
    r.rules.tableMax = amount("table-max", saved ? file.tableMax : 0);
    r.rules.target = amount("target", saved ? file.target : 0);
    r.rules.maxSpins = count("spins", saved ? file.maxSpins : 1000, 1, 100000000);
    r.sessions = count("sessions", 100000, 1, 20000000);
    if (parser.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        r.seed = parser.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok && problem.isEmpty())
            problem = said(QT_TRANSLATE_NOOP("SimulateCommand", "A --seed után egy nemnegatív egész szám kell, nem "
                                                                "ez: %1"))
                          .arg(parser.value(QStringLiteral("seed")));
    } else {
        r.seed = std::random_device()() % 1000000000u;
    }
    if (!problem.isEmpty())
        return problem;
    const std::string rules = rulesProblem(r.rules);
    if (!rules.empty())
        return q(problemText(rules));
    if (command.own) {
        command.own->bet = betKey;
        command.own->rules = r.rules;
        if (const std::string problem = ownProblem(*command.own); !problem.empty())
            return q(problemText(problem));
        r.own = ownTable(*command.own);
    }
    command.history = parser.value(QStringLiteral("history"));
    if (parser.isSet(QStringLiteral("history")) && command.history.isEmpty())
        return said(QT_TRANSLATE_NOOP("SimulateCommand", "A --history után egy fájl neve kell."));
    return {};
}

int runSimulate(const SimulateCommand &command)
{
    const SimulationRequest &r = command.request;
    std::ostringstream out;
    const auto numbers = std::int64_t(r.bet.numbers.count());
    out << counted(QT_TRANSLATE_N_NOOP("SimulateCommand", "Tétrendszer: %1; tét: %2 (%3 szám, egy találat a tét "
                                                          "%4-szeresét adja vissza)"),
                   numbers)
               .arg(q(command.own ? ownDescription(*command.own) : systemCaption(r.system)), q(betCaption(r.bet)),
                    q(formatInteger(numbers)), q(moneyText(36.0 / double(numbers))))
               .toStdString()
        << '\n';
    out << counted(QT_TRANSLATE_N_NOOP("SimulateCommand", "Egység: %1; kezdőtőke: %2; asztali minimum: %3, "
                                                          "maximum: %4; cél: %5; legfeljebb %6 pörgetés menetenként"),
                   r.rules.maxSpins)
               .arg(q(moneyText(r.rules.unit)), q(moneyText(r.rules.bankroll)), q(moneyText(r.rules.tableMin)),
                    amountOrNone(r.rules.tableMax), amountOrNone(r.rules.target), q(formatInteger(r.rules.maxSpins)))
               .toStdString()
        << '\n';
    if (!command.history.isEmpty()) {
        // Read as --analyse reads it: a pipe or standard input as a stream.
        // The spins go from the reader to the session as they come, a few
        // blocks at a time: memory stays the same for a stream of any length.
        SpinPipe pipe;
        SpinFileRead read;
        std::thread reader([&] {
            read = readSpinFile(QFile::encodeName(command.history).toStdString(), InputKind::FileOrStream,
                                [&pipe](std::span<const std::uint8_t> spins) { pipe.put(spins); });
            pipe.end();
        });
        SessionRules rules = r.rules;
        rules.maxSpins = std::numeric_limits<std::int64_t>::max(); // as long as the spins last
        TableSystem own(r.own);
        const std::unique_ptr<System> builtIn = command.own ? nullptr : makeSystem(r.system);
        System &system = command.own ? static_cast<System &>(own) : *builtIn;
        const Backtest b = backtest(system, r.bet, rules, [&pipe] { return pipe.next(); }, false);
        pipe.stopTaking(); // the rest is only counted
        reader.join();
        if (read.status != SpinFileRead::Status::Done) {
            std::cerr << said(QT_TRANSLATE_NOOP("SimulateCommand", "vintaro2011: a(z) %1 fájl nem olvasható: %2"))
                             .arg(command.history, readErrorText(read.error))
                             .toStdString()
                      << '\n';
            return 2;
        }
        out << '\n'
            << counted(QT_TRANSLATE_N_NOOP("SimulateCommand", "Lejátszás a(z) %1 %2 pörgetésén:"), pipe.count())
                   .arg(command.history, q(formatInteger(pipe.count())))
                   .toStdString()
            << '\n';
        writeLines(out, backtestLines(b), false);
    }
    const Simulation simulation = simulate(r);
    const CounterChain chain = command.own ? tableChain(r.own) : counterChain(r.system);
    const ExactRisk exact = exactRisk(chain, r.bet, r.rules);
    out << '\n'
        << counted(QT_TRANSLATE_N_NOOP("SimulateCommand", "%1 szimulált menet, mag: %2 (ugyanez a mag ugyanezt adja)"),
                   r.sessions)
               .arg(q(formatInteger(r.sessions)), QString::number(r.seed))
               .toStdString()
        << "\n\n";
    std::vector<FigureLine> lines = figureLines(simulation.summary, exact, r.rules.target > 0);
    lines.insert(lines.begin(), {"", said(QT_TRANSLATE_NOOP("SimulateCommand", "Szimuláció")).toStdString(),
                                 exact.available ? said(QT_TRANSLATE_NOOP("SimulateCommand", "Pontos")).toStdString()
                                                 : std::string()});
    writeLines(out, lines, exact.available);
    out << '\n' << agreementLine(simulation.summary) << '\n';
    if (!exact.available)
        out << problemText(exact.why) << '\n';
    if (command.risk > 0)
        out << riskLine(command.risk, bankrollForRisk(chain, r.bet, r.rules, command.risk)) << '\n';
    if (command.reach > 0)
        out << reachLine(command.reach, largestTarget(chain, r.bet, r.rules, command.reach)) << '\n';
    out << fixedLine() << '\n';
    std::cout << out.str();
    std::cout.flush();
    return std::cout ? 0 : 2;
}

} // namespace vintaro
