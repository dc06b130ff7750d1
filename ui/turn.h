// The turn: what the user's choice of a point means at each moment of the
// game, the computer's reply, and what the board shows besides the moves
// played: a mill-closing piece waiting for its capture, the computer's last
// move, a suggested move and an earlier position browsed. It knows points,
// not pixels; the mouse, the keys and a screen reader all hand it the point
// the user chose.
//
// Listeners hear of every change through its signals. A flight and the
// game-over box are shown while their signal is delivered, so the turn goes
// on when they are done; everything runs on the GUI thread.
#pragma once

#include "engine/board.h"
#include "engine/endgame/endgame.h"
#include "ui/boardmarks.h"

#include <QObject>
#include <QTimer>

class GameSession;
struct GameRecord;

// What the next choice means.
struct TurnStates {
    enum State {
        Idle = 0,            // no game running; a tap starts one
        ComputerPlacing = 1, // the computer's turn, placing phase
        ComputerMoving = 2,  // the computer's turn, moving phase
        HumanPlacing = 4,    // the user places a piece
        HumanSelecting = 5,  // the user picks the piece to move
        HumanMoving = 6,     // the user picks where the piece goes
        HumanTaking = 7,     // the user's move closed a mill: pick the capture
    };
};

class GameTurn : public QObject, public TurnStates {
    Q_OBJECT

public:
    // Choices that are not a point: a cell of the grid without one, and a
    // tap beside the grid (which only starts a game, or drops a hint).
    static constexpr int kNoPoint = -1, kOffGrid = -2;

    explicit GameTurn(GameSession& session);

    GameSession& session() const { return session_; }
    State state() const { return state_; }
    // The user is to place a piece or to pick one: no move of the turn has
    // been made yet.
    bool awaitsUser() const { return state_ == HumanPlacing || state_ == HumanSelecting; }
    // The user, to pick a piece, may end the game as a draw by repetition.
    bool drawOffered() const;

    // The user chose a point (or kNoPoint, kOffGrid). Ignored during a
    // flight and the computer's turn.
    void choose(int point);
    // Puts down a piece picked to move; false when none was picked.
    bool dropPickedPiece();

    // New game: with the user as Black it waits in Idle for a choice; the
    // computer's game against itself begins at once.
    void start();
    // The computer's game against itself: a move every `pace` (about a
    // second unless changed), held while paused. The board takes no choice
    // meanwhile.
    void setDemoPace(std::chrono::milliseconds pace) { demoTimer_.setInterval(pace); }
    void pauseDemo(bool paused);
    bool demoPaused() const { return demoPaused_; }
    // Take back, or replay, the user's move and the computer's reply; after
    // the end of a game, undo takes back its last turn (or its ending).
    void undo();
    void redo();
    // On the user's turn: a draw by repetition, or the user's loss.
    void claimDraw();
    void resign();
    // Replaces the game by the record's and carries it on.
    void restoreGame(const GameRecord& record);
    // Takes the game up from the position in the game state: the user's
    // turn, Idle when the game has ended or waits for its first move as a
    // new one does, else the computer's move.
    void carryOn();

    // While the user is to place or pick a piece, searches for a move and
    // marks it until the next choice, undo, redo or new game.
    void suggestMove();
    const Move& hint() const { return hint_; }
    // What the hint's position is worth to the user, where the tables say.
    const EndgameValue& hintValue() const { return hintValue_; }

    // The position after the first `count` moves, read only, until
    // stopBrowsing() or a change of the game; the moves played end it.
    void browse(int count);
    void stopBrowsing();
    // The count of moves browsed, or -1.
    int browsing() const { return browsing_; }

    // The position the board shows: the browsed one, or the moves played
    // with the piece that waits for its capture.
    const Board& shown() const;
    // Its marks; the cursor is not the turn's.
    BoardMarks marks() const;

Q_SIGNALS:
    // Something shown changed.
    void changed();
    // A piece of `color` flies from `from` to `to` (-1 off the board); the
    // turn goes on when the receiver returns.
    void flight(int from, int to, int color);
    // A move was played (before its capture flies).
    void moveMade(const Move& move, bool byUser);
    // The computer's turn begins: its search starts on return.
    void computerThinks();
    // The game ended; the state is Idle. The receiver tells the user.
    void ended();
    // A choice or a search ended without returning to the event loop: what
    // the user did meanwhile was done on a board not yet seen.
    void worked();
    // Browsing began (with the count of moves shown) or ended (-1).
    void browsed(int count);
    // A point the user chose in the user's turn.
    void chosen(int point);
    // That choice could not be taken: the board stays as it was.
    void refused();

private:
    void chooseWhilePlacing(int point);
    void chooseWhileSelecting(int point);
    void chooseWhileMoving(int point);
    void chooseWhileTaking(int point);
    // Shows the user's move closing a mill, which waits for its capture.
    void awaitCapture(const Move& move);
    void fly(int from, int to, int color);
    void makeMove();
    void completeHumanMove();
    void computerMove();
    // After the computer's move in its game against itself: the next one
    // waits for the timer.
    void awaitDemoMove();
    void demoMove();
    void gameOver();
    void endByUser(void (GameSession::*end)());
    // HumanPlacing in the placing phase, HumanSelecting after it.
    void setHumanState();
    void clearMarks();

    GameSession& session_;
    State state_ = HumanPlacing;
    bool flying_ = false;
    // Shown until the user's next move begins, or the next choice, undo,
    // redo or new game.
    Move lastComputerMove_{-1, -1, -1};
    Move hint_{-1, -1, -1};
    EndgameValue hintValue_;
    // The moves played with a mill-closing piece on its new point, shown
    // while the piece waits for its capture.
    Board waiting_{};
    bool captureWaits_ = false;
    // While browsing: the position shown and the move that led to it.
    int browsing_ = -1;
    Board browsed_{};
    Move browsedMove_{-1, -1, -1};
    QTimer demoTimer_;
    bool demoPaused_ = false;
};
