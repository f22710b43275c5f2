<?xml version='1.0' encoding='utf-8'?>
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
        <translation>d.f.: degrees of freedom. Holm p: the p-value adjusted by Holm's method, allowing for every test of the table together.</translation>
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
    <name>Appearance</name>
    <message>
        <source>vintaro2011: a Liberation Sans betűtípus nem található (%1); a Debian fonts-liberation2 csomagja hozza. Helyette más betűtípus áll, és egyes feliratok nem férnek el a helyükön.
</source>
        <translation>vintaro2011: the Liberation Sans font is not found (%1); Debian's fonts-liberation2 package brings it. Another font stands in, and some captions do not fit in their places.
</translation>
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
        <translation>Columns 1+2</translation>
    </message>
    <message>
        <source>Oszlop  M D</source>
        <translation>Columns 2+3</translation>
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
    <message>
        <source>Kijelölt számok</source>
        <translation>Selected numbers</translation>
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
    <message>
        <source>Ismeretlen kapcsoló: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>A(z) %1 után meg kell adni az értékét.</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>A(z) %1 nem kap értéket.</source>
        <translation>%1 takes no value.</translation>
    </message>
    <message>
        <source>Hibás parancssor.</source>
        <translation>Wrong command line.</translation>
    </message>
    <message>
        <source>Ez a súgó.</source>
        <translation>This help.</translation>
    </message>
    <message>
        <source>A program verziója.</source>
        <translation>The program's version.</translation>
    </message>
    <message>
        <source>A pörgetési listák (rszamok*.txt, terem.txt) mappája; az újraindítás is megtartja.</source>
        <translation>The folder of the spin lists (rszamok*.txt, terem.txt); a restart keeps it too.</translation>
    </message>
    <message>
        <source>MAPPA</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>A FÁJL pörgetéseinek torzításpróbája és tét-táblázata a szabványos kimenetre, ablak nélkül.</source>
        <translation>The bias test and the bet table of the spins in FILE, on standard output, without a window.</translation>
    </message>
    <message>
        <source>FÁJL</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Súgó: vintaro2011 --help</source>
        <translation>Help: vintaro2011 --help</translation>
    </message>
    <message>
        <source>Ismeretlen argumentum: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <source>Használat: vintaro2011 [KAPCSOLÓK]

Vintaro: rulett-statisztika termenként, egy nullás kerékhez.
Kapcsolók nélkül a program ablakát nyitja meg.

Kapcsolók:
</source>
        <translation>Usage: vintaro2011 [OPTIONS]

Vintaro: roulette statistics per gaming room, for a single-zero wheel.
Without options it opens the program's window.

Options:
</translation>
    </message>
    <message>
        <source>A --data-dir után egy mappa neve kell.</source>
        <translation>--data-dir needs the name of a folder.</translation>
    </message>
    <message>
        <source>A --analyse után egy fájl neve kell (a szabványos bemenethez: -).</source>
        <translation>--analyse needs the name of a file (- for standard input).</translation>
    </message>
    <message>
        <source>(szabványos bemenet)</source>
        <translation>(standard input)</translation>
    </message>
    <message>
        <source>a szabványos bemenet nem olvasható: %1</source>
        <translation>standard input cannot be read: %1</translation>
    </message>
    <message>
        <source>a(z) %1 fájl nem olvasható: %2</source>
        <translation>the file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>
Fájlok:
  A program mappája (ahol a vintaro2011 van), ha írható, és ott vannak az
      adatfájlok: minden fájlt ott olvas és ír, ahogy mindig is.
  /usr/share/vintaro/
      Telepítve: az adatfájlok (piros.bmp, XX.BMP, parok.txt, katlo.txt,
      natlo.txt, corner.txt és a kézikönyv, Vintaro.doc); csak olvassa őket.
  $XDG_DATA_HOME/vintaro/ (alapesetben ~/.local/share/vintaro/)
      Telepítve: a pörgetési listák (rszamok.txt, rszamok1.txt … rszamok10.txt),
      a terem.txt és a termek naplója (naplo1.csv … naplo10.csv); az első
      használatkor jön létre. A --data-dir helyette egy másik mappát ad meg.
  Az exportált CSV fájlokat oda írja, ahová a mentés ablakában kéri.

Környezeti változók:
  XDG_DATA_HOME  a felhasználó adatmappája (alapesetben ~/.local/share);
      telepítve ebben tartja a pörgetési listákat.

Kilépési kódok:
  0  rendben lefutott (a --help és a --version is);
  2  hibás parancssor, az --analyse vagy a --history fájlja nem olvasható,
     egy --import nem hajtható végre, vagy egy napló nem olvasható.
</source>
        <translation>
Files:
  The program's folder (where vintaro2011 is), when it can be written and
      holds the data files: every file is read and written there, as always.
  /usr/share/vintaro/
      Installed: the data files (piros.bmp, XX.BMP, parok.txt, katlo.txt,
      natlo.txt, corner.txt and the manual, Vintaro.doc); only read.
  $XDG_DATA_HOME/vintaro/ (by default ~/.local/share/vintaro/)
      Installed: the spin lists (rszamok.txt, rszamok1.txt … rszamok10.txt),
      terem.txt and the rooms' ledgers (naplo1.csv … naplo10.csv), made on
      first use. --data-dir names another folder instead.
  Exported CSV files are written where the save dialog is told.

Environment:
  XDG_DATA_HOME  the user's data folder (by default ~/.local/share); the
      installed program keeps its spin lists in it.

Exit codes:
  0  ran to the end (--help and --version too);
  2  a wrong command line, a file of --analyse or --history that cannot be
     read, an --import that cannot be done, or a ledger that cannot be read.
