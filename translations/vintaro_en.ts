<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu_HU">
<context>
    <name>Bets</name>
    <message>
        <source>Kijelölt számok</source>
        <translation>Selected numbers</translation>
    </message>
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
    <name>SimulateCommand</name>
    <message>
        <source>nincs</source>
        <translation>none</translation>
    </message>
    <message>
        <source>own (saját rendszer, lásd --stakes és --system-file)</source>
        <translation>own (a system of the player&apos;s own, see --stakes and --system-file)</translation>
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
        <source>D&apos;Alembert</source>
        <translation>D&apos;Alembert</translation>
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
        <source>Oscar&apos;s Grind</source>
        <translation>Oscar&apos;s Grind</translation>
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
</TS>
