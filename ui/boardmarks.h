// What the board shows besides the pieces: the piece the user picked and
// where it may go, the computer's last move, the pieces the user may take, a
// suggested move, and how many pieces each side has still to place and has
// lost, and the points' names. Drawn with the painter's own shapes, so they
// are sharp at every size and screen density; rings stand around pieces and
// spots on empty points, so that White and Black stay plain to see.
#pragma once

#include "engine/board.h"
#include "ui/boardgeometry.h"

#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

// Points as bits: bit p stands for point p.
using PointBits = unsigned;

struct BoardMarks {
    int selected = -1;         // the user's piece picked to move
    PointBits targets = 0;     // where it may go
    PointBits takeable = 0;    // opposing pieces the user may capture
    Move computer{-1, -1, -1}; // the computer's last move
    Move hint{-1, -1, -1};     // a move suggested to the user
    int cursor = -1;           // the keyboard's cursor
};

// The points that carry a mark.
PointBits MarkedPoints(const BoardMarks& marks);

// Draws the marks over the board and its pieces. Each stays within the cell
// of its point.
void drawMarks(QPainter& painter, const BoardLayout& layout, const BoardMarks& marks);

// Pieces each side still has to place and has lost; index 0 White, 1 Black.
struct PieceCounts {
    int toPlace[2];
    int lost[2];
    bool placing; // the placing phase: toPlace is shown
};
PieceCounts CountPieces(const Board& b);

// The words before the two kinds of counts; empty for none.
struct CountLabels {
    QString toPlace;
    QString lost;
};

// The counts' width when drawn in the font of `metrics`.
int countsWidth(const QFontMetrics& metrics, const PieceCounts& counts, const CountLabels& labels);
// Draws the counts right-aligned in `strip` (the status strip's rectangle
// less its margins), the labels in the painter's pen.
void drawCounts(QPainter& painter, const QRect& strip, const PieceCounts& counts,
                const CountLabels& labels);

// Draws the name of every point (a1 ... c8) in the corner of its cell above
// and left of the point, clear of a piece and of the lines.
void drawPointNames(QPainter& painter, const BoardLayout& layout);
