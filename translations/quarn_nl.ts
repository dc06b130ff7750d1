<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BoardWidget</name>
    <message>
        <source>Moving piece...</source>
        <translation>Stuk wordt verplaatst…</translation>
    </message>
    <message>
        <source>Click to start game</source>
        <translation>Klik om een spel te beginnen</translation>
    </message>
    <message>
        <source>Computer is thinking...</source>
        <translation>De computer denkt na…</translation>
    </message>
    <message>
        <source>Set your %1. piece</source>
        <translation>Plaats je %1e stuk</translation>
    </message>
    <message>
        <source>Select which piece to move</source>
        <translation>Kies het stuk dat je wilt verplaatsen</translation>
    </message>
    <message>
        <source>Select where to move the piece</source>
        <translation>Kies waar het stuk heen gaat</translation>
    </message>
    <message>
        <source>Take a %1 piece</source>
        <translation>Neem een %1 stuk</translation>
    </message>
    <message>
        <source>black</source>
        <translation>zwart</translation>
    </message>
    <message>
        <source>white</source>
        <translation>wit</translation>
    </message>
    <message>
        <source>Nine Men&apos;s Morris</source>
        <translation>Molenspel</translation>
    </message>
    <message>
        <source>Game over
You %1</source>
        <translation>Spel afgelopen
Je hebt %1</translation>
    </message>
    <message>
        <source>loose</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>win</source>
        <translation>gewonnen</translation>
    </message>
</context>
<context>
    <name>Quarn</name>
    <message>
        <source>Nine Men&apos;s Morris</source>
        <translation>Molenspel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Very easy</source>
        <translation>Heel makkelijk</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Heel moeilijk</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Player Color</source>
        <translation>Kleur van de speler</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animaties</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Instellingen</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>No moves yet</source>
        <translation>Nog geen zetten</translation>
    </message>
</context>
</TS>
