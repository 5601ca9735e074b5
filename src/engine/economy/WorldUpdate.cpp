#include "WorldUpdate.h"

#include "../form/Game.h"
#include "../turn/TurnOrder.h"

namespace quorvex {

void worldUpdate(Game& game) {
    GameState& s = game.state;
    s.TurnNumber += 1;
    s.TurnNumberCopy = s.TurnNumber;
    s.TurnSlot = 0;
    if (s.TurnNumber != 1) sortTurnOrder(s);
}

}  // namespace quorvex
