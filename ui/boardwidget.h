// The board on screen and the place where a game is played. The widget draws
// the position of the game in progress (its GameSession) with a status line on
// top, turns the user's taps into moves through a small state machine,
// answers at once with the computer's move inside the same handler, and
// slides pieces across the board while they move.
//
// Construction, images, buffer, drawing and animation live in boardview.cpp;
// taps, turns and slots in boardinteraction.cpp. Everything runs
// synchronously on the GUI thread.
#pragma once

#include "engine/board.h"
#include "engine/endgame/endgame.h"
#include "ui/boardart.h"
#include "ui/boardgeometry.h"
#include "ui/boardmarks.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <chrono>

class GameSession;
struct GameRecord;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QPainter;
class QResizeEvent;

class BoardWidget : public QWidget {
    Q_OBJECT

public:
    // What the next tap means.
    enum {
        Idle = 0,            // no game running; a tap starts one
        ComputerPlacing = 1, // the computer's turn, placing phase
        ComputerMoving = 2,  // the computer's turn, moving phase
        HumanPlacing = 4,    // the user places a piece
        HumanSelecting = 5,  // the user picks the piece to move
        HumanMoving = 6,     // the user picks where the piece goes
        HumanTaking = 7,     // the user's move closed a mill: pick the capture
    };

    // Decodes the images and plays the game of `session`, or of a session
    // of its own, started with the user as White, when none is given. Does
    // not repaint.
    explicit BoardWidget(QWidget* parent = nullptr, const char* name = nullptr,
                         Qt::WindowFlags f = {}, GameSession* session = nullptr);
    ~BoardWidget() override;

    GameSession& session() const { return *session_; }
    // Nonzero while moves slide across the board.
    int animationsOn() const { return animations; }

public Q_SLOTS:
    // 0 makes the user White, anything else Black; starts a new game.
    void updatePlayerColor(int color);
    // Difficulty 0 ("Very easy") to 5 ("Master"); starts a new game.
    void updateLevel(int newLevel);
    // Nonzero animates the moves from the next one on; the game goes on.
    void updateAnimations(int on);
    // New game. With the user as Black it waits in Idle for a tap.
    void start();
    // Take back, or replay, the user's move and the computer's reply; after
    // the end of a game, Undo takes back the last turn (or the claimed draw,
    // or the resignation) so that play goes on from there.
    void undo();
    void redo();
    // On the user's turn: ends the game as a draw, when the position stands
    // on the board for the third time; or as the user's loss.
    void claimDraw();
    void resign();
    // Shows the position after the first `count` moves of the game, read
    // only, until stopBrowsing() or a change of the game; the position on
    // the board (count = the moves played) ends browsing.
    void browse(int count);
    void stopBrowsing();

Q_SIGNALS:
    // Browsing began (with the count of moves shown) or ended (-1).
    void browsed(int count);

public:
    // What the status strip says for the current state.
    QString statusText() const;
    // Whether a move of the game is shown instead of the position on the
    // board.
    bool browsing() const { return browsing_ >= 0; }

    // Room for the whole grid at a cell of 32 below the status strip, with a
    // margin of one cell around it; never less than the grid.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Shows or hides the names of the points (a1 ... c8) beside them.
    void showPointNames(bool on);

    // Marks a suggested move for the user (the empty move clears it); the
    // mark goes at the next tap, undo, redo or new game.
    void showHint(const Move& move);
    // While the user is to place or to pick a piece, searches the position
    // as the computer would at "Very hard" and marks the move it finds;
    // elsewhere does nothing.
    void suggestMove();

    // Replaces the game by the one the record holds (legal moves, as a
    // record read holds), its taken-back moves left for Redo, and carries it
    // on: waiting for the user; in Idle when it has ended, or when the user
    // plays Black and no move is on the board yet (as a game is started);
    // else with the computer's move.
    void restoreGame(const GameRecord& record);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Keyboard play: arrows and point names move a cursor, Enter or Space
    // taps its point, Escape drops a picked piece (boardkeys.cpp).
    void keyPressEvent(QKeyEvent* event) override;

    // The computer's reply to the position in the game state, animated and
    // applied; sets the next state. Does not repaint at its end.
    void computerMove();
    // The modal game-over box; the caller has set the state to Idle.
    void gameOver();
    // Applies the session's current move to the game and records it.
    void makeMove();
    // Slides a piece of `color` from point `from` to point `to`, -1 meaning
    // outside the board; returns when it has arrived, without a final repaint.
    void animateMove(int from, int to, int color);

    // Images and buffer. The buffer has the widget's device pixel ratio; the
    // 2x sheets hold the same pictures drawn at twice the resolution (their
    // device pixel ratio is 2) for dense screens and larger boards, and
    // `art` draws finer ones when they are needed.
    QPixmap* buffer = nullptr; // composed picture of the whole widget; owned
    QPixmap boardPixmap;       // the 12 tiles of the board
    QPixmap piecesPixmap;      // the Black and the White disc
    QPixmap boardPixmap2x;
    QPixmap piecesPixmap2x;
    BoardArt art{boardPixmap, piecesPixmap, boardPixmap2x, piecesPixmap2x};

