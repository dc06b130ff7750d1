// Game / Recent Games: the games kept when they ended, newest first, each
// named by when it was played, how it ended and the user's colour and
// level. The list is read again each time the menu opens, so that it also
// shows games kept by another window of the program.
#pragma once

#include "platform/popupmenu.h"
#include "platform/recentgames.h"

#include <QStringList>

struct GameRecord;

class RecentGamesMenu : public PopupMenu {
    Q_OBJECT

public:
    // The colours' and the levels' names are those of the items of
    // `colors` (0 White, 1 Black) and `levels` (by level), which must
    // outlive this menu.
    RecentGamesMenu(const RecentGames& store, const PopupMenu* colors, const PopupMenu* levels,
                    QWidget* parent = nullptr);

    // Reads the kept games again into the items.
    void refresh();
    // The item's text for a game: "9 Dec 2026 13:20: You won (White, Medium)".
    QString describe(const GameRecord& record) const;
    // How a game ended, from the user's side where the record says who the
    // user was.
    static QString ending(const GameRecord& record);

signals:
    // The game kept in `path` was chosen.
    void chosen(const QString& path);

private:
    RecentGames store_;
    const PopupMenu* colors_;
    const PopupMenu* levels_;
    QStringList paths_; // of the items, by id
};
