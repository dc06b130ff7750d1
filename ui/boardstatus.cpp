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

// Two sentences in one line, without the second's full stop: the strip
// may add to it.
QString Sentences(const QString& first, QString second) {
    if (second.endsWith('.')) second.chop(1);
    return first + ". " + second;
}

QString SideName(int color) {
    return color == 1 ? BoardWidget::tr("White") : BoardWidget::tr("Black");
}

// Who won a game that the user did not play against the computer, and why,
// in one line.
QString EndingBetweenSides(const GameSession& session) {
    const Board& board = session.position();
    switch (session.result()) {
    case GameResult::DrawByRepetition:
        return BoardWidget::tr("Draw by repetition (claimed)");
    case GameResult::WhiteResigns:
    case GameResult::BlackResigns: {
        const int resigned = session.result() == GameResult::WhiteResigns ? 1 : -1;
        return Sentences(BoardWidget::tr("%1 wins").arg(SideName(-resigned)),
                         BoardWidget::tr("%1 resigned.").arg(SideName(resigned)));
    }
    case GameResult::None:
        break;
    }
    const QString why =
        board.CurrentHasLost()
            ? BoardWidget::tr("%1 has only two pieces left.").arg(SideName(board.next))
            : BoardWidget::tr("None of %1's pieces can move.").arg(SideName(board.next));
    return Sentences(BoardWidget::tr("%1 wins").arg(SideName(-board.next)), why);
}

// Who won the finished game and why, in one line: the game-over box and
// the strip after the game say it.
QString ResultText(const GameSession& session) {
    if (session.players() != GameSession::AgainstComputer) return EndingBetweenSides(session);
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
    const GameSession::Players players = session().players();
    const QString side = SideName(session().position().next);
    if (players == GameSession::Demo && !browsing()) {
        if (session().ended()) return EndingBetweenSides(session());
        if (turn_.demoPaused()) return tr("Paused: %1 to move").arg(side);
        return tr("Computer against computer: %1 to move").arg(side);
    }
    if (players == GameSession::TwoPlayers && !browsing() && turn_.state() != Idle &&
        HintWorth(turn_).isEmpty()) {
        // Whose turn it is, then what to do: "White: set your 3. piece".
        QString action = playerAction();
        if (!action.isEmpty()) action[0] = action[0].toLower();
        //: Whose turn it is in a game of two people: the side, then what it is to do.
        return tr("%1: %2").arg(side, action);
    }
    return playerAction();
}

QString BoardWidget::playerAction() const {
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
        return tr("Take a %1 piece")
            .arg(session().position().next == 1 ? tr("black") : tr("white"));
    }
    return QString();
}

QString BoardWidget::endingText() const {
    return tr("Game over") + "\n" + ResultText(session());
}

void BoardWidget::gameOver() {
    // A click held from the last flight would start a new game.
    heldInput_.clear();
    // The computer's game against itself says how it ended in the strip: a
    // box would hold the window up with nobody to close it.
    if (session().players() == GameSession::Demo) return;
    // The final position and the result stay on the board behind the box
    // and after it.
    QMessageBox::information(this, tr("Nine Men's Morris"), endingText());
}
