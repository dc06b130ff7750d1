#include "ui/keyboardcursor.h"

#include "ui/boardcursor.h"
#include "ui/turn.h"

#include <QKeyEvent>

#include <utility>

KeyboardCursor::KeyboardCursor(GameTurn& turn) : turn(turn) {
    // The keys go on from the last tap.
    connect(&turn, &GameTurn::chosen, this, [this](int point) { point_ = point; });
}

bool KeyboardCursor::keyPress(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int ring = std::exchange(typedRing, -1);
    const auto step = [this](int dRow, int dColumn) {
        // The first key shows the cursor where it is.
        const int to = shown_ ? PointToward(point_, dRow, dColumn) : point_;
        moveTo(to >= 0 ? to : point_);
        return true;
    };
    switch (event.key()) {
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
        moveTo(point_);
        turn.choose(point_);
        return true;
    case Qt::Key_Escape:
        if (turn.dropPickedPiece()) return true;
        break;
    }
    // A point's name: the ring's letter, then the position's digit.
    const QString text = event.text().toLower();
    if (text.size() != 1) return false;
    const QChar c = text.front();
    if (c >= 'a' && c <= 'c') {
        typedRing = c.unicode() - 'a';
        return true;
    }
    if (c >= '1' && c <= '8' && ring >= 0) {
        moveTo(ring * 8 + (c.unicode() - '1'));
        return true;
    }
    return false;
}

void KeyboardCursor::moveTo(int point) {
    point_ = point;
    shown_ = true;
    emit moved();
}

void KeyboardCursor::hide() {
    if (!std::exchange(shown_, false)) return;
    emit moved();
}
