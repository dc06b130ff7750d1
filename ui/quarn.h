// The main window: the board as its only content, the Game and
// Configuration menus, and the three settings, read once at construction
// and saved after every change and when the window goes away.
#pragma once

#include <QMainWindow>

class BoardWidget;
class PopupMenu;

class Quarn : public QMainWindow {
    Q_OBJECT

public:
    explicit Quarn(QWidget* parent = nullptr, const char* name = nullptr,
                   Qt::WindowFlags flags = {});
    ~Quarn() override;

    // Reads the settings into the fields and hands each to the board.
    void readConfig();
    // Saves all three settings.
    void writeConfig();

protected slots:
    // Each receives the id of the item chosen in its popup; the board's slot
    // of the same name receives it too and applies it to the game.
    void updatePlayerColor(int id);
    void updateLevel(int id);
    void updateAnimations(int id);

private:
    PopupMenu* colorMenu;
    PopupMenu* levelMenu;
    PopupMenu* animationsMenu;
    BoardWidget* boardWidget;
    // The ids of the checked items, which are the values saved.
    int playerColor = 0;
    int level = 0;
    int animations = 1;
};
