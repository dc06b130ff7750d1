// Games kept across runs and in files: the game in progress survives a
// restart with what Undo and Redo can reach, a saved record opens to the
// same game, a bad record is refused by its line and changes nothing, and a
// hint leaves the game as it was.
#include "support/window_fixture.h"

#include "engine/record.h"

#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

// The user's turns by taps, each the first legal move, and the replies.
void Play(BoardWidget* b, int turns) {
    for (int t = 0; t < turns; ++t) {
        const Move m = next_valid[0];
        if (m.start >= 0) TapPoint(b, m.start);
        TapPoint(b, m.end);
        if (m.take >= 0) TapPoint(b, m.take);
    }
}

std::vector<Board> History() {
    return {history, history + history_length};
}

// The text of the message box that `action` opens, closed at once.
QString BoxText(const std::function<void()>& action) {
    QString text;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    closer.start(5);
    action();
    return text;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class KeptGamesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitMillTab(); }

    void theGameInProgressSurvivesARestart() {
        ConfigFolder folder;
        std::vector<Board> before;
        int pos = 0;
        {
            Quarn w;
            w.resumeGame();
            Play(PlayingBoard(w), 3);
            Choose(GameMenu(w), "Undo");
            before = History();
            pos = history_pos;
        } // closing the window keeps the game
        {
            Quarn w;
            w.resumeGame();
            QVERIFY(History() == before);
            QCOMPARE(history_pos, pos);
            QCOMPARE(BoardOf(w)->statusText(), QString("Set your 3. piece"));
            Choose(GameMenu(w), "Redo");
            QCOMPARE(history_pos, pos + 2);
            Choose(GameMenu(w), "Undo");
            Choose(GameMenu(w), "Undo");
            QCOMPARE(history_pos, pos - 2);
        }

        // A kept game that cannot be read is set aside, and a new game starts.
        Write(folder.gameFile(), "a1 a1\n");
        Quarn w;
        w.resumeGame();
        QCOMPARE(history_length, 1);
        QVERIFY(QFile::exists(folder.gameFile() + ".bad"));
        QVERIFY(!QFile::exists(folder.gameFile()));
    }

    void aSavedGameOpensToTheSameGame() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* b = PlayingBoard(w);
        Play(b, 4);
        Choose(GameMenu(w), "Undo"); // what Redo could bring back is not saved
        const std::vector<Move> moves = game_moves();
        const QString file = folder.path() + "/saved.quarn";
        QVERIFY(w.saveGame(file));
        Choose(GameMenu(w), "New");

        QVERIFY(w.openGame(file));
        std::vector<Move> played(moves.begin(), moves.begin() + 6);
        QVERIFY(game_moves() == played);
        QCOMPARE(history_pos, 7);
        QCOMPARE(b->statusText(), QString("Set your 4. piece"));
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("# Quarn game record\n# Date: "));
    }

    void aBadRecordIsRefusedByItsLineAndChangesNothing() {
        ConfigFolder folder;
        Quarn w;
        Play(PlayingBoard(w), 2);
        const std::vector<Board> before = History();
        const QString file = folder.path() + "/bad.quarn";
        Write(file, "# Quarn game record\n1. a1 b2\n2. a1 c3\n");
        const QString text = BoxText([&] { QVERIFY(!w.openGame(file)); });
        QVERIFY2(text.contains("Line 3: the move a1 cannot be played there."), qPrintable(text));
        QVERIFY(History() == before);
        QCOMPARE(history_pos, 5);
    }

    void aHintLeavesTheGameAsItWas() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* b = PlayingBoard(w);
        Play(b, 5);
        const Board shown = board, searched = algo.board;
        const std::vector<Move> legal(next_valid, next_valid + n_next_valid);
        const std::vector<Board> before = History();
        const QImage plain = b->grab().toImage();

        Choose(GameMenu(w), "Hint");
        QVERIFY(b->grab().toImage() != plain); // the suggestion is marked
        QVERIFY(board == shown && algo.board == searched && History() == before);
        QVERIFY(std::vector<Move>(next_valid, next_valid + n_next_valid) == legal);
    }
};

QTEST_MAIN(KeptGamesTest)
#include "kept_games_test.moc"
