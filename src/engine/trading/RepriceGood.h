#pragma once

#include "../state/GameState.h"

namespace quorvex {

// After a trade on the buy or sell screen: every company's view of one good on one planet is
// rebuilt from the planet's figures and priced anew, the other goods and planets untouched.
// Each of the 18 companies, in play or not, sees the planet's amount and demand plus its
// industrial advertising changes for that market (whether or not it advertises on the planet,
// and for retail goods too), never below 0. The world update's next market step rebuilds the
// views with the planet ticks again.
void RepriceGood(GameState& s, Int planet, Int good);

}  // namespace quorvex
