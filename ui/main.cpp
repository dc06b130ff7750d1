// quarn: Nine Men's Morris against the computer. The program takes no
// options of its own.
#include "engine/board.h"
#include "platform/application.h"
#include "ui/quarn.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

} // namespace

int main(int argc, char** argv) {
    // Without a display Qt would abort with a message about platform
    // plugins; say plainly what is missing instead.
    if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY") && !Set("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "%s: there is no display to open the window on (neither DISPLAY nor "
                     "WAYLAND_DISPLAY is set); to play without one, run: xvfb-run %s\n",
                     argv[0], argv[0]);
        return 1;
    }

    Application application(argc, argv, Application::GuiClient);
    application.loadTranslations("quarn");
    int result;
    {
        Quarn window(nullptr, nullptr, {});
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        // The games started while the window was built are at the empty
        // position, which no mill test can affect.
        InitMillTab();
        // The event loop ends when the window, the last one, is closed.
        Application::setInputMethodHint(&window, Application::AlwaysOff);
        window.showMaximized();
        result = application.exec();
    } // the window saves the settings as it goes, before the application
    return result;
}
