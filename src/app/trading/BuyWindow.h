#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Buying a good from the market; it opens beside the market window.
class BuyWindow final : public GameWindow {
public:
    explicit BuyWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
