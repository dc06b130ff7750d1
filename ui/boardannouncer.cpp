#include "ui/boardannouncer.h"

#include "engine/notation.h"
#include "ui/boardaccessible.h"
#include "ui/boardwidget.h"
#include "ui/gamesession.h"
#include "ui/keyboardcursor.h"

#include <QAccessible>
#include <QKeyEvent>

#include <cstdlib>
#include <utility>

namespace {

QString Named(int point) {
    return QString::fromStdString(PointName(point));
}

// A point's content and marks, packed so that one comparison tells whether
// anything changed: bits 0-1 the content (0 empty, 1 White, 3 Black), bit 2
// selected, bit 3 takeable, bit 4 a target. Zero is an empty point without
// marks.
constexpr int kSelected = 4, kTakeable = 8, kTarget = 16;

// A sentence ends with a stop, so that texts said together read as
// sentences.
QString Sentence(const QString& text) {
    if (text.isEmpty() || text.endsWith('.') || text.endsWith('!') || text.endsWith('?'))
        return text;
    return text + '.';
}

// The points the moves from `from` up to `to` ended on: "b5, a3".
QString EndPoints(const std::vector<Move>& moves, int from, int to) {
    QStringList ends;
    for (int i = from; i < to; ++i) ends << Named(moves[static_cast<std::size_t>(i)].end);
    return ends.join(QStringLiteral(", "));
}

} // namespace

BoardAnnouncer::BoardAnnouncer(BoardWidget& board) : board(board) {
    flushTimer.setSingleShot(true);
    flushTimer.setInterval(0);
    connect(&flushTimer, &QTimer::timeout, this, &BoardAnnouncer::flush);
    GameTurn& turn = board.turn();
    connect(&turn, &GameTurn::moveMade, this, &BoardAnnouncer::announceMove);
    connect(&turn, &GameTurn::computerThinks, this, &BoardAnnouncer::announceStatus);
    connect(&turn, &GameTurn::changed, this, [this] {
        announceHint();
        announceStatus();
    });
    connect(&turn, &GameTurn::browsed, this, &BoardAnnouncer::announceStatus);
    // The end is said before the game-over box opens: Orca reads the box's
    // title and button, not its text. The status that follows gives the
    // result and why.
    connect(&turn, &GameTurn::ended, this, [this] {
        say(BoardWidget::tr("Game over"));
        flush();
    });
    connect(&turn.session(), &GameSession::changed, this, &BoardAnnouncer::gameChanged);
}

QString BoardAnnouncer::pointText(int point) const {
    const int content = board.onScreen().board[point];
    QString text = Named(point) + ", " +
                   (content > 0   ? BoardWidget::tr("White")
                    : content < 0 ? BoardWidget::tr("Black")
                                  : BoardWidget::tr("empty"));
    const BoardMarks marks = board.marks();
    if (marks.selected == point)
        text += ", " + BoardWidget::tr("picked to move");
    else if (marks.takeable >> point & 1)
        text += ", " + BoardWidget::tr("can be taken");
    else if (marks.targets >> point & 1)
        text += ", " + BoardWidget::tr("you can move here");
    else if (content != 0 && board.onScreen().IsInMill(point))
        text += ", " + BoardWidget::tr("in a mill");
    return text;
}

QString BoardAnnouncer::positionText() const {
    const Board shown = board.onScreen();
    QStringList sides[2];
    for (int p = 0; p < 24; ++p)
        if (shown.board[p] != 0) sides[shown.board[p] > 0 ? 0 : 1] << Named(p);
    const auto side = [](const QString& color, const QStringList& points) {
        return color + ": " +
               (points.isEmpty() ? BoardWidget::tr("no pieces")
                                 : points.join(QStringLiteral(", ")));
    };
    return side(BoardWidget::tr("White"), sides[0]) + "; " +
           side(BoardWidget::tr("Black"), sides[1]);
}

QString BoardAnnouncer::countsText() const {
    const PieceCounts c = CountPieces(board.onScreen());
    const QString side = BoardWidget::tr("%1: %2 to place, %3 lost");
    return side.arg(BoardWidget::tr("White")).arg(c.toPlace[0]).arg(c.lost[0]) + "; " +
           side.arg(BoardWidget::tr("Black")).arg(c.toPlace[1]).arg(c.lost[1]);
}

bool BoardAnnouncer::keyPress(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // What the user asked to hear is said at once, and is not what R
    // repeats.
    switch (event.key()) {
    case Qt::Key_P:
        tell(positionText());
        return true;
    case Qt::Key_N:
        tell(countsText());
        return true;
    case Qt::Key_R:
        tell(announcement_.isEmpty() ? board.statusText() : announcement_);
        return true;
    default:
        return false;
    }
}

