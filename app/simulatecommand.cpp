#include "app/simulatecommand.h"

#include <QCommandLineParser>
#include <QFile>

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

std::string amountOrNone(double amount) { return amount > 0 ? moneyText(amount) : std::string("nincs"); }

} // namespace

QList<QCommandLineOption> simulateOptions()
{
    QList<QCommandLineOption> options;
    auto add = [&options](const char *name, const char *description, const char *value) {
        options << QCommandLineOption(QLatin1String(name), QString::fromUtf8(description), QString::fromUtf8(value));
    };
    std::vector<std::string_view> systems;
    for (SystemKind kind : kSystems)
        systems.push_back(systemKey(kind));
    systems.push_back("own (saját rendszer, lásd --stakes és --system-file)");
    options << QCommandLineOption(
        QStringLiteral("simulate"),
        QString::fromUtf8("Egy tétrendszer sok szimulált menete szabályos keréken, szövegként, ablak nélkül. "
                          "RENDSZER: %1.")
            .arg(joined(systems)),
        QString::fromUtf8("RENDSZER"));
    options << QCommandLineOption(QStringLiteral("bet"),
                                  QString::fromUtf8("A tét (--simulate): %1, vagy egy szám 0-tól 36-ig.")
                                      .arg(joined(betKeys())),
                                  QString::fromUtf8("TÉT"));
    add("unit", "Az egység pénzben (--simulate; alapértelmezés 1).", "U");
    add("bankroll", "A kezdőtőke pénzben (alapértelmezés 100 egység).", "B");
    add("table-min", "Az asztali minimum pénzben (alapértelmezés egy egység).", "X");
    add("table-max", "Az asztali maximum pénzben (alapértelmezés: nincs).", "Y");
    add("target", "A nyereség, amelynél a menet véget ér (alapértelmezés: nincs).", "T");
    add("spins", "Legfeljebb ennyi pörgetés menetenként (alapértelmezés 1000).", "S");
    add("sessions", "A szimulált menetek száma (alapértelmezés 100 000).", "M");
    add("seed", "A véletlen magja; ugyanaz a mag ugyanazt adja (alapértelmezés: véletlen).", "K");
    add("history", "A rendszer lejátszása a FÁJL pörgetésein is (ahogy az --analyse olvassa).", "FÁJL");
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
                return QString::fromUtf8("A --%1 csak a --simulate mellett használható.").arg(name);
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
            return QString::fromUtf8("Ismeretlen rendszer: %1 (lásd --help).").arg(system);
        r.system = *kind;
        for (const QString &name : ownOptionNames().mid(0, 7))
            if (parser.isSet(name))
                return QString::fromUtf8("A --%1 a --simulate own mellé való.").arg(name);
    }
    if (const QString wrong = readRiskOptions(parser, command); !wrong.isEmpty())
        return wrong;
    // A saved system brings its bet and rules; the options given change them.
    const bool saved = command.ownFromFile;
    const SessionRules file = saved ? command.own->rules : SessionRules{};
    if (!parser.isSet(QStringLiteral("bet")) && !saved)
        return QString::fromUtf8("A --simulate mellé a --bet is kell.");
    const QString bet = parser.isSet(QStringLiteral("bet")) ? parser.value(QStringLiteral("bet"))
                                                             : QString::fromStdString(command.own->bet);
    const auto chosen = betFromKey(bet.toStdString());
    if (!chosen)
        return QString::fromUtf8("Ismeretlen tét: %1 (lásd --help).").arg(bet);
    r.bet = *chosen;

    QString problem;
    auto amount = [&](const char *name, double fallback) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option))
            return fallback;
        bool ok = false;
        const double value = parser.value(option).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok && problem.isEmpty())
            problem = QString::fromUtf8("A --%1 után egy szám kell, nem ez: %2").arg(option, parser.value(option));
        return value;
    };
    auto count = [&](const char *name, std::int64_t fallback, std::int64_t low, std::int64_t high) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option))
            return fallback;
        bool ok = false;
        const qlonglong value = parser.value(option).toLongLong(&ok);
        if ((!ok || value < low || value > high) && problem.isEmpty())
            problem = QString::fromUtf8("A --%1 után egy egész szám kell %2 és %3 között, nem ez: %4")
                          .arg(option, QString::fromStdString(formatInteger(low)), QString::fromStdString(formatInteger(high)), parser.value(option));
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
            problem = QString::fromUtf8("A --seed után egy nemnegatív egész szám kell, nem ez: %1")
                          .arg(parser.value(QStringLiteral("seed")));
    } else {
        r.seed = std::random_device()() % 1000000000u;
    }
    if (!problem.isEmpty())
        return problem;
    const std::string rules = rulesProblem(r.rules);
    if (!rules.empty())
        return QString::fromStdString(rules);
    if (command.own) {
        command.own->bet = bet.toStdString();
        command.own->rules = r.rules;
        if (const std::string problem = ownProblem(*command.own); !problem.empty())
            return QString::fromStdString(problem);
        r.own = ownTable(*command.own);
    }
    command.history = parser.value(QStringLiteral("history"));
    if (parser.isSet(QStringLiteral("history")) && command.history.isEmpty())
        return QString::fromUtf8("A --history után egy fájl neve kell.");
    return {};
}

int runSimulate(const SimulateCommand &command)
{
    const SimulationRequest &r = command.request;
    std::ostringstream out;
    out << "Tétrendszer: " << (command.own ? ownDescription(*command.own) : std::string(systemName(r.system)))
        << "; tét: " << r.bet.name << " ("
        << formatInteger(std::int64_t(r.bet.numbers.count())) << " szám, egy találat a tét "
        << moneyText(36.0 / double(r.bet.numbers.count())) << "-szeresét adja vissza)\n";
    out << "Egység: " << moneyText(r.rules.unit) << "; kezdőtőke: " << moneyText(r.rules.bankroll)
        << "; asztali minimum: " << moneyText(r.rules.tableMin) << ", maximum: " << amountOrNone(r.rules.tableMax)
        << "; cél: " << amountOrNone(r.rules.target) << "; legfeljebb " << formatInteger(r.rules.maxSpins)
        << " pörgetés menetenként\n";
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
            std::cerr << "vintaro2011: a(z) " << command.history.toStdString() << " fájl nem olvasható: " << read.error
                      << '\n';
            return 2;
        }
        out << "\nLejátszás a(z) " << command.history.toStdString() << " " << formatInteger(pipe.count())
            << " pörgetésén:\n";
        writeLines(out, backtestLines(b), false);
    }
    const Simulation simulation = simulate(r);
    const CounterChain chain = command.own ? tableChain(r.own) : counterChain(r.system);
    const ExactRisk exact = exactRisk(chain, r.bet, r.rules);
    out << '\n' << formatInteger(r.sessions) << " szimulált menet, mag: " << r.seed
        << " (ugyanez a mag ugyanezt adja)\n\n";
    std::vector<FigureLine> lines = figureLines(simulation.summary, exact, r.rules.target > 0);
    lines.insert(lines.begin(), {"", "Szimuláció", exact.available ? "Pontos" : ""});
    writeLines(out, lines, exact.available);
    out << '\n' << agreementLine(simulation.summary) << '\n';
    if (!exact.available)
        out << exact.why << '\n';
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
