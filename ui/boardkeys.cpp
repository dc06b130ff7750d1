// Keyboard play on BoardWidget: the arrow keys move a cursor from point to
// point, typing a point's name (a1 .. c8) puts it there, Enter or Space taps
// its point through the same path as a mouse tap, and Escape drops a piece
// picked to move. Keys with Ctrl, Alt or Meta are left to the menus.

#include "ui/boardwidget.h"

#include "ui/boardcursor.h"
#include "ui/gamesession.h"

#include <QKeyEvent>

#include <utility>

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int ring = std::exchange(typedRing, -1);
    const auto step = [this](int dRow, int dColumn) {
        // The first key shows the cursor where it is.
        const int to = cursorShown ? PointToward(cursorPoint, dRow, dColumn) : cursorPoint;
        moveCursor(to >= 0 ? to : cursorPoint);
    };
    switch (event->key()) {
    case Qt::Key_Up:
        return step(-1, 0);
    case Qt::Key_Down:
        return step(1, 0);
    case Qt::Key_Left:
        return step(0, -1);
    case Qt::Key_Right:
        return step(0, 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        moveCursor(cursorPoint);
        tapPoint(cursorPoint);
        return;
    case Qt::Key_Escape:
        if (state != HumanMoving) break;
        // As a tap off the legal destinations would: the user picks again.
        tapWhileMoving(-1);
        repaint();
        session_->settle();
        return;
    }
    // A point's name: the ring's letter, then the position's digit.
    const QString text = event->text().toLower();
    if (text.size() == 1) {
        const QChar c = text.front();
        if (c >= 'a' && c <= 'c') {
            typedRing = c.unicode() - 'a';
            return;
        }
        if (c >= '1' && c <= '8' && ring >= 0) {
            moveCursor(ring * 8 + (c.unicode() - '1'));
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void BoardWidget::tapPoint(int point) {
    // Input made while the board works is swallowed before it gets here;
    // this keeps any other caller from starting a turn inside a turn.
    if (animating || state == ComputerPlacing || state == ComputerMoving) return;
    const QPoint corner = cellCorner(point);
    const qreal half = layout().cell / 2.0;
    tapAt(QPointF(corner.x() + half, corner.y() + half));
}

void BoardWidget::moveCursor(int point) {
    cursorPoint = point;
    cursorShown = true;
    repaint();
    announceCursor();
}

void BoardWidget::hideCursor() {
    if (!cursorShown) return;
    cursorShown = false;
    update();
}
