#include "TPlanet.h"

#include "../form/Game.h"
#include "../state/Format.h"

namespace quorvex {

TPlanet::TPlanet(Game& game) : Screen(game, ScreenId::Planet, "Planet info:") {}

void TPlanet::FormShow() {
    PUpdate();
}

void TPlanet::PUpdate() {
    const GameState& st = s();
    const Int p = st.PlayerPlanet[me()];
    PLanetL.text = cat("Planet: ", st.PlanetName[p]);
    PLntSzeL.text = cat("Size: ", st.PlanetSize[p], " Earths");
    PlntpopL.text = cat("Population: ", st.PlanetPopulation[p]);
    MaxpopL.text = cat("Max Population: ", st.PlanetMaxPopulation[p], " Billion");
    PlntResL.text = cat("Planet Resources: ", st.PlanetResources[p], " Billion Tons");
    POPGrowthL.text = cat("Population Growth Rate: ", st.PlanetGrowthRate[p], "%");
}

void TPlanet::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

void TPlanet::Button3Click() {
    message("Use this screen to get infomation about the planet your on.");
}

}  // namespace quorvex
