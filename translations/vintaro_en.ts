<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu_HU">
<context>
    <name>CommandLine</name>
    <message>
        <source>A program nyelve: hu (magyar, ez az alapértelmezés) vagy en (angol).</source>
        <translation>The language of the program: hu (Hungarian, the default) or en (English).</translation>
    </message>
    <message>
        <source>A --language értéke hu vagy en lehet.</source>
        <translation>--language takes hu or en.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A pörgetési listák mappáját már egy másik futó Vintaro használja:
%1
Egy mappát egyszerre csak egy program használhat.</source>
        <translation>The folder of the spin lists is already in use by another running Vintaro:
%1
Only one program at a time can use a folder.</translation>
    </message>
    <message>
        <source>A pörgetési listák mappáját (%1) egy másik gép (%2) Vintarója zárolta. Ha ott már nem fut, a mappa átvehető; ha fut, a két program felülírná egymás pörgetéseit.
Átveszi a mappát ?</source>
        <translation>The folder of the spin lists (%1) is locked by the Vintaro of another machine (%2). If it no longer runs there, the folder can be taken over; if it does, the two programs would overwrite each other&apos;s spins.
Take over the folder?</translation>
    </message>
    <message>
        <source>A pörgetési listák mappájában a zárfájl helyén valami más áll, ami nem távolítható el:
%1
Távolítsa el, és indítsa újra a programot.</source>
        <translation>In the folder of the spin lists, something else stands where the lock file belongs and cannot be removed:
%1
Remove it and start the program again.</translation>
    </message>
</context>
<context>
    <name>vintaro::Form1</name>
    <message>
        <source>Nem sikerült írni, a korábbi tartalom megmaradt:
%1</source>
        <translation>The file could not be written; its earlier contents are kept:
%1</translation>
    </message>
    <message>
        <source>A fájl helyén szimbolikus link áll:
%1
A program nem ír linken keresztül, és nem is cseréli le; a korábbi tartalom megmaradt. Tegye a link helyére azt a fájlt, amelyre mutat.</source>
        <translation>A symbolic link stands in place of the file:
%1
The program neither writes through a link nor replaces it; the earlier contents are kept. Put the file it points to in place of the link.</translation>
    </message>
    <message>
        <source>A teremműveletek naplója sérült, a program nem hajtja végre:
%1
Amíg ez a fájl ott van, mentés és teremváltás nem lehetséges. Helyezze át vagy nevezze át, és a mentés újra működik (a program a következő indításkor félre is teheti).</source>
        <translation>The journal of the room operations is damaged; the program does not carry it out:
%1
While this file is there, saving and switching rooms are not possible. Move or rename it and saving works again (the program can also set it aside at its next start).</translation>
    </message>
    <message>
        <source>Egy teremművelet nem fejeződött be, ez a fájl nem cserélhető le:
%1
A naplója megmaradt:
%2
A program a következő indításkor befejezi. Addig a munkalista és a terem.txt más-más teremhez tartozhat, ezért mentés és teremváltás nem lehetséges.</source>
        <translation>A room operation did not finish; this file cannot be replaced:
%1
Its journal is kept:
%2
The program finishes it at its next start. Until then the working list and terem.txt may belong to different rooms, so saving and switching rooms are not possible.</translation>
    </message>
    <message>
        <source>Egy félbeszakadt teremművelet (%1) nem fejezhető be, ez a fájl nem cserélhető le:
%2
A naplója megmaradt:
%3
A program a következő indításkor újra megpróbálja befejezni. Addig a munkalista és a terem.txt más-más teremhez tartozhat, ezért mentés és teremváltás nem lehetséges.</source>
        <translation>An interrupted room operation (%1) cannot be finished; this file cannot be replaced:
%2
Its journal is kept:
%3
The program tries again to finish it at its next start. Until then the working list and terem.txt may belong to different rooms, so saving and switching rooms are not possible.</translation>
    </message>
    <message>
        <source>A teremműveletek naplója sérült, vagy a listák mappáján kívüli fájlt nevez meg; a program nem hajtja végre:
%1
Amíg ott van, mentés és teremváltás nem lehetséges.
Félreteszi %2 néven, hogy a mentés újra működjön ?</source>
        <translation>The journal of the room operations is damaged or names a file outside the lists folder; the program does not carry it out:
