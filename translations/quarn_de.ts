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
        <source>White: %1 to place, %2 lost
Black: %3 to place, %4 lost</source>
        <translation>Weiß: %1 zu setzen, %2 verloren
Schwarz: %3 zu setzen, %4 verloren</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
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
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>You place %1</source>
        <translation>Du setzt auf %1</translation>
    </message>
    <message>
        <source>Computer places %1</source>
        <translation>Der Computer setzt auf %1</translation>
    </message>
    <message>
        <source>You place %1 and take %2</source>
        <translation>Du setzt auf %1 und nimmst %2</translation>
    </message>
    <message>
        <source>Computer places %1 and takes %2</source>
        <translation>Der Computer setzt auf %1 und nimmt %2</translation>
    </message>
    <message>
        <source>You move %1 to %2</source>
        <translation>Du ziehst von %1 nach %2</translation>
    </message>
    <message>
        <source>Computer moves %1 to %2</source>
        <translation>Der Computer zieht von %1 nach %2</translation>
    </message>
    <message>
        <source>You move %1 to %2 and take %3</source>
        <translation>Du ziehst von %1 nach %2 und nimmst %3</translation>
    </message>
    <message>
        <source>Computer moves %1 to %2 and takes %3</source>
        <translation>Der Computer zieht von %1 nach %2 und nimmt %3</translation>
    </message>
    <message>
        <source>To place</source>
        <translation>Zu setzen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>You win in 1 move with best play</source>
        <translation>Du gewinnst bei bestem Spiel in 1 Zug</translation>
    </message>
    <message>
        <source>You win in %1 moves with best play</source>
        <translation>Du gewinnst bei bestem Spiel in %1 Zügen</translation>
    </message>
    <message>
        <source>You lose in 1 move with best play</source>
        <translation>Du verlierst bei bestem Spiel in 1 Zug</translation>
    </message>
    <message>
        <source>You lose in %1 moves with best play</source>
        <translation>Du verlierst bei bestem Spiel in %1 Zügen</translation>
    </message>
    <message>
        <source>Position repeated three times: you may claim a draw</source>
        <translation>Stellung dreimal wiederholt: du kannst Remis beanspruchen</translation>
    </message>
    <message>
        <source>A draw with best play</source>
        <translation>Remis bei bestem Spiel</translation>
    </message>
    <message>
        <source>Draw by repetition (claimed)</source>
        <translation>Remis durch Wiederholung (beansprucht)</translation>
    </message>
    <message>
        <source>You resigned</source>
        <translation>Du hast aufgegeben</translation>
    </message>
    <message>
        <source>You lose: White has only two pieces left</source>
        <translation>Du verlierst: Weiß hat nur noch zwei Steine</translation>
    </message>
    <message>
        <source>You lose: Black has only two pieces left</source>
        <translation>Du verlierst: Schwarz hat nur noch zwei Steine</translation>
    </message>
    <message>
        <source>You win: White has only two pieces left</source>
        <translation>Du gewinnst: Weiß hat nur noch zwei Steine</translation>
    </message>
    <message>
        <source>You win: Black has only two pieces left</source>
        <translation>Du gewinnst: Schwarz hat nur noch zwei Steine</translation>
    </message>
    <message>
        <source>You lose: White cannot move</source>
        <translation>Du verlierst: Weiß kann nicht ziehen</translation>
    </message>
    <message>
        <source>You lose: Black cannot move</source>
        <translation>Du verlierst: Schwarz kann nicht ziehen</translation>
    </message>
    <message>
        <source>You win: White cannot move</source>
        <translation>Du gewinnst: Weiß kann nicht ziehen</translation>
    </message>
    <message>
        <source>You win: Black cannot move</source>
        <translation>Du gewinnst: Schwarz kann nicht ziehen</translation>
    </message>
    <message>
        <source>%1. Click to start game</source>
        <comment>the result of the game that ended</comment>
        <translation>%1. Klicken, um ein Spiel zu beginnen</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Start of the game (Escape returns)</source>
        <translation>Anfangsstellung (Escape kehrt zurück)</translation>
    </message>
    <message>
        <source>White&apos;s move %1 of %2 (Escape returns)</source>
        <translation>Zug %1 von %2, Weiß (Escape kehrt zurück)</translation>
    </message>
    <message>
        <source>Black&apos;s move %1 of %2 (Escape returns)</source>
        <translation>Zug %1 von %2, Schwarz (Escape kehrt zurück)</translation>
    </message>
    <message>
        <source>An earlier position of the game is shown. Return to the game?</source>
        <translation>Eine frühere Stellung der Partie wird gezeigt. Zurück zum Spiel?</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
    <message>
        <source>%1 resigned.</source>
        <translation>%1 hat aufgegeben.</translation>
    </message>
    <message>
        <source>%1 has only two pieces left.</source>
        <translation>%1 hat nur noch zwei Steine.</translation>
    </message>
    <message>
        <source>None of %1&apos;s pieces can move.</source>
        <translation>Keiner der Steine von %1 kann ziehen.</translation>
    </message>
    <message>
        <source>Paused: %1 to move</source>
        <translation>Angehalten: %1 am Zug</translation>
    </message>
    <message>
        <source>Computer against computer: %1 to move</source>
        <translation>Computer gegen Computer: %1 am Zug</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 to place, %3 lost</source>
        <translation>%1: %2 zu setzen, %3 verloren</translation>
    </message>
    <message>
        <source>Hint: move %1 to %2</source>
        <translation>Tipp: %1 nach %2 ziehen</translation>
    </message>
    <message>
        <source>Hint: place on %1</source>
        <translation>Tipp: auf %1 setzen</translation>
    </message>
    <message>
        <source>Mill closed</source>
        <translation>Mühle geschlossen</translation>
    </message>
    <message>
        <source>Replayed %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>Took back %1</source>
        <translation>Zurückgenommen: %1</translation>
    </message>
    <message>
        <source>can be taken</source>
        <translation>kann geschlagen werden</translation>
    </message>
    <message>
        <source>in a mill</source>
        <translation>in einer Mühle</translation>
    </message>
    <message>
        <source>no pieces</source>
        <translation>keine Steine</translation>
    </message>
    <message>
        <source>picked to move</source>
        <translation>zum Ziehen gewählt</translation>
    </message>
    <message>
        <source>take %1</source>
        <translation>%1 schlagen</translation>
    </message>
    <message>
        <source>you can move here</source>
        <translation>hierhin kannst du ziehen</translation>
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
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Spiel öffnen …</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Spiel speichern …</translation>
    </message>
    <message>
        <source>Move list</source>
        <translation>Zugliste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>About Quarn</source>
        <translation>Über Quarn</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>%1 is not a game that Quarn can open.</source>
        <translation>%1 ist kein Spiel, das Quarn öffnen kann.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is too large to be a game record.</source>
        <translation>Die Datei ist zu groß für eine Spielaufzeichnung.</translation>
    </message>
    <message>
        <source>Line %1 holds something that is not text.</source>
        <translation>Zeile %1 enthält etwas, das kein Text ist.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a move.</source>
        <translation>Zeile %1: „%2“ ist kein Zug.</translation>
    </message>
    <message>
        <source>Line %1: the move %2 cannot be played there.</source>
        <translation>Zeile %1: Der Zug %2 ist dort nicht möglich.</translation>
    </message>
    <message>
        <source>Line %1: the move %2 comes after the end of the game.</source>
        <translation>Zeile %1: Der Zug %2 folgt nach dem Ende des Spiels.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; cannot be read.</source>
        <translation>Zeile %1: „%2“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Line %1: a game record holds at most %2 moves.</source>
        <translation>Zeile %1: Eine Spielaufzeichnung enthält höchstens %2 Züge.</translation>
    </message>
    <message>
        <source>A game record holds at most %1 moves.</source>
        <translation>Eine Spielaufzeichnung enthält höchstens %1 Züge.</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.</source>
        <translation>Das Spiel konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Quarn games (*.%1)</source>
        <translation>Quarn-Spiele (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Abandon the game in progress?</source>
        <translation>Das laufende Spiel aufgeben?</translation>
    </message>
    <message>
        <source>The game in progress cannot be kept in %1; Quarn tries again after every move.</source>
        <translation>Das laufende Spiel kann nicht in %1 aufbewahrt werden; Quarn versucht es nach jedem Zug erneut.</translation>
    </message>
    <message>
        <source>The settings cannot be saved; Quarn tries again at every change.</source>
        <translation>Die Einstellungen können nicht gespeichert werden; Quarn versucht es bei jeder Änderung erneut.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Point names</source>
        <translation>Namen der Punkte</translation>
    </message>
    <message>
        <source>Moves that threw a value away: %1</source>
        <translation>Züge, die einen Wert verspielt haben: %1</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Claim Draw</source>
        <translation>Remis beanspruchen</translation>
    </message>
    <message>
        <source>Resign</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>Analyse Game</source>
        <translation>Partie analysieren</translation>
    </message>
    <message>
        <source>Looking for the moves that threw a value away...</source>
        <translation>Suche nach den Zügen, die einen Wert verspielt haben …</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Very easy: a few moves ahead</source>
        <translation>Sehr leicht: schaut wenige Züge voraus</translation>
    </message>
    <message>
        <source>Easy: a little further ahead, and still easy to trick</source>
        <translation>Leicht: schaut etwas weiter voraus, lässt sich noch leicht überlisten</translation>
    </message>
    <message>
        <source>Medium: several moves ahead</source>
        <translation>Mittel: schaut mehrere Züge voraus</translation>
    </message>
    <message>
        <source>Hard: a deeper search that seldom misses a mill</source>
        <translation>Schwer: rechnet tiefer und übersieht selten eine Mühle</translation>
    </message>
    <message>
        <source>Very hard: the deepest search, about a second a move</source>
        <translation>Sehr schwer: rechnet am tiefsten, etwa eine Sekunde pro Zug</translation>
    </message>
    <message>
        <source>Master: perfect in every position its tables cover</source>
        <translation>Meister: fehlerlos in jeder Stellung, die seine Tabellen kennen</translation>
    </message>
    <message>
        <source>Game in progress</source>
        <translation>Laufendes Spiel</translation>
    </message>
    <message>
        <source>Recent Games</source>
        <translation>Letzte Spiele</translation>
    </message>
    <message>
        <source>Resign this game?</source>
        <translation>Dieses Spiel aufgeben?</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Perfect play…</source>
        <translation>Fehlerloses Spiel …</translation>
    </message>
    <message>
        <source>Master (perfect)</source>
        <translation>Meister (fehlerlos)</translation>
    </message>
    <message>
        <source>Master: plays perfectly, the whole game is solved on this computer</source>
        <translation>Meister: spielt fehlerlos, das ganze Spiel ist auf diesem Computer gelöst</translation>
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
    <message>
        <source>%1 to %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>schlägt %1</translation>
    </message>
    <message>
        <source>lost the win</source>
        <translation>den Gewinn verspielt</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>zurückgenommen</translation>
    </message>
    <message>
        <source>Draw by repetition</source>
        <translation>Remis durch Wiederholung</translation>
    </message>
    <message>
        <source>White resigns</source>
        <translation>Weiß gibt auf</translation>
    </message>
    <message>
        <source>Black resigns</source>
        <translation>Schwarz gibt auf</translation>
    </message>
    <message>
        <source>White wins</source>
        <translation>Weiß gewinnt</translation>
    </message>
    <message>
        <source>Black wins</source>
        <translation>Schwarz gewinnt</translation>
    </message>
</context>
<context>
    <name>HelpBoxes</name>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>About Quarn</source>
        <translation>Über Quarn</translation>
    </message>
    <message>
        <source>The board has 24 points on three squares, joined by lines. Each side has 9 pieces; White moves first, then the sides take turns.</source>
        <translation>Das Brett hat 24 Punkte auf drei Quadraten, die durch Linien verbunden sind. Jede Seite hat 9 Steine; Weiß zieht zuerst, danach ziehen die Seiten abwechselnd.</translation>
    </message>
    <message>
        <source>Placing.</source>
        <translation>Setzen.</translation>
    </message>
    <message>
        <source>In the first 18 moves, 9 for each side, a move puts a new piece on an empty point.</source>
        <translation>In den ersten 18 Zügen, 9 für jede Seite, setzt jeder Zug einen neuen Stein auf einen freien Punkt.</translation>
    </message>
    <message>
        <source>Moving.</source>
        <translation>Ziehen.</translation>
    </message>
    <message>
        <source>Then a move slides one of your pieces along a line to a neighbouring empty point. While a side has exactly 3 pieces left, its pieces may jump (fly) to any empty point.</source>
        <translation>Danach zieht jeder Zug einen eigenen Stein entlang einer Linie auf einen benachbarten freien Punkt. Solange eine Seite nur noch genau 3 Steine hat, dürfen ihre Steine auf jeden freien Punkt springen.</translation>
    </message>
    <message>
        <source>Mills.</source>
        <translation>Mühlen.</translation>
    </message>
    <message>
        <source>Three of your pieces in a row along a line form a mill. A move that closes a mill captures one of the opponent&apos;s pieces; a piece that stands in a mill may be taken only when all of the opponent&apos;s pieces do.</source>
        <translation>Drei eigene Steine in einer Reihe auf einer Linie bilden eine Mühle. Ein Zug, der eine Mühle schließt, nimmt einen Stein des Gegners; ein Stein, der in einer Mühle steht, darf nur genommen werden, wenn alle Steine des Gegners in Mühlen stehen.</translation>
    </message>
    <message>
        <source>End of the game.</source>
        <translation>Spielende.</translation>
    </message>
    <message>
        <source>From the moving phase on, a side loses when it is to move with only 2 pieces or with no legal move. When the same position, with the same side to move, stands on the board for the third time, you may claim a draw on your turn (Game / Claim Draw). You may also resign (Game / Resign). Starting a new game abandons the game in progress; every game that ends is kept under Game / Recent Games.</source>
        <translation>Ab der Zugphase verliert eine Seite, wenn sie am Zug ist und nur noch 2 Steine oder keinen regelgerechten Zug hat. Steht dieselbe Stellung mit derselben Seite am Zug zum dritten Mal auf dem Brett, kannst du in deinem Zug Remis beanspruchen (Spiel / Remis beanspruchen). Du kannst auch aufgeben (Spiel / Aufgeben). Ein neues Spiel bricht das laufende ab; jedes beendete Spiel wird unter Spiel / Letzte Spiele aufbewahrt.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Nine Men&apos;s Morris against the computer.</source>
        <translation>Mühle gegen den Computer.</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later</source>
        <translation>Lizenz: GNU General Public License, Version 3 oder später</translation>
    </message>
    <message>
        <source>Engine signature: %1 nodes (quarn-engine bench)</source>
        <translation>Signatur der Engine: %1 Knoten (quarn-engine bench)</translation>
    </message>
    <message>
        <source>Notation.</source>
        <translation>Notation.</translation>
    </message>
    <message>
        <source>A point is named by its square, a (outer), b (middle) or c (inner), and a number from 1 to 8, clockwise from the square&apos;s top-left corner: a1 is the outer top-left corner, c8 the middle of the inner square&apos;s left side. A placement is written as its point (a1), a move as its start and end (a1a2), and a capture follows a dash (a3-c5). View / Point names shows the names on the board.</source>
        <translation>Ein Punkt heißt nach seinem Quadrat, a (außen), b (Mitte) oder c (innen), und einer Zahl von 1 bis 8, im Uhrzeigersinn ab der linken oberen Ecke des Quadrats: a1 ist die äußere linke obere Ecke, c8 die Mitte der linken Seite des inneren Quadrats. Ein Setzen wird als sein Punkt geschrieben (a1), ein Zug als Start und Ziel (a1a2), und ein Schlagen folgt nach einem Strich (a3-c5). Ansicht / Namen der Punkte zeigt die Namen auf dem Brett.</translation>
    </message>
    <message>
        <source>The arrow keys move a cursor from point to point, and typing a point&apos;s name (a letter from a to c, then a digit from 1 to 8) puts it there. Enter or Space plays the cursor&apos;s point as a click would; Escape puts back a piece picked to move. P reads the whole position, N the pieces each side has to place and has lost, R repeats what the board said last. Tab and Shift+Tab go from the board to the move list and back.</source>
        <translation>Die Pfeiltasten bewegen einen Cursor von Punkt zu Punkt, und der Name eines Punkts (ein Buchstabe von a bis c, dann eine Ziffer von 1 bis 8) setzt ihn dorthin. Eingabe oder Leertaste spielt den Punkt des Cursors wie ein Klick; Escape stellt einen zum Ziehen gewählten Stein zurück. P liest die ganze Stellung vor, N die Steine, die jede Seite noch zu setzen und verloren hat, R wiederholt, was das Brett zuletzt sagte. Tab und Umschalt+Tab wechseln zwischen Brett und Zugliste.</translation>
    </message>
    <message>
        <source>A click on a move shows the position after it, read only; Escape, or a click on the last move played, returns to the game. From the keyboard, the arrow keys, Home and End go from move to move, and Enter or Space shows the position after the move. Once the game has ended, its last line gives the result.</source>
        <translation>Ein Klick auf einen Zug zeigt die Stellung danach, nur zum Ansehen; Escape oder ein Klick auf den zuletzt gespielten Zug führt zurück zum Spiel. Mit der Tastatur gehen die Pfeiltasten, Pos1 und Ende von Zug zu Zug, und Eingabe oder Leertaste zeigt die Stellung nach dem Zug. Ist das Spiel zu Ende, nennt die letzte Zeile das Ergebnis.</translation>
    </message>
    <message>
        <source>Keys of the menus.</source>
        <translation>Tasten der Menüs.</translation>
    </message>
    <message>
        <source>Keys on the board.</source>
        <translation>Tasten auf dem Brett.</translation>
    </message>
    <message>
        <source>The move list.</source>
        <translation>Die Zugliste.</translation>
    </message>
    <message>
        <source>With a screen reader.</source>
        <translation>Mit einem Bildschirmleser.</translation>
    </message>
    <message>
        <source>The board tells a screen reader such as Orca each move of both sides, what to do next, a mill, the hint, a move taken back and the end of the game; every point reads its name, its piece and what you may do with it.</source>
        <translation>Das Brett sagt einem Bildschirmleser wie Orca jeden Zug beider Seiten, was als Nächstes zu tun ist, eine Mühle, den Tipp, einen zurückgenommenen Zug und das Ende des Spiels; jeder Punkt nennt seinen Namen, seinen Stein und was du mit ihm tun kannst.</translation>
    </message>
    <message>
        <source>Master plays perfectly: the whole game is solved on this computer.</source>
        <translation>Meister spielt fehlerlos: das ganze Spiel ist auf diesem Computer gelöst.</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>drawn</source>
        <translation>remis</translation>
    </message>
    <message>
        <source>undecided (%1)</source>
        <translation>offen (%1)</translation>
    </message>
    <message>
        <source>Before this move: %1
After it: %2</source>
        <translation>Vor diesem Zug: %1
Danach: %2</translation>
    </message>
    <message>
        <source>won with this move</source>
        <translation>mit diesem Zug gewonnen</translation>
    </message>
    <message>
        <source>won in %1 moves</source>
        <translation>gewonnen in %1 Zügen</translation>
    </message>
    <message>
        <source>won within %1 moves</source>
        <translation>gewonnen in höchstens %1 Zügen</translation>
    </message>
    <message>
        <source>lost after this move</source>
        <translation>nach diesem Zug verloren</translation>
    </message>
    <message>
        <source>lost within 1 move</source>
        <translation>verloren in höchstens 1 Zug</translation>
    </message>
    <message>
        <source>lost in %1 moves</source>
        <translation>verloren in %1 Zügen</translation>
    </message>
    <message>
        <source>lost within %1 moves</source>
        <translation>verloren in höchstens %1 Zügen</translation>
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
        <translation>Schwarz hat aufgegeben</translation>
    </message>
    <message>
        <source>White resigned</source>
        <translation>Weiß hat aufgegeben</translation>
    </message>
    <message>
        <source>Black won</source>
        <translation>Schwarz hat gewonnen</translation>
    </message>
    <message>
        <source>White won</source>
        <translation>Weiß hat gewonnen</translation>
    </message>
    <message>
        <source>Draw by repetition</source>
        <translation>Remis durch Wiederholung</translation>
    </message>
    <message>
        <source>No finished games yet</source>
        <translation>Noch keine beendeten Spiele</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Nicht beendet</translation>
    </message>
    <message>
        <source>Undated</source>
        <translation>Ohne Datum</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Du hast verloren</translation>
    </message>
    <message>
        <source>You resigned</source>
        <translation>Du hast aufgegeben</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Du hast gewonnen</translation>
    </message>
</context>
<context>
    <name>NewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>You against the computer</source>
        <translation>Du gegen den Computer</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>Computer against computer</source>
        <translation>Computer gegen Computer</translation>
    </message>
    <message>
        <source>White plays at</source>
        <translation>Weiß spielt auf Stufe</translation>
    </message>
    <message>
        <source>Black plays at</source>
        <translation>Schwarz spielt auf Stufe</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Forget every game counted so far?</source>
        <translation>Alle bisher gezählten Spiele vergessen?</translation>
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
        <source>none yet</source>
        <translation>noch keiner</translation>
    </message>
    <message>
        <source>Longest winning streak: %1 (now %2). Last win: %3.</source>
        <translation>Längste Siegesserie: %1 (jetzt %2). Letzter Sieg: %3.</translation>
    </message>
</context>
<context>
    <name>PerfectPlayBuild</name>
    <message>
        <source>quarn-engine, which builds the tables, is neither beside Quarn nor on the PATH.</source>
        <translation>quarn-engine, das die Tabellen baut, liegt weder neben Quarn noch im PATH.</translation>
    </message>
    <message>
        <source>There is no folder for the tables: neither XDG_CACHE_HOME nor HOME is set.</source>
        <translation>Es gibt keinen Ordner für die Tabellen: weder XDG_CACHE_HOME noch HOME ist gesetzt.</translation>
    </message>
    <message>
        <source>The build stopped with exit code %1.</source>
        <translation>Der Bau endete mit dem Exit-Code %1.</translation>
    </message>
    <message>
        <source>The build stopped unexpectedly.</source>
        <translation>Der Bau brach unerwartet ab.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>PerfectPlayDialog</name>
    <message>
        <source>Perfect play</source>
        <translation>Fehlerloses Spiel</translation>
    </message>
    <message>
        <source>Master never loses and the hint and the review are exact in every position.</source>
        <translation>Meister verliert nie, und Tipp und Analyse sind in jeder Stellung exakt.</translation>
    </message>
    <message>
        <source>Quarn solves the whole game on this computer, once: about %1 billion positions. It builds in the background at low priority, so you can play meanwhile. A build that is paused, cancelled or cut short by the end of Quarn goes on where it stopped.</source>
        <translation>Quarn löst das ganze Spiel einmal auf diesem Computer: etwa %1 Milliarden Stellungen. Der Bau läuft im Hintergrund mit niedriger Priorität, du kannst also weiterspielen. Ein Bau, der angehalten, abgebrochen oder durch das Beenden von Quarn unterbrochen wird, macht dort weiter, wo er stand.</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Bauen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>weniger als eine Minute</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>etwa %1 Min.</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>etwa %1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>Disk space: %1 more in %2 (%3 free).</source>
        <translation>Speicherplatz: %1 mehr in %2 (%3 frei).</translation>
    </message>
    <message>
        <source>Disk space: about %1 in %2.</source>
        <translation>Speicherplatz: etwa %1 in %2.</translation>
    </message>
    <message>
        <source>Time: %1 on this computer (%2 cores).</source>
        <translation>Zeit: %1 auf diesem Computer (%2 Kerne).</translation>
    </message>
    <message>
        <source>Last table built: %1.</source>
        <translation>Zuletzt gebaute Tabelle: %1.</translation>
    </message>
    <message>
        <source>Built: Master plays perfectly.</source>
        <translation>Gebaut: Meister spielt fehlerlos.</translation>
    </message>
    <message>
        <source>Not built yet.</source>
        <translation>Noch nicht gebaut.</translation>
    </message>
    <message>
        <source>Every table is built. Solving the placing phase from the first move (the last step, %1)...</source>
        <translation>Alle Tabellen sind gebaut. Die Setzphase wird vom ersten Zug an gelöst (der letzte Schritt, %1) …</translation>
    </message>
    <message>
        <source>Building...</source>
        <translation>Wird gebaut …</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>The build stopped: %1</source>
        <translation>Der Bau wurde beendet: %1</translation>
    </message>
    <message>
        <source>Nothing built so far is lost: Build goes on from there.</source>
        <translation>Nichts bisher Gebautes geht verloren: Bauen macht dort weiter.</translation>
    </message>
    <message>
        <source>Time left: %1.</source>
        <translation>Verbleibende Zeit: %1.</translation>
    </message>
    <message>
        <source>Time left: measuring...</source>
        <translation>Verbleibende Zeit: wird gemessen …</translation>
    </message>
    <message>
        <source>Built, but the tables found do not cover the whole game.</source>
        <translation>Gebaut, aber die gefundenen Tabellen decken nicht das ganze Spiel ab.</translation>
    </message>
</context>
</TS>
