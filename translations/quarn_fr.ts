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
        <source>Game over
You %1</source>
        <translation>Partie terminée
Vous avez %1</translation>
    </message>
    <message>
        <source>loose</source>
        <translation>perdu</translation>
    </message>
    <message>
        <source>win</source>
        <translation>gagné</translation>
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
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>No moves yet</source>
        <translation>Aucun coup pour l’instant</translation>
    </message>
</context>
</TS>
