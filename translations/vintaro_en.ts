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
    <message>
        <source>
Fájlok:
  A program mappája (ahol a vintaro2011 van), ha írható, és ott vannak az
      adatfájlok: minden fájlt ott olvas és ír, ahogy mindig is.
  /usr/share/vintaro/
      Telepítve: az adatfájlok (piros.bmp, XX.BMP, parok.txt, katlo.txt,
      natlo.txt, corner.txt és a kézikönyv, Vintaro.doc); csak olvassa őket.
  $XDG_DATA_HOME/vintaro/ (alapesetben ~/.local/share/vintaro/)
      Telepítve: a pörgetési listák (rszamok.txt, rszamok1.txt … rszamok10.txt)
      és a terem.txt; az első használatkor jön létre. A --data-dir helyette
      egy másik mappát ad meg.
  Az exportált CSV fájlokat oda írja, ahová a mentés ablakában kéri.

Környezeti változók:
  XDG_DATA_HOME  a felhasználó adatmappája (alapesetben ~/.local/share);
      telepítve ebben tartja a pörgetési listákat.

Kilépési kódok:
  0  rendben lefutott (a --help és a --version is);
  2  hibás parancssor, vagy az --analyse fájlja nem olvasható.
</source>
        <translation>
Files:
  The program&apos;s folder (where vintaro2011 is), when it can be written and
      holds the data files: every file is read and written there, as always.
  /usr/share/vintaro/
      Installed: the data files (piros.bmp, XX.BMP, parok.txt, katlo.txt,
      natlo.txt, corner.txt and the manual, Vintaro.doc); only read.
  $XDG_DATA_HOME/vintaro/ (by default ~/.local/share/vintaro/)
      Installed: the spin lists (rszamok.txt, rszamok1.txt … rszamok10.txt)
      and terem.txt, made on first use. --data-dir names another folder
      instead.
  Exported CSV files are written where the save dialog is told.

Environment:
  XDG_DATA_HOME  the user&apos;s data folder (by default ~/.local/share); the
      installed program keeps its spin lists in it.

Exit codes:
  0  ran to the end (--help and --version too);
  2  a wrong command line, or the file of --analyse cannot be read.
</translation>
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
        <translation>The program&apos;s version.</translation>
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
Without options it opens the program&apos;s window.

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
    <name>vintaro::SpinFormat</name>
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
    <name>vintaro::SystemCharts</name>
    <message>
        <source>Tőke</source>
        <translation>Bankroll</translation>
    </message>
</context>
</TS>
