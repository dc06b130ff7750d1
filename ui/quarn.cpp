#include "ui/quarn.h"

#include "platform/config.h"
#include "platform/menubar.h"
#include "platform/popupmenu.h"
#include "ui/boardwidget.h"
#include "ui/settings.h"

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

    PopupMenu* confMenu = new PopupMenu(nullptr, "conf_menu");
    confMenu->insertItem(tr("Player Color"), colorMenu, -1, -1);
    confMenu->insertItem(tr("Level"), levelMenu, -1, -1);
    confMenu->insertItem(tr("Animations"), animationsMenu, -1, -1);

    MenuBar* menuBar = new MenuBar(this, nullptr);
    menuBar->insertItem(tr("Game"), gameMenu);
    menuBar->insertItem(tr("Configuration"), confMenu);

    readConfig();
    colorMenu->setItemChecked(playerColor, true);
    levelMenu->setItemChecked(level, true);
    animationsMenu->setItemChecked(animations, true);
}

Quarn::~Quarn() {
    writeConfig();
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
}

void Quarn::writeConfig() {
    using namespace settings;
    Config config(kStore, Config::User);
    config.setGroup(kGroup);
    config.writeEntry(kPlayerColor.key, playerColor);
    config.writeEntry(kLevel.key, level);
    config.writeEntry(kAnimations.key, animations);
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
