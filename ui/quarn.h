// The main window: the board as its central content, the moves played
// beside it, the Game, Configuration, View and Help menus, and the settings, read
// once at construction and saved after every change and when the window goes
// away. The game in progress is kept across runs, and games can be saved to
// and opened from game records.
#pragma once

#include "platform/gamestore.h"

#include <QMainWindow>

class BoardWidget;
class MoveList;
class PopupMenu;
class QDockWidget;
struct GameRecord;
struct RecordError;

class Quarn : public QMainWindow {
    Q_OBJECT

public:
    explicit Quarn(QWidget* parent = nullptr, const char* name = nullptr,
                   Qt::WindowFlags flags = {});
    ~Quarn() override;

    // Reads the settings into the fields and hands each to the board.
    void readConfig();
    // Saves all the settings.
    void writeConfig();

    // Restores the game kept from the last run when it is unfinished and
    // was played in the colour the settings choose; a record that cannot be
    // read is set aside. From then on the game in progress is kept: after
    // every turn and when the window goes away. Needs the mill table.
    void resumeGame();
    // Opens the game record at `path`, or says in a message box why it
    // cannot; the game on the board is then left as it was.
    bool openGame(const QString& path);
    // Saves the game on the board, without what Redo could bring back, to
    // `path`, or says in a message box why it cannot.
    bool saveGame(const QString& path);

protected slots:
    // Each receives the id of the item chosen in its popup; the board's slot
    // of the same name receives it too and applies it to the game.
    void updatePlayerColor(int id);
    void updateLevel(int id);
    void updateAnimations(int id);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The game on the board as a record: with what Redo can bring back
    // (for the kept game) or without it (for a saved file).
    GameRecord record(bool withRedo) const;
    // After every change of the game: the move list follows it, and once
    // the game waits for the user again it is kept.
    void gameChanged(bool waiting);
    void keepGame();
    // Why a record was refused, for the user.
    static QString problemText(const RecordError& e);
    void chooseGameToOpen();
    void chooseFileToSave();
    // The move list beside the board when there is room for both, below it
    // when there is height, else out of the way.
    void placeMoveList();
    // Full screen, or back to the window as it was before.
    void toggleFullScreen();

    PopupMenu* colorMenu;
    PopupMenu* levelMenu;
    PopupMenu* animationsMenu;
    BoardWidget* boardWidget;
    // The ids of the checked items, which are the values saved.
    int playerColor = 0;
    int level = 0;
    int animations = 1;

    PopupMenu* moveListMenu;
    int showMoveList = 1;
    MoveList* moveList;
    QDockWidget* moveListDock;

    // The View menu: its two checkable items, and whether the window was
    // maximised before it went full screen.
    static constexpr int kFullScreenId = 0, kPointNamesId = 1;
    PopupMenu* viewMenu;
    int pointNames = 0;
    bool wasMaximized = true;

    GameStore store;      // the game in progress, across runs
    bool keeping = false; // whether the store is written (after resumeGame)
    QByteArray kept;      // what the store last received
    QString played;       // when the game on the board began, ISO 8601 UTC
};
