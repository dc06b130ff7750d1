#include "platform/application.h"

#include <QWidget>

Application::Application(int& argc, char** argv, [[maybe_unused]] Type type)
    : QApplication(argc, argv) {}

void Application::setInputMethodHint(QWidget* widget, InputMethodHint hint) {
    if (widget == nullptr || hint != AlwaysOff) return;
    widget->setAttribute(Qt::WA_InputMethodEnabled, false);
    widget->setInputMethodHints(Qt::ImhNone);
}
