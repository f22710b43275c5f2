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
    <name>LedgerCommand</name>
    <message>
        <source>A napló menetei és összesítése a becsületes sorral, ablak nélkül.</source>
        <translation>The sessions of the ledger and their totals with the honest line, without a window.</translation>
    </message>
    <message>
        <source>A --ledger csak ennek a teremnek a naplóját írja ki.</source>
        <translation>--ledger prints the ledger of this room only.</translation>
    </message>
    <message>
        <source>TEREM</source>
        <translation>ROOM</translation>
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
        <source>A --room és a --csv a --ledger mellé való.</source>
        <translation>--room and --csv go with --ledger.</translation>
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
        <translation>Start session</translation>
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
        <translation>The session&apos;s money spin by spin, and the expected</translation>
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
