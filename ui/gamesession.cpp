#include "ui/gamesession.h"

#include "engine/game.h"
#include "engine/placing.h"

#include <QDateTime>

#include <algorithm>
#include <cassert>
#include <iterator>

namespace {

QString now() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

// The same position for the rules: the same pieces on the same points and
// the same side to move, in the moving phase (while placing, every move
// adds a piece, so no position comes back).
bool Repeats(const Board& a, const Board& b) {
    return !a.InPlacingPhase() && !b.InPlacingPhase() && a.next == b.next &&
           std::equal(std::begin(a.board), std::end(a.board), std::begin(b.board));
}

} // namespace

namespace {

// The game state is the program's: a second session would start a game over
// the first one's position while its moves still stood in its list.
bool sessionExists = false;

} // namespace

GameSession::GameSession(QObject* parent) : QObject(parent) {
    assert(!sessionExists && "only one GameSession may exist at a time");
    sessionExists = true;
    game_init();
}

GameSession::~GameSession() {
    game_exit();
    sessionExists = false;
}

void GameSession::setUserColor(int color) {
    color_ = color == -1 ? -1 : 1;
}

void GameSession::setLevel(int level) {
    // Anything outside the menu's range must not index past level2nodes.
    level_ = std::clamp(level, 0, kLevels - 1);
}

void GameSession::setPlayers(int players) {
    players_ =
        players == TwoPlayers || players == Demo ? static_cast<Players>(players) : AgainstComputer;
}

void GameSession::setDemoLevels(int white, int black) {
    demoLevels_[0] = std::clamp(white, 0, kLevels - 1);
    demoLevels_[1] = std::clamp(black, 0, kLevels - 1);
}

void GameSession::openTables(const std::vector<std::string>& folders) {
    tables_.open(folders);
}

const Board& GameSession::position() const {
    return board;
}

Move& GameSession::currentMove() {
    return current_move;
}

const Move* GameSession::legalMoves() const {
    return next_valid;
}

int GameSession::legalMoveCount() const {
    return n_next_valid;
}

bool GameSession::isLegal(const Move& m) const {
    return is_valid_move(m);
}

bool GameSession::canGo(const Move& m) const {
    return valid_moving(m);
}

bool GameSession::sideToMoveHasLost() const {
    return SideToMoveHasLost(algo.board);
}

bool GameSession::inProgress() const {
    return !moves_.empty() && !ended();
}

int GameSession::repetitions() const {
    // The recorded position, not the shown one: a mill-closing piece may be
    // waiting on the board for its capture.
    if (history_pos < 1) return 1;
    const Board& now = history[history_pos - 1];
    // Only positions since the last capture can be the same: a capture
    // takes a piece for good, and the placing phase adds one every move.
    int count = 0;
    for (int i = history_pos - 1; i >= 0; --i) {
        const Board& earlier = history[i];
        if (earlier.InPlacingPhase() || earlier.n_white != now.n_white ||
            earlier.n_black != now.n_black)
            break;
        count += Repeats(earlier, now);
    }
    return std::max(count, 1);
}

bool GameSession::canClaimDraw() const {
    return result_ == GameResult::None && !sideToMoveHasLost() && humanPlays(board.next) &&
           repetitions() >= 3;
}

void GameSession::claimDraw() {
    result_ = GameResult::DrawByRepetition;
    settle();
}

void GameSession::resign() {
    result_ = board.next == 1 ? GameResult::WhiteResigns : GameResult::BlackResigns;
    settle();
}

Board GameSession::positionAfter(int count) const {
    Board b;
    b.Init();
    const int n = std::clamp(count, 0, static_cast<int>(moves_.size()));
    for (int i = 0; i < n; ++i) b.DoMove(moves_[i]);
    return b;
}

QString GameSession::began() const {
    return moves_.empty() || began_.isEmpty() ? now() : began_;
}

GameRecord GameSession::record(bool withRedo) const {
    GameRecord r;
    r.userColor = color_;
    r.level = level_;
    if (players_ != AgainstComputer) {
        // Only games of the user against the computer go without them, as
        // they always have.
        const auto side = [this](int color) {
            return players_ == TwoPlayers
                       ? RecordedPlayer{RecordedPlayer::Player, -1}
                       : RecordedPlayer{RecordedPlayer::Computer, levelOf(color)};
        };
        r.white = side(1);
        r.black = side(-1);
        // The user's colour and level are not this game's.
        r.userColor = 0;
        r.level = -1;
    }
    r.played = began().toStdString();
    if (withRedo) {
        r.moves = moves_;
        r.takenBack = static_cast<int>(moves_.size()) - played_;
    } else {
        r.moves.assign(moves_.begin(), moves_.begin() + played_);
    }
    r.result = result_;
    return r;
}

