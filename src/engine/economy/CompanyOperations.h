#pragma once

#include "../state/Int.h"

namespace quorvex {

class World;

// One active company's standing operations in the world update, in their order: mine upkeep,
// mine production cost and output, the sales office's purchases, manufacturing, the warehouse
// recount and the sales office's sales.
void runCompanyOperations(const World& world, Int company);

}  // namespace quorvex
