#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Ship information, and new engines.
class ShipWindow final : public GameWindow {
public:
    explicit ShipWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
