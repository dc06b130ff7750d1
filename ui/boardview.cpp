// BoardWidget's drawing: its images and off-screen buffer, the picture of
// board, pieces, marks and status line, and the sliding of a piece.
//
// All geometry is in logical pixels. The board's cell is a whole number of
// pixels that grows with the widget (BoardLayout), and the status strip with
// its font and counts grows gently with it. On a dense screen the buffer has
// the widget's device pixel ratio, so the status text is drawn at full
// resolution, and the cells come from pictures drawn at cell x ratio (or the
// next whole number of device pixels) by BoardArt, never enlarged.

#include "ui/boardwidget.h"

#include "quarn_images.h"
#include "ui/boardaccessible.h"
#include "ui/busypointer.h"
#include "ui/gamesession.h"
#include "ui/pointpress.h"
#include "ui/stripfit.h"

#include <QElapsedTimer>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <QToolTip>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

// How long a flight lasts, whatever its length and the board's size, and
// the pause between its frames.
constexpr std::chrono::milliseconds kFlightTime{200};
constexpr std::chrono::microseconds kFramePause{16000};

// The dark olive around the grid.
const QColor kSurround(102, 92, 21);

// Where a flying piece stands when `done` (0 to 1) of its flight has
// passed: on the straight line from `from` to `to`, fast at first and
// slowing as it lands.
QPoint travelled(const QPoint& from, const QPoint& to, double done) {
    const double eased = 1 - (1 - done) * (1 - done);
    return from + QPoint(qRound((to.x() - from.x()) * eased), qRound((to.y() - from.y()) * eased));
}

// Source x of the disc of a colour in the pieces image: Black at 0, White
// at 32.
int pieceSourceX(int color) {
    return color > 0 ? kCellSize : 0;
}

// Buffer size in device pixels for a widget of `size` at `ratio`, rounded up
// so that at a fractional ratio the buffer still covers the widget's last
// partial device pixel.
QSize deviceSize(const QSize& size, qreal ratio) {
    // The tolerance keeps a product such as 240 x 1.25 from rounding up past
    // its whole value through floating-point error.
    const auto scaled = [ratio](int length) {
        return static_cast<int>(std::ceil(length * ratio - 1e-6));
    };
    return {scaled(size.width()), scaled(size.height())};
}

// Draws the 32 x 32 cell at (sx, sy) of an image sheet into the square of
// `size` at (x, y); sx and sy count 1x pixels whatever the sheet's
// resolution: 64 x 64 of its own pixels on a 2x sheet.
void drawCell(QPainter& painter, int x, int y, int size, const QPixmap& sheet, int sx, int sy) {
    const qreal scale = sheet.devicePixelRatio();
    painter.drawPixmap(QRectF(x, y, size, size), sheet,
                       QRectF(sx * scale, sy * scale, kCellSize * scale, kCellSize * scale));
}

} // namespace

BoardWidget::BoardWidget(QWidget* parent, const char* name, Qt::WindowFlags f, GameSession& session)
    : QWidget(parent, f), turn_(session) {
    if (name) setObjectName(QString::fromLatin1(name));
    boardPixmap.loadFromData(board_data_, sizeof(board_data_));
    piecesPixmap.loadFromData(pieces_data_, sizeof(pieces_data_));
    boardPixmap2x.loadFromData(board_data_2x_, sizeof(board_data_2x_));
    piecesPixmap2x.loadFromData(pieces_data_2x_, sizeof(pieces_data_2x_));
    boardPixmap2x.setDevicePixelRatio(2);
    piecesPixmap2x.setDevicePixelRatio(2);
    // Every paint covers the whole widget from the buffer, so Qt need not
    // clear it first; that keeps the animation free of flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus); // the game can be played from the keyboard
    InstallBoardAccessibility();
    // The turn runs synchronously: each change is painted at once, and a
    // flight or the game-over box is over when its signal returns.
    connect(&turn_, &GameTurn::changed, this, [this] { repaint(); });
    connect(&turn_, &GameTurn::flight, this, &BoardWidget::animateMove);
    connect(&turn_, &GameTurn::ended, this, &BoardWidget::gameOver);
    // Input held from a flight falls in the computer's turn, or after the
    // end of the game, where it is dropped.
    connect(&turn_, &GameTurn::computerThinks, this, [this] { heldInput_.clear(); });
    connect(&turn_, &GameTurn::worked, this, &BoardWidget::dropQueuedInput);
    connect(&turn_, &GameTurn::browsed, this, &BoardWidget::browsed);
    connect(&cursor_, &KeyboardCursor::moved, this, [this] {
        if (!cursor_.shown()) return update();
        repaint();
        announcer_.announceCursor();
    });
}

