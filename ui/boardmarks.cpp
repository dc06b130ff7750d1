#include "ui/boardmarks.h"

#include "engine/notation.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The marks' colours: gold for the user's own move, blue for the computer's,
// red for captures, green for a suggestion.
const QColor kSelect(255, 212, 60);
const QColor kComputer(110, 185, 255);
const QColor kCapture(232, 56, 40);
const QColor kHint(90, 235, 130);
// The keyboard's cursor: white dashes over a dark square, unlike any mark.
const QColor kCursor(255, 255, 255);
// A dark edge under every mark keeps it apart from the khaki and the
// cream pieces alike.
const QColor kEdge(0, 0, 0, 110);
// The points' names: the lines' olive, darker, on the khaki.
const QColor kNameInk(64, 58, 14);

// Sizes at a cell of 32: a piece's disc has a radius of 11.
constexpr qreal kRingRadius = 13.5, kRingWidth = 2.5;
constexpr qreal kSpotRadius = 5, kVacatedRadius = 7.5, kCrossHalf = 5.5;

QPointF centreOf(const BoardLayout& l, int point) {
    return {l.cellX(move2coord[point][1]) + l.cell / 2.0,
            l.cellY(move2coord[point][0]) + l.cell / 2.0};
}

// A circle of `radius` around a point, in `colour` over a darker edge.
void ring(QPainter& p, const BoardLayout& l, int point, qreal radius, qreal width,
          const QColor& colour) {
    const QPointF c = centreOf(l, point);
    const qreal r = radius * l.scale();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kEdge, (width + 1.5) * l.scale()));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(colour, width * l.scale()));
    p.drawEllipse(c, r, r);
}

// A filled spot on an empty point.
void spot(QPainter& p, const BoardLayout& l, int point, const QColor& colour) {
    const QPointF c = centreOf(l, point);
    const qreal r = kSpotRadius * l.scale();
    p.setPen(QPen(kEdge, 1.0 * l.scale()));
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
}

// A cross where a piece was taken.
void cross(QPainter& p, const BoardLayout& l, int point, const QColor& colour) {
    const QPointF c = centreOf(l, point);
    const qreal h = kCrossHalf * l.scale();
    QPainterPath path;
    path.moveTo(c + QPointF(-h, -h));
    path.lineTo(c + QPointF(h, h));
    path.moveTo(c + QPointF(h, -h));
    path.lineTo(c + QPointF(-h, h));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kEdge, 4 * l.scale(), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(colour, 2.5 * l.scale(), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
}

// A move shown on the board: where the piece came from, where it stands
// now, and what it took.
void move(QPainter& p, const BoardLayout& l, const Move& m, const QColor& colour, bool taken) {
    if (m.IsEmpty()) return;
    if (m.start >= 0) ring(p, l, m.start, kVacatedRadius, 2, colour);
    ring(p, l, m.end, kRingRadius, kRingWidth, colour);
    if (m.take >= 0) {
        if (taken)
            cross(p, l, m.take, kCapture);
        else
            ring(p, l, m.take, kRingRadius, kRingWidth, kCapture);
    }
}

// A dashed square along the edge of a point's cell.
void focusSquare(QPainter& p, const BoardLayout& l, int point) {
    const qreal inset = 1.5 * l.scale();
    const QRectF square =
        QRectF(l.cellX(move2coord[point][1]), l.cellY(move2coord[point][0]), l.cell, l.cell)
            .adjusted(inset, inset, -inset, -inset);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kEdge, 3.0 * l.scale()));
    p.drawRect(square);
    QPen dashes(kCursor, 1.5 * l.scale(), Qt::CustomDashLine);
    dashes.setDashPattern({2.5, 1.5});
    p.setPen(dashes);
    p.drawRect(square);
}

template <typename Draw> void forEachPoint(PointBits points, Draw draw) {
    for (int point = 0; point < 24; ++point)
        if (points >> point & 1) draw(point);
}

} // namespace

PointBits MarkedPoints(const BoardMarks& marks) {
    PointBits points = marks.targets | marks.takeable;
    for (const Move& m : {marks.computer, marks.hint})
        for (const int point : {int(m.start), int(m.end), int(m.take)})
            if (point >= 0) points |= 1u << point;
    for (const int point : {marks.selected, marks.cursor})
        if (point >= 0) points |= 1u << point;
    return points;
}

void drawMarks(QPainter& p, const BoardLayout& l, const BoardMarks& marks) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    move(p, l, marks.computer, kComputer, true);
    forEachPoint(marks.takeable,
                 [&](int point) { ring(p, l, point, kRingRadius, kRingWidth, kCapture); });
    if (marks.selected >= 0) ring(p, l, marks.selected, kRingRadius, kRingWidth, kSelect);
    forEachPoint(marks.targets, [&](int point) { spot(p, l, point, kSelect); });
    // A suggested move goes from a piece to an empty point: a ring, then a spot.
    if (!marks.hint.IsEmpty()) {
        if (marks.hint.start >= 0) ring(p, l, marks.hint.start, kRingRadius, kRingWidth, kHint);
        spot(p, l, marks.hint.end, kHint);
        if (marks.hint.take >= 0) ring(p, l, marks.hint.take, kRingRadius, kRingWidth, kHint);
    }
    if (marks.cursor >= 0) focusSquare(p, l, marks.cursor);
    p.restore();
}

