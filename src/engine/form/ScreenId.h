#pragma once

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

}  // namespace quorvex
