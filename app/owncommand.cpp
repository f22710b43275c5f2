#include "app/owncommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "app/simulatecommand.h"
#include "persistence/ownsystems.h"

namespace vintaro {

namespace {

// "5%", "5 %", "5" or "0,5%": a share strictly between 0 and 1; -1 when wrong.
double readPercent(QString text)
{
    text = text.trimmed();
    if (text.endsWith(QLatin1Char('%')))
        text.chop(1);
    bool ok = false;
    const double percent = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && percent > 0 && percent < 100 ? percent / 100 : -1;
}

constexpr const char *kContext = "OwnCommand";

QString said(const char *text) { return QCoreApplication::translate(kContext, text); }

} // namespace

QList<QCommandLineOption> ownOptions()
{
    QList<QCommandLineOption> options;
    auto add = [&options](const char *name, const char *description, const char *value) {
        options << QCommandLineOption(QLatin1String(name), said(description), said(value));
    };
    add("system-file",
        QT_TRANSLATE_NOOP("OwnCommand", "A saját rendszerek fájlja (--simulate own; például a listák mappájának "
                                        "rendszerek.ini-je)."),
        QT_TRANSLATE_NOOP("OwnCommand", "FÁJL"));
    add("system", QT_TRANSLATE_NOOP("OwnCommand", "A saját rendszer neve a --system-file fájlban."),
        QT_TRANSLATE_NOOP("OwnCommand", "NÉV"));
    add("stakes",
        QT_TRANSLATE_NOOP("OwnCommand", "A saját rendszer tétjei lépésenként, egységben (--simulate own), például "
                                        "1,2,4,8,16."),
        QT_TRANSLATE_NOOP("OwnCommand", "LISTA"));
    add("on-win",
        QT_TRANSLATE_NOOP("OwnCommand", "Nyerés után: first (az első lépésre), back:N (N lépést vissza), stay "
                                        "(marad) vagy next (a következőre; alapértelmezés first)."),
        QT_TRANSLATE_NOOP("OwnCommand", "LÉPÉS"));
    add("on-loss",
        QT_TRANSLATE_NOOP("OwnCommand", "Vesztés után: next (a következőre), skip:N (N lépést előre) vagy first "
                                        "(alapértelmezés next)."),
        QT_TRANSLATE_NOOP("OwnCommand", "LÉPÉS"));
    add("after-last",
        QT_TRANSLATE_NOOP("OwnCommand", "Az utolsó lépésen túl: stay (marad az utolsón), first (vissza az elsőre) "
                                        "vagy stop (vége a menetnek; alapértelmezés stay)."),
        QT_TRANSLATE_NOOP("OwnCommand", "MIT"));
    add("sit-out",
        QT_TRANSLATE_NOOP("OwnCommand", "N vesztés után sorban M pörgetés kimarad (alapértelmezés 0:0, nincs "
                                        "kimaradás)."),
        "N:M");
    add("risk",
        QT_TRANSLATE_NOOP("OwnCommand", "A legkisebb kezdőtőke, amellyel a menet legfeljebb P eséllyel jut csődbe "
                                        "(pontos számítással), például 5%."),
        "P");
    add("reach",
        QT_TRANSLATE_NOOP("OwnCommand", "A legnagyobb cél, amelyet a menet legalább P eséllyel elér (pontos "
                                        "számítással), például 50%."),
        "P");
    return options;
}

QStringList ownOptionNames()
{
    return {QStringLiteral("system-file"), QStringLiteral("system"),     QStringLiteral("stakes"),
            QStringLiteral("on-win"),      QStringLiteral("on-loss"),    QStringLiteral("after-last"),
            QStringLiteral("sit-out"),     QStringLiteral("risk"),       QStringLiteral("reach")};
}

QString readOwnSystem(const QCommandLineParser &parser, SimulateCommand &command)
{
    const bool file = parser.isSet(QStringLiteral("system-file"));
    const bool rules = parser.isSet(QStringLiteral("stakes"));
    const QStringList ruleOptions = {QStringLiteral("on-win"), QStringLiteral("on-loss"),
                                     QStringLiteral("after-last"), QStringLiteral("sit-out")};
    if (file == rules)
        return said(QT_TRANSLATE_NOOP("OwnCommand", "A --simulate own mellé vagy a --system-file és a --system, vagy "
                                                    "a --stakes kell."));
    OwnSystem own;
    if (file) {
        for (const QString &name : ruleOptions)
            if (parser.isSet(name))
                return said(QT_TRANSLATE_NOOP("OwnCommand", "A --%1 a --stakes mellé való, nem a --system-file "
                                                            "mellé."))
                    .arg(name);
        const QString name = parser.value(QStringLiteral("system"));
        if (name.isEmpty())
            return said(QT_TRANSLATE_NOOP("OwnCommand", "A --system-file mellé a --system is kell (a rendszer "
                                                        "neve)."));
        const OwnSystemsRead read = loadOwnSystems(parser.value(QStringLiteral("system-file")));
        if (!read.problem.isEmpty())
            return read.problem;
        auto it = std::find_if(read.systems.begin(), read.systems.end(),
                               [&name](const OwnSystem &s) { return s.name == name.toStdString(); });
        if (it == read.systems.end())
            return said(QT_TRANSLATE_NOOP("OwnCommand", "Nincs „%1” nevű rendszer a(z) %2 fájlban."))
                .arg(name, parser.value(QStringLiteral("system-file")));
        own = *it;
        command.ownFromFile = true;
    } else {
        if (parser.isSet(QStringLiteral("system")))
            return said(QT_TRANSLATE_NOOP("OwnCommand", "A --system a --system-file mellé való."));
        auto wrong = [&](const char *option) {
            return said(QT_TRANSLATE_NOOP("OwnCommand", "Hibás --%1: %2 (lásd --help)."))
                .arg(QLatin1String(option), parser.value(QLatin1String(option)));
        };
        if (!readStakes(parser.value(QStringLiteral("stakes")).toStdString(), own.stakes))
            return wrong("stakes");
        if (parser.isSet(QStringLiteral("on-win")) &&
            !readWinMove(parser.value(QStringLiteral("on-win")).toStdString(), own.onWin, own.winSteps))
            return wrong("on-win");
        if (parser.isSet(QStringLiteral("on-loss")) &&
            !readLossMove(parser.value(QStringLiteral("on-loss")).toStdString(), own.onLoss, own.lossSteps))
            return wrong("on-loss");
        if (parser.isSet(QStringLiteral("after-last")) &&
            !readAfterLast(parser.value(QStringLiteral("after-last")).toStdString(), own.afterLast))
            return wrong("after-last");
        if (parser.isSet(QStringLiteral("sit-out"))) {
            const QStringList parts = parser.value(QStringLiteral("sit-out")).split(QLatin1Char(':'));
            bool okAfter = false, okSpins = false;
            if (parts.size() != 2)
                return wrong("sit-out");
            own.sitOutAfter = parts[0].toInt(&okAfter);
            own.sitOutSpins = parts[1].toInt(&okSpins);
            if (!okAfter || !okSpins)
                return wrong("sit-out");
        }
        own.bet.clear(); // the bet comes from --bet
    }
    command.own = own;
    return {};
}

QString readRiskOptions(const QCommandLineParser &parser, SimulateCommand &command)
{
    for (const char *name : {"risk", "reach"}) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option))
            continue;
        const double share = readPercent(parser.value(option));
        if (share < 0)
            return said(QT_TRANSLATE_NOOP("OwnCommand",
                                          "A --%1 után egy százalék kell 0 és 100 között, például 5%, nem ez: %2"))
                .arg(option, parser.value(option));
        (name[1] == 'i' ? command.risk : command.reach) = share;
    }
    return {};
}

} // namespace vintaro
