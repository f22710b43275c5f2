#include "systems/owntext.h"

#include "core/textformat.h"
#include "systems/systemstext.h"

namespace vintaro {

namespace {

std::string steps(int n) { return formatInteger(n) + " lépéssel"; }

} // namespace

std::string ownDescription(const OwnSystem &s)
{
    std::string out = "saját rendszer";
    if (!s.name.empty())
        out += " „" + s.name + "”";
    out += ": tétek ";
    for (size_t i = 0; i < s.stakes.size(); ++i) {
        if (i == 12 && s.stakes.size() > 14) {
            out += ", … " + formatInteger(s.stakes.back());
            break;
        }
        out += (i ? ", " : "") + formatInteger(s.stakes[i]);
    }
    out += " egység; nyerés után ";
    switch (s.onWin) {
    case WinMove::First: out += "vissza az első lépésre"; break;
    case WinMove::Back: out += steps(s.winSteps) + " vissza"; break;
    case WinMove::Stay: out += "marad a lépésen"; break;
    case WinMove::Next: out += "a következő lépésre"; break;
    }
    out += ", vesztés után ";
    switch (s.onLoss) {
    case LossMove::Next: out += "a következő lépésre"; break;
    case LossMove::Skip: out += steps(s.lossSteps) + " előre"; break;
    case LossMove::First: out += "vissza az első lépésre"; break;
    }
    out += ", az utolsó lépés után ";
    switch (s.afterLast) {
    case AfterLast::Stay: out += "marad az utolsón"; break;
    case AfterLast::First: out += "vissza az elsőre"; break;
    case AfterLast::Stop: out += "vége a menetnek"; break;
    }
    if (s.sitOutAfter > 0 && s.sitOutSpins > 0)
        out += "; " + formatInteger(s.sitOutAfter) + " vesztés után sorban " + formatInteger(s.sitOutSpins) +
               " pörgetés kimarad";
    return out;
}

std::string riskLine(double risk, const BankrollAnswer &a)
{
    const std::string head = "Legkisebb kezdőtőke, amellyel a menet legfeljebb " + shareText(risk) +
                             " eséllyel jut csődbe: ";
    if (!a.found)
        return head + "nem számítható ki. " + a.why;
    return head + moneyText(a.amount) + " (a csőd esélye ezzel " + shareText(a.share) + ").";
}

std::string reachLine(double chance, const BankrollAnswer &a)
{
    const std::string head = "Legnagyobb cél, amelyet a menet legalább " + shareText(chance) +
                             " eséllyel a csőd előtt elér: ";
    if (!a.found)
        return head + "nincs ilyen. " + a.why;
    return head + moneyText(a.amount) + " nyereség (esélye " + shareText(a.share) + ").";
}

} // namespace vintaro
