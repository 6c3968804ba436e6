#pragma once

#include "Doubles.h"
#include "MainWindow.h"
#include "Recorders.h"

namespace korbo::test {

// A test game in the real main window, which answers the game's questions; message
// boxes are recorded, not shown.
struct WindowGame {
    TestGame t;
    RecordingMessages messages;
    MainWindow window{t.game, messages};
    Game &g = t.game;
};

} // namespace korbo::test