void drawPointNames(QPainter& p, const BoardLayout& l) {
    // In a cell of 32 the disc leaves the corners free: a name of 6-pixel
    // text fits the top-left one, above the horizontal line and left of the
    // vertical one, and grows with the cell (never below 7 pixels, which
    // may touch the disc's rim in the smallest cell).
    const qreal s = l.scale();
    QFont font = p.font();
    font.setPixelSize(std::max(7, static_cast<int>(6 * s)));
    font.setBold(true);
    p.save();
    p.setFont(font);
    p.setPen(kNameInk);
    for (int point = 0; point < 24; ++point) {
        const QRectF corner(l.cellX(move2coord[point][1]) + 0.5 * s, l.cellY(move2coord[point][0]),
                            12 * s, 8 * s);
        const QString name = QString::fromStdString(PointName(point));
        p.drawText(corner, Qt::AlignLeft | Qt::AlignTop, name);
    }
    p.restore();
}

PieceCounts CountPieces(const Board& b) {
    // White places at the even plies, Black at the odd ones.
    const int placed[2] = {std::min(9, (b.plies + 1) / 2), std::min(9, b.plies / 2)};
    const int onBoard[2] = {b.n_white, b.n_black};
    PieceCounts counts{};
    for (int side = 0; side < 2; ++side) {
        counts.toPlace[side] = 9 - placed[side];
        counts.lost[side] = std::max(0, placed[side] - onBoard[side]);
    }
    counts.placing = b.InPlacingPhase();
    return counts;
}

namespace {

// Each count is a small disc of the side's colour with the number in it,
// White's then Black's: plain for the pieces still to be placed (while
// placing), ringed in red and faded for the pieces lost. Each pair follows
// its label when there is one; numbers inside the discs keep the counts
// narrow enough to share a narrow strip with a long status text.
const QColor kWhitePiece(232, 232, 208), kBlackPiece(66, 32, 30);

struct CountGlyphs {
    int disc;  // a disc's diameter
    int gap;   // between the two discs of a pair
    int apart; // between the two pairs; half of it after a label
};

CountGlyphs glyphsFor(const QFontMetrics& fm) {
    const int disc = std::max(12, fm.height() - 1);
    return {disc, std::max(2, disc / 6), std::max(4, disc / 2)};
}

// Calls item(lost, label, numbers) for each pair shown, from left to right.
template <typename Item>
void forEachPair(const PieceCounts& c, const CountLabels& labels, Item item) {
    if (c.placing) item(false, labels.toPlace, c.toPlace);
    item(true, labels.lost, c.lost);
}

int pairWidth(const QFontMetrics& fm, const CountGlyphs& g, const QString& label) {
    return (label.isEmpty() ? 0 : fm.horizontalAdvance(label) + g.apart / 2) + 2 * g.disc + g.gap;
}

} // namespace

int countsWidth(const QFontMetrics& fm, const PieceCounts& counts, const CountLabels& labels) {
    const CountGlyphs g = glyphsFor(fm);
    int width = -g.apart;
    forEachPair(counts, labels, [&](bool, const QString& label, const int*) {
        width += g.apart + pairWidth(fm, g, label);
    });
    return width;
}

void drawCounts(QPainter& p, const QRect& strip, const PieceCounts& counts,
                const CountLabels& labels) {
    const QFontMetrics fm = p.fontMetrics();
    const CountGlyphs g = glyphsFor(fm);
    qreal x = strip.right() + 1 - countsWidth(fm, counts, labels);
    const qreal top = strip.center().y() + 0.5 - g.disc / 2.0;
    const QPen text = p.pen();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    forEachPair(counts, labels, [&](bool lost, const QString& label, const int* numbers) {
        if (!label.isEmpty()) {
            const int width = fm.horizontalAdvance(label);
            p.setPen(text);
            p.drawText(QRectF(x, strip.top(), width, strip.height()), Qt::AlignVCenter, label);
            x += width + g.apart / 2;
        }
        for (int side = 0; side < 2; ++side) {
            const QRectF disc(x, top, g.disc, g.disc);
            p.setOpacity(lost ? 0.55 : 1);
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(side == 0 ? kWhitePiece : kBlackPiece);
            p.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
            p.setOpacity(1);
            if (lost) {
                p.setPen(QPen(kCapture, 1.5 * g.disc / 12));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(disc.adjusted(0.75, 0.75, -0.75, -0.75));
            }
            p.setPen(side == 0 ? QColor(0, 0, 0) : QColor(255, 255, 255));
            p.drawText(disc, Qt::AlignCenter, QString::number(numbers[side]));
            x += g.disc + g.gap;
        }
        x += g.apart - g.gap;
    });
    p.restore();
}
