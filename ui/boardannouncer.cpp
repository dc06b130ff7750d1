// What BoardWidget tells assistive technology: every move of either side
// ("Computer moves b4 to b5 and takes a3"), every change of the status line,
// the points whose piece or marks changed, and the point the keyboard's
// cursor moved to. Qt 6.4 has no announcement event: a move or a status
// becomes the board's text and description, and the replacement of the text
// is the event a screen reader hears; it carries the new text, where a
// change of description makes the reader ask back, too late to hear a move
// that the next status has replaced already.

#include "ui/boardwidget.h"

#include "engine/notation.h"
#include "ui/gamesession.h"

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

int BoardWidget::pointContent(int point) const {
    return session_->position().board[point];
}

QString BoardWidget::pointText(int point) const {
    const int content = pointContent(point);
    return Named(point) + ", " +
           (content > 0   ? tr("White")
            : content < 0 ? tr("Black")
                          : tr("empty"));
}

void BoardWidget::announceMove(const Move& move) {
    // The piece that moved stands on its new point in the colour of its side.
    const bool byUser = pointContent(move.end) == session_->userColor();
    const QString end = Named(move.end);
    QString text;
    if (move.start < 0 && move.take < 0)
        text = byUser ? tr("You place %1").arg(end) : tr("Computer places %1").arg(end);
    else if (move.start < 0)
        text = (byUser ? tr("You place %1 and take %2") : tr("Computer places %1 and takes %2"))
                   .arg(end, Named(move.take));
    else if (move.take < 0)
        text = (byUser ? tr("You move %1 to %2") : tr("Computer moves %1 to %2"))
                   .arg(Named(move.start), end);
    else
        text = (byUser ? tr("You move %1 to %2 and take %3")
                       : tr("Computer moves %1 to %2 and takes %3"))
                   .arg(Named(move.start), end, Named(move.take));
    announce(text);
}

void BoardWidget::announceStatus() {
    const QString status = statusText();
    if (status == spokenStatus) return;
    spokenStatus = status;
    announce(status);
}

void BoardWidget::announce(const QString& text) {
    const QString before = std::exchange(announcement, text);
    if (!QAccessible::isActive()) return;
    QAccessibleTextUpdateEvent replaced(this, 0, before, text);
    QAccessible::updateAccessibility(&replaced);
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    announcePoints();
}

void BoardWidget::announcePoints() {
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(this);
    if (!self) return;
    const BoardMarks m = marks();
    for (int p = 0; p < 24; ++p) {
        const int now = (pointContent(p) & 3) | (m.selected == p ? kSelected : 0) |
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

void BoardWidget::announceCursor() {
    if (!QAccessible::isActive() || !hasFocus()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(cursorPoint);
    QAccessible::updateAccessibility(&focus);
}
