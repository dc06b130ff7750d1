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

void pressEscape(QWidget* box) {
    QTest::keyClick(box, Qt::Key_Escape);
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

    void theRulesOpenInAResizableBoxWithTheIcon() {
        QWidget window;
        for (const bool byButton : {false, true}) {
            whileShown([&] { showRules(&window); },
                       [&](QWidget* box) {
                           QCOMPARE(box->windowTitle(), "Rules");
                           const auto* text = box->findChild<QTextBrowser*>();
                           QVERIFY(text && text->isReadOnly());
                           QVERIFY(text->toPlainText().contains("exactly 3 pieces"));
                           const auto* icon = box->findChild<QLabel*>();
                           QVERIFY(icon && !icon->pixmap().isNull());
                           QVERIFY(box->maximumWidth() > box->width());
                           if (byButton)
                               box->findChild<QDialogButtonBox*>()
                                   ->button(QDialogButtonBox::Close)
                                   ->click();
                           else
                               pressEscape(box);
                       });
        }
    }

    void theAboutBoxNamesTheProgramAndItsSignature_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("signature");
        QTest::newRow("English") << "en_US"
                                 << "57,379,075";
        QTest::newRow("German") << "de_DE"
                                << "57.379.075";
    }
    void theAboutBoxNamesTheProgramAndItsSignature() {
        QFETCH(QString, locale);
        QFETCH(QString, signature);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        whileShown([] { showAbout(nullptr, "1.2.3", 57379075); },
                   [&](QWidget* widget) {
                       auto* box = qobject_cast<QMessageBox*>(widget);
                       QVERIFY(box);
                       QCOMPARE(box->windowTitle(), "About Quarn");
                       for (const QString& part :
                            {QString("Quarn"), QString("1.2.3"),
                             QString("GNU General Public License, version 3 or later"),
                             "Engine signature: " + signature + " nodes"})
                           QVERIFY2(box->text().contains(part), qPrintable(part));
                       QVERIFY(!box->iconPixmap().isNull());
                       pressEscape(box);
                   });
        QLocale::setDefault(before);
    }
};

QTEST_MAIN(HelpBoxesTest)
#include "helpboxes_test.moc"
