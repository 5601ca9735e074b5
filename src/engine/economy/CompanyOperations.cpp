#include "CompanyOperations.h"

#include "../form/Game.h"

namespace quorvex {

void runCompanyOperations(Game&, Int) {}

}  // namespace quorvex
