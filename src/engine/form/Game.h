#pragma once

#include <any>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "../journal/Record.h"
#include "../state/GameError.h"
#include "../state/GameState.h"
#include "../state/Random.h"
#include "../state/World.h"
#include "Action.h"
#include "Dialogs.h"
#include "GameWatcher.h"
#include "ScreenId.h"

namespace quorvex {

class Screen;
class Control;
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

// The person's dialogs, with each box and its answer also written to the journal.
class JournalledDialogs final : public Dialogs {
public:
    JournalledDialogs(Dialogs& person, std::function<void(const Record&)> journal)
        : person_(person), journal_(std::move(journal)) {}
    void message(const std::string& text) override;
    bool confirm(const std::string& text) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultText) override;
    void error(const std::string& text) override;
    std::optional<std::string> saveFileName(const std::string& folder,
                                            const std::string& filter) override;
    std::optional<std::string> openFileName(const std::string& folder,
                                            const std::string& filter) override;

private:
    void write(const Record& record) const { journal_(record); }
    Dialogs& person_;
    std::function<void(const Record&)> journal_;
};

// The running program without its windows: the store, the generator, the person's dialogs and
// the 25 screens with which of them are visible.
class Game {
public:
    explicit Game(Dialogs& person, std::unique_ptr<Random> random = nullptr);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState state;

private:
    std::function<void(const Record&)> journal_;
    GameWatcher noWatcher_;
    GameWatcher* watcher_ = &noWatcher_;
    JournalledDialogs journalledDialogs_;

public:
    // Every box the game shows goes through here, so the journal hears of it.
    Dialogs& dialogs;

    // Random(n): a whole number from 0 to n - 1 from the program-wide generator.
    Int random(Int n) { return random_->draw(n); }
    quorvex::Random& generator() { return *random_; }
    void setGenerator(std::unique_ptr<quorvex::Random> random);

    // The store, the generator and the message boxes, for the rules that run between screens.
    World world() {
        return World(
            state, *random_, prices_, [this](const std::string& text) { dialogs.message(text); },
            [this](Int company) { watcher_->concerning(company); });
    }

    // Where the main menu takes its seed when it is shown: the clock, unless a tool, a test or a
    // replayed journal wants a game it can repeat.
    std::function<uint32_t()> clockSeed;
    // Seeds the generator from clockSeed, as the main menu does on every showing.
    void seedFromClock();

    // Hears every record of the journal, in order: the seeds, the person's actions, the boxes
    // shown and their answers. None by default.
    void setJournal(std::function<void(const Record&)> journal) { journal_ = std::move(journal); }
    void writeToJournal(const Record& record) const {
        if (journal_) journal_(record);
        watcher_->heard(record);
    }

    // Whoever keeps things beside the game (see GameWatcher); none (nullptr) by default.
    void setWatcher(GameWatcher* watcher) { watcher_ = watcher != nullptr ? watcher : &noWatcher_; }
    GameWatcher& watcher() const { return *watcher_; }

    // The program's start: the main menu is shown.
    void start();

    // Does what the person did to a control: a click, a choice, typed text ... It is one action,
    // run through perform and written to the journal (text typed into edit boxes since the last
    // action first). False, and nothing done, when the control cannot take it now: its screen is
    // hidden, it is disabled or hidden, or it takes no action of that kind.
    bool act(const Action& action);
    // The control an action would go to, if it can take it now.
    Control* actionTarget(const Action& action) const;

    // Runs one step of the game. On any failure the store, which screens are visible and
    // everything they show are put back as they were before it; a GameError or any other fault
    // then shows its text in an error box, nothing half-done. Draws already made stay drawn.
    void perform(const std::function<void()>& action);

    // Shows a screen and runs its FormShow; hides one. A screen shown again runs FormShow again.
    void show(ScreenId id);
    void hide(ScreenId id);
    bool isVisible(ScreenId id) const { return visible_[static_cast<int>(id)]; }
    // Hides every screen but one: a new or loaded game replaces whatever was on the screen.
    void hideAllBut(ScreenId keep);
    // Told of every show and hide, so a window layer can follow.
    std::function<void(ScreenId, bool)> onVisibilityChange;

    Screen& screen(ScreenId id) const { return *screens_[static_cast<int>(id)]; }

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
    using Views = std::vector<std::any>;
    Views rememberViews() const;
    void recallViews(const Views& views);
    void restoreVisibility(const std::array<bool, kScreenCount>& visible);
    // Edit boxes whose text the person changed since the game last set or recorded it.
    void journalTypedText();
    void settleTypedText();
    void closePopups();

    std::unique_ptr<quorvex::Random> random_;
    PriceMemo prices_;
    std::unique_ptr<GameState> stateBefore_;  // the store as it was before the action in hand
    std::array<std::unique_ptr<Screen>, kScreenCount> screens_;
    std::array<bool, kScreenCount> visible_{};
    int depth_ = 0;
};

// The 25 screens of a game, in the program's order (made where every subsystem is known).
std::array<std::unique_ptr<Screen>, kScreenCount> createScreens(Game& game);

}  // namespace quorvex
