#include "PlanetChoice.h"

#include "../form/Controls.h"

namespace quorvex {

void fillPlanetList(Choice& list, const GameState& s, Int shown) {
    list.items.clear();
    for (int p = 1; p <= kPlanets; ++p)
        list.items.push_back(s.PlanetName[p]);
    list.itemIndex = shown.get() - 1;
}

}  // namespace quorvex
