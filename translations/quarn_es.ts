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
        <source>White: %1 to place, %2 lost
Black: %3 to place, %4 lost</source>
        <translation>Blancas: %1 por colocar, %2 perdidas
Negras: %3 por colocar, %4 perdidas</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>blanca</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>negra</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>You place %1</source>
        <translation>Colocas en %1</translation>
    </message>
    <message>
        <source>Computer places %1</source>
        <translation>El ordenador coloca en %1</translation>
    </message>
    <message>
        <source>You place %1 and take %2</source>
        <translation>Colocas en %1 y tomas %2</translation>
    </message>
    <message>
        <source>Computer places %1 and takes %2</source>
        <translation>El ordenador coloca en %1 y toma %2</translation>
    </message>
    <message>
        <source>You move %1 to %2</source>
        <translation>Mueves de %1 a %2</translation>
    </message>
    <message>
        <source>Computer moves %1 to %2</source>
        <translation>El ordenador mueve de %1 a %2</translation>
    </message>
    <message>
        <source>You move %1 to %2 and take %3</source>
        <translation>Mueves de %1 a %2 y tomas %3</translation>
    </message>
    <message>
        <source>Computer moves %1 to %2 and takes %3</source>
        <translation>El ordenador mueve de %1 a %2 y toma %3</translation>
    </message>
    <message>
        <source>To place</source>
        <translation>Por colocar</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>You win in 1 move with best play</source>
        <translation>Con el mejor juego ganas en 1 jugada</translation>
    </message>
    <message>
        <source>You win in %1 moves with best play</source>
        <translation>Con el mejor juego ganas en %1 jugadas</translation>
    </message>
    <message>
        <source>You lose in 1 move with best play</source>
        <translation>Con el mejor juego pierdes en 1 jugada</translation>
    </message>
    <message>
        <source>You lose in %1 moves with best play</source>
        <translation>Con el mejor juego pierdes en %1 jugadas</translation>
    </message>
    <message>
        <source>Position repeated three times: you may claim a draw</source>
        <translation>Posición repetida tres veces: puedes reclamar tablas</translation>
    </message>
    <message>
        <source>A draw with best play</source>
        <translation>Tablas con el mejor juego</translation>
    </message>
    <message>
        <source>Draw by repetition (claimed)</source>
        <translation>Tablas por repetición (reclamadas)</translation>
    </message>
    <message>
        <source>You resigned</source>
        <translation>Has abandonado</translation>
    </message>
    <message>
        <source>You lose: White has only two pieces left</source>
        <translation>Pierdes: a las blancas solo les quedan dos fichas</translation>
    </message>
    <message>
        <source>You lose: Black has only two pieces left</source>
        <translation>Pierdes: a las negras solo les quedan dos fichas</translation>
    </message>
    <message>
        <source>You win: White has only two pieces left</source>
        <translation>Ganas: a las blancas solo les quedan dos fichas</translation>
    </message>
    <message>
        <source>You win: Black has only two pieces left</source>
        <translation>Ganas: a las negras solo les quedan dos fichas</translation>
    </message>
    <message>
        <source>You lose: White cannot move</source>
        <translation>Pierdes: las blancas no pueden mover</translation>
    </message>
    <message>
        <source>You lose: Black cannot move</source>
        <translation>Pierdes: las negras no pueden mover</translation>
    </message>
    <message>
        <source>You win: White cannot move</source>
        <translation>Ganas: las blancas no pueden mover</translation>
    </message>
    <message>
        <source>You win: Black cannot move</source>
        <translation>Ganas: las negras no pueden mover</translation>
    </message>
    <message>
        <source>%1. Click to start game</source>
        <comment>the result of the game that ended</comment>
        <translation>%1. Haz clic para empezar una partida</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Start of the game (Escape returns)</source>
        <translation>Posición inicial (Escape vuelve)</translation>
    </message>
    <message>
        <source>White&apos;s move %1 of %2 (Escape returns)</source>
        <translation>Jugada %1 de %2, blancas (Escape vuelve)</translation>
    </message>
    <message>
        <source>Black&apos;s move %1 of %2 (Escape returns)</source>
        <translation>Jugada %1 de %2, negras (Escape vuelve)</translation>
    </message>
    <message>
        <source>An earlier position of the game is shown. Return to the game?</source>
        <translation>Se muestra una posición anterior de la partida. ¿Volver a la partida?</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gana</translation>
    </message>
    <message>
        <source>%1 resigned.</source>
        <translation>%1 se rindió.</translation>
    </message>
    <message>
        <source>%1 has only two pieces left.</source>
        <translation>A %1 solo le quedan dos piezas.</translation>
    </message>
    <message>
        <source>None of %1&apos;s pieces can move.</source>
        <translation>Ninguna pieza de %1 puede moverse.</translation>
    </message>
    <message>
        <source>Paused: %1 to move</source>
        <translation>En pausa: mueve %1</translation>
    </message>
    <message>
        <source>Computer against computer: %1 to move</source>
        <translation>Ordenador contra ordenador: mueve %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 to place, %3 lost</source>
        <translation>%1: %2 por colocar, %3 perdidas</translation>
    </message>
    <message>
        <source>Hint: move %1 to %2</source>
        <translation>Pista: mover %1 a %2</translation>
    </message>
    <message>
        <source>Hint: place on %1</source>
        <translation>Pista: colocar en %1</translation>
    </message>
    <message>
        <source>Mill closed</source>
        <translation>Molino cerrado</translation>
    </message>
    <message>
        <source>Replayed %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>Took back %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>can be taken</source>
        <translation>se puede capturar</translation>
    </message>
    <message>
        <source>in a mill</source>
        <translation>en un molino</translation>
    </message>
    <message>
        <source>no pieces</source>
        <translation>ninguna pieza</translation>
    </message>
    <message>
        <source>picked to move</source>
        <translation>elegida para mover</translation>
    </message>
    <message>
        <source>take %1</source>
        <translation>capturar %1</translation>
    </message>
    <message>
        <source>you can move here</source>
        <translation>puede mover aquí</translation>
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
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Abrir partida…</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Guardar partida…</translation>
    </message>
    <message>
        <source>Move list</source>
        <translation>Lista de jugadas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>About Quarn</source>
        <translation>Acerca de Quarn</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>%1 is not a game that Quarn can open.</source>
        <translation>%1 no es una partida que Quarn pueda abrir.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is too large to be a game record.</source>
        <translation>El archivo es demasiado grande para ser una partida.</translation>
    </message>
    <message>
        <source>Line %1 holds something that is not text.</source>
        <translation>La línea %1 contiene algo que no es texto.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a move.</source>
        <translation>Línea %1: «%2» no es una jugada.</translation>
    </message>
    <message>
        <source>Line %1: the move %2 cannot be played there.</source>
        <translation>Línea %1: la jugada %2 no es posible en esa posición.</translation>
    </message>
    <message>
        <source>Line %1: the move %2 comes after the end of the game.</source>
        <translation>Línea %1: la jugada %2 viene después del final de la partida.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; cannot be read.</source>
        <translation>Línea %1: no se puede leer «%2».</translation>
    </message>
    <message>
        <source>Line %1: a game record holds at most %2 moves.</source>
        <translation>Línea %1: una partida guardada contiene como máximo %2 jugadas.</translation>
    </message>
    <message>
        <source>A game record holds at most %1 moves.</source>
        <translation>Una partida guardada contiene como máximo %1 jugadas.</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.</source>
        <translation>No se pudo guardar la partida en %1.</translation>
    </message>
    <message>
        <source>Quarn games (*.%1)</source>
        <translation>Partidas de Quarn (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Abandon the game in progress?</source>
        <translation>¿Abandonar la partida en curso?</translation>
    </message>
    <message>
        <source>The game in progress cannot be kept in %1; Quarn tries again after every move.</source>
        <translation>La partida en curso no se puede guardar en %1; Quarn lo vuelve a intentar tras cada jugada.</translation>
    </message>
    <message>
        <source>The settings cannot be saved; Quarn tries again at every change.</source>
        <translation>La configuración no se puede guardar; Quarn lo vuelve a intentar en cada cambio.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Point names</source>
        <translation>Nombres de los puntos</translation>
    </message>
    <message>
        <source>Moves that threw a value away: %1</source>
        <translation>Jugadas que desperdiciaron un valor: %1</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Claim Draw</source>
        <translation>Reclamar tablas</translation>
    </message>
    <message>
        <source>Resign</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>Analyse Game</source>
        <translation>Analizar la partida</translation>
    </message>
    <message>
        <source>Looking for the moves that threw a value away...</source>
        <translation>Buscando las jugadas que desperdiciaron un valor…</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Very easy: a few moves ahead</source>
        <translation>Muy fácil: mira unas pocas jugadas por delante</translation>
    </message>
    <message>
        <source>Easy: a little further ahead, and still easy to trick</source>
        <translation>Fácil: mira un poco más lejos, pero aún se deja engañar</translation>
    </message>
    <message>
        <source>Medium: several moves ahead</source>
        <translation>Medio: mira varias jugadas por delante</translation>
    </message>
    <message>
        <source>Hard: a deeper search that seldom misses a mill</source>
        <translation>Difícil: calcula más hondo y rara vez pasa por alto un molino</translation>
    </message>
    <message>
        <source>Very hard: the deepest search, about a second a move</source>
        <translation>Muy difícil: calcula lo más hondo, cerca de un segundo por jugada</translation>
    </message>
    <message>
        <source>Master: perfect in every position its tables cover</source>
        <translation>Maestro: perfecto en toda posición que cubren sus tablas</translation>
    </message>
    <message>
        <source>Game in progress</source>
        <translation>Partida en curso</translation>
    </message>
    <message>
        <source>Recent Games</source>
        <translation>Partidas recientes</translation>
    </message>
    <message>
        <source>Resign this game?</source>
        <translation>¿Abandonar esta partida?</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Perfect play…</source>
        <translation>Juego perfecto…</translation>
    </message>
    <message>
        <source>Master (perfect)</source>
        <translation>Maestro (perfecto)</translation>
    </message>
    <message>
        <source>Master: plays perfectly, the whole game is solved on this computer</source>
        <translation>Maestro: juega perfectamente, todo el juego está resuelto en este ordenador</translation>
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
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negras</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blancas</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>captura %1</translation>
    </message>
    <message>
        <source>lost the win</source>
        <translation>perdió la victoria</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>deshecho</translation>
    </message>
    <message>
        <source>Draw by repetition</source>
        <translation>Tablas por repetición</translation>
    </message>
    <message>
        <source>White resigns</source>
        <translation>Las blancas abandonan</translation>
    </message>
    <message>
        <source>Black resigns</source>
        <translation>Las negras abandonan</translation>
    </message>
    <message>
        <source>White wins</source>
        <translation>Ganan las blancas</translation>
    </message>
    <message>
        <source>Black wins</source>
        <translation>Ganan las negras</translation>
    </message>
</context>
<context>
    <name>HelpBoxes</name>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>About Quarn</source>
        <translation>Acerca de Quarn</translation>
    </message>
    <message>
        <source>The board has 24 points on three squares, joined by lines. Each side has 9 pieces; White moves first, then the sides take turns.</source>
        <translation>El tablero tiene 24 puntos en tres cuadrados unidos por líneas. Cada bando tiene 9 fichas; las blancas mueven primero y después los bandos juegan por turnos.</translation>
    </message>
    <message>
        <source>Placing.</source>
        <translation>Colocación.</translation>
    </message>
    <message>
        <source>In the first 18 moves, 9 for each side, a move puts a new piece on an empty point.</source>
        <translation>En las 18 primeras jugadas, 9 por bando, cada jugada coloca una ficha nueva en un punto vacío.</translation>
    </message>
    <message>
        <source>Moving.</source>
        <translation>Movimiento.</translation>
    </message>
    <message>
        <source>Then a move slides one of your pieces along a line to a neighbouring empty point. While a side has exactly 3 pieces left, its pieces may jump (fly) to any empty point.</source>
        <translation>Después, cada jugada desliza una de tus fichas a lo largo de una línea hasta un punto vecino vacío. Mientras un bando tenga exactamente 3 fichas, sus fichas pueden saltar a cualquier punto vacío.</translation>
    </message>
    <message>
        <source>Mills.</source>
        <translation>Molinos.</translation>
    </message>
    <message>
        <source>Three of your pieces in a row along a line form a mill. A move that closes a mill captures one of the opponent&apos;s pieces; a piece that stands in a mill may be taken only when all of the opponent&apos;s pieces do.</source>
        <translation>Tres fichas propias en fila sobre una línea forman un molino. Una jugada que cierra un molino captura una ficha del contrario; una ficha que está en un molino solo puede capturarse si todas las fichas del contrario están en molinos.</translation>
    </message>
    <message>
        <source>End of the game.</source>
        <translation>Fin de la partida.</translation>
    </message>
    <message>
        <source>From the moving phase on, a side loses when it is to move with only 2 pieces or with no legal move. When the same position, with the same side to move, stands on the board for the third time, you may claim a draw on your turn (Game / Claim Draw). You may also resign (Game / Resign). Starting a new game abandons the game in progress; every game that ends is kept under Game / Recent Games.</source>
        <translation>A partir de la fase de movimiento, un bando pierde cuando le toca mover con solo 2 fichas o sin ninguna jugada legal. Cuando la misma posición, con el mismo bando por mover, aparece en el tablero por tercera vez, puedes reclamar tablas en tu turno (Partida / Reclamar tablas). También puedes abandonar (Partida / Abandonar). Empezar una partida nueva abandona la partida en curso; cada partida terminada se guarda en Partida / Partidas recientes.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Nine Men&apos;s Morris against the computer.</source>
        <translation>El juego del molino contra el ordenador.</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later</source>
        <translation>Licencia: GNU General Public License, versión 3 o posterior</translation>
    </message>
    <message>
        <source>Engine signature: %1 nodes (quarn-engine bench)</source>
        <translation>Firma del motor: %1 nodos (quarn-engine bench)</translation>
    </message>
    <message>
        <source>Notation.</source>
        <translation>Notación.</translation>
    </message>
    <message>
        <source>A point is named by its square, a (outer), b (middle) or c (inner), and a number from 1 to 8, clockwise from the square&apos;s top-left corner: a1 is the outer top-left corner, c8 the middle of the inner square&apos;s left side. A placement is written as its point (a1), a move as its start and end (a1a2), and a capture follows a dash (a3-c5). View / Point names shows the names on the board.</source>
        <translation>Un punto se nombra por su cuadrado, a (exterior), b (medio) o c (interior), y un número del 1 al 8, en el sentido de las agujas del reloj desde la esquina superior izquierda del cuadrado: a1 es la esquina superior izquierda exterior, c8 el centro del lado izquierdo del cuadrado interior. Una colocación se escribe con su punto (a1), un movimiento con su origen y su destino (a1a2), y una captura sigue a un guion (a3-c5). Ver / Nombres de los puntos muestra los nombres en el tablero.</translation>
    </message>
    <message>
        <source>The arrow keys move a cursor from point to point, and typing a point&apos;s name (a letter from a to c, then a digit from 1 to 8) puts it there. Enter or Space plays the cursor&apos;s point as a click would; Escape puts back a piece picked to move. P reads the whole position, N the pieces each side has to place and has lost, R repeats what the board said last. Tab and Shift+Tab go from the board to the move list and back.</source>
        <translation>Las flechas mueven un cursor de punto en punto, y escribir el nombre de un punto (una letra de la a a la c y luego una cifra del 1 al 8) lo lleva allí. Intro o Espacio juega el punto del cursor como lo haría un clic; Escape devuelve una ficha elegida para mover. P lee la posición entera, N las fichas que cada bando tiene por colocar y ha perdido, R repite lo último que dijo el tablero. Tab y Mayús+Tab pasan del tablero a la lista de jugadas y vuelven.</translation>
    </message>
    <message>
        <source>A click on a move shows the position after it, read only; Escape, or a click on the last move played, returns to the game. From the keyboard, the arrow keys, Home and End go from move to move, and Enter or Space shows the position after the move. Once the game has ended, its last line gives the result.</source>
        <translation>Un clic en una jugada muestra la posición que la sigue, solo para mirar; Escape, o un clic en la última jugada hecha, vuelve a la partida. Con el teclado, las flechas, Inicio y Fin van de jugada en jugada, e Intro o Espacio muestra la posición tras la jugada. Cuando la partida ha terminado, su última línea da el resultado.</translation>
    </message>
    <message>
        <source>Keys of the menus.</source>
        <translation>Teclas de los menús.</translation>
    </message>
    <message>
        <source>Keys on the board.</source>
        <translation>Teclas en el tablero.</translation>
    </message>
    <message>
        <source>The move list.</source>
        <translation>La lista de jugadas.</translation>
    </message>
    <message>
        <source>With a screen reader.</source>
        <translation>Con un lector de pantalla.</translation>
    </message>
    <message>
        <source>The board tells a screen reader such as Orca each move of both sides, what to do next, a mill, the hint, a move taken back and the end of the game; every point reads its name, its piece and what you may do with it.</source>
        <translation>El tablero dice a un lector de pantalla como Orca cada jugada de ambos bandos, qué hacer a continuación, un molino, la pista, una jugada deshecha y el final de la partida; cada punto dice su nombre, su ficha y lo que puede hacer con ella.</translation>
    </message>
    <message>
        <source>Master plays perfectly: the whole game is solved on this computer.</source>
        <translation>Maestro juega perfectamente: todo el juego está resuelto en este ordenador.</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>drawn</source>
        <translation>tablas</translation>
    </message>
    <message>
        <source>undecided (%1)</source>
        <translation>sin decidir (%1)</translation>
    </message>
    <message>
        <source>Before this move: %1
After it: %2</source>
        <translation>Antes de esta jugada: %1
Después: %2</translation>
    </message>
    <message>
        <source>won with this move</source>
        <translation>ganada con esta jugada</translation>
    </message>
    <message>
        <source>won in %1 moves</source>
        <translation>ganada en %1 jugadas</translation>
    </message>
    <message>
        <source>won within %1 moves</source>
        <translation>ganada en %1 jugadas como mucho</translation>
    </message>
    <message>
        <source>lost after this move</source>
        <translation>perdida tras esta jugada</translation>
    </message>
    <message>
        <source>lost within 1 move</source>
        <translation>perdida en 1 jugada como mucho</translation>
    </message>
    <message>
        <source>lost in %1 moves</source>
        <translation>perdida en %1 jugadas</translation>
    </message>
    <message>
        <source>lost within %1 moves</source>
        <translation>perdida en %1 jugadas como mucho</translation>
    </message>
</context>
<context>
    <name>RecentGamesMenu</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Black resigned</source>
        <translation>Las negras abandonaron</translation>
    </message>
    <message>
        <source>White resigned</source>
        <translation>Las blancas abandonaron</translation>
    </message>
    <message>
        <source>Black won</source>
        <translation>Ganaron las negras</translation>
    </message>
    <message>
        <source>White won</source>
        <translation>Ganaron las blancas</translation>
    </message>
    <message>
        <source>Draw by repetition</source>
        <translation>Tablas por repetición</translation>
    </message>
    <message>
        <source>No finished games yet</source>
        <translation>Aún no hay partidas terminadas</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Sin terminar</translation>
    </message>
    <message>
        <source>Undated</source>
        <translation>Sin fecha</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Perdiste</translation>
    </message>
    <message>
        <source>You resigned</source>
        <translation>Abandonaste</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Ganaste</translation>
    </message>
</context>
<context>
    <name>NewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>You against the computer</source>
        <translation>Tú contra el ordenador</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>Computer against computer</source>
        <translation>Ordenador contra ordenador</translation>
    </message>
    <message>
        <source>White plays at</source>
        <translation>Blancas juegan en el nivel</translation>
    </message>
    <message>
        <source>Black plays at</source>
        <translation>Negras juegan en el nivel</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Forget every game counted so far?</source>
        <translation>¿Olvidar todas las partidas contadas hasta ahora?</translation>
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
        <source>none yet</source>
        <translation>ninguna aún</translation>
    </message>
    <message>
        <source>Longest winning streak: %1 (now %2). Last win: %3.</source>
        <translation>Racha de victorias más larga: %1 (ahora %2). Última victoria: %3.</translation>
    </message>
</context>
<context>
    <name>PerfectPlayBuild</name>
    <message>
        <source>quarn-engine, which builds the tables, is neither beside Quarn nor on the PATH.</source>
        <translation>quarn-engine, que construye las tablas, no está junto a Quarn ni en el PATH.</translation>
    </message>
    <message>
        <source>There is no folder for the tables: neither XDG_CACHE_HOME nor HOME is set.</source>
        <translation>No hay carpeta para las tablas: no están definidas ni XDG_CACHE_HOME ni HOME.</translation>
    </message>
    <message>
        <source>The build stopped with exit code %1.</source>
        <translation>La construcción se detuvo con el código de salida %1.</translation>
    </message>
    <message>
        <source>The build stopped unexpectedly.</source>
        <translation>La construcción se detuvo de forma inesperada.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>No se pudo iniciar %1: %2</translation>
    </message>
</context>
<context>
    <name>PerfectPlayDialog</name>
    <message>
        <source>Perfect play</source>
        <translation>Juego perfecto</translation>
    </message>
    <message>
        <source>Master never loses and the hint and the review are exact in every position.</source>
        <translation>Maestro nunca pierde, y la pista y el análisis son exactos en toda posición.</translation>
    </message>
    <message>
        <source>Quarn solves the whole game on this computer, once: about %1 billion positions. It builds in the background at low priority, so you can play meanwhile. A build that is paused, cancelled or cut short by the end of Quarn goes on where it stopped.</source>
        <translation>Quarn resuelve todo el juego en este ordenador, una sola vez: unos %1 mil millones de posiciones. Se construye en segundo plano con baja prioridad, así que puedes jugar mientras tanto. Una construcción en pausa, cancelada o interrumpida al cerrar Quarn sigue donde se quedó.</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Construir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>unos %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>unas %1 h %2 min</translation>
    </message>
    <message>
        <source>Disk space: %1 more in %2 (%3 free).</source>
        <translation>Espacio en disco: %1 más en %2 (%3 libres).</translation>
    </message>
    <message>
        <source>Disk space: about %1 in %2.</source>
        <translation>Espacio en disco: unos %1 en %2.</translation>
    </message>
    <message>
        <source>Time: %1 on this computer (%2 cores).</source>
        <translation>Tiempo: %1 en este ordenador (%2 núcleos).</translation>
    </message>
    <message>
        <source>Last table built: %1.</source>
        <translation>Última tabla construida: %1.</translation>
    </message>
    <message>
        <source>Built: Master plays perfectly.</source>
        <translation>Construido: Maestro juega perfectamente.</translation>
    </message>
    <message>
        <source>Not built yet.</source>
        <translation>Aún no construido.</translation>
    </message>
    <message>
        <source>Every table is built. Solving the placing phase from the first move (the last step, %1)...</source>
        <translation>Todas las tablas están construidas. Se resuelve la fase de colocación desde la primera jugada (el último paso, %1)…</translation>
    </message>
    <message>
        <source>Building...</source>
        <translation>Construyendo…</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pausa.</translation>
    </message>
    <message>
        <source>The build stopped: %1</source>
        <translation>La construcción se detuvo: %1</translation>
    </message>
    <message>
        <source>Nothing built so far is lost: Build goes on from there.</source>
        <translation>No se pierde nada de lo construido: Construir sigue desde ahí.</translation>
    </message>
    <message>
        <source>Time left: %1.</source>
        <translation>Tiempo restante: %1.</translation>
    </message>
    <message>
        <source>Time left: measuring...</source>
        <translation>Tiempo restante: midiendo…</translation>
    </message>
    <message>
        <source>Built, but the tables found do not cover the whole game.</source>
        <translation>Construido, pero las tablas encontradas no cubren todo el juego.</translation>
    </message>
</context>
</TS>
