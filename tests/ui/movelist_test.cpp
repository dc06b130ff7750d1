// The list of moves beside the board: how it numbers, marks and dims the
// moves, and that it keeps the last move played in view.
#include "ui/movelist.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtTest>

namespace {

// Moves in the text form the engine writes: "a1" to "c8", some with a
// capture or a start point.
QStringList someMoves(int count) {
    const QStringList kinds{"a1", "d2", "b8c8-a5", "c3", "a2a3", "b4-c5"};
    QStringList moves;
    for (int i = 0; i < count; ++i) moves << kinds[i % kinds.size()];
    return moves;
}

// Whether the move's row stands wholly inside the visible part.
bool inView(const MoveList& list, int index) {
    const QRect row = list.moveRect(index);
    return row.top() >= 0 && row.bottom() < list.viewport()->height();
}

} // namespace

class MoveListTest : public QObject {
    Q_OBJECT

private slots:
    void movesArePairedUnderOneNumberWhiteFirst() {
        MoveList list;
        QCOMPARE(list.rowCount(), 0);
        list.setMoves({"a1", "d2", "b8c8-a5"}, 3);
        QCOMPARE(list.rowCount(), 2);
        QCOMPARE(list.rowText(0), "1. a1 d2");
        QCOMPARE(list.rowText(1), "2. b8c8-a5");
        // White's and Black's moves stand in two columns, the same in every row.
        QCOMPARE(list.moveRect(0).left(), list.moveRect(2).left());
        QVERIFY(list.moveRect(1).left() >= list.moveRect(0).right());
    }

    void theLastMovePlayedIsMarkedAndTheRedoableOnesDimmed_data() {
        QTest::addColumn<int>("played"); // as given
        QTest::addColumn<int>("kept");   // as the list takes it
        QTest::newRow("none played") << 0 << 0;
        QTest::newRow("two taken back") << 2 << 2;
        QTest::newRow("all played") << 4 << 4;
        QTest::newRow("below the range") << -3 << 0;
        QTest::newRow("beyond the range") << 99 << 4;
    }
    void theLastMovePlayedIsMarkedAndTheRedoableOnesDimmed() {
        QFETCH(int, played);
        QFETCH(int, kept);
        MoveList list;
        list.setMoves(someMoves(4), played);
        QCOMPARE(list.played(), kept);
        for (int i = 0; i < 4; ++i) {
            const MoveList::MoveState expected = i < kept - 1    ? MoveList::Played
                                                 : i == kept - 1 ? MoveList::Last
                                                                 : MoveList::Redoable;
            QCOMPARE(list.moveState(i), expected);
        }
    }

    void everyChangeBringsTheLastMovePlayedIntoView() {
        MoveList list;
        list.resize(list.minimumSizeHint());
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.setMoves(someMoves(10000), 9998);
        QCOMPARE(list.rowCount(), 5000);
        QVERIFY(inView(list, 9997));
        QVERIFY(inView(list, 9998)); // the next move for Redo too, when there is room
        QVERIFY(!list.horizontalScrollBar()->isVisible());

        list.setMoves(someMoves(10000), 41); // many taken back
        QVERIFY(inView(list, 40));
        list.verticalScrollBar()->setValue(0); // the user scrolls away
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const QPointF at = list.moveRect(0).center();
            QMouseEvent click(type, at, list.viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(list.viewport(), &click);
        }
        QCOMPARE(list.played(), 41); // a click chooses nothing
        list.setMoves(someMoves(10000), 42);
        QVERIFY(inView(list, 41));
        list.resize(list.width(), list.height() / 2);
        QVERIFY(inView(list, 41));

        for (int count : {0, 10000}) { // paints whole lists without fault
            list.setMoves(someMoves(count), count);
            QImage picture(list.size() * 2, QImage::Format_ARGB32);
            picture.setDevicePixelRatio(2);
            list.render(&picture);
        }
    }

    void theHintHasRoomForTwoLongMovesAndAScrollBar() {
        MoveList list;
        const QFontMetrics metrics(list.font());
        QVERIFY(list.sizeHint().width() > metrics.horizontalAdvance("99. b8c8-a5 b8c8-a5") +
                                              list.verticalScrollBar()->sizeHint().width());
        QVERIFY(list.sizeHint().height() >= 3 * metrics.height());
        QCOMPARE(list.minimumSizeHint().width(), list.sizeHint().width());
    }
};

QTEST_MAIN(MoveListTest)
#include "movelist_test.moc"
