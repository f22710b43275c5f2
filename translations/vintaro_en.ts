<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu_HU">
<context>
    <name>AnalysisReport</name>
    <message>
        <source>Elemzett fájl: %1</source>
        <translation>Analysed file: %1</translation>
    </message>
    <message>
        <source>Formátum: %1</source>
        <translation>Format: %1</translation>
    </message>
    <message>
        <source>Pörgetések: %1</source>
        <translation>Spins: %1</translation>
    </message>
    <message>
        <source>Torzításpróba (szabályos kerékhez mérve)</source>
        <translation>Bias test (against a fair wheel)</translation>
    </message>
    <message>
        <source>Nincs mit vizsgálni: a fájlban nincs pörgetés.</source>
        <translation>Nothing to test: the file holds no spins.</translation>
    </message>
    <message>
        <source>Próba</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Érték</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Szf.</source>
        <translation>d.f.</translation>
    </message>
    <message>
        <source>Holm-p</source>
        <translation>Holm p</translation>
    </message>
    <message>
        <source>Szf.: szabadsági fok. Holm-p: a p-érték a Holm-módszerrel igazítva, a táblázat összes próbáját együtt számba véve.</source>
        <translation>d.f.: degrees of freedom. Holm p: the p-value adjusted by Holm&apos;s method, allowing for every test of the table together.</translation>
    </message>
    <message>
        <source>Tétek</source>
        <translation>Bets</translation>
    </message>
    <message>
        <source>Tét</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Szám</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Találat</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Várható</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Kimaradás</source>
        <translation>Absence</translation>
    </message>
    <message>
        <source>Ilyen kimaradás esélye most</source>
        <translation>Chance of this absence now</translation>
    </message>
    <message>
        <source>Ennyiből egyszer</source>
        <translation>Once in</translation>
    </message>
    <message>
        <source>Leghosszabb kimaradás</source>
        <translation>Longest absence</translation>
    </message>
    <message>
        <source>Ilyen leghosszabb kimaradás esélye ennyi pörgetésben</source>
        <translation>Chance of this longest absence in this many spins</translation>
    </message>
    <message>
        <source>Várható leghosszabb</source>
        <translation>Expected longest</translation>
    </message>
    <message>
        <source>*: egy %1 pörgetéses előzmény leghosszabb kimaradásaként is ritka, mind %2 tétet számba véve (1 % alatt).</source>
        <translation>*: rare even as the longest absence of a history of %1 spins, allowing for all %2 bets (below 1%).</translation>
    </message>
</context>
<context>
    <name>Bets</name>
    <message>
        <source>Fekete</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Piros</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Alacsony</source>
        <translation>Low (1-18)</translation>
    </message>
    <message>
        <source>Magas</source>
        <translation>High (19-36)</translation>
    </message>
    <message>
        <source>1. harmad</source>
        <translation>1st dozen</translation>
    </message>
    <message>
        <source>2. harmad</source>
        <translation>2nd dozen</translation>
    </message>
    <message>
        <source>3. harmad</source>
        <translation>3rd dozen</translation>
    </message>
    <message>
        <source>Oszlop P</source>
        <translation>1st column</translation>
    </message>
    <message>
        <source>Oszlop M</source>
        <translation>2nd column</translation>
    </message>
    <message>
        <source>Oszlop D</source>
        <translation>3rd column</translation>
    </message>
    <message>
        <source>Páros</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Páratlan</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>Oszlop  P M</source>
        <translation>1st + 2nd column</translation>
    </message>
    <message>
        <source>Oszlop  M D</source>
        <translation>2nd + 3rd column</translation>
    </message>
    <message>
        <source>Voisins du zéro</source>
        <translation>Voisins du zéro</translation>
    </message>
    <message>
        <source>Jeu zéro</source>
        <translation>Jeu zéro</translation>
    </message>
    <message>
        <source>Tiers du cylindre</source>
        <translation>Tiers du cylindre</translation>
    </message>
    <message>
        <source>Orphelins</source>
        <translation>Orphelins</translation>
    </message>
