// The playing half of BoardWidget: taps become moves through the state
// machine, the computer answers inside the same handler, and the slots that
// the main window's menus drive.
//
// In every human state the side to move in the position is the user's.
// While the state is HumanTaking the mill-closing piece stands on its new
// point in the shown position only, for the user to see; the computer's copy
// of the position, the legal moves and the history still hold the position
// before the move until the capture is chosen.

#include "ui/boardwidget.h"

#include "ui/busypointer.h"
#include "ui/gamesession.h"
#include "ui/pointpress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <iterator>
#include <utility>

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

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    releaseSpent = false; // a press the board saw: its release is a tap
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    // The base class ignores the event; the tap is the board's, so it must
    // not travel on to the window.
    event->accept();
    hideCursor(); // the user plays with the mouse now
    // The press of this click came while the board was busy and was spent
    // there (it ended a flight, or fell in the computer's turn).
    if (std::exchange(releaseSpent, false)) return;
    tapAt(event->position());
}

void BoardWidget::tapAt(const QPointF& at) {
    // The board is read only while an earlier position is shown.
    if (browsing()) return;
    switch (state) {
    case Idle:
        // A tap anywhere starts a new game; with the user as Black the
        // computer opens it at once.
        start();
        if (session_->userColor() == -1) {
            state = ComputerPlacing;
            repaint();
            computerMove();
        }
        repaint();
        dropQueuedInput();
        session_->settle();
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
        hintValue = {};
        repaint();
    }

    // The pixel the tap falls in (positions may be fractional on scaled
    // screens).
    int point = -1;
    if (!hitTest(QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))),
                 point))
        return;
    if (point >= 0) cursorPoint = point; // the keys go on from the last tap

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
    session_->settle();
}

namespace {

// Swallows the user's input: clicks, keys, the wheel and shortcuts. Only
// what reaches widgets and actions is swallowed, so that the windows' own
// bookkeeping of buttons and focus still sees every event. A press on the
// board whose release is still to come spends that release too
// (`releaseSpent`), and every press, of a button or a key, is told to
// `pressed`.
class InputSwallower : public QObject {
public:
    InputSwallower(QObject* board, bool& releaseSpent, std::function<void()> pressed = {})
        : board(board), releaseSpent(releaseSpent), pressed(std::move(pressed)) {}

    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == PointPressEvent::kType) {
            notePress();
            return true;
        }
        switch (event->type()) {
        case QEvent::Shortcut:
            notePress();
            return true;
        case QEvent::ShortcutOverride:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (!receiver->isWidgetType()) return false;
            if (receiver == board) releaseSpent = true;
            notePress();
            return true;
        case QEvent::MouseButtonRelease:
            if (receiver == board) releaseSpent = false;
            return receiver->isWidgetType();
        case QEvent::KeyPress:
            if (!receiver->isWidgetType()) return false;
            notePress();
            return true;
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            return receiver->isWidgetType();
        default:
            return false;
        }
    }

private:
    void notePress() {
        if (pressed) pressed();
    }

    QObject* board;
    bool& releaseSpent;
    std::function<void()> pressed;
};

} // namespace

void BoardWidget::dropQueuedInput() {
    // Whatever the window system queued while the work ran is delivered now,
    // into the filter. Paints, resizes and the like go through as usual.
    // Events read from the window system in one round are handed to the
    // widgets in the next, hence a few rounds.
    InputSwallower swallower(this, releaseSpent);
    QCoreApplication::instance()->installEventFilter(&swallower);
    for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&swallower);
}

bool BoardWidget::pauseFrame(std::chrono::microseconds pause) {
    // The pause runs the event loop, so that the window repaints and a
    // screen reader can read the board, but every input is swallowed: the
    // tap handler that started the flight is still running. A press ends the
    // pause at once and is spent on ending the flight.
    QEventLoop frame;
    bool pressed = false;
    InputSwallower swallower(this, releaseSpent, [&] {
        pressed = true;
        frame.quit();
    });
    QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(pause), &frame,
                       &QEventLoop::quit);
    QCoreApplication::instance()->installEventFilter(&swallower);
    frame.exec();
    QCoreApplication::instance()->removeEventFilter(&swallower);
    return pressed;
}

