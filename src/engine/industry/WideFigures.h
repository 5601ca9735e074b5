#pragma once

#include <string>

#include "../state/Fraction.h"
#include "../state/Int.h"

namespace quorvex {

// The factories and sales office screens work their figures out in 128 bits: a level times an
// input quantity times a price can pass 64 bits in a long game, and a screen that cannot show
// its figures could never be opened to lower them.
using Wide = Fraction::Wide;

// A figure as the grids show it: a plain whole number, "-" before a negative one.
std::string wideStr(Wide value);

// A figure going into the store: one beyond 32 bits stops the action with "Integer overflow".
Int intOf(Wide value);

// A figure kept in a 32-bit field of the store for display only: one beyond 32 bits is kept as
// the nearest value that fits.
Int clampToInt(Wide value);

}  // namespace quorvex
