#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace safefile {

namespace {

// How long a write waits for a lock held by someone else (another copy of
// the program replaces its files in well under a millisecond).
constexpr int lockWaitMs = 500;

// Whether this process may change the file itself: a file that the user
// made read-only keeps its content even though the folder would let a
// replacement be renamed over it. Opening for appending writes nothing.
bool isWritableFile(const QString& path, QString& why) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) return true;
    why = file.errorString();
    return false;
}

// Fails with the system's text for `error`.
bool failure(QString& why, int error) {
    why = QString::fromLocal8Bit(std::strerror(error));
    return false;
}

} // namespace

Content read(const QString& path, qint64 maxSize) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    if (!info.isFile() || info.size() > maxSize) return {Content::Unusable, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {Content::Unusable, {}};
    // The file may have grown since it was measured: read one byte past the
    // limit to notice.
    QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxSize)
        return {Content::Unusable, {}};
    return {Content::Read, std::move(bytes)};
}

bool replace(const QString& path, qint64 maxSize, const Update& update, QString* whyFailed) {
    QString unused;
    QString& why = whyFailed ? *whyFailed : unused;
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    // mkpath leaves the failing mkdir's errno; "exists" there means that
    // something other than a folder is in the way.
    if (!QDir().mkpath(folder))
        return failure(why, errno == 0 || errno == EEXIST ? ENOTDIR : errno);
    // QSettings takes the same lock file, so a QSettings writer and this
    // one never replace each other's file halfway through. QLockFile
    // removes a lock whose owner has died; a lock it cannot remove (in a
    // read-only folder, or a directory in its place) must not make us wait
    // for ever, as QSettings would.
    QLockFile lock(path + ".lock");
    errno = 0;
    if (!lock.tryLock(lockWaitMs)) {
        // A lock that could not be made leaves the system's reason in errno
        // (a full disk fails writing the lock's content); without one, the
        // likeliest reason for its kind of failure.
        const int error = errno;
        if (lock.error() == QLockFile::LockFailedError) return failure(why, EWOULDBLOCK);
        if (error != 0 && error != EEXIST) return failure(why, error);
        return failure(why, lock.error() == QLockFile::PermissionError ? EACCES : EIO);
    }

    // Read under the lock, so that what others wrote before is what the
    // update sees.
    const Content current = read(path, maxSize);
    if (current.status == Content::Unusable)
        return failure(why, QFileInfo(path).isDir()    ? EISDIR
                            : QFileInfo(path).isFile() ? EFBIG
                                                       : EINVAL);
    const std::optional<QByteArray> updated = update(current.bytes);
    if (!updated || updated->size() > maxSize) return false;
    if (current.status == Content::Read && *updated == current.bytes) return true;
    if (current.status == Content::Read && !isWritableFile(path, why)) return false;

    // QSaveFile writes a temporary file beside the file and renames it over
    // the file on commit(); it never falls back to writing the file in
    // place. But commit() renames a file cut short by a full disk (a short
    // write, or a final flush that fails, goes unnoticed), so both are
    // checked here: only a complete file may replace the old one. A
    // QSaveFile destroyed without commit() removes its temporary file.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(*updated) == updated->size() &&
        file.flush() && file.commit())
        return true;
    why = file.errorString();
    return false;
}

bool write(const QString& path, const QByteArray& bytes, qint64 maxSize, QString* why) {
    return replace(
        path, maxSize, [&bytes](const QByteArray&) { return bytes; }, why);
}

} // namespace safefile
