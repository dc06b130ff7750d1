// The drawing half of BoardWidget: its images and off-screen buffer, the
// picture of board, pieces, marks and status line, and the sliding of a piece.
//
// All geometry is in logical pixels. The board is drawn at a whole-number
// zoom that grows with the widget (BoardLayout); the status strip keeps its
// height and font. On a dense screen the buffer has the widget's device pixel
// ratio, so the status text is drawn at full resolution, and the cells come
// from pictures drawn at zoom x ratio or finer (BoardArt), never enlarged.

#include "ui/boardwidget.h"

#include "quarn_images.h"
#include "ui/gamesession.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <QToolTip>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

// Pixels a flying piece advances per frame on each axis at zoom 1 (a zoomed
// board multiplies it, so that a move takes as many frames at every zoom),
// and the pause between frames.
constexpr int kAnimationStep = 8;
constexpr std::chrono::microseconds kFramePause{40000};

// The dark olive around the grid.
const QColor kSurround(102, 92, 21);

// Moves one coordinate of a flying piece a step toward its target, without
// passing it.
int stepToward(int from, int target, int step) {
    if (target < from) return std::max(from - step, target);
    if (target > from) return std::min(from + step, target);
    return from;
}

// Source x of the disc of a colour in the pieces image: Black at 0, White
// at 32.
int pieceSourceX(int color) {
    return color > 0 ? kCellSize : 0;
}

bool whole(qreal ratio) {
    return ratio == std::round(ratio);
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

} // namespace

BoardWidget::BoardWidget(QWidget* parent, const char* name, Qt::WindowFlags f, GameSession* session)
    : QWidget(parent, f), session_(session ? session : new GameSession(this)) {
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
    // A browsed position belongs to the game as it was.
    connect(session_, &GameSession::changed, this, &BoardWidget::stopBrowsing);
}

BoardWidget::~BoardWidget() {
    delete buffer;
}

QPoint BoardWidget::cellCorner(int point) const {
    const BoardLayout l = layout();
    return {l.cellX(move2coord[point][1]), l.cellY(move2coord[point][0])};
}

QPoint BoardWidget::offBoard(int color) const {
    const BoardLayout l = layout();
    return {(width() - l.cell) / 2,
            color == session_->userColor() ? height() + 10 * l.zoom : -l.cell};
}

void BoardWidget::drawCell(QPainter& painter, int x, int y, int size, const QPixmap& sheet, int sx,
                           int sy) {
    // The source rectangle counts the sheet's own pixels: 64 x 64 on a 2x
    // sheet, still one 32 x 32 cell at zoom 1.
    const qreal scale = sheet.devicePixelRatio();
    painter.drawPixmap(QRectF(x, y, size, size), sheet,
                       QRectF(sx * scale, sy * scale, kCellSize * scale, kCellSize * scale));
}

QString BoardWidget::statusText() const {
    if (animating) return tr("Moving piece...");
    if (browsing())
        return tr("Move %1 of %2 (Escape returns)").arg(browsing_).arg(session_->played());
    if (const QString worth = hintWorth(); !worth.isEmpty()) return worth;
    switch (state) {
    case Idle:
        return tr("Click to start game");
    case ComputerPlacing:
    case ComputerMoving:
        return tr("Computer is thinking...");
    case HumanPlacing:
        return tr("Set your %1. piece").arg(session_->position().plies / 2 + 1);
    case HumanSelecting:
        if (session_->canClaimDraw())
            return tr("Position repeated three times: you may claim a draw");
        return tr("Select which piece to move");
    case HumanMoving:
        return tr("Select where to move the piece");
    case HumanTaking:
        return tr("Take a %1 piece").arg(session_->userColor() == 1 ? tr("black") : tr("white"));
    }
    return QString();
}

