// The pointer shows that the board is busy for the life of the object: a
// watch while the computer searches (clicks are dropped), an arrow with a
// watch while a piece flies (a click ends the flight).
#pragma once

#include <QCursor>
#include <QGuiApplication>

class BusyPointer {
public:
    explicit BusyPointer(Qt::CursorShape shape) { QGuiApplication::setOverrideCursor(shape); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
