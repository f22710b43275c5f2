<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu_HU">
<context>
    <name>Appearance</name>
    <message>
        <source>vintaro2011: a Liberation Sans betűtípus nem található (%1); a Debian fonts-liberation2 csomagja hozza. Helyette más betűtípus áll, és egyes feliratok nem férnek el a helyükön.
</source>
        <translation>vintaro2011: the Liberation Sans font is not found (%1); Debian&apos;s fonts-liberation2 package brings it. Another font stands in, and some captions do not fit in their places.
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
    <name>GroupReport</name>
    <message>
        <source>Hat szám :  </source>
        <translation>Six line :  </translation>
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
</context>
<context>
    <name>IntervalReport</name>
    <message>
        <source>  Maximális kimaradás</source>
        <translation>  Longest absence</translation>
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
        <translation>The room&apos;s saved list is not loaded yet: Load reads it in and appends the spins already entered.</translation>
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
Overwrite the room&apos;s list?</translation>
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
        <source>Szabad szoftver: a legfrissebb változata a forráskóddal együtt a projekt tárolójából tölthető le, és az MIT licenc szerint szabadon használható, másolható és terjeszthető.</source>
        <translation>Free software: its latest version, with the source code, can be downloaded from the project&apos;s repository, and under the MIT License it may be freely used, copied and distributed.</translation>
    </message>
    <message>
        <source>Segítséget bárki kérhet: kérdését, hibabejelentését és javaslatát a projekt hibakövetőjében várjuk.</source>
        <translation>Anyone may ask for help: questions, bug reports and suggestions are welcome in the project&apos;s issue tracker.</translation>
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
    <name>vintaro::SystemCharts</name>
    <message>
        <source>Tőke</source>
        <translation>Bankroll</translation>
    </message>
</context>
</TS>
