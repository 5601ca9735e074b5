#pragma once

#include "../state/Int.h"

namespace quorvex {

class Game;

// A computer company's whole turn up to its departure: bank, hull, allowance, crew, passengers,
// repayment and savings; it ends with the next planet chosen. The end of turn itself
// (Plyrfinish) follows as for every company.
void playComputerTurn(Game& game, Int company);

}  // namespace quorvex
