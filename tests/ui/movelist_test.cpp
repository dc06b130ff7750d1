// The list of moves beside the board: how it numbers, marks and dims the
// moves, and that it keeps the last move played in view.
#include "ui/movelist.h"

#include <QAccessible>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
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
    void movesArePairedUnderOneNumberTheLastMarkedTheTakenBackDimmed() {
        MoveList list;
        list.setMoves({"a1", "d2", "b8c8-a5"}, 2);
        QCOMPARE(list.rowCount(), 2);
        QCOMPARE(list.rowText(0), "1. a1 d2");
        QCOMPARE(list.rowText(1), "2. b8c8-a5");
        QCOMPARE(list.moveState(0), MoveList::Played);
        QCOMPARE(list.moveState(1), MoveList::Last);
        QCOMPARE(list.moveState(2), MoveList::Redoable);
        list.setMoves(someMoves(4), -3); // out of range: brought into it
        QCOMPARE(list.played(), 0);
        QCOMPARE(list.moveState(0), MoveList::Redoable);
        list.setMoves(someMoves(4), 99);
        QCOMPARE(list.played(), 4);
        QCOMPARE(list.moveState(3), MoveList::Last);
    }

    void aScreenReaderReadsEachMoveInWordsAndTheResultLast() {
        MoveList list;
        list.setMoves({"a1", "d2", "b8c8-a5", "c3-b2"}, 3);
        list.setNotes({"", "", "a win thrown away"});
        list.setResult("White wins");
        QCOMPARE(list.itemCount(), 5);
        QCOMPARE(list.itemText(0), "1. White a1");
        QCOMPARE(list.itemText(2), "2. White b8 to c8 takes a5, lost the win");
        QCOMPARE(list.itemText(3), "2. Black c3 takes b2, taken back");
        QCOMPARE(list.itemText(4), "White wins");
        QCOMPARE(list.itemText(5), QString());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&list);
        QCOMPARE(a->role(), QAccessible::List);
        QCOMPARE(a->childCount(), 5);
        QCOMPARE(a->child(2)->text(QAccessible::Name), list.itemText(2));
        QCOMPARE(a->child(2)->role(), QAccessible::ListItem);

        // The keys walk the lines; Enter asks for the cursor's move, not the
        // result's line.
        QSignalSpy clicked(&list, &MoveList::moveClicked);
        list.show();
        list.setFocus();
        QCOMPARE(list.current(), 2); // the last move played
        QTest::keyClick(&list, Qt::Key_End);
        QCOMPARE(list.current(), 4);
        QTest::keyClick(&list, Qt::Key_Return);
        QTest::keyClick(&list, Qt::Key_Up);
        QTest::keyClick(&list, Qt::Key_Enter);
        QTest::keyClick(&list, Qt::Key_Home);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.current(), 0);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked[0][0].toInt(), 3);
        list.setMoves({}, 0);
        list.setResult({});
        QCOMPARE(list.current(), -1);
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
        list.setMoves(someMoves(10000), 42);
        QVERIFY(inView(list, 41));
        list.resize(list.width(), list.height() / 2);
        QVERIFY(inView(list, 41));

        QImage pictures[2]; // of an empty list and of a long one, at ratio 2
        for (int count : {0, 10000}) {
            list.setMoves(someMoves(count), count);
            QImage& picture = pictures[count > 0] = QImage(list.size() * 2, QImage::Format_ARGB32);
            picture.fill(0);
            picture.setDevicePixelRatio(2);
            list.render(&picture);
        }
        QVERIFY(pictures[0] != pictures[1]); // the moves in view are drawn
    }

    void theHintHasRoomForTwoLongMovesAndAScrollBar() {
        MoveList list;
        QVERIFY(list.sizeHint().width() >
                list.fontMetrics().horizontalAdvance("99. b8c8-a5 b8c8-a5") +
                    list.verticalScrollBar()->sizeHint().width());
    }
};

QTEST_MAIN(MoveListTest)
#include "movelist_test.moc"
