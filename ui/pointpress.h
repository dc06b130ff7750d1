// A press on one point of the board that does not come from the mouse or
// the keys: a screen reader's press action. It is posted to the board, so
// that the reader's call returns at once, and it is input like a click:
// dropped during the computer's turn, landing a flight and applied after it.
#pragma once

#include <QEvent>

class PointPressEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 19);
    explicit PointPressEvent(int point) : QEvent(kType), point(point) {}
    const int point;
};
