// The playing half of BoardWidget: taps become moves through the state
// machine, the computer answers inside the same handler, and the slots that
// the main window's menus drive.
//
// In every human state the side to move in `board` is the user's. While the
// state is HumanTaking the mill-closing piece stands on its new point in
// `board` only, for the user to see; algo.board, next_valid and the history
// still hold the position before the move until the capture is chosen.

#include "ui/boardwidget.h"

#include "engine/game.h"
#include "engine/record.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <iterator>

bool BoardWidget::hitTest(const QPoint& pos, int& point) const {
    const BoardLayout l = layout();
    const int gx = pos.x() - l.offX;
    const int gy = pos.y() - l.offY - l.strip;
    if (gy < 0 || gx < 0 || gy >= height() - l.strip || gx >= width() || gx >= l.grid() ||
        gy >= l.grid())
        return false;
    const int column = gx / l.cell;
    const int row = gy / l.cell;
    point = validplace[row][column] == 1 ? coord2move[row][column] : -1;
    return true;
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    // The base class ignores the event; the tap is the board's, so it must
    // not travel on to the window.
    event->accept();

    switch (state) {
    case Idle:
        // A tap anywhere starts a new game; with the user as Black the
        // computer opens it at once.
        start();
        if (playerColor == -1) {
            state = ComputerPlacing;
            repaint();
            computerMove();
        }
        repaint();
        dropQueuedInput();
        gameChanged(true);
        return;
    case HumanPlacing:
    case HumanSelecting:
    case HumanMoving:
    case HumanTaking:
        break;
    default:
        return; // the computer's turn
    }
    if (!hint.IsEmpty()) {
        hint.Reset();
        repaint();
    }

    // The pixel the tap falls in (positions may be fractional on scaled
    // screens).
    const QPointF at = event->position();
    int point = -1;
    if (!hitTest(QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))),
                 point))
        return;

    switch (state) {
    case HumanPlacing:
        tapWhilePlacing(point);
        break;
    case HumanSelecting:
        tapWhileSelecting(point);
        break;
    case HumanMoving:
        tapWhileMoving(point);
        break;
    case HumanTaking:
        tapWhileTaking(point);
        break;
    }
    repaint();
    dropQueuedInput();
    gameChanged(true);
}

namespace {

// Swallows the user's input: clicks, keys, the wheel and shortcuts. Only
// what reaches widgets and actions is swallowed, so that the windows' own
// bookkeeping of buttons and focus still sees every event.
class InputSwallower : public QObject {
public:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            return receiver->isWidgetType();
        default:
            return false;
        }
    }
};

} // namespace

void BoardWidget::dropQueuedInput() {
    // Whatever the window system queued while the work ran is delivered now,
    // into the filter. Paints, resizes and the like go through as usual.
    // Events read from the window system in one round are handed to the
    // widgets in the next, hence a few rounds.
    InputSwallower swallower;
    QCoreApplication::instance()->installEventFilter(&swallower);
    for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&swallower);
}

void BoardWidget::showHint(const Move& move) {
    hint = move;
    repaint();
}

void BoardWidget::suggestMove() {
    if (state != HumanPlacing && state != HumanSelecting) return;
    showHint(game_hint());
    dropQueuedInput();
}

void BoardWidget::restoreGame(const std::vector<Move>& moves, int played) {
    game_restore(moves, played);
    clearMarks();
    if (SideToMoveHasLost(board)) {
        state = Idle;
    } else if (board.next == playerColor) {
        setHumanState();
    } else {
        state = board.plies > 17 ? ComputerMoving : ComputerPlacing;
        repaint();
        computerMove();
    }
    repaint();
    dropQueuedInput();
    gameChanged(true);
}

void BoardWidget::setGameListener(std::function<void(bool)> newListener) {
    listener = std::move(newListener);
}

void BoardWidget::gameChanged(bool waiting) {
    if (listener) listener(waiting);
}

void BoardWidget::tapWhilePlacing(int point) {
    if (point < 0 || board.board[point] != 0) return;
    const Move placement(-1, point, -1);
    if (valid_moving(placement)) lastComputerMove.Reset(); // the user's move begins
    if (is_valid_move(placement)) {
        current_move = placement;
        animateMove(-1, point, playerColor);
        makeMove();
        completeHumanMove();
    } else if (valid_moving(placement)) {
        // Listed only with captures: it closes a mill. Show the piece and
        // wait for the user to choose what to take.
        current_move = placement;
        state = HumanTaking;
        animateMove(-1, point, playerColor);
        board.board[point] = board.next;
    }
}

void BoardWidget::tapWhileSelecting(int point) {
    // Any own piece can be picked, even one that cannot move; the next tap
    // then drops it again.
    if (point < 0 || board.board[point] != board.next) return;
    current_move.start = static_cast<signed char>(point);
    state = HumanMoving;
    lastComputerMove.Reset(); // the user's move begins
}

