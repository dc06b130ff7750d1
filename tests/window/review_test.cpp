// The strong side of the window: the Master level is chosen and kept, the
// hint knows what a covered endgame is worth, a position that stands on the
// board for the third time may be claimed as a draw, the user may resign,
// Undo carries a finished game on, a move of the game can be looked at, and
// a game review marks a blunder without holding up the window.
#include "support/window_fixture.h"

#include "engine/endgame/endgame.h"
#include "engine/record.h"
#include "engine/tree.h"
#include "ui/gamereview.h"
#include "ui/gamesession.h"
#include "ui/movelist.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QStatusBar>

#include <string>

namespace {

// A game of the computer against itself at "Easy". After 113 moves the
// position stands on the board for the third time with Black to move; after
// 139, three pieces face three and Black, to move, wins in 3 plies.
constexpr const char* kGame =
    "b8 b4 b6 b2 b7 b5 b1-b4 b4 b3 c7 c4 a8 a2 c1 a4 c8-b3 b3 c3 b6a6 b5b6 a2a3 b2c2-a6 b1b2 c7c6 "
    "b2b1-b4 c6c7-c4 b1b2 c7c6 b2b1-b6 c3c4 a3a2 c6c7-a2 b1b2 c4c3-b8 b7b8 c3c4 b8b1-a8 c8b8 a4a5 "
    "c4b4 a5a6 c1c8 a6b6 c7c6 b2a2 c2b2 b6a6 c8c1 a6b6 c6c7 a2a3 c7c8 b6c6 c1c2 a3a2 c8c7 a2a1 "
    "c7c8 c6c7 b8b7 b1b8 c2c1 c7c6 b7b6 a1a2 c8c7 b8c8 b2b1 b3b2 b1b8 a2a3 c1c2 a3a4 c2c3 b2c2 "
    "b8b1 c8b8 b1b2 c6c5 c7c8 c5c6 b2b3 c2b2 c3c2 a4a5 b4b5 c6c5 b5b4 a5a6 b6b5-b2 c5b6 b3b2 "
    "b8c6-b4 b5b4 a6b8 b2a2 b6b2 a2a1 c6c4 c8c7 c4c8 a1a8 c8c5 c7c6 c5b6 b4a4 b8c8 a4b4 c8b8 b4a4 "
    "b8c8 a4b4 c8b8 b4a4 b8c4 a8b8 c4b4 b8c8 b6c7 c8b8 c7b6 b8c8 b6c1 c8b8 c1b6 b8c8 b4c7 a4b4 "
    "c7b8 c2c1 b2c7 c1c2 c7b1 c2c1 b1c7 c1c2 c7b1 c2b2 b6b7-b4";

GameRecord Record(int moves, int userColor) {
    GameRecord r;
    RecordError e;
    const bool read = ReadGameRecord(kGame, r, e);
    Q_ASSERT(read);
    r.moves.resize(moves);
    r.userColor = userColor;
    return r;
}

// The tables of three against three, built once for the whole test.
QString TableFolder() {
    static QTemporaryDir dir;
    static const bool built = [] {
        std::string error;
        return BuildTables(6, dir.path().toStdString(), error);
    }();
    return built ? dir.path() : QString();
}

MoveList* MovesOf(Quarn& w) {
    return w.findChild<MoveList*>();
}

QByteArray RecordText(Quarn& w) {
    return QByteArray::fromStdString(WriteGameRecord(BoardOf(w)->session().record(false)).value());
}

} // namespace

class ReviewTest : public QObject {
    Q_OBJECT

private slots:
    void masterIsTheSixthLevelAndStaysChosen() {
        ConfigFolder folder;
        {
            Quarn w;
            Choose(SettingMenu(w, "Level"), "Master");
            QCOMPARE(Checked(SettingMenu(w, "Level")), QStringList{"Master"});
            QCOMPARE(BoardOf(w)->session().level(), 5);
        }
        QVERIFY(folder.read().contains("Level=5"));
        folder.write("[Settings]\nLevel=7\n");
        Quarn w;
        QCOMPARE(Checked(SettingMenu(w, "Level")), QStringList{"Master"});
    }

