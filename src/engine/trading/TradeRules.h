#pragma once

#include <cstdint>

#include "../state/ExactRound.h"
#include "../state/GameState.h"

namespace quorvex {

// The rules every trade in goods follows, on the buy, sell and warehouse screens and in the
// sales office alike.

// The unit price of q units of a good as the company sees it on a planet. A retail good has one
// price whatever the quantity; an industrial good is charged at one band's price for the whole
// quantity: 1-25 (or anything below 26), 26-100, 101 or more. The buy and sell screens say which
// list the good was picked from; everyone else goes by the good's number.
Int bandPrice(const GameState& s, Int company, Int planet, Int good, int64_t quantity,
              bool industrial);
Int unitPrice(const GameState& s, Int company, Int planet, Int good, int64_t quantity);

// Round(units x weight), halves to the even neighbour, exactly and in 64 bits so that no amount
// is too large to weigh. Each trade is weighed on its own: two single units of 0.5 tons weigh
// 0 tons each, the pair weighs 1 ton.
inline int64_t tonsOf(const Decimal& weight, int64_t units) {
    return static_cast<int64_t>(
        roundDiv(Fraction::Wide(units) * weight.numerator(), weight.denominator()));
}
int64_t goodTons(const GameState& s, Int good, int64_t units);

// The tons a sale takes off a store's count of tons in use: what the goods weigh, but never more
// than the store counts. Weighing each trade on its own could otherwise take the count below 0
// (two units bought singly weigh 0 tons, sold together 1), and a count below 0 would make room
// that is not there.
Int tonsFreed(Int inUse, int64_t weight);

}  // namespace quorvex
