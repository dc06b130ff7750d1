// Mnemonics picked from menu texts, so that every entry of a menu can be
// chosen from the keyboard in any language without translators placing
// ampersands by hand.
#pragma once

#include <QList>
#include <QString>

class QAction;

// `text` with an ampersand before the letter that becomes its mnemonic: the
// first letter of the text if no entry of `siblings` has it (case aside),
// else the first free initial of another word, else the first free letter;
// unchanged when every letter is taken. Ampersands already in the text are
// doubled, so that they show as such.
QString withMnemonic(const QString& text, const QList<QAction*>& siblings);