void BoardWidget::tapWhileMoving(int point) {
    const int from = current_move.start;
    const Move move(from, point, -1);
    if (point < 0 || !valid_moving(move)) {
        // Also a tap on another own piece: the user picks again.
        current_move.Reset();
        state = HumanSelecting;
        return;
    }
    current_move = move;
    if (is_valid_move(move)) {
        animateMove(from, point, playerColor);
        makeMove();
        completeHumanMove();
    } else {
        state = HumanTaking;
        animateMove(from, point, playerColor);
        board.board[from] = 0;
        board.board[point] = board.next;
    }
}

void BoardWidget::tapWhileTaking(int point) {
    if (point < 0 || board.board[point] != -board.next) return;
    Move capture = current_move;
    capture.take = static_cast<signed char>(point);
    // A piece in a mill is listed only when every opposing piece stands in one.
    if (!is_valid_move(capture)) return;

    // Take back what was only shown, so that the move applies to the
    // position it was found in.
    if (current_move.start != -1) board.board[current_move.start] = board.next;
    board.board[current_move.end] = 0;
    current_move = capture;
    makeMove();
    animateMove(point, -1, -playerColor);
    completeHumanMove();
}

void BoardWidget::completeHumanMove() {
    repaint();
    if (algo.CurrentHasLost() || n_next_valid == 0) {
        state = Idle;
        gameOver();
        return;
    }
    state = board.plies > 17 ? ComputerMoving : ComputerPlacing;
    // Shows the user's move and the computer's turn while the search runs.
    repaint();
    computerMove();
}

void BoardWidget::computerMove() {
    current_move = algo.ComputerMove(level2nodes[level]);
    // A stopped search has no move to apply.
    if (algo.stop || current_move.IsEmpty()) return;

    lastComputerMove = current_move;
    const int take = current_move.take; // makeMove empties current_move
    animateMove(current_move.start, current_move.end, -playerColor);
    makeMove();
    animateMove(take, -1, playerColor);

    if (algo.CurrentHasLost() || n_next_valid == 0) {
        state = Idle;
        gameOver();
        return; // nothing after the box: a tap during it may have started a game
    }
    setHumanState();
}

void BoardWidget::gameOver() {
    // The final position and "Click to start game" stay on the board behind
    // the box and after it.
    repaint();
    // The side to move is the side that has lost: with two pieces left, or
    // with no move.
    const bool userLost = playerColor == board.next;
    const bool twoLeft = algo.CurrentHasLost();
    const QString why = userLost ? (twoLeft ? tr("You have only two pieces left.")
                                            : tr("None of your pieces can move."))
                                 : (twoLeft ? tr("The computer has only two pieces left.")
                                            : tr("None of the computer's pieces can move."));
    QMessageBox::information(this, tr("Nine Men's Morris"),
                             tr("Game over\nYou %1").arg(userLost ? tr("lose") : tr("win")) +
                                 "\n\n" + why);
}

void BoardWidget::makeMove() {
    make_move();
    gameChanged(false);
}

void BoardWidget::setHumanState() {
    state = board.plies > 17 ? HumanSelecting : HumanPlacing;
}

void BoardWidget::updatePlayerColor(int color) {
    playerColor = color == 0 ? 1 : -1;
    start();
}

void BoardWidget::updateLevel(int newLevel) {
    // The menus send 0..4; anything else must not index past level2nodes.
    level = std::clamp(newLevel, 0, static_cast<int>(std::size(level2nodes)) - 1);
    start();
}

void BoardWidget::updateAnimations(int on) {
    animations = on;
}

void BoardWidget::start() {
    state = playerColor == -1 ? Idle : HumanPlacing;
    game_init();
    clearMarks();
    repaint();
    gameChanged(true);
}

void BoardWidget::clearMarks() {
    lastComputerMove.Reset();
    hint.Reset();
}

void BoardWidget::undo() {
    if (history_pos < 2 || (state != HumanPlacing && state != HumanSelecting)) return;
    // Going back two positions must leave the user to move. It does not when
    // the user plays Black and only the computer's opening move has been
    // made: that undo is refused, and the game stays as it is.
    const int sideToMoveAfter = history_pos > 2 ? history[history_pos - 3].next : 1;
    if (sideToMoveAfter != playerColor) return;
    undo_step();
    setHumanState();
    clearMarks();
    repaint();
    gameChanged(true);
}

void BoardWidget::redo() {
    if (history_pos >= history_length - 1 || (state != HumanPlacing && state != HumanSelecting))
        return;
    redo_step();
    setHumanState();
    clearMarks();
    repaint();
    gameChanged(true);
}
