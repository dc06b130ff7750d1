// Keyboard play: the arrow keys move a cursor from point to point, typing a
// point's name (a1 .. c8) puts it there, Enter or Space chooses its point
// for the turn as a tap would, and Escape drops a piece picked to move. The
// cursor follows the point of the last tap, and is shown only from a key
// press until the next tap of the mouse.
#pragma once

#include <QObject>

class GameTurn;
class QKeyEvent;

class KeyboardCursor : public QObject {
    Q_OBJECT

public:
    explicit KeyboardCursor(GameTurn& turn);

    int point() const { return point_; }
    bool shown() const { return shown_; }
    // Handles a key of the board; false for a key it leaves to others, as
    // every key with Ctrl, Alt or Meta is left to the menus.
    bool keyPress(const QKeyEvent& event);
    // The user plays with the mouse now.
    void hide();

Q_SIGNALS:
    // The cursor was shown, hidden or moved.
    void moved();

private:
    void moveTo(int point);

    GameTurn& turn;
    int point_ = 0;
    bool shown_ = false;
    int typedRing = -1; // the ring letter of a point name being typed, 0..2
};
