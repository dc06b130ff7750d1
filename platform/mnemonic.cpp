#include "platform/mnemonic.h"

#include <QAction>

namespace {

// The mnemonic of an entry's text: the letter after a single ampersand.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1].toCaseFolded();
        ++i; // "&&" is a plain ampersand
    }
    return {};
}

} // namespace

QString withMnemonic(const QString& text, const QList<QAction*>& siblings) {
    QString taken;
    for (const QAction* sibling : siblings) taken += mnemonicOf(sibling->text());
    const auto free = [&](qsizetype i) {
        return text[i].isLetter() && !taken.contains(text[i].toCaseFolded());
    };

    qsizetype chosen = -1;
    for (qsizetype i = 0; i < text.size() && chosen < 0; ++i)
        if (free(i) && (i == 0 || text[i - 1].isSpace())) chosen = i;
    for (qsizetype i = 0; i < text.size() && chosen < 0; ++i)
        if (free(i)) chosen = i;

    QString marked;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == chosen) marked += '&';
        marked += text[i];
        if (text[i] == '&') marked += '&';
    }
    return marked;
}
