// A piece in flight across the board, drawn on top of the others.
#pragma once

#include <QPoint>

struct Flight {
    bool on = false; // a piece is in flight
    int from = -1;   // the point it left, -1 when it came from off the board
    int to = -1;     // the point it lands on, -1 when it leaves the board
    int color = -1;  // +1 White, -1 Black
    QPoint at;       // the top-left corner of its cell, widget coordinates
};