bool GameSession::canUndo() const {
    if (players_ == Demo) return false;
    if (result_ != GameResult::None) return true;
    if (players_ == TwoPlayers) return played_ >= 1;
    // The user's move won: it alone is taken back.
    if (board.next != color_ && sideToMoveHasLost()) return played_ >= 1;
    if (history_pos < 2) return false;
    // Going back two positions must leave the user to move. It does not when
    // the user plays Black and only the computer's opening move has been
    // made.
    const int sideToMoveAfter = history_pos > 2 ? history[history_pos - 3].next : 1;
    return sideToMoveAfter == color_;
}

bool GameSession::canRedo() const {
    if (players_ == Demo) return false;
    return history_pos < history_length - (players_ == TwoPlayers ? 0 : 1);
}

void GameSession::newGame() {
    game_init();
    moves_.clear();
    played_ = 0;
    began_.clear();
    result_ = GameResult::None;
    announce(true, 0);
}

void GameSession::playCurrentMove() {
    const Move move = current_move;
    make_move();
    if (played_ == 0) began_ = now(); // a game begins with its first move
    moves_.resize(played_);
    moves_.push_back(move);
    ++played_;
    announce(false, played_ - 1);
}

void GameSession::undo() {
    if (result_ != GameResult::None) {
        result_ = GameResult::None;
        settle();
        return;
    }
    if (!humanPlays(board.next) || players_ == TwoPlayers) {
        // The game ended on the user's move, with the computer to move; or
        // two people take back one move at a time.
        undo_step(1);
        --played_;
        announce(true, static_cast<int>(moves_.size()));
        return;
    }
    undo_step();
    played_ = std::max(0, played_ - 2);
    announce(true, static_cast<int>(moves_.size()));
}

void GameSession::redo() {
    const int plies = players_ == TwoPlayers ? 1 : 2;
    redo_step(plies);
    played_ = std::min(static_cast<int>(moves_.size()), played_ + plies);
    announce(true, static_cast<int>(moves_.size()));
}

void GameSession::restore(const GameRecord& record) {
    if (record.userColor != 0) setUserColor(record.userColor);
    using P = RecordedPlayer;
    const P& white = record.white;
    const P& black = record.black;
    if (white.kind == P::Player && black.kind == P::Player) {
        setPlayers(TwoPlayers);
    } else if (white.kind == P::Computer && black.kind == P::Computer) {
        setPlayers(Demo);
        setDemoLevels(white.level, black.level);
    } else {
        // The user against the computer, also when the record does not say.
        setPlayers(AgainstComputer);
        if (white.kind == P::You || black.kind == P::You) {
            setUserColor(white.kind == P::You ? 1 : -1);
            const P& computer = white.kind == P::You ? black : white;
            if (computer.kind == P::Computer) setLevel(computer.level);
        }
    }
    moves_ = record.moves;
    played_ = static_cast<int>(moves_.size()) -
              std::clamp(record.takenBack, 0, static_cast<int>(moves_.size()));
    game_restore(moves_, played_);
    result_ = record.result;
    began_ = QString::fromStdString(record.played);
    if (began_.isEmpty()) began_ = now();
    announce(true, 0);
}

Move GameSession::computerMove() {
    const int level = levelOf(board.next);
    algo.tables = level == kMasterLevel ? &tables_ : nullptr;
    // Master searches by time, the other levels by their node budget.
    algo.millis = kLevelTable[level].millis;
    const Move move = algo.ComputerMove(LevelNodes(level));
    return algo.stop ? Move(-1, -1, -1) : move;
}

GameSession::Hint GameSession::hint() const {
    Hint h;
    // Exact where the tables settle the position (while placing, within a
    // moment), the search's move otherwise.
    if (ExactMove(tables_, board, Within(kQuickSolveMillis), h.value, h.move)) return h;
    h.move = game_hint();
    return h;
}

void GameSession::settle() {
    announce(true, static_cast<int>(moves_.size()));
}

void GameSession::announce(bool settled, int from) {
    changedFrom_ = from;
    emit changed(settled);
}
