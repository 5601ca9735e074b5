#include "Windows.h"

#include "app/GameMenuWindow.h"
#include "app/NGScreenWindow.h"
#include "economy/AdvertScrWindow.h"
#include "industry/GDInfoWindow.h"
#include "industry/ManufacturingWindow.h"
#include "industry/ProductionInfoWindow.h"
#include "industry/ProductionWindow.h"
#include "industry/SalesofficeWindow.h"
#include "services/BankWindow.h"
#include "services/CrewWindow.h"
#include "services/FuelWindow.h"
#include "services/LandingsWindow.h"
#include "services/PlanetScreenWindow.h"
#include "services/PlanetWindow.h"
#include "services/PsngrsWindow.h"
#include "services/ShipWindow.h"
#include "services/ShpUpgWindow.h"
#include "services/TravelscrWindow.h"
#include "trading/BuyWindow.h"
#include "trading/CargoScrWindow.h"
#include "trading/DemandScrWindow.h"
#include "trading/MarketScrWindow.h"
#include "trading/SellWindow.h"
#include "trading/WarescrWindow.h"
#include "turn/RankingScreenWindow.h"

namespace quorvex::ui {

WindowSet createWindows() {
    WindowSet w;
    auto add = [&w](std::unique_ptr<GameWindow> window) {
        const auto slot = static_cast<std::size_t>(window->screenId());
        w[slot] = std::move(window);
    };
    add(std::make_unique<GameMenuWindow>());
    add(std::make_unique<NGScreenWindow>());
    add(std::make_unique<RankingScreenWindow>());
    add(std::make_unique<PlanetScreenWindow>());
    add(std::make_unique<FuelWindow>());
    add(std::make_unique<BankWindow>());
    add(std::make_unique<CrewWindow>());
    add(std::make_unique<PlanetWindow>());
    add(std::make_unique<TravelscrWindow>());
    add(std::make_unique<ShpUpgWindow>());
    add(std::make_unique<ShipWindow>());
    add(std::make_unique<PsngrsWindow>());
    add(std::make_unique<AdvertScrWindow>());
    add(std::make_unique<MarketScrWindow>());
    add(std::make_unique<CargoScrWindow>());
    add(std::make_unique<DemandScrWindow>());
    add(std::make_unique<BuyWindow>());
    add(std::make_unique<SellWindow>());
    add(std::make_unique<WarescrWindow>());
    add(std::make_unique<ProductionWindow>());
    add(std::make_unique<ManufacturingWindow>());
    add(std::make_unique<ProductionInfoWindow>());
    add(std::make_unique<GDInfoWindow>());
    add(std::make_unique<SalesofficeWindow>());
    add(std::make_unique<LandingsWindow>());
    return w;
}

}  // namespace quorvex::ui
