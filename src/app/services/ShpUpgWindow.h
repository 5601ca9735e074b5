#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Ship space: turning free hull space into cargo, passenger or fuel space.
class ShpUpgWindow final : public GameWindow {
public:
    explicit ShpUpgWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
