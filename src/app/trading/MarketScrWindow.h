#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// The market of the planet the ship is on; the door to buying and selling.
class MarketScrWindow final : public GameWindow {
public:
    explicit MarketScrWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
