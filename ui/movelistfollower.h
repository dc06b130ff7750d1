// Keeps the move list beside the board in step with the turn: every change
// of the game, written out from the first move that changed, and the move
// whose position is browsed; a click on a move browses the position after
// it.
#pragma once

#include <QObject>

class GameTurn;
class MoveList;

class MoveListFollower : public QObject {
    Q_OBJECT

public:
    // Lives as long as the list.
    MoveListFollower(MoveList& list, GameTurn& turn);

private:
    void gameChanged();

    MoveList& list;
    GameTurn& turn;
};
