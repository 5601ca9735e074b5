#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// Crew wages: paying what the crew is owed.
class CrewWindow final : public GameWindow {
public:
    explicit CrewWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