%1
While it is there, saving and switching rooms are not possible.
Set it aside as %2 so that saving works again?</translation>
    </message>
    <message>
        <source>A mentés nem sikerült.</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>
A program nem indul újra.</source>
        <translation>
The program does not restart.</translation>
    </message>
    <message>
        <source>A terem mentett listája még nincs betöltve: a Start betölti, és a már beírt pörgetéseket utána fűzi.</source>
        <translation>The room&apos;s saved list is not loaded yet: Start loads it and appends the spins already entered.</translation>
    </message>
    <message>
        <source>Biztos, hogy mentés nélkül átvált a(z) %1. terembe ?
A nem mentett pörgetések elvesznek.</source>
        <translation>Switch to room %1 without saving?
The unsaved spins are lost.</translation>
    </message>
</context>
<context>
    <name>vintaro::ImportCommand</name>
    <message>
        <source>nem olvasható: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>nem sikerült írni, a korábbi tartalom megmaradt: %1</source>
        <translation>could not be written, the earlier content is kept: %1</translation>
    </message>
    <message>
        <source>a fájl helyén szimbolikus link áll, a program nem ír rajta keresztül: %1</source>
        <translation>a symbolic link stands in place of the file, the program does not write through it: %1</translation>
    </message>
    <message>
        <source>a teremműveletek naplója sérült, a program nem hajtja végre: %1</source>
        <translation>the journal of the room operations is damaged, the program does not carry it out: %1</translation>
    </message>
    <message>
        <source>egy teremművelet nem fejeződött be, a program következő indítása befejezi: %1</source>
        <translation>a room operation did not finish, the next start of the program finishes it: %1</translation>
    </message>
    <message>
        <source>A FÁJL pörgetései egy terem mentett listájába (lista, táblázat vagy a program CSV-exportja; Windows-1250, UTF-8 vagy UTF-16), ablak nélkül. A --room adja meg a termet.</source>
        <translation>The spins of FILE into the saved list of a room (a list, a table or the program&apos;s CSV export; Windows-1250, UTF-8 or UTF-16), without a window. --room gives the room.</translation>
    </message>
    <message>
        <source>FÁJL</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>A terem (1-10), amelybe az --import tölt.</source>
        <translation>The room (1-10) that --import fills.</translation>
    </message>
    <message>
        <source>A terem mentett listája helyére (alapesetben utána fűzi).</source>
        <translation>In place of the room&apos;s saved list (by default after it).</translation>
    </message>
    <message>
        <source>A fájl a legújabb pörgetéssel kezdődik.</source>
        <translation>The file begins with the newest spin.</translation>
    </message>
    <message>
        <source>A táblázat oszlopa, amelyben a pörgetések állnak: a fejléc neve vagy a sorszáma (1-től).</source>
        <translation>The column of the table that holds the spins: its name in the header or its number (from 1).</translation>
    </message>
    <message>
        <source>NÉV|SZÁM</source>
        <translation>NAME|NUMBER</translation>
    </message>
    <message>
        <source>A --%1 csak az --import mellett használható.</source>
        <translation>--%1 can only be used with --import.</translation>
    </message>
    <message>
        <source>Az --import után egy fájl neve kell.</source>
        <translation>--import needs the name of a file.</translation>
    </message>
    <message>
        <source>Az --import mellé a --room adja meg a termet (1-10).</source>
        <translation>--import needs --room to give the room (1-10).</translation>
    </message>
    <message>
        <source>A --room értéke 1 és 10 közötti teremszám lehet.</source>
        <translation>--room takes a room number from 1 to 10.</translation>
    </message>
    <message>
        <source>A --column után egy oszlop neve vagy sorszáma kell.</source>
        <translation>--column needs the name or the number of a column.</translation>
    </message>
    <message>
        <source>a pörgetési listák mappáját egy futó Vintaro használja, az importálás ott, az Eszközök menüben lehetséges: %1</source>
        <translation>the folder of the spin lists is in use by a running Vintaro; import there, in the Eszközök (tools) menu: %1</translation>
    </message>
    <message>
        <source>a pörgetési listák mappája nem írható: %1</source>
        <translation>the folder of the spin lists cannot be written: %1</translation>
    </message>
    <message>
        <source>%1 pörgetés került a(z) %2. terem mentett listája helyére.</source>
        <translation>%1 spins replaced the saved list of room %2.</translation>
    </message>
    <message>
        <source>%1 pörgetés került a(z) %2. terem mentett listája végére.</source>
        <translation>%1 spins were added to the end of the saved list of room %2.</translation>
    </message>
