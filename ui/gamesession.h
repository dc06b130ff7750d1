// The game in progress as the window sees it: the one place on the window's
// side that reaches the program-wide game state (the displayed position, the
// computer opponent, the legal moves, the history), together with who plays
// each side (the user against the computer in the user's colour at the
// level, two people at one computer, or the computer against itself at a
// level for each side), the moves played so far and when the game began.
//
// The moves are kept as they are made, so that the record of a long game
// and the move list cost nothing per move beyond the move itself. Every
// change is announced by `changed`; the board, the move list and the store
// of the kept game follow it.
#pragma once

#include "engine/board.h"
#include "engine/endgame/endgame.h"
#include "engine/record.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class GameSession : public QObject {
    Q_OBJECT

public:
    // Starts a game with the user as White at "Very easy". Only one session
    // may exist at a time: the game state it reaches is the program's.
    explicit GameSession(QObject* parent = nullptr);
    // Stops the computer opponent.
    ~GameSession() override;

    // The user's colour: +1 White, -1 Black. The colour menu's items are
    // 0 White and 1 Black (the saved setting); these convert.
    int userColor() const { return color_; }
    static int colorOfItem(int item) { return item == 0 ? 1 : -1; }
    static int itemOfColor(int color) { return color == 1 ? 0 : 1; }
    // 0 ("Very easy") to 5 ("Master"); brought into that range.
    int level() const { return level_; }
    // Neither starts a new game: the caller decides when one begins.
    void setUserColor(int color);
    void setLevel(int level);

    // Who plays: the items of the New dialog and the saved setting.
    enum Players { AgainstComputer = 0, TwoPlayers = 1, Demo = 2 };
    Players players() const { return players_; }
    // Any other value is AgainstComputer. Does not start a new game.
    void setPlayers(int players);
    // The levels of White and Black when the computer plays itself.
    int demoLevel(int color) const { return demoLevels_[color == 1 ? 0 : 1]; }
    void setDemoLevels(int white, int black);
    // Whether a person chooses the moves of `color` (+1 White, -1 Black).
    bool humanPlays(int color) const {
        return players_ == TwoPlayers || (players_ == AgainstComputer && color == color_);
    }
    // The level the computer plays `color` at.
    int levelOf(int color) const { return players_ == Demo ? demoLevel(color) : level_; }

    // Maps the endgame tables found in `folders`, once at start-up. Master
    // plays and the hint advises perfectly where they cover the position; a
    // table missing or unusable is left unused, and Master then plays as
    // "Very hard" there.
    void openTables(const std::vector<std::string>& folders);
    const EndgameTables& tables() const { return tables_; }

    // The position on the board: the moves played, nothing else.
    const Board& position() const;
    // The move being put together from the user's taps.
    Move& currentMove();
    // The legal moves of the position, in generation order.
    const Move* legalMoves() const;
    int legalMoveCount() const;
    // Whether `m`, capture included, is legal; whether some legal move goes
    // from m.start to m.end whatever it takes.
    bool isLegal(const Move& m) const;
    bool canGo(const Move& m) const;
    // Whether the side to move has lost: two pieces in the moving phase, or
    // no legal move.
    bool sideToMoveHasLost() const;
    // Whether the game has moves and has not ended: what a new game throws
    // away.
    bool inProgress() const;
    // Whether the game has ended: by the rules, by a claimed draw or by the
    // user's resignation.
    bool ended() const { return result_ != GameResult::None || sideToMoveHasLost(); }
    // How the game ended where the rules alone did not end it.
    GameResult result() const { return result_; }

    // How many times the position on the board, with the same side to move,
    // has stood there in this game (1 the first time).
    int repetitions() const;
    // Whether the user to move (in a game of two people, the side to move)
    // may end the game as a draw: the position stands on the board for the
    // third time or more.
    bool canClaimDraw() const;
    // End the game as a draw, or as a loss for the side to move. Undo takes
    // either back, and the game goes on from the same position.
    void claimDraw();
    void resign();

    // Every move of the game from the initial position: the first played()
    // lead to the position on the board, the rest can be redone.
    const std::vector<Move>& moves() const { return moves_; }
    int played() const { return played_; }
    // The first move that may differ since the last `changed`: moves before
    // it are as they were then.
    int changedFrom() const { return changedFrom_; }
    // When the game began (its first move, or when it was recorded), ISO
    // 8601 UTC; while it has no moves, now.
    QString began() const;
    // The game as a record, with what Redo can bring back (for the kept
    // game) or without it (for a saved file).
    GameRecord record(bool withRedo) const;

    // The position after the first `count` moves of the game, for browsing.
    Board positionAfter(int count) const;

    // Whether Undo can go back to a position with the user to move (or take
    // back a claimed draw or a resignation); whether Redo has two moves to
    // replay. Two people take back and replay one move at a time; the
    // computer's game against itself has neither.
    bool canUndo() const;
    bool canRedo() const;

    // A new game from the initial position.
    void newGame();
    // Plays the current move (the user's, assembled from taps, or the
    // computer's) and records it, dropping what Redo could bring back.
    void playCurrentMove();
    // Two positions back or forward: a move and its reply. The caller checks
    // canUndo() or canRedo() first. Undo takes back only the user's move when
    // it ended the game, and only the ending when one was claimed.
    void undo();
    void redo();
    // Replaces the game by the one the record holds (who plays each side,
    // its colour and level included when recorded), with its taken-back
    // moves left for Redo.
    void restore(const GameRecord& record);
    // The computer's choice for the position at the budget of the level it
    // plays the side to move at; the
    // empty move when the search was stopped.
    Move computerMove();
    // A move for the user: one that keeps the best value where the tables
    // cover the position (value then says what the position is worth to
    // the user), elsewhere the move the computer would choose at "Very
    // hard", searched on a copy (value Unknown).
    struct Hint {
        Move move{-1, -1, -1};
        EndgameValue value;
    };
    Hint hint() const;
    // Tells the listeners that the game now waits for the user.
    void settle();

signals:
    // After every change of the game: with settled false after each move in
    // the middle of a turn, true when the game then waits for the user (a
    // turn completed, undo, redo, a new game, a game restored).
    void changed(bool settled);

private:
    void announce(bool settled, int from);

    int color_ = 1;
    int level_ = 0;
    Players players_ = AgainstComputer;
    int demoLevels_[2] = {0, 0}; // White's, Black's
    std::vector<Move> moves_;
    int played_ = 0;
    int changedFrom_ = 0;
    QString began_;
    GameResult result_ = GameResult::None;
    EndgameTables tables_;
};