</translation>
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
            <numerusform>In the first %1 spins the largest deviation was shown by %2. In the next %3 spins it had %4 hit, so the player's estimated edge on a bet on it is %5; the 95% range, which holds even when looked at after every spin: %6 … %7.</numerusform>
            <numerusform>In the first %1 spins the largest deviation was shown by %2. In the next %3 spins it had %4 hits, so the player's estimated edge on a bet on it is %5; the 95% range, which holds even when looked at after every spin: %6 … %7.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Az első %1 pörgetésben a legnagyobb eltérést %2 mutatta. A további %3 pörgetésben %4 találata volt, így a játékos becsült előnye az ívre egyenlően elosztott tétnél %5; a 95 %-os tartomány, amely minden pörgetés után nézve is érvényes: %6 … %7.</source>
        <translation>
            <numerusform>In the first %1 spins the largest deviation was shown by %2. In the next %3 spins it had %4 hit, so the player's estimated edge with the stake spread evenly over the arc is %5; the 95% range, which holds even when looked at after every spin: %6 … %7.</numerusform>
            <numerusform>In the first %1 spins the largest deviation was shown by %2. In the next %3 spins it had %4 hits, so the player's estimated edge with the stake spread evenly over the arc is %5; the 95% range, which holds even when looked at after every spin: %6 … %7.</numerusform>
        </translation>
    </message>
    <message>
        <source>A tartomány egésze 0 fölött van: ez a tét megverné a bankot.</source>
        <translation>The whole range lies above 0: this bet would beat the house.</translation>
    </message>
    <message>
        <source>A tartomány tartalmazza a %1-ot, a játékos előnyét szabályos keréken bármely tétnél: a szabályos keréktől nem látszik eltérés.</source>
        <translation>The range contains %1, the player's edge on a fair wheel with any bet: no deviation from a fair wheel shows.</translation>
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
        <translation>%1 (longer than the program's history)</translation>
    </message>
    <message>
        <source>A %1-kal gyakoribb számot a program %2 pörgetéses előzményében a szimulált előzmények csak kb. %3-a jelzi gyanúsnak.</source>
        <translation>Within the program's history of %2 spins, only about %3 of the simulated histories flag a number coming %1 more often as suspicious.</translation>
    </message>
    <message>
        <source>Ha egy szám 10 / 20 / 50 %-kal gyakrabban jön az 1/37-nél, a minden pörgetés után nézett bizonyíték a szimulált előzmények 80 %-ában kb. %1 pörgetésen belül éri el a 20-szorost (gyanús).</source>
        <translation>If a number comes 10 / 20 / 50% more often than 1/37, the evidence, looked at after every spin, reaches 20-fold (suspicious) within about %1 spins in 80% of simulated histories.</translation>
    </message>
    <message numerus="yes">
        <source>%1 pörgetés. „Ilyen kimaradás esélye most”: egy előre kiválasztott tétnél ennyi az esélye, hogy a szabályos kerék most éppen ilyen hosszú kimaradást mutasson. „Ilyen leghosszabb kimaradás esélye ennyi pörgetésben”: ennyi az esélye, hogy egy tét leghosszabb kimaradása ennyi pörgetés alatt legalább ekkora legyen. %2 tét között gyakran akad olyan, amelynél 1 % alatti az esély. Kiemelt cella csak ott van, ahol a kimaradás egy %3 pörgetéses előzmény leghosszabb kimaradásaként is ritka, mind %4 tétet számba véve: szabályos keréken, minden pörgetés után nézve, egy ilyen hosszú előzményben legfeljebb kb. 1 % eséllyel jelenik meg valaha bármilyen kiemelés.</source>
        <translation>
            <numerusform>%1 spin. “Chance of this absence now”: for a bet chosen beforehand, the chance that a fair wheel shows an absence this long right now. “Chance of this longest absence in this many spins”: the chance that a bet's longest absence in this many spins is at least this long. Among %2 bets there is often one whose chance is below 1%. A cell is highlighted only where the absence is rare even as the longest absence of a history of %3 spins, allowing for all %4 bets: on a fair wheel, looked at after every spin, a history this long ever shows any highlight with a chance of about 1% at most.</numerusform>
            <numerusform>%1 spins. “Chance of this absence now”: for a bet chosen beforehand, the chance that a fair wheel shows an absence this long right now. “Chance of this longest absence in this many spins”: the chance that a bet's longest absence in this many spins is at least this long. Among %2 bets there is often one whose chance is below 1%. A cell is highlighted only where the absence is rare even as the longest absence of a history of %3 spins, allowing for all %4 bets: on a fair wheel, looked at after every spin, a history this long ever shows any highlight with a chance of about 1% at most.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GroupReport</name>
    <message>
        <source>Hat szám :  </source>
        <translation>Six line :  </translation>
    </message>
    <message>
        <source>Hányszor :  </source>
        <translation>Hits :  </translation>
    </message>
    <message>
        <source>Kimarad :  </source>
        <translation>Absent :  </translation>
    </message>
    <message>
        <source>M.kimarad :  </source>
        <translation>Max absent :  </translation>
    </message>
    <message>
        <source>Utca :  </source>
        <translation>Street :  </translation>
    </message>
    <message>
        <source>Corner :  </source>
        <translation>Corner :  </translation>
    </message>
    <message>
        <source>Pár :  </source>
        <translation>Split :  </translation>
    </message>
    <message>
        <source>N. átló :  </source>
        <translation>Big diag. :  </translation>
    </message>
    <message>
        <source>K. átló :  </source>
        <translation>Small diag. :  </translation>
    </message>
    <message>
        <source>Szám :  </source>
        <translation>Number :  </translation>
    </message>
</context>
<context>
    <name>IntervalReport</name>
    <message>
        <source>  Maximális kimaradás</source>
        <translation>  Longest absence</translation>
    </message>
</context>
<context>
    <name>LedgerCommand</name>
    <message>
        <source>A napló menetei és összesítése a becsületes sorral, ablak nélkül.</source>
        <translation>The sessions of the ledger and their totals with the honest line, without a window.</translation>
    </message>
    <message>
        <source>A --ledger CSV-ben, menetenként egy sorral írja ki.</source>
        <translation>--ledger writes CSV, one line a session.</translation>
    </message>
    <message>
        <source>A --room után egy terem neve kell (például 3).</source>
        <translation>--room takes the name of a room (for example 3).</translation>
    </message>
    <message>
        <source>A(z) %1. teremnek még nincs naplója (%2).</source>
        <translation>Room %1 has no ledger yet (%2).</translation>
    </message>
    <message>
        <source>nem olvasható</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>sérült a(z) %1. sorában</source>
        <translation>is damaged in line %1</translation>
    </message>
    <message>
        <source>a napló (%1) %2.</source>
        <translation>the ledger (%1) %2.</translation>
    </message>
    <message>
        <source>%1. terem naplója (%2)</source>
        <translation>The ledger of room %1 (%2)</translation>
    </message>
    <message>
        <source>%1. terem összesen:</source>
        <translation>Room %1 in all:</translation>
    </message>
    <message>
        <source>Minden terem összesen:</source>
        <translation>All rooms in all:</translation>
    </message>
    <message>
        <source>Még egy teremnek sincs naplója.</source>
        <translation>No room has a ledger yet.</translation>
    </message>
    <message>
        <source>A --csv a --ledger mellé való.</source>
        <translation>--csv goes with --ledger.</translation>
    </message>
</context>
<context>
    <name>LedgerText</name>
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
        <translation>Low</translation>
    </message>
    <message>
        <source>Magas</source>
        <translation>High</translation>
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
        <translation>Column 1</translation>
    </message>
    <message>
        <source>Oszlop M</source>
        <translation>Column 2</translation>
    </message>
    <message>
        <source>Oszlop D</source>
        <translation>Column 3</translation>
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
        <translation>Columns 1 and 2</translation>
    </message>
    <message>
        <source>Oszlop  M D</source>
        <translation>Columns 2 and 3</translation>
    </message>
    <message>
        <source>Tét összesen: %1, eredmény: %2, várható: %3, a sáv: %4 … %5.</source>
        <translation>Staked in all: %1, result: %2, expected: %3, the band: %4 to %5.</translation>
    </message>
    <message>
        <source>Még nincs elszámolt tét.</source>
        <translation>No stake has been settled yet.</translation>
    </message>
    <message>
        <source>Az eredmény a sávon belül van: ilyet ad a szerencse a ház előnye körül.</source>
        <translation>The result is inside the band: a result like this is what luck gives around the house edge.</translation>
    </message>
    <message>
        <source>Az eredmény a sávon kívül esik: tisztességes keréken nagyjából húsz menetből egyszer fordul elő.</source>
        <translation>The result is outside the band: on a fair wheel this happens in about one session in twenty.</translation>
    </message>
    <message>
        <source>%1. menet: %2 – %3</source>
        <translation>Session %1: %2 – %3</translation>
    </message>
    <message>
        <source>nyitva</source>
        <translation>open</translation>
    </message>
    <message>
        <source>; hozott %1</source>
        <translation>; brought %1</translation>
    </message>
    <message>
        <source>, vitt %1</source>
        <translation>, took away %1</translation>
    </message>
    <message>
        <source>Kiválasztás (%1 szám)</source>
        <translation>Selection (%1 numbers)</translation>
    </message>
</context>
<context>
    <name>Naplo</name>
    <message>
        <source>Napló</source>
        <translation>Ledger</translation>
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
        <source>%1 elem nem 0 és 36 közötti szám, ez kimaradt az elemzésből; %2. sorban: "%3".</source>
        <translation>%1 item is not a number from 0 to 36 and was left out of the analysis; it is on line %2: "%3".</translation>
    </message>
    <message>
        <source>%1 elem nem 0 és 36 közötti szám, ezek kimaradtak az elemzésből; az első %2. sorban: "%3".</source>
        <translation>%1 items are not numbers from 0 to 36 and were left out of the analysis; the first is on line %2: "%3".</translation>
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
</context>
<context>
    <name>OwnCommand</name>
    <message>
        <source>A saját rendszerek fájlja (--simulate own; például a listák mappájának rendszerek.ini-je).</source>
        <translation>The file of the own systems (--simulate own; for example rendszerek.ini in the folder of the spin lists).</translation>
    </message>
    <message>
        <source>FÁJL</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>A saját rendszer neve a --system-file fájlban.</source>
        <translation>The name of the own system in the --system-file file.</translation>
    </message>
    <message>
        <source>NÉV</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>A saját rendszer tétjei lépésenként, egységben (--simulate own), például 1,2,4,8,16.</source>
        <translation>The stakes of the own system by step, in units (--simulate own), for example 1,2,4,8,16.</translation>
    </message>
    <message>
        <source>LISTA</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>Nyerés után: first (az első lépésre), back:N (N lépést vissza), stay (marad) vagy next (a következőre; alapértelmezés first).</source>
        <translation>After a win: first (to the first step), back:N (N steps back), stay (stay on the step) or next (to the next step; default first).</translation>
    </message>
    <message>
        <source>LÉPÉS</source>
        <translation>STEP</translation>
    </message>
    <message>
        <source>Vesztés után: next (a következőre), skip:N (N lépést előre) vagy first (alapértelmezés next).</source>
        <translation>After a loss: next (to the next step), skip:N (N steps forward) or first (default next).</translation>
    </message>
    <message>
        <source>Az utolsó lépésen túl: stay (marad az utolsón), first (vissza az elsőre) vagy stop (vége a menetnek; alapértelmezés stay).</source>
        <translation>Past the last step: stay (stay on the last), first (back to the first) or stop (end the session; default stay).</translation>
    </message>
    <message>
        <source>MIT</source>
        <translation>WHAT</translation>
    </message>
    <message>
        <source>N vesztés után sorban M pörgetés kimarad (alapértelmezés 0:0, nincs kimaradás).</source>
        <translation>After N losses in a row, sit out M spins (default 0:0, no sitting out).</translation>
    </message>
    <message>
        <source>A legkisebb kezdőtőke, amellyel a menet legfeljebb P eséllyel jut csődbe (pontos számítással), például 5%.</source>
        <translation>The smallest bankroll with which the session goes bust with a chance of at most P (by exact calculation), for example 5%.</translation>
    </message>
    <message>
        <source>A legnagyobb cél, amelyet a menet legalább P eséllyel elér (pontos számítással), például 50%.</source>
        <translation>The largest target that the session reaches with a chance of at least P (by exact calculation), for example 50%.</translation>
    </message>
    <message>
        <source>A --simulate own mellé vagy a --system-file és a --system, vagy a --stakes kell.</source>
        <translation>--simulate own needs either --system-file and --system, or --stakes.</translation>
    </message>
    <message>
        <source>A --%1 a --stakes mellé való, nem a --system-file mellé.</source>
        <translation>--%1 goes with --stakes, not with --system-file.</translation>
    </message>
    <message>
        <source>A --system-file mellé a --system is kell (a rendszer neve).</source>
        <translation>--system-file needs --system too (the name of the system).</translation>
    </message>
    <message>
        <source>Nincs „%1” nevű rendszer a(z) %2 fájlban.</source>
        <translation>There is no system named “%1” in the file %2.</translation>
    </message>
    <message>
        <source>A --system a --system-file mellé való.</source>
        <translation>--system goes with --system-file.</translation>
    </message>
    <message>
        <source>Hibás --%1: %2 (lásd --help).</source>
        <translation>Wrong --%1: %2 (see --help).</translation>
    </message>
    <message>
        <source>A --%1 után egy százalék kell 0 és 100 között, például 5%, nem ez: %2</source>
        <translation>--%1 takes a percentage between 0 and 100, for example 5%, not this: %2</translation>
    </message>
</context>
<context>
    <name>OwnText</name>
    <message>
        <source>vissza az első lépésre</source>
        <translation>back to the first step</translation>
    </message>
    <message numerus="yes">
        <source>%1 lépéssel vissza</source>
        <translation>
            <numerusform>%1 step back</numerusform>
            <numerusform>%1 steps back</numerusform>
        </translation>
    </message>
    <message>
        <source>marad a lépésen</source>
        <translation>stays on the step</translation>
    </message>
    <message>
        <source>a következő lépésre</source>
        <translation>on to the next step</translation>
    </message>
    <message numerus="yes">
        <source>%1 lépéssel előre</source>
        <translation>
            <numerusform>%1 step forward</numerusform>
            <numerusform>%1 steps forward</numerusform>
        </translation>
    </message>
    <message>
        <source>vissza az elsőre</source>
        <translation>back to the first</translation>
    </message>
    <message>
        <source>vége a menetnek</source>
        <translation>the session ends</translation>
    </message>
    <message>
        <source>marad az utolsón</source>
        <translation>stays on the last</translation>
    </message>
    <message>
        <source>saját rendszer: tétek %1 egység</source>
        <translation>own system: stakes %1 units</translation>
    </message>
    <message>
        <source>saját rendszer „%1”: tétek %2 egység</source>
        <translation>own system “%1”: stakes %2 units</translation>
    </message>
    <message>
        <source>; nyerés után %1, vesztés után %2, az utolsó lépés után %3</source>
        <translation>; after a win %1, after a loss %2, after the last step %3</translation>
    </message>
    <message>
        <source>; %1 után sorban %2 kimarad</source>
        <translation>; after %1 in a row, sits out %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 vesztés</source>
        <translation>
            <numerusform>%1 loss</numerusform>
            <numerusform>%1 losses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 pörgetés</source>
        <translation>
            <numerusform>%1 spin</numerusform>
            <numerusform>%1 spins</numerusform>
        </translation>
    </message>
    <message>
        <source>Legkisebb kezdőtőke, amellyel a menet legfeljebb %1 eséllyel jut csődbe: nem számítható ki. %2</source>
        <translation>Smallest bankroll with which the session goes bust with a chance of at most %1: cannot be computed. %2</translation>
    </message>
    <message>
        <source>Legkisebb kezdőtőke, amellyel a menet legfeljebb %1 eséllyel jut csődbe: %2 (a csőd esélye ezzel %3).</source>
        <translation>Smallest bankroll with which the session goes bust with a chance of at most %1: %2 (with it the chance of ruin is %3).</translation>
    </message>
    <message>
        <source>Legnagyobb cél, amelyet a menet legalább %1 eséllyel a csőd előtt elér: nincs ilyen. %2</source>
        <translation>Largest target that the session reaches before going bust with a chance of at least %1: there is none. %2</translation>
    </message>
    <message>
        <source>Legnagyobb cél, amelyet a menet legalább %1 eséllyel a csőd előtt elér: %2 nyereség (esélye %3).</source>
        <translation>Largest target that the session reaches before going bust with a chance of at least %1: a win of %2 (its chance %3).</translation>
    </message>
</context>
<context>
    <name>ProjectAddress</name>
    <message>
        <source>A projekt honlapja: %1
Hibabejelentés: %1/issues</source>
        <translation>The project's home: %1
Report faults at: %1/issues</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <source>nincs</source>
        <translation>none</translation>
    </message>
    <message>
        <source>own (saját rendszer, lásd --stakes és --system-file)</source>
        <translation>own (a system of the player's own, see --stakes and --system-file)</translation>
    </message>
    <message>
        <source>Egy tétrendszer sok szimulált menete szabályos keréken, szövegként, ablak nélkül. RENDSZER: %1.</source>
        <translation>Many simulated sessions of a betting system on a fair wheel, as text, without a window. SYSTEM: %1.</translation>
    </message>
    <message>
        <source>RENDSZER</source>
        <translation>SYSTEM</translation>
    </message>
    <message>
        <source>A tét (--simulate): %1, vagy egy szám 0-tól 36-ig.</source>
        <translation>The bet (--simulate): %1, or a number from 0 to 36.</translation>
    </message>
    <message>
        <source>TÉT</source>
        <translation>BET</translation>
    </message>
    <message>
        <source>Az egység pénzben (--simulate; alapértelmezés 1).</source>
        <translation>The unit in money (--simulate; default 1).</translation>
    </message>
    <message>
        <source>A kezdőtőke pénzben (alapértelmezés 100 egység).</source>
        <translation>The bankroll in money (default 100 units).</translation>
    </message>
    <message>
        <source>Az asztali minimum pénzben (alapértelmezés egy egység).</source>
        <translation>The table minimum in money (default one unit).</translation>
    </message>
    <message>
        <source>Az asztali maximum pénzben (alapértelmezés: nincs).</source>
        <translation>The table maximum in money (default: none).</translation>
    </message>
    <message>
        <source>A nyereség, amelynél a menet véget ér (alapértelmezés: nincs).</source>
        <translation>The win at which the session ends (default: none).</translation>
    </message>
    <message>
        <source>Legfeljebb ennyi pörgetés menetenként (alapértelmezés 1000).</source>
        <translation>At most this many spins per session (default 1,000).</translation>
    </message>
    <message>
        <source>A szimulált menetek száma (alapértelmezés 100 000).</source>
        <translation>The number of simulated sessions (default 100,000).</translation>
    </message>
    <message>
        <source>A véletlen magja; ugyanaz a mag ugyanazt adja (alapértelmezés: véletlen).</source>
        <translation>The seed of the random numbers; the same seed gives the same result (default: random).</translation>
    </message>
    <message>
        <source>A rendszer lejátszása a FÁJL pörgetésein is (ahogy az --analyse olvassa).</source>
        <translation>Also plays the system on the spins of FILE (read as --analyse reads it).</translation>
    </message>
    <message>
        <source>FÁJL</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>A --%1 csak a --simulate mellett használható.</source>
        <translation>--%1 can only be used with --simulate.</translation>
    </message>
    <message>
        <source>Ismeretlen rendszer: %1 (lásd --help).</source>
        <translation>Unknown system: %1 (see --help).</translation>
    </message>
    <message>
        <source>A --%1 a --simulate own mellé való.</source>
        <translation>--%1 goes with --simulate own.</translation>
    </message>
    <message>
        <source>A --simulate mellé a --bet is kell.</source>
        <translation>--simulate needs --bet too.</translation>
    </message>
    <message>
        <source>Ismeretlen tét: %1 (lásd --help).</source>
        <translation>Unknown bet: %1 (see --help).</translation>
    </message>
    <message>
        <source>A --%1 után egy szám kell, nem ez: %2</source>
        <translation>--%1 takes a number, not this: %2</translation>
    </message>
    <message>
        <source>A --%1 után egy egész szám kell %2 és %3 között, nem ez: %4</source>
        <translation>--%1 takes a whole number between %2 and %3, not this: %4</translation>
    </message>
    <message>
        <source>A --seed után egy nemnegatív egész szám kell, nem ez: %1</source>
        <translation>--seed takes a non-negative whole number, not this: %1</translation>
    </message>
    <message>
        <source>A --history után egy fájl neve kell.</source>
        <translation>--history takes the name of a file.</translation>
    </message>
    <message numerus="yes">
        <source>Tétrendszer: %1; tét: %2 (%3 szám, egy találat a tét %4-szeresét adja vissza)</source>
        <translation>
            <numerusform>Betting system: %1; bet: %2 (%3 number, a hit returns %4 times the stake)</numerusform>
            <numerusform>Betting system: %1; bet: %2 (%3 numbers, a hit returns %4 times the stake)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Egység: %1; kezdőtőke: %2; asztali minimum: %3, maximum: %4; cél: %5; legfeljebb %6 pörgetés menetenként</source>
        <translation>
            <numerusform>Unit: %1; bankroll: %2; table minimum: %3, maximum: %4; target: %5; at most %6 spin per session</numerusform>
            <numerusform>Unit: %1; bankroll: %2; table minimum: %3, maximum: %4; target: %5; at most %6 spins per session</numerusform>
        </translation>
    </message>
    <message>
        <source>vintaro2011: a(z) %1 fájl nem olvasható: %2</source>
        <translation>vintaro2011: the file %1 cannot be read: %2</translation>
    </message>
    <message numerus="yes">
        <source>Lejátszás a(z) %1 %2 pörgetésén:</source>
        <translation>
            <numerusform>Played on the %2 spin of %1:</numerusform>
            <numerusform>Played on the %2 spins of %1:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 szimulált menet, mag: %2 (ugyanez a mag ugyanezt adja)</source>
        <translation>
            <numerusform>%1 simulated session, seed: %2 (the same seed gives the same)</numerusform>
            <numerusform>%1 simulated sessions, seed: %2 (the same seed gives the same)</numerusform>
        </translation>
    </message>
    <message>
        <source>Szimuláció</source>
        <translation>Simulated</translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation>Exact</translation>
    </message>
</context>
<context>
    <name>SystemNames</name>
    <message>
        <source>Egyenletes tét</source>
        <translation>Flat bet</translation>
    </message>
    <message>
        <source>Martingale</source>
        <translation>Martingale</translation>
    </message>
    <message>
        <source>Paroli</source>
        <translation>Paroli</translation>
    </message>
    <message>
        <source>D'Alembert</source>
        <translation>D'Alembert</translation>
    </message>
    <message>
        <source>Fibonacci</source>
        <translation>Fibonacci</translation>
    </message>
    <message>
        <source>Labouchère</source>
        <translation>Labouchère</translation>
    </message>
    <message>
        <source>Oscar's Grind</source>
        <translation>Oscar's Grind</translation>
    </message>
</context>
<context>
    <name>SystemProblems</name>
    <message>
        <source>Ilyen tőke nincs 2^40 egységig.</source>
        <translation>There is no such bankroll up to 2^40 units.</translation>
    </message>
    <message>
        <source>Már egy egységnyi nyereséget sem ér el ekkora eséllyel.</source>
        <translation>Not even a win of one unit is reached with this chance.</translation>
    </message>
    <message>
        <source>A rendszer állapotai túl sokak a pontos számításhoz; a szimuláció így is fut.</source>
        <translation>The system has too many states for the exact calculation; the simulation runs all the same.</translation>
    </message>
    <message>
        <source>A pontos számítás ezekkel a beállításokkal túl hosszú volna; a szimuláció így is fut.</source>
        <translation>The exact calculation would take too long with these settings; the simulation runs all the same.</translation>
    </message>
    <message>
        <source>A pontos számításhoz ennél a kezdőtőkénél túl sok memória kellene; a szimuláció így is fut.</source>
        <translation>The exact calculation would need too much memory at this bankroll; the simulation runs all the same.</translation>
    </message>
    <message>
        <source>A pontos számítás megszakítva.</source>
        <translation>Exact calculation cancelled.</translation>
    </message>
    <message>
        <source>Ennél a rendszernél nincs pontos számítás, csak szimuláció.</source>
        <translation>This system has no exact calculation, only the simulation.</translation>
    </message>
    <message>
        <source>Pontos számítás csak olyan tétre van, amelynek a nyereménye egész számú egység.</source>
        <translation>An exact calculation exists only for a bet that pays a whole number of units.</translation>
    </message>
    <message>
        <source>Pontos számítás csak akkor van, ha minden összeg az egység egész számú többszöröse.</source>
        <translation>An exact calculation exists only when every amount is a whole multiple of the unit.</translation>
    </message>
    <message>
        <source>A rendszernek legalább egy lépése legyen.</source>
        <translation>The system needs at least one step.</translation>
    </message>
    <message>
        <source>A rendszernek legfeljebb 1 000 lépése lehet.</source>
        <translation>The system can have at most 1,000 steps.</translation>
    </message>
    <message>
        <source>Minden lépés tétje legalább 1 és legfeljebb 10^12 egység legyen.</source>
        <translation>The stake of every step must be at least 1 and at most 10^12 units.</translation>
    </message>
    <message>
        <source>A lépések száma 1 és 1 000 között legyen.</source>
        <translation>The number of steps must be between 1 and 1,000.</translation>
    </message>
    <message>
        <source>A kimaradás: legfeljebb 100 vesztés után legfeljebb 100 pörgetés (mindkettő 0: nincs kimaradás).</source>
        <translation>Sitting out: at most 100 spins after at most 100 losses (both 0: no sitting out).</translation>
    </message>
    <message>
        <source>A rendszernek neve is legyen.</source>
        <translation>The system needs a name too.</translation>
    </message>
    <message>
        <source>A név legfeljebb 200 bájt, elején és végén szóköz nélkül.</source>
        <translation>The name is at most 200 bytes, without blanks at its start and end.</translation>
    </message>
    <message>
        <source>A név nem tartalmazhat vezérlőkaraktert.</source>
        <translation>The name cannot contain control characters.</translation>
    </message>
    <message>
        <source>A név sora ] jellel záruljon.</source>
        <translation>The line of a name must end with ].</translation>
    </message>
    <message>
        <source>A sor nem kulcs=érték alakú.</source>
        <translation>The line is not of the form key=value.</translation>
    </message>
    <message>
        <source>A beállítás előtt a rendszer neve álljon [név] alakban.</source>
        <translation>Before the settings, the name of the system must stand as [name].</translation>
    </message>
    <message>
        <source>Ismeretlen tét: %1.</source>
        <translation>Unknown bet: %1.</translation>
    </message>
    <message>
        <source>Két rendszer neve ugyanaz: %1.</source>
        <translation>Two systems have the same name: %1.</translation>
    </message>
    <message>
        <source>Ismeretlen kulcs vagy hibás érték: %1.</source>
        <translation>Unknown key or wrong value: %1.</translation>
    </message>
    <message>
        <source>Az egység legyen nullánál nagyobb.</source>
        <translation>The unit must be greater than zero.</translation>
    </message>
    <message>
        <source>A kezdőtőke legyen nullánál nagyobb.</source>
        <translation>The bankroll must be greater than zero.</translation>
    </message>
    <message>
        <source>Az asztali minimum legyen nullánál nagyobb.</source>
        <translation>The table minimum must be greater than zero.</translation>
    </message>
    <message>
        <source>Az asztali maximum legyen legalább akkora, mint a minimum (0: nincs maximum).</source>
        <translation>The table maximum must be at least the minimum (0: no maximum).</translation>
    </message>
    <message>
        <source>A cél nem lehet negatív (0: nincs cél).</source>
        <translation>The target cannot be negative (0: no target).</translation>
    </message>
    <message>
        <source>Menetenként legalább egy pörgetés kell.</source>
        <translation>A session needs at least one spin.</translation>
    </message>
