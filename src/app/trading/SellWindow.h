#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Selling a good to the market; it opens beside the market window.
class SellWindow final : public GameWindow {
public:
    explicit SellWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
