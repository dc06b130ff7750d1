#pragma once

#include "platform/initext.h"

#include <QByteArray>
#include <QString>

#include <optional>

#include <vector>

// A named settings store: integer entries in groups, kept in the INI file
// NAME.conf directly inside the user's configuration folder
// ($XDG_CONFIG_HOME, or ~/.config when that is unset, empty or relative).
// The file is read when the store is opened; the entries written are saved
// when the store is destroyed.
//
// Reading: a value counts only if it is a whole number in the range of int,
// written in decimal digits with an optional leading '+' or '-'; blanks
// around it are ignored. Anything else ("", "abc", "2.5", "1 2", "0x10",
// "99999999999") reads as the default, like an absent key.
//
// Saving changes only the lines of the keys written (see IniText) and
// replaces the file in one step (a temporary file renamed over it), so the
// file is never seen half written. The save fails, leaving the file as it
// is, when the store cannot be taken whole or cannot be written: a file
// that is not a regular file, is larger than 16 MiB (or would grow past it,
// so that it could not be read again), cannot be read, or is read-only; a
// folder that cannot be created or written; a write cut short; the lock
// file NAME.conf.lock (the one QSettings takes too) held by someone else for
// more than half a second. save() tells the caller; a store destroyed with
// entries not yet saved tries once more, silently.
class Config {
public:
    // Where the store lives; there is only the user's.
    enum Domain { User = 1 };

    explicit Config(const QString& name, Domain domain = User);
    ~Config();
    Config(const Config&) = delete;
    Config& operator=(const Config&) = delete;

    // The group that later reads and writes refer to; "" (the initial
    // group) means the keys before the file's first group.
    void setGroup(const QString& group);

    // The value of key in the current group: what was written through this
    // store, else what the file held, else deflt.
    int readNumEntry(const QString& key, int deflt = -1) const;

    void writeEntry(const QString& key, int value);

    // A text entry (a folder, say), read as it was written. A text that
    // could not be read back the same (a line break, blanks at either end)
    // is not written: the entry keeps what it held.
    QString readEntry(const QString& key, const QString& deflt = {}) const;
    void writeEntry(const QString& key, const QString& value);

    // Saves the entries written so far now; whether the file holds them
    // (true when nothing was written). The destructor saves only what has
    // not been saved.
    bool save();

private:
    // The value of key in the current group as it stands in the file or
    // was written, if anywhere.
    std::optional<QByteArray> rawValue(const QString& key) const;
    void writeRaw(const QString& key, const QByteArray& value);

    struct Entry {
        QByteArray group;
        QByteArray key;
        QByteArray value;
    };

    QString path_;
    QByteArray group_;
    IniText stored_; // the file as read on opening; empty if absent or unusable
    std::vector<Entry> written_;
    bool unsaved_ = false; // entries written since the last successful save
};
