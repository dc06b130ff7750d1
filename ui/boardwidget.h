// The board on screen: draws what its GameTurn shows (status strip, pieces,
// marks, the keyboard's cursor), flies pieces, and turns taps into points for
// the turn. Drawing: boardview.cpp; words: boardstatus.cpp; input:
// boardinput.cpp.
#pragma once

#include "ui/boardannouncer.h"
#include "ui/boardart.h"
#include "ui/boardgeometry.h"
#include "ui/flight.h"
#include "ui/heldinput.h"
#include "ui/keyboardcursor.h"
#include "ui/stripfit.h"
#include "ui/turn.h"

#include <QPixmap>
#include <QWidget>

#include <chrono>

// The states (Idle ... HumanTaking) are the turn's.
class BoardWidget : public QWidget, public TurnStates {
    Q_OBJECT

public:
    // Decodes the images and plays the game of `session`. Does not repaint.
    BoardWidget(QWidget* parent, const char* name, Qt::WindowFlags f, GameSession& session);

    GameSession& session() const { return turn_.session(); }
    GameTurn& turn() { return turn_; }
    const KeyboardCursor& cursor() const { return cursor_; }
    const BoardAnnouncer& announcer() const { return announcer_; }
    bool animationsOn() const { return animations; }

public Q_SLOTS:
    // 0 makes the user White, anything else Black; starts a new game.
    void updatePlayerColor(int color);
    // Difficulty 0 ("Very easy") to 5 ("Master"); starts a new game.
    void updateLevel(int newLevel);
    // Nonzero animates the moves from the next one on; the game goes on.
    void updateAnimations(int on);
    // The turn's: a new game, undo, redo, a claimed draw, a resignation,
    // browsing the moves of the game.
    void start() { turn_.start(); }
    void undo() { turn_.undo(); }
    void redo() { turn_.redo(); }
    void claimDraw() { turn_.claimDraw(); }
    void resign() { turn_.resign(); }
    void browse(int count) { turn_.browse(count); }
    void stopBrowsing() { turn_.stopBrowsing(); }

Q_SIGNALS:
    void browsed(int count); // the turn's: a count of moves, or -1 at the end

public:
    int state() const { return turn_.state(); }
    // What the status strip says (in a game of two people, whose turn it is
    // and then the player's action); how the game ended, as its box says it.
    QString statusText() const;
    QString playerAction() const;
    QString endingText() const;
    bool browsing() const { return turn_.browsing() >= 0; }
    void showPointNames(bool on);
    bool pointNamesShown() const { return pointNames; }
    void suggestMove() { turn_.suggestMove(); }
    void restoreGame(const GameRecord& record) { turn_.restoreGame(record); }

    // Room for the grid and a margin of a cell at 32; at least the grid.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The point at a widget position; kNoPoint (no point), kOffGrid (outside).
    int pointAt(const QPoint& pos) const;
    // A point's cell in widget coordinates.
    QRect cellRect(int point) const;
    // The position as drawn now: the turn's, less the points of a flight.
    Board onScreen() const;
    BoardMarks marks() const;
    // Flies a piece of `color` between points (-1: off the board); no final paint.
    void animateMove(int from, int to, int color);
    const Flight& flight() const { return flight_; }
    // The picture every paint composes, in device pixels.
    QPixmap& buffer() { return buffer_; }
    // How the strip shows `status` with the piece counts at the board's size.
    StripFit fitStrip(const QString& status) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The images, also at twice the resolution; `art` draws finer ones.
    QPixmap boardPixmap, piecesPixmap, boardPixmap2x, piecesPixmap2x;
    BoardArt art{boardPixmap, piecesPixmap, boardPixmap2x, piecesPixmap2x};
    QPixmap buffer_; // the widget's size at its device pixel ratio
    GameTurn turn_;
    KeyboardCursor cursor_{turn_};
    BoardAnnouncer announcer_{*this};
    bool animations = true, pointNames = false;
    Flight flight_;
    // A press swallowed while the board worked spends its release too.
    bool releaseSpent = false;

    BoardLayout layout() const { return LayoutFor(width(), height()); }
    QPoint offBoard(int color) const;
    void gameOver();
    void fitBuffer(const QSize& size);
    void showBuffer(int strip, const QRegion& composed, const QRect& onBoard, const QPixmap& empty);

    // Input made while the board worked is dropped, or held from a flight;
    // pauseFrame is true at once when a button, a key or a point is pressed.
    void dropQueuedInput();
    bool pauseFrame(std::chrono::microseconds pause);
    HeldInput heldInput_;
    void holdInput(QObject* receiver, const QEvent& event);
};
