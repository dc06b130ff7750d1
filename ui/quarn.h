// The main window: the board as its central content, the moves played
// beside it, the Game, Configuration, View and Help menus, and the settings, read
// once at construction and saved after every change and when the window goes
// away. The game in progress is kept across runs, and games can be saved to
// and opened from game records. The tables of the whole game can be built in
// the background. A game with moves is abandoned only once the user has said
// so, and a file that cannot be written is said so in a line at the bottom of
// the window.
#pragma once

#include "engine/board.h"
#include "platform/gamestore.h"
#include "platform/recentgames.h"
#include "platform/statistics.h"
#include "platform/statisticsfile.h"

#include <QMainWindow>
#include <QStringList>

#include <vector>

class BoardWidget;
class GameReview;
class GameSession;
class MoveList;
class PerfectPlayBuild;
class PerfectPlayDialog;
class PopupMenu;
class QDockWidget;
class QLabel;
class QProgressDialog;
class QShortcut;
class RecentGamesMenu;
class Sounds;
class StatisticsDialog;
struct GameRecord;
struct RecordError;

class Quarn : public QMainWindow {
    Q_OBJECT

public:
    explicit Quarn(QWidget* parent = nullptr, const char* name = nullptr,
                   Qt::WindowFlags flags = {});
    ~Quarn() override;

    // Reads the settings into the game and the board, and starts a game.
    void readConfig();
    // Saves all the settings.
    void writeConfig();

    // Restores the game kept from the last run, in the colour it was played
    // in when it says so (the colour setting follows); a record that cannot
    // be read is set aside, and while it cannot be, nothing is kept over it.
    // From then on the game in progress is kept: after every move and when
    // the window goes away. Needs the mill table.
    void resumeGame();
    // Opens the game record at `path`, or says in a message box why it
    // cannot; the game on the board is then left as it was, as it is when
    // the user would rather not abandon it.
    bool openGame(const QString& path);
    // Saves the game on the board, without what Redo could bring back, to
    // `path`, or says in a message box why it cannot.
    bool saveGame(const QString& path);
    // Another start of the program asked for this window: it comes to the
    // front and opens `path` unless that is empty.
    void answerCall(const QString& path);

    // The line at the bottom of the window that says what could not be
    // written; empty when everything was.
    QString writeProblems() const;

    // The games against the computer counted so far, and the sounds.
    const Statistics& statistics() const { return stats; }
    Sounds& sound() const { return *sounds; }

protected slots:
    // Each receives the id of the item chosen in its popup. Colour and level
    // start a new game, once the user agrees to abandon one in progress.
    void updatePlayerColor(int id);
    void updateLevel(int id);
    void updateAnimations(int id);
    void updateSound(int id);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Whether the game on the board may go: it has ended, has no moves, or
    // the user says Yes to abandoning it (counted as abandoned then).
    bool mayAbandon();
    // Counts the game on the board in the statistics, once, when the user
    // played it against the computer.
    void countGame(Statistics::Outcome outcome);
    void countFinishedGame();
    void showStatistics();
    // The sounds of moves and of the end of a game.
    void connectSounds();
    // Asks a question in a box titled `title`; whether the user said Yes.
    bool confirm(const QString& title, const QString& question);
    void newGame();
    void resign();
    // The check marks of the three setting menus, as the game and the board
    // have them, and the level played in the window's title.
    void showSettings();
    // Plays on with the game of a record (opened, or kept from the last
    // run) in its colour and at its level where it says them.
    void takeGame(const GameRecord& r);
    // Keeps a game that has just ended among the recent games.
    void keepFinishedGame();
    // After every change of the game: the move list follows it, and the
    // game is kept.
    void gameChanged();
    void keepGame();
    // Shows or clears the line that tells what could not be written.
    void showWriteProblems();
    // Why a record was refused, for the user.
    static QString problemText(const RecordError& e);
    void chooseGameToOpen();
    void chooseFileToSave();
    // Where Open and Save start: the folder of the last game saved or
    // opened while it exists, else Quarn in the user's documents (made
    // when `make` is set, else the documents themselves until it exists).
    QString gamesFolder(bool make) const;
    void rememberFolder(const QString& path);
    // The move list beside the board when there is room for both, below it
    // when there is height, else out of the way.
    void placeMoveList();
    // Full screen, or back to the window as it was before.
    void toggleFullScreen();
    // Reviews the moves played on a worker thread, with a progress dialog
    // that can cancel it; marks the moves that threw a value away.
    void analyseGame();
    void reviewDone(const QStringList& notes);
    void stopReview();
    // Undo, Redo, Claim Draw and Resign are offered only when they can act.
    void showGameMenuState();
    // Configuration / "Perfect play…", and what follows a build of the whole
    // game: its tables opened at once, and the Master item saying that it
    // plays perfectly.
    void showPerfectPlay();
    void tablesBuilt();
    void nameMaster();

    PopupMenu* colorMenu;
    PopupMenu* levelMenu;
    PopupMenu* animationsMenu;
    PopupMenu* soundMenu;
    Sounds* sounds;
    GameSession* session; // the game, its colour and its level
    BoardWidget* boardWidget;

    PopupMenu* gameMenu;
    int undoId = -1, redoId = -1, claimId = -1, resignId = -1, pauseId = -1, hintId = -1;

    GameReview* review;
    int reviewedMoves = 0;                     // the moves played that the review covers
    QProgressDialog* reviewProgress = nullptr; // made when first needed
    // The last review that finished: the moves it covered and its notes,
    // shown again without a new review while the game still has them.
    std::vector<Move> lastReviewed;
    QStringList lastNotes;
    QLabel* reviewLine;     // what the last review found, above the move list
    QShortcut* endBrowsing; // Escape, while a move of the game is browsed

    int showMoveList = 1;
    MoveList* moveList;
    QDockWidget* moveListDock;

    // The View menu: its two checkable items, and whether the window was
    // maximised before it went full screen.
    static constexpr int kFullScreenId = 0, kPointNamesId = 1;
    PopupMenu* viewMenu;
    int moveListId = -1;
    bool wasMaximized = true;

    GameStore store;      // the game in progress, across runs
    bool keeping = false; // whether the store is written (after resumeGame)
    QByteArray kept;      // what the store last received
    QString lastFolder;   // of the last game saved or opened; empty if none

    // The games that ended, and the last one kept there. A game taken from
    // a record is not kept again for having ended before.
    RecentGames recent;
    RecentGamesMenu* recentMenu;
    QByteArray lastFinished;
    bool endedBefore = false;
    bool takingGame = false;
    // What could not be written the last time it was tried; each is told
    // once, until a write succeeds again.
    bool gameUnkept = false;
    bool settingsUnsaved = false;
    QLabel* problemLine = nullptr; // in the status bar, made when first needed

    StatisticsFile statisticsFile;
    Statistics stats;
    bool gameCounted = false;                     // the game on the board is in the statistics
    StatisticsDialog* statisticsDialog = nullptr; // made when first shown

    PerfectPlayBuild* perfectBuild;
    PerfectPlayDialog* perfectDialog = nullptr; // made when first shown
};
