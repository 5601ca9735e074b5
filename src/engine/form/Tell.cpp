#include "Tell.h"

#include "Game.h"

namespace quorvex {

void tellCompany(Game& game, Int company, const std::string& text) {
    if (isHuman(company)) game.dialogs.message(game.state.PlayerName[company] + text);
}

void tellPlayingByName(Game& game, const std::string& text) {
    const GameState& s = game.state;
    if (s.HumanTurn) game.dialogs.message(s.PlayerName[s.CurrentPlayer] + text);
}

void tellPlaying(Game& game, const std::string& text) {
    if (game.state.HumanTurn) game.dialogs.message(text);
}

}  // namespace quorvex
