#include "CompanyOperations.h"

#include "../state/World.h"
#include "Manufacturing.h"
#include "MineOperations.h"
#include "SalesOffice.h"

namespace quorvex {

void runCompanyOperations(const World& world, Int c) {
    runMines(world, c);
    // The purchases are planned after the mines' output is stored, so they only make up what
    // the factories still lack.
    salesOfficeBuy(world, c, planSalesOffice(world.state, c, true));
    runManufacturing(world, c);
    recountWarehouses(world.state, c);
    // A fresh plan, so that this turn's purchases and products are sold too.
    planSalesOffice(world.state, c, false);
    salesOfficeSell(world, c);
}

}  // namespace quorvex
