#include "systems/owntext.h"

#include <QCoreApplication>

#include "core/textformat.h"
#include "systems/systemstext.h"

namespace vintaro {

namespace {

constexpr const char *kContext = "OwnText";

QString said(const char *text) { return QCoreApplication::translate(kContext, text); }
QString q(const std::string &text) { return QString::fromStdString(text); }

QString winMove(const OwnSystem &s)
{
    switch (s.onWin) {
    case WinMove::First: return said(QT_TRANSLATE_NOOP("OwnText", "vissza az első lépésre"));
    case WinMove::Back:
        return q(countText(kContext, QT_TRANSLATE_N_NOOP("OwnText", "%1 lépéssel vissza"), s.winSteps));
    case WinMove::Stay: return said(QT_TRANSLATE_NOOP("OwnText", "marad a lépésen"));
    case WinMove::Next: break;
    }
    return said(QT_TRANSLATE_NOOP("OwnText", "a következő lépésre"));
}

QString lossMove(const OwnSystem &s)
{
    switch (s.onLoss) {
    case LossMove::Next: break;
    case LossMove::Skip:
        return q(countText(kContext, QT_TRANSLATE_N_NOOP("OwnText", "%1 lépéssel előre"), s.lossSteps));
    case LossMove::First: return said(QT_TRANSLATE_NOOP("OwnText", "vissza az első lépésre"));
    }
    return said(QT_TRANSLATE_NOOP("OwnText", "a következő lépésre"));
}

QString afterLast(const OwnSystem &s)
{
    switch (s.afterLast) {
    case AfterLast::Stay: break;
    case AfterLast::First: return said(QT_TRANSLATE_NOOP("OwnText", "vissza az elsőre"));
    case AfterLast::Stop: return said(QT_TRANSLATE_NOOP("OwnText", "vége a menetnek"));
    }
    return said(QT_TRANSLATE_NOOP("OwnText", "marad az utolsón"));
}

} // namespace

std::string ownDescription(const OwnSystem &s)
{
    // The stakes, a long sequence shortened to its first twelve and its last.
    QString stakes;
    for (size_t i = 0; i < s.stakes.size(); ++i) {
        if (i == 12 && s.stakes.size() > 14) {
            stakes += QStringLiteral(", … ") + q(formatInteger(s.stakes.back()));
            break;
        }
        stakes += (i ? QStringLiteral(", ") : QString()) + q(formatInteger(s.stakes[i]));
    }
    QString out = s.name.empty()
                      ? said(QT_TRANSLATE_NOOP("OwnText", "saját rendszer: tétek %1 egység")).arg(stakes)
                      : said(QT_TRANSLATE_NOOP("OwnText", "saját rendszer „%1”: tétek %2 egység"))
                            .arg(q(s.name), stakes);
    out += said(QT_TRANSLATE_NOOP("OwnText", "; nyerés után %1, vesztés után %2, az utolsó lépés után %3"))
               .arg(winMove(s), lossMove(s), afterLast(s));
    if (s.sitOutAfter > 0 && s.sitOutSpins > 0)
        out += said(QT_TRANSLATE_NOOP("OwnText", "; %1 után sorban %2 kimarad"))
                   .arg(q(countText(kContext, QT_TRANSLATE_N_NOOP("OwnText", "%1 vesztés"), s.sitOutAfter)),
                        q(countText(kContext, QT_TRANSLATE_N_NOOP("OwnText", "%1 pörgetés"), s.sitOutSpins)));
    return out.toStdString();
}

std::string riskLine(double risk, const BankrollAnswer &a)
{
    if (!a.found)
        return said(QT_TRANSLATE_NOOP("OwnText", "Legkisebb kezdőtőke, amellyel a menet legfeljebb %1 eséllyel jut "
                                                 "csődbe: nem számítható ki. %2"))
            .arg(q(shareText(risk)), q(problemText(a.why)))
            .toStdString();
    return said(QT_TRANSLATE_NOOP("OwnText", "Legkisebb kezdőtőke, amellyel a menet legfeljebb %1 eséllyel jut "
                                             "csődbe: %2 (a csőd esélye ezzel %3)."))
        .arg(q(shareText(risk)), q(moneyText(a.amount)), q(shareText(a.share)))
        .toStdString();
}

std::string reachLine(double chance, const BankrollAnswer &a)
{
    if (!a.found)
        return said(QT_TRANSLATE_NOOP("OwnText", "Legnagyobb cél, amelyet a menet legalább %1 eséllyel a csőd előtt "
                                                 "elér: nincs ilyen. %2"))
            .arg(q(shareText(chance)), q(problemText(a.why)))
            .toStdString();
    return said(QT_TRANSLATE_NOOP("OwnText", "Legnagyobb cél, amelyet a menet legalább %1 eséllyel a csőd előtt "
                                             "elér: %2 nyereség (esélye %3)."))
        .arg(q(shareText(chance)), q(moneyText(a.amount)), q(shareText(a.share)))
        .toStdString();
}

} // namespace vintaro
