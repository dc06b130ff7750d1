#include "platform/config.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace {

// A settings file is a few lines; anything larger is not ours to parse.
constexpr qint64 maxStoreSize = 16 * 1024 * 1024;
// How long a save waits for a lock held by someone else (another copy of
// the program saves in well under a millisecond).
constexpr int lockWaitMs = 500;

QString storePath(const QString& name) {
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative folder would depend on the current directory; the XDG
    // rules say to ignore it.
    if (folder.isEmpty() || QDir::isRelativePath(folder)) folder = QDir::homePath() + "/.config";
    return QDir(folder).filePath(name + ".conf");
}

// The store's bytes: empty if there is no store yet, nothing if there is
// one that cannot be taken whole. A directory, a pipe or a device is never
// opened (reading a pipe would block, a device might never end).
std::optional<QByteArray> readStore(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return QByteArray();
    if (!info.isFile() || info.size() > maxStoreSize) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray text = file.read(maxStoreSize + 1);
    if (file.error() != QFileDevice::NoError || text.size() > maxStoreSize) return std::nullopt;
    return text;
}

// Whether this process may change the file itself: a store that the user
// made read-only keeps its content even though the folder would let a
// replacement be renamed over it. Opening for appending writes nothing.
bool isWritableFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

std::optional<int> parseWholeNumber(const QByteArray& text) {
    const qsizetype digitsFrom = text.startsWith('+') || text.startsWith('-') ? 1 : 0;
    const bool digitsOnly =
        text.size() > digitsFrom && std::all_of(text.begin() + digitsFrom, text.end(),
                                                [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly) return std::nullopt;
    bool inRange = false;
    const int value = text.toInt(&inRange, 10);
    return inRange ? std::optional<int>(value) : std::nullopt;
}

} // namespace

Config::Config(const QString& name, [[maybe_unused]] Domain domain)
    : path_(storePath(name)), stored_(readStore(path_).value_or(QByteArray())) {}

Config::~Config() {
    save();
}

void Config::setGroup(const QString& group) {
    group_ = group.toUtf8();
}

int Config::readNumEntry(const QString& key, int deflt) const {
    const QByteArray name = key.toUtf8();
    const auto same = [&](const Entry& entry) {
        return entry.group == group_ && entry.key == name;
    };
    const auto written = std::find_if(written_.begin(), written_.end(), same);
    const std::optional<QByteArray> text =
        written != written_.end() ? written->value : stored_.value(group_, name);
    return text ? parseWholeNumber(*text).value_or(deflt) : deflt;
}

void Config::writeEntry(const QString& key, int value) {
    Entry entry{group_, key.toUtf8(), QByteArray::number(value)};
    const auto same = [&](const Entry& other) {
        return other.group == entry.group && other.key == entry.key;
    };
    const auto written = std::find_if(written_.begin(), written_.end(), same);
    if (written != written_.end())
        written->value = entry.value;
    else
        written_.push_back(std::move(entry));
}

void Config::save() const {
    if (written_.empty()) return;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return;
    // QSettings takes the same lock file, so a QSettings writer and this
    // one never replace each other's file halfway through. QLockFile
    // removes a lock whose owner has died; a lock it cannot remove (in a
    // read-only folder, or a directory in its place) must not make us wait
    // for ever, as QSettings would.
    QLockFile lock(path_ + ".lock");
    if (!lock.tryLock(lockWaitMs)) return;

    // Read again under the lock, so that what others saved since the store
    // was opened is kept.
    const std::optional<QByteArray> current = readStore(path_);
    if (!current) return;
    IniText text(*current);
    for (const Entry& entry : written_) text.setValue(entry.group, entry.key, entry.value);
    const QByteArray updated = text.text();
    if (updated == *current) return;
    if (QFileInfo::exists(path_) && !isWritableFile(path_)) return;

    // QSaveFile writes a temporary file beside the store and renames it
    // over the store on commit(); it never falls back to writing the store
    // in place. But commit() renames a file cut short by a full disk (a
    // short write, or a final flush that fails, goes unnoticed), so both
    // are checked here: only a complete file may replace the store. A
    // QSaveFile destroyed without commit() removes its temporary file.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return;
    if (file.write(updated) != updated.size() || !file.flush()) return;
    file.commit();
}
