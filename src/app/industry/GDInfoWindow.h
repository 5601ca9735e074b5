#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// An overview of what is produced and manufactured on any planet.
class GDInfoWindow final : public GameWindow {
public:
    explicit GDInfoWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