void BoardWidget::showHint(const Move& move) {
    hint = move;
    hintValue = {};
    repaint();
}

void BoardWidget::suggestMove() {
    if (browsing() || (state != HumanPlacing && state != HumanSelecting)) return;
    const GameSession::Hint h = [this] {
        const BusyPointer busy(Qt::WaitCursor);
        return session_->hint();
    }();
    // The mark and what it is worth appear in the same paint.
    hint = h.move;
    hintValue = h.value;
    repaint();
    dropQueuedInput();
}

void BoardWidget::restoreGame(const GameRecord& record) {
    session_->restore(record);
    clearMarks();
    const Board& board = session_->position();
    if (session_->ended()) {
        state = Idle;
    } else if (board.next == session_->userColor()) {
        setHumanState();
    } else if (session_->played() == 0) {
        state = Idle; // waits for a tap, as a new game with the user as Black does
    } else {
        state = board.plies > 17 ? ComputerMoving : ComputerPlacing;
        repaint();
        computerMove();
    }
    repaint();
    dropQueuedInput();
}

void BoardWidget::tapWhilePlacing(int point) {
    Board& board = session_->shownPosition();
    if (point < 0 || board.board[point] != 0) return;
    const Move placement(-1, point, -1);
    if (session_->canGo(placement)) lastComputerMove.Reset(); // the user's move begins
    if (session_->isLegal(placement)) {
        session_->currentMove() = placement;
        animateMove(-1, point, session_->userColor());
        makeMove();
        completeHumanMove();
    } else if (session_->canGo(placement)) {
        // Listed only with captures: it closes a mill. Show the piece and
        // wait for the user to choose what to take.
        session_->currentMove() = placement;
        state = HumanTaking;
        animateMove(-1, point, session_->userColor());
        board.board[point] = board.next;
    }
}

void BoardWidget::tapWhileSelecting(int point) {
    // Any own piece can be picked, even one that cannot move; the next tap
    // then drops it again.
    const Board& board = session_->position();
    if (point < 0 || board.board[point] != board.next) return;
    session_->currentMove().start = static_cast<signed char>(point);
    state = HumanMoving;
    lastComputerMove.Reset(); // the user's move begins
}

void BoardWidget::tapWhileMoving(int point) {
    Move& current = session_->currentMove();
    const int from = current.start;
    const Move move(from, point, -1);
    if (point < 0 || !session_->canGo(move)) {
        // Also a tap on another own piece: the user picks again.
        current.Reset();
        state = HumanSelecting;
        return;
    }
    current = move;
    if (session_->isLegal(move)) {
        animateMove(from, point, session_->userColor());
        makeMove();
        completeHumanMove();
    } else {
        state = HumanTaking;
        animateMove(from, point, session_->userColor());
        Board& board = session_->shownPosition();
        board.board[from] = 0;
        board.board[point] = board.next;
    }
}

void BoardWidget::tapWhileTaking(int point) {
    Board& board = session_->shownPosition();
    Move& current = session_->currentMove();
    if (point < 0 || board.board[point] != -board.next) return;
    Move capture = current;
    capture.take = static_cast<signed char>(point);
    // A piece in a mill is listed only when every opposing piece stands in one.
    if (!session_->isLegal(capture)) return;

    // Take back what was only shown, so that the move applies to the
    // position it was found in.
    if (current.start != -1) board.board[current.start] = board.next;
    board.board[current.end] = 0;
    current = capture;
    makeMove();
    animateMove(point, -1, -session_->userColor());
    completeHumanMove();
}

void BoardWidget::completeHumanMove() {
    repaint();
    if (session_->sideToMoveHasLost()) {
        state = Idle;
        gameOver();
        return;
    }
    state = session_->position().plies > 17 ? ComputerMoving : ComputerPlacing;
    // Shows the user's move and the computer's turn while the search runs.
    repaint();
    announceStatus();
    computerMove();
}

