#include "CompanyOperations.h"

#include "../form/Game.h"
#include "Manufacturing.h"
#include "MineOperations.h"
#include "SalesOffice.h"

namespace quorvex {

void runCompanyOperations(Game& game, Int c) {
    runMines(game, c);
    // The purchases are planned after the mines' output is stored, so they only make up what
    // the factories still lack.
    salesOfficeBuy(game, c, planSalesOffice(game.state, c, true));
    runManufacturing(game, c);
    recountWarehouses(game.state, c);
    // A fresh plan, so that this turn's purchases and products are sold too.
    planSalesOffice(game.state, c, false);
    salesOfficeSell(game, c);
}

}  // namespace quorvex
