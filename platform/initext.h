#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// The text of a settings file in INI form, parsed just enough to read and
// replace values, so that saving a few keys changes only their lines and
// keeps every other byte of the file: comments, other groups and keys,
// values of any form, lines that make no sense.
//
// How lines are read, each with surrounding blanks (and a trailing carriage
// return) ignored: "[name]" opens group name; a line that starts with '['
// but does not end with ']' opens no group we can name, so the keys after
// it belong to none until the next good header; lines before the first
// header form the group "". "key=value" sets key (the text before the
// first '=', trimmed) to value (the rest, trimmed, taken as it is: no
// quotes, escapes or comments inside it). Empty lines, lines starting with
// ';' or '#', and everything else are kept but mean nothing. A group may
// appear in several places; a key set more than once takes its last value.
class IniText {
public:
    explicit IniText(const QByteArray& text = {});

    std::optional<QByteArray> value(const QByteArray& group, const QByteArray& key) const;

    // Rewrites every line of key in group (so that no earlier line can
    // shadow the new value for any reader), or adds the key after the last
    // key of the group, or adds the group at the end of the text. Names
    // that cannot be written as one line of their kind (a line break, '='
    // in a key, brackets in a group, surrounding blanks) are refused with a
    // warning. Returns whether the value was set.
    bool setValue(const QByteArray& group, const QByteArray& key, const QByteArray& value);

    QByteArray text() const { return lines_.join('\n'); }

private:
    // Calls visit(index, key, value) for each key line of group.
    template <typename Visit> void forEachKey(const QByteArray& group, Visit visit) const;
    // The line after which a new key of group goes, if the group exists.
    std::optional<qsizetype> insertionPoint(const QByteArray& group) const;
    QByteArray lineEnd() const;

    // The text split at '\n': joined again it gives back the text exactly;
    // a text that ends with a line break ends with an empty element.
    QList<QByteArray> lines_;
};