</context>
<context>
    <name>SystemsText</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (95 %: %2 … %3)</source>
        <translation>%1 (95%: %2 … %3)</translation>
    </message>
    <message>
        <source>Esély, hogy a menet nyereséggel zárul</source>
        <translation>Chance that the session ends ahead</translation>
    </message>
    <message>
        <source>Esély, hogy a menet eléri a célt</source>
        <translation>Chance that the session reaches the target</translation>
    </message>
    <message>
        <source>Esély, hogy a menet csődbe jut</source>
        <translation>Chance that the session goes bust</translation>
    </message>
    <message>
        <source>Átlagos eredmény</source>
        <translation>Mean result</translation>
    </message>
    <message>
        <source>Várható eredmény: −(átlagos tét)/37</source>
        <translation>Expected result: −(mean stake)/37</translation>
    </message>
    <message>
        <source>Medián eredmény</source>
        <translation>Median result</translation>
    </message>
    <message>
        <source>Eredmény, 5. percentilis</source>
        <translation>Result, 5th percentile</translation>
    </message>
    <message>
        <source>Eredmény, 95. percentilis</source>
        <translation>Result, 95th percentile</translation>
    </message>
    <message>
        <source>Átlagosan lejátszott pörgetés</source>
        <translation>Mean spins played</translation>
    </message>
    <message>
        <source>Átlagos tét menetenként összesen</source>
        <translation>Mean total staked per session</translation>
    </message>
    <message>
        <source>Legnagyobb tét</source>
        <translation>Largest stake</translation>
    </message>
    <message>
        <source>Az eredmény és a várható eredmény (−tét/37) menetenkénti különbségének átlaga %1, 95 %-os tartománya %2 … %3.</source>
        <translation>The mean difference per session between the result and the expected result (−stake/37) is %1, its 95% range %2 … %3.</translation>
    </message>
    <message>
        <source>A tartomány tartalmazza a 0-t: a rendszer a ház részén nem változtat.</source>
        <translation>The range contains 0: the system does not change the house edge.</translation>
    </message>
    <message>
        <source>A tartomány most nem tartalmazza a 0-t; szabályos keréken ez nagyjából húsz futásból egyszer a véletlen műve. Több menet szűkíti a tartományt.</source>
        <translation>The range does not contain 0 this time; on a fair wheel chance does that about once in twenty runs. More sessions narrow the range.</translation>
    </message>
    <message>
        <source>elérte a célt</source>
        <translation>reached the target</translation>
    </message>
    <message>
        <source>csődbe jutott</source>
        <translation>went bust</translation>
    </message>
    <message>
        <source>a rendszer befejezte</source>
        <translation>the system stopped</translation>
    </message>
    <message>
        <source>elfogytak a pörgetések</source>
        <translation>the spins ran out</translation>
    </message>
    <message>
        <source>Lejátszott pörgetés</source>
        <translation>Spins played</translation>
    </message>
    <message>
        <source>A menet vége</source>
        <translation>End of the session</translation>
    </message>
    <message>
        <source>Összes tét</source>
        <translation>Total staked</translation>
    </message>
    <message>
        <source>Végeredmény</source>
        <translation>Final result</translation>
    </message>
    <message>
        <source>Várható eredmény: −(összes tét)/37</source>
        <translation>Expected result: −(total staked)/37</translation>
    </message>
    <message>
        <source>Legmélyebb esés egy csúcsról</source>
        <translation>Deepest fall from a peak</translation>
    </message>
    <message numerus="yes">
        <source>%1 pörgetésben</source>
        <translation>
            <numerusform>in %1 spin</numerusform>
            <numerusform>in %1 spins</numerusform>
        </translation>
    </message>
    <message>
        <source>Tét az asztali maximumra csökkentve</source>
        <translation>Stake cut to the table maximum</translation>
    </message>
    <message>
        <source>Tét a megmaradt tőkére csökkentve</source>
        <translation>Stake cut to the bankroll left</translation>
    </message>
    <message>
        <source>A rendszer legnagyobb kért tétje</source>
        <translation>Largest stake the system asked for</translation>
    </message>
    <message>
        <source>Szabályos keréken minden tét átlagosan a tét 1/37 részét veszíti el, bármilyen tétrendszerrel: ez az egy tétegységre jutó veszteség rögzített. A tétrendszer azt változtatja meg, mennyit tesz fel a játékos, és hogyan oszlik el az eredmény (sok kis nyereség és ritka nagy veszteség, vagy fordítva); ezért egy menet átlagos vesztesége rendszerenként más, de mindig az összes tét 1/37 része.</source>
        <translation>On a fair wheel every bet loses 1/37 of its stake on average, whatever the betting system: this loss per unit staked is fixed. A betting system changes how much the player stakes and how the result is spread (many small wins and a rare large loss, or the other way round); so the mean loss of a session differs from system to system, but it is always 1/37 of the total staked.</translation>
    </message>
    <message numerus="yes">
        <source>Ezzel a rendszerrel %1 menetből kb. %2 csődbe jut</source>
        <translation>
            <numerusform>With this system about %2 in %1 sessions goes bust</numerusform>
            <numerusform>With this system about %2 in %1 sessions go bust</numerusform>
        </translation>
    </message>
    <message>
        <source>egy menet átlagosan %1 egységet veszít, a feltett tétek 1/37-ét.</source>
        <translation>a session loses %1 units on average, 1/37 of the amounts staked.</translation>
    </message>
    <message>
        <source>egy menet átlagosan %1 egységet nyer, pedig hosszú távon a feltett tétek 1/37-ét veszíti.</source>
        <translation>a session wins %1 units on average, though in the long run it loses 1/37 of the amounts staked.</translation>
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
        <translation>The folder of the spin lists (%1) is locked by the Vintaro of another machine (%2). If it no longer runs there, the folder can be taken over; if it does, the two programs would overwrite each other's spins.
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
        <translation>Spins since the bet's last hit</translation>
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
        <translation>The chance that the bet's longest absence in this many spins is at least this long</translation>
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
        <translation>The p-value adjusted by Holm's method, allowing for every test of the table together</translation>
    </message>
