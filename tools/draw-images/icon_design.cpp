#include "icon_design.h"

#include "art/colours.h"

#include <algorithm>
#include <stdexcept>

namespace icon {

namespace {

// Per size: the frame's inset from the canvas and its width, the grid step
// between neighbouring points, the line width, the pieces' radius and whether
// the points are drawn (below 128 pixels they only add noise).
struct Hinting {
    int size, inset, frame, step, line;
    double pieceRadius;
    bool points;
};

constexpr Hinting hinting[] = {
    {16, 0, 1, 2, 1, 2.6, false},   {22, 0, 1, 3, 1, 2.9, false},    {24, 0, 1, 3, 1, 3.0, false},
    {32, 0, 1, 4, 2, 3.6, false},   {48, 1, 2, 6, 2, 5.4, false},    {64, 1, 2, 8, 3, 6.8, false},
    {128, 3, 3, 16, 5, 13.5, true}, {256, 6, 6, 32, 10, 27.0, true},
};

const Gradient blackStone{"black",
                          -0.35,
                          -0.45,
                          {0.0, 0.4, 1.0},
                          {QColor(128, 96, 90), QColor(60, 34, 32), QColor(24, 11, 11)}};
const Gradient whiteStone{"white",
                          -0.35,
                          -0.45,
                          {0.0, 0.45, 1.0},
                          {QColor(255, 255, 250), QColor(236, 235, 212), QColor(186, 182, 148)}};

// Grid cells (column, row) of the pieces shown, and which stone each is.
struct Piece {
    int column, row;
    const Gradient* stone;
};
const Piece pieces[] = {{1, 1, &blackStone}, {5, 5, &whiteStone}};

Shape filled(Shape::Kind kind, const QRectF& bounds, const QColor& fill, double cornerRadius = 0) {
    Shape s{kind, bounds};
    s.fill = fill;
    s.cornerRadius = cornerRadius;
    return s;
}

const Hinting& hintingFor(int size) {
    for (const Hinting& h : hinting)
        if (h.size == size) return h;
    throw std::invalid_argument("no icon design for this size");
}

} // namespace

std::vector<Shape> shapes(int size) {
    const Hinting& h = hintingFor(size);
    std::vector<Shape> list;

    const QRectF outer(h.inset, h.inset, size - 2 * h.inset, size - 2 * h.inset);
    const double corner = std::max(2.0, size * 0.14);
    list.push_back(filled(Shape::RoundedRect, outer, colours::surround, corner));
    list.push_back(filled(Shape::RoundedRect, outer.adjusted(h.frame, h.frame, -h.frame, -h.frame),
                          colours::khaki, corner - h.frame));

    // Lines are rectangles on whole pixels; a grid point's stroke starts at
    // `first` + i * step and is `line` wide. Odd leftovers go to the right.
    const int first = (size - 6 * h.step - h.line + 1) / 2;
    const auto at = [&](int i) { return double(first + i * h.step); };
    const auto segment = [&](int c0, int r0, int c1, int r1) {
        const QRectF stroke(at(c0), at(r0), at(c1) - at(c0) + h.line, at(r1) - at(r0) + h.line);
        list.push_back(filled(Shape::Rect, stroke, colours::lineOlive.darker(112)));
    };
    for (int ring = 0; ring < 3; ++ring) {
        const int lo = ring, hi = 6 - ring;
        segment(lo, lo, hi, lo);
        segment(lo, hi, hi, hi);
        segment(lo, lo, lo, hi);
        segment(hi, lo, hi, hi);
    }
    segment(3, 0, 3, 2);
    segment(3, 4, 3, 6);
    segment(0, 3, 2, 3);
    segment(4, 3, 6, 3);

    const auto centreOf = [&](int column, int row) {
        return QPointF(at(column) + h.line / 2.0, at(row) + h.line / 2.0);
    };
    const auto square = [](QPointF c, double r) {
        return QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
    };
    if (h.points) {
        // The points of the three squares: every corner and every side's middle.
        for (int ring = 0; ring < 3; ++ring)
            for (int column : {ring, 3, 6 - ring})
                for (int row : {ring, 3, 6 - ring}) {
                    if (column == 3 && row == 3) continue;
                    const QPointF c = centreOf(column, row);
                    list.push_back(filled(Shape::Disc, square(c, h.line * 0.9), colours::pointRim));
                    list.push_back(
                        filled(Shape::Disc, square(c, h.line * 0.5), colours::pointCore));
                }
    }

    const double outlineWidth = std::max(0.6, size / 128.0);
    for (const Piece& p : pieces) {
        Shape stone{Shape::Disc, square(centreOf(p.column, p.row), h.pieceRadius)};
        stone.gradient = p.stone;
        stone.outline = QColor(40, 30, 10, 150);
        stone.outlineWidth = outlineWidth;
        list.push_back(stone);
    }
    return list;
}

} // namespace icon
