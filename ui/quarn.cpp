#include "ui/quarn.h"

#include "engine/signature.h"
#include "platform/config.h"
#include "platform/menubar.h"
#include "platform/popupmenu.h"
#include "quarn_version.h"
#include "ui/boardwidget.h"
#include "ui/helpboxes.h"
#include "ui/movelist.h"
#include "ui/settings.h"

#include <QDockWidget>
#include <QKeySequence>

namespace {

// A checkable popup whose choices go first to the window and then to the
// board, each through its slot `slot`.
PopupMenu* SettingMenu(const char* name, QObject* window, QObject* board, const char* slot) {
    PopupMenu* menu = new PopupMenu(nullptr, name);
    menu->setCheckable(true);
    QObject::connect(menu, SIGNAL(activated(int)), window, slot);
    QObject::connect(menu, SIGNAL(activated(int)), board, slot);
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

// Moves the check mark of `menu` from the item `field` to the item `id`.
void Check(PopupMenu* menu, int& field, int id) {
    menu->setItemChecked(field, false);
    field = id;
    menu->setItemChecked(field, true);
}

} // namespace

Quarn::Quarn(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : QMainWindow(parent, flags) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(tr("Nine Men's Morris"));

    boardWidget = new BoardWidget(this, nullptr, {});
    setCentralWidget(boardWidget);
    boardWidget->show();

    colorMenu = SettingMenu("player_color", this, boardWidget, SLOT(updatePlayerColor(int)));
    colorMenu->insertItem(tr("White"), 0);
    colorMenu->insertItem(tr("Black"), 1);

    levelMenu = SettingMenu("level_menu", this, boardWidget, SLOT(updateLevel(int)));
    levelMenu->insertItem(tr("Very easy"), 0);
    levelMenu->insertItem(tr("Easy"), 1);
    levelMenu->insertItem(tr("Medium"), 2);
    levelMenu->insertItem(tr("Hard"), 3);
    levelMenu->insertItem(tr("Very hard"), 4);

    animationsMenu = SettingMenu("animations_menu", this, boardWidget, SLOT(updateAnimations(int)));
    animationsMenu->insertItem(tr("No"), 0);
    animationsMenu->insertItem(tr("Yes"), 1);

    // Created without a parent, like the popups above, and kept for the
    // whole run.
    PopupMenu* gameMenu = new PopupMenu(nullptr, "game_menu");
    const int newId = gameMenu->insertItem(tr("New"), boardWidget, SLOT(start()), 0, -1, -1);
    gameMenu->insertSeparator();
    const int undoId = gameMenu->insertItem(tr("Undo"), boardWidget, SLOT(undo()), 0, -1, -1);
    const int redoId = gameMenu->insertItem(tr("Redo"), boardWidget, SLOT(redo()), 0, -1, -1);
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
    gameMenu->insertSeparator(5);
    const int openId = gameMenu->insertItem(tr("Open Game..."), -1, 6);
    const int saveId = gameMenu->insertItem(tr("Save Game..."), -1, 7);
    gameMenu->setItemShortcuts(openId, StandardKeys(QKeySequence::Open, {Qt::CTRL | Qt::Key_O}));
    gameMenu->setItemShortcuts(saveId, StandardKeys(QKeySequence::Save, {Qt::CTRL | Qt::Key_S}));
    connect(gameMenu, &PopupMenu::activated, this, [=, this](int id) {
        if (id == hintId) boardWidget->suggestMove();
        if (id == openId) chooseGameToOpen();
        if (id == saveId) chooseFileToSave();
    });

    moveListMenu = new PopupMenu(nullptr, "move_list_menu");
    moveListMenu->setCheckable(true);
    moveListMenu->insertItem(tr("No"), 0);
    moveListMenu->insertItem(tr("Yes"), 1);
    connect(moveListMenu, &PopupMenu::activated, this, [this](int id) {
        Check(moveListMenu, showMoveList, id);
        writeConfig();
        placeMoveList();
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
    viewMenu->insertItem(tr("Move list"), moveListMenu, -1, -1);
    viewMenu->insertItem(tr("Point names"), kPointNamesId);
    connect(viewMenu, &PopupMenu::activated, this, [this](int id) {
        if (id == kFullScreenId) toggleFullScreen();
        if (id != kPointNamesId) return;
        pointNames = 1 - pointNames;
        viewMenu->setItemChecked(kPointNamesId, pointNames);
        boardWidget->showPointNames(pointNames);
        writeConfig();
    });

    PopupMenu* helpMenu = new PopupMenu(nullptr, "help_menu");
    const int rulesId = helpMenu->insertItem(tr("Rules"));
    const int aboutId = helpMenu->insertItem(tr("About Quarn"));
    helpMenu->setItemShortcuts(rulesId, QKeySequence::keyBindings(QKeySequence::HelpContents));
    connect(helpMenu, &PopupMenu::activated, this, [=, this](int id) {
        if (id == rulesId) showRules(this);
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
    boardWidget->setGameListener([this](bool waiting) { gameChanged(waiting); });

    readConfig();
    colorMenu->setItemChecked(playerColor, true);
    levelMenu->setItemChecked(level, true);
    animationsMenu->setItemChecked(animations, true);
    moveListMenu->setItemChecked(showMoveList, true);
    viewMenu->setItemChecked(kPointNamesId, pointNames);
    placeMoveList();
}

Quarn::~Quarn() {
    writeConfig();
    keepGame();
}

void Quarn::readConfig() {
    using namespace settings;
    Config config(kStore, Config::User);
    config.setGroup(kGroup);
    playerColor =
        Normalised(kPlayerColor, config.readNumEntry(kPlayerColor.key, kPlayerColor.fallback));
    boardWidget->updatePlayerColor(playerColor);
    level = Normalised(kLevel, config.readNumEntry(kLevel.key, kLevel.fallback));
    boardWidget->updateLevel(level);
    animations =
        Normalised(kAnimations, config.readNumEntry(kAnimations.key, kAnimations.fallback));
    boardWidget->updateAnimations(animations);
    showMoveList = Normalised(kMoveList, config.readNumEntry(kMoveList.key, kMoveList.fallback));
    pointNames =
        Normalised(kPointNames, config.readNumEntry(kPointNames.key, kPointNames.fallback));
    boardWidget->showPointNames(pointNames);
}

void Quarn::writeConfig() {
    using namespace settings;
    Config config(kStore, Config::User);
    config.setGroup(kGroup);
    config.writeEntry(kPlayerColor.key, playerColor);
    config.writeEntry(kLevel.key, level);
    config.writeEntry(kAnimations.key, animations);
    config.writeEntry(kMoveList.key, showMoveList);
    config.writeEntry(kPointNames.key, pointNames);
}

void Quarn::updatePlayerColor(int id) {
    Check(colorMenu, playerColor, id);
    writeConfig();
}

void Quarn::updateLevel(int id) {
    Check(levelMenu, level, id);
    writeConfig();
}

void Quarn::updateAnimations(int id) {
    Check(animationsMenu, animations, id);
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