</context>
<context>
    <name>vintaro::CsvExport</name>
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
        <translation>1st and 2nd columns</translation>
    </message>
    <message>
        <source>Oszlop  M D</source>
        <translation>2nd and 3rd columns</translation>
    </message>
    <message>
        <source>Sorszám</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>Szám</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Szín</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Harmad</source>
        <translation>Dozen</translation>
    </message>
    <message>
        <source>Oszlop</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Páros/páratlan</source>
        <translation>Even/odd</translation>
    </message>
    <message>
        <source>Alacsony/magas</source>
        <translation>Low/high</translation>
    </message>
    <message>
        <source>Zöld</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Megnevezés</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Hányszor</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Kimaradás</source>
        <translation>Absence</translation>
    </message>
    <message>
        <source>Maximális kimaradás</source>
        <translation>Longest absence</translation>
    </message>
</context>
<context>
    <name>vintaro::Diagramm</name>
    <message>
        <source> Space - típus vált, + - széthúz, * - utolsó 100, dupla klikk - kilép  </source>
        <translation> Space - change type, + - stretch, * - last 100, double click - exit  </translation>
    </message>
    <message>
        <source> Spaces, *, +  billentyük  !</source>
        <translation> Keys Space, *, +  !</translation>
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
        <translation>The room's saved list is not loaded yet: Load reads it in and appends the spins already entered.</translation>
    </message>
    <message>
        <source>Biztos, hogy mentés nélkül átvált a(z) %1. terembe ?
A nem mentett pörgetések elvesznek.</source>
        <translation>Switch to room %1 without saving?
