#include "systems/systemstext.h"

#include <algorithm>
#include <cmath>

#include "core/numbermodel.h"
#include "core/textformat.h"

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
    // Three significant digits below 10 %: "1,83 %", "0,354 %".
    if (percent == 0 || std::fabs(percent) >= 9.995)
        return formatDecimal(percent, 1) + " %";
    return formatDecimal(percent, std::max(1, significantDecimals(percent, 3))) + " %";
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
        {"Várható eredmény: −(átlagos tét)/37", moneyText(s.expected), exact(moneyText(-e.meanStaked / kNumberCount))},
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
    const std::string range = "Az eredmény és a várható eredmény (−tét/37) menetenkénti különbségének átlaga " +
                              moneyText(s.meanExcess) + ", 95 %-os tartománya " + moneyText(s.excessLow) + " … " +
                              moneyText(s.excessHigh) + ". ";
    const bool inside = s.excessLow <= 0 && 0 <= s.excessHigh;
    return range + (inside ? "A tartomány tartalmazza a 0-t: a rendszer a ház részén nem változtat."
                           : "A tartomány most nem tartalmazza a 0-t; szabályos keréken ez nagyjából húsz futásból "
                             "egyszer a véletlen műve. Több menet szűkíti a tartományt.");
}

std::string endingText(Ending ending)
{
    switch (ending) {
    case Ending::Target: return "elérte a célt";
    case Ending::Ruin: return "csődbe jutott";
    case Ending::Stopped: return "a rendszer befejezte";
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
    return "Szabályos keréken minden tét átlagosan a tét 1/37 részét veszíti el, bármilyen tétrendszerrel: ez az "
           "egy tétegységre jutó veszteség rögzített. A tétrendszer azt változtatja meg, mennyit tesz fel a játékos, "
           "és hogyan oszlik el az eredmény (sok kis nyereség és ritka nagy veszteség, vagy fordítva); ezért egy "
           "menet átlagos vesztesége rendszerenként más, de mindig az összes tét 1/37 része.";
}

} // namespace vintaro
