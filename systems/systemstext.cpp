#include "systems/systemstext.h"

#include <cmath>

#include "odds/oddstext.h"

namespace vintaro {

std::string moneyText(double amount)
{
    if (std::isfinite(amount) && std::fabs(amount - std::round(amount)) < 1e-9 && std::fabs(amount) < 9e15)
        return formatInteger(std::int64_t(std::llround(amount)));
    return formatDecimal(amount, 2);
}

std::string shareText(double share)
{
    const double percent = share * 100;
    return formatDecimal(percent, percent != 0 && std::fabs(percent) < 1 ? 2 : 1) + " %";
}

std::vector<FigureLine> figureLines(const Summary &s, const ExactRisk &e, bool target)
{
    auto exact = [&e](const std::string &text) { return e.available ? text : std::string("-"); };
    std::vector<FigureLine> lines = {
        {"Esély, hogy a menet nyereséggel zárul", shareText(s.ahead), exact(shareText(e.ahead))},
        {"Esély, hogy a menet eléri a célt", shareText(s.target), exact(shareText(e.target))},
        {"Esély, hogy a menet csődbe jut", shareText(s.ruin), exact(shareText(e.ruin))},
        {"Átlagos eredmény",
         moneyText(s.meanResult) + " (95 %: " + moneyText(s.meanLow) + " … " + moneyText(s.meanHigh) + ")",
         exact(moneyText(e.meanResult))},
        {"Várható eredmény: −(átlagos tét)/37", moneyText(s.expected), exact(moneyText(-e.meanStaked / 37))},
        {"Medián eredmény", moneyText(s.median), exact(moneyText(e.median))},
        {"Eredmény, 5. percentilis", moneyText(s.p5), exact(moneyText(e.p5))},
        {"Eredmény, 95. percentilis", moneyText(s.p95), exact(moneyText(e.p95))},
        {"Átlagosan lejátszott pörgetés", formatDecimal(s.meanSpins, 1), exact(formatDecimal(e.meanSpins, 1))},
        {"Átlagos tét menetenként összesen", moneyText(s.meanStaked), exact(moneyText(e.meanStaked))},
        {"Legnagyobb tét", moneyText(s.largestStake), "-"},
    };
    if (!target)
        lines.erase(lines.begin() + 1);
    return lines;
}

std::string agreementLine(const Summary &s)
{
    const bool inside = s.expected >= s.meanLow && s.expected <= s.meanHigh;
    return inside ? "A várható eredmény (−tét/37) az átlagos eredmény 95 %-os intervallumába esik: a rendszer a ház "
                    "részén nem változtat."
                  : "A várható eredmény (−tét/37) most kívül esik az átlagos eredmény 95 %-os intervallumán; ez húsz "
                    "futásból egyszer a véletlen műve. Több menet szűkíti az intervallumot.";
}

std::string endingText(Ending ending)
{
    switch (ending) {
    case Ending::Target: return "elérte a célt";
    case Ending::Ruin: return "csődbe jutott";
    case Ending::Spins: break;
    }
    return "elfogytak a pörgetések";
}

std::vector<FigureLine> backtestLines(const Backtest &b)
{
    const SessionOutcome &o = b.outcome;
    std::vector<FigureLine> lines = {
        {"Lejátszott pörgetés", formatInteger(o.spins), {}},
        {"A menet vége", endingText(o.ending), {}},
        {"Összes tét", moneyText(o.staked), {}},
        {"Végeredmény", moneyText(o.result), {}},
        {"Várható eredmény: −(összes tét)/37", moneyText(b.expected), {}},
        {"Legnagyobb tét", moneyText(o.largest), {}},
        {"Legmélyebb esés egy csúcsról", moneyText(b.deepestFall), {}},
    };
    // Why the largest stake is smaller than the system would have staked.
    if (b.cutToMaximum > 0)
        lines.push_back({"Tét az asztali maximumra csökkentve", formatInteger(b.cutToMaximum) + " pörgetésben", {}});
    if (b.cutToLeft > 0)
        lines.push_back({"Tét a megmaradt tőkére csökkentve", formatInteger(b.cutToLeft) + " pörgetésben", {}});
    if (b.cutToMaximum > 0 || b.cutToLeft > 0)
        lines.push_back({"A rendszer legnagyobb kért tétje", moneyText(b.largestAsked), {}});
    return lines;
}

std::string fixedLine()
{
    return "Egy tétrendszer csak azt változtatja meg, hogyan oszlik el a veszteség (sok kis nyereség és ritka nagy "
           "veszteség, vagy fordítva), az átlagát soha: szabályos keréken minden tét átlagosan az 1/37-ét veszíti "
           "el.";
}

} // namespace vintaro