</context>
<context>
    <name>BiasTest</name>
    <message>
        <source>Legforróbb 3-as ív</source>
        <translation>Hottest arc of 3</translation>
    </message>
    <message>
        <source>Legforróbb 5-ös ív</source>
        <translation>Hottest arc of 5</translation>
    </message>
    <message>
        <source>Legforróbb 9-es ív</source>
        <translation>Hottest arc of 9</translation>
    </message>
    <message>
        <source>A 37 szám</source>
        <translation>The 37 numbers</translation>
    </message>
    <message>
        <source>Piros / fekete / zéró</source>
        <translation>Red / black / zero</translation>
    </message>
    <message>
        <source>Harmadok és zéró</source>
        <translation>Dozens and zero</translation>
    </message>
    <message>
        <source>Oszlopok és zéró</source>
        <translation>Columns and zero</translation>
    </message>
    <message>
        <source>Voisins du zéro / Tiers du cylindre / Orphelins</source>
        <translation>Voisins du zéro / Tiers du cylindre / Orphelins</translation>
    </message>
</context>
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
    <name>Evidence</name>
    <message>
        <source>erős jel</source>
        <translation>strong signal</translation>
    </message>
    <message>
        <source>gyanús</source>
        <translation>suspicious</translation>
    </message>
    <message>
        <source>torzítás nem mutatható ki</source>
        <translation>no bias detectable</translation>
    </message>
