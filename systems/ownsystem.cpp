#include "systems/ownsystem.h"

#include <charconv>
#include <cmath>

#include "systems/problems.h"

namespace vintaro {

namespace {

constexpr std::int64_t kLargestStake = 1000000000000; // 10^12 units

// "name:N" with N from 1 to 1000.
bool readCount(std::string_view key, std::string_view name, int &steps)
{
    if (key.size() <= name.size() + 1 || key.substr(0, name.size()) != name || key[name.size()] != ':')
        return false;
    const std::string_view digits = key.substr(name.size() + 1);
    int n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size() || n < 1 || n > kMostOwnSteps)
        return false;
    steps = n;
    return true;
}

bool pauses(const OwnSystem &s) { return s.sitOutAfter > 0 && s.sitOutSpins > 0; }

} // namespace

std::string ownProblem(const OwnSystem &s)
{
    if (s.stakes.empty())
        return QT_TRANSLATE_NOOP("SystemProblems", "A rendszernek legalább egy lépése legyen.");
    if (s.stakes.size() > size_t(kMostOwnSteps))
        return QT_TRANSLATE_NOOP("SystemProblems", "A rendszernek legfeljebb 1 000 lépése lehet.");
    for (std::int64_t stake : s.stakes)
        if (stake < 1 || stake > kLargestStake)
            return QT_TRANSLATE_NOOP("SystemProblems", "Minden lépés tétje legalább 1 és legfeljebb 10^12 egység "
                                                       "legyen.");
    if (s.winSteps < 1 || s.winSteps > kMostOwnSteps || s.lossSteps < 1 || s.lossSteps > kMostOwnSteps)
        return QT_TRANSLATE_NOOP("SystemProblems", "A lépések száma 1 és 1 000 között legyen.");
    if (s.sitOutAfter < 0 || s.sitOutSpins < 0 || s.sitOutAfter > kMostSitOut || s.sitOutSpins > kMostSitOut ||
        (s.sitOutAfter > 0) != (s.sitOutSpins > 0))
        return QT_TRANSLATE_NOOP("SystemProblems", "A kimaradás: legfeljebb 100 vesztés után legfeljebb 100 pörgetés "
                                                   "(mindkettő 0: nincs kimaradás).");
    if (!betFromKey(s.bet))
        return withValue(kUnknownBetProblem, s.bet);
    return rulesProblem(s.rules);
}

std::vector<std::int64_t> generatedStakes(std::int64_t first, int count, double factor, std::int64_t add)
{
    std::vector<std::int64_t> out;
    double x = double(first);
    for (int i = 0; i < std::min(count, kMostOwnSteps); ++i) {
        if (!(x >= 1 && x <= double(kLargestStake)))
            break;
        out.push_back(std::int64_t(std::llround(x)));
        x = std::round(double(out.back()) * factor + double(add));
    }
    return out;
}

std::string winMoveKey(WinMove move, int steps)
{
    switch (move) {
    case WinMove::First: return "first";
    case WinMove::Back: return "back:" + std::to_string(steps);
    case WinMove::Stay: return "stay";
    case WinMove::Next: break;
    }
    return "next";
}

std::string lossMoveKey(LossMove move, int steps)
{
    switch (move) {
    case LossMove::Skip: return "skip:" + std::to_string(steps);
    case LossMove::First: return "first";
    case LossMove::Next: break;
    }
    return "next";
}

std::string afterLastKey(AfterLast after)
{
    switch (after) {
    case AfterLast::First: return "first";
    case AfterLast::Stop: return "stop";
    case AfterLast::Stay: break;
    }
    return "stay";
}

bool readWinMove(std::string_view key, WinMove &move, int &steps)
{
    if (readCount(key, "back", steps)) {
        move = WinMove::Back;
        return true;
    }
    for (WinMove m : {WinMove::First, WinMove::Stay, WinMove::Next})
        if (key == winMoveKey(m, 1)) {
            move = m, steps = 1;
            return true;
        }
    return false;
}

