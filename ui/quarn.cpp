#include "ui/quarn.h"

#include "engine/endgame/endgame.h"
#include "engine/signature.h"
#include "platform/config.h"
#include "platform/menubar.h"
#include "platform/popupmenu.h"
#include "quarn_version.h"
#include "ui/boardwidget.h"
#include "ui/gamereview.h"
#include "ui/gamesession.h"
#include "ui/helpboxes.h"
#include "ui/movelist.h"
#include "ui/movelistfollower.h"
#include "ui/newgamedialog.h"
#include "ui/perfectplaybuild.h"
#include "ui/perfectplaydialog.h"
#include "ui/recentgamesmenu.h"
#include "ui/settings.h"
#include "ui/sounds.h"
#include "ui/statisticsdialog.h"

#include <QDockWidget>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// A checkable popup whose choices go to the window's slot `slot`.
PopupMenu* SettingMenu(const char* name, QObject* window, const char* slot) {
    PopupMenu* menu = new PopupMenu(nullptr, name);
    menu->setCheckable(true);
    QObject::connect(menu, SIGNAL(activated(int)), window, slot);
    return menu;
}

// The desktop's keys for `standard`, followed by those of `usual` that
// they lack.
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey standard,
                                 std::initializer_list<QKeyCombination> usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (QKeyCombination key : usual)
        if (!keys.contains(QKeySequence(key))) keys.append(QKeySequence(key));
    return keys;
}

// The keys of the items of `menus` that have any, as the Rules list them:
// the keys in the desktop's words, and the item's text.
QList<HelpBoxes::MenuKey> MenuKeys(std::initializer_list<const PopupMenu*> menus) {
    QList<HelpBoxes::MenuKey> keys;
    for (const PopupMenu* menu : menus)
        for (int i = 0; i < menu->count(); ++i) {
            const QList<QKeySequence> shortcuts = menu->actions().at(i)->shortcuts();
            QStringList names;
            for (const QKeySequence& key : shortcuts)
                names << key.toString(QKeySequence::NativeText);
            if (!names.isEmpty()) keys.append({names.join(", "), menu->text(menu->idAt(i))});
        }
    return keys;
}

// Checks the item `id` of `menu` and no other.
void CheckOnly(PopupMenu* menu, int id) {
    for (int i = 0; i < menu->count(); ++i)
        if (menu->idAt(i) != -1) menu->setItemChecked(menu->idAt(i), menu->idAt(i) == id);
}

} // namespace