QRect BoardWidget::cellRect(int point) const {
    const BoardLayout l = layout();
    return {l.cellX(move2coord[point][1]), l.cellY(move2coord[point][0]), l.cell, l.cell};
}

QPoint BoardWidget::offBoard(int color) const {
    const BoardLayout l = layout();
    return {(width() - l.cell) / 2,
            color == session().userColor() ? height() + 10 * l.cell / kCellSize : -l.cell};
}

void BoardWidget::showPointNames(bool on) {
    pointNames = on;
    update();
}

void BoardWidget::paintEvent(QPaintEvent*) {
    // Qt sends a resize before the first paint of a shown widget; a paint
    // without one (rendering a widget never shown) gets a buffer of its own.
    // A move to a screen of another pixel density changes the ratio without
    // a resize, and is caught here, before the buffer is drawn.
    fitBuffer(size());
    if (buffer_.isNull()) return; // an empty widget: nothing to draw

    const int w = width();
    const BoardLayout l = layout();
    const qreal ratio = buffer_.devicePixelRatio();
    const BoardArt::Sheets sheets = art.at(l.cell * ratio);
    const QPixmap& empty = art.board(l.cell, ratio);
    // A cell of the sheets in device pixels: the cell times the ratio, or
    // the next whole number at a fractional ratio.
    const int n = qRound(sheets.pieces.devicePixelRatio() * kCellSize);
    const auto device = [ratio](int logical) { return qRound(logical * ratio); };

    // Where the board stands, in device pixels, and the parts of it that
    // differ from the empty board: the cells with a piece, a mark or a name,
    // each a device pixel larger on every side, and the piece in flight.
    // Only these are composed in the buffer; the rest of the board is
    // copied to the widget straight from its picture, and the olive around
    // it filled there (showBuffer).
    const BoardMarks shownMarks = marks();
    const Board shown = onScreen();
    const QRect onBoard(QPoint(device(l.offX), device(l.strip + l.offY)), empty.size());
    PointBits busyPoints = pointNames ? (1u << 24) - 1 : MarkedPoints(shownMarks);
    for (int point = 0; point < 24; ++point)
        if (shown.board[point] != 0) busyPoints |= 1u << point;
    QRegion busy;
    for (int point = 0; point < 24; ++point) {
        if (!(busyPoints >> point & 1)) continue;
        const QPoint corner = cellRect(point).topLeft();
        busy += QRect(device(corner.x()) - 1, device(corner.y()) - 1, n + 2, n + 2);
    }
    const QRect flight =
        flight_.on ? QRect(device(flight_.at.x()), device(flight_.at.y()), n, n) : QRect();
    busy = (busy + flight) & onBoard;

    QPainter painter(&buffer_);
    // The board, its pieces and the piece in flight are copied in device
    // pixels from pictures of exactly their resolution, so that no paint
    // resamples them; at a fractional ratio their corners are rounded to
    // the nearest device pixel.
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    if (flight_.on) painter.fillRect(flight, kSurround);
    for (const QRect& r : busy)
        painter.drawPixmap(r.topLeft(), empty, r.translated(-onBoard.topLeft()));
    for (int point = 0; point < 24; ++point) {
        const int value = shown.board[point];
        if (value == 0) continue;
        const QPoint corner = cellRect(point).topLeft();
        drawCell(painter, device(corner.x()), device(corner.y()), n, sheets.pieces,
                 pieceSourceX(value), 0);
    }
    painter.resetTransform();

    if (pointNames) drawPointNames(painter, l);
    drawMarks(painter, l, shownMarks);

    if (flight_.on) {
        painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
        drawCell(painter, device(flight_.at.x()), device(flight_.at.y()), n, sheets.pieces,
                 pieceSourceX(flight_.color), 0);
        painter.resetTransform();
    }

    // The strip is drawn after the pieces, so a piece flying in from above
    // passes under it. Its fill covers whole device pixels, also the last
    // row at a fractional ratio, which showBuffer copies.
    const QString text = statusText();
    painter.fillRect(QRectF(0, 0, buffer_.deviceIndependentSize().width(),
                            std::ceil(l.strip * ratio - 1e-6) / ratio),
                     palette().color(backgroundRole()));
    painter.setPen(QColor(0, 0, 0));
    const StripFit fit = fitStrip(text);
    painter.setFont(fit.font);
    painter.drawText(QRect(fit.textX, 0, w - fit.textX, l.strip), Qt::AlignLeft | Qt::AlignVCenter,
                     fit.text);
    drawCounts(painter, QRect(fit.countsX, 0, fit.countsWidth, l.strip), CountPieces(shown),
               fit.labels);
    painter.end();

    showBuffer(l.strip, busy + flight, onBoard, empty);
}

