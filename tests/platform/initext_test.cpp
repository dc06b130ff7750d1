// The INI reader: values are found as other INI readers find them, and
// setting one changes its own lines and no other byte.
#include "platform/initext.h"

#include <QtTest>

class IniTextTest : public QObject {
    Q_OBJECT

private slots:
    void valuesBelongToTheGroupAboveThemAndTheLastOneCounts() {
        const IniText text("top = 1\n[A]\nk=first\n[broken\nk=lost\n[ A ]\nk = last \n; k=no\n");
        QCOMPARE(text.value("", "top"), std::optional<QByteArray>("1"));
        QCOMPARE(text.value("A", "k"), std::optional<QByteArray>("last"));
        QCOMPARE(text.value("B", "k"), std::nullopt);
        QCOMPARE(text.value("A", "; k"), std::nullopt);
    }

    void settingAValueTouchesOnlyItsLinesAndRefusesWhatCannotBeRead() {
        const QByteArray before = "# note\r\n[A]\r\nk=1\r\nother = kept \r\n";
        IniText text(before);
        QCOMPARE(text.text(), before);
        QVERIFY(text.setValue("A", "k", "2"));
        QVERIFY(text.setValue("A", "new", "3"));
        QCOMPARE(text.text(), QByteArray("# note\r\n[A]\r\nk=2\r\nother = kept \r\nnew=3\r\n"));
        for (const auto& [group, key, value] :
             {std::tuple<QByteArray, QByteArray, QByteArray>{"A", "a=b", "1"},
              {"A]", "k", "1"},
              {"A", " k", "1"},
              {"A", "k", "1\n[B]"}}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
            QVERIFY(!text.setValue(group, key, value));
        }
        QCOMPARE(text.value("A", "k"), std::optional<QByteArray>("2"));
    }
};

QTEST_GUILESS_MAIN(IniTextTest)
#include "initext_test.moc"
