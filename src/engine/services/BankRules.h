#pragma once

#include "../state/Int.h"

namespace quorvex {

// The bank's rules, shared by its screen, the end of a turn and the computer companies.

// One turn's interest on a balance: balance / 100 x rate (a percentage), to the nearest pound, a
// half going to the even neighbour: 8.5% of 300 is 25.5, which is 26.
Int interestOn(Int balance, double ratePercent);

// The most a payment off a debt can be: all that is owed when the cash covers it, otherwise the
// cash. With no cash that is 0 or less, so a caller that must never move money the wrong way
// checks the cash first.
Int largestPayment(Int owed, Int cash);

}  // namespace quorvex
