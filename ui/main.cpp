// quarn [GAME.quarn]: Nine Men's Morris against the computer, opening the
// game record named, if any. The program takes no options of its own; Qt's
// own options (-platform, -display, ...) work as in any Qt program.
#include "engine/board.h"
#include "platform/application.h"
#include "platform/gamestore.h"
#include "ui/onewindow.h"
#include "ui/quarn.h"

#include <QDir>
#include <QIcon>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

const char* Value(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// The command line as Qt reads it: Qt takes "-platform NAME" (or with two
// dashes) but not "-platform=NAME", which is split here into the form Qt
// knows. `storage` keeps the split strings alive.
std::vector<char*> QtArguments(int argc, char** argv, std::vector<std::string>& storage) {
    storage.reserve(2 * static_cast<std::size_t>(argc));
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        const char* arg = argv[i];
        const char* equals = std::strchr(arg, '=');
        const std::string option(arg, equals != nullptr ? equals : arg + std::strlen(arg));
        if (i > 0 && equals != nullptr && (option == "-platform" || option == "--platform")) {
            storage.push_back(option);
            storage.push_back(equals + 1);
            args.push_back(storage[storage.size() - 2].data());
            args.push_back(storage.back().data());
        } else {
            args.push_back(argv[i]);
        }
    }
    args.push_back(nullptr); // argv[argc] is null, as in main's
    return args;
}

// Whether Qt would find no display to open the window on. Only the X11
// platform, Qt's default here, needs one that can be missing: DISPLAY or
// "-display NAME". Another platform chosen by "-platform NAME" or
// QT_QPA_PLATFORM (offscreen, vnc, wayland...) speaks for itself.
bool NoDisplay(const std::vector<char*>& args) {
    std::string platform = Value("QT_QPA_PLATFORM") ? Value("QT_QPA_PLATFORM") : "";
    bool displayOption = false;
    for (std::size_t i = 1; i + 1 < args.size(); ++i) {
        const std::string arg = args[i];
        if ((arg == "-platform" || arg == "--platform") && args[i + 1] != nullptr)
            platform = args[i + 1];
        if (arg == "-display" || arg == "--display") displayOption = true;
    }
    platform = platform.substr(0, platform.find_first_of(":;"));
    if (platform.empty()) return !Value("DISPLAY") && !Value("WAYLAND_DISPLAY") && !displayOption;
    if (platform == "xcb") return !Value("DISPLAY") && !displayOption;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // A file size limit (ulimit -f) must make a write fail, which the window
    // reports, not end the program and the game with it.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> storage;
    std::vector<char*> args = QtArguments(argc, argv, storage);
    // Without a display Qt would abort with a message about platform
    // plugins; say plainly what is missing instead.
    if (NoDisplay(args)) {
        std::fprintf(stderr,
                     "%s: there is no display to open the window on (neither DISPLAY nor "
                     "WAYLAND_DISPLAY is set); to play without one, run: xvfb-run %s\n",
                     argv[0], argv[0]);
        return 1;
    }

    // Which start is the window is decided first, by a lock that ends with
    // the process that holds it: two starts at once never both open one.
    OneWindow one(GameStore().path());

    int qtArgc = static_cast<int>(args.size()) - 1;
    Application application(qtArgc, args.data(), Application::GuiClient);
    application.loadTranslations("quarn");
    // Qt has taken its own options; what is left may name a game record to
    // open, as a file manager passes it.
    const QStringList rest = Application::arguments().mid(1);
    if (rest.size() > 1 || (rest.size() == 1 && rest[0].startsWith('-'))) {
        std::fprintf(stderr, "usage: %s [GAME.quarn]\n", argv[0]);
        return 2;
    }
    const QString file = rest.isEmpty() ? QString() : QDir().absoluteFilePath(rest[0]);
    // A window of this user is open already: it takes the file, and this
    // start ends there. Two windows would overwrite each other's kept game.
    switch (one.start(file)) {
    case OneWindow::Start::Window:
        break;
    case OneWindow::Start::HandedOver:
        return 0;
    case OneWindow::Start::NoAnswer:
        std::fprintf(stderr, "%s: another window of this game is starting but does not answer\n",
                     argv[0]);
        return 1;
    }
    // The window's icon, and the desktop entry that the desktop links the
    // window to (its name without ".desktop").
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/quarn-%1.png").arg(size));
    Application::setWindowIcon(icon);
    Application::setDesktopFileName("org.quarn.Quarn");
    int result;
    {
        Quarn window(nullptr, nullptr, {});
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        // The games started while the window was built are at the empty
        // position, which no mill test can affect.
        InitMillTab();
        window.resumeGame();
        QObject::connect(&one, &OneWindow::called, &window, &Quarn::answerCall);
        // The event loop ends when the window, the last one, is closed.
        Application::setInputMethodHint(&window, Application::AlwaysOff);
        window.showMaximized();
        if (!file.isEmpty()) window.openGame(file);
        result = application.exec();
    } // the window saves the settings as it goes, before the application
    return result;
}
