#include "ui/movelist.h"

#include "ui/movelistaccessible.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace {

// The longest text a move can have: a move with a capture, questioned.
const QString kWidestMove = QStringLiteral("b8c8-a5?");
// Space above and below the text of a row, in logical pixels.
constexpr int kRowPadding = 3;
// Rows of the preferred and of the smallest height.
constexpr int kPreferredRows = 8;
constexpr int kMinimumRows = 3;

QFont bold(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

MoveList::MoveList(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab brings the keyboard here from the board, and back.
    setFocusPolicy(Qt::StrongFocus);
    InstallMoveListAccessibility();
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setAccessibleName(tr("Moves"));
    updateScrollBar();
}

void MoveList::setMoves(const QStringList& moves, int played) {
    replaceFrom(0, moves, played);
}

void MoveList::replaceFrom(int from, const QStringList& tail, int played) {
    moves_.resize(std::clamp(from, 0, static_cast<int>(moves_.size())));
    if (notes_.size() > moves_.size()) notes_.resize(moves_.size());
    moves_ += tail;
    played_ = std::clamp(played, 0, static_cast<int>(moves_.size()));
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    setCurrent(current_ < 0 ? played_ - 1 : current_);
    updateScrollBar();
    showLastPlayed();
    viewport()->update();
}

void MoveList::setResult(const QString& result) {
    if (result == result_) return;
    result_ = result;
    setCurrent(current_);
    updateScrollBar();
    viewport()->update();
}

int MoveList::itemCount() const {
    return static_cast<int>(moves_.size()) + (result_.isEmpty() ? 0 : 1);
}

QString MoveList::itemText(int index) const {
    if (index < 0 || index >= itemCount()) return {};
    if (index >= moves_.size()) return result_;
    // The move's word: the start's name if any, the end's, then "-" and
    // the captured piece's.
    const QString& word = moves_[index];
    const QString move = word.section('-', 0, 0), take = word.section('-', 1);
    QString text = QString::number(index / 2 + 1) + ". " + (index % 2 ? tr("Black") : tr("White")) +
                   ' ' + (move.size() > 2 ? tr("%1 to %2").arg(move.left(2), move.mid(2)) : move);
    if (!take.isEmpty()) text += ' ' + tr("takes %1").arg(take);
    if (!note(index).isEmpty()) text += ", " + tr("lost the win");
    if (moveState(index) == Redoable) text += ", " + tr("taken back");
    return text;
}

void MoveList::setCurrent(int index) {
    const int before = current_;
    current_ = itemCount() == 0 ? -1 : std::clamp(index, 0, itemCount() - 1);
    if (current_ >= 0 && hasFocus()) scrollToShow(moveRect(current_));
    if (current_ == before) return;
    viewport()->update();
    focusCurrent();
}

void MoveList::focusCurrent() {
    if (!QAccessible::isActive() || !hasFocus() || current_ < 0) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
}

void MoveList::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (current_ < 0) setCurrent(played_ - 1);
    viewport()->update();
    // The focus moves on to the cursor's move once Qt has told of the list
    // taking it.
    QTimer::singleShot(0, this, &MoveList::focusCurrent);
}

void MoveList::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void MoveList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        return setCurrent(current_ - 1);
    case Qt::Key_Down:
    case Qt::Key_Right:
        return setCurrent(current_ + 1);
    case Qt::Key_Home:
        return setCurrent(0);
    case Qt::Key_End:
        return setCurrent(itemCount() - 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (current_ >= 0 && current_ < moves_.size()) emit moveClicked(current_);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void MoveList::setNotes(const QStringList& notes) {
    notes_ = notes.mid(0, moves_.size());
    viewport()->update();
}

void MoveList::setBrowsed(int index) {
    browsed_ = index;
    if (index >= 0 && index < moves_.size()) scrollToShow(moveRect(index));
    viewport()->update();
}

int MoveList::moveAt(const QPoint& at) const {
    for (int index = 0; index < moves_.size(); ++index)
        if (moveRect(index).contains(at)) return index;
    return -1;
}

bool MoveList::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = note(moveAt(help->pos()));
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void MoveList::mouseReleaseEvent(QMouseEvent* event) {
    // Delivered from the viewport, in its coordinates.
    const int index = moveAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0) emit moveClicked(index);
}

QString MoveList::rowText(int row) const {
    QStringList parts{QString::number(row + 1) + '.'};
    parts += moves_.mid(2 * row, 2);
    return parts.join(' ');
}

MoveList::MoveState MoveList::moveState(int index) const {
    if (index >= played_) return Redoable;
    return index == played_ - 1 ? Last : Played;
}

MoveList::Layout MoveList::layoutFor(int rows) const {
    const QFontMetrics metrics = fontMetrics();
    const QString number = QString::number(std::max(rows, 99)) + '.';
    return {metrics.height() + 2 * kRowPadding, metrics.horizontalAdvance(number),
            QFontMetrics(bold(font())).horizontalAdvance(kWidestMove),
            metrics.averageCharWidth() * 2};
}

