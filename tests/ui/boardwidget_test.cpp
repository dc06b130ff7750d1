// The board widget and its turn driven the way a user drives them: points
// chosen, keys, and taps at pixel positions where the hit test is the
// point, at the "Very easy" level and without animations unless a test is
// about animation.

#include "engine/game.h"
#include "support/board_taps.h"
#include "support/positions.h"
#include "support/test_session.h"
#include "ui/boardwidget.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using S = BoardWidget; // for the state names

// Records every animation frame the widget paints.
class Probe : public BoardWidget {
public:
    int playerColor() const { return session().userColor(); }
    int level() const { return session().level(); }

    struct Frame {
        QPoint at;
        QString status;
        int watched; // the value of point `watch` on the screen
    };
    std::vector<Frame> frames;
    int watch = 0;
    std::function<void()> onPaint; // runs at the start of every paint

    explicit Probe(int w = 240, int h = 266) : BoardWidget(nullptr, nullptr, {}, Session()) {
        resize(w, h);
        updateAnimations(0);
        updatePlayerColor(0);
        updateLevel(0);
    }
    void tap(int x, int y) { Tap(this, QPoint(x, y)); }
    void tapPoint(int p) { turn().choose(p); }
    void tapPoint(std::string_view name) { tapPoint(pt(name)); }

protected:
    void paintEvent(QPaintEvent* e) override {
        if (onPaint) onPaint();
        if (flight().on) frames.push_back({flight().at, statusText(), onScreen().board[watch]});
        BoardWidget::paintEvent(e);
    }
};

// Puts the game at a position given by the names of the occupied points,
// with `plies` moves made, and the turn taking the game up from there.
void setPosition(Probe& w, std::string_view white, std::string_view black, int plies) {
    board = algo.board = history[0] = Pieces(white, black, plies);
    history_pos = history_length = 1;
    gen_valid_moves();
    w.turn().carryOn();
}

// Closes the game-over box as soon as it is up, keeping what it said;
// `whileShown` runs inside the box's event loop before it closes.
struct BoxCloser {
    QString title, text;
    int buttons = 0, shown = 0;
    std::function<void()> whileShown;
    QTimer timer;
    BoxCloser() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (whileShown) whileShown();
            title = box->windowTitle();
            text = box->text();
            buttons = static_cast<int>(box->buttons().size());
            ++shown;
            box->button(QMessageBox::Ok)->click();
        });
        timer.start(5);
    }
};

// A click (press and release) at a point, queued as the window system
// queues one that the user makes while the board is busy.
void queueClick(Probe& w, int p, bool release = true) {
    const QPointF at = CellOf(&w, p).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        if (type == QEvent::MouseButtonRelease && !release) return;
        QCoreApplication::postEvent(
            w.windowHandle(),
            new QMouseEvent(type, at, w.mapToGlobal(at), Qt::LeftButton,
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::NoModifier));
    }
}

// Types a point's name, as the keys a1 .. c8.
void typePoint(QWidget& w, int p) {
    QTest::keyClick(&w, static_cast<char>('a' + p / 8));
    QTest::keyClick(&w, static_cast<char>('1' + p % 8));
}

// The user's side of a turn, by taps: the n-th legal move of the list.
void playUserMove(Probe& w, int n) {
    const Move m = next_valid[n % n_next_valid];
    if (m.start >= 0) w.tapPoint(m.start);
    w.tapPoint(m.end);
    if (m.take >= 0) w.tapPoint(m.take);
}

} // namespace

class BoardWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitMillTab(); }

    void theWidgetOffersExactlyItsSlots() {
        const QMetaObject& meta = BoardWidget::staticMetaObject;
        QStringList slotNames;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            if (meta.method(i).methodType() == QMetaMethod::Slot)
                slotNames << meta.method(i).methodSignature();
        QCOMPARE(slotNames,
                 QStringList({"updatePlayerColor(int)", "updateLevel(int)", "updateAnimations(int)",
                              "start()", "undo()", "redo()", "claimDraw()", "resign()",
                              "browse(int)", "stopBrowsing()"}));
    }

    void aLargerWidgetGrowsTheCellAndItsHitTest() {
        // 9 cells of 45 and the strip of 30 fit 405 x 435 exactly: the grid's
        // corner at (45, 30 + 45).
        Probe w(405, 435);
        w.tap(44, 200);            // left of the grid
        w.tap(45 + 315, 200);      // right of it
        w.tap(100, 30 + 45 + 315); // below it
        w.tap(225, 119);           // the cell right of a2 holds no point
        QCOMPARE(history_pos, 1);
        w.tap(45 + 3 * 45 + 44, 30 + 45 + 44); // the last pixel of a2's cell
        QCOMPARE(board.board[pt("a2")], 1);
        // One pixel less of height is a cell of 44: a2's cell moves.
        Probe lower(405, 434);
        const BoardLayout l = LayoutFor(405, 434);
        QCOMPARE(l.cell, 44);
        lower.tap(l.offX + 3 * 44, l.strip + l.offY + 43);
        QCOMPARE(board.board[pt("a2")], 1);
        QCOMPARE(board.plies, 2);
    }

    void aTapQueuedWhileTheComputerThinksIsDropped() {
        // The window system delivers a click made during the computer's turn
        // only after the handler returns; it must not become the next move.
        Probe w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        int queued = 0;
        w.onPaint = [&] {
            if (w.state() != S::ComputerPlacing || queued++ > 0) return;
            const QPointF at(8 + 6 * 32 + 16, 32 + 6 * 32 + 16); // a5
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    w.windowHandle(),
                    new QMouseEvent(type, at, w.mapToGlobal(at), Qt::LeftButton,
                                    type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                     : Qt::NoButton,
                                    Qt::NoModifier));
        };
        w.tapPoint("a1");
        QCoreApplication::processEvents();
        QCOMPARE(queued, 1);
        QCOMPARE(board.plies, 2);
        QCOMPARE(w.state(), +S::HumanPlacing);
        // A tap made after the turn counts.
        w.tapPoint("a5");
        QCOMPARE(board.plies, 4);
    }

    void aClickDuringAFlightLandsThePieceAndIsAppliedAfterIt() {
        Probe w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.updateAnimations(1);
        // The user's piece is put down at once; only the computer's flies.
        // A click at a5 on its first frame lands it, then places at a5.
        bool clicked = false;
        std::vector<Qt::CursorShape> pointers;
        w.onPaint = [&] {
            if (!w.flight().on) return;
            pointers.push_back(QGuiApplication::overrideCursor()->shape());
            if (!std::exchange(clicked, true)) queueClick(w, pt("a5"));
        };
        w.tapPoint("a1");
        QCOMPARE(w.frames.size(), std::size_t(1));
        QCOMPARE(board.board[pt("a1")], 1);
        QCOMPARE(board.plies, 2);
        QCOMPARE(pointers, std::vector<Qt::CursorShape>(1, Qt::BusyCursor));
        QTRY_COMPARE(board.plies, 4);
        QCOMPARE(board.board[pt("a5")], 1);
        QVERIFY(!QGuiApplication::overrideCursor());

        // Keys typed during a flight are applied after it too, all of them:
        // the name of a point and the key that chooses it.
        clicked = false;
        w.onPaint = [&] {
            if (!w.flight().on || std::exchange(clicked, true)) return;
            const std::pair<Qt::Key, const char*> keys[] = {
                {Qt::Key_C, "c"}, {Qt::Key_5, "5"}, {Qt::Key_Return, "\r"}};
            for (const auto& [key, text] : keys)
                QCoreApplication::postEvent(
                    &w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
        };
        w.tapPoint("c1");
        QCOMPARE(board.plies, 6);
        QTRY_COMPARE(board.plies, 8);
        QCOMPARE(board.board[pt("c5")], 1);
    }

    void aFlightTakesTheSameShortTimeAtEverySize() {
        for (const QSize size : {QSize(240, 300), QSize(405, 435), QSize(1000, 900)}) {
            Probe w(size.width(), size.height());
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.updateAnimations(1);
            w.animateMove(-1, -1, 1);
            QVERIFY(w.frames.empty());
            setPosition(w, "a1", "a4", 20);
            w.watch = pt("a1");
            QElapsedTimer clock;
            clock.start();
            w.animateMove(pt("a1"), pt("a2"), 1); // three cells apart
            const qint64 ms = clock.elapsed();
            QVERIFY2(ms >= 180 && ms < 400, qPrintable(QString::number(ms)));
            QCOMPARE(w.frames.front().at, CellOf(&w, pt("a1")).topLeft());
            QCOMPARE(w.frames.front().watched, 0); // the piece has left its point
            QCOMPARE(w.frames.back().status, QString("Moving piece..."));
            for (const Probe::Frame& f : w.frames) // along the line, never past a2
                QVERIFY(f.at.y() == CellOf(&w, pt("a1")).y() &&
                        f.at.x() <= CellOf(&w, pt("a2")).x());
            QCOMPARE(w.onScreen().board[pt("a1")], 1); // and is back after the flight

            w.updateAnimations(0);
            w.frames.clear();
            w.animateMove(pt("a1"), pt("a4"), 1);
            QVERIFY(w.frames.empty());
        }
    }

    void theKeysMoveACursorAlongTheBoard() {
        Probe w;
        // Along a2's line to the right; across the empty centre from c8 to
        // c4; from b1, which has no line to its left, to the nearest point
        // that way, a1.
        const std::tuple<const char*, Qt::Key, const char*> steps[] = {
            {"a1", Qt::Key_Right, "a2"}, {"c8", Qt::Key_Right, "c4"}, {"b1", Qt::Key_Left, "a1"}};
        for (auto [from, key, to] : steps) {
            setPosition(w, "", "", 0);
            typePoint(w, pt(from));
            QTest::keyClick(&w, key);
            QTest::keyClick(&w, Qt::Key_Return);
            QVERIFY2(history[1].board[pt(to)] == 1, from);
        }
    }

    void theCursorShowsOnlyAfterAKey() {
        Probe w;
        const QImage mouse = w.grab().toImage();
        QTest::keyClick(&w, Qt::Key_Left); // shows the cursor where it is
        QVERIFY(w.grab().toImage() != mouse);
        w.tap(239, 100); // a mouse tap, outside the grid
        QCOMPARE(w.grab().toImage(), mouse);
    }

    void escapeDropsThePickedPiece() {
        Probe w;
        setPosition(w, "a1 a3 b2 c5", "a2 a8 b1 b3", 20);
        typePoint(w, pt("c5"));
        QTest::keyClick(&w, Qt::Key_Space);
        QCOMPARE(w.state(), +S::HumanMoving);
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(w.state(), +S::HumanSelecting);
        QCOMPARE(current_move.start, -1);
        QTest::keyClick(&w, Qt::Key_Enter); // c5 again
        QTest::keyClick(&w, Qt::Key_Left);  // along the line to c6
        QTest::keyClick(&w, Qt::Key_Enter);
        QCOMPARE(board.plies, 22);
    }

    void aWholeGameFromTheKeyboard() {
        Probe w;
        srand(5);
        QString ending;
        QTimer closer; // the game-over box closes with Enter
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ending = box->text();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        closer.start(5);
        const auto press = [&](int p) {
            typePoint(w, p);
            QTest::keyClick(&w, Qt::Key_Return);
        };
        for (int turn = 0; turn < 400 && w.state() != S::Idle; ++turn) {
            const Move m = next_valid[turn * 7 % n_next_valid];
            if (m.start >= 0) press(m.start);
            press(m.end);
            if (m.take >= 0) press(m.take);
        }
        QVERIFY2(ending.startsWith("Game over\nYou "), qPrintable(ending));
        QCOMPARE(w.state(), +S::Idle);
        QTest::keyClick(&w, Qt::Key_Space); // a new game
        QCOMPARE(w.state(), +S::HumanPlacing);
        QCOMPARE(board.plies, 0);
    }

    void aScreenReaderFindsTheNamedPoints() {
        Probe w;
        setPosition(w, "a1 a2 c3", "a7 a8 b1", 6);
        w.tapPoint("a3"); // a mill: the user is to take
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&w);
        // The points, then the status strip and the counts as labels.
        QCOMPARE(a->childCount(), 26);
        QCOMPARE(a->text(QAccessible::Description), QString("Take a black piece"));
        QCOMPARE(a->child(24)->text(QAccessible::Name), w.statusText());
        QCOMPARE(a->child(25)->text(QAccessible::Name),
                 QString("White: 6 to place, 0 lost; Black: 6 to place, 0 lost"));
        QStringList names;
        for (int p = 0; p < 24; ++p) {
            QCOMPARE(a->indexOfChild(a->child(p)), p);
            names << a->child(p)->text(QAccessible::Name);
        }
        QCOMPARE(names.mid(0, 8),
                 QStringList({"a1, White, in a mill", "a2, White, in a mill",
                              "a3, White, in a mill", "a4, empty", "a5, empty", "a6, empty",
                              "a7, Black, can be taken", "a8, Black, can be taken"}));
        QCOMPARE(names[pt("b1")], QString("b1, Black, can be taken"));
        QCOMPARE(names[pt("c3")], QString("c3, White"));
        QVERIFY(a->child(pt("b1"))->state().checked); // may be taken
        QVERIFY(!a->child(pt("a1"))->state().checked);
        QCOMPARE(a->child(pt("a3"))->rect(),
                 QRect(w.mapToGlobal(CellOf(&w, pt("a3")).topLeft()), QSize(32, 32)));

        // Pressing a point taps it once the reader's call has returned.
        a->child(pt("b1"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(history_pos, 1);
        QCoreApplication::processEvents();
        QCOMPARE(history[1].board[pt("b1")], 0);
        QCOMPARE(history_pos, 3);

        setPosition(w, "a1 a3 b2 c5", "a2 a8 b1 b3", 20);
        w.tapPoint("c5");
        QVERIFY(a->child(pt("c5"))->state().selected);
        QCOMPARE(a->child(pt("c5"))->text(QAccessible::Name), QString("c5, White, picked to move"));
        QCOMPARE(a->child(pt("c4"))->text(QAccessible::Name),
                 QString("c4, empty, you can move here"));
    }

    void tapsFindThePointsOfTheGridAndOnlyEmptyOnes() {
        Probe w;
        w.tap(120, 128); // the centre cell holds no point
        w.tap(239, 100); // right of the grid
        QCOMPARE(history_pos, 1);
        w.tap(8, 32); // the top-left pixel of a1
        QCOMPARE(board.board[pt("a1")], 1);
        QCOMPARE(board.plies, 2); // the computer has replied in the same handler
        w.tapPoint("a1");
        for (int p = 0; p < 24; ++p)
            if (board.board[p] == -1) w.tapPoint(p);
        QCOMPARE(board.plies, 2);
        QCOMPARE(w.statusText(), QString("Set your 2. piece"));

        // The offset truncates toward zero: -11 on a widget 201 pixels wide.
        Probe narrow(201, 266);
        narrow.tap(21, 40); // column 1 of the top row: no point
        QCOMPARE(history_pos, 1);
        narrow.tap(20, 40);
        QCOMPARE(board.board[pt("a1")], 1);
    }

    void aTapInIdleStartsANewGame() {
        Probe w;
        setPosition(w, "a1 a2", "b1 b2 b3", 20); // White has lost: Idle
        QCOMPARE(w.state(), +S::Idle);
        QCOMPARE(w.statusText(),
                 QString("You lose: White has only two pieces left. Click to start game"));
        w.tap(1, 1); // in the status strip: no hit test in Idle
        QCOMPARE(w.state(), +S::HumanPlacing);
        QCOMPARE(board.plies, 0);

        w.updatePlayerColor(1);
        QCOMPARE(w.statusText(), QString("Click to start game"));
        w.tap(239, 265);
        QCOMPARE(w.state(), +S::HumanPlacing);
        QCOMPARE(board.n_white, 1);
        QCOMPARE(w.statusText(), QString("Set your 1. piece"));
    }

    void selectingAndMovingAPiece() {
        Probe w;
        setPosition(w, "a1 a3 b2 c5", "a2 a8 b1 b3", 20);
        w.tapPoint("a2"); // the computer's piece
        w.tapPoint("a5"); // an empty point
        QCOMPARE(w.state(), +S::HumanSelecting);

        w.tapPoint("a1"); // blocked, but selectable
        w.tap(239, 100);  // outside the grid: ignored, the selection stays
        QCOMPARE(w.state(), +S::HumanMoving);
        w.tapPoint("a7"); // not reachable from a1: the selection is dropped
        QCOMPARE(w.state(), +S::HumanSelecting);
        QCOMPARE(current_move.start, -1);
        w.tapPoint("c5");
        w.tapPoint("a3"); // another own piece does not become the selection
        QCOMPARE(w.state(), +S::HumanSelecting);
        w.tapPoint("c5");
        w.tap(120, 128); // nor does the centre cell keep it
        QCOMPARE(w.state(), +S::HumanSelecting);

        w.tapPoint("c5");
        w.tapPoint("c6");
        QCOMPARE(board.plies, 22); // the move and the computer's reply
        QCOMPARE(history_pos, 3);
        QCOMPARE(w.state(), +S::HumanSelecting);
    }

    void aMillWaitsForTheCapture() {
        Probe w;
        setPosition(w, "a1 a2 c3", "a7 a8 b1", 6);
        w.tapPoint("a3");
        QCOMPARE(w.state(), +S::HumanTaking);
        QCOMPARE(w.statusText(), QString("Take a black piece"));
        QCOMPARE(w.onScreen().board[pt("a3")], 1); // shown, not applied
        QCOMPARE(board.board[pt("a3")], 0);
        QCOMPARE(history_pos, 1);
        w.tapPoint("c1"); // empty
        w.tapPoint("a1"); // own
        QCOMPARE(w.state(), +S::HumanTaking);

        w.tapPoint("b1");
        QCOMPARE(history[1].board[pt("b1")], 0);
        QCOMPARE(history[1].board[pt("a3")], 1);
        QCOMPARE(history_pos, 3); // the move with its capture, and the reply
        QCOMPARE(w.state(), +S::HumanPlacing);
    }

    void piecesInMillsAreTakenOnlyWhenAllStandInMills() {
        Probe w;
        setPosition(w, "a1 a2 c1", "b1 b2 b3 c8", 8);
        w.tapPoint("a3");
        w.tapPoint("b2");
        QCOMPARE(w.state(), +S::HumanTaking);
        w.tapPoint("c8");
        QCOMPARE(history[1].board[pt("c8")], 0);

        setPosition(w, "a1 a2 c1", "b1 b2 b3", 8);
        w.tapPoint("a3");
        w.tapPoint("b2");
        QCOMPARE(history[1].board[pt("b2")], 0);
    }

    void gameOverSaysWhoWon() {
        Probe w;
        setPosition(w, "a1 a2 a4 c1", "b1 b4 c5", 20);
        {
            BoxCloser box;
            QString behind; // the status the board shows behind the box
            box.whileShown = [&] { behind = w.statusText(); };
            w.tapPoint("a4");
            w.tapPoint("a3"); // a slide into a mill shows the piece moved
            QCOMPARE(w.onScreen().board[pt("a4")], 0);
            QCOMPARE(w.onScreen().board[pt("a3")], 1);
            w.tapPoint("b4");
            QCOMPARE(box.shown, 1);
            QCOMPARE(box.title, QString("Nine Men's Morris"));
            QCOMPARE(box.text, QString("Game over\nYou win: Black has only two pieces left"));
            QCOMPARE(box.buttons, 1);
            QCOMPARE(behind,
                     QString("You win: Black has only two pieces left. Click to start game"));
        }
        QCOMPARE(w.state(), +S::Idle);
        QCOMPARE(history[1].board[pt("a4")], 0);
        // Undo takes the winning move back, and play goes on from there.
        w.undo();
        QCOMPARE(history_pos, 1);
        QCOMPARE(w.state(), +S::HumanSelecting);

        // Black closes one of two mills that three flying pieces cannot both
        // block. A tap while the box is up starts a new game, which the
        // handler that opened the box leaves alone.
        setPosition(w, "b5 b7 c8", "a1 a2 a4 c1 c2 c4", 30);
        BoxCloser box;
        box.whileShown = [&w] { w.tap(100, 100); };
        w.tapPoint("c8");
        w.tapPoint("a3");
        QCOMPARE(box.text, QString("Game over\nYou lose: White has only two pieces left"));
        QCOMPARE(w.state(), +S::HumanPlacing);
        QCOMPARE(board.plies, 0);
    }

    void undoAndRedoStepOverAMoveAndItsReply() {
        Probe w;
        w.redo(); // nothing to replay
        playUserMove(w, 0);
        playUserMove(w, 0);
        w.redo();
        QCOMPARE(history_pos, 5);
        const Board after = board;
        w.undo();
        QCOMPARE(history_pos, 3);
        QVERIFY(board == history[2] && algo.board == board);
        w.undo();
        w.undo(); // at the start: refused
        QCOMPARE(history_pos, 1);
        QCOMPARE(board.plies, 0);
        w.redo();
        w.redo();
        w.redo();
        QVERIFY(board == after);
        QCOMPARE(w.state(), +S::HumanPlacing);

        setPosition(w, "a1 a2 c3", "a7 a8 b1", 6);
        push(board);
        push(board);
        w.tapPoint("a3");
        w.undo(); // the capture is pending
        QCOMPARE(w.state(), +S::HumanTaking);

        // As Black, the computer's opening move cannot be taken back alone.
        w.updatePlayerColor(1);
        w.tap(5, 5);
        w.undo();
        QCOMPARE(history_pos, 2);
        QCOMPARE(w.state(), +S::HumanPlacing);
    }

    void settingsSlots() {
        Probe w;
        w.tapPoint("a1");
        w.updateAnimations(1);
        QCOMPARE(board.plies, 2); // the game goes on
        w.updatePlayerColor(7);
        QCOMPARE(w.playerColor(), -1);
        w.updatePlayerColor(0);
        QCOMPARE(w.playerColor(), 1);
        w.tapPoint("a1");
        w.updateLevel(3);
        QCOMPARE(board.plies, 0); // a new game
        QCOMPARE(w.level(), 3);
        w.updateLevel(9);
        QCOMPARE(w.level(), 5);
    }

    void wholeGamesByTaps() {
        for (int color : {0, 1}) {
            Probe w;
            w.updatePlayerColor(color);
            BoxCloser box;
            w.tap(100, 100);
            for (int turn = 0; turn < 400 && w.state() != S::Idle; ++turn) {
                QVERIFY(board == algo.board && board == history[history_pos - 1]);
                QCOMPARE(int(board.next), w.playerColor());
                if (turn == 20) {
                    w.undo();
                    QCOMPARE(w.state(),
                             board.InPlacingPhase() ? +S::HumanPlacing : +S::HumanSelecting);
                    w.redo();
                }
                playUserMove(w, turn * 7);
            }
            QCOMPARE(w.state(), +S::Idle);
            QCOMPARE(box.shown, 1);
        }
    }

    void thePictureShowsBoardPiecesAndStatus() {
        Probe w;
        w.tapPoint("a1");
        const QImage image = w.grab().toImage();
        QCOMPARE(image.pixelColor(2, 100), QColor(102, 92, 21)); // left of the grid
        // Beside the point's dot, on the line that the disc covers.
        const QColor white = image.pixelColor(8 + 23, 32 + 16);
        QVERIFY(white.red() > 200 && white.blue() > 150);
        const QColor strip = w.palette().color(w.backgroundRole());
        QCOMPARE(image.pixelColor(3, 11), strip);
        int ink = 0;
        for (int x = 7; x < 120; ++x)
            for (int y = 0; y < 22; ++y) ink += image.pixelColor(x, y) != strip;
        QVERIFY(ink > 30);
    }

    void aResizeToTheSameSizeKeepsTheBuffer() {
        Probe w;
        QResizeEvent first(QSize(240, 266), QSize(-1, -1)), same(QSize(240, 266), QSize(240, 266)),
            other(QSize(300, 300), QSize(240, 266));
        QApplication::sendEvent(&w, &first);
        const qint64 kept = w.buffer().cacheKey(); // the address may be reused
        QApplication::sendEvent(&w, &same);
        QCOMPARE(w.buffer().cacheKey(), kept);
        QApplication::sendEvent(&w, &other);
        QCOMPARE(w.buffer().size(), QSize(300, 300));
    }
};

QTEST_MAIN(BoardWidgetTest)
#include "boardwidget_test.moc"
