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
        <source>White: %1 to place, %2 lost
Black: %3 to place, %4 lost</source>
        <translation>Wit: %1 te plaatsen, %2 verloren
Zwart: %3 te plaatsen, %4 verloren</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>White</source>
        <translation>wit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>zwart</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>You place %1</source>
        <translation>Je plaatst op %1</translation>
    </message>
    <message>
        <source>Computer places %1</source>
        <translation>De computer plaatst op %1</translation>
    </message>
    <message>
        <source>You place %1 and take %2</source>
        <translation>Je plaatst op %1 en neemt %2</translation>
    </message>
    <message>
        <source>Computer places %1 and takes %2</source>
        <translation>De computer plaatst op %1 en neemt %2</translation>
    </message>
    <message>
        <source>You move %1 to %2</source>
        <translation>Je zet van %1 naar %2</translation>
    </message>
    <message>
        <source>Computer moves %1 to %2</source>
        <translation>De computer zet van %1 naar %2</translation>
    </message>
    <message>
        <source>You move %1 to %2 and take %3</source>
        <translation>Je zet van %1 naar %2 en neemt %3</translation>
    </message>
    <message>
        <source>Computer moves %1 to %2 and takes %3</source>
        <translation>De computer zet van %1 naar %2 en neemt %3</translation>
    </message>
    <message>
        <source>To place</source>
        <translation>Te plaatsen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>You win in 1 move with best play</source>
        <translation>Met het beste spel win je in 1 zet</translation>
    </message>
    <message>
        <source>You win in %1 moves with best play</source>
        <translation>Met het beste spel win je in %1 zetten</translation>
    </message>
    <message>
        <source>You lose in 1 move with best play</source>
        <translation>Met het beste spel verlies je in 1 zet</translation>
    </message>
    <message>
        <source>You lose in %1 moves with best play</source>
        <translation>Met het beste spel verlies je in %1 zetten</translation>
    </message>
    <message>
        <source>Position repeated three times: you may claim a draw</source>
        <translation>Stelling drie keer herhaald: je kunt remise claimen</translation>
    </message>
    <message>
        <source>A draw with best play</source>
        <translation>Remise met het beste spel</translation>
    </message>
    <message>
        <source>Draw by repetition (claimed)</source>
        <translation>Remise door herhaling (geclaimd)</translation>
    </message>
    <message>
        <source>You resigned</source>
        <translation>Je hebt opgegeven</translation>
    </message>
    <message>
        <source>You lose: White has only two pieces left</source>
        <translation>Je verliest: wit heeft nog maar twee stukken</translation>
    </message>
    <message>
        <source>You lose: Black has only two pieces left</source>
        <translation>Je verliest: zwart heeft nog maar twee stukken</translation>
    </message>
    <message>
        <source>You win: White has only two pieces left</source>
        <translation>Je wint: wit heeft nog maar twee stukken</translation>
    </message>
    <message>
        <source>You win: Black has only two pieces left</source>
        <translation>Je wint: zwart heeft nog maar twee stukken</translation>
    </message>
    <message>
        <source>You lose: White cannot move</source>
        <translation>Je verliest: wit kan niet meer zetten</translation>
    </message>
    <message>
        <source>You lose: Black cannot move</source>
        <translation>Je verliest: zwart kan niet meer zetten</translation>
    </message>
    <message>
        <source>You win: White cannot move</source>
        <translation>Je wint: wit kan niet meer zetten</translation>
    </message>
    <message>
        <source>You win: Black cannot move</source>
        <translation>Je wint: zwart kan niet meer zetten</translation>
    </message>
    <message>
        <source>%1. Click to start game</source>
        <comment>the result of the game that ended</comment>
        <translation>%1. Klik om een spel te beginnen</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spel afgelopen</translation>
    </message>
    <message>
        <source>Start of the game (Escape returns)</source>
        <translation>Beginstelling (Escape keert terug)</translation>
    </message>
    <message>
        <source>White&apos;s move %1 of %2 (Escape returns)</source>
        <translation>Zet %1 van %2, wit (Escape keert terug)</translation>
    </message>
    <message>
        <source>Black&apos;s move %1 of %2 (Escape returns)</source>
        <translation>Zet %1 van %2, zwart (Escape keert terug)</translation>
    </message>
    <message>
        <source>An earlier position of the game is shown. Return to the game?</source>
        <translation>Er wordt een eerdere stelling van het spel getoond. Terug naar het spel?</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 wint</translation>
    </message>
    <message>
        <source>%1 resigned.</source>
        <translation>%1 heeft opgegeven.</translation>
    </message>
    <message>
        <source>%1 has only two pieces left.</source>
        <translation>%1 heeft nog maar twee stukken.</translation>
    </message>
    <message>
        <source>None of %1&apos;s pieces can move.</source>
        <translation>Geen enkel stuk van %1 kan zetten.</translation>
    </message>
    <message>
        <source>Paused: %1 to move</source>
        <translation>Gepauzeerd: %1 aan zet</translation>
    </message>
    <message>
        <source>Computer against computer: %1 to move</source>
        <translation>Computer tegen computer: %1 aan zet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 to place, %3 lost</source>
        <translation>%1: %2 te plaatsen, %3 verloren</translation>
    </message>
    <message>
        <source>Hint: move %1 to %2</source>
        <translation>Tip: %1 naar %2 zetten</translation>
    </message>
    <message>
        <source>Hint: place on %1</source>
        <translation>Tip: op %1 plaatsen</translation>
    </message>
    <message>
        <source>Mill closed</source>
        <translation>Molen gesloten</translation>
    </message>
    <message>
        <source>Replayed %1</source>
        <translation>Opnieuw gespeeld: %1</translation>
    </message>
    <message>
        <source>Took back %1</source>
        <translation>Teruggenomen: %1</translation>
    </message>
    <message>
        <source>can be taken</source>
        <translation>kan geslagen worden</translation>
    </message>
    <message>
        <source>in a mill</source>
        <translation>in een molen</translation>
    </message>
    <message>
        <source>no pieces</source>
        <translation>geen stukken</translation>
    </message>
    <message>
        <source>picked to move</source>
        <translation>gekozen om te zetten</translation>
    </message>
    <message>
        <source>take %1</source>
        <translation>%1 slaan</translation>
    </message>
    <message>
        <source>you can move here</source>
        <translation>u kunt hierheen</translation>
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
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Spel openen…</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Spel opslaan…</translation>
    </message>
    <message>
        <source>Move list</source>
        <translation>Zettenlijst</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>About Quarn</source>
        <translation>Over Quarn</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spel openen</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>%1 is not a game that Quarn can open.</source>
        <translation>%1 is geen spel dat Quarn kan openen.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file is too large to be a game record.</source>
        <translation>Het bestand is te groot voor een opgeslagen spel.</translation>
    </message>
    <message>
        <source>Line %1 holds something that is not text.</source>
        <translation>Regel %1 bevat iets dat geen tekst is.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a move.</source>
        <translation>Regel %1: ‘%2’ is geen zet.</translation>
    </message>
    <message>
        <source>Line %1: the move %2 cannot be played there.</source>
        <translation>Regel %1: de zet %2 kan daar niet worden gespeeld.</translation>
    </message>
    <message>
        <source>Line %1: the move %2 comes after the end of the game.</source>
        <translation>Regel %1: de zet %2 komt na het einde van het spel.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; cannot be read.</source>
        <translation>Regel %1: ‘%2’ kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Line %1: a game record holds at most %2 moves.</source>
        <translation>Regel %1: een opgeslagen spel bevat hoogstens %2 zetten.</translation>
    </message>
    <message>
        <source>A game record holds at most %1 moves.</source>
        <translation>Een opgeslagen spel bevat hoogstens %1 zetten.</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.</source>
        <translation>Het spel kon niet in %1 worden opgeslagen.</translation>
    </message>
    <message>
        <source>Quarn games (*.%1)</source>
        <translation>Quarn-spellen (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Abandon the game in progress?</source>
        <translation>Het lopende spel opgeven?</translation>
    </message>
    <message>
        <source>The game in progress cannot be kept in %1; Quarn tries again after every move.</source>
        <translation>Het lopende spel kan niet in %1 worden bewaard; Quarn probeert het na elke zet opnieuw.</translation>
    </message>
    <message>
        <source>The settings cannot be saved; Quarn tries again at every change.</source>
        <translation>De instellingen kunnen niet worden opgeslagen; Quarn probeert het bij elke wijziging opnieuw.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Point names</source>
        <translation>Namen van de punten</translation>
    </message>
    <message>
        <source>Moves that threw a value away: %1</source>
        <translation>Zetten die een waarde verspeelden: %1</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meester</translation>
    </message>
    <message>
        <source>Claim Draw</source>
        <translation>Remise claimen</translation>
    </message>
    <message>
        <source>Resign</source>
        <translation>Opgeven</translation>
    </message>
    <message>
        <source>Analyse Game</source>
        <translation>Partij analyseren</translation>
    </message>
    <message>
        <source>Looking for the moves that threw a value away...</source>
        <translation>Zoeken naar de zetten die een waarde verspeelden…</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Very easy: a few moves ahead</source>
        <translation>Heel makkelijk: kijkt een paar zetten vooruit</translation>
    </message>
    <message>
        <source>Easy: a little further ahead, and still easy to trick</source>
        <translation>Makkelijk: kijkt iets verder vooruit, maar is nog makkelijk te misleiden</translation>
    </message>
    <message>
        <source>Medium: several moves ahead</source>
        <translation>Gemiddeld: kijkt meerdere zetten vooruit</translation>
    </message>
    <message>
        <source>Hard: a deeper search that seldom misses a mill</source>
        <translation>Moeilijk: rekent dieper en mist zelden een molen</translation>
    </message>
    <message>
        <source>Very hard: the deepest search, about a second a move</source>
        <translation>Heel moeilijk: rekent het diepst, ongeveer een seconde per zet</translation>
    </message>
    <message>
        <source>Master: perfect in every position its tables cover</source>
        <translation>Meester: foutloos in elke stelling die zijn tabellen kennen</translation>
    </message>
    <message>
        <source>Game in progress</source>
        <translation>Lopend spel</translation>
    </message>
    <message>
        <source>Recent Games</source>
        <translation>Recente spellen</translation>
    </message>
    <message>
        <source>Resign this game?</source>
        <translation>Dit spel opgeven?</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Perfect play…</source>
        <translation>Foutloos spel…</translation>
    </message>
    <message>
        <source>Master (perfect)</source>
        <translation>Meester (foutloos)</translation>
    </message>
    <message>
        <source>Master: plays perfectly, the whole game is solved on this computer</source>
        <translation>Meester: speelt foutloos, het hele spel is op deze computer opgelost</translation>
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
    <message>
        <source>%1 to %2</source>
        <translation>%1 naar %2</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>slaat %1</translation>
    </message>
    <message>
        <source>lost the win</source>
        <translation>de winst verspeeld</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>teruggenomen</translation>
    </message>
    <message>
        <source>Draw by repetition</source>
        <translation>Remise door herhaling</translation>
    </message>
    <message>
        <source>White resigns</source>
        <translation>Wit geeft op</translation>
    </message>
    <message>
        <source>Black resigns</source>
        <translation>Zwart geeft op</translation>
    </message>
    <message>
        <source>White wins</source>
        <translation>Wit wint</translation>
    </message>
    <message>
        <source>Black wins</source>
        <translation>Zwart wint</translation>
    </message>
</context>
<context>
    <name>HelpBoxes</name>
    <message>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>About Quarn</source>
        <translation>Over Quarn</translation>
    </message>
    <message>
        <source>The board has 24 points on three squares, joined by lines. Each side has 9 pieces; White moves first, then the sides take turns.</source>
        <translation>Het bord heeft 24 punten op drie vierkanten, verbonden door lijnen. Elke kant heeft 9 stukken; wit begint, daarna zetten de kanten om beurten.</translation>
    </message>
    <message>
        <source>Placing.</source>
        <translation>Plaatsen.</translation>
    </message>
    <message>
        <source>In the first 18 moves, 9 for each side, a move puts a new piece on an empty point.</source>
        <translation>In de eerste 18 zetten, 9 voor elke kant, plaatst elke zet een nieuw stuk op een leeg punt.</translation>
    </message>
    <message>
        <source>Moving.</source>
        <translation>Schuiven.</translation>
    </message>
    <message>
        <source>Then a move slides one of your pieces along a line to a neighbouring empty point. While a side has exactly 3 pieces left, its pieces may jump (fly) to any empty point.</source>
        <translation>Daarna schuift elke zet een van je stukken langs een lijn naar een aangrenzend leeg punt. Zolang een kant nog precies 3 stukken heeft, mogen zijn stukken naar elk leeg punt springen.</translation>
    </message>
    <message>
        <source>Mills.</source>
        <translation>Molens.</translation>
    </message>
    <message>
        <source>Three of your pieces in a row along a line form a mill. A move that closes a mill captures one of the opponent&apos;s pieces; a piece that stands in a mill may be taken only when all of the opponent&apos;s pieces do.</source>
        <translation>Drie eigen stukken op een rij langs een lijn vormen een molen. Een zet die een molen sluit, slaat een stuk van de tegenstander; een stuk dat in een molen staat, mag alleen worden geslagen als alle stukken van de tegenstander in een molen staan.</translation>
    </message>
    <message>
        <source>End of the game.</source>
        <translation>Einde van het spel.</translation>
    </message>
    <message>
        <source>From the moving phase on, a side loses when it is to move with only 2 pieces or with no legal move. When the same position, with the same side to move, stands on the board for the third time, you may claim a draw on your turn (Game / Claim Draw). You may also resign (Game / Resign). Starting a new game abandons the game in progress; every game that ends is kept under Game / Recent Games.</source>
        <translation>Vanaf de schuiffase verliest een kant die aan zet is met nog maar 2 stukken of zonder geldige zet. Staat dezelfde stelling, met dezelfde kant aan zet, voor de derde keer op het bord, dan mag je in je beurt remise claimen (Spel / Remise claimen). Je kunt ook opgeven (Spel / Opgeven). Een nieuw spel beginnen geeft het lopende spel op; elk spel dat eindigt wordt bewaard onder Spel / Recente spellen.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Nine Men&apos;s Morris against the computer.</source>
        <translation>Molenspel tegen de computer.</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later</source>
        <translation>Licentie: GNU General Public License, versie 3 of later</translation>
    </message>
    <message>
        <source>Engine signature: %1 nodes (quarn-engine bench)</source>
        <translation>Handtekening van de engine: %1 knopen (quarn-engine bench)</translation>
    </message>
    <message>
        <source>Notation.</source>
        <translation>Notatie.</translation>
    </message>
    <message>
        <source>A point is named by its square, a (outer), b (middle) or c (inner), and a number from 1 to 8, clockwise from the square&apos;s top-left corner: a1 is the outer top-left corner, c8 the middle of the inner square&apos;s left side. A placement is written as its point (a1), a move as its start and end (a1a2), and a capture follows a dash (a3-c5). View / Point names shows the names on the board.</source>
        <translation>Een punt heet naar zijn vierkant, a (buiten), b (midden) of c (binnen), en een getal van 1 tot 8, met de klok mee vanaf de linkerbovenhoek van het vierkant: a1 is de buitenste linkerbovenhoek, c8 het midden van de linkerzijde van het binnenste vierkant. Een plaatsing wordt geschreven als haar punt (a1), een zet als begin en eind (a1a2), en een slag volgt na een streepje (a3-c5). Beeld / Namen van de punten toont de namen op het bord.</translation>
    </message>
    <message>
        <source>The arrow keys move a cursor from point to point, and typing a point&apos;s name (a letter from a to c, then a digit from 1 to 8) puts it there. Enter or Space plays the cursor&apos;s point as a click would; Escape puts back a piece picked to move. P reads the whole position, N the pieces each side has to place and has lost, R repeats what the board said last. Tab and Shift+Tab go from the board to the move list and back.</source>
        <translation>De pijltjestoetsen verplaatsen een cursor van punt naar punt, en de naam van een punt typen (een letter van a tot c, dan een cijfer van 1 tot 8) zet hem daar. Enter of spatie speelt het punt van de cursor zoals een klik; Escape zet een stuk dat je wilde verplaatsen weer neer. P leest de hele stelling voor, N de stukken die elke kant nog moet plaatsen en verloren heeft, R herhaalt wat het bord het laatst zei. Tab en Shift+Tab gaan van het bord naar de zettenlijst en terug.</translation>
    </message>
    <message>
        <source>A click on a move shows the position after it, read only; Escape, or a click on the last move played, returns to the game. From the keyboard, the arrow keys, Home and End go from move to move, and Enter or Space shows the position after the move. Once the game has ended, its last line gives the result.</source>
        <translation>Een klik op een zet toont de stelling erna, alleen om te bekijken; Escape, of een klik op de laatst gespeelde zet, brengt je terug naar het spel. Met het toetsenbord gaan de pijltjestoetsen, Home en End van zet naar zet, en Enter of spatie toont de stelling na de zet. Als het spel voorbij is, geeft de laatste regel de uitslag.</translation>
    </message>
    <message>
        <source>Keys of the menus.</source>
        <translation>Toetsen van de menu&apos;s.</translation>
    </message>
    <message>
        <source>Keys on the board.</source>
        <translation>Toetsen op het bord.</translation>
    </message>
    <message>
        <source>The move list.</source>
        <translation>De zettenlijst.</translation>
    </message>
    <message>
        <source>With a screen reader.</source>
        <translation>Met een schermlezer.</translation>
    </message>
    <message>
        <source>The board tells a screen reader such as Orca each move of both sides, what to do next, a mill, the hint, a move taken back and the end of the game; every point reads its name, its piece and what you may do with it.</source>
        <translation>Het bord vertelt een schermlezer zoals Orca elke zet van beide kanten, wat je nu moet doen, een molen, de tip, een teruggenomen zet en het einde van het spel; elk punt noemt zijn naam, zijn stuk en wat je ermee kunt doen.</translation>
    </message>
    <message>
        <source>Master plays perfectly: the whole game is solved on this computer.</source>
        <translation>Meester speelt foutloos: het hele spel is op deze computer opgelost.</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>drawn</source>
        <translation>remise</translation>
    </message>
    <message>
        <source>undecided (%1)</source>
        <translation>onbeslist (%1)</translation>
    </message>
    <message>
        <source>Before this move: %1
After it: %2</source>
        <translation>Voor deze zet: %1
Erna: %2</translation>
    </message>
    <message>
        <source>won with this move</source>
        <translation>gewonnen met deze zet</translation>
    </message>
    <message>
        <source>won in %1 moves</source>
        <translation>gewonnen in %1 zetten</translation>
    </message>
    <message>
        <source>won within %1 moves</source>
        <translation>gewonnen in hoogstens %1 zetten</translation>
    </message>
    <message>
        <source>lost after this move</source>
        <translation>verloren na deze zet</translation>
    </message>
    <message>
        <source>lost within 1 move</source>
        <translation>verloren in hoogstens 1 zet</translation>
    </message>
    <message>
        <source>lost in %1 moves</source>
        <translation>verloren in %1 zetten</translation>
    </message>
    <message>
        <source>lost within %1 moves</source>
        <translation>verloren in hoogstens %1 zetten</translation>
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
        <translation>Zwart heeft opgegeven</translation>
    </message>
    <message>
        <source>White resigned</source>
        <translation>Wit heeft opgegeven</translation>
    </message>
    <message>
        <source>Black won</source>
        <translation>Zwart heeft gewonnen</translation>
    </message>
    <message>
        <source>White won</source>
        <translation>Wit heeft gewonnen</translation>
    </message>
    <message>
        <source>Draw by repetition</source>
        <translation>Remise door herhaling</translation>
    </message>
    <message>
        <source>No finished games yet</source>
        <translation>Nog geen beëindigde spellen</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Niet beëindigd</translation>
    </message>
    <message>
        <source>Undated</source>
        <translation>Zonder datum</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Je hebt verloren</translation>
    </message>
    <message>
        <source>You resigned</source>
        <translation>Je hebt opgegeven</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Je hebt gewonnen</translation>
    </message>
</context>
<context>
    <name>NewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>You against the computer</source>
        <translation>Jij tegen de computer</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Twee spelers</translation>
    </message>
    <message>
        <source>Computer against computer</source>
        <translation>Computer tegen computer</translation>
    </message>
    <message>
        <source>White plays at</source>
        <translation>Wit speelt op niveau</translation>
    </message>
    <message>
        <source>Black plays at</source>
        <translation>Zwart speelt op niveau</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Remise</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Afgebroken</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Opnieuw beginnen</translation>
    </message>
    <message>
        <source>Forget every game counted so far?</source>
        <translation>Alle tot nu toe getelde partijen vergeten?</translation>
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
        <source>none yet</source>
        <translation>nog geen</translation>
    </message>
    <message>
        <source>Longest winning streak: %1 (now %2). Last win: %3.</source>
        <translation>Langste winstreeks: %1 (nu %2). Laatste winst: %3.</translation>
    </message>
</context>
<context>
    <name>PerfectPlayBuild</name>
    <message>
        <source>quarn-engine, which builds the tables, is neither beside Quarn nor on the PATH.</source>
        <translation>quarn-engine, dat de tabellen bouwt, staat niet naast Quarn en niet in het PATH.</translation>
    </message>
    <message>
        <source>There is no folder for the tables: neither XDG_CACHE_HOME nor HOME is set.</source>
        <translation>Er is geen map voor de tabellen: XDG_CACHE_HOME en HOME zijn allebei niet gezet.</translation>
    </message>
    <message>
        <source>The build stopped with exit code %1.</source>
        <translation>Het bouwen stopte met afsluitcode %1.</translation>
    </message>
    <message>
        <source>The build stopped unexpectedly.</source>
        <translation>Het bouwen stopte onverwacht.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 kon niet worden gestart: %2</translation>
    </message>
</context>
<context>
    <name>PerfectPlayDialog</name>
    <message>
        <source>Perfect play</source>
        <translation>Foutloos spel</translation>
    </message>
    <message>
        <source>Master never loses and the hint and the review are exact in every position.</source>
        <translation>Meester verliest nooit, en de hint en de analyse zijn in elke stelling exact.</translation>
    </message>
    <message>
        <source>Quarn solves the whole game on this computer, once: about %1 billion positions. It builds in the background at low priority, so you can play meanwhile. A build that is paused, cancelled or cut short by the end of Quarn goes on where it stopped.</source>
        <translation>Quarn lost het hele spel eenmalig op deze computer op: ongeveer %1 miljard stellingen. Het bouwen gebeurt op de achtergrond met lage prioriteit, dus je kunt intussen spelen. Bouwen dat gepauzeerd, geannuleerd of door het afsluiten van Quarn onderbroken is, gaat verder waar het stopte.</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Bouwen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>minder dan een minuut</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>ongeveer %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>ongeveer %1 u %2 min</translation>
    </message>
    <message>
        <source>Disk space: %1 more in %2 (%3 free).</source>
        <translation>Schijfruimte: %1 extra in %2 (%3 vrij).</translation>
    </message>
    <message>
        <source>Disk space: about %1 in %2.</source>
        <translation>Schijfruimte: ongeveer %1 in %2.</translation>
    </message>
    <message>
        <source>Time: %1 on this computer (%2 cores).</source>
        <translation>Tijd: %1 op deze computer (%2 kernen).</translation>
    </message>
    <message>
        <source>Last table built: %1.</source>
        <translation>Laatst gebouwde tabel: %1.</translation>
    </message>
    <message>
        <source>Built: Master plays perfectly.</source>
        <translation>Gebouwd: Meester speelt foutloos.</translation>
    </message>
    <message>
        <source>Not built yet.</source>
        <translation>Nog niet gebouwd.</translation>
    </message>
    <message>
        <source>Every table is built. Solving the placing phase from the first move (the last step, %1)...</source>
        <translation>Alle tabellen zijn gebouwd. De plaatsingsfase wordt vanaf de eerste zet opgelost (de laatste stap, %1)…</translation>
    </message>
    <message>
        <source>Building...</source>
        <translation>Bezig met bouwen…</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Gepauzeerd.</translation>
    </message>
    <message>
        <source>The build stopped: %1</source>
        <translation>Het bouwen is gestopt: %1</translation>
    </message>
    <message>
        <source>Nothing built so far is lost: Build goes on from there.</source>
        <translation>Niets van wat al gebouwd is gaat verloren: Bouwen gaat daar verder.</translation>
    </message>
    <message>
        <source>Time left: %1.</source>
        <translation>Resterende tijd: %1.</translation>
    </message>
    <message>
        <source>Time left: measuring...</source>
        <translation>Resterende tijd: wordt gemeten…</translation>
    </message>
    <message>
        <source>Built, but the tables found do not cover the whole game.</source>
        <translation>Gebouwd, maar de gevonden tabellen dekken niet het hele spel.</translation>
    </message>
</context>
</TS>
