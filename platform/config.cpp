#include "platform/config.h"

#include "platform/safefile.h"
#include "platform/userfolder.h"

#include <QDir>

#include <algorithm>
#include <optional>

namespace {

// A settings file is a few lines; anything larger is not ours to parse.
constexpr qint64 maxStoreSize = 16 * 1024 * 1024;

QString storePath(const QString& name) {
    return QDir(userFolder("XDG_CONFIG_HOME", ".config")).filePath(name + ".conf");
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
    : path_(storePath(name)), stored_(safefile::read(path_, maxStoreSize).bytes) {}

Config::~Config() {
    save();
}

void Config::setGroup(const QString& group) {
    group_ = group.toUtf8();
}

std::optional<QByteArray> Config::rawValue(const QString& key) const {
    const QByteArray name = key.toUtf8();
    const auto same = [&](const Entry& entry) {
        return entry.group == group_ && entry.key == name;
    };
    const auto written = std::find_if(written_.begin(), written_.end(), same);
    return written != written_.end() ? written->value : stored_.value(group_, name);
}

int Config::readNumEntry(const QString& key, int deflt) const {
    const std::optional<QByteArray> text = rawValue(key);
    return text ? parseWholeNumber(*text).value_or(deflt) : deflt;
}

QString Config::readEntry(const QString& key, const QString& deflt) const {
    const std::optional<QByteArray> text = rawValue(key);
    return text ? QString::fromUtf8(*text) : deflt;
}

void Config::writeEntry(const QString& key, int value) {
    writeRaw(key, QByteArray::number(value));
}

void Config::writeEntry(const QString& key, const QString& value) {
    const bool oneLine = !value.contains('\n') && !value.contains('\r');
    if (oneLine && value == value.trimmed()) writeRaw(key, value.toUtf8());
}

void Config::writeRaw(const QString& key, const QByteArray& value) {
    Entry entry{group_, key.toUtf8(), value};
    const auto same = [&](const Entry& other) {
        return other.group == entry.group && other.key == entry.key;
    };
    const auto written = std::find_if(written_.begin(), written_.end(), same);
    if (written != written_.end())
        written->value = entry.value;
    else
        written_.push_back(std::move(entry));
    unsaved_ = true;
}

bool Config::save() {
    if (!unsaved_) return true;
    // The file is read again under its lock, so that what others saved
    // since the store was opened is kept. Content that is already there
    // counts as saved and is not written again.
    unsaved_ = !safefile::replace(path_, maxStoreSize,
                                  [this](const QByteArray& current) -> std::optional<QByteArray> {
                                      IniText text(current);
                                      for (const Entry& entry : written_)
                                          if (!text.setValue(entry.group, entry.key, entry.value))
                                              return std::nullopt;
                                      return text.text();
                                  });
    return !unsaved_;
}
