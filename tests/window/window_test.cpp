// The main window: its menus, and the settings kept across runs.
#include "support/window_fixture.h"

#include <QDir>
#include <QDockWidget>
#include <QMouseEvent>

namespace {

QByteArray Settings(const QByteArray& color, const QByteArray& level,
                    const QByteArray& animations) {
    return "[Settings]\nPlayerColor=" + color + "\nLevel=" + level + "\nAnimations=" + animations +
           "\n";
}

// The three keys as saved, in the [Settings] group.
bool Saved(const QByteArray& file, int color, int level, int animations) {
    const int group = file.indexOf("[Settings]");
    return group >= 0 &&
           file.indexOf("PlayerColor=" + QByteArray::number(color) + "\n", group) > group &&
           file.indexOf("Level=" + QByteArray::number(level) + "\n", group) > group &&
           file.indexOf("Animations=" + QByteArray::number(animations) + "\n", group) > group;
}

// Taps point a1 of the board, whatever the widget's size.
void TapA1(BoardWidget* b) {
    TapPoint(b, 0);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitMillTab(); }

    void menusAndCaption() {
        ConfigFolder folder;
        Quarn w;
        QCOMPARE(w.windowTitle(), QString("Nine Men's Morris — Very easy"));
        QStringList bar;
        for (QAction* a : w.menuBar()->actions()) bar << a->text();
        QCOMPARE(bar, QStringList({"&Game", "&Configuration", "&View", "&Help"}));

        // Every item has a mnemonic of its own, and the usual keys; New,
        // Undo, Redo and Close keep their ids.
        QStringList game;
        for (QAction* a : GameMenu(w)->actions()) game << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(game,
                 QStringList({"&New", "-", "&Undo", "&Redo", "&Hint", "&Pause", "Claim &Draw",
                              "R&esign", "&Analyse Game", "-", "&Open Game...", "&Save Game...",
                              "Recent &Games", "S&tatistics", "-", "&Close"}));
        const QList<QAction*> gameItems = GameMenu(w)->actions();
        const QStringList keys[] = {{"Ctrl+N"}, {}, {"Ctrl+Z"}, {"Ctrl+Shift+Z", "Ctrl+Y"},
                                    {"H"},      {}, {},         {},
                                    {},         {}, {},         {},
                                    {},         {}, {},         {"Ctrl+Q"}};
        for (int i = 0; i < 16; ++i)
            for (const QString& key : keys[i])
                QVERIFY2(gameItems[i]->shortcuts().contains(QKeySequence(key)), qPrintable(key));
        for (const auto& [index, id] : {std::pair{0, -2}, {2, -3}, {3, -4}, {15, -5}})
            QCOMPARE(GameMenu(w)->idAt(index), id);
        PopupMenu* levels = SettingMenu(w, "Level");
        QStringList levelTexts;
        for (QAction* a : levels->actions()) levelTexts << a->text();
        QCOMPARE(levelTexts,
                 QStringList({"&Very easy", "&Easy", "&Medium", "&Hard", "Ve&ry hard", "M&aster"}));
        QCOMPARE(GameMenu(w)->objectName(), QString("game_menu"));

        PopupMenu* conf = Popup(w.menuBar()->actions(), "Configuration");
        QCOMPARE(conf->objectName(), QString("conf_menu"));
        QStringList items;
        for (QAction* a : conf->actions()) items << Plain(a);
        QCOMPARE(items, QStringList(
                            {"Player Color", "Level", "Animations", "Sound", "", "Perfect play…"}));

        const struct {
            const char* submenu;
            const char* name;
            QStringList texts;
        } popups[] = {
            {"Player Color", "player_color", {"White", "Black"}},
            {"Level", "level_menu", {"Very easy", "Easy", "Medium", "Hard", "Very hard"}},
            {"Animations", "animations_menu", {"No", "Yes"}},
        };
        for (const auto& p : popups) {
            PopupMenu* menu = SettingMenu(w, p.submenu);
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QString(p.name));
            QVERIFY(menu->isCheckable());
            for (int id = 0; id < p.texts.size(); ++id) QCOMPARE(menu->text(id), p.texts[id]);
        }
    }

    // Undo and Redo are offered exactly when the board would take them:
    // not before a move, not while a move of the game is browsed.
    void undoAndRedoAreOfferedExactlyWhenTheyAct() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* b = PlayingBoard(w);
        PopupMenu* game = GameMenu(w);
        const int undo = game->idAt(2), redo = game->idAt(3);
        const auto offered = [&] {
            return QList<bool>{game->isItemEnabled(undo), game->isItemEnabled(redo)};
        };
        QCOMPARE(offered(), QList<bool>({false, false}));
        TapA1(b);
        QCOMPARE(offered(), QList<bool>({true, false}));
        Choose(game, "Undo");
        QCOMPARE(history_pos, 1);
        QCOMPARE(offered(), QList<bool>({false, true}));
        b->browse(1);
        QCOMPARE(offered(), QList<bool>({false, false}));
        b->stopBrowsing();
        Choose(game, "Redo");
        QCOMPARE(history_pos, 3);
        QCOMPARE(offered(), QList<bool>({true, false}));

        // As Black, before the computer's first move, nothing can be taken back.
        BoxAnswer yes(QMessageBox::Yes);
        Choose(SettingMenu(w, "Player Color"), "Black");
        QCOMPARE(offered(), QList<bool>({false, false}));
    }

    // Full screen and back, the move list and the points' names, which are
    // hidden until chosen and then kept.
    void theViewMenu() {
        ConfigFolder folder;
        {
            Quarn w;
            w.show();
            PopupMenu* view = Popup(w.menuBar()->actions(), "View");
            QCOMPARE(view->objectName(), QString("view_menu"));
            QStringList items;
            for (QAction* a : view->actions()) items << Plain(a);
            QCOMPARE(items, QStringList({"Full screen", "Move list", "Point names"}));
            QVERIFY(view->actions()[0]->shortcuts().contains(QKeySequence(Qt::Key_F11)));
            QCOMPARE(Checked(view), QStringList({"Move list"}));

            Choose(view, "Full screen");
            QTRY_VERIFY(w.isFullScreen());
            QVERIFY(view->isItemChecked(0));
            Choose(view, "Full screen");
            QTRY_VERIFY(!w.isFullScreen());
            QVERIFY(!view->isItemChecked(0));

            QVERIFY(!view->isItemChecked(1));
            QVERIFY(!folder.read().contains("PointNames=1"));
            Choose(view, "Point names");
            QVERIFY(view->isItemChecked(1));
            QVERIFY(folder.read().contains("PointNames=1"));
        }
        Quarn again;
        QVERIFY(Popup(again.menuBar()->actions(), "View")->isItemChecked(1));
    }

    // The move list stands beside the board only where the board keeps the
    // cell it would have without the list.
    void theMoveListNeverTakesTheBoardsRoom() {
        ConfigFolder folder;
        Quarn w;
        w.show();
        const auto* dock = w.findChild<QDockWidget*>("move_list");
        for (const QSize size : {QSize(1280, 800), QSize(800, 600), QSize(500, 300)}) {
            w.resize(size);
            QTRY_COMPARE(w.size(), size);
            QCoreApplication::processEvents();
            const int high = w.height() - w.menuBar()->height();
            const BoardWidget* board = BoardOf(w);
            QCOMPARE(LayoutFor(board->width(), board->height()).cell,
                     LayoutFor(w.width(), high).cell);
            QCOMPARE(dock->isVisible(), size.height() > 300);
        }
    }

    void withoutSettingsFile() {
        ConfigFolder folder;
        Quarn w;
        QCOMPARE(Shown(w), QStringList({"White", "Very easy", "Yes"}));
        QCOMPARE(BoardOf(w)->statusText(), QString("Set your 1. piece"));
        QVERIFY(!QFile::exists(folder.file())); // nothing written until a change
    }

    void storedValuesAreNormalised_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("in range") << Settings("1", "3", "0") << QStringList{"Black", "Hard", "No"};
        QTest::newRow("beyond") << Settings("7", "9", "5") << QStringList{"Black", "Master", "Yes"};
        QTest::newRow("below") << Settings("-1", "-2", "-3")
                               << QStringList{"White", "Very easy", "No"};
        QTest::newRow("text and empty")
            << Settings("black", "", "yes") << QStringList{"White", "Very easy", "Yes"};
        QTest::newRow("fractional")
            << Settings("0.5", "2.5", "0.0") << QStringList{"White", "Very easy", "Yes"};
        QTest::newRow("out of int") << Settings("99999999999", "-99999999999", "2147483648")
                                    << QStringList{"White", "Very easy", "Yes"};
        QTest::newRow("keys missing")
            << QByteArray("[Settings]\nLevel=2\n") << QStringList{"White", "Medium", "Yes"};
        QTest::newRow("group missing") << QByteArray("PlayerColor=1\n[Other]\nLevel=4\n")
                                       << QStringList{"White", "Very easy", "Yes"};
        QTest::newRow("duplicated keys")
            << QByteArray("[Settings]\nLevel=1\nLevel=3\n") << QStringList{"White", "Hard", "Yes"};
        QTest::newRow("empty file") << QByteArray() << QStringList{"White", "Very easy", "Yes"};
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
        QTest::newRow("binary garbage") << garbage << QStringList{"White", "Very easy", "Yes"};
    }
    void storedValuesAreNormalised() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, shown);
        ConfigFolder folder;
        folder.write(file);
        {
            Quarn w;
            QCOMPARE(Shown(w), shown);
            QCOMPARE(BoardOf(w)->statusText(),
                     QString(shown[0] == "White" ? "Set your 1. piece" : "Click to start game"));
            // What was read is written back normalised at the next change
            // (the colour now White).
            Choose(SettingMenu(w, "Player Color"), "White"); // no moves yet: nothing asked
            const QStringList levels{"Very easy", "Easy", "Medium", "Hard", "Very hard", "Master"};
            QVERIFY(Saved(folder.read(), 0, static_cast<int>(levels.indexOf(shown[1])),
                          shown[2] == "Yes"));
            // The game plays (without animations, which only cost time here).
            BoardOf(w)->resize(240, 266);
            BoardOf(w)->updateAnimations(0);
            TapA1(BoardOf(w));
            QCOMPARE(board.board[0], std::int16_t{1});
            QCOMPARE(board.plies, 2);
        }
    }

    void menuChoicesMoveTheCheckSaveAndRestart() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* b = PlayingBoard(w);
        QCOMPARE(Shown(w), QStringList({"White", "Very easy", "No"}));
        QVERIFY(Saved(folder.read(), 0, 0, 0));

        TapA1(b);
        QCOMPARE(history_pos, 3); // the user's move and the reply
        // Animations change nothing in the game.
        Choose(SettingMenu(w, "Animations"), "Yes");
        QCOMPARE(history_pos, 3);
        Choose(SettingMenu(w, "Animations"), "No");

        BoxAnswer yes(QMessageBox::Yes); // to abandoning the game
        Choose(SettingMenu(w, "Level"), "Hard");
        QCOMPARE(Shown(w), QStringList({"White", "Hard", "No"}));
        QVERIFY(Saved(folder.read(), 0, 3, 0));
        QCOMPARE(history_pos, 1); // a new game
        QCOMPARE(board.plies, 0);

        Choose(SettingMenu(w, "Level"), "Very easy");
        TapA1(b);
        Choose(SettingMenu(w, "Player Color"), "Black");
        QCOMPARE(Shown(w), QStringList({"Black", "Very easy", "No"}));
        QVERIFY(Saved(folder.read(), 1, 0, 0));
        QCOMPARE(history_pos, 1);
        QCOMPARE(b->statusText(), QString("Click to start game"));

        // The checked item again: still checked, saved, and a new game.
        TapA1(b);
        QVERIFY(history_pos > 1);
        QFile::remove(folder.file());
        Choose(SettingMenu(w, "Player Color"), "Black");
        QCOMPARE(Checked(SettingMenu(w, "Player Color")), QStringList({"Black"}));
        QVERIFY(Saved(folder.read(), 1, 0, 0));
        QCOMPARE(history_pos, 1);
    }

    void aGameWithMovesIsAbandonedOnlyWhenTheUserSaysSo() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* b = PlayingBoard(w);
        const QString file = folder.path() + "/one.quarn";
        QFile(file).open(QIODevice::WriteOnly);
        TapA1(b);
        const QByteArray settings = folder.read();
        {
            BoxAnswer no(QMessageBox::No);
            Choose(GameMenu(w), "New");
            Choose(SettingMenu(w, "Level"), "Hard");
            Choose(SettingMenu(w, "Player Color"), "Black");
            QVERIFY(!w.openGame(file));
            QCOMPARE(no.texts, QStringList(4, "Abandon the game in progress?"));
        }
        QCOMPARE(history_pos, 3);
        QCOMPARE(Shown(w), QStringList({"White", "Very easy", "No"}));
        QCOMPARE(folder.read(), settings);

        // Without moves, or once the game has ended, nothing is asked.
        BoxAnswer yes(QMessageBox::Yes);
        Choose(GameMenu(w), "New");
        QCOMPARE(yes.texts.size(), 1);
        Choose(SettingMenu(w, "Level"), "Hard");
        QVERIFY(w.openGame(file));
        QCOMPARE(yes.texts.size(), 1);
        QCOMPARE(Shown(w), QStringList({"White", "Hard", "No"}));
    }

    void gameMenuGoesToTheBoard() {
        ConfigFolder folder;
        Quarn w;
        BoardWidget* b = PlayingBoard(w);
        TapA1(b);
        QCOMPARE(history_pos, 3);
        Choose(GameMenu(w), "Undo");
        QCOMPARE(history_pos, 1);
        Choose(GameMenu(w), "Redo");
        QCOMPARE(history_pos, 3);
        BoxAnswer yes(QMessageBox::Yes);
        Choose(GameMenu(w), "New");
        QCOMPARE(history_pos, 1);
        w.show();
        QVERIFY(w.isVisible());
        Choose(GameMenu(w), "Close");
        QVERIFY(!w.isVisible());
    }

    void settingsSurviveARestart() {
        ConfigFolder folder;
        {
            Quarn w;
            Choose(SettingMenu(w, "Player Color"), "Black");
            Choose(SettingMenu(w, "Level"), "Hard");
        }
        Quarn again;
        QCOMPARE(Shown(again), QStringList({"Black", "Hard", "Yes"}));
        QCOMPARE(BoardOf(again)->statusText(), QString("Click to start game"));
    }

    void savedWhenTheWindowGoes() {
        ConfigFolder folder;
        folder.write(Settings("9", "3", "0"));
        {
            Quarn w;
            QFile::remove(folder.file());
        }
        QVERIFY(Saved(folder.read(), 1, 3, 0));
    }

    void foreignKeysSurviveOurWrites() {
        ConfigFolder folder;
        folder.write("# kept by hand\n[General]\nTheme=dark\n[Settings]\nLevel=2\nFutureKey=abc\n"
                     "[Other]\nPath=C:\\dir\\new\n");
        {
            Quarn w;
            Choose(SettingMenu(w, "Level"), "Easy");
        }
        const QByteArray saved = folder.read();
        QVERIFY(Saved(saved, 0, 1, 1));
        for (const char* kept :
             {"# kept by hand", "Theme=dark", "FutureKey=abc", "[Other]", "Path=C:\\dir\\new"})
            QVERIFY2(saved.contains(kept), kept);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