</context>
<context>
    <name>EvidenceText</name>
    <message>
        <source>%1%2 szám</source>
        <translation>number %1%2</translation>
    </message>
    <message>
        <source>%1-szeres</source>
        <translation>%1-fold</translation>
    </message>
    <message>
        <source>több mint %1</source>
        <translation>more than %1</translation>
    </message>
    <message>
        <source>Ítélet: %1; a bizonyíték %2, vagyis az előzmények jobban illenek a szabályos kerékhez, mint egy torzítotthoz.</source>
        <translation>Verdict: %1; the evidence is %2, that is, the history fits a fair wheel better than a biased one.</translation>
    </message>
    <message>
        <source>Ítélet: %1; a bizonyíték %2.</source>
        <translation>Verdict: %1; the evidence is %2.</translation>
    </message>
    <message>
        <source>%1 szomszédos zseb íve (%2)</source>
        <translation>the arc of %1 neighbouring pockets (%2)</translation>
    </message>
    <message>
        <source>Még nincs pörgetés: nincs mit vizsgálni.</source>
        <translation>No spins yet: nothing to test.</translation>
    </message>
    <message numerus="yes">
        <source>A bizonyítékot leginkább %1 hordozza: %2 találat, várható %3.</source>
        <translation>
            <numerusform>The evidence is carried mostly by %1: %2 hit, %3 expected.</numerusform>
            <numerusform>The evidence is carried mostly by %1: %2 hits, %3 expected.</numerusform>
        </translation>
    </message>
    <message>
        <source>A bizonyíték azt méri, hányszor jobban illik az előzményekhez egy torzított kerék (egy szám vagy szomszédos zsebek íve gyakoribb vagy ritkább), mint a szabályos. Akárhányszor nézi is a játékos ugyanazt a növekvő előzményt, szabályos keréken a bizonyíték legfeljebb 5 % eséllyel éri el valaha a 20-szorost, és legfeljebb 1 % eséllyel a 100-szorost. Minden terem, minden szűkített lista és minden elemzett fájl újabb esély a téves riasztásra. 20 alatt: torzítás nem mutatható ki, 20-tól: gyanús, 100-tól: erős jel.</source>
        <translation>The evidence measures how many times better a biased wheel (a number or an arc of neighbouring pockets coming more or less often) fits the history than a fair one. However often the player looks at the same growing history, on a fair wheel the evidence ever reaches 20-fold with a chance of 5% at most, and 100-fold with a chance of 1% at most. Every room, every narrowed list and every analysed file is one more chance of a false alarm. Below 20: no bias detectable; from 20: suspicious; from 100: strong signal.</translation>
    </message>
    <message>
        <source>Az ítélet nem tétajánlás: a valódi torzítást új pörgetéseken kell megerősíteni, és még akkor is a becslés mondja meg, megveri-e a bank előnyét.</source>
        <translation>The verdict is no betting advice: a real bias must be confirmed on new spins, and even then the estimate tells whether it beats the house edge.</translation>
    </message>
    <message>
        <source>Részletek egyetlen nézéshez: ezek a próbák egy lezárt előzményre, egyszeri ránézésre érvényesek. Pörgetésről pörgetésre nézve előbb-utóbb szabályos keréken is kicsi p-t mutatnak, ezért nem mondanak ítéletet.</source>
        <translation>Details for a single look: these tests hold for a finished history looked at once. Looked at spin after spin, they sooner or later show a small p on a fair wheel too, so they give no verdict.</translation>
    </message>
    <message>
        <source>A legnagyobb eltérést mutató szám becsléséhez legalább %1 pörgetés kell: a program az első %2 pörgetésen választ, és csak a továbbiakon becsül.</source>
        <translation>Estimating the number with the largest deviation needs at least %1 spins: the program chooses it on the first %2 spins and estimates on the rest only.</translation>
    </message>
    <message>
        <source>A legnagyobb eltérést mutató ív becsléséhez legalább %1 pörgetés kell: a program az első %2 pörgetésen választ, és csak a továbbiakon becsül.</source>
        <translation>Estimating the arc with the largest deviation needs at least %1 spins: the program chooses it on the first %2 spins and estimates on the rest only.</translation>
    </message>
    <message numerus="yes">
        <source>Az első %1 pörgetésben a legnagyobb eltérést %2 mutatta. A további %3 pörgetésben %4 találata volt, így a játékos becsült előnye a rá tett tétnél %5; a 95 %-os tartomány, amely minden pörgetés után nézve is érvényes: %6 … %7.</source>
        <translation>
            <numerusform>In the first %1 spins the largest deviation was shown by %2. In the next %3 spins it had %4 hit, so the player&apos;s estimated edge on a bet on it is %5; the 95% range, which holds even when looked at after every spin: %6 … %7.</numerusform>
            <numerusform>In the first %1 spins the largest deviation was shown by %2. In the next %3 spins it had %4 hits, so the player&apos;s estimated edge on a bet on it is %5; the 95% range, which holds even when looked at after every spin: %6 … %7.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Az első %1 pörgetésben a legnagyobb eltérést %2 mutatta. A további %3 pörgetésben %4 találata volt, így a játékos becsült előnye az ívre egyenlően elosztott tétnél %5; a 95 %-os tartomány, amely minden pörgetés után nézve is érvényes: %6 … %7.</source>
        <translation>
            <numerusform>In the first %1 spins the largest deviation was shown by %2. In the next %3 spins it had %4 hit, so the player&apos;s estimated edge with the stake spread evenly over the arc is %5; the 95% range, which holds even when looked at after every spin: %6 … %7.</numerusform>
            <numerusform>In the first %1 spins the largest deviation was shown by %2. In the next %3 spins it had %4 hits, so the player&apos;s estimated edge with the stake spread evenly over the arc is %5; the 95% range, which holds even when looked at after every spin: %6 … %7.</numerusform>
        </translation>
    </message>
    <message>
        <source>A tartomány egésze 0 fölött van: ez a tét megverné a bankot.</source>
        <translation>The whole range lies above 0: this bet would beat the house.</translation>
    </message>
    <message>
        <source>A tartomány tartalmazza a %1-ot, a játékos előnyét szabályos keréken bármely tétnél: a szabályos keréktől nem látszik eltérés.</source>
        <translation>The range contains %1, the player&apos;s edge on a fair wheel with any bet: no deviation from a fair wheel shows.</translation>
    </message>
    <message>
        <source>A tartomány egésze %1 alatt van: ez a tét rosszabb, mint a szabályos keréken.</source>
        <translation>The whole range lies below %1: this bet is worse than on a fair wheel.</translation>
    </message>
    <message>
        <source>A tartomány %1 fölött van, de a 0-t is tartalmazza: eltérés látszik, de nem biztos, hogy a tét megverné a bankot.</source>
        <translation>The range lies above %1 but also contains 0: a deviation shows, but the bet may not beat the house.</translation>
    </message>
    <message>
        <source>%1 (a program előzményénél hosszabb)</source>
        <translation>%1 (longer than the program&apos;s history)</translation>
    </message>
    <message>
        <source>A %1-kal gyakoribb számot a program %2 pörgetéses előzményében a szimulált előzmények csak kb. %3-a jelzi gyanúsnak.</source>
        <translation>Within the program&apos;s history of %2 spins, only about %3 of the simulated histories flag a number coming %1 more often as suspicious.</translation>
    </message>
    <message>
        <source>Ha egy szám 10 / 20 / 50 %-kal gyakrabban jön az 1/37-nél, a minden pörgetés után nézett bizonyíték a szimulált előzmények 80 %-ában kb. %1 pörgetésen belül éri el a 20-szorost (gyanús).</source>
        <translation>If a number comes 10 / 20 / 50% more often than 1/37, the evidence, looked at after every spin, reaches 20-fold (suspicious) within about %1 spins in 80% of simulated histories.</translation>
    </message>
    <message numerus="yes">
        <source>%1 pörgetés. „Ilyen kimaradás esélye most”: egy előre kiválasztott tétnél ennyi az esélye, hogy a szabályos kerék most éppen ilyen hosszú kimaradást mutasson. „Ilyen leghosszabb kimaradás esélye ennyi pörgetésben”: ennyi az esélye, hogy egy tét leghosszabb kimaradása ennyi pörgetés alatt legalább ekkora legyen. %2 tét között gyakran akad olyan, amelynél 1 % alatti az esély. Kiemelt cella csak ott van, ahol a kimaradás egy %3 pörgetéses előzmény leghosszabb kimaradásaként is ritka, mind %4 tétet számba véve: szabályos keréken, minden pörgetés után nézve, egy ilyen hosszú előzményben legfeljebb kb. 1 % eséllyel jelenik meg valaha bármilyen kiemelés.</source>
        <translation>
            <numerusform>%1 spin. “Chance of this absence now”: for a bet chosen beforehand, the chance that a fair wheel shows an absence this long right now. “Chance of this longest absence in this many spins”: the chance that a bet&apos;s longest absence in this many spins is at least this long. Among %2 bets there is often one whose chance is below 1%. A cell is highlighted only where the absence is rare even as the longest absence of a history of %3 spins, allowing for all %4 bets: on a fair wheel, looked at after every spin, a history this long ever shows any highlight with a chance of about 1% at most.</numerusform>
            <numerusform>%1 spins. “Chance of this absence now”: for a bet chosen beforehand, the chance that a fair wheel shows an absence this long right now. “Chance of this longest absence in this many spins”: the chance that a bet&apos;s longest absence in this many spins is at least this long. Among %2 bets there is often one whose chance is below 1%. A cell is highlighted only where the absence is rare even as the longest absence of a history of %3 spins, allowing for all %4 bets: on a fair wheel, looked at after every spin, a history this long ever shows any highlight with a chance of about 1% at most.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OddsText</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Minden pörgetés független az előzőktől: egyik táblázat sem jósolja meg a következő számot, és szabályos keréken minden tét átlagosan a tét 1/37 részét veszíti el.</source>
        <translation>Every spin is independent of the ones before: no table predicts the next number, and on a fair wheel every bet loses 1/37 of its stake on average.</translation>
    </message>
    <message numerus="yes">
        <source>A 37 szám próbájához ez %1 pörgetés túl kevés: legalább %2 kell (számonként öt várható találat).</source>
        <translation>
            <numerusform>For the test of the 37 numbers, %1 spin is too few: at least %2 are needed (five expected hits per number).</numerusform>
            <numerusform>For the test of the 37 numbers, %1 spins are too few: at least %2 are needed (five expected hits per number).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 elem nem 0 és 36 közötti szám, ez kimaradt az elemzésből; %2. sorban: &quot;%3&quot;.</source>
        <translation>%1 item is not a number from 0 to 36 and was left out of the analysis; it is on line %2: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1 elem nem 0 és 36 közötti szám, ezek kimaradtak az elemzésből; az első %2. sorban: &quot;%3&quot;.</source>
        <translation>%1 items are not numbers from 0 to 36 and were left out of the analysis; the first is on line %2: &quot;%3&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%1 találat (várható %2)</source>
        <translation>
            <numerusform>%1 hit (expected %2)</numerusform>
            <numerusform>%1 hits (expected %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 körül)</source>
        <translation>%1 (around %2)</translation>
    </message>
    <message>
        <source>UTF-16 kódolású szöveg</source>
        <translation>UTF-16 text</translation>
    </message>
    <message>
        <source>a program CSV-exportja, a „Szám” oszlopa</source>
        <translation>the program&apos;s CSV export, its number column</translation>
    </message>
    <message>
        <source>a program CSV-exportja UTF-16 kódolásban, a „Szám” oszlopa</source>
        <translation>the program&apos;s CSV export in UTF-16, its number column</translation>
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
    <name>vintaro::BetsModel</name>
    <message>
        <source>Tét</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Szám</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Találat</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Várható</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Kimaradás</source>
        <translation>Absence</translation>
    </message>
    <message>
        <source>Ilyen kimaradás
