// The question Game / New asks: who plays each side of the next game. The
// user against the computer (in the colour and at the level of the
// configuration), two people at one computer taking turns, or the computer
// against itself at a level for each side.
#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;

class NewGameDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on `players` (GameSession::Players) and the demo's levels;
    // `levels` names the levels from the easiest.
    NewGameDialog(QWidget* parent, int players, int whiteLevel, int blackLevel,
                  const QStringList& levels);

    int players() const;
    int whiteLevel() const;
    int blackLevel() const;

private:
    QButtonGroup* choices;
    QComboBox* white;
    QComboBox* black;
};
