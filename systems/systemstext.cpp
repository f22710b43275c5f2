#include "systems/systemstext.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/numbermodel.h"
#include "core/textformat.h"
#include "systems/problems.h"

namespace vintaro {

namespace {

constexpr const char *kContext = "SystemsText";

QString said(const char *text) { return QCoreApplication::translate(kContext, text); }
QString q(const std::string &text) { return QString::fromStdString(text); }

} // namespace

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
    const int decimals =
        percent == 0 || std::fabs(percent) >= 9.995 ? 1 : std::max(1, significantDecimals(percent, 3));
    return said(QT_TRANSLATE_NOOP("SystemsText", "%1 %")).arg(q(formatDecimal(percent, decimals))).toStdString();
}

std::string betCaption(const Bet &bet) { return QCoreApplication::translate("Bets", bet.name.c_str()).toStdString(); }

std::string systemCaption(SystemKind kind)
{
    return QCoreApplication::translate("SystemNames", std::string(systemName(kind)).c_str()).toStdString();
}

std::string problemText(std::string_view problem)
{
    // A problem about a value: the text around the value tells which.
    for (const char *withValue : kValueProblems) {
        const std::string_view text = withValue;
        const size_t at = text.find("%1");
        const std::string_view before = text.substr(0, at), after = text.substr(at + 2);
        if (problem.size() >= before.size() + after.size() && problem.starts_with(before) &&
            problem.ends_with(after)) {
            const std::string_view value = problem.substr(before.size(), problem.size() - before.size() - after.size());
            return QCoreApplication::translate("SystemProblems", withValue)
                .arg(QString::fromUtf8(value.data(), qsizetype(value.size())))
                .toStdString();
        }
    }
    return QCoreApplication::translate("SystemProblems", std::string(problem).c_str()).toStdString();
}

std::string countText(const char *context, const char *text, std::int64_t count)
{
    // The plural form needs only to know whether the count is one.
    const int n = int(std::clamp<std::int64_t>(count, INT_MIN, INT_MAX));
    return QCoreApplication::translate(context, text, nullptr, n).arg(q(formatInteger(count))).toStdString();
}

std::vector<FigureLine> figureLines(const Summary &s, const ExactRisk &e, bool target)
{
    auto exact = [&e](const std::string &text) { return e.available ? text : std::string("-"); };
    auto caption = [](const char *text) { return said(text).toStdString(); };
    const std::string mean = said(QT_TRANSLATE_NOOP("SystemsText", "%1 (95 %: %2 … %3)"))
                                 .arg(q(moneyText(s.meanResult)), q(moneyText(s.meanLow)), q(moneyText(s.meanHigh)))
                                 .toStdString();
    std::vector<FigureLine> lines = {
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Esély, hogy a menet nyereséggel zárul")), shareText(s.ahead),
         exact(shareText(e.ahead))},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Esély, hogy a menet eléri a célt")), shareText(s.target),
         exact(shareText(e.target))},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Esély, hogy a menet csődbe jut")), shareText(s.ruin),
         exact(shareText(e.ruin))},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Átlagos eredmény")), mean, exact(moneyText(e.meanResult))},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Várható eredmény: −(átlagos tét)/37")), moneyText(s.expected),
         exact(moneyText(-e.meanStaked / kNumberCount))},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Medián eredmény")), moneyText(s.median),
         exact(moneyText(e.median))},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Eredmény, 5. percentilis")), moneyText(s.p5),
         exact(moneyText(e.p5))},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Eredmény, 95. percentilis")), moneyText(s.p95),
         exact(moneyText(e.p95))},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Átlagosan lejátszott pörgetés")), formatDecimal(s.meanSpins, 1),
         exact(formatDecimal(e.meanSpins, 1))},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Átlagos tét menetenként összesen")), moneyText(s.meanStaked),
         exact(moneyText(e.meanStaked))},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Legnagyobb tét")), moneyText(s.largestStake), "-"},
    };
    if (!target)
        lines.erase(lines.begin() + 1);
    return lines;
}

std::string answerLine(const Summary &s, const ExactRisk &e, double unit)
{
    const double ruin = e.available ? e.ruin : s.ruin;
    const double mean = (e.available ? e.meanResult : s.meanResult) / (unit > 0 ? unit : 1);
    const std::int64_t bust = std::llround(std::clamp(ruin, 0.0, 1.0) * 1000);
    const QString first = QCoreApplication::translate(
                              kContext, QT_TRANSLATE_N_NOOP("SystemsText", "Ezzel a rendszerrel %1 menetből kb. %2 csődbe jut"),
                              nullptr, int(bust))
                              .arg(q(formatInteger(1000)), q(formatInteger(bust)));
    const QString amount = q(formatDecimal(std::fabs(mean), 1));
    // A short simulation can come out ahead; the sentence says so.
    const QString second =
        mean <= 0 ? said(QT_TRANSLATE_NOOP("SystemsText",
                                           "egy menet átlagosan %1 egységet veszít, a feltett tétek 1/37-ét."))
                        .arg(amount)
                  : said(QT_TRANSLATE_NOOP("SystemsText",
                                           "egy menet átlagosan %1 egységet nyer, pedig hosszú távon a feltett tétek "
                                           "1/37-ét veszíti."))
                        .arg(amount);
    return (first + QStringLiteral("; ") + second).toStdString();
}