Quarn::Quarn(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : QMainWindow(parent, flags) {
    setObjectName(QString::fromLatin1(name));

    session = new GameSession(this);
    session->openTables(DefaultTableFolders());
    boardWidget = new BoardWidget(this, nullptr, {}, *session);
    setCentralWidget(boardWidget);
    boardWidget->show();

    colorMenu = SettingMenu("player_color", this, SLOT(updatePlayerColor(int)));
    colorMenu->insertItem(tr("White"), 0);
    colorMenu->insertItem(tr("Black"), 1);

    levelMenu = SettingMenu("level_menu", this, SLOT(updateLevel(int)));
    for (const Level& level : kLevelTable) {
        levelMenu->insertItem(tr(level.name), level.id);
        // What the level is, shown while the pointer rests on it.
        levelMenu->setItemToolTip(level.id, tr(level.tip));
    }

    animationsMenu = SettingMenu("animations_menu", this, SLOT(updateAnimations(int)));
    animationsMenu->insertItem(tr("No"), 0);
    animationsMenu->insertItem(tr("Yes"), 1);

    sounds = new Sounds(this);
    soundMenu = SettingMenu("sound_menu", this, SLOT(updateSound(int)));
    soundMenu->insertItem(tr("No"), 0);
    soundMenu->insertItem(tr("Yes"), 1);

    // Created without a parent, like the popups above, and kept for the
    // whole run.
    gameMenu = new PopupMenu(nullptr, "game_menu");
    const int newId = gameMenu->insertItem(tr("New"), -1, -1);
    gameMenu->insertSeparator();
    undoId = gameMenu->insertItem(tr("Undo"), boardWidget, SLOT(undo()), 0, -1, -1);
    redoId = gameMenu->insertItem(tr("Redo"), boardWidget, SLOT(redo()), 0, -1, -1);
    gameMenu->insertSeparator();
    const int closeId = gameMenu->insertItem(tr("Close"), this, SLOT(close()), 0, -1, -1);
    // The desktop's standard keys, with the usual ones wherever a desktop
    // lacks them (both of them for Redo).
    gameMenu->setItemShortcuts(newId, StandardKeys(QKeySequence::New, {Qt::CTRL | Qt::Key_N}));
    gameMenu->setItemShortcuts(undoId, StandardKeys(QKeySequence::Undo, {Qt::CTRL | Qt::Key_Z}));
    gameMenu->setItemShortcuts(
        redoId,
        StandardKeys(QKeySequence::Redo, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}));
    gameMenu->setItemShortcuts(closeId, StandardKeys(QKeySequence::Quit, {Qt::CTRL | Qt::Key_Q}));
    // The items for kept games stand between Redo and Close; they are
    // inserted after Close so that New, Undo, Redo and Close keep the ids
    // they have always had.
    hintId = gameMenu->insertItem(tr("Hint"), -1, 4);
    gameMenu->setItemShortcuts(hintId, {QKeySequence(Qt::Key_H)});
    claimId = gameMenu->insertItem(tr("Claim Draw"), boardWidget, SLOT(claimDraw()), 0, -1, 5);
    resignId = gameMenu->insertItem(tr("Resign"), -1, 6);
    const int analyseId = gameMenu->insertItem(tr("Analyse Game"), -1, 7);
    gameMenu->insertSeparator(8);
    const int openId = gameMenu->insertItem(tr("Open Game..."), -1, 9);
    const int saveId = gameMenu->insertItem(tr("Save Game..."), -1, 10);
    gameMenu->setItemShortcuts(openId, StandardKeys(QKeySequence::Open, {Qt::CTRL | Qt::Key_O}));
    gameMenu->setItemShortcuts(saveId, StandardKeys(QKeySequence::Save, {Qt::CTRL | Qt::Key_S}));
    recentMenu = new RecentGamesMenu(recent, colorMenu, levelMenu);
    gameMenu->insertItem(tr("Recent Games"), recentMenu, -1, 11);
    // Pause stops the computer's game against itself, and goes on with it.
    pauseId = gameMenu->insertItem(tr("Pause"), -1, 5);
    const int statisticsId = gameMenu->insertItem(tr("Statistics"), -1, 13);
    connect(recentMenu, &RecentGamesMenu::chosen, this, &Quarn::openGame);
    connect(gameMenu, &QMenu::aboutToShow, this, &Quarn::showGameMenuState);
    connect(gameMenu, &PopupMenu::activated, this, [=, this](int id) {
        if (id == newId) newGame();
        if (id == resignId) resign();
        if (id == hintId) boardWidget->suggestMove();
        if (id == analyseId) analyseGame();
        if (id == openId) chooseGameToOpen();
        if (id == saveId) chooseFileToSave();
        if (id == pauseId) boardWidget->turn().pauseDemo(!boardWidget->turn().demoPaused());
        if (id == statisticsId) showStatistics();
    });

    PopupMenu* confMenu = new PopupMenu(nullptr, "conf_menu");
    confMenu->insertItem(tr("Player Color"), colorMenu, -1, -1);
    confMenu->insertItem(tr("Level"), levelMenu, -1, -1);
    confMenu->insertItem(tr("Animations"), animationsMenu, -1, -1);
    confMenu->insertItem(tr("Sound"), soundMenu, -1, -1);
    confMenu->insertSeparator();
    const int perfectId = confMenu->insertItem(tr("Perfect play…"));
    connect(confMenu, &PopupMenu::activated, this, [=, this](int id) {
        if (id == perfectId) showPerfectPlay();
    });

    // How the window shows the game: full screen, the move list, the names
    // of the points. F11 is the usual key where the desktop has none.
    viewMenu = new PopupMenu(nullptr, "view_menu");
    viewMenu->setCheckable(true);
    viewMenu->insertItem(tr("Full screen"), kFullScreenId);
    viewMenu->setItemShortcuts(kFullScreenId,
                               StandardKeys(QKeySequence::FullScreen, {Qt::Key_F11}));
    moveListId = viewMenu->insertItem(tr("Move list"));
    viewMenu->insertItem(tr("Point names"), kPointNamesId);
    connect(viewMenu, &PopupMenu::activated, this, [this](int id) {
        if (id == kFullScreenId) toggleFullScreen();
        if (id == moveListId) {
            showMoveList = 1 - showMoveList;
            viewMenu->setItemChecked(moveListId, showMoveList);
            writeConfig();
            placeMoveList();
        }
        if (id != kPointNamesId) return;
        boardWidget->showPointNames(!boardWidget->pointNamesShown());
        viewMenu->setItemChecked(kPointNamesId, boardWidget->pointNamesShown());
        writeConfig();
    });

    PopupMenu* helpMenu = new PopupMenu(nullptr, "help_menu");
    const int rulesId = helpMenu->insertItem(tr("Rules"));
    const int aboutId = helpMenu->insertItem(tr("About Quarn"));
    helpMenu->setItemShortcuts(rulesId, QKeySequence::keyBindings(QKeySequence::HelpContents));
    connect(helpMenu, &PopupMenu::activated, this, [=, this](int id) {
        if (id == rulesId) showRules(this, MenuKeys({gameMenu, viewMenu, helpMenu}));
        if (id == aboutId)
            showAbout(this, kQuarnVersion, kBenchSignature, PlaysPerfectly(session->tables()));
    });

    MenuBar* menuBar = new MenuBar(this, nullptr);
    menuBar->insertItem(tr("Game"), gameMenu);
    menuBar->insertItem(tr("Configuration"), confMenu);
    menuBar->insertItem(tr("View"), viewMenu);
    menuBar->insertItem(tr("Help"), helpMenu);

    // The moves played, beside the board when there is room.
    moveList = new MoveList;
    moveListDock = new QDockWidget(this);
    moveListDock->setObjectName("move_list");
    // Above the list, the result of the last review of the game, while it
    // holds.
    reviewLine = new QLabel;
    reviewLine->setObjectName("review_result");
    reviewLine->setWordWrap(true);
    reviewLine->setContentsMargins(4, 2, 4, 2);
    reviewLine->hide();
    auto* listPane = new QWidget;
    auto* listLayout = new QVBoxLayout(listPane);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(reviewLine);
    listLayout->addWidget(moveList, 1);
    moveListDock->setWidget(listPane);
    moveListDock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    moveListDock->setTitleBarWidget(new QWidget(moveListDock)); // no title bar
    addDockWidget(Qt::RightDockWidgetArea, moveListDock);
    // A click on a move shows the position after it; Escape, or a click on
    // the last move played, returns to the game.
    new MoveListFollower(*moveList, boardWidget->turn());
    // Tab goes from the board to the list and back.
    setTabOrder(boardWidget, moveList);
    connect(session, &GameSession::changed, this, &Quarn::gameChanged);

    endBrowsing = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    endBrowsing->setEnabled(false);
    connect(endBrowsing, &QShortcut::activated, boardWidget, &BoardWidget::stopBrowsing);
    connect(boardWidget, &BoardWidget::browsed, this, [this](int count) {
        endBrowsing->setEnabled(count >= 0);
        showGameMenuState();
    });

    connectSounds();
    stats = statisticsFile.load();

    review = new GameReview(this);
    connect(review, &GameReview::finished, this, &Quarn::reviewDone);

    // A build of the whole game that the end of the last run cut short goes
    // on, without a word, in the background.
    perfectBuild = new PerfectPlayBuild(this);
    connect(perfectBuild, &PerfectPlayBuild::built, this, &Quarn::tablesBuilt);
    perfectBuild->resumeInterrupted();

    readConfig();
    nameMaster();
    showSettings();
    viewMenu->setItemChecked(moveListId, showMoveList);
    viewMenu->setItemChecked(kPointNamesId, boardWidget->pointNamesShown());
    placeMoveList();
    showGameMenuState();
}