The unsaved spins are lost.</translation>
    </message>
    <message>
        <source>Pörgetett szám:</source>
        <translation>Last number:</translation>
    </message>
    <message>
        <source>Össz. pörgetés:</source>
        <translation>Total spins:</translation>
    </message>
    <message>
        <source>Terem :</source>
        <translation>Room :</translation>
    </message>
    <message>
        <source>Rendez I.</source>
        <translation>Sort I.</translation>
    </message>
    <message>
        <source> Kihagyás szerint </source>
        <translation> By absence </translation>
    </message>
    <message>
        <source>II.</source>
        <translation>II.</translation>
    </message>
    <message>
        <source> Szám szerint </source>
        <translation> By number </translation>
    </message>
    <message>
        <source>Hányszor</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Kihagy.</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>MaxKh</source>
        <translation>MaxAbs</translation>
    </message>
    <message>
        <source>D</source>
        <translation>3</translation>
    </message>
    <message>
        <source>M</source>
        <translation>2</translation>
    </message>
    <message>
        <source>P</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Alkalmaz</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Kimaradás</source>
        <translation>Absence</translation>
    </message>
    <message>
        <source>Vizsgál</source>
        <translation>Examine</translation>
    </message>
    <message>
        <source>Maximális kim.</source>
        <translation>Longest abs.</translation>
    </message>
    <message>
        <source> Max. kimarad. ssz. </source>
        <translation> Spin no. of the longest absence </translation>
    </message>
    <message>
        <source>Kijelölés töröl</source>
        <translation>Clear marks</translation>
    </message>
    <message>
        <source> Kijelölés törlése </source>
        <translation> Clear the marked numbers </translation>
    </message>
    <message>
        <source>Egyszám</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>Utca - street</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Corner</translation>
    </message>
    <message>
        <source>Párok</source>
        <translation>Splits</translation>
    </message>
    <message>
        <source>Nagyátló</source>
        <translation>Big diagonal</translation>
    </message>
    <message>
        <source>Kisátló</source>
        <translation>Small diagonal</translation>
    </message>
    <message>
        <source>Hat szám</source>
        <translation>Six line</translation>
    </message>
    <message>
        <source>Grafikon</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Vége</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source> A bejelölt szám(ok) gyakorisági grafikonja </source>
        <translation> Frequency chart of the marked number(s) </translation>
    </message>
    <message>
        <source>  Start</source>
        <translation>  Load</translation>
    </message>
    <message>
        <source>Szűkít</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <source>Teljes</source>
        <translation>Full list</translation>
    </message>
    <message>
        <source>Teljes törlés</source>
        <translation>Delete full list</translation>
    </message>
    <message>
        <source>Utolsó </source>
        <translation>Last </translation>
    </message>
    <message>
        <source>Terem választás</source>
        <translation>Choose room</translation>
    </message>
    <message>
        <source>Terem %1.</source>
        <translation>Room %1</translation>
    </message>
    <message>
        <source>5-s intervallum</source>
        <translation>Intervals of 5</translation>
    </message>
    <message>
        <source>Eszközök</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Kerék</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Esélyek</source>
        <translation>Odds</translation>
    </message>
    <message>
        <source>Tétrendszerek</source>
        <translation>Betting systems</translation>
    </message>
    <message>
        <source>Exportálás CSV-be…</source>
        <translation>Export to CSV…</translation>
    </message>
    <message>
        <source>CSV, vesszővel elválasztva (*.csv)</source>
        <translation>CSV, comma-separated (*.csv)</translation>
    </message>
    <message>
        <source>CSV magyar nyelvű táblázatkezelőnek: pontosvessző, UTF-8 BOM (*.csv)</source>
        <translation>CSV for a spreadsheet in Hungarian: semicolons, UTF-8 BOM (*.csv)</translation>
    </message>
    <message>
        <source>Exportálás CSV-be</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>Ez már létezik, és az exportálás felülírná:
%1
Felülírja?</source>
        <translation>This already exists and the export would overwrite it:
%1
Overwrite it?</translation>
    </message>
    <message>
        <source>Az exportálás nem sikerült, ezek a fájlok nem készültek el:
%1</source>
        <translation>The export failed; these files were not made:
%1</translation>
    </message>
    <message>
        <source>Az exportálás kész:
%1
%2</source>
        <translation>The export is done:
%1
%2</translation>
    </message>
    <message>
        <source>Biztos, hogy mentés nélkül lép ki ?</source>
        <translation>Exit without saving?</translation>
    </message>
    <message>
        <source>Hibás teremszám beállítás !</source>
        <translation>Wrong room number!</translation>
    </message>
    <message>
        <source>A program leáll, majd újraindul !</source>
        <translation>The program stops and starts again!</translation>
    </message>
    <message>
        <source>A program leáll, majd újraindúl !</source>
        <translation>The program stops and starts again!</translation>
    </message>
    <message>
        <source>A pörgetési listák mappája nem írható:
%1
A listák betölthetők, de mentés és teremváltás nem lehetséges, amíg a mappa nem írható.</source>
        <translation>The folder of the spin lists cannot be written:
%1
The lists can be loaded, but saving and switching rooms are not possible until the folder can be written.</translation>
    </message>
    <message>
        <source>Nem olvasható fájl (hiányzik az olvasási jog, vagy nem közönséges fájl):
%1</source>
        <translation>Unreadable file (no permission to read it, or not a regular file):
%1</translation>
    </message>
    <message numerus="yes">
        <source>%1 sor kimaradt, mert nem 0 és 36 közötti számot tartalmaz. Az első hibás sor: %2.</source>
        <translation>
            <numerusform>%1 line was left out because it holds no number from 0 to 36. The first wrong line: %2.</numerusform>
            <numerusform>%1 lines were left out because they hold no number from 0 to 36. The first wrong line: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A lista hosszabb %1 pörgetésnél: a legrégebbi %2 pörgetés kimaradt, a legutóbbi %1 betöltődött.</source>
        <translation>
            <numerusform>The list is longer than %1 spins: the oldest %2 spin was left out, the latest %1 were loaded.</numerusform>
            <numerusform>The list is longer than %1 spins: the oldest %2 spins were left out, the latest %1 were loaded.</numerusform>
        </translation>
    </message>
    <message>
        <source>A(z) %1. terem mentett listájában olyan pörgetések is vannak, amelyek nincsenek a mostani listában. Mentéskor ezek elvesznek.
Biztosan felülírja a terem listáját ?</source>
        <translation>The saved list of room %1 also holds spins that are not in the current list. Saving loses them.
Overwrite the room's list?</translation>
    </message>
    <message>
        <source>A mentés nem sikerült, nem írható:
%1</source>
        <translation>Saving failed, cannot write:
%1</translation>
    </message>
    <message>
        <source>
A program nem indul újra, semmi sem változott.</source>
        <translation>
The program does not restart; nothing has changed.</translation>
    </message>
    <message>
        <source>Nem sikerült elindítani a programot:
%1
A program tovább fut.</source>
        <translation>The program could not be started:
%1
This one keeps running.</translation>
    </message>
    <message>
        <source>Biztosan törli a(z) %1. terem teljes mentett listáját ?
A törlés nem vonható vissza.</source>
        <translation>Delete the whole saved list of room %1?
This cannot be undone.</translation>
    </message>
    <message>
        <source>Nincs *Terem* megadva !</source>
        <translation>No *Room* given!</translation>
    </message>
    <message>
        <source>Szűkített statisztikák !</source>
        <translation>Narrowed statistics!</translation>
    </message>
    <message>
        <source>Kérem adja meg , hogy az utolsó hány pörgetést válogassam le !</source>
        <translation>How many of the last spins should be kept?</translation>
    </message>
    <message>
        <source>Hiányzó vagy nem olvasható csoportfájl: %1
Ezeknek a csoportoknak az elemzése üres marad.</source>
        <translation>Missing or unreadable group file: %1
The analysis of these groups stays empty.</translation>
    </message>
    <message>
        <source>A pörgetések listája megtelt: legfeljebb %1 pörgetés tárolható !</source>
        <translation>The spin list is full: at most %1 spins can be kept!</translation>
    </message>