esélye most</source>
        <translation>Chance of this
absence now</translation>
    </message>
    <message>
        <source>Ennyiből
egyszer</source>
        <translation>Once
in</translation>
    </message>
    <message>
        <source>Leghosszabb
kimaradás</source>
        <translation>Longest
absence</translation>
    </message>
    <message>
        <source>Ilyen leghosszabb
kimaradás esélye
ennyi pörgetésben</source>
        <translation>Chance of this
longest absence in
this many spins</translation>
    </message>
    <message>
        <source>Várható
leghosszabb</source>
        <translation>Expected
longest</translation>
    </message>
    <message>
        <source>A tét számai</source>
        <translation>The numbers the bet covers</translation>
    </message>
    <message>
        <source>Ennyi találat várható szabályos keréken</source>
        <translation>The hits expected on a fair wheel</translation>
    </message>
    <message>
        <source>Pörgetés a tét legutóbbi találata óta</source>
        <translation>Spins since the bet&apos;s last hit</translation>
    </message>
    <message>
        <source>Egy előre kiválasztott tétnél az esélye, hogy most éppen ilyen hosszú kimaradása legyen</source>
        <translation>For a bet chosen beforehand, the chance of an absence this long right now</translation>
    </message>
    <message>
        <source>Ilyen kimaradás ennyi alkalomból egyszer fordul elő</source>
        <translation>An absence like this happens once in this many times</translation>
    </message>
    <message>
        <source>Az esélye, hogy a tét leghosszabb kimaradása ennyi pörgetés alatt legalább ekkora legyen</source>
        <translation>The chance that the bet&apos;s longest absence in this many spins is at least this long</translation>
    </message>
    <message>
        <source>A leghosszabb kimaradás átlaga szabályos keréken ennyi pörgetés alatt</source>
        <translation>The average longest absence on a fair wheel in this many spins</translation>
    </message>
