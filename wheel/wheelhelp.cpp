#include "wheel/wheelhelp.h"

#include <QCoreApplication>
#include <QWidget>

#include <array>

namespace vintaro {

namespace {

struct WheelHelp
{
    Q_DECLARE_TR_FUNCTIONS(vintaro::WheelHelp)
};

struct Help
{
    const char *tip;
    const char *more; // after the tip in the What's This text
};

// Zseb, Hányszor, Várható, Kihagy., MaxKh.
constexpr std::array<Help, 5> kColumns = {{
    {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A szektor zsebeinek száma a kerék 37 zsebéből."),
     QT_TRANSLATE_NOOP("vintaro::WheelHelp", "Szabályos keréken a szektor esélye minden pörgetésben zseb/37, bármi "
                                             "jött is előtte.")},
    {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "Ennyi pörgetés eredménye esett a szektorba."),
     QT_TRANSLATE_NOOP("vintaro::WheelHelp", "Szabályos keréken a Várható oszlop értéke körül ingadozik. A múltbeli "
                                             "találatok a következő pörgetés esélyén nem változtatnak; csak egy "
                                             "valódi torzítás tenné, amit az Esélyek ablak mér.")},
    {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "Ennyi találat várható szabályos keréken: pörgetések × zseb / 37."),
     QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A Hányszor oszlop ehhez mérhető; kisebb eltérés szabályos keréken is "
                                             "mindig van, és nem jelzi előre a következő pörgetést.")},
    {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "Pörgetések a szektor legutóbbi találata óta."),
     QT_TRANSLATE_NOOP("vintaro::WheelHelp", "Szabályos keréken egy hosszú kihagyás után sem nagyobb a szektor "
                                             "esélye: a kerék nem emlékszik, a következő pörgetés esélye most is "
                                             "zseb/37.")},
    {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A szektor leghosszabb kihagyása az előzményben."),
     QT_TRANSLATE_NOOP("vintaro::WheelHelp", "Minél hosszabb az előzmény, annál hosszabb leghosszabb kihagyás "
                                             "várható szabályos keréken is; a következő pörgetésről nem mond "
                                             "semmit.")},
}};

struct Figure
{
    const char *name; // objectName
    Help help;
};

constexpr std::array<Figure, 13> kFigures = {{
    {"WheelView",
     {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A kerék a zsebek sorrendjében; a gyűrű színe a zseb találatait "
                                              "mutatja a választott ablakban."),
      QT_TRANSLATE_NOOP("vintaro::WheelHelp", "Szabályos keréken is mindig van melegebb és hidegebb zseb; a színek "
                                              "a múltat írják le, a következő pörgetés esélye minden zsebre 1/37.")}},
    {"Heat37", {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A gyűrű az utolsó 37 pörgetés találatait mutatja."), ""}},
    {"Heat74", {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A gyűrű az utolsó 74 pörgetés találatait mutatja."), ""}},
    {"Heat185", {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A gyűrű az utolsó 185 pörgetés találatait mutatja."), ""}},
    {"Heat370", {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A gyűrű az utolsó 370 pörgetés találatait mutatja."), ""}},
    {"HeatAll", {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A gyűrű az egész előzmény találatait mutatja."), ""}},
    {"HeatAbsence",
     {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A gyűrű azt mutatja, hány pörgetés óta nem jött a zseb."),
      QT_TRANSLATE_NOOP("vintaro::WheelHelp", "Szabályos keréken egy zseb átlagosan 36 pörgetést vár; a hosszú "
                                              "kihagyás nem teszi valószínűbbé a következőt.")}},
    {"LegendCaption",
     {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A gyűrű színskálája: mit mér a választott mérce."), ""}},
    {"LegendLow", {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A skála alja: a legkisebb érték a gyűrűn."), ""}},
    {"LegendBar", {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A gyűrű színei a skála aljától a tetejéig."), ""}},
    {"LegendHigh", {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A skála teteje: a legnagyobb érték a gyűrűn."), ""}},
    {"Chosen",
     {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "A kattintással választott zseb és szomszédai a keréken; a "
                                              "táblázat Szomszédok sora róluk szól."),
      ""}},
    {"Neighbours",
     {QT_TRANSLATE_NOOP("vintaro::WheelHelp", "Hány szomszédot számol a választott zseb mindkét oldalán."), ""}},
}};

// The fair-wheel sentence every What's This text ends with, unless its own says more.
QString whatsThis(const Help &help)
{
    const QString tip = WheelHelp::tr(help.tip);
    if (*help.more)
        return tip + QLatin1Char(' ') + WheelHelp::tr(help.more);
    return tip + QLatin1Char(' ') +
           WheelHelp::tr("Amit mutat, az a múlt: a következő pörgetés esélye szabályos keréken minden zsebre 1/37.");
}

} // namespace

QVariant sectorColumnHelp(int column, int role)
{
    if (column < 0 || column >= int(kColumns.size()))
        return {};
    const Help &help = kColumns[size_t(column)];
    if (role == Qt::ToolTipRole)
        return WheelHelp::tr(help.tip);
    if (role == Qt::WhatsThisRole)
        return whatsThis(help);
    return {};
}

void explainWheelFigures(QWidget *window)
{
    for (const Figure &figure : kFigures)
        if (auto *w = window->findChild<QWidget *>(QLatin1String(figure.name))) {
            w->setToolTip(WheelHelp::tr(figure.help.tip));
            w->setWhatsThis(whatsThis(figure.help));
        }
}

} // namespace vintaro
