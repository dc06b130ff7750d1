<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardWidget</name>
    <message>
        <source>Moving piece...</source>
        <translation>Moviendo la ficha…</translation>
    </message>
    <message>
        <source>Click to start game</source>
        <translation>Haz clic para empezar una partida</translation>
    </message>
    <message>
        <source>Computer is thinking...</source>
        <translation>El ordenador está pensando…</translation>
    </message>
    <message>
        <source>Set your %1. piece</source>
        <translation>Coloca tu ficha n.º %1</translation>
    </message>
    <message>
        <source>Select which piece to move</source>
        <translation>Elige la ficha que quieres mover</translation>
    </message>
    <message>
        <source>Select where to move the piece</source>
        <translation>Elige adónde mover la ficha</translation>
    </message>
    <message>
        <source>Take a %1 piece</source>
        <translation>Toma una ficha %1</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negra</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanca</translation>
    </message>
    <message>
        <source>Nine Men&apos;s Morris</source>
        <translation>Juego del molino</translation>
    </message>
    <message>
        <source>Game over
You %1</source>
        <translation>Fin de la partida
Has %1</translation>
    </message>
    <message>
        <source>loose</source>
        <translation>perdido</translation>
    </message>
    <message>
        <source>win</source>
        <translation>ganado</translation>
    </message>
</context>
<context>
    <name>Quarn</name>
    <message>
        <source>Nine Men&apos;s Morris</source>
        <translation>Juego del molino</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blancas</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negras</translation>
    </message>
    <message>
        <source>Very easy</source>
        <translation>Muy fácil</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Muy difícil</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Player Color</source>
        <translation>Color del jugador</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animaciones</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>No moves yet</source>
        <translation>Aún no hay jugadas</translation>
    </message>
</context>
</TS>
