#include "platform/initext.h"

#include <QtGlobal>

namespace {

enum class LineKind { Other, Header, BrokenHeader, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArray name; // the group of a header, the key of a key line
    QByteArray value;
};

ParsedLine parse(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    if (text.isEmpty() || text.startsWith(';') || text.startsWith('#')) return {};
    if (text.startsWith('[')) {
        const QByteArray name = text.endsWith(']') ? text.mid(1, text.size() - 2).trimmed() : "";
        if (name.isEmpty()) return {LineKind::BrokenHeader, {}, {}};
        return {LineKind::Header, name, {}};
    }
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0) return {};
    const QByteArray key = text.left(equals).trimmed();
    if (key.isEmpty()) return {};
    return {LineKind::Key, key, text.mid(equals + 1).trimmed()};
}

bool isOneLine(const QByteArray& text) {
    return !text.contains('\n') && !text.contains('\r');
}

// Whether group, key and value can be written as lines that read back as
// the same group, key and value.
bool canWrite(const QByteArray& group, const QByteArray& key, const QByteArray& value) {
    const auto isName = [](const QByteArray& name) {
        return isOneLine(name) && name == name.trimmed();
    };
    const bool goodGroup = isName(group) && !group.contains('[') && !group.contains(']');
    const bool goodKey = isName(key) && !key.isEmpty() && !key.contains('=') &&
                         !key.startsWith('[') && !key.startsWith(';') && !key.startsWith('#');
    return goodGroup && goodKey && isOneLine(value);
}

} // namespace

IniText::IniText(const QByteArray& text) : lines_(text.split('\n')) {}

template <typename Visit> void IniText::forEachKey(const QByteArray& group, Visit visit) const {
    // The group of the lines being read; none after a broken header.
    std::optional<QByteArray> current = QByteArray();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const ParsedLine line = parse(lines_.at(i));
        if (line.kind == LineKind::Header) current = line.name;
        if (line.kind == LineKind::BrokenHeader) current.reset();
        if (line.kind == LineKind::Key && current == group) visit(i, line.name, line.value);
    }
}

std::optional<QByteArray> IniText::value(const QByteArray& group, const QByteArray& key) const {
    std::optional<QByteArray> found;
    forEachKey(group, [&](qsizetype, const QByteArray& name, const QByteArray& value) {
        if (name == key) found = value;
    });
    return found;
}

std::optional<qsizetype> IniText::insertionPoint(const QByteArray& group) const {
    // After the group's last key, else after its last header; the lines
    // before the first header exist even when there are none.
    std::optional<qsizetype> point;
    if (group.isEmpty()) point = 0;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const ParsedLine line = parse(lines_.at(i));
        if (line.kind == LineKind::Header && line.name == group) point = i + 1;
    }
    forEachKey(group, [&](qsizetype i, const QByteArray&, const QByteArray&) { point = i + 1; });
    return point;
}

QByteArray IniText::lineEnd() const {
    // New lines follow the file's own line ends (a text written on Windows
    // ends its lines with "\r\n").
    const bool crlf = lines_.size() > 1 && lines_.first().endsWith('\r');
    return crlf ? QByteArray("\r") : QByteArray();
}

bool IniText::setValue(const QByteArray& group, const QByteArray& key, const QByteArray& value) {
    if (!canWrite(group, key, value)) {
        qWarning("IniText: cannot write key \"%s\" of group \"%s\"", key.constData(),
                 group.constData());
        return false;
    }
    const QByteArray keyLine = key + '=' + value;

    QList<qsizetype> found;
    forEachKey(group, [&](qsizetype i, const QByteArray& name, const QByteArray&) {
        if (name == key) found.append(i);
    });
    for (qsizetype i : found) lines_[i] = keyLine + (lines_.at(i).endsWith('\r') ? "\r" : "");
    if (!found.isEmpty()) return true;

    const QByteArray end = lineEnd();
    if (const std::optional<qsizetype> point = insertionPoint(group)) {
        lines_.insert(*point, keyLine + end);
        return true;
    }
    // A new group at the end, after a line break that the text may lack
    // and a blank line if anything stands before it.
    if (!lines_.last().isEmpty()) lines_.append(QByteArray());
    const bool blankBefore = lines_.size() > 1 && !lines_.at(lines_.size() - 2).trimmed().isEmpty();
    QList<QByteArray> added;
    if (blankBefore) added.append(end);
    added.append('[' + group + ']' + end);
    added.append(keyLine + end);
    for (const QByteArray& line : added) lines_.insert(lines_.size() - 1, line);
    return true;
}
