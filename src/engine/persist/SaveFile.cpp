#include "SaveFile.h"

#include "../form/Game.h"

namespace quorvex {

void saveGame(Game&) {}
void loadGame(Game&) {}

}  // namespace quorvex
