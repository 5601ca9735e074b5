#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Planet information: the figures of the planet the ship is on.
class PlanetWindow final : public GameWindow {
public:
    explicit PlanetWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
