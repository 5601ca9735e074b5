#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Warehouses: space on any planet and the goods stored in it.
class WarescrWindow final : public GameWindow {
public:
    explicit WarescrWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
