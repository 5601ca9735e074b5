// The registry of the game's 25 screens: the one place that knows every subsystem's screens,
// so the form kit itself knows none of them.
#include "app/TGameMenu.h"
#include "app/TNGScreen.h"
#include "economy/TAdvertScr.h"
#include "form/Game.h"
#include "industry/TGDInfo.h"
#include "industry/TManufacturing.h"
#include "industry/TProduction.h"
#include "industry/TProductionInfo.h"
#include "industry/TSalesoffice.h"
#include "services/TBank.h"
#include "services/TCrew.h"
#include "services/TFuel.h"
#include "services/TLandings.h"
#include "services/TPlanet.h"
#include "services/TPlanetScreen.h"
#include "services/TPsngrs.h"
#include "services/TShip.h"
#include "services/TShpUpg.h"
#include "services/TTravelscr.h"
#include "trading/TBuy.h"
#include "trading/TCargoScr.h"
#include "trading/TDemandScr.h"
#include "trading/TMarketScr.h"
#include "trading/TSell.h"
#include "trading/TWarescr.h"
#include "turn/TRankingScreen.h"

namespace quorvex {

// Each screen with its class name (as the journal writes it) and how it is made, in the
// program's order; the first is the main window.
#define QUORVEX_SCREENS(X) \
    X(GameMenu)            \
    X(NGScreen)            \
    X(RankingScreen)       \
    X(PlanetScreen)        \
    X(Fuel)                \
    X(Bank)                \
    X(Crew)                \
    X(Planet)              \
    X(Travelscr)           \
    X(ShpUpg)              \
    X(Ship)                \
    X(Psngrs)              \
    X(AdvertScr)           \
    X(MarketScr)           \
    X(CargoScr)            \
    X(DemandScr)           \
    X(Buy)                 \
    X(Sell)                \
    X(Warescr)             \
    X(Production)          \
    X(Manufacturing)       \
    X(ProductionInfo)      \
    X(GDInfo)              \
    X(Salesoffice)         \
    X(Landings)

std::array<std::unique_ptr<Screen>, kScreenCount> createScreens(Game& game) {
    std::array<std::unique_ptr<Screen>, kScreenCount> screens;
#define QUORVEX_MAKE(Name) \
    screens[static_cast<int>(ScreenId::Name)] = std::make_unique<T##Name>(game);
    QUORVEX_SCREENS(QUORVEX_MAKE)
#undef QUORVEX_MAKE
    return screens;
}

const char* screenClassName(ScreenId id) {
    static constexpr const char* kNames[] = {
#define QUORVEX_NAME(Name) "T" #Name,
        QUORVEX_SCREENS(QUORVEX_NAME)
#undef QUORVEX_NAME
    };
    static_assert(std::size(kNames) == kScreenCount);
    return kNames[static_cast<int>(id)];
}

std::optional<ScreenId> screenByClassName(std::string_view name) {
    for (int i = 0; i < kScreenCount; ++i)
        if (name == screenClassName(static_cast<ScreenId>(i))) return static_cast<ScreenId>(i);
    return std::nullopt;
}

#define QUORVEX_ACCESSOR(Name)                                \
    T##Name& Game::Name() {                                   \
        return static_cast<T##Name&>(screen(ScreenId::Name)); \
    }
QUORVEX_SCREENS(QUORVEX_ACCESSOR)
#undef QUORVEX_ACCESSOR

}  // namespace quorvex
