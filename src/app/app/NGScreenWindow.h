#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// The new-game screen: company names, the number of companies and the game's settings.
class NGScreenWindow final : public GameWindow {
public:
    explicit NGScreenWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
