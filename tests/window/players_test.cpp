// Who plays each side, the statistics of the games against the computer and
// the sound setting, seen through the window.
#include "engine/notation.h"
#include "engine/record.h"
#include "support/window_fixture.h"
#include "ui/gamesession.h"
#include "ui/sounds.h"

#include <QFile>

namespace {

// A game that White wins at ply 31, Black being left with two pieces.
constexpr std::string_view kGame =
    "b2 b4 b6 b5 b3 b1 b8 c2 a7 a6 a8 c8 a1-c8 c8 c5 c1 c7 c3-b6 c5c4 a6b6 a1a2 b6a6 a2a1-b5 "
    "b4b5 a1a2 b5b4 a2a1-b4 a6a5 a1a2 a5a4 a2a1-a4";

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

// Plays `word` through the turn as a person would: the points it names.
void Choose(GameTurn& turn, std::string_view word) {
    const std::optional<Move> m = LegalMoveNamed(turn.session().position(), word);
    QVERIFY(m);
    if (m->start >= 0) turn.choose(m->start);
    turn.choose(m->end);
    if (m->take >= 0) turn.choose(m->take);
}

// The game of kGame with its last `left` moves not played, for `you`.
QByteArray Record(const char* you, int left) {
    std::vector<std::string_view> words = Words(kGame);
    words.resize(words.size() - left);
    QByteArray text = QByteArray("# You: ") + you + "\n# Level: 0 (Very easy)\n";
    for (std::string_view w : words) text += QByteArray(w.data(), w.size()) + ' ';
    return text + '\n';
}

QString Put(const ConfigFolder& folder, const char* name, const QByteArray& bytes) {
    const QString path = folder.path() + '/' + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

} // namespace

class PlayersTest : public QObject {
    Q_OBJECT

private slots:
    void aTwoPlayerGameIsPlayedToItsEndRecordedAndReopened() {
        ConfigFolder folder;
        const QString file = folder.path() + "/two.quarn";
        {
            Quarn w;
            BoardWidget* b = PlayingBoard(w);
            b->session().setPlayers(GameSession::TwoPlayers);
            b->start();
            QCOMPARE(b->statusText(), QString("White: set your 1. piece"));
            b->turn().choose(PointNamed("b2"));
            QCOMPARE(b->statusText(), QString("Black: set your 1. piece"));
            // One ply back at a time.
            Choose(GameMenu(w), "Undo");
            QCOMPARE(b->session().played(), 0);
            BoxAnswer ok;
            for (std::string_view word : Words(kGame)) Choose(b->turn(), word);
            QCOMPARE(b->session().played(), 31);
            QVERIFY(b->session().ended());
            QCOMPARE(ok.texts.size(), 1);
            QVERIFY2(ok.texts[0].startsWith("Game over\nWhite wins. "), qPrintable(ok.texts[0]));
            QVERIFY(w.saveGame(file));
            QVERIFY(w.statistics() == Statistics{}); // not counted
        }
        QVERIFY(QFile(file).open(QIODevice::ReadOnly));
        Quarn w;
        QVERIFY(w.openGame(file));
        const GameSession& s = BoardOf(w)->session();
        QCOMPARE(s.players(), GameSession::TwoPlayers);
        QCOMPARE(s.played(), 31);
        QVERIFY(s.ended());
    }

    void anOldRecordOpensAsAGameAgainstTheComputer() {
        ConfigFolder folder;
        Quarn w;
        BoardOf(w)->session().setPlayers(GameSession::TwoPlayers);
        QVERIFY(w.openGame(Put(folder, "old.quarn", "# You: Black\n# Level: 3 (Hard)\na1\n")));
        const GameSession& s = BoardOf(w)->session();
        QCOMPARE(s.players(), GameSession::AgainstComputer);
        QCOMPARE(s.userColor(), -1);
        QCOMPARE(s.level(), 3);
        QCOMPARE(s.played(), 1);
    }

