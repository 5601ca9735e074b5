#include "TTravelscr.h"

#include "../form/Game.h"

namespace quorvex {

TTravelscr::TTravelscr(Game& game) : Screen(game, ScreenId::Travelscr, "Travel") {}

Label& TTravelscr::planetLabel(int planet) {
    Label* labels[] = {&PLanet1, &PLanet2, &PLanet3, &PLanet4,  &PLanet5,  &PLanet6,
                       &PLanet7, &PLanet8, &PLanet9, &PLanet10, &PLanet11, &PLanet12};
    if (planet < 1 || planet > kPlanets) throw GameError(kRangeCheckError);
    return *labels[planet - 1];
}

void TTravelscr::FormShow() {
    const GameState& st = s();
    for (int p = 1; p <= kPlanets; ++p) {
        planetLabel(p).color = FontColor::White;
        planetLabel(p).text = st.PlanetName[p];
    }
    Label& destination = planetLabel(st.PlayerDestination[me()].get());
    destination.color = FontColor::Yellow;
    destination_ = &destination;
    if (guidanceOn())
        message(
            "You now need to click a planet to travel to it, you should normaly click the "
            "planet that is in yellow");
}

// The choice is only recorded; the ranking screen settles the flight and hands on the turn.
void TTravelscr::PLanetClick(int planet) {
    s().PlayerNextPlanet[me()] = planet;
    handOver(ScreenId::RankingScreen);
}

void TTravelscr::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

void TTravelscr::Button3Click() {
    handOver(ScreenId::Landings);
}

}  // namespace quorvex