void BoardWidget::paintEvent(QPaintEvent*) {
    // Qt sends a resize before the first paint of a shown widget; a paint
    // without one (rendering a widget never shown) gets a buffer of its own.
    // A move to a screen of another pixel density changes the ratio without
    // a resize, and is caught here, before the buffer is drawn.
    if (!bufferFits(size())) replaceBuffer(size());
    if (buffer->isNull()) return; // an empty widget: nothing to draw

    const int w = width();
    const BoardLayout l = layout();
    // The buffer's extent in logical pixels: the widget's size, or a fraction
    // of a pixel more at a fractional ratio. The two fills cover all of it,
    // so that no device pixel keeps an earlier picture.
    const QSizeF extent = buffer->deviceIndependentSize();

    const qreal density = l.zoom * buffer->devicePixelRatio();
    const BoardArt::Sheets sheets = art.at(density);

    QPainter painter(buffer);
    // Where a sheet has exactly the resolution needed its cells are copied
    // pixel for pixel; a finer one is shrunk smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          density != sheets.tiles.devicePixelRatio());
    // At a whole ratio the olive around the grid is filled straight onto
    // the widget (showBuffer), so here only under a piece in flight; at a
    // fractional ratio the buffer is shown whole and filled whole.
    const bool olivePainted = whole(buffer->devicePixelRatio());
    if (!olivePainted)
        painter.fillRect(QRectF(0, kStatusHeight, extent.width(), extent.height() - kStatusHeight),
                         kSurround);
    else if (animating)
        painter.fillRect(QRect(animX, animY, l.cell, l.cell), kSurround);

    for (int row = 0; row < kGridCells; ++row) {
        for (int column = 0; column < kGridCells; ++column) {
            const int tile = BoardMapData[row][column];
            if (tile == 0) continue;
            drawCell(painter, l.cellX(column), l.cellY(row), l.cell, sheets.tiles,
                     (tile - 1) % 4 * kCellSize, (tile - 1) / 4 * kCellSize);
        }
    }

    for (int point = 0; point < 24; ++point) {
        const int value = shown().board[point];
        if (value == 0) continue;
        const QPoint corner = cellCorner(point);
        drawCell(painter, corner.x(), corner.y(), l.cell, sheets.pieces, pieceSourceX(value), 0);
    }

    drawMarks(painter, l, marks());

    if (animating)
        drawCell(painter, animX, animY, l.cell, sheets.pieces, pieceSourceX(animColor), 0);

    // The strip is drawn after the pieces, so a piece flying in from above
    // passes under it.
    const QString text = statusText();
    painter.fillRect(QRectF(0, 0, extent.width(), kStatusHeight),
                     palette().color(backgroundRole()));
    painter.setPen(QColor(0, 0, 0));
    painter.setFont(font());
    painter.drawText(QRect(7, 0, w - 7, kStatusHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    const QRect counts = countsRect(text);
    if (!counts.isEmpty()) drawCounts(painter, counts, CountPieces(shown()));
    painter.end();

    showBuffer(l, olivePainted);
}

void BoardWidget::showBuffer(const BoardLayout& l, bool olivePainted) {
    // Buffer and widget have the same ratio, so this copies device pixels
    // one to one.
    QPainter widget(this);
    const qreal ratio = buffer->devicePixelRatio();
    if (!olivePainted) {
        // At a fractional ratio Qt would draw a buffer of that ratio through
        // its scaling path; drawn in device pixels it is a plain copy.
        buffer->setDevicePixelRatio(1);
        widget.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
        widget.drawPixmap(0, 0, *buffer);
        buffer->setDevicePixelRatio(ratio);
        return;
    }
    // On a large screen most of the widget is the plain olive around the
    // grid: filling it in place costs half of copying it, and a paint of a
    // 4K screen stays within a few milliseconds. The strip, the grid and a
    // piece in flight are copied from the buffer. (At a fractional ratio
    // logical edges fall between device pixels, where a fill and a copy
    // could leave a seam; there the buffer is copied whole.)
    QRegion copied = QRegion(0, 0, width(), kStatusHeight) +
                     QRect(l.offX, kStatusHeight + l.offY, l.grid(), l.grid());
    if (animating) copied += QRect(animX, animY, l.cell, l.cell);
    copied &= rect();
    for (const QRect& r : QRegion(rect()) - copied) widget.fillRect(r, kSurround);
    for (const QRect& r : copied)
        widget.drawPixmap(r, *buffer, QRectF(r.topLeft() * ratio, r.size() * ratio));
}

QRect BoardWidget::countsRect(const QString& status) const {
    // The counts stand at the right end of the strip, when the whole status
    // text leaves room for them.
    constexpr int kTextX = 7, kMargin = 5, kApart = 6;
    const int wanted = countsWidth(fontMetrics(), CountPieces(shown()));
    const int free = width() - kTextX - fontMetrics().horizontalAdvance(status) - kApart - kMargin;
    if (wanted > free) return {};
    return {width() - kMargin - wanted, 0, wanted, kStatusHeight};
}

BoardMarks BoardWidget::marks() const {
    BoardMarks m;
    if (browsing()) {
        // The move that led to the browsed position, whoever made it.
        m.computer = browsedMove_;
        return m;
    }
    m.computer = lastComputerMove;
    m.hint = hint;
    const Move& current = session_->currentMove();
    const Move* legal = session_->legalMoves();
    if (state == HumanMoving) {
        m.selected = current.start;
        for (int i = 0; i < session_->legalMoveCount(); ++i)
            if (legal[i].start == current.start) m.targets |= 1u << legal[i].end;
    }
    if (state == HumanTaking) {
        for (int i = 0; i < session_->legalMoveCount(); ++i) {
            const Move& move = legal[i];
            if (move.start == current.start && move.end == current.end && move.take >= 0)
                m.takeable |= 1u << move.take;
        }
    }
    return m;
}

bool BoardWidget::event(QEvent* event) {
    // The piece counts explain themselves in a tooltip.
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QRect counts = countsRect(statusText());
        if (!counts.isEmpty() && counts.contains(help->pos())) {
            const PieceCounts c = CountPieces(shown());
            QToolTip::showText(help->globalPos(),
                               tr("White: %1 to place, %2 lost\nBlack: %3 to place, %4 lost")
                                   .arg(c.toPlace[0])
                                   .arg(c.lost[0])
                                   .arg(c.toPlace[1])
                                   .arg(c.lost[1]),
                               this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

const Board& BoardWidget::shown() const {
    return browsing() ? browsed_ : session_->position();
}

QString BoardWidget::hintWorth() const {
    if (hint.IsEmpty() || (state != HumanPlacing && state != HumanSelecting)) return {};
    // The distance counts plies to the end, and the user makes every other
    // one from this one on: a win in 7 plies takes 4 of the user's moves,
    // and a loss in 12 plies comes after 6 of them.
    const int plies = hintValue.plies;
    switch (hintValue.outcome) {
    case Outcome::Win: {
        const int moves = (plies + 1) / 2;
        return moves == 1 ? tr("You win in 1 move with best play")
                          : tr("You win in %1 moves with best play").arg(moves);
    }
    case Outcome::Loss: {
        const int moves = plies / 2;
        return moves == 1 ? tr("You lose in 1 move with best play")
                          : tr("You lose in %1 moves with best play").arg(moves);
    }
    case Outcome::Draw:
        return tr("A draw with best play");
    case Outcome::Unknown:
        break;
    }
    return {};
}

QSize BoardWidget::sizeHint() const {
    return {kGridSize + 2 * kCellSize, kStatusHeight + kGridSize + 2 * kCellSize};
}

QSize BoardWidget::minimumSizeHint() const {
    return {kGridSize, kStatusHeight + kGridSize};
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (bufferFits(event->size())) return;
    replaceBuffer(event->size());
}

bool BoardWidget::bufferFits(const QSize& size) const {
    const qreal ratio = devicePixelRatio();
    return buffer && buffer->devicePixelRatio() == ratio &&
           buffer->size() == deviceSize(size, ratio);
}

void BoardWidget::replaceBuffer(const QSize& size) {
    delete buffer;
    const qreal ratio = devicePixelRatio();
    // Left uninitialised: the next paint covers every pixel.
    buffer = new QPixmap(deviceSize(size, ratio));
    buffer->setDevicePixelRatio(ratio);
}

void BoardWidget::animateMove(int from, int to, int color) {
    if (!animations) return;
    if (from == -1 && to == -1) return;

    const QPoint start = from >= 0 ? cellCorner(from) : offBoard(color);
    const QPoint end = to >= 0 ? cellCorner(to) : offBoard(color);

    // Both points look empty during the flight: the piece has left `from`,
    // and `to` must not show it before it arrives.
    Board& board = session_->shownPosition();
    int fromValue = 0;
    int toValue = 0;
    if (from >= 0) {
        fromValue = board.board[from];
        board.board[from] = 0;
    }
    if (to >= 0) {
        toValue = board.board[to];
        board.board[to] = 0;
    }

    animating = 1;
    animColor = color;
    animX = start.x();
    animY = start.y();
    const int step = kAnimationStep * layout().zoom;
    // The axes advance independently: diagonal until one arrives, then
    // straight on along the other.
    while (animX != end.x() || animY != end.y()) {
        repaint();
        std::this_thread::sleep_for(kFramePause);
        animX = stepToward(animX, end.x(), step);
        animY = stepToward(animY, end.y(), step);
    }
    animating = 0;

    if (from >= 0) board.board[from] = static_cast<std::int16_t>(fromValue);
    if (to >= 0) board.board[to] = static_cast<std::int16_t>(toValue);
}