</context>
<context>
    <name>vintaro::ImportDialog</name>
    <message>
        <source>Előzmény betöltése…</source>
        <translation>Import history…</translation>
    </message>
    <message>
        <source>
A terem listája nem változott.</source>
        <translation>
The room&apos;s list has not changed.</translation>
    </message>
    <message>
        <source>%1 pörgetés került a(z) %2. terem mentett listája helyére.</source>
        <translation>%1 spins replaced the saved list of room %2.</translation>
    </message>
    <message>
        <source>%1 pörgetés került a(z) %2. terem mentett listája végére.</source>
        <translation>%1 spins were added to the end of the saved list of room %2.</translation>
    </message>
    <message>
        <source>
A Terem választás menüben a terem kiválasztása tölti be.</source>
        <translation>
Choosing the room in the Terem választás (room) menu loads it.</translation>
    </message>
    <message>
        <source>Előzmény betöltése</source>
        <translation>Import history</translation>
    </message>
    <message>
        <source>Tallózás…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Fájl:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>A legrégebbi pörgetés elöl</source>
        <translation>Oldest spin first</translation>
    </message>
    <message>
        <source>A legújabb pörgetés elöl</source>
        <translation>Newest spin first</translation>
    </message>
    <message>
        <source>Sorrend:</source>
        <translation>Order:</translation>
    </message>
    <message>
        <source>üresen: a sor minden száma</source>
        <translation>empty: every number of the line</translation>
    </message>
    <message>
        <source>Táblázatnál (CSV) az oszlop, amelyben a pörgetések állnak: a fejléc neve vagy az oszlop sorszáma 1-től.</source>
        <translation>For a table (CSV), the column that holds the spins: its name in the header or its number from 1.</translation>
    </message>
    <message>
        <source>Oszlop (név vagy sorszám):</source>
        <translation>Column (name or number):</translation>
    </message>
    <message>
        <source>Terem %1.</source>
        <translation>Room %1</translation>
    </message>
    <message>
        <source>Terem:</source>
        <translation>Room:</translation>
    </message>
    <message>
        <source>A terem mentett listája végére</source>
        <translation>After the room&apos;s saved list</translation>
    </message>
    <message>
        <source>A terem mentett listája helyére</source>
        <translation>In place of the room&apos;s saved list</translation>
    </message>
    <message>
        <source>Betöltés:</source>
        <translation>Import:</translation>
    </message>
    <message>
        <source>Válasszon fájlt.</source>
        <translation>Choose a file.</translation>
    </message>
    <message>
        <source>Betöltés</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Pörgetések (*.txt *.csv);;Minden fájl (*)</source>
        <translation>Spins (*.txt *.csv);;All files (*)</translation>
    </message>
    <message>
        <source>A(z) %1. terem mentett listájának %2 pörgetése helyére a fájl %3 pörgetése kerül; a mostani lista elvész.
Folytatja ?</source>
        <translation>The %2 spins of the saved list of room %1 are replaced by the %3 spins of the file; the present list is lost.
Go on?</translation>
    </message>
