#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Fuel: buying and selling fuel at the price of the planet the ship is on.
class FuelWindow final : public GameWindow {
public:
    explicit FuelWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
