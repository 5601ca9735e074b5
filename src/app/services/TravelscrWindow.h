#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// The travel map: twelve planets on a star field; clicking one flies there and ends the turn.
class TravelscrWindow final : public GameWindow {
public:
    explicit TravelscrWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