</context>
<context>
    <name>vintaro::OddsHelp</name>
    <message>
        <source>A tét: egy szám vagy számok csoportja, amelyre egy zseton tehető.</source>
        <translation>The bet: a number or a group of numbers one chip can be placed on.</translation>
    </message>
    <message>
        <source>A tét számainak száma; egy pörgetésre a tét esélye ennyi/37.</source>
        <translation>How many numbers the bet covers; its chance in one spin is this many/37.</translation>
    </message>
    <message>
        <source>Ennyiszer nyert a tét az előzményben.</source>
        <translation>How many times the bet won in the history.</translation>
    </message>
    <message>
        <source>Szabályos keréken a Várható oszlop körül ingadozik; a múltbeli találatok a következő pörgetés esélyén nem változtatnak.</source>
        <translation>On a fair wheel it varies around the Várható (expected) column; past hits do not change the next spin&apos;s chance.</translation>
    </message>
    <message>
        <source>Ennyi találat várható szabályos keréken: pörgetések × számok / 37.</source>
        <translation>The hits a fair wheel gives on average: spins × numbers / 37.</translation>
    </message>
    <message>
        <source>Az eltérés a várhatótól, szórásnyi egységben: (találat − várható) / szórás.</source>
        <translation>The difference from the expected, in standard deviations: (hits − expected) / deviation.</translation>
    </message>
    <message>
        <source>Szabályos keréken a z többnyire −2 és 2 között van, de sok tét közül egy-kettő mindig kilóg; egy tét z-je magában nem bizonyít torzítást.</source>
        <translation>On a fair wheel z mostly lies between −2 and 2, but among many bets one or two always stand out; one bet&apos;s z alone proves no bias.</translation>
    </message>
    <message>
        <source>Pörgetések a tét legutóbbi találata óta.</source>
        <translation>Spins since the bet&apos;s latest win.</translation>
    </message>
    <message>
        <source>Szabályos keréken a hosszú kimaradás nem növeli a tét esélyét: a következő pörgetésben most is számok/37.</source>
        <translation>On a fair wheel a long absence does not raise the bet&apos;s chance: in the next spin it is still numbers/37.</translation>
    </message>
    <message>
        <source>Egy előre kiválasztott tétnél az esélye, hogy most éppen legalább ilyen hosszú kimaradásban legyen.</source>
        <translation>For a bet chosen beforehand, the chance of being in an absence at least this long right now.</translation>
    </message>
    <message>
        <source>Szabályos keréken ez a múltról szól, nem a következő pörgetésről: a kis esély nem jelenti, hogy a tét „esedékes”.</source>
        <translation>On a fair wheel this is about the past, not the next spin: a small chance does not make the bet “due”.</translation>
    </message>
    <message>
        <source>Ilyen kimaradás ennyi alkalomból egyszer fordul elő szabályos keréken.</source>
        <translation>An absence like this happens once in this many times on a fair wheel.</translation>
    </message>
    <message>
        <source>A tét leghosszabb kimaradása az előzményben.</source>
        <translation>The bet&apos;s longest absence in the history.</translation>
    </message>
    <message>
        <source>Minél hosszabb az előzmény, annál hosszabb leghosszabb kimaradás várható szabályos keréken is.</source>
        <translation>The longer the history, the longer the longest absence a fair wheel gives too.</translation>
    </message>
    <message>
        <source>Az esélye, hogy szabályos keréken a tét leghosszabb kimaradása ennyi pörgetés alatt legalább ekkora legyen.</source>
        <translation>The chance that on a fair wheel the bet&apos;s longest absence over this many spins is at least this long.</translation>
    </message>
    <message>
        <source>A leghosszabb kimaradás átlaga szabályos keréken ennyi pörgetés alatt.</source>
        <translation>The average longest absence on a fair wheel over this many spins.</translation>
    </message>
    <message>
        <source>A próba: mit vet össze a szabályos kerékkel (számok, ívek, színek…).</source>
        <translation>The test: what it compares with a fair wheel (numbers, arcs, colours…).</translation>
    </message>
    <message>
        <source>A próba mérőszáma az előzményre (például a khi-négyzet).</source>
        <translation>The test&apos;s statistic for the history (the chi-square, for example).</translation>
    </message>
    <message>
        <source>Szabadsági fok: a khi-négyzet-próba cellái eggyel kevesebben.</source>
        <translation>Degrees of freedom: the cells of the chi-square test less one.</translation>
    </message>
    <message>
        <source>Az esélye, hogy egy szabályos kerék egyetlen nézésnél legalább ekkora eltérést mutasson.</source>
        <translation>The chance that a fair wheel shows at least this much difference at a single look.</translation>
    </message>
    <message>
        <source>Minden pörgetés után nézve a kis p szabályos keréken is gyakran előfordul; az ítélet ezt számba veszi, a p egymagában nem.</source>
        <translation>Looked at after every spin, a small p often comes on a fair wheel too; the verdict allows for that, p alone does not.</translation>
    </message>
    <message>
        <source>A p-érték a Holm-módszerrel igazítva: a táblázat összes próbáját együtt számba véve.</source>
        <translation>The p-value adjusted by Holm&apos;s method: all the tests of the table taken together.</translation>
    </message>
    <message>
        <source>Hány pörgetésből készült a tét-táblázat.</source>
        <translation>How many spins the bet table is made from.</translation>
    </message>
    <message>
        <source>Az ítélet: mutat-e az előzmény torzítást, a minden pörgetés után nézett bizonyíték szerint.</source>
        <translation>The verdict: whether the history shows a bias, by the evidence looked at after every spin.</translation>
    </message>
    <message>
        <source>Szabályos keréken a bizonyíték többnyire 1 alatt marad, és „gyanúsat” csak ritkán mond. Torzítás nélkül a következő pörgetés esélye minden számra 1/37.</source>
        <translation>On a fair wheel the evidence mostly stays below 1 and says “suspicious” only rarely. Without a bias the next spin&apos;s chance is 1/37 for every number.</translation>
    </message>
    <message>
        <source>Melyik szám vagy ív adja a bizonyíték legnagyobb részét, találataival és a várhatóval.</source>
        <translation>Which number or arc carries most of the evidence, with its hits and the expected.</translation>
    </message>
    <message>
        <source>A legtöbbet jött szám előnye: az előzmény egyik felén kiválasztva, a másikon mérve.</source>
        <translation>The edge of the number that came most: chosen on one half of the history, measured on the other.</translation>
    </message>
    <message>
        <source>Szabályos keréken ez a becslés 0 körül van; csak ha a másik félen is megmarad, utal valódi torzításra.</source>
        <translation>On a fair wheel this estimate lies around 0; only when it holds on the other half too does it point to a real bias.</translation>
    </message>
    <message>
        <source>A legtöbbet jött ív előnye: az előzmény egyik felén kiválasztva, a másikon mérve.</source>
        <translation>The edge of the arc that came most: chosen on one half of the history, measured on the other.</translation>
    </message>
    <message>
        <source>A választott fájl pörgetéseinek bizonyítéka és ítélete, ahogy az élő előzményé is számolódik.</source>
        <translation>The evidence and the verdict of the chosen file&apos;s spins, computed as for the live history.</translation>
    </message>
    <message>
        <source>Mit olvasott a program a fájlból: a pörgetéseket és a kihagyott elemeket.</source>
        <translation>What the program read from the file: the spins and the items skipped.</translation>
    </message>
    <message>
        <source>Ez a múltat írja le: szabályos keréken a következő pörgetés esélye ettől nem változik, csak egy valódi torzítás változtatna rajta.</source>
        <translation>This describes the past: on a fair wheel it does not change the next spin&apos;s chance; only a real bias would.</translation>
    </message>
