#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Advertising: five kinds at once, in force from the next world update.
class AdvertScrWindow final : public GameWindow {
public:
    explicit AdvertScrWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
