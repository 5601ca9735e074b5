#pragma once

namespace quorvex {

class Game;

// The chance events of the company now playing, at the game's chosen frequency.
void RandomEvents(Game& game);

}  // namespace quorvex