</context>
<context>
    <name>vintaro::OwnSystemDialog</name>
    <message>
        <source>Saját rendszer</source>
        <translation>Own system</translation>
    </message>
    <message>
        <source>Szám: %1</source>
        <translation>Number: %1</translation>
    </message>
    <message>
        <source>Egységben, vesszővel elválasztva, például 1, 2, 4, 8, 16 vagy 1, 1, 2, 3, 5, 8.</source>
        <translation>In units, separated by commas, for example 1, 2, 4, 8, 16 or 1, 1, 2, 3, 5, 8.</translation>
    </message>
    <message>
        <source>Kitöltés</source>
        <translation>Fill in</translation>
    </message>
    <message>
        <source>vissza az első lépésre</source>
        <translation>back to the first step</translation>
    </message>
    <message>
        <source>vissza ennyi lépést:</source>
        <translation>back this many steps:</translation>
    </message>
    <message>
        <source>marad a lépésen</source>
        <translation>stay on the step</translation>
    </message>
    <message>
        <source>a következő lépésre</source>
        <translation>on to the next step</translation>
    </message>
    <message>
        <source>előre ennyi lépést:</source>
        <translation>forward this many steps:</translation>
    </message>
    <message>
        <source>marad az utolsón</source>
        <translation>stay on the last</translation>
    </message>
    <message>
        <source>vissza az elsőre</source>
        <translation>back to the first</translation>
    </message>
    <message>
        <source>vége a menetnek</source>
        <translation>end the session</translation>
    </message>
    <message>
        <source>soha</source>
        <translation>never</translation>
    </message>
    <message>
        <source>nincs</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Mentett rendszer:</source>
        <translation>Saved system:</translation>
    </message>
    <message>
        <source>Név:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Tét:</source>
        <translation>Bet:</translation>
    </message>
    <message>
        <source>Tétek lépésenként:</source>
        <translation>Stakes by step:</translation>
    </message>
    <message>
        <source>Vagy kitöltés:</source>
        <translation>Or fill in:</translation>
    </message>
    <message>
        <source>első tét</source>
        <translation>first stake</translation>
    </message>
    <message>
        <source>lépés</source>
        <translation>steps</translation>
    </message>
    <message>
        <source>szorzó ×</source>
        <translation>multiplier ×</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Nyerés után:</source>
        <translation>After a win:</translation>
    </message>
    <message>
        <source>Vesztés után:</source>
        <translation>After a loss:</translation>
    </message>
    <message>
        <source>Az utolsó lépés után:</source>
        <translation>After the last step:</translation>
    </message>
    <message>
        <source>Kimaradás:</source>
        <translation>Sit out:</translation>
    </message>
    <message>
        <source>vesztés után sorban</source>
        <translation>losses in a row, then</translation>
    </message>
    <message>
        <source>pörgetés</source>
        <translation>spins</translation>
    </message>
    <message>
        <source>Egység:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>Kezdőtőke (veszteséghatár):</source>
        <translation>Bankroll (stop-loss):</translation>
    </message>
    <message>
        <source>Asztali minimum:</source>
        <translation>Table minimum:</translation>
    </message>
    <message>
        <source>Asztali maximum:</source>
        <translation>Table maximum:</translation>
    </message>
    <message>
        <source>Cél (nyereség):</source>
        <translation>Target (win):</translation>
    </message>
    <message>
        <source>Pörgetés menetenként:</source>
        <translation>Spins per session:</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Törlés</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>(új rendszer)</source>
        <translation>(new system)</translation>
    </message>
    <message>
        <source>A tétek: egész számok egységben, legalább 1, vesszővel elválasztva (például 1, 2, 4, 8).</source>
        <translation>The stakes: whole numbers of units, at least 1, separated by commas (for example 1, 2, 4, 8).</translation>
    </message>
    <message>
        <source>A saját rendszerek fájlja (%1) nem írható; a rendszer nincs mentve.</source>
        <translation>The file of the own systems (%1) cannot be written; the system is not saved.</translation>
    </message>
    <message>
        <source>Törli a(z) „%1” rendszert?</source>
        <translation>Delete the system “%1”?</translation>
    </message>
    <message>
        <source>A saját rendszerek fájlja (%1) nem írható; a rendszer megmaradt.</source>
        <translation>The file of the own systems (%1) cannot be written; the system is kept.</translation>
    </message>
