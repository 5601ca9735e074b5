#include "Market.h"

#include "../form/Game.h"

namespace quorvex {

void marketStep(Game&) {}
void refreshCompanyView(GameState&, Int) {}

}  // namespace quorvex
