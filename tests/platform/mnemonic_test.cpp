// Mnemonics chosen from menu texts: every entry gets a letter no sibling
// has, the initial of a word where one is free.
#include "platform/mnemonic.h"

#include <QAction>
#include <QtTest>

class MnemonicTest : public QObject {
    Q_OBJECT

private slots:
    void eachEntryGetsAFreeLetterInitialsFirst() {
        QAction newGame("&New"), next("Ne&xt"), undo("&Undo");
        const QList<QAction*> siblings{&newGame, &next, &undo};
        QCOMPARE(withMnemonic("Open", siblings), QString("&Open"));
        QCOMPARE(withMnemonic("New Game", siblings), QString("New &Game"));
        QCOMPARE(withMnemonic("Nun", siblings), QString("Nun")); // every letter taken
        QCOMPARE(withMnemonic("Nuts", siblings), QString("Nu&ts"));
        QCOMPARE(withMnemonic("Salt & Pepper", siblings), QString("&Salt && Pepper"));
        QCOMPARE(withMnemonic("über", siblings), QString("&über"));
    }
};

QTEST_MAIN(MnemonicTest)
#include "mnemonic_test.moc"