std::string agreementLine(const Summary &s)
{
    const QString range = said(QT_TRANSLATE_NOOP("SystemsText",
                                                 "Az eredmény és a várható eredmény (−tét/37) menetenkénti "
                                                 "különbségének átlaga %1, 95 %-os tartománya %2 … %3."))
                              .arg(q(moneyText(s.meanExcess)), q(moneyText(s.excessLow)), q(moneyText(s.excessHigh)));
    const bool inside = s.excessLow <= 0 && 0 <= s.excessHigh;
    const QString verdict =
        inside ? said(QT_TRANSLATE_NOOP("SystemsText",
                                        "A tartomány tartalmazza a 0-t: a rendszer a ház részén nem változtat."))
               : said(QT_TRANSLATE_NOOP("SystemsText",
                                        "A tartomány most nem tartalmazza a 0-t; szabályos keréken ez nagyjából "
                                        "húsz futásból egyszer a véletlen műve. Több menet szűkíti a tartományt."));
    return (range + QLatin1Char(' ') + verdict).toStdString();
}

std::string endingText(Ending ending)
{
    switch (ending) {
    case Ending::Target: return said(QT_TRANSLATE_NOOP("SystemsText", "elérte a célt")).toStdString();
    case Ending::Ruin: return said(QT_TRANSLATE_NOOP("SystemsText", "csődbe jutott")).toStdString();
    case Ending::Stopped: return said(QT_TRANSLATE_NOOP("SystemsText", "a rendszer befejezte")).toStdString();
    case Ending::Spins: break;
    }
    return said(QT_TRANSLATE_NOOP("SystemsText", "elfogytak a pörgetések")).toStdString();
}

std::vector<FigureLine> backtestLines(const Backtest &b)
{
    const SessionOutcome &o = b.outcome;
    auto caption = [](const char *text) { return said(text).toStdString(); };
    std::vector<FigureLine> lines = {
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Lejátszott pörgetés")), formatInteger(o.spins), {}},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "A menet vége")), endingText(o.ending), {}},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Összes tét")), moneyText(o.staked), {}},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Végeredmény")), moneyText(o.result), {}},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Várható eredmény: −(összes tét)/37")), moneyText(b.expected), {}},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Legnagyobb tét")), moneyText(o.largest), {}},
        {caption(QT_TRANSLATE_NOOP("SystemsText", "Legmélyebb esés egy csúcsról")), moneyText(b.deepestFall), {}},
    };
    // Why the largest stake is smaller than the system would have staked.
    auto spins = [](std::int64_t n) {
        return countText(kContext, QT_TRANSLATE_N_NOOP("SystemsText", "%1 pörgetésben"), n);
    };
    if (b.cutToMaximum > 0)
        lines.push_back({caption(QT_TRANSLATE_NOOP("SystemsText", "Tét az asztali maximumra csökkentve")),
                         spins(b.cutToMaximum), {}});
    if (b.cutToLeft > 0)
        lines.push_back({caption(QT_TRANSLATE_NOOP("SystemsText", "Tét a megmaradt tőkére csökkentve")),
                         spins(b.cutToLeft), {}});
    if (b.cutToMaximum > 0 || b.cutToLeft > 0)
        lines.push_back({caption(QT_TRANSLATE_NOOP("SystemsText", "A rendszer legnagyobb kért tétje")),
                         moneyText(b.largestAsked), {}});
    return lines;
}

std::string fixedLine()
{
    return said(QT_TRANSLATE_NOOP(
                    "SystemsText",
                    "Szabályos keréken minden tét átlagosan a tét 1/37 részét veszíti el, bármilyen tétrendszerrel: "
                    "ez az egy tétegységre jutó veszteség rögzített. A tétrendszer azt változtatja meg, mennyit tesz "
                    "fel a játékos, és hogyan oszlik el az eredmény (sok kis nyereség és ritka nagy veszteség, vagy "
                    "fordítva); ezért egy menet átlagos vesztesége rendszerenként más, de mindig az összes tét 1/37 "
                    "része."))
        .toStdString();
}

} // namespace vintaro
