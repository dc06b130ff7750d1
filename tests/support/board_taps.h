// Taps on a board widget, delivered as the window system delivers a mouse
// release, and where the board's points stand, from the board's own layout:
// shared by the widget's tests and the window's.
#pragma once

#include "engine/notation.h"
#include "ui/boardgeometry.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <string_view>

// The point named a1 .. c8.
inline int pt(std::string_view name) {
    return PointNamed(name);
}

// A tap (a mouse-button release) at widget coordinates.
inline void Tap(QWidget* board, QPointF at) {
    QMouseEvent e(QEvent::MouseButtonRelease, at, board->mapToGlobal(at), Qt::LeftButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(board, &e);
}

// The top-left corner of point p's cell, and its size, at the widget's size.
inline QRect CellOf(const QWidget* board, int p) {
    const BoardLayout l = LayoutFor(board->width(), board->height());
    return {l.cellX(move2coord[p][1]), l.cellY(move2coord[p][0]), l.cell, l.cell};
}

inline void TapPoint(QWidget* board, int p) {
    Tap(board, CellOf(board, p).center());
}
