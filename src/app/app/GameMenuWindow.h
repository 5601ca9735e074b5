#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// The main menu: the program's main window, open behind every game.
class GameMenuWindow final : public GameWindow {
public:
    explicit GameMenuWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
