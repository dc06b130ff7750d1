// Whole games against the computer at every level, played by taps on the
// real window to their end, with the time of each of the computer's replies.
#include "support/window_fixture.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <random>

class WholeGamesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitMillTab(); }

    void playedToTheEnd_data() {
        QTest::addColumn<QString>("level");
        for (const char* level : {"Very easy", "Easy", "Medium", "Hard", "Very hard"})
            QTest::newRow(level) << QString(level);
    }

    void playedToTheEnd() {
        QFETCH(QString, level);
        ConfigFolder folder;
        Quarn w;
        BoardWidget* b = PlayingBoard(w);
        Choose(SettingMenu(w, "Level"), level);
        srand(5);
        std::mt19937 rng(5);

        QString ending;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ending = box->text();
                box->accept();
            }
        });
        closer.start(0);

        // The user plays random legal moves, one tap per step: placement,
        // piece, destination, capture. The tap that completes a move returns
        // only after the computer's reply.
        std::vector<double> replies;
        for (int taps = 0; ending.isEmpty() && taps < 2000; ++taps) {
            QVERIFY(n_next_valid > 0);
            const int point = PlayerPoint(b->statusText(), [&](int n) {
                return static_cast<int>(rng() % static_cast<unsigned>(n));
            });
            const int before = history_pos;
            QElapsedTimer timer;
            timer.start();
            TapPoint(b, point);
            if (history_pos == before + 2) replies.push_back(timer.nsecsElapsed() / 1e6);
        }
        QVERIFY2(ending.startsWith("Game over\nYou "), qPrintable(ending));
        // The result stays in the strip after the box.
        QCOMPARE(b->statusText(), ending.mid(10) + ". Click to start game");

        std::sort(replies.begin(), replies.end());
        QVERIFY(!replies.empty());
        qInfo("%s: %s after %d plies; %zu replies, median %.1f ms, worst %.1f ms",
              qPrintable(level), qPrintable(ending.mid(10)), board.plies, replies.size(),
              replies[replies.size() / 2], replies.back());
    }
};

QTEST_MAIN(WholeGamesTest)
#include "whole_games_test.moc"
