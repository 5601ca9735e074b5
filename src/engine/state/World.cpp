#include "World.h"

namespace quorvex {

void World::tellCompany(Int company, const std::string& text) const {
    if (!isHuman(company)) return;
    if (concerning_) concerning_(company);
    show_(state.PlayerName[company] + text);
}

void World::tellPlayingByName(const std::string& text) const {
    if (state.HumanTurn) show_(state.PlayerName[state.CurrentPlayer] + text);
}

void World::tellPlaying(const std::string& text) const {
    if (state.HumanTurn) show_(text);
}

}  // namespace quorvex