    void wonLostResignedAndAbandonedGamesAreCountedAndKept() {
        ConfigFolder folder;
        Statistics counted;
        {
            Quarn w;
            BoardWidget* b = PlayingBoard(w);
            BoxAnswer yes(QMessageBox::Yes);
            // Won: the user plays White's last move.
            QVERIFY(w.openGame(Put(folder, "won.quarn", Record("White", 1))));
            Choose(b->turn(), "a2a1-a4");
            // Lost: the computer, White, plays it.
            QVERIFY(w.openGame(Put(folder, "lost.quarn", Record("Black", 1))));
            QVERIFY(b->session().ended());
            // Resigned, then abandoned by opening another game.
            QVERIFY(w.openGame(Put(folder, "resigned.quarn", Record("White", 9))));
            Choose(GameMenu(w), "Resign");
            QVERIFY(w.openGame(Put(folder, "abandoned.quarn", Record("White", 9))));
            QVERIFY(w.openGame(Put(folder, "next.quarn", Record("White", 9))));
            const Statistics::Tally& t = w.statistics().tally(0, 1);
            QCOMPARE(t.games[Statistics::Won], 1);
            QCOMPARE(t.games[Statistics::Lost], 1);
            QCOMPARE(w.statistics().tally(0, -1).games[Statistics::Lost], 1);
            QCOMPARE(t.games[Statistics::Abandoned], 1);
            QCOMPARE(w.statistics().longestStreak(), 1);
            QCOMPARE(w.statistics().lastWin(), QDate::currentDate().toString(Qt::ISODate));
            counted = w.statistics();
        }
        Quarn w;
        QVERIFY(w.statistics() == counted);
    }

    void aDamagedStatisticsFileIsSetAsideAndAFreshCountBegins() {
        ConfigFolder folder;
        QDir().mkpath(folder.path() + "/data/quarn");
        const QString file = folder.path() + "/data/quarn/statistics";
        Put(folder, "data/quarn/statistics", "level 0 white 1 2 3\n");
        {
            Quarn w;
            QVERIFY(w.statistics() == Statistics{});
            QVERIFY(w.openGame(Put(folder, "won.quarn", Record("White", 1))));
            BoxAnswer ok;
            Choose(BoardOf(w)->turn(), "a2a1-a4");
        }
        QCOMPARE(QFile(file + ".bad").open(QIODevice::ReadOnly), true);
        QFile fresh(file);
        QVERIFY(fresh.open(QIODevice::ReadOnly));
        QVERIFY(fresh.readAll().contains("level 0 white 1 0 0 0\n"));
    }

    void aDemoRunsToItsEndWithNoInput() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* b = PlayingBoard(w);
        b->session().setPlayers(GameSession::Demo);
        b->session().setDemoLevels(3, 0);
        b->turn().setDemoPace(std::chrono::milliseconds(1));
        b->start();
        QVERIFY(b->statusText().startsWith("Computer against computer"));
        b->turn().choose(PointNamed("a1")); // the board takes no choice
        QTRY_VERIFY_WITH_TIMEOUT(b->session().ended(), 120000);
        QVERIFY(b->session().played() > 0);
        QVERIFY(w.statistics() == Statistics{});
        // A level chosen is a game against the computer at that level.
        Choose(SettingMenu(w, "Level"), "Hard");
        QCOMPARE(b->session().players(), GameSession::AgainstComputer);
        QCOMPARE(b->statusText(), QString("Set your 1. piece"));
    }

    void theSoundSettingIsKeptAndNoSoundIsTriedWhileItIsOff() {
        ConfigFolder folder;
        {
            Quarn w;
            BoardWidget* b = PlayingBoard(w);
            QCOMPARE(Checked(SettingMenu(w, "Sound")), QStringList({"No"}));
            b->turn().choose(PointNamed("a1"));
            b->turn().choose(PointNamed("a1")); // refused
            QCOMPARE(w.sound().attempts(), 0);
            Choose(SettingMenu(w, "Sound"), "Yes");
            b->turn().choose(PointNamed("a1"));
            QVERIFY(w.sound().attempts() > 0);
        }
        Quarn w;
        QCOMPARE(Checked(SettingMenu(w, "Sound")), QStringList({"Yes"}));
    }
};

QTEST_MAIN(PlayersTest)
#include "players_test.moc"
