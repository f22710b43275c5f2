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
    <name>ProjectAddress</name>
    <message>
        <source>A projekt honlapja: %1
Hibabejelentés: %1/issues</source>
        <translation>The project&apos;s home: %1
Report faults at: %1/issues</translation>
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
    <name>vintaro::Info</name>
    <message>
        <source>Szabad szoftver, az MIT licenc szerint szabadon használható, másolható és terjeszthető. A legfrissebb változat a forráskóddal:
%1</source>
        <translation>Free software under the MIT licence: use, copy and share it freely. The latest version with its source:
%1</translation>
    </message>
    <message>
        <source>Kérdés, hibabejelentés és javaslat a projekt hibakövetőjébe írható:
%1</source>
        <translation>Questions, faults and ideas go to the project&apos;s tracker:
%1</translation>
    </message>
    <message>
        <source>A kézikönyv (%1) nem nyitható meg: nincs program, amely megnyitná. A dokumentumokat az xdg-open nyitja meg (Debian-csomag: xdg-utils), a kézikönyvet pedig egy szövegszerkesztő, például a LibreOffice Writer.</source>
        <translation>The manual (%1) cannot be opened: no program opens it. Documents are opened by xdg-open (Debian package: xdg-utils), and the manual by a word processor such as LibreOffice Writer.</translation>
    </message>
    <message>
        <source>Ugyanez a kézikönyv a programban is olvasható. Megnyitja ?</source>
        <translation>The same manual can be read inside the program. Open it?</translation>
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
