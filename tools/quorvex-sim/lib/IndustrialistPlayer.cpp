#include "IndustrialistPlayer.h"

#include <algorithm>
#include <limits>

#include "IndustryPlan.h"
#include "Invariants.h"
#include "Simulator.h"
#include "economy/TAdvertScr.h"
#include "industry/TManufacturing.h"
#include "industry/TProduction.h"
#include "industry/TSalesoffice.h"
#include "services/TPlanetScreen.h"
#include "state/Catalogue.h"
#include "state/Format.h"

namespace quorvex::sim {
namespace {

// Advertising comes every few game turns, when the cash is well above what is kept back.
constexpr int kTurnsBetweenCampaigns = 8;
constexpr int32_t kCashForCampaign = 2 * kCashKeptBack;
// The sales office is looked at every few game turns, and whenever a level changed.
constexpr int kTurnsBetweenLooks = 5;

}  // namespace

IndustrialistPlayer::IndustrialistPlayer(Simulator& sim) : TraderPlayer(sim), sim_(sim) {
    sim.dialogs().onMessage = [this](const std::string& text) { hear(text); };
}

// The world update tells a human company by name when its mines or its factories did not work.
void IndustrialistPlayer::hear(const std::string& text) {
    static const char* const kMinesIdle[] = {
        " You can not afford to pay for your maintainance costs",
        " You can not afford to produce anything this turn"};
    static const char* const kFactoryIdle[] = {
        " You can not afford to pay your manufacturing costs",
        " You do not have enough goods to do all your manufacturing"};
    const GameState& s = sim_.state();
    for (int c = 1; c <= kHumanCompanies; ++c) {
        const std::string& name = s.PlayerName[c];
        if (name.empty() || text.compare(0, name.size(), name) != 0) continue;
        const std::string_view rest = std::string_view(text).substr(name.size());
        for (const char* idle : kMinesIdle)
            if (rest.starts_with(idle)) heard_[c].minesIdle = true;
        for (const char* idle : kFactoryIdle)
            if (rest.starts_with(idle)) heard_[c].factoryIdle = true;
    }
}

bool IndustrialistPlayer::atRanking(Simulator& sim) {
    return afterWorldUpdates(sim) && TraderPlayer::atRanking(sim);
}

// Once per game turn, before anybody has acted in it: the world update that began it must have
// left the store sound, and what the mines dug and the factories made in it is counted. Nothing
// changes the levels between the world update and this look.
bool IndustrialistPlayer::afterWorldUpdates(Simulator& sim) {
    const GameState& s = sim.state();
    const int turn = s.TurnNumber.get();
    if (turn == lastTurnChecked_) return true;
    lastTurnChecked_ = turn;
    const auto broken = checkInvariants(s);
    if (!broken.empty())
        return sim.stop(SimStatus::Broken,
                        cat("after the world update of game turn ", turn, ": ", broken.front()));
    ++checked_;
    for (int c = 1; c <= kHumanCompanies; ++c) {
        Works& w = works_[static_cast<std::size_t>(c)];
        const Heard heard = heard_[static_cast<std::size_t>(c)];
        heard_[static_cast<std::size_t>(c)] = {};
        if (!s.PlayerActive[c]) continue;
        for (int t = 1; t <= kPlanets; ++t) {
            if (!heard.minesIdle)
                for (int g = 1; g <= kRawGoods; ++g)
                    w.mined[static_cast<std::size_t>(g)] += digging(s, c, t, g);
            if (!heard.factoryIdle)
                for (int r = 1; r <= kRecipes; ++r)
                    w.made[static_cast<std::size_t>(s.RecipeOutput[r].get())] +=
                        s.FactoryAmount(c, t, r).get();
        }
    }
    return true;
}

// The trader's turn with the industry's steps where the money is: after the cargo is sold and
// before the next is bought.
bool IndustrialistPlayer::playTurn(Simulator& sim) {
    beginTurn(sim);
    if (!sellCargo(sim) || !payCrew(sim) || !refuel(sim)) return false;
    Works& w = works_[static_cast<std::size_t>(me(sim).get())];
    if (!tendMines(sim, w) || !build(sim, w) || !tendFactory(sim, w)) return false;
    if (w.site != 0 && sim.state().TurnNumber.get() % kTurnsBetweenLooks == 0 &&
        !lookAtSalesOffice(sim, w))
        return false;
    if (!advertise(sim, w) || !fitOut(sim) || !buyCargo(sim) || !repayLoan(sim)) return false;
    return sim.flyTo(destination(sim.state()));
}

// The first industry: mines for the inputs of the product that earns most here, then the
// factory.
bool IndustrialistPlayer::build(Simulator& sim, Works& w) {
    if (w.site != 0) return true;
    const GameState& s = sim.state();
    const Int c = me(sim);
    const auto plan = bestIndustryPlan(s, c);
    if (!plan) return true;
    const int t = s.PlayerPlanet[c].get();
    if (!plan->mines.empty()) {
        Game& game = sim.game();
        if (!open(sim, game.PlanetScreen().Button6, ScreenId::Production)) return false;
        for (const auto& [g, offer] : plan->mines) {
            const int slot = freeMineSlot(s, c, t, g);
            if (!buyMine(sim, g, offer)) return false;
            ++w.minesBought;
            const int32_t level = fullProduction(s.MineMaxProduction(c, t, g, slot).get(),
                                                 s.MineReserve(c, t, g, slot).get());
            if (!setMineProduction(sim, g, slot, level)) return false;
        }
        if (!open(sim, game.Production().Button1, ScreenId::PlanetScreen)) return false;
    }
    w.site = t;
    w.recipe = plan->recipe;
    sim.log(cat("company ", c, " sets up ", s.GoodName[s.RecipeOutput[w.recipe]], " on planet ",
                s.PlanetName[t]));
    return true;
}

bool IndustrialistPlayer::buyMine(Simulator& sim, int good, int offer) {
    const GameState& s = sim.state();
    TProduction& screen = sim.game().Production();
    const int before = minesOwned(s, me(sim));
    if (!act(sim, actionChoose(screen.GoodList, good - 1)) ||
        !act(sim, actionCell(screen.PlntMines, 0, offer)) || !act(sim, actionClick(screen.Buy)))
        return false;
    if (minesOwned(s, me(sim)) != before + 1)
        return sim.stop(SimStatus::Stuck, cat("\"Buy\" bought no ", s.GoodName[good], " mine"));
    return true;
}

bool IndustrialistPlayer::setMineProduction(Simulator& sim, int good, int slot, int32_t level) {
    const GameState& s = sim.state();
    TProduction& screen = sim.game().Production();
    if (!act(sim, actionChoose(screen.GoodList, good - 1)) ||
        !act(sim, actionCell(screen.Plyrmines, 0, slot)))
        return false;
    if (!act(sim, actionClick(screen.Prd), std::to_string(level)))
        return false;  // "Set Production"
    if (s.MineProduction(me(sim), s.PlayerPlanet[me(sim)], good, slot) != level)
        return sim.stop(SimStatus::Stuck, cat("the ", s.GoodName[good], " mine in slot ", slot,
                                              " was not set to dig ", level));
    return true;
}

bool IndustrialistPlayer::sellMine(Simulator& sim, int good, int slot) {
    const GameState& s = sim.state();
    TProduction& screen = sim.game().Production();
    if (!act(sim, actionChoose(screen.GoodList, good - 1)) ||
        !act(sim, actionCell(screen.Plyrmines, 0, slot)) || !act(sim, actionClick(screen.Sell)))
        return false;
    if (mineOwned(s, me(sim), s.PlayerPlanet[me(sim)].get(), good, slot))
        return sim.stop(SimStatus::Stuck,
                        cat("\"Sell\" kept the ", s.GoodName[good], " mine in slot ", slot));
    return true;
}

// Back at its mines: a worked-out mine is sold, the others dig all they can, and an input left
// without a mine gets a new one when the cash allows.
bool IndustrialistPlayer::tendMines(Simulator& sim, Works& w) {
    const GameState& s = sim.state();
    const Int c = me(sim);
    const int t = s.PlayerPlanet[c].get();
    if (w.site != t) return true;
    Game& game = sim.game();
    bool opened = false;
    auto openScreen = [&] {
        if (opened) return true;
        opened = true;
        return open(sim, game.PlanetScreen().Button6, ScreenId::Production);
    };
    for (int g : inputsOf(s, w.recipe))
        for (int k = 1; k <= kMineSlots; ++k) {
            if (!mineOwned(s, c, t, g, k)) continue;
            const int32_t full = fullProduction(s.MineMaxProduction(c, t, g, k).get(),
                                                s.MineReserve(c, t, g, k).get());
            if (s.MineReserve(c, t, g, k) <= 0) {
                if (!openScreen() || !sellMine(sim, g, k)) return false;
                ++w.minesSold;
            } else if (s.MineProduction(c, t, g, k) != full) {
                if (!openScreen() || !setMineProduction(sim, g, k, full)) return false;
            }
        }
    for (int g : inputsOf(s, w.recipe)) {
        if (hasWorkingMine(s, c, t, g) || minesOwned(s, c) >= kMostMines) continue;
        const int offer = cheapestOffer(s, t, g);
        if (offer == 0 ||
            s.PlayerCash[c].wide() < s.PlanetMinePrice(t, g, offer).wide() + kCashKeptBack)
            continue;
        const int slot = freeMineSlot(s, c, t, g);
        if (!openScreen() || !buyMine(sim, g, offer)) return false;
        ++w.minesBought;
        const int32_t level = fullProduction(s.MineMaxProduction(c, t, g, slot).get(),
                                             s.MineReserve(c, t, g, slot).get());
        if (!setMineProduction(sim, g, slot, level)) return false;
    }
    return !opened || open(sim, game.Production().Button1, ScreenId::PlanetScreen);
}

// The factory makes what its mines give inputs for, in the units it owns, renting more when the
// ship is there. It is steered from anywhere.
bool IndustrialistPlayer::tendFactory(Simulator& sim, Works& w) {
    if (w.site == 0) return true;
    const GameState& s = sim.state();
    const Int c = me(sim);
    const int t = w.site;
    const int r = w.recipe;
    const bool here = s.PlayerPlanet[c] == t;
    const int64_t unitsEach = s.RecipeUnits[r].wide();
    const int32_t current = s.FactoryAmount(c, t, r).get();
    const int64_t room =
        s.FactoryUnits(c, t).wide() - s.FactoryUsedUnits(c, t).wide() + current * unitsEach;
    int64_t target = levelFromMines(s, c, t, r);
    int64_t unitsToBuy = 0;
    if (here && target * unitsEach > room) {
        const int64_t price = std::max<int64_t>(s.PlanetFactoryPrice[t].wide(), 1);
        const int64_t affordable = (s.PlayerCash[c].wide() - kCashKeptBack) / price;
        unitsToBuy = std::clamp<int64_t>(
            std::min({target * unitsEach - room, s.PlanetFactoryAvailable[t].wide(), affordable}),
            0, std::numeric_limits<int32_t>::max());
    }
    target = std::min(target, (room + unitsToBuy) / unitsEach);
    if (target == current && unitsToBuy == 0) return true;

    Game& game = sim.game();
    TManufacturing& screen = game.Manufacturing();
    if (!open(sim, game.PlanetScreen().Button8, ScreenId::Manufacturing)) return false;
    if (unitsToBuy > 0) {
        if (!buyFactoryUnits(sim, static_cast<int32_t>(unitsToBuy))) return false;
        w.unitsBought += static_cast<long>(unitsToBuy);
    }
    if (target != current) {
        if (!here && !act(sim, actionChoose(screen.PLanetList, t - 1))) return false;
        if (!act(sim, actionPage(screen.PageControl1, 0)) ||
            !act(sim, actionCell(screen.Factory, 0, r + 1)))
            return false;
        if (!act(sim, actionClick(target > current ? screen.UpBy : screen.DownBy),
                 std::to_string(std::abs(target - current))))
            return false;
        if (s.FactoryAmount(c, t, r) != target)
            return sim.stop(SimStatus::Stuck,
                            cat("the ", s.GoodName[s.RecipeOutput[r]], " level on ",
                                s.PlanetName[t], " did not become ", static_cast<int>(target)));
        ++w.levelChanges;
    }
    if (!open(sim, screen.Button1, ScreenId::PlanetScreen)) return false;
    return target == current || lookAtSalesOffice(sim, w);
}

bool IndustrialistPlayer::buyFactoryUnits(Simulator& sim, int32_t units) {
    const GameState& s = sim.state();
    const Int c = me(sim);
    TManufacturing& screen = sim.game().Manufacturing();
    const Int before = s.FactoryUnits(c, s.PlayerPlanet[c]);
    if (!act(sim, actionPage(screen.PageControl1, 1)) ||
        !act(sim, actionText(screen.BuyAmount, std::to_string(units))))
        return false;
    if (!act(sim, actionClick(screen.Buy))) return false;  // and Yes to its question
    if (s.FactoryUnits(c, s.PlayerPlanet[c]) != before + units)
        return sim.stop(SimStatus::Stuck, cat("\"Buy\" did not rent ", units, " factory units"));
    return true;
}

// The sales office is left to buy the inputs and sell the output; its plan for the industry's
// planet is looked at now and then.
bool IndustrialistPlayer::lookAtSalesOffice(Simulator& sim, const Works& w) {
    Game& game = sim.game();
    TSalesoffice& screen = game.Salesoffice();
    if (!open(sim, game.PlanetScreen().Button12, ScreenId::Salesoffice)) return false;
    const GameState& s = sim.state();
    if (s.PlayerPlanet[me(sim)] != w.site && !act(sim, actionChoose(screen.PLanetList, w.site - 1)))
        return false;
    sim.log(cat("company ", me(sim), "'s sales office on ", s.PlanetName[w.site],
                " plans a profit of £", screen.Sales.cell(13, kGoods + 2)));
    return open(sim, screen.Button1, ScreenId::PlanetScreen);
}

// Now and then a flyer for the demand of what the factory makes, on the factory's planet.
bool IndustrialistPlayer::advertise(Simulator& sim, Works& w) {
    const GameState& s = sim.state();
    const Int c = me(sim);
    if (w.site == 0 || s.TurnNumber.get() % kTurnsBetweenCampaigns != 0 ||
        s.PlayerCash[c] < kCashForCampaign || s.AdvDone[c])
        return true;
    Game& game = sim.game();
    TAdvertScr& screen = game.AdvertScr();
    if (!open(sim, game.PlanetScreen().Button17, ScreenId::AdvertScr)) return false;
    // No passengers: "None" at "£0".
    if (!act(sim, actionChoose(screen.PSMethod, 0)) || !act(sim, actionChoose(screen.PSCost, 0)))
        return false;
    const bool industrial = isIndustrialGood(s.RecipeOutput[w.recipe]);
    RadioGroup& method = industrial ? screen.IMethodB : screen.RMethodB;
    RadioGroup& cost = industrial ? screen.ICostB : screen.RCostB;
    PlanetTicks& planets = industrial ? screen.IPlanetB : screen.RPlanetB;
    if (!act(sim, actionPage(screen.PageControl1, industrial ? 3 : 4)) ||
        !act(sim, actionChoose(method, 1)) || !act(sim, actionChoose(cost, 0)))  // a flyer, £1500
        return false;
    if (w.site != 1 && (!act(sim, actionCheck(planets[w.site], true)) ||
                        !act(sim, actionCheck(planets[1], false))))
        return false;
    const Int cash = s.PlayerCash[c];
    if (!act(sim, actionClick(screen.Button3)) || !act(sim, actionClick(screen.Button2)))
        return false;  // "Calculate Cost", "Advertise"
    if (!s.AdvDone[c] || s.PlayerCash[c] != cash - 1500)
        return sim.stop(SimStatus::Stuck, "\"Advertise\" did not buy the flyer");
    ++w.campaigns;
    return open(sim, screen.Button4, ScreenId::PlanetScreen);
}

namespace {

std::string count(long n) {
    return std::to_string(n);
}

std::string goodsList(const GameState& s, const std::array<long, kGoods + 1>& amounts) {
    std::string list;
    for (int g = 1; g <= kGoods; ++g) {
        if (amounts[static_cast<std::size_t>(g)] == 0) continue;
        if (!list.empty()) list += ", ";
        list += count(amounts[static_cast<std::size_t>(g)]) + " " + s.GoodName[g];
    }
    return list.empty() ? "nothing" : list;
}

}  // namespace

std::string IndustrialistPlayer::closingNote(Simulator& sim) {
    if (!afterWorldUpdates(sim)) return {};  // the last world update, if nobody played after it
    const GameState& s = sim.state();
    std::string note;
    for (int c = 1; c <= kHumanCompanies; ++c) {
        const Works& w = works_[static_cast<std::size_t>(c)];
        if (w.site == 0 && w.minesBought == 0) continue;
        note += cat("industrialist ", s.PlayerName[c], " (company ", c, ")",
                    s.PlayerActive[c] ? "" : ", out of the game", ":");
        for (int t = 1; t <= kPlanets; ++t)
            for (int g = 1; g <= kRawGoods; ++g)
                for (int k = 1; k <= kMineSlots; ++k)
                    if (mineOwned(s, c, t, g, k))
                        note += cat(" a ", s.GoodName[g], " mine on ", s.PlanetName[t], " digging ",
                                    s.MineProduction(c, t, g, k), " a turn with ",
                                    s.MineReserve(c, t, g, k), " left;");
        for (int t = 1; t <= kPlanets; ++t) {
            if (s.FactoryUnits(c, t) == 0) continue;
            note += cat(" ", s.FactoryUnits(c, t), " factory units on ", s.PlanetName[t]);
            for (int r = 1; r <= kRecipes; ++r)
                if (s.FactoryAmount(c, t, r) != 0)
                    note += cat(" making ", s.FactoryAmount(c, t, r), " ",
                                s.GoodName[s.RecipeOutput[r]], " a turn");
            note += ";";
        }
        note += " mined " + goodsList(s, w.mined) + "; made " + goodsList(s, w.made) + "; " +
                count(w.minesBought) + " mines bought, " + count(w.minesSold) + " sold, " +
                count(w.unitsBought) + " factory units rented, " + count(w.levelChanges) +
                " level changes, " + count(w.campaigns) + " advertising campaigns\n";
    }
    return note + "the store's relations held after each of " + count(checked_) +
           " world updates\n";
}

}  // namespace quorvex::sim
