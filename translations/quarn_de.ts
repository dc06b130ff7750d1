<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardWidget</name>
    <message>
        <source>Moving piece...</source>
        <translation>Stein wird gezogen …</translation>
    </message>
    <message>
        <source>Click to start game</source>
        <translation>Klicken, um ein Spiel zu beginnen</translation>
    </message>
    <message>
        <source>Computer is thinking...</source>
        <translation>Der Computer denkt nach …</translation>
    </message>
    <message>
        <source>Set your %1. piece</source>
        <translation>Setze deinen %1. Stein</translation>
    </message>
    <message>
        <source>Select which piece to move</source>
        <translation>Wähle den Stein, den du ziehen willst</translation>
    </message>
    <message>
        <source>Select where to move the piece</source>
        <translation>Wähle, wohin der Stein ziehen soll</translation>
    </message>
    <message>
        <source>Take a %1 piece</source>
        <translation>Nimm einen %1 Stein</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarzen</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weißen</translation>
    </message>
    <message>
        <source>Nine Men&apos;s Morris</source>
        <translation>Mühle</translation>
    </message>
    <message>
        <source>Game over
You %1</source>
        <translation>Spiel vorbei
Du hast %1</translation>
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
        <translation>Mühle</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Very easy</source>
        <translation>Sehr leicht</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Sehr schwer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Player Color</source>
        <translation>Spielerfarbe</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animationen</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>No moves yet</source>
        <translation>Noch keine Züge</translation>
    </message>
</context>
</TS>