Quarn::~Quarn() {
    writeConfig();
    keepGame();
    // The review's worker reads the session's tables: it stops, and is
    // waited for, before the session goes with the window's other children.
    delete review;
}

void Quarn::readConfig() {
    using namespace settings;
    Config config(kStore, Config::User);
    config.setGroup(kGroup);
    const auto read = [&config](const Setting& s) {
        return Normalised(s, config.readNumEntry(s.key, s.fallback));
    };
    session->setUserColor(GameSession::colorOfItem(read(kPlayerColor)));
    session->setLevel(read(kLevel));
    boardWidget->updateAnimations(read(kAnimations));
    showMoveList = read(kMoveList);
    lastFolder = config.readEntry(kLastFolder);
    boardWidget->showPointNames(read(kPointNames) != 0);
    session->setPlayers(read(kPlayers));
    session->setDemoLevels(read(kDemoWhiteLevel), read(kDemoBlackLevel));
    sounds->setOn(Normalised(kSound, config.readNumEntry(kSound.key, Sounds::onByDefault())) != 0);
    // One game, with both settings in place.
    boardWidget->start();
}

void Quarn::writeConfig() {
    using namespace settings;
    Config config(kStore, Config::User);
    config.setGroup(kGroup);
    config.writeEntry(kPlayerColor.key, GameSession::itemOfColor(session->userColor()));
    config.writeEntry(kLevel.key, session->level());
    config.writeEntry(kAnimations.key, boardWidget->animationsOn() ? 1 : 0);
    config.writeEntry(kMoveList.key, showMoveList);
    config.writeEntry(kPointNames.key, boardWidget->pointNamesShown() ? 1 : 0);
    config.writeEntry(kPlayers.key, session->players());
    config.writeEntry(kDemoWhiteLevel.key, session->demoLevel(1));
    config.writeEntry(kDemoBlackLevel.key, session->demoLevel(-1));
    config.writeEntry(kSound.key, sounds->on() ? 1 : 0);
    if (!lastFolder.isEmpty()) config.writeEntry(kLastFolder, lastFolder);
    const bool saved = config.save();
    if (saved == !settingsUnsaved) return;
    settingsUnsaved = !saved;
    showWriteProblems();
}

