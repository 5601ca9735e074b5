#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// The sales office: standing buy and sell adjustments for each planet.
class SalesofficeWindow final : public GameWindow {
public:
    explicit SalesofficeWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
