// The drawing half of BoardWidget: its images and off-screen buffer, the
// picture of board, pieces, marks and status line, and the sliding of a piece.
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

// Pixels a flying piece advances per frame on each axis at a cell of 32 (a
// larger cell advances the same share of a cell, so that a move takes as
// many frames at every size), and the pause between frames.
constexpr int kAnimationStep = 8;
constexpr std::chrono::microseconds kFramePause{40000};

// The dark olive around the grid.
const QColor kSurround(102, 92, 21);

// One coordinate of a flying piece that has come `travelled` pixels from
// `from` toward `target`, without passing it.
int travelToward(int from, int target, int travelled) {
    if (target < from) return std::max(from - travelled, target);
    if (target > from) return std::min(from + travelled, target);
    return from;
}

// Source x of the disc of a colour in the pieces image: Black at 0, White
// at 32.
int pieceSourceX(int color) {
    return color > 0 ? kCellSize : 0;
}

// Where the status text begins, and the margins of the counts, at a cell of 32.
constexpr int kTextX = 7, kCountsMargin = 5;

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
    setFocusPolicy(Qt::StrongFocus); // the game can be played from the keyboard
    InstallBoardAccessibility();
    // A screen reader hears what the game waits for each time it settles.
    connect(session_, &GameSession::changed, this, [this](bool settled) {
        if (settled) announceStatus();
    });
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
            color == session_->userColor() ? height() + 10 * l.cell / kCellSize : -l.cell};
}

void BoardWidget::drawCell(QPainter& painter, int x, int y, int size, const QPixmap& sheet, int sx,
                           int sy) {
    // The source rectangle counts the sheet's own pixels: 64 x 64 on a 2x
    // sheet, still one cell of 32 x 32 logical pixels of the sheet.
    const qreal scale = sheet.devicePixelRatio();
    painter.drawPixmap(QRectF(x, y, size, size), sheet,
                       QRectF(sx * scale, sy * scale, kCellSize * scale, kCellSize * scale));
}

void BoardWidget::showPointNames(bool on) {
    pointNames = on;
    update();
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
    const qreal ratio = buffer->devicePixelRatio();
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
    const QRect onBoard(QPoint(device(l.offX), device(l.strip + l.offY)), empty.size());
    PointBits busyPoints = pointNames ? (1u << 24) - 1 : MarkedPoints(shownMarks);
    for (int point = 0; point < 24; ++point)
        if (shown().board[point] != 0) busyPoints |= 1u << point;
    QRegion busy;
    for (int point = 0; point < 24; ++point) {
        if (!(busyPoints >> point & 1)) continue;
        const QPoint corner = cellCorner(point);
        busy += QRect(device(corner.x()) - 1, device(corner.y()) - 1, n + 2, n + 2);
    }
    const QRect flight = animating ? QRect(device(animX), device(animY), n, n) : QRect();
    busy = (busy + flight) & onBoard;

    QPainter painter(buffer);
    // The board, its pieces and the piece in flight are copied in device
    // pixels from pictures of exactly their resolution, so that no paint
    // resamples them; at a fractional ratio their corners are rounded to
    // the nearest device pixel.
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    if (animating) painter.fillRect(flight, kSurround);
    for (const QRect& r : busy)
        painter.drawPixmap(r.topLeft(), empty, r.translated(-onBoard.topLeft()));
    for (int point = 0; point < 24; ++point) {
        const int value = shown().board[point];
        if (value == 0) continue;
        const QPoint corner = cellCorner(point);
        drawCell(painter, device(corner.x()), device(corner.y()), n, sheets.pieces,
                 pieceSourceX(value), 0);
    }
    painter.resetTransform();

    if (pointNames) drawPointNames(painter, l);
    drawMarks(painter, l, shownMarks);

    if (animating) {
        painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
        drawCell(painter, device(animX), device(animY), n, sheets.pieces, pieceSourceX(animColor),
                 0);
        painter.resetTransform();
    }

    // The strip is drawn after the pieces, so a piece flying in from above
    // passes under it. Its fill covers whole device pixels, also the last
    // row at a fractional ratio, which showBuffer copies.
    const QString text = statusText();
    painter.fillRect(QRectF(0, 0, buffer->deviceIndependentSize().width(),
                            std::ceil(l.strip * ratio - 1e-6) / ratio),
                     palette().color(backgroundRole()));
    painter.setPen(QColor(0, 0, 0));
    painter.setFont(stripFont(l));
    const int textX = kTextX * l.strip / kStatusHeight;
    // A text longer than the strip ends in an ellipsis rather than a cut
    // letter; the counts then give way to it.
    const QString fitted = painter.fontMetrics().elidedText(text, Qt::ElideRight, w - 2 * textX);
    painter.drawText(QRect(textX, 0, w - textX, l.strip), Qt::AlignLeft | Qt::AlignVCenter, fitted);
    CountLabels labels;
    const QRect counts = countsRect(text, labels);
    if (!counts.isEmpty()) drawCounts(painter, counts, CountPieces(shown()), labels);
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
    const qreal ratio = buffer->devicePixelRatio();
    const QRect all(QPoint(0, 0), buffer->size());
    const QRegion copied =
        (composed + QRect(0, 0, all.width(), static_cast<int>(std::ceil(strip * ratio - 1e-6)))) &
        all;
    buffer->setDevicePixelRatio(1);
    widget.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    for (const QRect& r : QRegion(all) - onBoard - copied) widget.fillRect(r, kSurround);
    for (const QRect& r : (QRegion(onBoard) & all) - copied)
        widget.drawPixmap(r.topLeft(), empty, r.translated(-onBoard.topLeft()));
    for (const QRect& r : copied) widget.drawPixmap(r.topLeft(), *buffer, r);
    buffer->setDevicePixelRatio(ratio);
}

