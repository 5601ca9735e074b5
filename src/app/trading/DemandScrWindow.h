#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Demand for goods, here and on the other planets.
class DemandScrWindow final : public GameWindow {
public:
    explicit DemandScrWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
