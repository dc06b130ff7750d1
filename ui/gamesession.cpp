#include "ui/gamesession.h"

#include "engine/game.h"

#include <QDateTime>

#include <algorithm>
#include <iterator>

namespace {

QString now() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

} // namespace

GameSession::GameSession(QObject* parent) : QObject(parent) {
    game_init();
}

GameSession::~GameSession() {
    game_exit();
}

void GameSession::setUserColor(int color) {
    color_ = color == -1 ? -1 : 1;
}

void GameSession::setLevel(int level) {
    // Anything outside the menu's range must not index past level2nodes.
    level_ = std::clamp(level, 0, static_cast<int>(std::size(level2nodes)) - 1);
}

const Board& GameSession::position() const {
    return board;
}

Board& GameSession::shownPosition() {
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
    return algo.CurrentHasLost() || n_next_valid == 0;
}

bool GameSession::inProgress() const {
    return !moves_.empty() && !sideToMoveHasLost();
}

QString GameSession::began() const {
    return moves_.empty() || began_.isEmpty() ? now() : began_;
}

GameRecord GameSession::record(bool withRedo) const {
    GameRecord r;
    r.userColor = color_;
    r.level = level_;
    r.played = began().toStdString();
    if (withRedo) {
        r.moves = moves_;
        r.takenBack = static_cast<int>(moves_.size()) - played_;
    } else {
        r.moves.assign(moves_.begin(), moves_.begin() + played_);
    }
    return r;
}

bool GameSession::canUndo() const {
    if (history_pos < 2) return false;
    // Going back two positions must leave the user to move. It does not when
    // the user plays Black and only the computer's opening move has been
    // made.
    const int sideToMoveAfter = history_pos > 2 ? history[history_pos - 3].next : 1;
    return sideToMoveAfter == color_;
}

bool GameSession::canRedo() const {
    return history_pos < history_length - 1;
}

void GameSession::newGame() {
    game_init();
    moves_.clear();
    played_ = 0;
    began_.clear();
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
    undo_step();
    played_ = std::max(0, played_ - 2);
    announce(true, static_cast<int>(moves_.size()));
}

void GameSession::redo() {
    redo_step();
    played_ = std::min(static_cast<int>(moves_.size()), played_ + 2);
    announce(true, static_cast<int>(moves_.size()));
}

void GameSession::restore(const GameRecord& record) {
    if (record.userColor != 0) setUserColor(record.userColor);
    moves_ = record.moves;
    played_ = static_cast<int>(moves_.size()) -
              std::clamp(record.takenBack, 0, static_cast<int>(moves_.size()));
    game_restore(moves_, played_);
    began_ = QString::fromStdString(record.played);
    if (began_.isEmpty()) began_ = now();
    announce(true, 0);
}

Move GameSession::computerMove() {
    const Move move = algo.ComputerMove(level2nodes[level_]);
    return algo.stop ? Move(-1, -1, -1) : move;
}

Move GameSession::hint() const {
    return game_hint();
}

void GameSession::settle() {
    announce(true, static_cast<int>(moves_.size()));
}

void GameSession::announce(bool settled, int from) {
    changedFrom_ = from;
    emit changed(settled);
}
