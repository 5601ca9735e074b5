#include "TradeFigures.h"

#include "../state/Format.h"

namespace quorvex {

std::string moneyText(const GameState& s, Int company) {
    return cat("Money: £", s.PlayerCash[company]);
}

std::string cargoSpaceText(const GameState& s, Int company) {
    return cat("Cargo Space: ", s.CargoSpace[company]);
}

std::string freeCargoText(const GameState& s, Int company) {
    const int64_t free = s.CargoSpace[company].wide() - s.CargoUsed[company].wide();
    return "Free Cargo Space: " + std::to_string(free);
}

std::string priceRange(const GameState& s, Int good) {
    return cat(s.GoodMinPrice[good], " - ", s.GoodMaxPrice[good]);
}

}  // namespace quorvex
