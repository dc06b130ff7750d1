#pragma once

#include "platform/safefile.h"

#include <QByteArray>
#include <QString>

// The file that keeps the game in progress across runs: quarn/game in the
// user's state folder ($XDG_STATE_HOME, or ~/.local/state when that is
// unset, empty or relative). The store holds bytes; what they mean is the
// caller's business.
//
// Writing has the care of safefile: the folder is made as needed, the file
// is replaced in one step under its lock (quarn/game.lock) and never half
// written, a read-only file or one that cannot be read whole is left as it
// is. A record the caller cannot use is set aside rather than deleted, so
// that nothing the user played is ever lost.
class GameStore {
public:
    // A record larger than this is no game of ours: the size of the largest
    // game record (kMaxRecordBytes in engine/record.h).
    static constexpr qint64 maxSize = 2 * 1024 * 1024;

    // The store of the current user; the folder is looked up once, here.
    GameStore();
    // The store kept in the file `path`.
    explicit GameStore(const QString& path);

    QString path() const { return path_; }

    // Absent when there is no file; Unusable when something stands there
    // that is not a regular file, is larger than maxSize or cannot be read.
    safefile::Content read() const;

    // Whether the file now holds `bytes`; false also for bytes over maxSize,
    // which could not be read back.
    bool write(const QByteArray& bytes) const;

    // Renames the file to game.bad, or to game.bad.1, game.bad.2 and so on
    // when those exist (an earlier bad file is never replaced), and returns
    // the new path; empty when there was nothing to move or it could not be
    // moved.
    QString setAside() const;

private:
    QString path_;
};
