#include "odds/window/oddshelp.h"

#include <QCoreApplication>
#include <QWidget>

#include <array>
#include <span>

namespace vintaro {

namespace {

struct OddsHelp
{
    Q_DECLARE_TR_FUNCTIONS(vintaro::OddsHelp)
};

struct Help
{
    const char *tip;
    const char *more; // after the tip in the What's This text; empty: the fair-wheel sentence
};

constexpr std::array<Help, 11> kBets = {{
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp", "A tét: egy szám vagy számok csoportja, amelyre egy zseton tehető."), ""},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp", "A tét számainak száma; egy pörgetésre a tét esélye ennyi/37."), ""},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp", "Ennyiszer nyert a tét az előzményben."),
     QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Szabályos keréken a Várható oszlop körül ingadozik; a "
                       "múltbeli találatok a következő pörgetés esélyén "
                       "nem változtatnak.")},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp", "Ennyi találat várható szabályos keréken: pörgetések × számok / 37."), ""},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Az eltérés a várhatótól, szórásnyi egységben: (találat "
                       "− várható) / szórás."),
     QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Szabályos keréken a z többnyire −2 és 2 között van, de "
                       "sok tét közül egy-kettő mindig kilóg; egy tét "
                       "z-je magában nem bizonyít torzítást.")},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp", "Pörgetések a tét legutóbbi találata óta."),
     QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Szabályos keréken a hosszú kimaradás nem növeli a tét "
                       "esélyét: a következő pörgetésben most is "
                       "számok/37.")},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Egy előre kiválasztott tétnél az esélye, hogy most "
                       "éppen legalább ilyen hosszú kimaradásban legyen."),
     QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Szabályos keréken ez a múltról szól, nem a következő "
                       "pörgetésről: a kis esély nem jelenti, hogy a tét "
                       "„esedékes”.")},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Ilyen kimaradás ennyi alkalomból egyszer fordul elő "
                       "szabályos keréken."),
     ""},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp", "A tét leghosszabb kimaradása az előzményben."),
     QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Minél hosszabb az előzmény, annál hosszabb leghosszabb "
                       "kimaradás várható szabályos keréken is.")},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Az esélye, hogy szabályos keréken a tét leghosszabb "
                       "kimaradása ennyi pörgetés alatt legalább ekkora "
                       "legyen."),
     ""},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "A leghosszabb kimaradás átlaga szabályos keréken ennyi "
                       "pörgetés alatt."),
     ""},
}};

constexpr std::array<Help, 5> kBias = {{
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "A próba: mit vet össze a szabályos kerékkel (számok, "
                       "ívek, színek…)."),
     ""},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp", "A próba mérőszáma az előzményre (például a khi-négyzet)."), ""},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp", "Szabadsági fok: a khi-négyzet-próba cellái eggyel kevesebben."), ""},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Az esélye, hogy egy szabályos kerék egyetlen nézésnél "
                       "legalább ekkora eltérést mutasson."),
     QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "Minden pörgetés után nézve a kis p szabályos keréken "
                       "is gyakran előfordul; az ítélet ezt számba "
                       "veszi, a p egymagában nem.")},
    {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                       "A p-érték a Holm-módszerrel igazítva: a táblázat "
                       "összes próbáját együtt számba véve."),
     ""},
}};

struct Figure
{
    const char *name; // objectName
    Help help;
};

constexpr std::array<Figure, 7> kFigures = {{
    {"Osszesites", {QT_TRANSLATE_NOOP("vintaro::OddsHelp", "Hány pörgetésből készült a tét-táblázat."), ""}},
    {"Itelet",
     {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                        "Az ítélet: mutat-e az előzmény torzítást, a minden "
                        "pörgetés után nézett bizonyíték szerint."),
      QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                        "Szabályos keréken a bizonyíték többnyire 1 alatt marad, és "
                        "„gyanúsat” csak ritkán mond. Torzítás "
                        "nélkül a következő pörgetés esélye minden számra 1/37.")}},
    {"Hordozo",
     {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                        "Melyik szám vagy ív adja a bizonyíték legnagyobb "
                        "részét, találataival és a várhatóval."),
      ""}},
    {"BecslesSzam",
     {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                        "A legtöbbet jött szám előnye: az előzmény egyik felén "
                        "kiválasztva, a másikon mérve."),
      QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                        "Szabályos keréken ez a becslés 0 körül van; csak ha a "
                        "másik félen is megmarad, utal valódi torzításra.")}},
    {"BecslesIv",
     {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                        "A legtöbbet jött ív előnye: az előzmény egyik felén "
                        "kiválasztva, a másikon mérve."),
      QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                        "Szabályos keréken ez a becslés 0 körül van; csak ha a "
                        "másik félen is megmarad, utal valódi torzításra.")}},
    {"FajlBizonyitek",
     {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                        "A választott fájl pörgetéseinek bizonyítéka és "
                        "ítélete, ahogy az élő előzményé is számolódik."),
      ""}},
    {"FajlAllapot",
     {QT_TRANSLATE_NOOP("vintaro::OddsHelp",
                        "Mit olvasott a program a fájlból: a pörgetéseket és a "
                        "kihagyott elemeket."),
      ""}},
}};

QString whatsThis(const Help &help)
{
    const QString tip = OddsHelp::tr(help.tip);
    if (*help.more)
        return tip + QLatin1Char(' ') + OddsHelp::tr(help.more);
    return tip + QLatin1Char(' ')
        + OddsHelp::tr("Ez a múltat írja le: szabályos keréken a következő "
                       "pörgetés esélye ettől nem változik, "
                       "csak egy valódi torzítás változtatna rajta.");
}

QVariant columnHelp(std::span<const Help> columns, int column, int role)
{
    if (column < 0 || column >= int(columns.size()))
        return {};
    if (role == Qt::ToolTipRole)
        return OddsHelp::tr(columns[size_t(column)].tip);
    if (role == Qt::WhatsThisRole)
        return whatsThis(columns[size_t(column)]);
    return {};
}

} // namespace

QVariant betsColumnHelp(int column, int role) { return columnHelp(kBets, column, role); }

QVariant biasColumnHelp(int column, int role) { return columnHelp(kBias, column, role); }

void explainOddsFigures(QWidget *window)
{
    for (const Figure &figure : kFigures)
        if (auto *w = window->findChild<QWidget *>(QLatin1String(figure.name))) {
            w->setToolTip(OddsHelp::tr(figure.help.tip));
            w->setWhatsThis(whatsThis(figure.help));
        }
}

} // namespace vintaro