MoveList::Layout MoveList::layout() const {
    return layoutFor(rowCount());
}

QRect MoveList::moveRect(int index) const {
    const Layout l = layout();
    if (index >= moves_.size()) // the result, on a line of its own
        return {l.gap, lineCount() * l.rowHeight - l.rowHeight - verticalScrollBar()->value(),
                l.width() - 2 * l.gap, l.rowHeight};
    return {l.moveLeft(index % 2), (index / 2) * l.rowHeight - verticalScrollBar()->value(),
            l.moveWidth, l.rowHeight};
}

QSize MoveList::sizeForRows(int rows) const {
    const Layout l = layoutFor(99);
    const int frame = 2 * frameWidth();
    const int scrollBar = verticalScrollBar()->sizeHint().width();
    return {l.width() + scrollBar + frame, rows * l.rowHeight + frame};
}

QSize MoveList::sizeHint() const {
    return sizeForRows(kPreferredRows);
}

QSize MoveList::minimumSizeHint() const {
    return sizeForRows(kMinimumRows);
}

void MoveList::updateScrollBar() {
    const int rowHeight = layout().rowHeight;
    const int visible = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, lineCount() * rowHeight - visible));
    bar->setPageStep(visible);
    bar->setSingleStep(rowHeight);
}

void MoveList::scrollToShow(const QRect& rect) {
    // Scrolls no further than needed, so a list that already shows the rect
    // stays still.
    QScrollBar* bar = verticalScrollBar();
    if (rect.top() < 0)
        bar->setValue(bar->value() + rect.top());
    else if (rect.bottom() >= viewport()->height())
        bar->setValue(bar->value() + rect.bottom() + 1 - viewport()->height());
}

void MoveList::showLastPlayed() {
    // The move that Redo would bring back comes into view too when there is
    // room; the last move played wins when there is not.
    if (played_ < moves_.size()) scrollToShow(moveRect(played_));
    if (played_ > 0)
        scrollToShow(moveRect(played_ - 1));
    else
        verticalScrollBar()->setValue(0);
}

void MoveList::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
    showLastPlayed();
}

void MoveList::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        updateScrollBar();
        showLastPlayed();
    }
}

void MoveList::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPalette& colors = palette();
    const QColor dimmed = colors.color(QPalette::Disabled, QPalette::Text);
    const Layout l = layout();

    if (moves_.isEmpty()) {
        QFont hint = font();
        hint.setItalic(true);
        painter.setFont(hint);
        painter.setPen(dimmed);
        painter.drawText(QRect(l.gap, 0, viewport()->width() - 2 * l.gap, l.rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, tr("No moves yet"));
        return;
    }

    // The last move's mark: the palette's highlight, softened toward the
    // background so that it reads as a marker, not as a selection.
    QColor mark = colors.color(QPalette::Highlight);
    mark.setAlphaF(0.25);

    const int top = verticalScrollBar()->value();
    const int first = std::max(0, (event->rect().top() + top) / l.rowHeight);
    const int last = std::min(rowCount() - 1, (event->rect().bottom() + top) / l.rowHeight);
    for (int row = first; row <= last; ++row) {
        const QRect number(0, row * l.rowHeight - top, l.numberRight(), l.rowHeight);
        painter.setFont(font());
        painter.setPen(colors.color(QPalette::PlaceholderText));
        painter.drawText(number, Qt::AlignRight | Qt::AlignVCenter, QString::number(row + 1) + '.');
        for (int index = 2 * row; index < std::min(2 * row + 2, int(moves_.size())); ++index) {
            const QRect cell = moveRect(index);
            const MoveState state = moveState(index);
            if (state == Last) {
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(Qt::NoPen);
                painter.setBrush(mark);
                const int inset = l.gap / 3;
                painter.drawRoundedRect(QRectF(cell).adjusted(-inset, 1, inset, -1), 3, 3);
            }
            if (index == browsed_) {
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(QPen(colors.color(QPalette::Highlight), 1.5));
                painter.setBrush(Qt::NoBrush);
                const int inset = l.gap / 3;
                painter.drawRoundedRect(QRectF(cell).adjusted(-inset, 1.5, inset, -1.5), 3, 3);
            }
            painter.setFont(state == Last ? bold(font()) : font());
            painter.setPen(state == Redoable ? dimmed : colors.color(QPalette::Text));
            const QString questioned = note(index).isEmpty() ? QString() : QStringLiteral("?");
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, moves_[index] + questioned);
        }
    }
    if (!result_.isEmpty()) {
        QFont italic = font();
        italic.setItalic(true);
        painter.setFont(italic);
        painter.setPen(colors.color(QPalette::Text));
        painter.drawText(moveRect(static_cast<int>(moves_.size())),
                         Qt::AlignLeft | Qt::AlignVCenter, result_);
    }
    // The keyboard's cursor, while the list has the focus.
    if (hasFocus() && current_ >= 0) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colors.color(QPalette::Text), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        const int inset = l.gap / 3;
        painter.drawRect(QRectF(moveRect(current_)).adjusted(-inset, 0.5, inset, -0.5));
    }
}
