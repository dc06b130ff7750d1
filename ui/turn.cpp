// In every human state the side to move in the position is the user's.
// While the state is HumanTaking the mill-closing piece stands on its new
// point only in the position shown; the game, its legal moves and its
// history still hold the position before the move until the capture is
// chosen.

#include "ui/turn.h"

#include "ui/busypointer.h"
#include "ui/gamesession.h"

GameTurn::GameTurn(GameSession& session) : session_(session) {
    // A browsed position belongs to the game as it was.
    connect(&session_, &GameSession::changed, this, &GameTurn::stopBrowsing);
    demoTimer_.setSingleShot(true);
    demoTimer_.setInterval(std::chrono::seconds(1));
    connect(&demoTimer_, &QTimer::timeout, this, &GameTurn::demoMove);
}

bool GameTurn::drawOffered() const {
    return state_ == HumanSelecting && session_.canClaimDraw();
}

const Board& GameTurn::shown() const {
    if (browsing_ >= 0) return browsed_;
    return captureWaits_ ? waiting_ : session_.position();
}

void GameTurn::choose(int point) {
    // Input made while the turn works is swallowed before it gets here;
    // this keeps any other caller from starting a turn inside a turn.
    if (flying_ || state_ == ComputerPlacing || state_ == ComputerMoving) return;
    // The board is read only while an earlier position is shown.
    if (browsing_ >= 0) return;
    // Nor while the computer plays itself, even after the end.
    if (session_.players() == GameSession::Demo) return;
    if (state_ == Idle) {
        // Any choice starts a new game; with the user as Black the computer
        // opens it at once.
        start();
        if (!session_.humanPlays(1)) {
            state_ = ComputerPlacing;
            emit changed();
            computerMove();
        }
        emit changed();
        emit worked();
        session_.settle();
        return;
    }
    if (!hint_.IsEmpty()) {
        hint_.Reset();
        hintValue_ = {};
        emit changed();
    }
    if (point == kOffGrid) return;
    if (point >= 0) emit chosen(point);

    const State before = state_;
    const int playedBefore = session_.played();
    switch (state_) {
    case HumanPlacing:
        chooseWhilePlacing(point);
        break;
    case HumanSelecting:
        chooseWhileSelecting(point);
        break;
    case HumanMoving:
        chooseWhileMoving(point);
        break;
    default:
        chooseWhileTaking(point);
        break;
    }
    if (point >= 0 && state_ == before && session_.played() == playedBefore) emit refused();
    emit changed();
    emit worked();
    session_.settle();
}

bool GameTurn::dropPickedPiece() {
    if (state_ != HumanMoving) return false;
    // As a choice off the legal destinations would: the user picks again.
    chooseWhileMoving(kNoPoint);
    emit changed();
    session_.settle();
    return true;
}

void GameTurn::chooseWhilePlacing(int point) {
    if (point < 0 || session_.position().board[point] != 0) return;
    const Move placement(-1, point, -1);
    if (!session_.canGo(placement)) return;
    lastComputerMove_.Reset(); // the user's move begins
    session_.currentMove() = placement;
    // Listed only with captures: it closes a mill.
    if (!session_.isLegal(placement)) return awaitCapture(placement);
    makeMove();
    completeHumanMove();
}

void GameTurn::chooseWhileSelecting(int point) {
    // Any own piece can be picked, even one that cannot move; the next
    // choice then drops it again.
    const Board& board = session_.position();
    if (point < 0 || board.board[point] != board.next) return;
    session_.currentMove().start = static_cast<signed char>(point);
    state_ = HumanMoving;
    lastComputerMove_.Reset(); // the user's move begins
}

void GameTurn::chooseWhileMoving(int point) {
    Move& current = session_.currentMove();
    const int from = current.start;
    const Move move(from, point, -1);
    if (point < 0 || !session_.canGo(move)) {
        // Also a choice of another own piece: the user picks again.
        current.Reset();
        state_ = HumanSelecting;
        return;
    }
    current = move;
    if (!session_.isLegal(move)) return awaitCapture(move);
    makeMove();
    completeHumanMove();
}

