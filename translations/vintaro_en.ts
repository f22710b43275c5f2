<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu_HU">
<context>
    <name>CommandLine</name>
    <message>
        <source>A program nyelve: hu (magyar, ez az alapértelmezés) vagy en (angol).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --language értéke hu vagy en lehet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A pörgetési listák mappáját már egy másik futó Vintaro használja:
%1
Egy mappát egyszerre csak egy program használhat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pörgetési listák mappáját (%1) egy másik gép (%2) Vintarója zárolta. Ha ott már nem fut, a mappa átvehető; ha fut, a két program felülírná egymás pörgetéseit.
Átveszi a mappát ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pörgetési listák mappájában a zárfájl helyén valami más áll, ami nem távolítható el:
%1
Távolítsa el, és indítsa újra a programot.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vintaro::Form1</name>
    <message>
        <source>Nem sikerült írni, a korábbi tartalom megmaradt:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl helyén szimbolikus link áll:
%1
A program nem ír linken keresztül, és nem is cseréli le; a korábbi tartalom megmaradt. Tegye a link helyére azt a fájlt, amelyre mutat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A teremműveletek naplója sérült, a program nem hajtja végre:
%1
Amíg ez a fájl ott van, mentés és teremváltás nem lehetséges. Helyezze át vagy nevezze át, és a mentés újra működik (a program a következő indításkor félre is teheti).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy teremművelet nem fejeződött be, ez a fájl nem cserélhető le:
%1
A naplója megmaradt:
%2
A program a következő indításkor befejezi. Addig a munkalista és a terem.txt más-más teremhez tartozhat, ezért mentés és teremváltás nem lehetséges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy félbeszakadt teremművelet (%1) nem fejezhető be, ez a fájl nem cserélhető le:
%2
A naplója megmaradt:
%3
A program a következő indításkor újra megpróbálja befejezni. Addig a munkalista és a terem.txt más-más teremhez tartozhat, ezért mentés és teremváltás nem lehetséges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A teremműveletek naplója sérült, vagy a listák mappáján kívüli fájlt nevez meg; a program nem hajtja végre:
%1
Amíg ott van, mentés és teremváltás nem lehetséges.
Félreteszi %2 néven, hogy a mentés újra működjön ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mentés nem sikerült.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
A program nem indul újra.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vintaro::OwnSystemDialog</name>
    <message>
        <source>Saját rendszer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szám: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egységben, vesszővel elválasztva, például 1, 2, 4, 8, 16 vagy 1, 1, 2, 3, 5, 8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kitöltés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vissza az első lépésre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vissza ennyi lépést:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marad a lépésen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a következő lépésre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>előre ennyi lépést:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marad az utolsón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vissza az elsőre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vége a menetnek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentett rendszer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Név:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tét:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tétek lépésenként:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vagy kitöltés:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>első tét</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lépés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>szorzó ×</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyerés után:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vesztés után:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az utolsó lépés után:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimaradás:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vesztés után sorban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pörgetés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egység:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kezdőtőke (veszteséghatár):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asztali minimum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asztali maximum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cél (nyereség):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pörgetés menetenként:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Törlés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(új rendszer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tétek: egész számok egységben, legalább 1, vesszővel elválasztva (például 1, 2, 4, 8).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A saját rendszerek fájlja (%1) nem írható; a rendszer nincs mentve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Törli a(z) „%1” rendszert?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A saját rendszerek fájlja (%1) nem írható; a rendszer megmaradt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vintaro::OwnSystems</name>
    <message>
        <source>A saját rendszerek fájlja (%1) nem olvasható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A saját rendszerek fájlja (%1) sérült, %2. sor: %3 A fájl változatlan marad; amíg javítva vagy félretéve nincs, új saját rendszer nem menthető.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vintaro::Rendszerek</name>
    <message>
        <source>Saját rendszer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saját tétrendszer: tétek lépésenként, mi történik nyerés és vesztés után; név szerint mentve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A legkisebb kezdőtőke, amellyel a menet legfeljebb ekkora eséllyel jut csődbe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A legnagyobb cél, amelyet a menet legalább ekkora eséllyel a csőd előtt elér.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csődkockázat legfeljebb:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cél esélye legalább:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pontos számítás folyik…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saját: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
