#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Passengers: the offers at the ship's planet, picking them up, and the ticket price.
class PsngrsWindow final : public GameWindow {
public:
    explicit PsngrsWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
