#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// An overview of the company's mines on any planet.
class ProductionInfoWindow final : public GameWindow {
public:
    explicit ProductionInfoWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