bool readLossMove(std::string_view key, LossMove &move, int &steps)
{
    if (readCount(key, "skip", steps)) {
        move = LossMove::Skip;
        return true;
    }
    for (LossMove m : {LossMove::Next, LossMove::First})
        if (key == lossMoveKey(m, 1)) {
            move = m, steps = 1;
            return true;
        }
    return false;
}

bool readAfterLast(std::string_view key, AfterLast &after)
{
    for (AfterLast a : {AfterLast::Stay, AfterLast::First, AfterLast::Stop})
        if (key == afterLastKey(a)) {
            after = a;
            return true;
        }
    return false;
}

bool readStakes(std::string_view text, std::vector<std::int64_t> &stakes)
{
    std::vector<std::int64_t> out;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ',' || c == ';' || c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), value);
        if (error != std::errc() || value < 1 || value > kLargestStake || out.size() >= size_t(kMostOwnSteps))
            return false;
        out.push_back(value);
        i = size_t(end - text.data());
    }
    if (out.empty())
        return false;
    stakes = std::move(out);
    return true;
}

std::string stakesText(const std::vector<std::int64_t> &stakes)
{
    std::string out;
    for (std::int64_t stake : stakes) {
        if (!out.empty())
            out += ',';
        out += std::to_string(stake);
    }
    return out;
}

std::vector<ChainStep> ownTable(const OwnSystem &s)
{
    // States: (step, losses in a row) while playing, then (step, spins
    // still to sit out) while paused, then the end of the session.
    const int n = int(s.stakes.size());
    const int run = pauses(s) ? s.sitOutAfter : 1;
    const int pause = pauses(s) ? s.sitOutSpins : 0;
    const int stop = n * run + n * pause;
    auto playing = [&](int step, int losses) { return step * run + losses; };
    auto paused = [&](int step, int left) { return n * run + step * pause + (left - 1); };
    // The step a move lands on, or -1 when the session ends there.
    auto land = [&](std::int64_t step) -> int {
        if (step < 0)
            return 0;
        if (step < n)
            return int(step);
        switch (s.afterLast) {
        case AfterLast::Stay: return n - 1;
        case AfterLast::First: return 0;
        case AfterLast::Stop: break;
        }
        return -1;
    };
    std::vector<ChainStep> table(size_t(stop) + 1);
    for (int step = 0; step < n; ++step) {
        std::int64_t win = 0;
        switch (s.onWin) {
        case WinMove::First: win = 0; break;
        case WinMove::Back: win = step - s.winSteps; break;
        case WinMove::Stay: win = step; break;
        case WinMove::Next: win = step + 1; break;
        }
        std::int64_t loss = s.onLoss == LossMove::First ? 0 : step + (s.onLoss == LossMove::Skip ? s.lossSteps : 1);
        const int winStep = land(win), lossStep = land(loss);
        for (int losses = 0; losses < run; ++losses) {
            ChainStep &c = table[size_t(playing(step, losses))];
            c.stake = s.stakes[size_t(step)];
            c.onWin = winStep < 0 ? stop : playing(winStep, 0);
            if (lossStep < 0)
                c.onLoss = stop;
            else if (pause > 0 && losses + 1 == run)
                c.onLoss = paused(lossStep, pause);
            else
                c.onLoss = playing(lossStep, pause > 0 ? losses + 1 : 0);
        }
        for (int left = 1; left <= pause; ++left) {
            ChainStep &c = table[size_t(paused(step, left))];
            c.stake = 0;
            c.onWin = c.onLoss = left == 1 ? playing(step, 0) : paused(step, left - 1);
        }
    }
    table[size_t(stop)] = ChainStep{kStopStake, stop, stop};
    return table;
}

CounterChain tableChain(std::vector<ChainStep> table)
{
    return [table = std::move(table)](int state) {
        return size_t(state) < table.size() ? table[size_t(state)] : ChainStep{kStopStake, -1, -1};
    };
}

} // namespace vintaro
