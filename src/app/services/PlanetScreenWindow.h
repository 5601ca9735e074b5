#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// The planet hub: the company's figures and the doors to every other screen of the turn.
class PlanetScreenWindow final : public GameWindow {
public:
    explicit PlanetScreenWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
