#pragma once

#include <QApplication>
#include <QLocale>
#include <QTranslator>

class QWidget;

// The program's application object: a GUI client on QApplication. Besides
// what QApplication offers (exec() runs the event loop), it records how a
// window wants the on-screen input method treated, and it installs the
// translations of the user's language.
class Application : public QApplication {
    Q_OBJECT

public:
    // The kind of application; a desktop program is always a GUI client.
    enum Type { GuiClient = 1 };

    // How a window treats an on-screen input method. AlwaysOff: the window
    // takes taps, not text, so no input method is ever offered for it.
    enum InputMethodHint { AlwaysOff = 1 };

    Application(int& argc, char** argv, Type type = GuiClient);

    // A desktop has no on-screen keyboard to hide, so AlwaysOff only marks
    // the widget as taking no text input; nothing else changes.
    static void setInputMethodHint(QWidget* widget, InputMethodHint hint);

    // Installs, for texts made from now on, the translations that match
    // `locale`: the program's catalogue `catalogue`, compiled in under
    // ":/i18n" (catalogue_de.qm and so on), and Qt's own, where Qt ships one.
    // Replaces translations installed before. Returns whether the program's
    // catalogue was found; English, the source language, has none.
    bool loadTranslations(const QString& catalogue, const QLocale& locale = QLocale::system());

private:
    QTranslator program_;
    QTranslator qt_;
};
