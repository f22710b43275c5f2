#include "systems/ownsystemfile.h"

#include <charconv>
#include <cstdio>

#include "systems/problems.h"

namespace vintaro {

namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool readNumber(std::string_view text, double &value)
{
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    value = v;
    return true;
}

bool readWhole(std::string_view text, std::int64_t &value)
{
    std::int64_t v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    value = v;
    return true;
}

std::string numberText(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

// One key of a system; false when the value cannot be read.
bool readKey(std::string_view key, std::string_view value, OwnSystem &s)
{
    std::int64_t whole = 0;
    if (key == "bet") {
        s.bet = std::string(value);
        return bool(betFromKey(s.bet));
    }
    if (key == "stakes")
        return readStakes(value, s.stakes);
    if (key == "on-win")
        return readWinMove(value, s.onWin, s.winSteps);
    if (key == "on-loss")
        return readLossMove(value, s.onLoss, s.lossSteps);
    if (key == "after-last")
        return readAfterLast(value, s.afterLast);
    if (key == "sit-out") {
        const size_t colon = value.find(':');
        std::int64_t after = 0, spins = 0;
        if (colon == std::string_view::npos || !readWhole(value.substr(0, colon), after) ||
            !readWhole(value.substr(colon + 1), spins) || after < 0 || spins < 0 || after > kMostSitOut ||
            spins > kMostSitOut)
            return false;
        s.sitOutAfter = int(after), s.sitOutSpins = int(spins);
        return true;
    }
    if (key == "spins") {
        if (!readWhole(value, whole) || whole < 1)
            return false;
        s.rules.maxSpins = whole;
        return true;
    }
    double *amount = key == "unit"        ? &s.rules.unit
                     : key == "bankroll"  ? &s.rules.bankroll
                     : key == "table-min" ? &s.rules.tableMin
                     : key == "table-max" ? &s.rules.tableMax
                     : key == "target"    ? &s.rules.target
                                          : nullptr;
    return amount && readNumber(value, *amount);
}

} // namespace

std::string nameProblem(std::string_view name)
{
    if (trimmed(name).empty())
        return QT_TRANSLATE_NOOP("SystemProblems", "A rendszernek neve is legyen.");
    if (name.size() > 200 || trimmed(name).size() != name.size())
        return QT_TRANSLATE_NOOP("SystemProblems", "A név legfeljebb 200 bájt, elején és végén szóköz nélkül.");
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7f)
            return QT_TRANSLATE_NOOP("SystemProblems", "A név nem tartalmazhat vezérlőkaraktert.");
    return {};
}

OwnSystemsText readOwnSystems(std::string_view text)
{
    OwnSystemsText out;
    auto fail = [&out](int line, std::string problem) {
        out.systems.clear();
        out.badLine = line;
        out.problem = std::move(problem);
        return out;
    };
    int line = 0, sectionLine = 0;
    auto finish = [&]() -> std::string {
        if (out.systems.empty())
            return {};
        const OwnSystem &s = out.systems.back();
        if (std::string p = ownProblem(s); !p.empty())
            return p;
        for (size_t i = 0; i + 1 < out.systems.size(); ++i)
            if (out.systems[i].name == s.name)
                return withValue(kSameNameProblem, s.name);
        return {};
    };
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    while (!text.empty()) {
        ++line;
        const size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::string_view l = trimmed(raw);
        if (l.empty() || l.front() == '#' || l.front() == ';')
            continue;
        if (l.front() == '[') {
            if (l.back() != ']')
                return fail(line, QT_TRANSLATE_NOOP("SystemProblems", "A név sora ] jellel záruljon."));
            if (std::string p = finish(); !p.empty())
                return fail(sectionLine, p);
            OwnSystem s;
            s.name = std::string(l.substr(1, l.size() - 2));
            if (std::string p = nameProblem(s.name); !p.empty())
                return fail(line, p);
            out.systems.push_back(std::move(s));
            sectionLine = line;
            continue;
        }
        const size_t equals = l.find('=');
        if (equals == std::string_view::npos)
            return fail(line, QT_TRANSLATE_NOOP("SystemProblems", "A sor nem kulcs=érték alakú."));
        if (out.systems.empty())
            return fail(line, QT_TRANSLATE_NOOP("SystemProblems", "A beállítás előtt a rendszer neve álljon [név] "
                                                                  "alakban."));
        const std::string_view key = trimmed(l.substr(0, equals)), value = trimmed(l.substr(equals + 1));
        if (!readKey(key, value, out.systems.back()))
            return fail(line, withValue(kBadLineProblem, l));
    }
    if (std::string p = finish(); !p.empty())
        return fail(sectionLine, p);
    return out;
}

std::string ownSystemsText(const std::vector<OwnSystem> &systems)
{
    std::string out = "# Vintaro: saját tétrendszerek\n";
    for (const OwnSystem &s : systems) {
        out += "\n[" + s.name + "]\n";
        out += "bet=" + s.bet + "\n";
        out += "stakes=" + stakesText(s.stakes) + "\n";
        out += "on-win=" + winMoveKey(s.onWin, s.winSteps) + "\n";
        out += "on-loss=" + lossMoveKey(s.onLoss, s.lossSteps) + "\n";
        out += "after-last=" + afterLastKey(s.afterLast) + "\n";
        out += "sit-out=" + std::to_string(s.sitOutAfter) + ":" + std::to_string(s.sitOutSpins) + "\n";
        out += "unit=" + numberText(s.rules.unit) + "\n";
        out += "bankroll=" + numberText(s.rules.bankroll) + "\n";
        out += "table-min=" + numberText(s.rules.tableMin) + "\n";
        out += "table-max=" + numberText(s.rules.tableMax) + "\n";
        out += "target=" + numberText(s.rules.target) + "\n";
        out += "spins=" + std::to_string(s.rules.maxSpins) + "\n";
    }
    return out;
}

} // namespace vintaro
