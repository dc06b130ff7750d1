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

// Why the game ended, for the game-over box.
QString EndingText(const GameSession& session) {
    switch (session.result()) {
    case GameResult::DrawByRepetition:
        return BoardWidget::tr("Draw") + "\n\n" +
               BoardWidget::tr(
                   "The same position stood on the board for the third time, and you claimed a "
                   "draw.");
    case GameResult::WhiteResigns:
    case GameResult::BlackResigns:
        return BoardWidget::tr("Game over\nYou %1").arg(BoardWidget::tr("lose")) + "\n\n" +
               BoardWidget::tr("You resigned.");
    case GameResult::None:
        break;
    }
    // The side to move is the side that has lost: with two pieces left, or
    // with no move.
    const Board& board = session.position();
    const bool userLost = session.userColor() == board.next;
    const bool twoLeft = board.CurrentHasLost();
    const QString why =
        userLost ? (twoLeft ? BoardWidget::tr("You have only two pieces left.")
                            : BoardWidget::tr("None of your pieces can move."))
                 : (twoLeft ? BoardWidget::tr("The computer has only two pieces left.")
                            : BoardWidget::tr("None of the computer's pieces can move."));
    return BoardWidget::tr("Game over\nYou %1")
               .arg(userLost ? BoardWidget::tr("lose") : BoardWidget::tr("win")) +
           "\n\n" + why;
}

} // namespace

QString BoardWidget::statusText() const {
    if (flight_.on) return tr("Moving piece...");
    if (browsing())
        return tr("Move %1 of %2 (Escape returns)").arg(turn_.browsing()).arg(session().played());
    if (const QString worth = HintWorth(turn_); !worth.isEmpty()) return worth;
    switch (turn_.state()) {
    case Idle:
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

QString BoardWidget::endingText() const {
    return EndingText(session());
}

void BoardWidget::gameOver() {
    // The final position and "Click to start game" stay on the board behind
    // the box and after it.
    QMessageBox::information(this, tr("Nine Men's Morris"), EndingText(session()));
}
