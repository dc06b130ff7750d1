#include "ui/movelistfollower.h"

#include "engine/notation.h"
#include "ui/gamesession.h"
#include "ui/movelist.h"
#include "ui/turn.h"

namespace {

// The game's result for the list's last line; empty while it goes on.
QString ResultText(const GameSession& session) {
    if (!session.ended()) return {};
    switch (session.result()) {
    case GameResult::DrawByRepetition:
        return MoveList::tr("Draw by repetition");
    case GameResult::WhiteResigns:
        return MoveList::tr("White resigns");
    case GameResult::BlackResigns:
        return MoveList::tr("Black resigns");
    case GameResult::None:
        break;
    }
    // The side to move has lost.
    return session.position().next > 0 ? MoveList::tr("Black wins") : MoveList::tr("White wins");
}

} // namespace

MoveListFollower::MoveListFollower(MoveList& list, GameTurn& turn)
    : QObject(&list), list(list), turn(turn) {
    connect(&turn.session(), &GameSession::changed, this, &MoveListFollower::gameChanged);
    connect(&turn, &GameTurn::browsed, this,
            [this](int count) { this->list.setBrowsed(count >= 0 ? count - 1 : -1); });
    connect(&list, &MoveList::moveClicked, this,
            [this](int index) { this->turn.browse(index + 1); });
}

void MoveListFollower::gameChanged() {
    // Only the moves from the first that changed are written out again.
    const GameSession& session = turn.session();
    const std::vector<Move>& moves = session.moves();
    QStringList tail;
    for (std::size_t i = session.changedFrom(); i < moves.size(); ++i)
        tail << QString::fromStdString(MoveWord(moves[i]));
    list.replaceFrom(session.changedFrom(), tail, session.played());
    list.setResult(ResultText(session));
}