void BoardAnnouncer::announceMove(const Move& move, bool byUser) {
    moveMade = true;
    const QString end = Named(move.end);
    QString text;
    if (move.start < 0 && move.take < 0)
        text = byUser ? BoardWidget::tr("You place %1").arg(end)
                      : BoardWidget::tr("Computer places %1").arg(end);
    else if (move.start < 0)
        text = (byUser ? BoardWidget::tr("You place %1 and take %2")
                       : BoardWidget::tr("Computer places %1 and takes %2"))
                   .arg(end, Named(move.take));
    else if (move.take < 0)
        text = (byUser ? BoardWidget::tr("You move %1 to %2")
                       : BoardWidget::tr("Computer moves %1 to %2"))
                   .arg(Named(move.start), end);
    else
        text = (byUser ? BoardWidget::tr("You move %1 to %2 and take %3")
                       : BoardWidget::tr("Computer moves %1 to %2 and takes %3"))
                   .arg(Named(move.start), end, Named(move.take));
    say(text);
}

void BoardAnnouncer::announceStatus() {
    // Said with the next flush, as it stands then: the statuses passed
    // through on the way (while a game is opened, say) are not worth saying.
    flushTimer.start();
}

void BoardAnnouncer::announceMill() {
    // The piece that closed the mill stands on the board shown, not yet in
    // the game: its move is made with the capture.
    const Board& before = board.session().position();
    const Board& shown = board.turn().shown();
    Move move{-1, -1, -1};
    for (int p = 0; p < 24; ++p) {
        if (before.board[p] == shown.board[p]) continue;
        (shown.board[p] != 0 ? move.end : move.start) = static_cast<signed char>(p);
    }
    if (move.end >= 0) announceMove(move, true);
    moveMade = false; // the move itself comes with its capture
    say(BoardWidget::tr("Mill closed"));
}

void BoardAnnouncer::announceHint() {
    const Move& hint = board.turn().hint();
    if (hint.start == spokenHint.start && hint.end == spokenHint.end &&
        hint.take == spokenHint.take)
        return;
    spokenHint = hint;
    if (hint.IsEmpty()) return;
    QString text =
        hint.start < 0
            ? BoardWidget::tr("Hint: place on %1").arg(Named(hint.end))
            : BoardWidget::tr("Hint: move %1 to %2").arg(Named(hint.start), Named(hint.end));
    if (hint.take >= 0) text += ", " + BoardWidget::tr("take %1").arg(Named(hint.take));
    say(text);
}

void BoardAnnouncer::gameChanged(bool settled) {
    if (!settled) return;
    const GameSession& session = board.session();
    const int played = session.played();
    const int from = session.changedFrom();
    // Undo and Redo move along the same moves by one turn (the user's move
    // and the reply); a move made, a new game or an opened one say
    // themselves.
    if (!std::exchange(moveMade, false) && std::abs(played - knownPlayed) <= 2) {
        if (played < knownPlayed && from >= played)
            say(BoardWidget::tr("Took back %1")
                    .arg(EndPoints(session.moves(), played, knownPlayed)));
        else if (played > knownPlayed && from >= knownPlayed)
            say(BoardWidget::tr("Replayed %1")
                    .arg(EndPoints(session.moves(), knownPlayed, played)));
    }
    knownPlayed = played;
    announceStatus();
}

void BoardAnnouncer::say(const QString& text) {
    gathered << Sentence(text);
    flushTimer.start();
}

void BoardAnnouncer::flush() {
    // A flight's own status ("Moving piece...") passes too quickly to say.
    const QString status = board.statusText();
    if (status != spokenStatus && !board.flight().on) {
        spokenStatus = status;
        if (board.state() == TurnStates::HumanTaking) announceMill();
        say(status);
    }
    flushTimer.stop();
    if (gathered.isEmpty()) return;
    announcement_ = gathered.join(' ');
    gathered.clear();
    if (!QAccessible::isActive()) return;
    tell(announcement_);
    QAccessibleEvent described(&board, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    announcePoints();
}

void BoardAnnouncer::tell(const QString& text) {
    if (!QAccessible::isActive()) return;
    if (auto* self = static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&board)))
        self->say(text);
}

void BoardAnnouncer::announcePoints() {
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(&board);
    if (!self) return;
    const BoardMarks m = board.marks();
    const Board shown = board.onScreen();
    for (int p = 0; p < 24; ++p) {
        const int now = (shown.board[p] & 3) | (m.selected == p ? kSelected : 0) |
                        (m.takeable >> p & 1 ? kTakeable : 0) | (m.targets >> p & 1 ? kTarget : 0);
        const int before = std::exchange(spokenPoints[static_cast<std::size_t>(p)], now);
        if (now == before) continue;
        QAccessibleInterface* point = self->child(p);
        QAccessibleEvent renamed(point, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        if ((now ^ before) & (kSelected | kTakeable)) {
            QAccessible::State changed;
            changed.selected = ((now ^ before) & kSelected) != 0;
            changed.checked = ((now ^ before) & kTakeable) != 0;
            QAccessibleStateChangeEvent marked(point, changed);
            QAccessible::updateAccessibility(&marked);
        }
    }
}

void BoardAnnouncer::announceCursor() {
    if (!QAccessible::isActive() || !board.hasFocus()) return;
    QAccessibleEvent focus(&board, QAccessible::Focus);
    focus.setChild(board.cursor().point());
    QAccessible::updateAccessibility(&focus);
}
