#include "RandomEvents.h"

#include "../form/Game.h"

namespace quorvex {

void RandomEvents(Game&) {}

}  // namespace quorvex