void GameTurn::awaitCapture(const Move& move) {
    // Shows the piece and waits for the user to choose what to take.
    state_ = HumanTaking;
    waiting_ = session_.position();
    if (move.start >= 0) waiting_.board[move.start] = 0;
    waiting_.board[move.end] = waiting_.next;
    captureWaits_ = true;
}

void GameTurn::chooseWhileTaking(int point) {
    Move capture = session_.currentMove();
    if (point < 0 || waiting_.board[point] != -waiting_.next) return;
    capture.take = static_cast<signed char>(point);
    // A piece in a mill is listed only when every opposing piece stands in one.
    if (!session_.isLegal(capture)) return;
    session_.currentMove() = capture;
    makeMove();
    completeHumanMove();
}

void GameTurn::fly(int from, int to, int color) {
    if (from == -1 && to == -1) return;
    flying_ = true;
    emit flight(from, to, color);
    flying_ = false;
}

void GameTurn::makeMove() {
    const Move made = session_.currentMove();
    captureWaits_ = false;
    session_.playCurrentMove();
    // The piece that moved stands on its new point in the colour of its side.
    emit moveMade(made, session_.humanPlays(session_.position().board[made.end]));
}

void GameTurn::completeHumanMove() {
    emit changed();
    if (session_.sideToMoveHasLost()) return gameOver();
    // Two people: the other one's turn.
    if (session_.humanPlays(session_.position().next)) return setHumanState();
    state_ = InPlacingPhase(session_.position().plies) ? ComputerPlacing : ComputerMoving;
    // Shows the user's move and the computer's turn while the search runs.
    emit changed();
    emit computerThinks();
    computerMove();
}

// Only the computer's moves fly: what the user does with a click happens
// where the click fell, at once, so that the user's turn costs no time.
void GameTurn::computerMove() {
    const Move move = [this] {
        const BusyPointer busy(Qt::WaitCursor);
        return session_.computerMove();
    }();
    // A stopped search has no move to apply.
    if (move.IsEmpty()) return;

    lastComputerMove_ = move;
    session_.currentMove() = move;
    const int computer = session_.position().next;
    fly(move.start, move.end, computer);
    makeMove();
    fly(move.take, -1, -computer);
    // Nothing after the game-over box: a choice during it may have started
    // a game.
    if (session_.sideToMoveHasLost()) return gameOver();
    if (!session_.humanPlays(session_.position().next)) return awaitDemoMove();
    setHumanState();
}

void GameTurn::awaitDemoMove() {
    state_ = InPlacingPhase(session_.position().plies) ? ComputerPlacing : ComputerMoving;
    if (!demoPaused_) demoTimer_.start();
}

void GameTurn::demoMove() {
    if ((state_ != ComputerPlacing && state_ != ComputerMoving) || flying_) return;
    emit computerThinks();
    computerMove();
    emit changed();
    emit worked();
    session_.settle();
}

void GameTurn::pauseDemo(bool paused) {
    demoPaused_ = paused;
    if (paused)
        demoTimer_.stop();
    else if (session_.players() == GameSession::Demo &&
             (state_ == ComputerPlacing || state_ == ComputerMoving))
        demoTimer_.start();
    emit changed();
}

void GameTurn::gameOver() {
    // The final position and the Idle state stay behind the box and after it.
    state_ = Idle;
    emit changed();
    emit ended();
}

void GameTurn::setHumanState() {
    state_ = InPlacingPhase(session_.position().plies) ? HumanPlacing : HumanSelecting;
}

void GameTurn::clearMarks() {
    lastComputerMove_.Reset();
    hint_.Reset();
    hintValue_ = {};
}

void GameTurn::start() {
    demoTimer_.stop();
    state_ = session_.humanPlays(1) ? HumanPlacing : Idle;
    clearMarks();
    captureWaits_ = false;
    session_.newGame();
    if (session_.players() == GameSession::Demo) awaitDemoMove();
    emit changed();
}

