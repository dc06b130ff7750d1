// How long a whole turn takes with animations on: from the user's last
// click of a move to the computer's reply at rest on the board, over one
// game at "Very hard" in which the user plays the legal moves in turn.
// Built with the tests but not run by them: run it alone to see the median
// and the slowest turn, with -no-animations for the search's share.

#include "engine/game.h"
#include "support/test_session.h"
#include "ui/boardwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InitMillTab();
    BoardWidget w(nullptr, nullptr, {}, Session());
    w.resize(480, 520);
    w.show();
    w.updateAnimations(!QApplication::arguments().contains("-no-animations"));
    w.updatePlayerColor(0);
    w.updateLevel(4);
    QApplication::processEvents();
    // The game-over box closes as soon as it is up.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    closer.start(20);

    std::vector<double> turns;
    QElapsedTimer clock;
    // The user's moves are chosen by a fixed rule so that the game can be
    // played again; a move's clicks before its last do not count.
    for (int n = 0; !Session().ended() && turns.size() < 60; ++n) {
        const Move m = next_valid[(n * 7) % n_next_valid];
        if (m.start >= 0) w.turn().choose(m.start);
        if (m.take >= 0) w.turn().choose(m.end);
        clock.start();
        w.turn().choose(m.take >= 0 ? m.take : m.end);
        turns.push_back(clock.nsecsElapsed() / 1e9);
        std::printf("%.3f ", turns.back());
    }
    std::vector<double> sorted = turns;
    std::sort(sorted.begin(), sorted.end());
    std::printf("turns %zu, median %.3f s, slowest %.3f s\n", sorted.size(),
                sorted[sorted.size() / 2], sorted.back());
    return 0;
}
