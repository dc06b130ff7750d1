// Games kept across runs and in files: the game in progress survives a
// restart with what Undo and Redo can reach and in its own colour, a saved
// record opens to the same game, a bad record is refused by its line and
// changes nothing, a write that fails is told, long games cost no more per
// move than short ones, and a hint leaves the game as it was.
#include "support/window_fixture.h"

#include "support/permissions.h"

#include "engine/record.h"
#include "ui/gamesession.h"

#include <QElapsedTimer>
#include <QStatusBar>

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
    return {history.begin(), history.begin() + history_length};
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A legal game of `plies` moves that goes on for ever: placements that
// close no mill, then each side sliding a piece to and fro.
std::vector<Move> EndlessGame(int plies) {
    Board b;
    b.Init();
    std::vector<Move> moves;
    Move last[2] = {{-1, -1, -1}, {-1, -1, -1}};
    while (static_cast<int>(moves.size()) < plies) {
        Move legal[kMaxMoves];
        const int n = b.GenMoves(legal, kMaxMoves);
        Move& mine = last[b.next == 1 ? 0 : 1];
        const Move back(mine.end, mine.start, -1);
        const Move* pick = std::find(legal, legal + n, back);
        if (pick == legal + n)
            pick = std::find_if(legal, legal + n, [](const Move& m) { return m.take == -1; });
        if (pick == legal + n) break;
        mine = *pick;
        b.DoMove(*pick);
        moves.push_back(*pick);
    }
    return moves;
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
        BoxAnswer yes(QMessageBox::Yes);
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

    // The record's level is played, shown and kept with the game; the
    // Level menu follows.
    void anOpenedGameIsPlayedAtItsLevel() {
        ConfigFolder folder;
        const QString file = folder.path() + "/hard.quarn";
        Write(file, "# Level: 3 (Hard)\n# You: Black\n1. a1\n");
        Quarn w;
        QVERIFY(w.openGame(file));
        QCOMPARE(BoardOf(w)->session().level(), 3);
        QCOMPARE(Checked(SettingMenu(w, "Level")), QStringList({"Hard"}));
        QCOMPARE(w.windowTitle(), QString("Nine Men's Morris — Hard"));
        QVERIFY(folder.read().contains("Level=3\n"));
        QCOMPARE(BoardOf(w)->session().record(true).level, 3); // what is kept
    }

    // A game that ends is kept, once, among the recent games, and reopens
    // from Game / Recent Games as it ended.
    void aFinishedGameIsKeptAmongTheRecentGamesAndReopens() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* b = PlayingBoard(w);
        Play(b, 3);
        const std::vector<Move> moves = game_moves();
        {
            BoxAnswer yes(QMessageBox::Yes);
            Choose(GameMenu(w), "Resign");
        }
        QVERIFY(!BoardOf(w)->session().inProgress());
        Choose(GameMenu(w), "Undo");
        {
            BoxAnswer yes(QMessageBox::Yes);
            Choose(GameMenu(w), "Resign"); // the same ending again
            Choose(GameMenu(w), "New");
        }
        PopupMenu* recent = Popup(GameMenu(w)->actions(), "Recent Games");
        QVERIFY(recent);
        emit recent->aboutToShow();
        QCOMPARE(recent->count(), 1);
        QVERIFY2(recent->text(0).contains("You resigned (White, Very easy)"),
                 qPrintable(recent->text(0)));

        Choose(recent, recent->text(0));
        QVERIFY(game_moves() == moves);
        QCOMPARE(BoardOf(w)->session().result(), GameResult::WhiteResigns);
        QCOMPARE(b->statusText(), QString("You resigned. Click to start game"));
        emit recent->aboutToShow();
        QCOMPARE(recent->count(), 1); // opening it does not keep it again
    }

    void aBadRecordIsRefusedByItsLineAndChangesNothing() {
        ConfigFolder folder;
        Quarn w;
        Play(PlayingBoard(w), 2);
        const std::vector<Board> before = History();
        const QString file = folder.path() + "/bad.quarn";
        Write(file, "# Quarn game record\n1. a1 b2\n2. a1 c3\n");
        // Invisible and direction-changing characters are shown by their code.
        const QString file2 = folder.path() + QString::fromUtf8("/evil\u202Egpj.quarn");
        Write(file2, "1. a1 \xE2\x80\xA8"
                     "b2\n");
        BoxAnswer box;
        QVERIFY(!w.openGame(file));
        QVERIFY(!w.openGame(file2));
        QVERIFY2(box.texts.value(0).contains("Line 3: the move a1 cannot be played there."),
                 qPrintable(box.texts.value(0)));
        QVERIFY(box.texts.value(1).contains("evil\\u{202E}gpj.quarn"));
        QVERIFY2(box.texts.value(1).contains("\\u{2028}"), qPrintable(box.texts.value(1)));
        QVERIFY(!box.texts.value(1).contains(QChar(0x202E)));
        QVERIFY(History() == before);
        QCOMPARE(history_pos, 5);

        // A failed save says why.
        QVERIFY(!w.saveGame(file + "/inside.quarn"));
        QVERIFY2(box.texts.value(2).contains("Not a directory"), qPrintable(box.texts.join("|")));
    }

    void aKeptGameResumesInItsOwnColour() {
        ConfigFolder folder;
        std::vector<Board> before;
        {
            Quarn w;
            w.resumeGame();
            BoardWidget* b = PlayingBoard(w);
            Choose(SettingMenu(w, "Player Color"), "Black");
            Tap(b, QPoint(5, 5)); // the computer opens
            Play(b, 1);
            before = History();
        }
        QFile::remove(folder.file());
        {
            Quarn w;
            w.resumeGame();
            QVERIFY(History() == before);
            QCOMPARE(Checked(SettingMenu(w, "Player Color")), QStringList({"Black"}));
        }
        QVERIFY(folder.read().contains("PlayerColor=1"));

        // Without the colour in the record, the setting's; without a move,
        // the user as Black waits for a tap as after New.
        Write(folder.gameFile(), "# Quarn game record\n1. a1\n");
        {
            Quarn w;
            w.resumeGame();
            QCOMPARE(history_pos, 2);
            QCOMPARE(BoardOf(w)->statusText(), QString("Set your 1. piece"));
        }
        Write(folder.gameFile(), "# Quarn game record\n# You: Black\n");
        folder.write("[Settings]\nPlayerColor=0\n");
        Quarn empty;
        empty.resumeGame();
        QCOMPARE(history_pos, 1);
        QCOMPARE(BoardOf(empty)->statusText(), QString("Click to start game"));
        QCOMPARE(Checked(SettingMenu(empty, "Player Color")), QStringList({"Black"}));
    }

    void theComputersMoveOnARestoredGameIsKeptAtOnce() {
        ConfigFolder folder;
        Write(folder.gameFile(), "# Quarn game record\n# You: Black\n1. a1 b1\n2. c4 b2\n");
        Quarn w;
        w.resumeGame(); // the computer, White, moves at once
        QCOMPARE(history_pos, 6);
        // In the store before any input, and before any event is handled.
        GameRecord kept;
        RecordError error;
        QVERIFY(ReadGameRecord(Read(folder.gameFile()).toStdString(), kept, error));
        QCOMPARE(kept.moves.size(), std::size_t{5});
    }

    void aGameThatCannotBeWrittenIsToldOnceAndTriedAgain() {
        ConfigFolder folder;
        Write(folder.path() + "/state", "a file where the folder should be");
        QVERIFY(QDir(folder.path()).mkdir("Quarn.conf"));
        {
            Quarn w;
            w.resumeGame();
            BoardWidget* b = PlayingBoard(w); // the settings cannot be saved
            QVERIFY(w.writeProblems().contains("settings cannot be saved"));
            Play(b, 1);
            QVERIFY(w.writeProblems().contains("game in progress cannot be kept"));
            QVERIFY(!w.statusBar()->isHidden());

            QFile::remove(folder.path() + "/state");
            QDir(folder.path()).rmdir("Quarn.conf");
            Play(b, 1);
            Choose(SettingMenu(w, "Animations"), "No");
            QCOMPARE(w.writeProblems(), QString());
            QVERIFY(w.statusBar()->isHidden());
            QVERIFY(Read(folder.gameFile()).contains("2. "));
        }

        // A bad kept game that cannot be set aside is never written over.
        Write(folder.gameFile(), "not a game\n");
        PermissionChecks asUser;
        QFile::setPermissions(folder.path() + "/state/quarn", QFile::ReadOwner | QFile::ExeOwner);
        Quarn again;
        again.resumeGame();
        Play(PlayingBoard(again), 1);
        QFile::setPermissions(folder.path() + "/state/quarn",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(Read(folder.gameFile()), QByteArray("not a game\n"));
        QVERIFY(again.writeProblems().contains("cannot be kept"));
    }

    void aLongGameCostsLittleMorePerMoveThanAShortOne() {
        ConfigFolder folder;
        GameRecord r;
        r.userColor = 1;
        r.moves = EndlessGame(120000);
        QCOMPARE(r.moves.size(), std::size_t(120000));
        const QString file = folder.path() + "/long.quarn";
        const std::string text = WriteGameRecord(r).value();
        Write(file, QByteArray(text.data(), static_cast<qsizetype>(text.size())));

        QElapsedTimer timer;
        qint64 open = 0, turn = 0, restore = 0;
        {
            Quarn w;
            w.resumeGame();
            BoardWidget* b = PlayingBoard(w);
            timer.start();
            QVERIFY(w.openGame(file));
            open = timer.restart();
            Play(b, 1);
            turn = timer.elapsed();
            QCOMPARE(history_pos, 120003);
        }
        timer.start();
        Quarn again;
        again.resumeGame();
        restore = timer.elapsed();
        QCOMPARE(history_pos, 120003);
        qInfo("120000 moves: open %lld ms, one turn %lld ms, restore %lld ms", open, turn, restore);
        QVERIFY(open < 1000 && turn < 1000 && restore < 1000);
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
