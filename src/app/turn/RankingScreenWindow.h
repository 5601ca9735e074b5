#pragma once

#include "kit/GameWindow.h"

namespace quorvex::ui {

// The ranking between turns: whose turn it is, how that company stands, and the whole table.
class RankingScreenWindow final : public GameWindow {
public:
    explicit RankingScreenWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
