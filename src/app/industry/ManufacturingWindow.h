#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Factories: units and production on any planet.
class ManufacturingWindow final : public GameWindow {
public:
    explicit ManufacturingWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