</context>
<context>
    <name>vintaro::OwnSystems</name>
    <message>
        <source>A saját rendszerek fájlja (%1) nem olvasható.</source>
        <translation>The file of the own systems (%1) cannot be read.</translation>
    </message>
    <message>
        <source>A saját rendszerek fájlja (%1) sérült, %2. sor: %3 A fájl változatlan marad; amíg javítva vagy félretéve nincs, új saját rendszer nem menthető.</source>
        <translation>The file of the own systems (%1) is damaged, line %2: %3 The file stays unchanged; until it is repaired or set aside, no new own system can be saved.</translation>
    </message>
</context>
<context>
    <name>vintaro::Rendszerek</name>
    <message>
        <source>Saját rendszer…</source>
        <translation>Own system…</translation>
    </message>
    <message>
        <source>Saját tétrendszer: tétek lépésenként, mi történik nyerés és vesztés után; név szerint mentve.</source>
        <translation>Own betting system: stakes by step, what happens after a win and after a loss; saved by name.</translation>
    </message>
    <message>
        <source>nincs</source>
        <translation>none</translation>
    </message>
    <message>
        <source>A legkisebb kezdőtőke, amellyel a menet legfeljebb ekkora eséllyel jut csődbe.</source>
        <translation>The smallest bankroll with which the session goes bust with at most this chance.</translation>
    </message>
    <message>
        <source>A legnagyobb cél, amelyet a menet legalább ekkora eséllyel a csőd előtt elér.</source>
        <translation>The largest target that the session reaches before going bust with at least this chance.</translation>
    </message>
    <message>
        <source>Csődkockázat legfeljebb:</source>
        <translation>Risk of ruin at most:</translation>
    </message>
    <message>
        <source>A cél esélye legalább:</source>
        <translation>Chance of the target at least:</translation>
    </message>
    <message>
        <source>A pontos számítás folyik…</source>
        <translation>Exact calculation running…</translation>
    </message>
    <message>
        <source>Saját: %1</source>
        <translation>Own: %1</translation>
    </message>