    // The game played; the user's colour and the level are its.
    GameSession* session_;
    int animations = 1; // nonzero: moves slide across the board
    bool pointNames = false;

    // The piece in flight, drawn on top while animating is set
    int animating = 0;
    int animX = -1; // top-left corner, widget coordinates
    int animY = -1;
    int animColor = -1;

    int state = HumanPlacing;

    // Shown on the board until the user's next move begins, or the next
    // tap, undo, redo or new game.
    Move lastComputerMove{-1, -1, -1};
    Move hint{-1, -1, -1};
    // What the hint's position is worth to the user, where the tables say.
    EndgameValue hintValue;

    // While browsing: how many moves lead to the position shown, that
    // position, and the move that led to it; -1 when not browsing.
    int browsing_ = -1;
    Board browsed_{};
    Move browsedMove_{-1, -1, -1};

private:
    // User's side of a turn, one per human state.
    void tapWhilePlacing(int point);
    void tapWhileSelecting(int point);
    void tapWhileMoving(int point);
    void tapWhileTaking(int point);
    // After the user's move has been applied: game over, or the computer's turn.
    void completeHumanMove();
    // Ends the game by the user's word (a claimed draw, a resignation),
    // with the game-over box.
    void endByUser(void (GameSession::*end)());
    // HumanPlacing in the placing phase, HumanSelecting from ply 18 on.
    void setHumanState();
    // Forgets the computer's last move and the hint.
    void clearMarks();
    // The position drawn: the browsed one, or the position on the board.
    const Board& shown() const;
    // What the hint says the position is worth, or empty.
    QString hintWorth() const;
    // Why the game ended, for the game-over box.
    QString endingText() const;

    // Where the grid stands at the current size, and its cell.
    BoardLayout layout() const { return LayoutFor(width(), height()); }
    // The top-left corner of a point's cell, in widget coordinates.
    QPoint cellCorner(int point) const;
    // Where a piece of `color` enters from or leaves to outside the board:
    // the user's below the bottom edge, the computer's above the top.
    QPoint offBoard(int color) const;
    // False when the tap falls outside the grid; otherwise point is the point
    // under it, or -1 on a cell without one.
    bool hitTest(const QPoint& pos, int& point) const;

    // True when the buffer exists and has the size and device pixel ratio
    // that a widget of `size` on the current screen needs.
    bool bufferFits(const QSize& size) const;
    void replaceBuffer(const QSize& size);
    // Draws the 32 x 32 cell at (sx, sy) of an image sheet into the square
    // of `size` at (x, y); sx and sy count 1x pixels whatever the sheet's
    // resolution.
    static void drawCell(QPainter& painter, int x, int y, int size, const QPixmap& sheet, int sx,
                         int sy);
    // Shows the picture on the widget: the strip and `composed` from the
    // buffer, the rest of the board at `onBoard` from the picture of the
    // empty board, and the olive around it filled; in device pixels.
    void showBuffer(int strip, const QRegion& composed, const QRect& onBoard, const QPixmap& empty);
    // The marks the board shows in the current state.
    BoardMarks marks() const;
    // The status strip's font at the board's size.
    QFont stripFont(const BoardLayout& layout) const;
    // Where the piece counts stand in the status strip, and the labels that
    // fit with them; empty when the status text leaves no room for them.
    QRect countsRect(const QString& status, CountLabels& labels) const;

    // Input that reached the window while the widget worked without
    // returning to the event loop (the computer's turn, a flight) was made
    // on a board the user had not yet seen; it is dropped, not applied to
    // the position now shown. Called when such work ends.
    void dropQueuedInput();
    // Waits between two frames of a flight, swallowing input as above;
    // true, at once, when a button, a key or a point was pressed meanwhile.
    bool pauseFrame(std::chrono::microseconds pause);
    // A swallowed press on the board spends the release that ends its click,
    // also one that comes after the work.
    bool releaseSpent = false;

    // A tap at widget coordinates: what a mouse release does.
    void tapAt(const QPointF& at);
    // A tap on a point from the keys or a screen reader; ignored while the
    // board works.
    void tapPoint(int point);

    // The keyboard's cursor: on the point of the last tap until a key moves
    // it, and drawn only from a key press until the next mouse tap.
    int cursorPoint = 0;
    bool cursorShown = false;
    int typedRing = -1; // the ring letter of a point name being typed, 0..2
    void moveCursor(int point);
    void hideCursor();

    // What assistive technology is told (boardaccessible.cpp,
    // boardannouncer.cpp). The board's description is the last
    // announcement: the last move of either side, then the status it led to.
    friend class BoardAccessible;
    friend class PointAccessible;
    int pointContent(int point) const; // +1 White, -1 Black, 0 empty
    QString pointText(int point) const;
    void announce(const QString& text);
    void announceMove(const Move& move);
    void announceStatus();
    // Tells of the points whose piece or marks changed since last told.
    void announcePoints();
    void announceCursor();
    QString announcement;
    QString spokenStatus;
    std::array<int, 24> spokenPoints{}; // content and marks, as last told
};
