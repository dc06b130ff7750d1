#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The games that ended, kept so that the user can look at them again: the
// newest `kept` of them, one file each, in quarn/recent inside the user's
// data folder ($XDG_DATA_HOME, or ~/.local/share when that is unset, empty
// or relative). A file is named by the moment it was kept (UTC, to the
// millisecond, then a digit that tells apart games kept in the same
// millisecond), so that the names sort as the times do. The store holds
// bytes; what they mean is the caller's business.
//
// Files are written with the care of safefile (never seen half written);
// other files in the folder are left alone.
class RecentGames {
public:
    static constexpr int kept = 20;

    // The store of the current user; the folder is looked up once, here.
    RecentGames();
    explicit RecentGames(const QString& folder);

    QString folder() const { return folder_; }

    // Keeps `bytes` as the newest game, then removes the oldest beyond
    // `kept`. Whether the game was written.
    bool add(const QByteArray& bytes) const;

    // The kept games' files, newest first.
    QStringList paths() const;

private:
    QString folder_;
};
