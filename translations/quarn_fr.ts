<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardWidget</name>
    <message>
        <source>Moving piece...</source>
        <translation>Déplacement du pion…</translation>
    </message>
    <message>
        <source>Click to start game</source>
        <translation>Cliquez pour commencer une partie</translation>
    </message>
    <message>
        <source>Computer is thinking...</source>
        <translation>L'ordinateur réfléchit…</translation>
    </message>
    <message>
        <source>Set your %1. piece</source>
        <translation>Placez votre pion n° %1</translation>
    </message>
    <message>
        <source>Select which piece to move</source>
        <translation>Choisissez le pion à déplacer</translation>
    </message>
    <message>
        <source>Select where to move the piece</source>
        <translation>Choisissez où déplacer le pion</translation>
    </message>
    <message>
        <source>Take a %1 piece</source>
        <translation>Prenez un pion %1</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>Nine Men&apos;s Morris</source>
        <translation>Jeu du moulin</translation>
    </message>
    <message>
        <source>White: %1 to place, %2 lost
Black: %3 to place, %4 lost</source>
        <translation>Blancs : %1 à poser, %2 perdus
Noirs : %3 à poser, %4 perdus</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>You place %1</source>
        <translation>Vous placez en %1</translation>
    </message>
    <message>
        <source>Computer places %1</source>
        <translation>L'ordinateur place en %1</translation>
    </message>
    <message>
        <source>You place %1 and take %2</source>
        <translation>Vous placez en %1 et prenez %2</translation>
    </message>
    <message>
        <source>Computer places %1 and takes %2</source>
        <translation>L'ordinateur place en %1 et prend %2</translation>
    </message>
    <message>
        <source>You move %1 to %2</source>
        <translation>Vous déplacez de %1 à %2</translation>
    </message>
    <message>
        <source>Computer moves %1 to %2</source>
        <translation>L'ordinateur déplace de %1 à %2</translation>
    </message>
    <message>
        <source>You move %1 to %2 and take %3</source>
        <translation>Vous déplacez de %1 à %2 et prenez %3</translation>
    </message>
    <message>
        <source>Computer moves %1 to %2 and takes %3</source>
        <translation>L'ordinateur déplace de %1 à %2 et prend %3</translation>
    </message>
    <message>
        <source>To place</source>
        <translation>À poser</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>You win in 1 move with best play</source>
        <translation>Avec le meilleur jeu, vous gagnez en 1 coup</translation>
    </message>
    <message>
        <source>You win in %1 moves with best play</source>
        <translation>Avec le meilleur jeu, vous gagnez en %1 coups</translation>
    </message>
    <message>
        <source>You lose in 1 move with best play</source>
        <translation>Avec le meilleur jeu, vous perdez en 1 coup</translation>
    </message>
    <message>
        <source>You lose in %1 moves with best play</source>
        <translation>Avec le meilleur jeu, vous perdez en %1 coups</translation>
    </message>
    <message>
        <source>Position repeated three times: you may claim a draw</source>
        <translation>Position répétée trois fois : vous pouvez réclamer la nulle</translation>
    </message>
    <message>
        <source>A draw with best play</source>
        <translation>Nulle avec le meilleur jeu</translation>
    </message>
    <message>
        <source>Draw by repetition (claimed)</source>
        <translation>Nulle par répétition (réclamée)</translation>
    </message>
    <message>
        <source>You resigned</source>
        <translation>Vous avez abandonné</translation>
    </message>
    <message>
        <source>You lose: White has only two pieces left</source>
        <translation>Vous perdez : les Blancs n’ont plus que deux pions</translation>
    </message>
    <message>
        <source>You lose: Black has only two pieces left</source>
        <translation>Vous perdez : les Noirs n’ont plus que deux pions</translation>
    </message>
    <message>
        <source>You win: White has only two pieces left</source>
        <translation>Vous gagnez : les Blancs n’ont plus que deux pions</translation>
    </message>
    <message>
        <source>You win: Black has only two pieces left</source>
        <translation>Vous gagnez : les Noirs n’ont plus que deux pions</translation>
    </message>
    <message>
        <source>You lose: White cannot move</source>
        <translation>Vous perdez : les Blancs ne peuvent plus bouger</translation>
    </message>
    <message>
        <source>You lose: Black cannot move</source>
        <translation>Vous perdez : les Noirs ne peuvent plus bouger</translation>
    </message>
    <message>
        <source>You win: White cannot move</source>
        <translation>Vous gagnez : les Blancs ne peuvent plus bouger</translation>
    </message>
    <message>
        <source>You win: Black cannot move</source>
        <translation>Vous gagnez : les Noirs ne peuvent plus bouger</translation>
    </message>
    <message>
        <source>%1. Click to start game</source>
        <comment>the result of the game that ended</comment>
        <translation>%1. Cliquez pour commencer une partie</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Start of the game (Escape returns)</source>
        <translation>Position de départ (Échap pour revenir)</translation>
    </message>
    <message>
        <source>White&apos;s move %1 of %2 (Escape returns)</source>
        <translation>Coup %1 sur %2, Blancs (Échap pour revenir)</translation>
    </message>
    <message>
        <source>Black&apos;s move %1 of %2 (Escape returns)</source>
        <translation>Coup %1 sur %2, Noirs (Échap pour revenir)</translation>
    </message>
    <message>
        <source>An earlier position of the game is shown. Return to the game?</source>
        <translation>Une position antérieure de la partie est affichée. Revenir à la partie ?</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gagne</translation>
    </message>
    <message>
        <source>%1 resigned.</source>
        <translation>%1 a abandonné.</translation>
    </message>
    <message>
        <source>%1 has only two pieces left.</source>
        <translation>%1 n’a plus que deux pièces.</translation>
    </message>
    <message>
        <source>None of %1&apos;s pieces can move.</source>
        <translation>Aucune pièce de %1 ne peut bouger.</translation>
    </message>
    <message>
        <source>Paused: %1 to move</source>
        <translation>En pause : %1 au trait</translation>
    </message>
    <message>
        <source>Computer against computer: %1 to move</source>
        <translation>Ordinateur contre ordinateur : %1 au trait</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 to place, %3 lost</source>
        <translation>%1 : %2 à placer, %3 perdues</translation>
    </message>
    <message>
        <source>Hint: move %1 to %2</source>
        <translation>Conseil : déplacer %1 vers %2</translation>
    </message>
    <message>
        <source>Hint: place on %1</source>
        <translation>Conseil : placer en %1</translation>
    </message>
    <message>
        <source>Mill closed</source>
        <translation>Moulin fermé</translation>
    </message>
    <message>
        <source>Replayed %1</source>
        <translation>Rejoué : %1</translation>
    </message>
    <message>
        <source>Took back %1</source>
        <translation>Repris : %1</translation>
    </message>
    <message>
        <source>can be taken</source>
        <translation>peut être pris</translation>
    </message>
    <message>
        <source>in a mill</source>
        <translation>dans un moulin</translation>
    </message>
    <message>
        <source>no pieces</source>
        <translation>aucun pion</translation>
    </message>
    <message>
        <source>picked to move</source>
        <translation>choisi pour être déplacé</translation>
    </message>
    <message>
        <source>take %1</source>
        <translation>prendre %1</translation>
    </message>
    <message>
        <source>you can move here</source>
        <translation>vous pouvez aller ici</translation>
    </message>
