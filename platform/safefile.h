// Reading and replacing the small files the program keeps for the user (its
// settings, the game in progress) without ever losing what they held.
//
// Reading takes only a regular file up to a size limit: a directory, a pipe
// or a device is never opened (reading a pipe would block, a device might
// never end), and a file that is too large is not ours to parse.
//
// Replacing happens under the lock file PATH.lock (the one QSettings takes
// too), waiting at most half a second for someone else's lock; the new
// content goes to a temporary file beside the file, which is renamed over it
// only once it is complete, so the file is never seen half written. Nothing
// is written when the file cannot be taken whole or cannot be written: a
// file that is not regular, too large, unreadable or read-only; a folder
// that cannot be created or written; a lock held too long; a write cut short
// (a full disk, a file size limit). Nor is new content larger than the size
// limit, which read() would refuse: what is written can always be read back.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace safefile {

struct Content {
    enum Status {
        Absent,   // no file (bytes is empty)
        Read,     // bytes is the whole file
        Unusable, // not a regular file, over the limit, or unreadable
    };
    Status status = Absent;
    QByteArray bytes;
};

Content read(const QString& path, qint64 maxSize);

// Given the file's current bytes (empty when there is no file), returns the
// bytes it should hold, or nothing to leave it as it is.
using Update = std::function<std::optional<QByteArray>(const QByteArray& current)>;

// Reads the file under its lock, asks `update` for the new content and
// writes it. Returns whether the file now holds what `update` asked for:
// true when it was written or already held those bytes, false when `update`
// declined, asked for more than maxSize bytes, or anything above prevented
// the write; the file then holds what it held before. When `why` is given, a
// failure other than the update's own refusal puts the system's account of it
// there ("Permission denied", "No space left on device").
bool replace(const QString& path, qint64 maxSize, const Update& update, QString* why = nullptr);

// replace() with content that does not depend on what the file held.
bool write(const QString& path, const QByteArray& bytes, qint64 maxSize, QString* why = nullptr);

} // namespace safefile