void BoardWidget::computerMove() {
    const Move move = [this] {
        const BusyPointer busy(Qt::WaitCursor);
        return session_->computerMove();
    }();
    // A stopped search has no move to apply.
    if (move.IsEmpty()) return;

    lastComputerMove = move;
    session_->currentMove() = move;
    const int computer = -session_->userColor();
    animateMove(move.start, move.end, computer);
    makeMove();
    animateMove(move.take, -1, -computer);

    if (session_->sideToMoveHasLost()) {
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
    QMessageBox::information(this, tr("Nine Men's Morris"), endingText());
}

QString BoardWidget::endingText() const {
    switch (session_->result()) {
    case GameResult::DrawByRepetition:
        return tr("Draw") + "\n\n" +
               tr("The same position stood on the board for the third time, and you claimed a "
                  "draw.");
    case GameResult::WhiteResigns:
    case GameResult::BlackResigns:
        return tr("Game over\nYou %1").arg(tr("lose")) + "\n\n" + tr("You resigned.");
    case GameResult::None:
        break;
    }
    // The side to move is the side that has lost: with two pieces left, or
    // with no move.
    const Board& board = session_->position();
    const bool userLost = session_->userColor() == board.next;
    const bool twoLeft = board.CurrentHasLost();
    const QString why = userLost ? (twoLeft ? tr("You have only two pieces left.")
                                            : tr("None of your pieces can move."))
                                 : (twoLeft ? tr("The computer has only two pieces left.")
                                            : tr("None of the computer's pieces can move."));
    return tr("Game over\nYou %1").arg(userLost ? tr("lose") : tr("win")) + "\n\n" + why;
}

void BoardWidget::makeMove() {
    const Move made = session_->currentMove();
    session_->playCurrentMove();
    announceMove(made);
}

void BoardWidget::setHumanState() {
    state = session_->position().plies > 17 ? HumanSelecting : HumanPlacing;
}

void BoardWidget::updatePlayerColor(int color) {
    session_->setUserColor(GameSession::colorOfItem(color));
    start();
}

void BoardWidget::updateLevel(int newLevel) {
    session_->setLevel(newLevel);
    start();
}

void BoardWidget::updateAnimations(int on) {
    animations = on;
}

void BoardWidget::start() {
    state = session_->userColor() == -1 ? Idle : HumanPlacing;
    clearMarks();
    session_->newGame();
    repaint();
}

void BoardWidget::clearMarks() {
    lastComputerMove.Reset();
    hint.Reset();
    hintValue = {};
}

void BoardWidget::undo() {
    // Refused, too, where going back would not leave the user to move (the
    // computer's opening move alone, with the user as Black). After the end
    // of a game the state is Idle, and Undo carries the game on.
    const bool ended = state == Idle && session_->ended();
    if (!session_->canUndo() || (state != HumanPlacing && state != HumanSelecting && !ended))
        return;
    clearMarks();
    session_->undo();
    setHumanState();
    repaint();
}

void BoardWidget::redo() {
    if (!session_->canRedo() || (state != HumanPlacing && state != HumanSelecting)) return;
    clearMarks();
    session_->redo();
    setHumanState();
    repaint();
}

void BoardWidget::claimDraw() {
    if (browsing() || (state != HumanSelecting && state != HumanMoving) ||
        !session_->canClaimDraw())
        return;
    endByUser(&GameSession::claimDraw);
}

void BoardWidget::resign() {
    if (browsing() || (state != HumanPlacing && state != HumanSelecting && state != HumanMoving) ||
        session_->ended())
        return;
    endByUser(&GameSession::resign);
}

void BoardWidget::endByUser(void (GameSession::*end)()) {
    // A piece picked to move is put down again; nothing else is on the board
    // that the position does not hold.
    session_->currentMove().Reset();
    clearMarks();
    state = Idle;
    (session_->*end)();
    gameOver();
}

void BoardWidget::browse(int count) {
    const int played = session_->played();
    if (count < 0 || count > static_cast<int>(session_->moves().size())) return;
    if (count == played) {
        stopBrowsing();
        return;
    }
    browsing_ = count;
    browsed_ = session_->positionAfter(count);
    browsedMove_ = count > 0 ? session_->moves()[count - 1] : Move(-1, -1, -1);
    repaint();
    emit browsed(count);
}

void BoardWidget::stopBrowsing() {
    if (!browsing()) return;
    browsing_ = -1;
    repaint();
    emit browsed(-1);
}
