#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// The bank: moves money between cash, loan and savings.
class BankWindow final : public GameWindow {
public:
    explicit BankWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
