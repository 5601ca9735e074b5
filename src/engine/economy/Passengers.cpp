#include "Passengers.h"

#include "../form/Game.h"

namespace quorvex {

void offerPassengers(Game&) {}
void settlePassengers(Game&) {}

}  // namespace quorvex
