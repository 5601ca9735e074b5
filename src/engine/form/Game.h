#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "../state/GameState.h"
#include "../state/Random.h"
#include "../state/World.h"
#include "Dialogs.h"
#include "ScreenId.h"

namespace quorvex {

class Screen;
class TGameMenu;
class TNGScreen;
class TRankingScreen;
class TPlanetScreen;
class TFuel;
class TBank;
class TCrew;
class TPlanet;
class TTravelscr;
class TShpUpg;
class TShip;
class TPsngrs;
class TAdvertScr;
class TMarketScr;
class TCargoScr;
class TDemandScr;
class TBuy;
class TSell;
class TWarescr;
class TProduction;
class TManufacturing;
class TProductionInfo;
class TGDInfo;
class TSalesoffice;
class TLandings;

// The running program without its windows: the store, the generator, the person's dialogs and
// the 25 screens with which of them are visible.
class Game {
public:
    explicit Game(Dialogs& dialogs, std::unique_ptr<Random> random = nullptr);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState state;
    Dialogs& dialogs;

    // Random(n): a whole number from 0 to n - 1 from the program-wide generator.
    Int random(Int n) { return random_->draw(n); }
    quorvex::Random& generator() { return *random_; }
    void setGenerator(std::unique_ptr<quorvex::Random> random);

    // The store, the generator and the message boxes, for the rules that run between screens.
    World world() {
        return World(state, *random_, [this](const std::string& text) { dialogs.message(text); });
    }

    // Where the main menu takes its seed when it is shown: the clock, unless a tool or test
    // wants a game it can repeat.
    std::function<uint32_t()> clockSeed;

    // Runs one action of the person. A GameError puts the store (and which screens are shown)
    // back as it was before the action and shows the error's text; nothing is half-done.
    void perform(const std::function<void()>& action);

    // Shows a screen and runs its FormShow; hides one. A screen shown again runs FormShow again.
    void show(ScreenId id);
    void hide(ScreenId id);
    bool isVisible(ScreenId id) const { return visible_[static_cast<int>(id)]; }
    // Hides every screen but one: a new or loaded game replaces whatever was on the screen.
    void hideAllBut(ScreenId keep);
    // Told of every show and hide, so a window layer can follow.
    std::function<void(ScreenId, bool)> onVisibilityChange;

    Screen& screen(ScreenId id) { return *screens_[static_cast<int>(id)]; }

    TGameMenu& GameMenu();
    TNGScreen& NGScreen();
    TRankingScreen& RankingScreen();
    TPlanetScreen& PlanetScreen();
    TFuel& Fuel();
    TBank& Bank();
    TCrew& Crew();
    TPlanet& Planet();
    TTravelscr& Travelscr();
    TShpUpg& ShpUpg();
    TShip& Ship();
    TPsngrs& Psngrs();
    TAdvertScr& AdvertScr();
    TMarketScr& MarketScr();
    TCargoScr& CargoScr();
    TDemandScr& DemandScr();
    TBuy& Buy();
    TSell& Sell();
    TWarescr& Warescr();
    TProduction& Production();
    TManufacturing& Manufacturing();
    TProductionInfo& ProductionInfo();
    TGDInfo& GDInfo();
    TSalesoffice& Salesoffice();
    TLandings& Landings();

private:
    std::unique_ptr<quorvex::Random> random_;
    std::array<std::unique_ptr<Screen>, kScreenCount> screens_;
    std::array<bool, kScreenCount> visible_{};
    int depth_ = 0;
};

}  // namespace quorvex
