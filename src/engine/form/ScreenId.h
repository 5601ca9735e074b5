#pragma once

#include <optional>
#include <string_view>

namespace quorvex {

// The 25 screens, in the order the program creates them; the first is the main window.
enum class ScreenId {
    GameMenu,
    NGScreen,
    RankingScreen,
    PlanetScreen,
    Fuel,
    Bank,
    Crew,
    Planet,
    Travelscr,
    ShpUpg,
    Ship,
    Psngrs,
    AdvertScr,
    MarketScr,
    CargoScr,
    DemandScr,
    Buy,
    Sell,
    Warescr,
    Production,
    Manufacturing,
    ProductionInfo,
    GDInfo,
    Salesoffice,
    Landings,
};

inline constexpr int kScreenCount = 25;

// The screen's class name, as the journal writes it: "TBank" for the bank.
const char* screenClassName(ScreenId id);
std::optional<ScreenId> screenByClassName(std::string_view name);

}  // namespace quorvex
