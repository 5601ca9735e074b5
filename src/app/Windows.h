#pragma once

#include <array>
#include <memory>

#include "form/ScreenId.h"
#include "kit/GameWindow.h"

namespace quorvex::ui {

using WindowSet = std::array<std::unique_ptr<GameWindow>, kScreenCount>;

// The 25 windows, created in the order of the screens; the first is the main menu.
WindowSet createWindows();

}  // namespace quorvex::ui
