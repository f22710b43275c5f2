#include "systems/window/systemshelp.h"

#include <QCoreApplication>
#include <QStandardItemModel>
#include <QWidget>

#include <array>

namespace vintaro {

namespace {

struct SystemsHelp
{
    Q_DECLARE_TR_FUNCTIONS(vintaro::SystemsHelp)
};

struct Help
{
    const char *tip;  // nullptr: the control's own tooltip
    const char *more; // after the tip in the What's This text; empty: the fair-wheel sentence
};

struct Named
{
    const char *name; // objectName, or the caption of a figure row
    Help help;
};

// What a setting does, and what no setting does.
constexpr const char *kSetting = QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Szabályos keréken egyik beállítás sem változtatja meg a következő pörgetés "
                                      "esélyét: minden tét átlagosan a feltett összeg 1/37 részét veszíti, a "
                                      "beállítások csak azt alakítják, mennyit tesz fel a játékos, és hogyan oszlik "
                                      "el az eredmény.");
// What a figure describes.
constexpr const char *kFigure = QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Ez a rendszer meneteit írja le: szabályos keréken a következő pörgetés esélye "
                                     "ettől nem változik, és egy tétrendszer sem változtat rajta.");

constexpr std::array<Named, 22> kControls = {{
    {"Tet",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A tét, amelyre a rendszer minden pörgetésben tesz: egy esélyes tét, egy szám vagy a kijelölt számok."),
      QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Szabályos keréken minden tét ugyanannyit veszít átlagosan, a feltett összeg 1/37 részét; a tét "
           "választása a nyerések gyakoriságát és a szórást változtatja, a ház részét nem.")}},
    {"TetSzam", {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A szám, amelyre az „Egy szám” tét szól."), kSetting}},
    {"Rendszer",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A tétrendszer: mennyit tesz a következő pörgetésre az eddigi nyerések és vesztések után."),
      QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Szabályos keréken egy rendszer sem változtatja meg a következő pörgetés esélyét; csak azt, mennyit tesz "
           "fel a játékos, és hogyan oszlik el az eredmény: sok kis nyereség és ritka nagy veszteség, vagy "
           "fordítva.")}},
    {"SajatRendszer", {nullptr, kSetting}},
    {"Egyseg", {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Egy tétegység összege: a rendszerek tétjei ennek többszörösei."), kSetting}},
    {"Bank",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A menet kezdőtőkéje; ha a rendszer következő tétje már nem fér bele, a menet csődbe jut."), kSetting}},
    {"MinTet", {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Az asztal legkisebb tétje: ennél kisebb tét nem tehető fel."), kSetting}},
    {"MaxTet",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Az asztal legnagyobb tétje; a rendszer nagyobb tétje erre csökken. „nincs”: nincs felső határ."),
      QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A duplázó rendszerek az asztali maximumnál elakadnak, és akkor a veszteség nem hozható vissza. "
           "Szabályos keréken a következő pörgetés esélyén ez sem változtat.")}},
    {"Cel", {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A nyereség, amelynél a menet véget ér. „nincs”: nincs cél."), kSetting}},
    {"Porgetesek", {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Legfeljebb ennyi pörgetésből áll egy menet."), kSetting}},
    {"Menetek",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Ennyi menetet játszik le a szimuláció szabályos keréken."),
      QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Több menet pontosabb számokat ad: a szabályos keréken várható értékek köré szűkülnek, a következő "
           "pörgetés esélyén azonban nem változtatnak.")}},
    {"Mag", {nullptr, kSetting}},
    {"Kockazat", {nullptr, kSetting}},
    {"CelEsely", {nullptr, kSetting}},
    {"JegyzettPorgetesek",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Hány pörgetés van az előzményben; a visszateszt ezeken játssza le a rendszert."), kFigure}},
    {"TokeGrafikon",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A tőke pörgetésről pörgetésre, ahogy a rendszer a jegyzett pörgetéseken játszott volna."),
      QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Szabályos keréken a görbe hosszú távon a feltett tétek 1/37 részével lefelé tart; egy emelkedő szakasz "
           "a következő pörgetés esélyén nem változtat.")}},
    {"Hisztogram",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A szimulált menetek végeredménye: a menetek hány százaléka végzett az egyes sávokban."), kFigure}},
    {"Valasz",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A kérdés válasza egy mondatban: ezer menetből hány jut csődbe, és mennyit veszít egy menet "
           "átlagosan, tétegységben."),
      QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Szabályos keréken egy menet átlagos vesztesége mindig a feltett tétek 1/37 része, bármilyen "
           "rendszerrel; a következő pörgetés esélye sem változik.")}},
    {"Egyezes",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Egyezik-e a szimuláció azzal, hogy a rendszer a feltett tétek 1/37 részét veszíti."),
      QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Szabályos keréken a tartomány húsz futásból nagyjából tizenkilencszer tartalmazza a 0-t; ha nem, az "
           "többnyire a véletlen műve, és nem jelenti, hogy a rendszer megverte a házat.")}},
    {"TokeValasz",
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A kérdezett kezdőtőke és cél, a menet minden lehetséges kimenetéből pontosan kiszámolva."), kFigure}},
    {"Allapot", {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A szimuláció állapota: hány menet készült, melyik maggal."), kFigure}},
    {"Alapelv", {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Amit egy tétrendszer megváltoztathat, és amit nem."), kFigure}},
}};

// The rows of the figure tables, by their captions in the systems' texts.
constexpr std::array<Named, 18> kRows = {{
    {QT_TRANSLATE_NOOP("SystemsText", "Esély, hogy a menet nyereséggel zárul"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A menetek része, amely a kezdőtőkénél többel ér véget."),
      QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Szabályos keréken a rendszerek ezt gyakran nagyra tolják, ritka nagy veszteségek árán; az átlagos "
           "veszteség így is a feltett tétek 1/37 része.")}},
    {QT_TRANSLATE_NOOP("SystemsText", "Esély, hogy a menet eléri a célt"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A menetek része, amely a csőd előtt eléri a kitűzött nyereséget."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Esély, hogy a menet csődbe jut"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A menetek része, amelyben a rendszer következő tétje már nem fér bele a megmaradt tőkébe."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Átlagos eredmény"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A menetek eredményének átlaga, zárójelben az átlag 95 %-os tartománya."),
      QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Szabályos keréken ez a feltett tétek 1/37 részének mínusza körül van, bármilyen rendszerrel.")}},
    {QT_TRANSLATE_NOOP("SystemsText", "Várható eredmény: −(átlagos tét)/37"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Amit szabályos keréken egy menet átlagosan veszít: a menetenként feltett összeg 1/37 része."),
      kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Medián eredmény"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A menetek fele ennél rosszabbul, fele jobban végzett."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Eredmény, 5. percentilis"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A menetek 5 %-a végzett ennél rosszabbul."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Eredmény, 95. percentilis"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A menetek 5 %-a végzett ennél jobban."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Átlagosan lejátszott pörgetés"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Ennyi pörgetésig tart átlagosan egy menet: csődig, célig vagy a pörgetések végéig."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Átlagos tét menetenként összesen"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Ennyit tesz fel egy menet összesen, átlagosan; ennek 1/37 része a várható veszteség."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Legnagyobb tét"), {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A legnagyobb egyszerre feltett tét."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Lejátszott pörgetés"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Ennyi jegyzett pörgetésen játszott a rendszer a menet végéig."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "A menet vége"), {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Miért ért véget a menet."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Összes tét"), {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A menetben feltett tétek összege."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Végeredmény"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A menet nyeresége (+) vagy vesztesége (−) a jegyzett pörgetéseken."),
      QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Egy menet eredménye a szerencséről szól: szabályos keréken a várható érték az összes tét 1/37 "
           "részének mínusza, és a következő pörgetés esélye ettől nem változik.")}},
    {QT_TRANSLATE_NOOP("SystemsText", "Várható eredmény: −(összes tét)/37"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Amit szabályos keréken ennyi tét átlagosan elveszít: az összes tét 1/37 része."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "Legmélyebb esés egy csúcsról"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A tőke legnagyobb visszaesése egy korábbi csúcsához képest."), kFigure}},
    {QT_TRANSLATE_NOOP("SystemsText", "A rendszer legnagyobb kért tétje"),
     {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A legnagyobb tét, amelyet a rendszer kért volna, mielőtt az asztali maximum vagy a tőke "
           "lecsökkentette."),
      kFigure}},
}};

// The cut-stake rows share one help.
constexpr std::array<const char *, 2> kCutRows = {
    QT_TRANSLATE_NOOP("SystemsText", "Tét az asztali maximumra csökkentve"),
    QT_TRANSLATE_NOOP("SystemsText", "Tét a megmaradt tőkére csökkentve"),
};
constexpr Help kCut = {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Ennyi pörgetésben volt kisebb a tét, mint amennyit a rendszer kért."), kFigure};

constexpr Help kRecorded = {
    QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A rendszer eredménye, a jegyzett pörgetéseken lejátszva."),
    QT_TRANSLATE_NOOP("vintaro::SystemsHelp",
                      "Ez egyetlen menet a múltból: szabályos keréken a várható eredménye a feltett tétek 1/37 "
                      "részének mínusza, és a következő pörgetés esélyén nem változtat.")};

constexpr std::array<Help, 3> kColumns = {{
    {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A mért érték; a sor fölött a tooltip elmondja, mit jelent."), kFigure},
    {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Az érték a szimulált menetekből; ugyanaz a mag ugyanazt adja."),
     QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "Szabályos keréken a szimulált érték a pontos körül ingadozik, több menettel egyre közelebb; a "
          "következő pörgetés esélyén nem változtat.")},
    {QT_TRANSLATE_NOOP("vintaro::SystemsHelp", "A pontos érték, a menet minden lehetséges kimenetéből kiszámolva; „-”: nem számolható ki."),
     kFigure},
}};

QString whatsThis(const QString &tip, const Help &help)
{
    return tip + QLatin1Char(' ') + SystemsHelp::tr(*help.more ? help.more : kFigure);
}

QVariant helpFor(const Help &help, int role)
{
    if (role == Qt::ToolTipRole)
        return SystemsHelp::tr(help.tip);
    if (role == Qt::WhatsThisRole)
        return whatsThis(SystemsHelp::tr(help.tip), help);
    return {};
}

} // namespace

void explainSystemsFigures(QWidget *window)
{
    for (const Named &control : kControls)
        if (auto *w = window->findChild<QWidget *>(QLatin1String(control.name))) {
            if (control.help.tip)
                w->setToolTip(SystemsHelp::tr(control.help.tip));
            w->setWhatsThis(whatsThis(w->toolTip(), control.help));
        }
}

void explainFigureColumns(QStandardItemModel *model, bool recorded)
{
    for (int c = 0; c < model->columnCount() && c < int(kColumns.size()); ++c) {
        const Help &help = recorded && c == 1 ? kRecorded : kColumns[size_t(c)];
        for (int role : {Qt::ToolTipRole, Qt::WhatsThisRole})
            model->setHeaderData(c, Qt::Horizontal, helpFor(help, role), role);
    }
}

QVariant figureRowHelp(const QString &caption, int role)
{
    for (const Named &row : kRows)
        if (QCoreApplication::translate("SystemsText", row.name) == caption)
            return helpFor(row.help, role);
    for (const char *cut : kCutRows)
        if (QCoreApplication::translate("SystemsText", cut) == caption)
            return helpFor(kCut, role);
    return {};
}

} // namespace vintaro