</context>
<context>
    <name>vintaro::BiasModel</name>
    <message>
        <source>Próba</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Érték</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Szf.</source>
        <translation>d.f.</translation>
    </message>
    <message>
        <source>Holm-p</source>
        <translation>Holm p</translation>
    </message>
    <message>
        <source>Szabadsági fok: a khi-négyzet-próba cellái eggyel kevesebben</source>
        <translation>Degrees of freedom: the cells of the chi-square test less one</translation>
    </message>
    <message>
        <source>Az esélye, hogy egy szabályos kerék egyetlen nézésnél legalább ekkora eltérést mutasson</source>
        <translation>The chance that a fair wheel shows a deviation at least this large at a single look</translation>
    </message>
    <message>
        <source>A p-érték a Holm-módszerrel igazítva: a táblázat összes próbáját együtt számba véve</source>
        <translation>The p-value adjusted by Holm&apos;s method, allowing for every test of the table together</translation>
    </message>
</context>
<context>
    <name>vintaro::Eselyek</name>
    <message>
        <source>Esélyek</source>
        <translation>Odds</translation>
    </message>
    <message>
        <source>Tétek</source>
        <translation>Bets</translation>
    </message>
    <message>
        <source>Torzításpróba</source>
        <translation>Bias test</translation>
    </message>
    <message>
        <source>Fájl elemzése</source>
        <translation>Analyse a file</translation>
    </message>
    <message>
        <source>Még nincs pörgetés: nincs mit vizsgálni.</source>
        <translation>No spins yet: nothing to test.</translation>
    </message>
</context>
<context>
    <name>vintaro::FilePanel</name>
    <message>
        <source>Fájl elemzése…</source>
        <translation>Analyse a file…</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bármilyen hosszú pörgetésfájl vizsgálható; a mostani előzmények nem változnak.</source>
        <translation>A spin file of any length can be analysed; the current history does not change.</translation>
    </message>
    <message>
        <source>Pörgetésfájl elemzése</source>
        <translation>Analyse a spin file</translation>
    </message>
    <message>
        <source>Szöveg (*.txt);;Minden fájl (*)</source>
        <translation>Text (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Elemzés folyamatban: %1</source>
        <translation>Analysing: %1</translation>
    </message>
    <message>
        <source>Az elemzés megszakadt: %1</source>
        <translation>The analysis was cancelled: %1</translation>
    </message>
    <message>
        <source>A fájl nem elemezhető: %1 (%2).</source>
        <translation>The file cannot be analysed: %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 pörgetés.</source>
        <translation>
            <numerusform>%1: %2 spin.</numerusform>
            <numerusform>%1: %2 spins.</numerusform>
        </translation>
    </message>
    <message>
        <source>Formátum: %1.</source>
        <translation>Format: %1.</translation>
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
    <name>vintaro::SystemCharts</name>
    <message>
        <source>Tőke</source>
        <translation>Bankroll</translation>
    </message>
</context>
</TS>