</context>
<context>
    <name>vintaro::SpinImport</name>
    <message>
        <source>számlista</source>
        <translation>list of numbers</translation>
    </message>
    <message>
        <source>táblázat (CSV), oszlop: %1</source>
        <translation>table (CSV), column: %1</translation>
    </message>
    <message>
        <source>a program CSV-exportja (a „Szám” oszlop)</source>
        <translation>the program&apos;s CSV export (the “Szám” column)</translation>
    </message>
    <message>
        <source>nem egész szám</source>
        <translation>not a whole number</translation>
    </message>
    <message>
        <source>36-nál nagyobb szám</source>
        <translation>a number above 36</translation>
    </message>
    <message>
        <source>fejléc</source>
        <translation>header</translation>
    </message>
    <message>
        <source>nincs ilyen oszlopa</source>
        <translation>no such column</translation>
    </message>
    <message>
        <source>Formátum: %1; kódolás: %2</source>
        <translation>Format: %1; encoding: %2</translation>
    </message>
    <message>
        <source>Beolvasott pörgetések: %1 (%2 sorból)</source>
        <translation>Spins read: %1 (from %2 lines)</translation>
    </message>
    <message>
        <source>A legrégebbiek: %1</source>
        <translation>The oldest: %1</translation>
    </message>
    <message>
        <source>A legújabbak: %1</source>
        <translation>The newest: %1</translation>
    </message>
    <message>
        <source>Kihagyott sorok: %1</source>
        <translation>Lines skipped: %1</translation>
    </message>
    <message>
        <source>  %1: %2 sor (az első %3. sor)</source>
        <translation>  %1: %2 lines (the first is line %3)</translation>
    </message>
    <message>
        <source>A fájl nem található:
%1</source>
        <translation>The file cannot be found:
%1</translation>
    </message>
    <message>
        <source>A fájl nem olvasható (%1):
%2</source>
        <translation>The file cannot be read (%1):
%2</translation>
    </message>
    <message>
        <source>A fájl nagyobb %1 MiB-nál, nem pörgetések listája:
%2</source>
        <translation>The file is larger than %1 MiB, no list of spins:
%2</translation>
    </message>
    <message>
        <source>A táblázat első sorában nincs „%1” nevű oszlop:
%2</source>
        <translation>The first row of the table has no column named “%1”:
%2</translation>
    </message>
    <message>
        <source>A fájlban nincs 0 és 36 közötti szám:
%1</source>
        <translation>The file holds no number from 0 to 36:
%1</translation>
    </message>
</context>
<context>
    <name>vintaro::SystemCharts</name>
    <message>
        <source>Tőke</source>
        <translation>Bankroll</translation>
    </message>
