// The program's icon as a short list of shapes: a khaki board in a dark
// olive frame, its three concentric squares and cross lines, and a few
// polished pieces. One list per pixel size, with the geometry snapped to whole
// pixels so that small sizes stay crisp; the same list is painted into the
// PNGs and written as the scalable SVG.
#pragma once

#include <QColor>
#include <QRectF>

#include <vector>

namespace icon {

// A radial gradient over a disc: its focus is offset from the disc's centre by
// `focus` times the radius, and its three stops run from the focus outward.
struct Gradient {
    const char* name;
    double focusX, focusY;
    double stops[3];
    QColor colours[3];
};

struct Shape {
    enum Kind { Rect, RoundedRect, Disc };

    Shape(Kind k, const QRectF& b) : kind(k), bounds(b) {}

    Kind kind;
    QRectF bounds;           // for a disc, the square around it
    double cornerRadius = 0; // RoundedRect only
    QColor fill;             // used when there is no gradient
    const Gradient* gradient = nullptr;
    QColor outline; // invalid for none
    double outlineWidth = 0;
};

// The icon's shapes for a square of `size` pixels, back to front.
std::vector<Shape> shapes(int size);

// The sizes of the PNG icons.
inline constexpr int pngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The size whose shapes make the SVG's 256 x 256 view box.
inline constexpr int svgSize = 256;

} // namespace icon