QFont BoardWidget::stripFont(const BoardLayout& l) const {
    // The widget's own font at a cell of 32, growing with the strip.
    QFont f = font();
    if (l.strip == kStatusHeight) return f;
    const qreal grown = l.strip / static_cast<qreal>(kStatusHeight);
    if (f.pixelSize() > 0)
        f.setPixelSize(qRound(f.pixelSize() * grown));
    else
        f.setPointSizeF(f.pointSizeF() * grown);
    return f;
}

QRect BoardWidget::countsRect(const QString& status, CountLabels& labels) const {
    // The counts stand at the right end of the strip, with their labels when
    // the whole status text leaves room for them, else without, else not at
    // all.
    const BoardLayout l = layout();
    const QFontMetrics metrics(stripFont(l));
    const int margin = kCountsMargin * l.strip / kStatusHeight;
    const int free =
        width() - kTextX * l.strip / kStatusHeight - metrics.horizontalAdvance(status) - 2 * margin;
    const PieceCounts counts = CountPieces(shown());
    labels = {tr("To place"), tr("Lost")};
    int wanted = countsWidth(metrics, counts, labels);
    if (wanted > free) {
        labels = {};
        wanted = countsWidth(metrics, counts, labels);
    }
    if (wanted > free) return {};
    return {width() - margin - wanted, 0, wanted, l.strip};
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
    if (cursorShown) m.cursor = cursorPoint;
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
    if (event->type() == PointPressEvent::kType) {
        tapPoint(static_cast<PointPressEvent*>(event)->point);
        return true;
    }
    // The piece counts explain themselves in a tooltip.
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        CountLabels labels;
        const QRect counts = countsRect(statusText(), labels);
        if (!counts.isEmpty() && counts.contains(help->pos())) {
            const PieceCounts c = CountPieces(shown());
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
    const int cell = layout().cell;
    const BusyPointer busy(Qt::BusyCursor);
    // The axes advance independently: diagonal until one arrives, then
    // straight on along the other. Frame k is k steps of a quarter cell from
    // the start, in whole pixels: 8 pixels a step at a cell of 32. A click or
    // key during a pause lands the piece at once: the caller's next picture
    // shows it arrived.
    for (int frame = 1; animX != end.x() || animY != end.y(); ++frame) {
        repaint();
        if (pauseFrame(kFramePause)) break;
        const int travelled = frame * kAnimationStep * cell / kCellSize;
        animX = travelToward(start.x(), end.x(), travelled);
        animY = travelToward(start.y(), end.y(), travelled);
    }
    animating = 0;

    if (from >= 0) board.board[from] = static_cast<std::int16_t>(fromValue);
    if (to >= 0) board.board[to] = static_cast<std::int16_t>(toValue);
}
