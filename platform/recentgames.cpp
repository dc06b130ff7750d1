#include "platform/recentgames.h"

#include "platform/gamestore.h"
#include "platform/safefile.h"
#include "platform/userfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char* const kPattern = "*.quarn";

} // namespace

RecentGames::RecentGames()
    : RecentGames(QDir(userFolder("XDG_DATA_HOME", ".local/share")).filePath("quarn/recent")) {}

RecentGames::RecentGames(const QString& folder) : folder_(folder) {}

bool RecentGames::add(const QByteArray& bytes) const {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QDir dir(folder_);
    QString path;
    for (char digit = '0'; digit <= '9' && path.isEmpty(); ++digit) {
        const QString name = dir.filePath(stamp + '-' + QChar(digit) + ".quarn");
        if (!QFileInfo(name).exists() && !QFileInfo(name).isSymLink()) path = name;
    }
    if (path.isEmpty() || !safefile::write(path, bytes, GameStore::maxSize)) return false;
    const QStringList all = paths();
    for (qsizetype i = kept; i < all.size(); ++i) QFile::remove(all[i]);
    return true;
}

QStringList RecentGames::paths() const {
    const QDir dir(folder_);
    QStringList all;
    for (const QString& name :
         dir.entryList({kPattern}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed))
        all << dir.filePath(name);
    return all;
}
