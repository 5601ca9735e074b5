#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Landing costs: what landing on each planet costs, and what each company adds to it.
class LandingsWindow final : public GameWindow {
public:
    explicit LandingsWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