</context>
<context>
    <name>vintaro::HelpBrowser</name>
    <message>
        <source>Vintaro – Kézikönyv</source>
        <translation>Vintaro – Manual</translation>
    </message>
    <message>
        <source>Keresés a kézikönyvben</source>
        <translation>Search the manual</translation>
    </message>
    <message>
        <source>A lista azokat az oldalakat mutatja, amelyeken minden beírt szó megvan; az Enter a következő előfordulásra ugrik.</source>
        <translation>The list shows the pages that hold every word typed; Enter goes to the next place on the page.</translation>
    </message>
    <message>
        <source>Tartalom</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Kézikönyv</source>
        <translation>Manual</translation>
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
        <translation>The spins of FILE into the saved list of a room (a list, a table or the program's CSV export; Windows-1250, UTF-8 or UTF-16), without a window. --room gives the room.</translation>
    </message>
    <message>
        <source>FÁJL</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>A terem mentett listája helyére (alapesetben utána fűzi).</source>
        <translation>In place of the room's saved list (by default after it).</translation>
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
    <message>
        <source>A terem (1-10), amelybe az --import tölt, vagy amelynek naplóját a --ledger kiírja.</source>
        <translation>The room (1-10) that --import fills or whose ledger --ledger prints.</translation>
    </message>
    <message>
        <source>A --room csak az --import vagy a --ledger mellett használható.</source>
        <translation>--room can only be used with --import or --ledger.</translation>
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
The room's list has not changed.</translation>
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
        <translation>After the room's saved list</translation>
    </message>
    <message>
        <source>A terem mentett listája helyére</source>
        <translation>In place of the room's saved list</translation>
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
    <name>vintaro::Info</name>
    <message>
        <source>INFORMÁCIÓ</source>
        <translation>INFORMATION</translation>
    </message>
    <message>
        <source>MIT licenc</source>
        <translation>MIT License</translation>
    </message>
    <message>
        <source>Rulettpörgetések nyilvántartása és statisztikája egyzérós kerékhez, tíz terem számára</source>
        <translation>Roulette spin records and statistics for a single-zero wheel, for ten rooms</translation>
    </message>
    <message>
        <source>Dokumentáció</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Kilép</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>A kézikönyv (%1) nem nyitható meg: nincs program, amely megnyitná. A dokumentumokat az xdg-open nyitja meg (Debian-csomag: xdg-utils), a kézikönyvet pedig egy szövegszerkesztő, például a LibreOffice Writer.</source>
        <translation>The manual (%1) cannot be opened: there is no program to open it. Documents are opened by xdg-open (Debian package: xdg-utils), and the manual by a word processor such as LibreOffice Writer.</translation>
    </message>
    <message>
        <source>Szabad szoftver, az MIT licenc szerint szabadon használható, másolható és terjeszthető. A legfrissebb változat a forráskóddal:
%1</source>
        <translation>Free software under the MIT licence: use, copy and share it freely. The latest version with its source:
%1</translation>
    </message>
    <message>
        <source>Kérdés, hibabejelentés és javaslat a projekt hibakövetőjébe írható:
%1</source>
        <translation>Questions, faults and ideas go to the project's tracker:
%1</translation>
    </message>
    <message>
        <source>Ugyanez a kézikönyv a programban is olvasható. Megnyitja ?</source>
        <translation>The same manual can be read inside the program. Open it?</translation>
    </message>
</context>
<context>
    <name>vintaro::InputFile</name>
    <message>
        <source>ez egy mappa, nem fájl</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>ez egy eszköz, nem fájl; csak fájl vagy csővezeték olvasható</source>
        <translation>it is a device, not a file; only a file or a pipe can be read</translation>
    </message>
    <message>
        <source>ez nem közönséges fájl</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>ez csővezeték, nem közönséges fájl; itt csak fájl elemezhető</source>
        <translation>it is a pipe, not a regular file; only a file can be analysed here</translation>
    </message>
    <message>
        <source>ez egy eszköz, nem közönséges fájl</source>
        <translation>it is a device, not a regular file</translation>
    </message>
    <message>
        <source>a szabványos bemenet zárva van</source>
        <translation>standard input is closed</translation>
    </message>
    <message>
        <source>ismeretlen rendszerhiba (%1. számú)</source>
        <translation>unknown system error (number %1)</translation>
    </message>
    <message>
        <source>nincs ilyen fájl vagy mappa</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>nincs hozzá jogosultság</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>a művelet nem engedélyezett</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>az útvonal egyik tagja nem mappa</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>túl hosszú a fájl neve</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>túl sok szimbolikus link az útvonalban</source>
        <translation>too many symbolic links in the path</translation>
    </message>
    <message>
        <source>írási vagy olvasási hiba a lemezen</source>
        <translation>read or write error on the disk</translation>
    </message>
    <message>
        <source>nincs több hely a lemezen</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>a fájlrendszer csak olvasható</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>túl sok megnyitott fájl</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>nincs elég memória</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>túl nagy a fájl</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>nincs ilyen eszköz</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>az eszköz foglalt</source>
        <translation>the device is busy</translation>
    </message>
    <message>
        <source>érvénytelen argumentum</source>
        <translation>invalid argument</translation>
    </message>
    <message>
        <source>az erőforrás átmenetileg nem érhető el</source>
        <translation>the resource is temporarily unavailable</translation>
    </message>
</context>
<context>
    <name>vintaro::Interval5</name>
    <message>
        <source> Ötös intervallum vizsgálat</source>
        <translation> Intervals of five</translation>
    </message>
    <message>
        <source>Maximális kimaradás</source>
        <translation>Longest absence</translation>
    </message>
    <message>
        <source>Kilép</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>vintaro::Kerek</name>
    <message>
        <source>mind</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Kihagyás (pörgetés, amióta nem jött)</source>
        <translation>Absence (spins since it last came)</translation>
    </message>
    <message>
        <source>Kerék</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Kattintás: zseb választása · dupla kattintás: a szám beírása pörgetésként</source>
        <translation>Click: choose a pocket · double click: enter its number as a spin</translation>
    </message>
    <message>
        <source>Hőgyűrű</source>
        <translation>Heat ring</translation>
    </message>
    <message>
        <source>Találat az utolsó</source>
        <translation>Hits in the last</translation>
    </message>
    <message>
        <source>pörgetésben</source>
        <translation>spins</translation>
    </message>
    <message>
        <source>Szomszédok mindkét oldalon:</source>
        <translation>Neighbours on each side:</translation>
    </message>
    <message>
        <source>Választott zseb: nincs</source>
        <translation>Chosen pocket: none</translation>
    </message>
    <message>
        <source>Választott zseb: %1   Szomszédok: %2</source>
        <translation>Chosen pocket: %1   Neighbours: %2</translation>
    </message>
    <message>
        <source>Nincs pörgetés</source>
        <translation>No spins</translation>
    </message>
    <message numerus="yes">
        <source>%1 pörgetés</source>
        <translation>
            <numerusform>%1 spin</numerusform>
            <numerusform>%1 spins</numerusform>
        </translation>
    </message>
    <message>
        <source>Kihagyás: pörgetés, amióta a szám nem jött</source>
        <translation>Absence: spins since the number last came</translation>
    </message>
    <message numerus="yes">
        <source>Találat az utolsó %1 pörgetésben</source>
        <translation>
            <numerusform>Hits in the last %1 spin</numerusform>
            <numerusform>Hits in the last %1 spins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 pörgetés óta nem jött</source>
        <translation>
            <numerusform>%1: not come for %2 spin</numerusform>
            <numerusform>%1: not come for %2 spins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 találat</source>
        <translation>
            <numerusform>%1: %2 hit</numerusform>
            <numerusform>%1: %2 hits</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vintaro::Naplo</name>
    <message>
        <source>Napló</source>
        <translation>Ledger</translation>
    </message>
    <message>
        <source>A napló (%1) nem olvasható; a program nem írja felül.</source>
        <translation>The ledger (%1) cannot be read; the program does not overwrite it.</translation>
    </message>
    <message>
        <source>A napló (%1) sérült a(z) %2. sorában; a program nem írja felül.</source>
        <translation>The ledger (%1) is damaged in line %2; the program does not overwrite it.</translation>
    </message>
    <message>
        <source>Menet</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>hely, asztal</source>
        <translation>place, table</translation>
    </message>
    <message>
        <source>Hely:</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>Hozott pénz:</source>
        <translation>Money brought:</translation>
    </message>
    <message>
        <source>Vitt pénz:</source>
        <translation>Money taken away:</translation>
    </message>
    <message>
        <source>Jegyzet:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Menet kezdése</source>
        <translation>Begin session</translation>
    </message>
    <message>
        <source>Menet vége</source>
        <translation>End session</translation>
    </message>
    <message>
        <source>Tétek a következő pörgetésre</source>
        <translation>Stakes on the next spin</translation>
    </message>
    <message>
        <source>Tét:</source>
        <translation>Stake:</translation>
    </message>
    <message>
        <source>%1 zseton, a tét zsetononként</source>
        <translation>%1 chips, the stake is per chip</translation>
    </message>
    <message>
        <source>Számra</source>
        <translation>On the number</translation>
    </message>
    <message>
        <source>A kiválasztásra</source>
        <translation>On the selection</translation>
    </message>
    <message>
        <source>A kiválasztott számok mindegyikére a tét</source>
        <translation>The stake on each selected number</translation>
    </message>
    <message>
        <source>Utolsó tét vissza</source>
        <translation>Take back the last stake</translation>
    </message>
    <message>
        <source>A menet pénze pörgetésenként és a várható</source>
        <translation>The session's money spin by spin, and the expected</translation>
    </message>
    <message>
        <source>Pénz</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Várható (tét/37 veszteség)</source>
        <translation>Expected (a loss of stake/37)</translation>
    </message>
    <message>
        <source>pörgetés a menetben</source>
        <translation>spin in the session</translation>
    </message>
    <message>
        <source>A napló (%1) nem írható.</source>
        <translation>The ledger (%1) cannot be written.</translation>
    </message>
    <message>
        <source>Nincs nyitott menet (%1. terem).</source>
        <translation>No open session (room %1).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Még nincs menet ebben a teremben.</source>
        <translation>No session in this room yet.</translation>
    </message>
    <message>
        <source>A(z) %1. menet pénze most: %2 (hozott %3).</source>
        <translation>Money of session %1 now: %2 (brought %3).</translation>
    </message>
    <message>
        <source>A terem összes menete: %1 %2</source>
        <translation>All sessions of the room: %1 %2</translation>
    </message>
    <message>
        <source>Elfogad</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>A javasolt tét rögzítése (Ctrl+Enter)</source>
        <translation>Records the proposed stake (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Javaslat: nincs választott rendszer (a Tétrendszerek ablakban választható).</source>
        <translation>Proposal: no system chosen (choose one in the Betting systems window).</translation>
    </message>
    <message>
        <source>Javaslat (%1, %2): nincs – a menet pénze a szabályok szerint elfogyott.</source>
        <translation>Proposal (%1, %2): none – under the rules the session's money has run out.</translation>
    </message>
    <message>
        <source>Javaslat (%1, %2): nincs – a menet elérte a célt.</source>
        <translation>Proposal (%1, %2): none – the session has reached its target.</translation>
    </message>
    <message>
        <source>Javaslat (%1, %2): nincs – a rendszer véget vetett a menetnek.</source>
        <translation>Proposal (%1, %2): none – the system has ended the session.</translation>
    </message>
    <message>
        <source>Javaslat (%1, %2): a rendszer kihagyja a következő pörgetést.</source>
        <translation>Proposal (%1, %2): the system sits the next spin out.</translation>
    </message>
    <message>
        <source>Javaslat (%1): %2: %3</source>
        <translation>Proposal (%1): %2: %3</translation>
    </message>
    <message>
        <source>Javaslat (%1, %2): a rendszer tétje nem rakható fel egész összegekben.</source>
        <translation>Proposal (%1, %2): the system's stake cannot be placed in whole amounts.</translation>
    </message>
    <message>
        <source>%1 (rögzítve)</source>
        <translation>%1 (recorded)</translation>
    </message>
    <message>
        <source>Új menet kezdése (Ctrl+N)</source>
        <translation>Begin a new session (Ctrl+N)</translation>
    </message>
    <message>
        <source>A nyitott menet lezárása (Ctrl+E)</source>
        <translation>End the open session (Ctrl+E)</translation>
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
        <translation>On a fair wheel it varies around the Várható (expected) column; past hits do not change the next spin's chance.</translation>
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
        <translation>On a fair wheel z mostly lies between −2 and 2, but among many bets one or two always stand out; one bet's z alone proves no bias.</translation>
    </message>
    <message>
        <source>Pörgetések a tét legutóbbi találata óta.</source>
        <translation>Spins since the bet's latest win.</translation>
    </message>
    <message>
        <source>Szabályos keréken a hosszú kimaradás nem növeli a tét esélyét: a következő pörgetésben most is számok/37.</source>
        <translation>On a fair wheel a long absence does not raise the bet's chance: in the next spin it is still numbers/37.</translation>
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
        <translation>The bet's longest absence in the history.</translation>
    </message>
    <message>
        <source>Minél hosszabb az előzmény, annál hosszabb leghosszabb kimaradás várható szabályos keréken is.</source>
        <translation>The longer the history, the longer the longest absence a fair wheel gives too.</translation>
    </message>
    <message>
        <source>Az esélye, hogy szabályos keréken a tét leghosszabb kimaradása ennyi pörgetés alatt legalább ekkora legyen.</source>
        <translation>The chance that on a fair wheel the bet's longest absence over this many spins is at least this long.</translation>
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
        <translation>The test's statistic for the history (the chi-square, for example).</translation>
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
        <translation>The p-value adjusted by Holm's method: all the tests of the table taken together.</translation>
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
        <translation>On a fair wheel the evidence mostly stays below 1 and says “suspicious” only rarely. Without a bias the next spin's chance is 1/37 for every number.</translation>
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
        <translation>The evidence and the verdict of the chosen file's spins, computed as for the live history.</translation>
    </message>
    <message>
        <source>Mit olvasott a program a fájlból: a pörgetéseket és a kihagyott elemeket.</source>
        <translation>What the program read from the file: the spins and the items skipped.</translation>
    </message>
    <message>
        <source>Ez a múltat írja le: szabályos keréken a következő pörgetés esélye ettől nem változik, csak egy valódi torzítás változtatna rajta.</source>
        <translation>This describes the past: on a fair wheel it does not change the next spin's chance; only a real bias would.</translation>
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
    <message>
        <source>Tétrendszerek</source>
        <translation>Betting systems</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Egy szám</source>
        <translation>Single number</translation>
    </message>
    <message>
        <source>Ugyanaz a mag ugyanazt a szimulációt adja.</source>
        <translation>The same seed gives the same simulation.</translation>
    </message>
    <message>
        <source>Tét:</source>
        <translation>Bet:</translation>
    </message>
    <message>
        <source>Szám:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>Rendszer:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Egység:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>Kezdőtőke:</source>
        <translation>Bankroll:</translation>
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
        <source>Menetek:</source>
        <translation>Sessions:</translation>
    </message>
    <message>
        <source>Mag:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>Lejátszás a jegyzett pörgetéseken</source>
        <translation>Play on the recorded spins</translation>
    </message>
    <message>
        <source>Szimuláció</source>
        <comment>the button</comment>
        <translation>Simulate</translation>
    </message>
    <message>
        <source>A tőke pörgetésről pörgetésre</source>
        <translation>The bankroll spin by spin</translation>
    </message>
    <message>
        <source>Jegyzett pörgetéseken</source>
        <translation>On the recorded spins</translation>
    </message>
    <message>
        <source>Jegyzett pörgetések</source>
        <translation>Recorded spins</translation>
    </message>
    <message>
        <source>A menetek végeredménye (a menetek %-a)</source>
        <translation>Final results of the sessions (% of the sessions)</translation>
    </message>
    <message>
        <source>Szimuláció</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Jegyzett pörgetések: %1</source>
        <translation>Recorded spins: %1</translation>
    </message>
    <message>
        <source>Nincs kijelölt szám: jelölje ki a számokat a főablak kijelölő rácsán, vagy válasszon más tétet.</source>
        <translation>No number is selected: select the numbers on the selection grid of the main window, or choose another bet.</translation>
    </message>
    <message>
        <source>Szimuláció folyamatban…</source>
        <translation>Simulation running…</translation>
    </message>
    <message>
        <source>A szimuláció megszakítva.</source>
        <translation>Simulation cancelled.</translation>
    </message>
    <message numerus="yes">
        <source>%1 szimulált menet, mag: %2.</source>
        <translation>
            <numerusform>%1 simulated session, seed: %2.</numerusform>
            <numerusform>%1 simulated sessions, seed: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vintaro::SectorModel</name>
    <message>
        <source>Zseb</source>
        <translation>Pockets</translation>
    </message>
    <message>
        <source>Hányszor</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Várható</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Kihagy.</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>MaxKh</source>
        <translation>MaxAbs</translation>
    </message>
    <message>
        <source>Szomszédok</source>
        <translation>Neighbours</translation>
    </message>
</context>
<context>
    <name>vintaro::SpinFormat</name>
    <message>
        <source>UTF-16 kódolású szöveg</source>
        <translation>UTF-16 text</translation>
    </message>
    <message>
        <source>a program CSV-exportja, a „Szám” oszlopa</source>
        <translation>the program's CSV export, its number column</translation>
    </message>
    <message>
        <source>a program CSV-exportja UTF-16 kódolásban, a „Szám” oszlopa</source>
        <translation>the program's CSV export in UTF-16, its number column</translation>
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
        <translation>the program's CSV export (its number column)</translation>
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
    <message>
        <source>Menetek</source>
        <translation>Sessions</translation>
    </message>
</context>
<context>
    <name>vintaro::SystemsHelp</name>
    <message>
        <source>Szabályos keréken egyik beállítás sem változtatja meg a következő pörgetés esélyét: minden tét átlagosan a feltett összeg 1/37 részét veszíti, a beállítások csak azt alakítják, mennyit tesz fel a játékos, és hogyan oszlik el az eredmény.</source>
        <translation>On a fair wheel no setting changes the next spin's chances: every bet loses 1/37 of the amount staked on average; the settings only shape how much the player stakes and how the result is spread.</translation>
    </message>
    <message>
        <source>Ez a rendszer meneteit írja le: szabályos keréken a következő pörgetés esélye ettől nem változik, és egy tétrendszer sem változtat rajta.</source>
        <translation>This describes the system's sessions: on a fair wheel the next spin's chances do not change with it, and no betting system changes them.</translation>
    </message>
    <message>
        <source>A tét, amelyre a rendszer minden pörgetésben tesz: egy esélyes tét, egy szám vagy a kijelölt számok.</source>
        <translation>The bet the system places on every spin: an even-money or other group bet, one number or the selected numbers.</translation>
    </message>
    <message>
        <source>Szabályos keréken minden tét ugyanannyit veszít átlagosan, a feltett összeg 1/37 részét; a tét választása a nyerések gyakoriságát és a szórást változtatja, a ház részét nem.</source>
        <translation>On a fair wheel every bet loses the same on average, 1/37 of the amount staked; the choice of bet changes how often it wins and the spread, not the house's share.</translation>
    </message>
    <message>
        <source>A szám, amelyre az „Egy szám” tét szól.</source>
        <translation>The number the “Single number” bet is on.</translation>
    </message>
    <message>
        <source>A tétrendszer: mennyit tesz a következő pörgetésre az eddigi nyerések és vesztések után.</source>
        <translation>The betting system: how much it stakes on the next spin after the wins and losses so far.</translation>
    </message>
    <message>
        <source>Szabályos keréken egy rendszer sem változtatja meg a következő pörgetés esélyét; csak azt, mennyit tesz fel a játékos, és hogyan oszlik el az eredmény: sok kis nyereség és ritka nagy veszteség, vagy fordítva.</source>
        <translation>On a fair wheel no system changes the next spin's chances; only how much the player stakes and how the result is spread: many small wins and a rare large loss, or the other way round.</translation>
    </message>
    <message>
        <source>Egy tétegység összege: a rendszerek tétjei ennek többszörösei.</source>
        <translation>The amount of one betting unit: the systems' stakes are multiples of it.</translation>
    </message>
    <message>
        <source>A menet kezdőtőkéje; ha a rendszer következő tétje már nem fér bele, a menet csődbe jut.</source>
        <translation>The session's starting bankroll; once the system's next stake no longer fits in it, the session goes bust.</translation>
    </message>
    <message>
        <source>Az asztal legkisebb tétje: ennél kisebb tét nem tehető fel.</source>
        <translation>The table's smallest stake: no smaller stake can be placed.</translation>
    </message>
    <message>
        <source>Az asztal legnagyobb tétje; a rendszer nagyobb tétje erre csökken. „nincs”: nincs felső határ.</source>
        <translation>The table's largest stake; a larger stake of the system is cut to it. “none”: no upper limit.</translation>
    </message>
    <message>
        <source>A duplázó rendszerek az asztali maximumnál elakadnak, és akkor a veszteség nem hozható vissza. Szabályos keréken a következő pörgetés esélyén ez sem változtat.</source>
        <translation>Doubling systems get stuck at the table maximum, and then the loss cannot be won back. On a fair wheel this does not change the next spin's chances either.</translation>
    </message>
    <message>
        <source>A nyereség, amelynél a menet véget ér. „nincs”: nincs cél.</source>
        <translation>The winnings at which the session ends. “none”: no target.</translation>
    </message>
    <message>
        <source>Legfeljebb ennyi pörgetésből áll egy menet.</source>
        <translation>A session has at most this many spins.</translation>
    </message>
    <message>
        <source>Ennyi menetet játszik le a szimuláció szabályos keréken.</source>
        <translation>The simulation plays this many sessions on a fair wheel.</translation>
    </message>
    <message>
        <source>Több menet pontosabb számokat ad: a szabályos keréken várható értékek köré szűkülnek, a következő pörgetés esélyén azonban nem változtatnak.</source>
        <translation>More sessions give more precise figures: they close in on the values expected on a fair wheel, but they do not change the next spin's chances.</translation>
    </message>
    <message>
        <source>Hány pörgetés van az előzményben; a visszateszt ezeken játssza le a rendszert.</source>
        <translation>How many spins the history has; the backtest plays the system on them.</translation>
    </message>
    <message>
        <source>A tőke pörgetésről pörgetésre, ahogy a rendszer a jegyzett pörgetéseken játszott volna.</source>
        <translation>The bankroll spin by spin, as the system would have played on the recorded spins.</translation>
    </message>
    <message>
        <source>Szabályos keréken a görbe hosszú távon a feltett tétek 1/37 részével lefelé tart; egy emelkedő szakasz a következő pörgetés esélyén nem változtat.</source>
        <translation>On a fair wheel the curve goes down in the long run by 1/37 of the amounts staked; a rising stretch does not change the next spin's chances.</translation>
    </message>
    <message>
        <source>A szimulált menetek végeredménye: a menetek hány százaléka végzett az egyes sávokban.</source>
        <translation>The final results of the simulated sessions: what per cent of the sessions ended in each band.</translation>
    </message>
    <message>
        <source>A kérdés válasza egy mondatban: ezer menetből hány jut csődbe, és mennyit veszít egy menet átlagosan, tétegységben.</source>
        <translation>The answer in one sentence: how many sessions in a thousand go bust, and how much a session loses on average, in betting units.</translation>
    </message>
    <message>
        <source>Szabályos keréken egy menet átlagos vesztesége mindig a feltett tétek 1/37 része, bármilyen rendszerrel; a következő pörgetés esélye sem változik.</source>
        <translation>On a fair wheel a session's mean loss is always 1/37 of the amounts staked, whatever the system; nor do the next spin's chances change.</translation>
    </message>
    <message>
        <source>Egyezik-e a szimuláció azzal, hogy a rendszer a feltett tétek 1/37 részét veszíti.</source>
        <translation>Whether the simulation agrees with the system losing 1/37 of the amounts staked.</translation>
    </message>
    <message>
        <source>Szabályos keréken a tartomány húsz futásból nagyjából tizenkilencszer tartalmazza a 0-t; ha nem, az többnyire a véletlen műve, és nem jelenti, hogy a rendszer megverte a házat.</source>
        <translation>On a fair wheel the range contains 0 in about nineteen runs out of twenty; when it does not, that is mostly chance and does not mean the system beat the house.</translation>
    </message>
    <message>
        <source>A kérdezett kezdőtőke és cél, a menet minden lehetséges kimenetéből pontosan kiszámolva.</source>
        <translation>The bankroll and target asked for, computed exactly from every possible course of the session.</translation>
    </message>
    <message>
        <source>A szimuláció állapota: hány menet készült, melyik maggal.</source>
        <translation>The state of the simulation: how many sessions were played, with which seed.</translation>
    </message>
    <message>
        <source>Amit egy tétrendszer megváltoztathat, és amit nem.</source>
        <translation>What a betting system can change, and what it cannot.</translation>
    </message>
    <message>
        <source>A menetek része, amely a kezdőtőkénél többel ér véget.</source>
        <translation>The share of the sessions that end with more than the starting bankroll.</translation>
    </message>
    <message>
        <source>Szabályos keréken a rendszerek ezt gyakran nagyra tolják, ritka nagy veszteségek árán; az átlagos veszteség így is a feltett tétek 1/37 része.</source>
        <translation>On a fair wheel systems often push this high at the price of rare large losses; the mean loss is still 1/37 of the amounts staked.</translation>
    </message>
    <message>
        <source>A menetek része, amely a csőd előtt eléri a kitűzött nyereséget.</source>
        <translation>The share of the sessions that reach the target winnings before going bust.</translation>
    </message>
    <message>
        <source>A menetek része, amelyben a rendszer következő tétje már nem fér bele a megmaradt tőkébe.</source>
        <translation>The share of the sessions in which the system's next stake no longer fits in the bankroll left.</translation>
    </message>
    <message>
        <source>A menetek eredményének átlaga, zárójelben az átlag 95 %-os tartománya.</source>
        <translation>The mean of the sessions' results, with the 95% range of that mean in brackets.</translation>
    </message>
    <message>
        <source>Szabályos keréken ez a feltett tétek 1/37 részének mínusza körül van, bármilyen rendszerrel.</source>
        <translation>On a fair wheel this is around minus 1/37 of the amounts staked, whatever the system.</translation>
    </message>
    <message>
        <source>Amit szabályos keréken egy menet átlagosan veszít: a menetenként feltett összeg 1/37 része.</source>
        <translation>What a session loses on average on a fair wheel: 1/37 of the amount staked per session.</translation>
    </message>
    <message>
        <source>A menetek fele ennél rosszabbul, fele jobban végzett.</source>
        <translation>Half of the sessions ended worse than this, half better.</translation>
    </message>
    <message>
        <source>A menetek 5 %-a végzett ennél rosszabbul.</source>
        <translation>5% of the sessions ended worse than this.</translation>
    </message>
    <message>
        <source>A menetek 5 %-a végzett ennél jobban.</source>
        <translation>5% of the sessions ended better than this.</translation>
    </message>
    <message>
        <source>Ennyi pörgetésig tart átlagosan egy menet: csődig, célig vagy a pörgetések végéig.</source>
        <translation>How many spins a session lasts on average: until ruin, the target or the last spin.</translation>
    </message>
    <message>
        <source>Ennyit tesz fel egy menet összesen, átlagosan; ennek 1/37 része a várható veszteség.</source>
        <translation>How much a session stakes in all, on average; 1/37 of it is the expected loss.</translation>
    </message>
    <message>
        <source>A legnagyobb egyszerre feltett tét.</source>
        <translation>The largest stake placed at once.</translation>
    </message>
    <message>
        <source>Ennyi jegyzett pörgetésen játszott a rendszer a menet végéig.</source>
        <translation>On this many recorded spins the system played until the session ended.</translation>
    </message>
    <message>
        <source>Miért ért véget a menet.</source>
        <translation>Why the session ended.</translation>
    </message>
    <message>
        <source>A menetben feltett tétek összege.</source>
        <translation>The sum of the stakes placed in the session.</translation>
    </message>
    <message>
        <source>A menet nyeresége (+) vagy vesztesége (−) a jegyzett pörgetéseken.</source>
        <translation>The session's win (+) or loss (−) on the recorded spins.</translation>
    </message>
    <message>
        <source>Egy menet eredménye a szerencséről szól: szabályos keréken a várható érték az összes tét 1/37 részének mínusza, és a következő pörgetés esélye ettől nem változik.</source>
        <translation>One session's result is about luck: on a fair wheel the expected value is minus 1/37 of the total staked, and the next spin's chances do not change with it.</translation>
    </message>
    <message>
        <source>Amit szabályos keréken ennyi tét átlagosan elveszít: az összes tét 1/37 része.</source>
        <translation>What this much staking loses on average on a fair wheel: 1/37 of the total staked.</translation>
    </message>
    <message>
        <source>A tőke legnagyobb visszaesése egy korábbi csúcsához képest.</source>
        <translation>The bankroll's largest fall from an earlier peak.</translation>
    </message>
    <message>
        <source>A legnagyobb tét, amelyet a rendszer kért volna, mielőtt az asztali maximum vagy a tőke lecsökkentette.</source>
        <translation>The largest stake the system would have asked for before the table maximum or the bankroll cut it.</translation>
    </message>
    <message>
        <source>Ennyi pörgetésben volt kisebb a tét, mint amennyit a rendszer kért.</source>
        <translation>In this many spins the stake was smaller than the system asked for.</translation>
    </message>
    <message>
        <source>A rendszer eredménye, a jegyzett pörgetéseken lejátszva.</source>
        <translation>The system's result, played on the recorded spins.</translation>
    </message>
    <message>
        <source>Ez egyetlen menet a múltból: szabályos keréken a várható eredménye a feltett tétek 1/37 részének mínusza, és a következő pörgetés esélyén nem változtat.</source>
        <translation>This is one session from the past: on a fair wheel its expected result is minus 1/37 of the amounts staked, and it does not change the next spin's chances.</translation>
    </message>
    <message>
        <source>A mért érték; a sor fölött a tooltip elmondja, mit jelent.</source>
        <translation>The figure measured; the tooltip over its row says what it means.</translation>
    </message>
    <message>
        <source>Az érték a szimulált menetekből; ugyanaz a mag ugyanazt adja.</source>
        <translation>The figure from the simulated sessions; the same seed gives the same figure.</translation>
    </message>
    <message>
        <source>Szabályos keréken a szimulált érték a pontos körül ingadozik, több menettel egyre közelebb; a következő pörgetés esélyén nem változtat.</source>
        <translation>On a fair wheel the simulated figure scatters around the exact one, closer with more sessions; it does not change the next spin's chances.</translation>
    </message>
    <message>
        <source>A pontos érték, a menet minden lehetséges kimenetéből kiszámolva; „-”: nem számolható ki.</source>
        <translation>The exact figure, computed from every possible course of the session; “-”: it cannot be computed.</translation>
    </message>
</context>
<context>
    <name>vintaro::WheelHelp</name>
    <message>
        <source>A szektor zsebeinek száma a kerék 37 zsebéből.</source>
        <translation>The number of the sector's pockets among the wheel's 37.</translation>
    </message>
    <message>
        <source>Szabályos keréken a szektor esélye minden pörgetésben zseb/37, bármi jött is előtte.</source>
        <translation>On a fair wheel the sector's chance in every spin is pockets/37, whatever came before.</translation>
    </message>
    <message>
        <source>Ennyi pörgetés eredménye esett a szektorba.</source>
        <translation>This many spins fell into the sector.</translation>
    </message>
    <message>
        <source>Szabályos keréken a Várható oszlop értéke körül ingadozik. A múltbeli találatok a következő pörgetés esélyén nem változtatnak; csak egy valódi torzítás tenné, amit az Esélyek ablak mér.</source>
        <translation>On a fair wheel it varies around the Várható (expected) column. Past hits do not change the next spin's chance; only a real bias would, which the Esélyek (odds) window measures.</translation>
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
        <translation>Spins since the sector's latest hit.</translation>
    </message>
    <message>
        <source>Szabályos keréken egy hosszú kihagyás után sem nagyobb a szektor esélye: a kerék nem emlékszik, a következő pörgetés esélye most is zseb/37.</source>
        <translation>On a fair wheel a long absence does not raise the sector's chance: the wheel has no memory, the next spin's chance is still pockets/37.</translation>
    </message>
    <message>
        <source>A szektor leghosszabb kihagyása az előzményben.</source>
        <translation>The sector's longest absence in the history.</translation>
    </message>
    <message>
        <source>Minél hosszabb az előzmény, annál hosszabb leghosszabb kihagyás várható szabályos keréken is; a következő pörgetésről nem mond semmit.</source>
        <translation>The longer the history, the longer the longest absence a fair wheel gives too; it says nothing about the next spin.</translation>
    </message>
    <message>
        <source>A kerék a zsebek sorrendjében; a gyűrű színe a zseb találatait mutatja a választott ablakban.</source>
        <translation>The wheel in the order of its pockets; the ring's colour shows each pocket's hits in the chosen window.</translation>
    </message>
    <message>
        <source>Szabályos keréken is mindig van melegebb és hidegebb zseb; a színek a múltat írják le, a következő pörgetés esélye minden zsebre 1/37.</source>
        <translation>A fair wheel always has warmer and colder pockets too; the colours describe the past, the next spin's chance is 1/37 for every pocket.</translation>
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
        <translation>The ring's colour scale: what the chosen measure counts.</translation>
    </message>
    <message>
        <source>A skála alja: a legkisebb érték a gyűrűn.</source>
        <translation>The bottom of the scale: the smallest value on the ring.</translation>
    </message>
    <message>
        <source>A gyűrű színei a skála aljától a tetejéig.</source>
        <translation>The ring's colours from the bottom of the scale to its top.</translation>
    </message>
    <message>
        <source>A skála teteje: a legnagyobb érték a gyűrűn.</source>
        <translation>The top of the scale: the largest value on the ring.</translation>
    </message>
    <message>
        <source>A kattintással választott zseb és szomszédai a keréken; a táblázat Szomszédok sora róluk szól.</source>
        <translation>The pocket chosen by a click and its neighbours on the wheel; the table's Neighbours row counts them.</translation>
    </message>
    <message>
        <source>Hány szomszédot számol a választott zseb mindkét oldalán.</source>
        <translation>How many neighbours on each side of the chosen pocket are counted.</translation>
    </message>
    <message>
        <source>Amit mutat, az a múlt: a következő pörgetés esélye szabályos keréken minden zsebre 1/37.</source>
        <translation>What it shows is the past: on a fair wheel the next spin's chance is 1/37 for every pocket.</translation>
    </message>
</context>
</TS>