#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// The ship's cargo.
class CargoScrWindow final : public GameWindow {
public:
    explicit CargoScrWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