</context>
<context>
    <name>vintaro::WheelHelp</name>
    <message>
        <source>A szektor zsebeinek száma a kerék 37 zsebéből.</source>
        <translation>The number of the sector&apos;s pockets among the wheel&apos;s 37.</translation>
    </message>
    <message>
        <source>Szabályos keréken a szektor esélye minden pörgetésben zseb/37, bármi jött is előtte.</source>
        <translation>On a fair wheel the sector&apos;s chance in every spin is pockets/37, whatever came before.</translation>
    </message>
    <message>
        <source>Ennyi pörgetés eredménye esett a szektorba.</source>
        <translation>This many spins fell into the sector.</translation>
    </message>
    <message>
        <source>Szabályos keréken a Várható oszlop értéke körül ingadozik. A múltbeli találatok a következő pörgetés esélyén nem változtatnak; csak egy valódi torzítás tenné, amit az Esélyek ablak mér.</source>
        <translation>On a fair wheel it varies around the Várható (expected) column. Past hits do not change the next spin&apos;s chance; only a real bias would, which the Esélyek (odds) window measures.</translation>
    </message>
    <message>
        <source>Ennyi találat várható szabályos keréken: pörgetések × zseb / 37.</source>
        <translation>The hits a fair wheel gives on average: spins × pockets / 37.</translation>
    </message>
    <message>
        <source>A Hányszor oszlop ehhez mérhető; kisebb eltérés szabályos keréken is mindig van, és nem jelzi előre a következő pörgetést.</source>
        <translation>The Hányszor (hits) column compares with it; a fair wheel always shows some difference, and it does not foretell the next spin.</translation>
    </message>
    <message>
        <source>Pörgetések a szektor legutóbbi találata óta.</source>
        <translation>Spins since the sector&apos;s latest hit.</translation>
    </message>
    <message>
        <source>Szabályos keréken egy hosszú kihagyás után sem nagyobb a szektor esélye: a kerék nem emlékszik, a következő pörgetés esélye most is zseb/37.</source>
        <translation>On a fair wheel a long absence does not raise the sector&apos;s chance: the wheel has no memory, the next spin&apos;s chance is still pockets/37.</translation>
    </message>
    <message>
        <source>A szektor leghosszabb kihagyása az előzményben.</source>
        <translation>The sector&apos;s longest absence in the history.</translation>
    </message>
    <message>
        <source>Minél hosszabb az előzmény, annál hosszabb leghosszabb kihagyás várható szabályos keréken is; a következő pörgetésről nem mond semmit.</source>
        <translation>The longer the history, the longer the longest absence a fair wheel gives too; it says nothing about the next spin.</translation>
    </message>
    <message>
        <source>A kerék a zsebek sorrendjében; a gyűrű színe a zseb találatait mutatja a választott ablakban.</source>
        <translation>The wheel in the order of its pockets; the ring&apos;s colour shows each pocket&apos;s hits in the chosen window.</translation>
    </message>
    <message>
        <source>Szabályos keréken is mindig van melegebb és hidegebb zseb; a színek a múltat írják le, a következő pörgetés esélye minden zsebre 1/37.</source>
        <translation>A fair wheel always has warmer and colder pockets too; the colours describe the past, the next spin&apos;s chance is 1/37 for every pocket.</translation>
    </message>
    <message>
        <source>A gyűrű az utolsó 37 pörgetés találatait mutatja.</source>
        <translation>The ring shows the hits of the last 37 spins.</translation>
    </message>
    <message>
        <source>A gyűrű az utolsó 74 pörgetés találatait mutatja.</source>
        <translation>The ring shows the hits of the last 74 spins.</translation>
    </message>
    <message>
        <source>A gyűrű az utolsó 185 pörgetés találatait mutatja.</source>
        <translation>The ring shows the hits of the last 185 spins.</translation>
    </message>
    <message>
        <source>A gyűrű az utolsó 370 pörgetés találatait mutatja.</source>
        <translation>The ring shows the hits of the last 370 spins.</translation>
    </message>
    <message>
        <source>A gyűrű az egész előzmény találatait mutatja.</source>
        <translation>The ring shows the hits of the whole history.</translation>
    </message>
    <message>
        <source>A gyűrű azt mutatja, hány pörgetés óta nem jött a zseb.</source>
        <translation>The ring shows how many spins ago each pocket last came.</translation>
    </message>
    <message>
        <source>Szabályos keréken egy zseb átlagosan 36 pörgetést vár; a hosszú kihagyás nem teszi valószínűbbé a következőt.</source>
        <translation>On a fair wheel a pocket waits 36 spins on average; a long absence does not make it likelier next.</translation>
    </message>
    <message>
        <source>A gyűrű színskálája: mit mér a választott mérce.</source>
        <translation>The ring&apos;s colour scale: what the chosen measure counts.</translation>
    </message>
    <message>
        <source>A skála alja: a legkisebb érték a gyűrűn.</source>
        <translation>The bottom of the scale: the smallest value on the ring.</translation>
    </message>
    <message>
        <source>A gyűrű színei a skála aljától a tetejéig.</source>
        <translation>The ring&apos;s colours from the bottom of the scale to its top.</translation>
    </message>
    <message>
        <source>A skála teteje: a legnagyobb érték a gyűrűn.</source>
        <translation>The top of the scale: the largest value on the ring.</translation>
    </message>
    <message>
        <source>A kattintással választott zseb és szomszédai a keréken; a táblázat Szomszédok sora róluk szól.</source>
        <translation>The pocket chosen by a click and its neighbours on the wheel; the table&apos;s Szomszédok (neighbours) row counts them.</translation>
    </message>
    <message>
        <source>Hány szomszédot számol a választott zseb mindkét oldalán.</source>
        <translation>How many neighbours on each side of the chosen pocket are counted.</translation>
    </message>
    <message>
        <source>Amit mutat, az a múlt: a következő pörgetés esélye szabályos keréken minden zsebre 1/37.</source>
        <translation>What it shows is the past: on a fair wheel the next spin&apos;s chance is 1/37 for every pocket.</translation>
    </message>
</context>
</TS>