    void theHintSaysWhatACoveredEndgameIsWorthAndUndoCarriesTheWonGameOn() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* board = PlayingBoard(w);
        GameSession& session = board->session();
        session.openTables({TableFolder().toStdString()});
        board->restoreGame(Record(139, -1));
        Choose(GameMenu(w), "Hint");
        QCOMPARE(board->statusText(), "You win in 2 moves with best play");
        // The move marked keeps the win at its quickest: the computer is
        // then lost in 2 plies.
        Board after = session.position();
        after.DoMove(session.hint().move);
        QCOMPARE(session.tables().probe(after), (EndgameValue{Outcome::Loss, 2}));
        // The text goes with the mark, at the next tap, even one beside the
        // grid.
        Tap(board, QPointF(1, 100));
        QCOMPARE(board->statusText(), "Select which piece to move");

        // Played to its end, the computer answering; Undo then takes back
        // the user's winning move alone, and the user is to move.
        while (session.inProgress()) {
            const Move m = session.hint().move;
            BoxAnswer answer;
            if (m.start >= 0) TapPoint(board, m.start);
            TapPoint(board, m.end);
            if (m.take >= 0) TapPoint(board, m.take);
        }
        QCOMPARE(session.played(), 142);
        Choose(GameMenu(w), "Undo");
        QCOMPARE(session.played(), 141);
        QCOMPARE(board->statusText(), "Select which piece to move");
    }

    void aThirdRepetitionMayBeClaimedAndAResignationMadeAndBothTakenBack() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* board = PlayingBoard(w);
        const auto enabled = [&](const QString& item) {
            const PopupMenu* menu = GameMenu(w);
            for (int i = 0; i < menu->count(); ++i)
                if (menu->text(menu->idAt(i)) == item) return menu->isItemEnabled(menu->idAt(i));
            return false;
        };
        const auto claimable = [&] { return enabled("Claim Draw"); };
        board->restoreGame(Record(113, -1));
        QCOMPARE(board->statusText(), "Position repeated three times: you may claim a draw");
        QVERIFY(claimable());
        BoxAnswer answer(QMessageBox::Yes); // Yes to resigning, and OK
        Choose(GameMenu(w), "Claim Draw");
        QTRY_COMPARE(answer.texts.size(), 1);
        QCOMPARE(answer.texts[0], "Game over\nDraw by repetition (claimed)");
        QCOMPARE(board->statusText(), "Draw by repetition (claimed). Click to start game");
        QVERIFY(!claimable());
        QVERIFY(!enabled("Hint")); // nothing left to advise
        QVERIFY(RecordText(w).contains("\n# Result: draw by repetition\n"));
        QVERIFY(!board->session().inProgress());
        // Undo takes the claim back; the position stays and may be claimed again.
        Choose(GameMenu(w), "Undo");
        QCOMPARE(board->session().played(), 113);
        QVERIFY(!RecordText(w).contains("Result"));
        QVERIFY(claimable());
        QVERIFY(enabled("Hint"));

        Choose(GameMenu(w), "Resign");
        QTRY_COMPARE(answer.texts.size(), 3);
        QCOMPARE(answer.texts[1], "Resign this game?");
        QCOMPARE(answer.texts[2], "Game over\nYou resigned");
        QVERIFY(RecordText(w).contains("\n# Result: Black resigns\n"));
        QCOMPARE(board->statusText(), "You resigned. Click to start game");
        Choose(GameMenu(w), "Undo");
        QVERIFY(!RecordText(w).contains("Result"));
        QCOMPARE(board->statusText(), "Position repeated three times: you may claim a draw");
    }

    void aMoveOfTheGameCanBeLookedAtReadOnly() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* board = PlayingBoard(w);
        board->restoreGame(Record(139, -1));
        MoveList* list = MovesOf(w);
        const Board before = board->session().position();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->moveRect(0).center());
        QVERIFY(board->browsing());
        QCOMPARE(board->statusText(), "White's move 1 of 70 (Escape returns)");
        QCOMPARE(list->browsed(), 0);
        // Read only: a tap asks whether to return to the game, and No stays.
        {
            BoxAnswer no(QMessageBox::No);
            TapPoint(board, pt("b8"));
            QCOMPARE(no.texts.size(), 1);
        }
        QCOMPARE(board->session().position(), before);
        QVERIFY(board->browsing());
        {
            BoxAnswer yes(QMessageBox::Yes); // Yes returns, and the tap places nothing
            TapPoint(board, pt("b8"));
        }
        QVERIFY(!board->browsing());
        QCOMPARE(board->session().position(), before);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->moveRect(0).center());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!board->browsing());
        QCOMPARE(list->browsed(), -1);
        QCOMPARE(board->statusText(), "Select which piece to move");
    }

    void theReviewMarksABlunder() {
        const std::string folder = TableFolder().toStdString();
        EndgameTables tables;
        tables.open({folder});
        const Board won = CurrentPosition(Record(139, -1)); // Black wins in 3 plies
        GameReview review;
        QSignalSpy done(&review, &GameReview::finished);
        // b2a1 lets White off: Black is then lost in 4 plies.
        review.start(won, {Move(pt("b2"), pt("a1"), -1)}, &tables);
        QVERIFY(done.wait(10000));
        QCOMPARE(done.takeFirst()[0].toStringList(),
                 QStringList{"Before this move: won in 2 moves\nAfter it: lost in 2 moves"});
        // The quickest win keeps it.
        Move kept;
        QVERIFY(PerfectMove(tables, won, kept));
        review.start(won, {kept}, &tables);
        QVERIFY(done.wait(10000));
        QCOMPARE(done.takeFirst()[0].toStringList(), QStringList{QString()});
    }

    void theReviewRunsBesideTheWindowAndCanBeCancelled() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* board = PlayingBoard(w);
        board->restoreGame(Record(6, 1)); // placements: every position is searched
        auto* progress = w.findChild<QProgressDialog*>();
        QVERIFY(!progress);

        // The window's event loop keeps turning while the worker searches.
        QElapsedTimer clock;
        qint64 last = 0, longest = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        Choose(GameMenu(w), "Analyse Game");
        clock.start();
        ticks.start(10);
        progress = w.findChild<QProgressDialog*>("review_progress");
        QVERIFY(progress && progress->isVisible() && !progress->isModal());
        QTRY_VERIFY_WITH_TIMEOUT(!progress->isVisible(), 60000);
        ticks.stop();
        qInfo("review of 6 moves: %lld ms, longest gap between ticks %lld ms", clock.elapsed(),
              longest);
        QVERIFY2(longest < 100, qPrintable(QString("a gap of %1 ms").arg(longest)));
        QCOMPARE(progress->value(), 7);
        // Its result stays above the list; the window grows no status bar.
        auto* line = w.findChild<QLabel*>("review_result");
        QVERIFY(!line->isHidden());
        QVERIFY(line->text().startsWith("Moves that threw a value away: "));
        QVERIFY(!w.findChild<QStatusBar*>());
        // Asked again for the same moves, it shows that result at once.
        Choose(GameMenu(w), "Analyse Game");
        QVERIFY(!progress->isVisible() && !line->isHidden());
        // A change of the moves ends it.
        Choose(GameMenu(w), "Undo");
        QVERIFY(line->isHidden());

        // Cancelled, it marks nothing, and the game is as it was.
        MovesOf(w)->setNotes({"x", "x"});
        Choose(GameMenu(w), "Analyse Game");
        QVERIFY(MovesOf(w)->note(0).isEmpty());
        progress->cancel();
        QVERIFY(!progress->isVisible());
        QTest::qWait(300);
        QVERIFY(MovesOf(w)->note(0).isEmpty());
        QCOMPARE(board->session().played(), 4);

        // A move taken back while it runs ends it too.
        Choose(GameMenu(w), "Analyse Game");
        Choose(GameMenu(w), "Undo");
        QVERIFY(!progress->isVisible());

        // The window may close while a review runs.
        Choose(GameMenu(w), "Analyse Game");
        QVERIFY(progress->isVisible());
    }
};

QTEST_MAIN(ReviewTest)
#include "review_test.moc"