void BoardWidget::showBuffer(int strip, const QRegion& composed, const QRect& onBoard,
                             const QPixmap& empty) {
    // On a large screen most of the widget is the plain olive around the
    // grid and the empty board: filling the one and copying the other from
    // its picture in place costs half of composing them in the buffer and
    // copying that. The strip and the busy parts of the board are copied
    // from the buffer. All of it works in device pixels, with the
    // rectangles the paint drew, so that no two parts leave a seam between
    // them at a fractional ratio, and Qt copies without its scaling path.
    QPainter widget(this);
    const qreal ratio = buffer_.devicePixelRatio();
    const QRect all(QPoint(0, 0), buffer_.size());
    const QRegion copied =
        (composed + QRect(0, 0, all.width(), static_cast<int>(std::ceil(strip * ratio - 1e-6)))) &
        all;
    buffer_.setDevicePixelRatio(1);
    widget.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    for (const QRect& r : QRegion(all) - onBoard - copied) widget.fillRect(r, kSurround);
    for (const QRect& r : (QRegion(onBoard) & all) - copied)
        widget.drawPixmap(r.topLeft(), empty, r.translated(-onBoard.topLeft()));
    for (const QRect& r : copied) widget.drawPixmap(r.topLeft(), buffer_, r);
    buffer_.setDevicePixelRatio(ratio);
}

StripFit BoardWidget::fitStrip(const QString& status) const {
    const BoardLayout l = layout();
    return FitStrip(status, font(), width(), l.strip, CountPieces(turn_.shown()),
                    {tr("To place"), tr("Lost")});
}

BoardMarks BoardWidget::marks() const {
    BoardMarks m = turn_.marks();
    if (cursor_.shown() && !browsing()) m.cursor = cursor_.point();
    return m;
}

Board BoardWidget::onScreen() const {
    // Both points of a flight look empty: the piece has left `from`, and
    // `to` must not show it before it arrives.
    Board shown = turn_.shown();
    for (const int point : {flight_.from, flight_.to})
        if (flight_.on && point >= 0) shown.board[point] = 0;
    return shown;
}

bool BoardWidget::event(QEvent* event) {
    if (event->type() == PointPressEvent::kType) {
        turn_.choose(static_cast<PointPressEvent*>(event)->point);
        return true;
    }
    // The piece counts explain themselves in a tooltip.
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const StripFit fit = fitStrip(statusText());
        if (QRect(fit.countsX, 0, fit.countsWidth, layout().strip).contains(help->pos())) {
            const PieceCounts c = CountPieces(turn_.shown());
            QToolTip::showText(help->globalPos(),
                               tr("White: %1 to place, %2 lost\nBlack: %3 to place, %4 lost")
                                   .arg(c.toPlace[0])
                                   .arg(c.lost[0])
                                   .arg(c.toPlace[1])
                                   .arg(c.lost[1]),
                               this);
        } else if (help->pos().y() < layout().strip) {
            // The whole status text, for when the strip had to cut it short.
            QToolTip::showText(help->globalPos(), statusText(), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

QSize BoardWidget::sizeHint() const {
    return {kGridSize + 2 * kCellSize, kStatusHeight + kGridSize + 2 * kCellSize};
}

QSize BoardWidget::minimumSizeHint() const {
    return {kGridSize, kStatusHeight + kGridSize};
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitBuffer(event->size());
}

void BoardWidget::fitBuffer(const QSize& size) {
    const qreal ratio = devicePixelRatio();
    const QSize device = deviceSize(size, ratio);
    if (!buffer_.isNull() && buffer_.devicePixelRatio() == ratio && buffer_.size() == device)
        return;
    // Left uninitialised: the next paint covers every pixel.
    buffer_ = QPixmap(device);
    buffer_.setDevicePixelRatio(ratio);
}

void BoardWidget::animateMove(int from, int to, int color) {
    if (!animations) return;
    if (from == -1 && to == -1) return;
    // The user is in a hurry: input made during an earlier flight of this
    // turn waits to be applied, and the flights before it land at once.
    if (!heldInput_.empty()) return;

    const QPoint start = from >= 0 ? cellRect(from).topLeft() : offBoard(color);
    const QPoint end = to >= 0 ? cellRect(to).topLeft() : offBoard(color);

    flight_ = {true, from, to, color, start};
    const BusyPointer busy(Qt::BusyCursor);
    // A click or key during a pause lands the piece at once, and is applied
    // when the turn waits for the user again (dropQueuedInput): the
    // caller's next picture shows the piece arrived.
    QElapsedTimer clock;
    clock.start();
    while (flight_.at != end) {
        repaint();
        if (pauseFrame(kFramePause)) break;
        const double done =
            std::min(1.0, clock.nsecsElapsed() / 1e6 / static_cast<double>(kFlightTime.count()));
        flight_.at = travelled(start, end, done);
    }
    flight_ = {};
}
