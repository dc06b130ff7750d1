// Thousands of random taps, menu choices and resizes on the real window,
// checking after each one that the game state holds together.
#include "support/window_fixture.h"

#include <QMessageBox>
#include <QTimer>

#include <random>

namespace {

// The user's colour as the window shows it: +1 White, -1 Black.
int UserColour(Quarn& w) {
    return Checked(SettingMenu(w, "Player Color")) == QStringList{"White"} ? 1 : -1;
}

bool HumanState(const QString& status) {
    return status.startsWith("Set your") || status.startsWith("Select") ||
           status.startsWith("Take a");
}

// The invariants between two events; returns what is broken, or "".
QString Broken(Quarn& w) {
    if (history_pos < 0 || history_pos > history_length || history_length > history_size)
        return QString("history counters %1 %2 %3")
            .arg(history_pos)
            .arg(history_length)
            .arg(history_size);
    const QString status = BoardOf(w)->statusText();
    if (!status.startsWith("Take a")) {
        if (!(algo.board == board)) return "the search's position differs from the board";
        Move fresh[200];
        const int n = board.GenMoves(fresh, 200);
        if (n != n_next_valid || !std::equal(fresh, fresh + n, next_valid))
            return "the legal-move list is stale";
    }
    if (HumanState(status) && board.next != UserColour(w))
        return "the user's state with the computer to move: " + status;
    if (status == "Computer is thinking...") return "the computer's state outside its turn";
    return {};
}

} // namespace

class TapSoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitMillTab(); }

    void randomEvents_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 4u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

    void randomEvents() {
        QFETCH(unsigned, seed);
        constexpr int kEvents = 6000;
        ConfigFolder folder;
        Quarn w;
        w.resize(300, 360);
        w.show();
        Choose(SettingMenu(w, "Animations"), "No");
        Choose(SettingMenu(w, "Level"), "Very easy");
        srand(seed);
        std::mt19937 rng(seed);
        const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

        // Game-over boxes and questions are modal; answer each as soon as it
        // shows.
        int boxes = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            // Yes to abandoning a game, OK to the game-over box and to the
            // players of a new game.
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QDialog*>(modal);
                dialog && dialog->objectName() == "new_game")
                dialog->accept();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                ++boxes;
                if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                    yes->click();
                else
                    box->accept();
            }
        });
        closer.start(0);

        BoardWidget* b = BoardOf(w);
        int taps = 0;
        for (int event = 0; event < kEvents; ++event) {
            // Per mille: taps on a point, taps anywhere in or around the
            // widget, Undo and Redo, New, colour, level, resizes. Restarts
            // are rare enough for games to run to their end.
            const int kind = pick(1000);
            if (kind < 800 || kind >= 860) {
                if (kind < 500 || kind >= 860) {
                    const int p =
                        kind < 300 ? pick(24) : PlayerPoint(BoardOf(w)->statusText(), pick);
                    const QRect cell = CellOf(b, p);
                    Tap(b, cell.topLeft() + QPoint(pick(cell.width()), pick(cell.height())));
                } else {
                    Tap(b, QPoint(pick(b->width() + 80) - 40, pick(b->height() + 80) - 40));
                }
                ++taps;
            } else if (kind < 830) {
                Choose(GameMenu(w), pick(2) ? "Undo" : "Redo");
            } else if (kind < 833) {
                Choose(GameMenu(w), "New");
            } else if (kind < 836) {
                Choose(SettingMenu(w, "Player Color"), pick(2) ? "White" : "Black");
            } else if (kind < 838) {
                Choose(SettingMenu(w, "Level"), pick(2) ? "Very easy" : "Easy");
            } else if (kind < 850) {
                b->resize(1 + pick(400), 1 + pick(400));
            } else {
                w.resize(1 + pick(500), 1 + pick(500));
            }
            QCoreApplication::processEvents();
            const QString broken = Broken(w);
            if (!broken.isEmpty())
                QFAIL(
                    qPrintable(QString("seed %1, event %2: %3").arg(seed).arg(event).arg(broken)));
        }
        qInfo("seed %u: %d events, %d taps, %d games over, %d positions recorded", seed, kEvents,
              taps, boxes, history_size);
        QVERIFY(taps > kEvents / 2);
    }
};

QTEST_MAIN(TapSoakTest)
#include "tap_soak_test.moc"