void GameTurn::undo() {
    // Refused, too, where going back would not leave the user to move (the
    // computer's opening move alone, with the user as Black). After the end
    // of a game the state is Idle, and Undo carries the game on.
    const bool ended = state_ == Idle && session_.ended();
    if (!session_.canUndo() || (!awaitsUser() && !ended)) return;
    clearMarks();
    session_.undo();
    setHumanState();
    emit changed();
}

void GameTurn::redo() {
    if (!session_.canRedo() || !awaitsUser()) return;
    clearMarks();
    session_.redo();
    setHumanState();
    emit changed();
}

void GameTurn::claimDraw() {
    if (browsing_ >= 0 || (state_ != HumanSelecting && state_ != HumanMoving) ||
        !session_.canClaimDraw())
        return;
    endByUser(&GameSession::claimDraw);
}

void GameTurn::resign() {
    if (browsing_ >= 0 || (!awaitsUser() && state_ != HumanMoving) || session_.ended()) return;
    endByUser(&GameSession::resign);
}

void GameTurn::endByUser(void (GameSession::*end)()) {
    // A piece picked to move is put down again; nothing else is shown that
    // the position does not hold.
    session_.currentMove().Reset();
    clearMarks();
    state_ = Idle;
    (session_.*end)();
    gameOver();
}

void GameTurn::restoreGame(const GameRecord& record) {
    session_.restore(record);
    carryOn();
}

void GameTurn::carryOn() {
    demoTimer_.stop();
    clearMarks();
    captureWaits_ = false;
    const Board& board = session_.position();
    if (session_.ended()) {
        state_ = Idle;
    } else if (session_.humanPlays(board.next)) {
        setHumanState();
    } else if (session_.players() == GameSession::Demo) {
        awaitDemoMove();
    } else if (session_.played() == 0) {
        state_ = Idle; // waits for a choice, as a new game with the user as Black does
    } else {
        state_ = board.InPlacingPhase() ? ComputerPlacing : ComputerMoving;
        emit changed();
        computerMove();
    }
    emit changed();
    emit worked();
}

void GameTurn::suggestMove() {
    if (browsing_ >= 0 || !awaitsUser()) return;
    const GameSession::Hint h = [this] {
        const BusyPointer busy(Qt::WaitCursor);
        return session_.hint();
    }();
    // The mark and what it is worth appear in the same paint.
    hint_ = h.move;
    hintValue_ = h.value;
    emit changed();
    emit worked();
}

void GameTurn::browse(int count) {
    if (count < 0 || count > static_cast<int>(session_.moves().size())) return;
    if (count == session_.played()) return stopBrowsing();
    browsing_ = count;
    browsed_ = session_.positionAfter(count);
    browsedMove_ = count > 0 ? session_.moves()[count - 1] : Move(-1, -1, -1);
    emit changed();
    emit browsed(count);
}

void GameTurn::stopBrowsing() {
    if (browsing_ < 0) return;
    browsing_ = -1;
    emit changed();
    emit browsed(-1);
}

BoardMarks GameTurn::marks() const {
    BoardMarks m;
    if (browsing_ >= 0) {
        // The move that led to the browsed position, whoever made it.
        m.computer = browsedMove_;
        return m;
    }
    m.computer = lastComputerMove_;
    m.hint = hint_;
    const Move& current = session_.currentMove();
    const Move* legal = session_.legalMoves();
    for (int i = 0; i < session_.legalMoveCount(); ++i) {
        const Move& move = legal[i];
        if (state_ == HumanMoving && move.start == current.start) m.targets |= 1u << move.end;
        if (state_ == HumanTaking && move.start == current.start && move.end == current.end &&
            move.take >= 0)
            m.takeable |= 1u << move.take;
    }
    if (state_ == HumanMoving) m.selected = current.start;
    return m;
}
