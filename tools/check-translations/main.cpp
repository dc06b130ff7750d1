// quarn-check-translations REFERENCE.ts TRANSLATION.ts...
//
// Fails (exit status 1) when a translation misses a text of the program or
// leaves one unfinished. REFERENCE.ts is what lupdate extracts from the
// sources; every message in it must stand in each translation, finished and
// not empty. Messages a translation keeps that the program no longer has are
// reported too, so that old texts do not linger.
#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

struct Message {
    QString translation;
    QString type; // "" when finished; unfinished, vanished, obsolete
};

// Context and source text joined by a newline-free separator.
using Catalogue = QMap<QString, Message>;

QString Key(const QString& context, const QString& source) {
    return context + u'\x1f' + source;
}

QString Shown(const QString& key) {
    QString s = key;
    return s.replace(u'\x1f', QStringLiteral(": \"")).replace(u'\n', QStringLiteral("\\n")) + '"';
}

bool Read(const QString& path, Catalogue& out) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot be read\n", qPrintable(path));
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context, source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"message")
                message = {};
            else if (xml.name() == u"source")
                source = xml.readElementText();
            else if (xml.name() == u"translation") {
                message.type = xml.attributes().value("type").toString();
                message.translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            out.insert(Key(context, source), message);
        }
    }
    if (xml.hasError()) {
        std::fprintf(stderr, "%s: %s at line %lld\n", qPrintable(path),
                     qPrintable(xml.errorString()), xml.lineNumber());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: quarn-check-translations REFERENCE.ts TRANSLATION.ts...\n");
        return 2;
    }
    Catalogue reference;
    if (!Read(args[0], reference)) return 1;
    int faults = 0;
    for (const QString& path : args.mid(1)) {
        Catalogue translation;
        if (!Read(path, translation)) {
            ++faults;
            continue;
        }
        for (auto it = reference.cbegin(); it != reference.cend(); ++it) {
            const auto found = translation.constFind(it.key());
            const char* fault = found == translation.cend()              ? "missing"
                                : !found->type.isEmpty()                 ? "unfinished"
                                : found->translation.trimmed().isEmpty() ? "empty"
                                                                         : nullptr;
            if (fault) {
                std::fprintf(stderr, "%s: %s %s\n", qPrintable(path), fault,
                             qPrintable(Shown(it.key())));
                ++faults;
            }
        }
        for (auto it = translation.cbegin(); it != translation.cend(); ++it) {
            if (!reference.contains(it.key())) {
                std::fprintf(stderr, "%s: no longer in the program %s\n", qPrintable(path),
                             qPrintable(Shown(it.key())));
                ++faults;
            }
        }
    }
    if (faults) std::fprintf(stderr, "%d translation fault(s)\n", faults);
    return faults ? 1 : 0;
}
