// The game a test program's boards play: the game state is the program's,
// so one session serves every board of the program, and a board's new game
// starts from the initial position.
#pragma once

#include "ui/gamesession.h"

inline GameSession& Session() {
    static auto* session = new GameSession;
    return *session;
}