</context>
<context>
    <name>Quarn</name>
    <message>
        <source>Nine Men&apos;s Morris</source>
        <translation>Jeu du moulin</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Very easy</source>
        <translation>Très facile</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Très difficile</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Player Color</source>
        <translation>Couleur du joueur</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Ouvrir une partie…</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Enregistrer la partie…</translation>
    </message>
    <message>
        <source>Move list</source>
        <translation>Liste des coups</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>About Quarn</source>
        <translation>À propos de Quarn</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>%1 is not a game that Quarn can open.</source>
        <translation>%1 n&apos;est pas une partie que Quarn peut ouvrir.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file is too large to be a game record.</source>
        <translation>Le fichier est trop grand pour être une partie enregistrée.</translation>
    </message>
    <message>
        <source>Line %1 holds something that is not text.</source>
        <translation>La ligne %1 contient autre chose que du texte.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a move.</source>
        <translation>Ligne %1 : « %2 » n&apos;est pas un coup.</translation>
    </message>
    <message>
        <source>Line %1: the move %2 cannot be played there.</source>
        <translation>Ligne %1 : le coup %2 n&apos;est pas possible à cet endroit.</translation>
    </message>
    <message>
        <source>Line %1: the move %2 comes after the end of the game.</source>
        <translation>Ligne %1 : le coup %2 vient après la fin de la partie.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; cannot be read.</source>
        <translation>Ligne %1 : « %2 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Line %1: a game record holds at most %2 moves.</source>
        <translation>Ligne %1 : une partie enregistrée contient au plus %2 coups.</translation>
    </message>
    <message>
        <source>A game record holds at most %1 moves.</source>
        <translation>Une partie enregistrée contient au plus %1 coups.</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.</source>
        <translation>La partie n&apos;a pas pu être enregistrée dans %1.</translation>
    </message>
    <message>
        <source>Quarn games (*.%1)</source>
        <translation>Parties Quarn (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Abandon the game in progress?</source>
        <translation>Abandonner la partie en cours ?</translation>
    </message>
    <message>
        <source>The game in progress cannot be kept in %1; Quarn tries again after every move.</source>
        <translation>La partie en cours ne peut pas être conservée dans %1 ; Quarn réessaie après chaque coup.</translation>
    </message>
    <message>
        <source>The settings cannot be saved; Quarn tries again at every change.</source>
        <translation>Les réglages ne peuvent pas être enregistrés ; Quarn réessaie à chaque changement.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Point names</source>
        <translation>Noms des points</translation>
    </message>
    <message>
        <source>Moves that threw a value away: %1</source>
        <translation>Coups qui ont gâché une valeur : %1</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Claim Draw</source>
        <translation>Réclamer la nulle</translation>
    </message>
    <message>
        <source>Resign</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Analyse Game</source>
        <translation>Analyser la partie</translation>
    </message>
    <message>
        <source>Looking for the moves that threw a value away...</source>
        <translation>Recherche des coups qui ont gâché une valeur…</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Very easy: a few moves ahead</source>
        <translation>Très facile : voit quelques coups à l&apos;avance</translation>
    </message>
    <message>
        <source>Easy: a little further ahead, and still easy to trick</source>
        <translation>Facile : voit un peu plus loin, mais se laisse encore piéger</translation>
    </message>
    <message>
        <source>Medium: several moves ahead</source>
        <translation>Moyen : voit plusieurs coups à l&apos;avance</translation>
    </message>
    <message>
        <source>Hard: a deeper search that seldom misses a mill</source>
        <translation>Difficile : calcule plus loin et manque rarement un moulin</translation>
    </message>
    <message>
        <source>Very hard: the deepest search, about a second a move</source>
        <translation>Très difficile : calcule au plus loin, environ une seconde par coup</translation>
    </message>
    <message>
        <source>Master: perfect in every position its tables cover</source>
        <translation>Maître : parfait dans toute position que ses tables couvrent</translation>
    </message>
    <message>
        <source>Game in progress</source>
        <translation>Partie en cours</translation>
    </message>
    <message>
        <source>Recent Games</source>
        <translation>Parties récentes</translation>
    </message>
    <message>
        <source>Resign this game?</source>
        <translation>Abandonner cette partie ?</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Perfect play…</source>
        <translation>Jeu parfait…</translation>
    </message>
    <message>
        <source>Master (perfect)</source>
        <translation>Maître (parfait)</translation>
    </message>
    <message>
        <source>Master: plays perfectly, the whole game is solved on this computer</source>
        <translation>Maître : joue parfaitement, toute la partie est résolue sur cet ordinateur</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>No moves yet</source>
        <translation>Aucun coup pour l'instant</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 vers %2</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>prend %1</translation>
    </message>
    <message>
        <source>lost the win</source>
        <translation>a perdu la victoire</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>repris</translation>
    </message>
    <message>
        <source>Draw by repetition</source>
        <translation>Nulle par répétition</translation>
    </message>
    <message>
        <source>White resigns</source>
        <translation>Blanc abandonne</translation>
    </message>
    <message>
        <source>Black resigns</source>
        <translation>Noir abandonne</translation>
    </message>
    <message>
        <source>White wins</source>
        <translation>Blanc gagne</translation>
    </message>
    <message>
        <source>Black wins</source>
        <translation>Noir gagne</translation>
    </message>
</context>
<context>
    <name>HelpBoxes</name>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>About Quarn</source>
        <translation>À propos de Quarn</translation>
    </message>
    <message>
        <source>The board has 24 points on three squares, joined by lines. Each side has 9 pieces; White moves first, then the sides take turns.</source>
        <translation>Le plateau compte 24 points répartis sur trois carrés reliés par des lignes. Chaque camp a 9 pions ; les Blancs jouent en premier, puis les camps jouent à tour de rôle.</translation>
    </message>
    <message>
        <source>Placing.</source>
        <translation>Pose.</translation>
    </message>
    <message>
        <source>In the first 18 moves, 9 for each side, a move puts a new piece on an empty point.</source>
        <translation>Pendant les 18 premiers coups, 9 pour chaque camp, chaque coup pose un nouveau pion sur un point libre.</translation>
    </message>
    <message>
        <source>Moving.</source>
        <translation>Déplacement.</translation>
    </message>
    <message>
        <source>Then a move slides one of your pieces along a line to a neighbouring empty point. While a side has exactly 3 pieces left, its pieces may jump (fly) to any empty point.</source>
        <translation>Ensuite, chaque coup fait glisser un de vos pions le long d&apos;une ligne vers un point voisin libre. Tant qu&apos;un camp n&apos;a plus que 3 pions exactement, ses pions peuvent sauter sur n&apos;importe quel point libre.</translation>
    </message>
    <message>
        <source>Mills.</source>
        <translation>Moulins.</translation>
    </message>
    <message>
        <source>Three of your pieces in a row along a line form a mill. A move that closes a mill captures one of the opponent&apos;s pieces; a piece that stands in a mill may be taken only when all of the opponent&apos;s pieces do.</source>
        <translation>Trois de vos pions alignés sur une ligne forment un moulin. Un coup qui ferme un moulin prend un pion adverse ; un pion qui fait partie d&apos;un moulin ne peut être pris que si tous les pions adverses font partie de moulins.</translation>
    </message>
    <message>
        <source>End of the game.</source>
        <translation>Fin de la partie.</translation>
    </message>
    <message>
        <source>From the moving phase on, a side loses when it is to move with only 2 pieces or with no legal move. When the same position, with the same side to move, stands on the board for the third time, you may claim a draw on your turn (Game / Claim Draw). You may also resign (Game / Resign). Starting a new game abandons the game in progress; every game that ends is kept under Game / Recent Games.</source>
        <translation>À partir de la phase de déplacement, un camp perd quand il doit jouer avec seulement 2 pions ou sans coup légal. Quand la même position, avec le même camp au trait, se présente pour la troisième fois sur le plateau, vous pouvez réclamer la nulle à votre tour (Partie / Réclamer la nulle). Vous pouvez aussi abandonner (Partie / Abandonner). Commencer une nouvelle partie abandonne la partie en cours ; chaque partie terminée est conservée dans Partie / Parties récentes.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Nine Men&apos;s Morris against the computer.</source>
        <translation>Le jeu du moulin contre l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later</source>
        <translation>Licence : GNU General Public License, version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>Engine signature: %1 nodes (quarn-engine bench)</source>
        <translation>Signature du moteur : %1 nœuds (quarn-engine bench)</translation>
    </message>
    <message>
        <source>Notation.</source>
        <translation>Notation.</translation>
    </message>
    <message>
        <source>A point is named by its square, a (outer), b (middle) or c (inner), and a number from 1 to 8, clockwise from the square&apos;s top-left corner: a1 is the outer top-left corner, c8 the middle of the inner square&apos;s left side. A placement is written as its point (a1), a move as its start and end (a1a2), and a capture follows a dash (a3-c5). View / Point names shows the names on the board.</source>
        <translation>Un point porte le nom de son carré, a (extérieur), b (milieu) ou c (intérieur), et un nombre de 1 à 8, dans le sens des aiguilles d&apos;une montre depuis le coin supérieur gauche du carré : a1 est le coin supérieur gauche extérieur, c8 le milieu du côté gauche du carré intérieur. Une pose s&apos;écrit par son point (a1), un déplacement par son départ et son arrivée (a1a2), et une prise suit un tiret (a3-c5). Affichage / Noms des points montre les noms sur le plateau.</translation>
    </message>
    <message>
        <source>The arrow keys move a cursor from point to point, and typing a point&apos;s name (a letter from a to c, then a digit from 1 to 8) puts it there. Enter or Space plays the cursor&apos;s point as a click would; Escape puts back a piece picked to move. P reads the whole position, N the pieces each side has to place and has lost, R repeats what the board said last. Tab and Shift+Tab go from the board to the move list and back.</source>
        <translation>Les flèches déplacent un curseur de point en point, et taper le nom d&apos;un point (une lettre de a à c, puis un chiffre de 1 à 8) l&apos;y place. Entrée ou Espace joue le point du curseur comme un clic ; Échap repose un pion choisi pour être déplacé. P lit toute la position, N les pions que chaque camp doit encore placer et a perdus, R répète ce que le plateau a dit en dernier. Tab et Maj+Tab passent du plateau à la liste des coups et reviennent.</translation>
    </message>
    <message>
        <source>A click on a move shows the position after it, read only; Escape, or a click on the last move played, returns to the game. From the keyboard, the arrow keys, Home and End go from move to move, and Enter or Space shows the position after the move. Once the game has ended, its last line gives the result.</source>
        <translation>Un clic sur un coup montre la position qui le suit, en lecture seule ; Échap, ou un clic sur le dernier coup joué, revient à la partie. Au clavier, les flèches, Début et Fin vont de coup en coup, et Entrée ou Espace montre la position après le coup. Une fois la partie finie, sa dernière ligne en donne le résultat.</translation>
    </message>
    <message>
        <source>Keys of the menus.</source>
        <translation>Touches des menus.</translation>
    </message>
    <message>
        <source>Keys on the board.</source>
        <translation>Touches sur le plateau.</translation>
    </message>
    <message>
        <source>The move list.</source>
        <translation>La liste des coups.</translation>
    </message>
    <message>
        <source>With a screen reader.</source>
        <translation>Avec un lecteur d&apos;écran.</translation>
    </message>
    <message>
        <source>The board tells a screen reader such as Orca each move of both sides, what to do next, a mill, the hint, a move taken back and the end of the game; every point reads its name, its piece and what you may do with it.</source>
        <translation>Le plateau dit à un lecteur d&apos;écran comme Orca chaque coup des deux camps, ce qu&apos;il faut faire ensuite, un moulin, le conseil, un coup repris et la fin de la partie ; chaque point dit son nom, son pion et ce que vous pouvez en faire.</translation>
    </message>
    <message>
        <source>Master plays perfectly: the whole game is solved on this computer.</source>
        <translation>Maître joue parfaitement : toute la partie est résolue sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>drawn</source>
        <translation>nulle</translation>
    </message>
    <message>
        <source>undecided (%1)</source>
        <translation>indécise (%1)</translation>
    </message>
    <message>
        <source>Before this move: %1
After it: %2</source>
        <translation>Avant ce coup : %1
Après : %2</translation>
    </message>
    <message>
        <source>won with this move</source>
        <translation>gagnée par ce coup</translation>
    </message>
    <message>
        <source>won in %1 moves</source>
        <translation>gagnée en %1 coups</translation>
    </message>
    <message>
        <source>won within %1 moves</source>
        <translation>gagnée en %1 coups au plus</translation>
    </message>
    <message>
        <source>lost after this move</source>
        <translation>perdue après ce coup</translation>
    </message>
    <message>
        <source>lost within 1 move</source>
        <translation>perdue en 1 coup au plus</translation>
    </message>
    <message>
        <source>lost in %1 moves</source>
        <translation>perdue en %1 coups</translation>
    </message>
    <message>
        <source>lost within %1 moves</source>
        <translation>perdue en %1 coups au plus</translation>
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
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Black resigned</source>
        <translation>Noir a abandonné</translation>
    </message>
    <message>
        <source>White resigned</source>
        <translation>Blanc a abandonné</translation>
    </message>
    <message>
        <source>Black won</source>
        <translation>Noir a gagné</translation>
    </message>
    <message>
        <source>White won</source>
        <translation>Blanc a gagné</translation>
    </message>
    <message>
        <source>Draw by repetition</source>
        <translation>Nulle par répétition</translation>
    </message>
    <message>
        <source>No finished games yet</source>
        <translation>Aucune partie terminée pour l&apos;instant</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Non terminée</translation>
    </message>
    <message>
        <source>Undated</source>
        <translation>Sans date</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Vous avez perdu</translation>
    </message>
    <message>
        <source>You resigned</source>
        <translation>Vous avez abandonné</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Vous avez gagné</translation>
    </message>
</context>
<context>
    <name>NewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>You against the computer</source>
        <translation>Vous contre l’ordinateur</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>Computer against computer</source>
        <translation>Ordinateur contre ordinateur</translation>
    </message>
    <message>
        <source>White plays at</source>
        <translation>Blanc joue au niveau</translation>
    </message>
    <message>
        <source>Black plays at</source>
        <translation>Noir joue au niveau</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Nulles</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonnées</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Forget every game counted so far?</source>
        <translation>Oublier toutes les parties comptées jusqu’ici ?</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>aucune pour l’instant</translation>
    </message>
    <message>
        <source>Longest winning streak: %1 (now %2). Last win: %3.</source>
        <translation>Plus longue série de victoires : %1 (en cours %2). Dernière victoire : %3.</translation>
    </message>
</context>
<context>
    <name>PerfectPlayBuild</name>
    <message>
        <source>quarn-engine, which builds the tables, is neither beside Quarn nor on the PATH.</source>
        <translation>quarn-engine, qui construit les tables, n’est ni à côté de Quarn ni dans le PATH.</translation>
    </message>
    <message>
        <source>There is no folder for the tables: neither XDG_CACHE_HOME nor HOME is set.</source>
        <translation>Il n’y a pas de dossier pour les tables : ni XDG_CACHE_HOME ni HOME n’est défini.</translation>
    </message>
    <message>
        <source>The build stopped with exit code %1.</source>
        <translation>La construction s’est arrêtée avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>The build stopped unexpectedly.</source>
        <translation>La construction s’est arrêtée de façon inattendue.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 n’a pas pu être lancé : %2</translation>
    </message>
</context>
<context>
    <name>PerfectPlayDialog</name>
    <message>
        <source>Perfect play</source>
        <translation>Jeu parfait</translation>
    </message>
    <message>
        <source>Master never loses and the hint and the review are exact in every position.</source>
        <translation>Maître ne perd jamais, et le conseil et l’analyse sont exacts dans toute position.</translation>
    </message>
    <message>
        <source>Quarn solves the whole game on this computer, once: about %1 billion positions. It builds in the background at low priority, so you can play meanwhile. A build that is paused, cancelled or cut short by the end of Quarn goes on where it stopped.</source>
        <translation>Quarn résout toute la partie sur cet ordinateur, une fois : environ %1 milliards de positions. La construction se fait en arrière-plan à basse priorité, vous pouvez donc jouer pendant ce temps. Une construction mise en pause, annulée ou interrompue par la fermeture de Quarn reprend là où elle s’était arrêtée.</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Construire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>moins d’une minute</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>environ %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>environ %1 h %2 min</translation>
    </message>
    <message>
        <source>Disk space: %1 more in %2 (%3 free).</source>
        <translation>Espace disque : %1 de plus dans %2 (%3 libres).</translation>
    </message>
    <message>
        <source>Disk space: about %1 in %2.</source>
        <translation>Espace disque : environ %1 dans %2.</translation>
    </message>
    <message>
        <source>Time: %1 on this computer (%2 cores).</source>
        <translation>Durée : %1 sur cet ordinateur (%2 cœurs).</translation>
    </message>
    <message>
        <source>Last table built: %1.</source>
        <translation>Dernière table construite : %1.</translation>
    </message>
    <message>
        <source>Built: Master plays perfectly.</source>
        <translation>Construit : Maître joue parfaitement.</translation>
    </message>
    <message>
        <source>Not built yet.</source>
        <translation>Pas encore construit.</translation>
    </message>
    <message>
        <source>Every table is built. Solving the placing phase from the first move (the last step, %1)...</source>
        <translation>Toutes les tables sont construites. Résolution de la phase de pose depuis le premier coup (la dernière étape, %1)…</translation>
    </message>
    <message>
        <source>Building...</source>
        <translation>Construction…</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pause.</translation>
    </message>
    <message>
        <source>The build stopped: %1</source>
        <translation>La construction s’est arrêtée : %1</translation>
    </message>
    <message>
        <source>Nothing built so far is lost: Build goes on from there.</source>
        <translation>Rien de ce qui a été construit n’est perdu : Construire reprend à partir de là.</translation>
    </message>
    <message>
        <source>Time left: %1.</source>
        <translation>Temps restant : %1.</translation>
    </message>
    <message>
        <source>Time left: measuring...</source>
        <translation>Temps restant : mesure en cours…</translation>
    </message>
    <message>
        <source>Built, but the tables found do not cover the whole game.</source>
        <translation>Construit, mais les tables trouvées ne couvrent pas toute la partie.</translation>
    </message>
</context>
</TS>
