#include "ui/boardannouncer.h"

#include "engine/notation.h"
#include "ui/boardwidget.h"
#include "ui/gamesession.h"
#include "ui/keyboardcursor.h"

#include <QAccessible>

#include <utility>

namespace {

QString Named(int point) {
    return QString::fromStdString(PointName(point));
}

// A point's content and marks, packed so that one comparison tells whether
// anything changed: bits 0-1 the content (0 empty, 1 White, 3 Black), bit 2
// selected, bit 3 takeable. Zero is an empty point without marks.
constexpr int kSelected = 4, kTakeable = 8;

} // namespace

BoardAnnouncer::BoardAnnouncer(BoardWidget& board) : board(board) {
    GameTurn& turn = board.turn();
    connect(&turn, &GameTurn::moveMade, this, &BoardAnnouncer::announceMove);
    connect(&turn, &GameTurn::computerThinks, this, &BoardAnnouncer::announceStatus);
    // A screen reader hears what the game waits for each time it settles.
    connect(&turn.session(), &GameSession::changed, this, [this](bool settled) {
        if (settled) announceStatus();
    });
}

QString BoardAnnouncer::pointText(int point) const {
    const int content = board.onScreen().board[point];
    return Named(point) + ", " +
           (content > 0   ? BoardWidget::tr("White")
            : content < 0 ? BoardWidget::tr("Black")
                          : BoardWidget::tr("empty"));
}

void BoardAnnouncer::announceMove(const Move& move, bool byUser) {
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
    announce(text);
}

void BoardAnnouncer::announceStatus() {
    const QString status = board.statusText();
    if (status == spokenStatus) return;
    spokenStatus = status;
    announce(status);
}

void BoardAnnouncer::announce(const QString& text) {
    const QString before = std::exchange(announcement_, text);
    if (!QAccessible::isActive()) return;
    QAccessibleTextUpdateEvent replaced(&board, 0, before, text);
    QAccessible::updateAccessibility(&replaced);
    QAccessibleEvent described(&board, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    announcePoints();
}

void BoardAnnouncer::announcePoints() {
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(&board);
    if (!self) return;
    const BoardMarks m = board.marks();
    const Board shown = board.onScreen();
    for (int p = 0; p < 24; ++p) {
        const int now = (shown.board[p] & 3) | (m.selected == p ? kSelected : 0) |
                        (m.takeable >> p & 1 ? kTakeable : 0);
        const int before = std::exchange(spokenPoints[static_cast<std::size_t>(p)], now);
        if (now == before) continue;
        QAccessibleInterface* point = self->child(p);
        if ((now ^ before) & 3) {
            QAccessibleEvent renamed(point, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
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
