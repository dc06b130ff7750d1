#include "ui/quarn.h"

#include "engine/endgame.h"
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
#include "ui/recentgamesmenu.h"
#include "ui/settings.h"

#include <QDockWidget>
#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>

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
    levelMenu->insertItem(tr("Very easy"), 0);
    levelMenu->insertItem(tr("Easy"), 1);
    levelMenu->insertItem(tr("Medium"), 2);
    levelMenu->insertItem(tr("Hard"), 3);
    levelMenu->insertItem(tr("Very hard"), 4);
    levelMenu->insertItem(tr("Master"), 5);
    // What each level is, by id, shown while the pointer rests on it.
    const QString levelTips[] = {
        tr("Very easy: a few moves ahead"),
        tr("Easy: a little further ahead, and still easy to trick"),
        tr("Medium: several moves ahead"),
        tr("Hard: a deeper search that seldom misses a mill"),
        tr("Very hard: the deepest search, about a second a move"),
        tr("Master: perfect in every position its tables cover"),
    };
    for (int id = 0; id < static_cast<int>(std::size(levelTips)); ++id)
        levelMenu->setItemToolTip(id, levelTips[id]);

    animationsMenu = SettingMenu("animations_menu", this, SLOT(updateAnimations(int)));
    animationsMenu->insertItem(tr("No"), 0);
    animationsMenu->insertItem(tr("Yes"), 1);

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
    const int hintId = gameMenu->insertItem(tr("Hint"), -1, 4);
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
    connect(recentMenu, &RecentGamesMenu::chosen, this, &Quarn::openGame);
    connect(gameMenu, &QMenu::aboutToShow, this, &Quarn::showGameMenuState);
    connect(gameMenu, &PopupMenu::activated, this, [=, this](int id) {
        if (id == newId) newGame();
        if (id == resignId) resign();
        if (id == hintId) boardWidget->suggestMove();
        if (id == analyseId) analyseGame();
        if (id == openId) chooseGameToOpen();
        if (id == saveId) chooseFileToSave();
    });

    PopupMenu* confMenu = new PopupMenu(nullptr, "conf_menu");
    confMenu->insertItem(tr("Player Color"), colorMenu, -1, -1);
    confMenu->insertItem(tr("Level"), levelMenu, -1, -1);
    confMenu->insertItem(tr("Animations"), animationsMenu, -1, -1);

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
        if (id == aboutId) showAbout(this, kQuarnVersion, kBenchSignature);
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
    moveListDock->setWidget(moveList);
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

    review = new GameReview(this);
    connect(review, &GameReview::finished, this, &Quarn::reviewDone);

    readConfig();
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
    //: The window's title: the game's name, then the level played.
    setWindowTitle(tr("%1 — %2").arg(tr("Nine Men's Morris"), levelMenu->text(session->level())));
}

bool Quarn::mayAbandon() {
    return !session->inProgress() ||
           confirm(tr("Game in progress"), tr("Abandon the game in progress?"));
}

bool Quarn::confirm(const QString& title, const QString& question) {
    // A short title: the box is as wide as its question, and a longer
    // title would be cut on a narrow one.
    return QMessageBox::question(this, title, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void Quarn::newGame() {
    if (mayAbandon()) boardWidget->start();
}

void Quarn::resign() {
    if (confirm(tr("Resign"), tr("Resign this game?"))) boardWidget->resign();
}

void Quarn::updatePlayerColor(int id) {
    // No leaves the game and the check marks as they were.
    if (mayAbandon()) {
        boardWidget->updatePlayerColor(id);
        writeConfig();
    }
    showSettings();
}

void Quarn::updateLevel(int id) {
    // No leaves the game and the check marks as they were.
    if (mayAbandon()) {
        boardWidget->updateLevel(id);
        writeConfig();
    }
    showSettings();
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
