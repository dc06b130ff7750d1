#include "platform/gamestore.h"

#include "platform/userfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace {

// How many set-aside files are looked through for a free name before giving
// up: far more than anyone keeps, few enough to stay quick.
constexpr int maxBadFiles = 1000;

// Renames `from` to `to` unless `to` exists; whatever stands at `from` (a
// file, a folder, a pipe, a link) is moved as it is and never opened.
// QFile::rename is no help here: when renaming fails it copies the file,
// which would block on a pipe.
bool renameWithoutReplacing(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    // A file system without the no-replace rename: test, then rename.
    if (errno != EINVAL && errno != ENOSYS) return false;
    return !QFileInfo(to).exists() && !QFileInfo(to).isSymLink() &&
           std::rename(source.constData(), target.constData()) == 0;
}

// Whether anything, even a link that leads nowhere, stands at `path`.
bool taken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

GameStore::GameStore()
    : GameStore(QDir(userFolder("XDG_STATE_HOME", ".local/state")).filePath("quarn/game")) {}

GameStore::GameStore(const QString& path) : path_(path) {}

safefile::Content GameStore::read() const {
    return safefile::read(path_, maxSize);
}

bool GameStore::write(const QByteArray& bytes) const {
    return bytes.size() <= maxSize && safefile::write(path_, bytes, maxSize);
}

QString GameStore::setAside() const {
    if (!taken(path_)) return {};
    for (int n = 0; n < maxBadFiles; ++n) {
        const QString bad = path_ + ".bad" + (n == 0 ? QString() : "." + QString::number(n));
        if (taken(bad)) continue;
        if (renameWithoutReplacing(path_, bad)) return bad;
        // A bad file that appeared since the test above is kept; any other
        // failure (a read-only folder, say) will not go away with a new name.
        if (!taken(bad)) return {};
    }
    return {};
}
