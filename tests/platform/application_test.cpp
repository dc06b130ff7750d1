#include "platform/application.h"

#include <QTimer>
#include <QWidget>
#include <QtTest>

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void execRunsTheEventLoopAndReturnsItsExitStatus() {
        QVERIFY(qobject_cast<Application*>(qApp) != nullptr);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(3); });
        QCOMPARE(Application::exec(), 3);
    }

    void alwaysOffTakesTheWindowOutOfTextInput() {
        QWidget window;
        window.setAttribute(Qt::WA_InputMethodEnabled, true);
        window.setInputMethodHints(Qt::ImhDigitsOnly);
        Application::setInputMethodHint(&window, Application::AlwaysOff);
        QVERIFY(!window.testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(window.inputMethodHints(), Qt::ImhNone);
        Application::setInputMethodHint(nullptr, Application::AlwaysOff);
    }
};

// The program creates its application object itself, so this test does too
// instead of letting QTest create a plain QApplication.
int main(int argc, char** argv) {
    Application app(argc, argv, Application::GuiClient);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