void Quarn::showSettings() {
    CheckOnly(colorMenu, GameSession::itemOfColor(session->userColor()));
    CheckOnly(levelMenu, session->level());
    CheckOnly(animationsMenu, boardWidget->animationsOn() ? 1 : 0);
    CheckOnly(soundMenu, sounds->on() ? 1 : 0);
    //: The window's title: the game's name, then the level played.
    setWindowTitle(tr("%1 — %2").arg(tr("Nine Men's Morris"), levelMenu->text(session->level())));
}

bool Quarn::mayAbandon() {
    if (!session->inProgress()) return true;
    if (!confirm(tr("Game in progress"), tr("Abandon the game in progress?"))) return false;
    countGame(Statistics::Abandoned);
    return true;
}

bool Quarn::confirm(const QString& title, const QString& question) {
    // A short title: the box is as wide as its question, and a longer
    // title would be cut on a narrow one.
    return QMessageBox::question(this, title, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void Quarn::newGame() {
    QStringList levels;
    for (int level = 0; level < levelMenu->count(); ++level) levels << levelMenu->text(level);
    NewGameDialog ask(this, session->players(), session->demoLevel(1), session->demoLevel(-1),
                      levels);
    if (ask.exec() != QDialog::Accepted || !mayAbandon()) return;
    session->setPlayers(ask.players());
    session->setDemoLevels(ask.whiteLevel(), ask.blackLevel());
    boardWidget->turn().pauseDemo(false);
    boardWidget->start();
    writeConfig();
}

void Quarn::resign() {
    if (confirm(tr("Resign"), tr("Resign this game?"))) boardWidget->resign();
}

void Quarn::updatePlayerColor(int id) {
    // No leaves the game and the check marks as they were. Both settings
    // are the game against the computer's: the new game is one.
    if (mayAbandon()) {
        session->setPlayers(GameSession::AgainstComputer);
        boardWidget->updatePlayerColor(id);
        writeConfig();
    }
    showSettings();
}

void Quarn::updateLevel(int id) {
    // No leaves the game and the check marks as they were. Both settings
    // are the game against the computer's: the new game is one.
    if (mayAbandon()) {
        session->setPlayers(GameSession::AgainstComputer);
        boardWidget->updateLevel(id);
        writeConfig();
    }
    showSettings();
}

void Quarn::updateSound(int id) {
    sounds->setOn(id != 0);
    showSettings();
    writeConfig();
}

void Quarn::updateAnimations(int id) {
    boardWidget->updateAnimations(id);
    showSettings();
    writeConfig();
}

void Quarn::toggleFullScreen() {
    // Back to the window as it was: maximised, as it starts, or not.
    if (!isFullScreen()) {
        wasMaximized = isMaximized();
        showFullScreen();
    } else if (wasMaximized) {
        showMaximized();
    } else {
        showNormal();
    }
}

void Quarn::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Also when the desktop itself takes the window out of full screen.
    if (event->type() == QEvent::WindowStateChange)
        viewMenu->setItemChecked(kFullScreenId, isFullScreen());
}

void Quarn::showPerfectPlay() {
    if (!perfectDialog) perfectDialog = new PerfectPlayDialog(this, *perfectBuild);
    perfectDialog->setWholeGameBuilt(PlaysPerfectly(session->tables()));
    perfectDialog->show();
    perfectDialog->raise();
    perfectDialog->activateWindow();
}

void Quarn::tablesBuilt() {
    // A review's worker reads the tables about to be replaced: it stops
    // first, and the user may ask again with the new ones.
    if (review->running()) stopReview();
    review->waitForWorkers();
    session->openTables(DefaultTableFolders());
    nameMaster();
    showSettings();
    if (perfectDialog) perfectDialog->setWholeGameBuilt(PlaysPerfectly(session->tables()));
}

void Quarn::nameMaster() {
    const Level& master = kLevelTable[kMasterLevel];
    const bool perfect = PlaysPerfectly(session->tables());
    const QString text = perfect ? tr("Master (perfect)") : tr(master.name);
    if (levelMenu->text(master.id) == text) return;
    int index = 0;
    while (levelMenu->idAt(index) != master.id) ++index;
    // An item's text is fixed when it is made: Master's is made again, in
    // its place; the check marks follow in showSettings.
    QAction* item = levelMenu->actions().at(index);
    levelMenu->removeAction(item);
    delete item;
    levelMenu->insertItem(text, master.id, index);
    levelMenu->setItemToolTip(
        master.id, perfect
                       ? tr("Master: plays perfectly, the whole game is solved on this computer")
                       : tr(master.tip));
}
