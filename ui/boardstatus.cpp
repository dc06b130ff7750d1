// What BoardWidget says in words: the status strip for each state of the
// turn, what a hint's position is worth, and the game-over box.

#include "ui/boardwidget.h"
#include "ui/gamesession.h"

#include <QMessageBox>

namespace {

// What the hint says the position is worth, or empty.
QString HintWorth(const GameTurn& turn) {
    if (turn.hint().IsEmpty() || !turn.awaitsUser()) return {};
    // The distance counts plies to the end, and the user makes every other
    // one from this one on: a win in 7 plies takes 4 of the user's moves,
    // and a loss in 12 plies comes after 6 of them.
    const EndgameValue& value = turn.hintValue();
    const int plies = value.plies;
    switch (value.outcome) {
    case Outcome::Win: {
        const int moves = (plies + 1) / 2;
        return moves == 1 ? BoardWidget::tr("You win in 1 move with best play")
                          : BoardWidget::tr("You win in %1 moves with best play").arg(moves);
    }
    case Outcome::Loss: {
        const int moves = plies / 2;
        return moves == 1 ? BoardWidget::tr("You lose in 1 move with best play")
                          : BoardWidget::tr("You lose in %1 moves with best play").arg(moves);
    }
    case Outcome::Draw:
        return BoardWidget::tr("A draw with best play");
    case Outcome::Unknown:
        break;
    }
    return {};
}

// Who won the finished game and why, in one line: the game-over box and
// the strip after the game say it.
QString ResultText(const GameSession& session) {
    switch (session.result()) {
    case GameResult::DrawByRepetition:
        return BoardWidget::tr("Draw by repetition (claimed)");
    case GameResult::WhiteResigns:
    case GameResult::BlackResigns:
        return BoardWidget::tr("You resigned");
    case GameResult::None:
        break;
    }
    // The side to move is the side that has lost: with two pieces left, or
    // with no move.
    const Board& board = session.position();
    const bool userLost = session.userColor() == board.next;
    const bool whiteLost = board.next == 1;
    if (board.CurrentHasLost()) {
        if (userLost)
            return whiteLost ? BoardWidget::tr("You lose: White has only two pieces left")
                             : BoardWidget::tr("You lose: Black has only two pieces left");
        return whiteLost ? BoardWidget::tr("You win: White has only two pieces left")
                         : BoardWidget::tr("You win: Black has only two pieces left");
    }
    if (userLost)
        return whiteLost ? BoardWidget::tr("You lose: White cannot move")
                         : BoardWidget::tr("You lose: Black cannot move");
    return whiteLost ? BoardWidget::tr("You win: White cannot move")
                     : BoardWidget::tr("You win: Black cannot move");
}

} // namespace

QString BoardWidget::statusText() const {
    if (flight_.on) return tr("Moving piece...");
    if (browsing()) {
        // In the move list's numbers: White's and Black's move share one.
        const int plies = turn_.browsing(), moves = (session().played() + 1) / 2;
        if (plies == 0) return tr("Start of the game (Escape returns)");
        return (plies % 2 ? tr("White's move %1 of %2 (Escape returns)")
                          : tr("Black's move %1 of %2 (Escape returns)"))
            .arg((plies + 1) / 2)
            .arg(moves);
    }
    if (const QString worth = HintWorth(turn_); !worth.isEmpty()) return worth;
    switch (turn_.state()) {
    case Idle:
        // The finished game's result stays until the next one begins.
        if (session().ended())
            return tr("%1. Click to start game", "the result of the game that ended")
                .arg(ResultText(session()));
        return tr("Click to start game");
    case ComputerPlacing:
    case ComputerMoving:
        return tr("Computer is thinking...");
    case HumanPlacing:
        return tr("Set your %1. piece").arg(session().position().plies / 2 + 1);
    case HumanSelecting:
        if (turn_.drawOffered()) return tr("Position repeated three times: you may claim a draw");
        return tr("Select which piece to move");
    case HumanMoving:
        return tr("Select where to move the piece");
    case HumanTaking:
        return tr("Take a %1 piece").arg(session().userColor() == 1 ? tr("black") : tr("white"));
    }
    return QString();
}

void BoardWidget::gameOver() {
    // A click held from the last flight would start a new game.
    heldInput_.clear();
    // The final position and the result stay on the board behind the box
    // and after it.
    QMessageBox::information(this, tr("Nine Men's Morris"),
                             tr("Game over") + "\n" + ResultText(session()));
}
