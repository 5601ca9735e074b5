#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Mines: buying and selling them and setting their production.
class ProductionWindow final : public GameWindow {
public:
    explicit ProductionWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
