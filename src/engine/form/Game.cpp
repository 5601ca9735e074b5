#include "Game.h"

#include <chrono>

#include "../app/TGameMenu.h"
#include "../app/TNGScreen.h"
#include "../economy/TAdvertScr.h"
#include "../industry/TGDInfo.h"
#include "../industry/TManufacturing.h"
#include "../industry/TProduction.h"
#include "../industry/TProductionInfo.h"
#include "../industry/TSalesoffice.h"
#include "../services/TBank.h"
#include "../services/TCrew.h"
#include "../services/TFuel.h"
#include "../services/TLandings.h"
#include "../services/TPlanet.h"
#include "../services/TPlanetScreen.h"
#include "../services/TPsngrs.h"
#include "../services/TShip.h"
#include "../services/TShpUpg.h"
#include "../services/TTravelscr.h"
#include "../state/GameError.h"
#include "../trading/TBuy.h"
#include "../trading/TCargoScr.h"
#include "../trading/TDemandScr.h"
#include "../trading/TMarketScr.h"
#include "../trading/TSell.h"
#include "../trading/TWarescr.h"
#include "../turn/TRankingScreen.h"

namespace quorvex {
namespace {

uint32_t seedFromClock() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(ticks ^ (ticks >> 32));
}

}  // namespace

Game::Game(Dialogs& dialogs, std::unique_ptr<quorvex::Random> random)
    : dialogs(dialogs),
      clockSeed(seedFromClock),
      random_(random ? std::move(random) : std::make_unique<LcgRandom>()) {
    // Created in the program's order; the first is the main window.
    auto add = [this](ScreenId id, std::unique_ptr<Screen> screen) {
        screens_[static_cast<int>(id)] = std::move(screen);
    };
    add(ScreenId::GameMenu, std::make_unique<TGameMenu>(*this));
    add(ScreenId::NGScreen, std::make_unique<TNGScreen>(*this));
    add(ScreenId::RankingScreen, std::make_unique<TRankingScreen>(*this));
    add(ScreenId::PlanetScreen, std::make_unique<TPlanetScreen>(*this));
    add(ScreenId::Fuel, std::make_unique<TFuel>(*this));
    add(ScreenId::Bank, std::make_unique<TBank>(*this));
    add(ScreenId::Crew, std::make_unique<TCrew>(*this));
    add(ScreenId::Planet, std::make_unique<TPlanet>(*this));
    add(ScreenId::Travelscr, std::make_unique<TTravelscr>(*this));
    add(ScreenId::ShpUpg, std::make_unique<TShpUpg>(*this));
    add(ScreenId::Ship, std::make_unique<TShip>(*this));
    add(ScreenId::Psngrs, std::make_unique<TPsngrs>(*this));
    add(ScreenId::AdvertScr, std::make_unique<TAdvertScr>(*this));
    add(ScreenId::MarketScr, std::make_unique<TMarketScr>(*this));
    add(ScreenId::CargoScr, std::make_unique<TCargoScr>(*this));
    add(ScreenId::DemandScr, std::make_unique<TDemandScr>(*this));
    add(ScreenId::Buy, std::make_unique<TBuy>(*this));
    add(ScreenId::Sell, std::make_unique<TSell>(*this));
    add(ScreenId::Warescr, std::make_unique<TWarescr>(*this));
    add(ScreenId::Production, std::make_unique<TProduction>(*this));
    add(ScreenId::Manufacturing, std::make_unique<TManufacturing>(*this));
    add(ScreenId::ProductionInfo, std::make_unique<TProductionInfo>(*this));
    add(ScreenId::GDInfo, std::make_unique<TGDInfo>(*this));
    add(ScreenId::Salesoffice, std::make_unique<TSalesoffice>(*this));
    add(ScreenId::Landings, std::make_unique<TLandings>(*this));
}

Game::~Game() = default;

