// The Rules and About boxes: what they say, that they show the game's icon
// and that Escape or their button closes them.
#include "ui/helpboxes.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs `show`, which opens a modal box and returns when it is closed, and
// calls `look` on the box once it is up; `look` must close it (a box it
// leaves open is closed here, and the test fails).
void whileShown(const std::function<void()>& show, const std::function<void(QWidget*)>& look) {
    bool looked = false, leftOpen = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || looked) return;
        looked = true;
        look(box);
        leftOpen = box->isVisible();
        if (leftOpen) box->close();
    });
    timer.start(5);
    show();
    QVERIFY(looked);
    QVERIFY(!leftOpen);
}

} // namespace

class HelpBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QPixmap icon(64, 64);
        icon.fill(Qt::darkYellow);
        QApplication::setWindowIcon(QIcon(icon));
    }

    void theRulesOpenWithTheIconAndCloseWithTheirButton() {
        QWidget window;
        whileShown(
            [&] { showRules(&window); },
            [](QWidget* box) {
                QCOMPARE(box->windowTitle(), "Rules");
                const auto* text = box->findChild<QTextBrowser*>();
                QVERIFY(text && text->isReadOnly());
                QVERIFY(text->toPlainText().contains("exactly 3 pieces"));
                const auto* icon = box->findChild<QLabel*>();
                QVERIFY(icon && !icon->pixmap().isNull());
                box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
            });
    }

    void theAboutBoxNamesTheProgramItsLicenceAndSignature() {
        const QLocale before;
        QLocale::setDefault(QLocale("de_DE")); // the number is written the user's way
        whileShown([] { showAbout(nullptr, "1.2.3", 57379075); },
                   [](QWidget* widget) {
                       auto* box = qobject_cast<QMessageBox*>(widget);
                       QCOMPARE(box->windowTitle(), "About Quarn");
                       QVERIFY(box->text().contains("1.2.3"));
                       QVERIFY(box->text().contains("License, version 3 or later"));
                       QVERIFY(box->text().contains("Engine signature: 57.379.075 nodes"));
                       QVERIFY(!box->text().contains("plays perfectly"));
                       QVERIFY(!box->iconPixmap().isNull());
                       QTest::keyClick(box, Qt::Key_Escape);
                   });
        QLocale::setDefault(before);
        QVERIFY(
            HelpBoxes::aboutText("1.2.3", 1, true)
                .contains("Master plays perfectly: the whole game is solved on this computer."));
    }
};

QTEST_MAIN(HelpBoxesTest)
#include "helpboxes_test.moc"
