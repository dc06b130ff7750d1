// BoardWidget's input: a tap becomes the point under it for the turn, a key
// goes to the keyboard's cursor, and input made while the turn works is
// swallowed.

#include "ui/boardwidget.h"

#include "ui/gamesession.h"
#include "ui/pointpress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <utility>

int BoardWidget::pointAt(const QPoint& pos) const {
    const BoardLayout l = layout();
    const int gx = pos.x() - l.offX;
    const int gy = pos.y() - l.offY - l.strip;
    if (gy < 0 || gx < 0 || gy >= height() - l.strip || gx >= width() || gx >= l.grid() ||
        gy >= l.grid())
        return GameTurn::kOffGrid;
    const int row = gy / l.cell, column = gx / l.cell;
    return validplace[row][column] ? coord2move[row][column] : GameTurn::kNoPoint;
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    releaseSpent = false; // a press the board saw: its release is a tap
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    // The base class ignores the event; the tap is the board's, so it must
    // not travel on to the window.
    event->accept();
    cursor_.hide(); // the user plays with the mouse now
    // The press of this click came while the board was busy and was spent
    // there (it ended a flight, or fell in the computer's turn).
    if (std::exchange(releaseSpent, false)) return;
    // The board shows an earlier position and takes no move: the user may
    // have forgotten, so ask.
    if (browsing()) {
        if (QMessageBox::question(this, tr("Nine Men's Morris"),
                                  tr("An earlier position of the game is shown. Return to the "
                                     "game?")) == QMessageBox::Yes)
            stopBrowsing();
        return;
    }
    // The pixel the tap falls in (positions may be fractional on scaled
    // screens).
    const QPointF at = event->position();
    turn_.choose(pointAt(
        QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())))));
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    if (!cursor_.keyPress(*event) && !announcer_.keyPress(*event)) QWidget::keyPressEvent(event);
}

namespace {

// Swallows the user's input: clicks, keys, the wheel and shortcuts. Only
// what reaches widgets and actions is swallowed, so that the windows' own
// bookkeeping of buttons and focus still sees every event. A press on the
// board whose release is still to come spends that release too
// (`releaseSpent`), and every press, of a button or a key, is told to
// `pressed` with its receiver.
class InputSwallower : public QObject {
public:
    using Pressed = std::function<void(QObject* receiver, const QEvent& event)>;
    InputSwallower(QObject* board, bool& releaseSpent, Pressed pressed = {})
        : board(board), releaseSpent(releaseSpent), pressed(std::move(pressed)) {}

    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == PointPressEvent::kType) {
            notePress(receiver, *event);
            return true;
        }
        switch (event->type()) {
        case QEvent::Shortcut:
            notePress(receiver, *event);
            return true;
        case QEvent::ShortcutOverride:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (!receiver->isWidgetType()) return false;
            if (receiver == board) releaseSpent = true;
            notePress(receiver, *event);
            return true;
        case QEvent::MouseButtonRelease:
            if (receiver == board) releaseSpent = false;
            return receiver->isWidgetType();
        case QEvent::KeyPress:
            if (!receiver->isWidgetType()) return false;
            notePress(receiver, *event);
            return true;
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            return receiver->isWidgetType();
        default:
            return false;
        }
    }

private:
    void notePress(QObject* receiver, const QEvent& event) {
        if (pressed) pressed(receiver, event);
    }

    QObject* board;
    bool& releaseSpent;
    Pressed pressed;
};

} // namespace

void BoardWidget::dropQueuedInput() {
    // Whatever the window system queued while the work ran is delivered now,
    // into the filter. Paints, resizes and the like go through as usual.
    // Events read from the window system in one round are handed to the
    // widgets in the next, hence a few rounds. Input that follows input
    // held from a flight belongs with it (the rest of a typed point name, the
    // key that chooses it), and is held too.
    InputSwallower swallower(this, releaseSpent, [this](QObject* receiver, const QEvent& event) {
        if (!heldInput_.empty()) holdInput(receiver, event);
    });
    QCoreApplication::instance()->installEventFilter(&swallower);
    for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&swallower);
    // What the user did during a flight is applied now that the turn waits,
    // in the order it was done, once the handler running the turn returns.
    heldInput_.post();
}

void BoardWidget::holdInput(QObject* receiver, const QEvent& event) {
    // A click on the board is held as the point it fell on; a click
    // elsewhere only lands the flight, for a window's button or menu must
    // not act in the middle of a turn.
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (receiver != this) return;
        heldInput_.add(this, std::make_unique<PointPressEvent>(pointAt(
                                 static_cast<const QMouseEvent&>(event).position().toPoint())));
        return;
    case QEvent::KeyPress:
    case QEvent::Shortcut:
        heldInput_.add(receiver, std::unique_ptr<QEvent>(event.clone()));
        return;
    default:
        if (event.type() == PointPressEvent::kType)
            heldInput_.add(this, std::make_unique<PointPressEvent>(
                                     static_cast<const PointPressEvent&>(event).point));
        return;
    }
}

bool BoardWidget::pauseFrame(std::chrono::microseconds pause) {
    // The pause runs the event loop, so that the window repaints and a
    // screen reader can read the board, but every input is swallowed: the
    // tap handler that started the flight is still running. A press ends the
    // pause at once, ending the flight, and is held to be applied after it.
    QEventLoop frame;
    bool pressed = false;
    InputSwallower swallower(this, releaseSpent, [&](QObject* receiver, const QEvent& event) {
        holdInput(receiver, event);
        pressed = true;
        frame.quit();
    });
    QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(pause), &frame,
                       &QEventLoop::quit);
    QCoreApplication::instance()->installEventFilter(&swallower);
    frame.exec();
    QCoreApplication::instance()->removeEventFilter(&swallower);
    return pressed;
}

void BoardWidget::updatePlayerColor(int color) {
    session().setUserColor(GameSession::colorOfItem(color));
    start();
}

void BoardWidget::updateLevel(int newLevel) {
    session().setLevel(newLevel);
    start();
}

void BoardWidget::updateAnimations(int on) {
    animations = on != 0;
}