void Game::setGenerator(std::unique_ptr<quorvex::Random> random) {
    random_ = std::move(random);
}

void Game::perform(const std::function<void()>& action) {
    if (depth_ > 0) {  // already inside an action: it is part of that one
        action();
        return;
    }
    const auto before = std::make_unique<GameState>(state);
    const auto visibleBefore = visible_;
    struct Depth {
        int& d;
        explicit Depth(int& d) : d(d) { ++d; }
        ~Depth() { --d; }
    };
    try {
        Depth guard(depth_);
        action();
    } catch (const GameError& error) {
        state = *before;
        for (int i = 0; i < kScreenCount; ++i)
            if (visible_[i] != visibleBefore[i]) {
                visible_[i] = visibleBefore[i];
                if (onVisibilityChange) onVisibilityChange(static_cast<ScreenId>(i), visible_[i]);
            }
        dialogs.error(error.what());
    }
}

void Game::show(ScreenId id) {
    visible_[static_cast<int>(id)] = true;
    if (onVisibilityChange) onVisibilityChange(id, true);
    screen(id).FormShow();
}

void Game::hide(ScreenId id) {
    visible_[static_cast<int>(id)] = false;
    if (onVisibilityChange) onVisibilityChange(id, false);
}

void Game::hideAllBut(ScreenId keep) {
    for (int i = 0; i < kScreenCount; ++i) {
        const auto id = static_cast<ScreenId>(i);
        if (id != keep && isVisible(id)) hide(id);
    }
}

#define QUORVEX_SCREEN_ACCESSOR(Name, Type)                \
    Type& Game::Name() {                                   \
        return static_cast<Type&>(screen(ScreenId::Name)); \
    }
QUORVEX_SCREEN_ACCESSOR(GameMenu, TGameMenu)
QUORVEX_SCREEN_ACCESSOR(NGScreen, TNGScreen)
QUORVEX_SCREEN_ACCESSOR(RankingScreen, TRankingScreen)
QUORVEX_SCREEN_ACCESSOR(PlanetScreen, TPlanetScreen)
QUORVEX_SCREEN_ACCESSOR(Fuel, TFuel)
QUORVEX_SCREEN_ACCESSOR(Bank, TBank)
QUORVEX_SCREEN_ACCESSOR(Crew, TCrew)
QUORVEX_SCREEN_ACCESSOR(Planet, TPlanet)
QUORVEX_SCREEN_ACCESSOR(Travelscr, TTravelscr)
QUORVEX_SCREEN_ACCESSOR(ShpUpg, TShpUpg)
QUORVEX_SCREEN_ACCESSOR(Ship, TShip)
QUORVEX_SCREEN_ACCESSOR(Psngrs, TPsngrs)
QUORVEX_SCREEN_ACCESSOR(AdvertScr, TAdvertScr)
QUORVEX_SCREEN_ACCESSOR(MarketScr, TMarketScr)
QUORVEX_SCREEN_ACCESSOR(CargoScr, TCargoScr)
QUORVEX_SCREEN_ACCESSOR(DemandScr, TDemandScr)
QUORVEX_SCREEN_ACCESSOR(Buy, TBuy)
QUORVEX_SCREEN_ACCESSOR(Sell, TSell)
QUORVEX_SCREEN_ACCESSOR(Warescr, TWarescr)
QUORVEX_SCREEN_ACCESSOR(Production, TProduction)
QUORVEX_SCREEN_ACCESSOR(Manufacturing, TManufacturing)
QUORVEX_SCREEN_ACCESSOR(ProductionInfo, TProductionInfo)
QUORVEX_SCREEN_ACCESSOR(GDInfo, TGDInfo)
QUORVEX_SCREEN_ACCESSOR(Salesoffice, TSalesoffice)
QUORVEX_SCREEN_ACCESSOR(Landings, TLandings)
#undef QUORVEX_SCREEN_ACCESSOR

}  // namespace quorvex
