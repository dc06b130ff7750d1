#include "platform/application.h"

#include <QLibraryInfo>
#include <QWidget>

Application::Application(int& argc, char** argv, [[maybe_unused]] Type type)
    : QApplication(argc, argv) {}

void Application::setInputMethodHint(QWidget* widget, InputMethodHint hint) {
    if (widget == nullptr || hint != AlwaysOff) return;
    widget->setAttribute(Qt::WA_InputMethodEnabled, false);
    widget->setInputMethodHints(Qt::ImhNone);
}

bool Application::loadTranslations(const QString& catalogue, const QLocale& locale) {
    removeTranslator(&program_);
    removeTranslator(&qt_);
    // QTranslator::load tries the locale's UI languages in order (de_AT,
    // de, ...), so a regional locale finds the language's catalogue.
    const bool found = program_.load(locale, catalogue, "_", ":/i18n");
    if (found) installTranslator(&program_);
    if (qt_.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&qt_);
    return found;
}
