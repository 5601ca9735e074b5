#include "TraderPlayer.h"

#include <algorithm>
#include <limits>

#include "Invariants.h"
#include "Simulator.h"
#include "form/Game.h"
#include "services/TBank.h"
#include "services/TCrew.h"
#include "services/TFuel.h"
#include "services/TPlanetScreen.h"
#include "services/TShip.h"
#include "services/TShpUpg.h"
#include "state/Catalogue.h"
#include "state/Format.h"
#include "trading/TBuy.h"
#include "trading/TDemandScr.h"
#include "trading/TMarketScr.h"
#include "trading/TSell.h"
#include "trading/TradeQuote.h"
#include "trading/TradeRules.h"

namespace quorvex::sim {
namespace {

constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

// Goods that found no better market are sold wherever the ship is after this many turns aboard.
constexpr int kTurnsAboardAtMost = 3;
// The cash kept back: the dearest landing charge and a tank of fuel at a middling price.
constexpr int kCashKept = 8000;
// The loan it borrows up to: the limit less room for a turn's interest, a landing and a tow.
constexpr int64_t kSafeLoanPercent = 80;
// Money is borrowed only for goods that fetch this much more, in percent, where they go.
constexpr int64_t kBorrowForMarginPercent = 15;

// The market's rows: industrial good g in row g + 1 (two heading rows), retail good g in row
// g - 12; the retail list is the first tab, the industrial list the second.
int marketRow(Int good) {
    return isIndustrialGood(good) ? good.get() + 1 : good.get() - kIndustrialGoods;
}

bool isHelpQuestion(const std::string& text) {
    return text.rfind("Would you like some help", 0) == 0;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += (out.empty() ? "" : "; ") + l;
    return out;
}

// The dearest of a good's prices here: whatever band an amount falls in, money for that many at
// this price covers it.
int64_t dearestPrice(const GameState& s, Int c, Int t, Int g) {
    if (!isIndustrialGood(g)) return s.PlayerRetailPrice(c, t, g).wide();
    return std::max({s.PlayerIndPrice1(c, t, g).wide(), s.PlayerIndPrice2(c, t, g).wide(),
                     s.PlayerIndPrice3(c, t, g).wide()});
}

// The planet other than here that ranks a good best.
Int bestPlanetElsewhere(const GameState& s, Int good, Int here) {
    const PlanetRanks ranks = planetRanks(s, good);
    Int best = 0;
    for (int p = 1; p <= kPlanets; ++p)
        if (p != here && (best == 0 || ranks[p] < ranks[best.get()])) best = p;
    return best;
}

}  // namespace

TraderPlayer::TraderPlayer(Simulator& sim) {
    SimDialogs& d = sim.dialogs();
    // No first-turn guidance; every trade and purchase it asked for is meant.
    d.answerConfirm = [](const std::string& text) { return !isHelpQuestion(text); };
    d.answerInput = [this](const std::string&, const std::string&,
                           const std::string& defaultText) -> std::optional<std::string> {
        auto typed = typed_.value_or(defaultText);
        typed_.reset();
        return typed;
    };
}

Int TraderPlayer::me(const Simulator& sim) const {
    return sim.state().CurrentPlayer;
}

void TraderPlayer::beginTurn(Simulator& sim) {
    ++tally_.turns;
    Voyage& v = voyage(sim);
    for (int g = 1; g <= kGoods; ++g)
        v.turnsAboard[g] = sim.state().CargoHold(me(sim), g) > 0 ? v.turnsAboard[g] + 1 : 0;
}

bool TraderPlayer::playTurn(Simulator& sim) {
    beginTurn(sim);
    if (!sellCargo(sim) || !payCrew(sim) || !refuel(sim) || !fitOut(sim) || !buyCargo(sim) ||
        !repayLoan(sim))
        return false;
    return sim.flyTo(destination(sim.state()));
}

bool TraderPlayer::act(Simulator& sim, const Action& action, std::optional<std::string> typed) {
    typed_ = std::move(typed);
    const bool done = sim.act(action);
    typed_.reset();
    return done;
}

bool TraderPlayer::open(Simulator& sim, const Button& opener, ScreenId expected) {
    if (!act(sim, actionClick(opener))) return false;
    if (!sim.game().isVisible(expected))
        return sim.stop(SimStatus::Stuck,
                        cat("\"", opener.caption, "\" did not open ", screenClassName(expected)));
    return true;
}

Int TraderPlayer::cashKept(const GameState&) const {
    return kCashKept;
}

int64_t TraderPlayer::unitsFitting(const GameState& s, Int good, int64_t freeTons) {
    if (freeTons < 0) return 0;
    if (goodTons(s, good, kIntMax) <= freeTons) return kIntMax;
    // The weight of q units never falls as q grows: the most that fit lie below the first that
    // does not.
    int64_t fits = 0, tooMany = kIntMax;
    while (tooMany - fits > 1) {
        const int64_t mid = fits + (tooMany - fits) / 2;
        (goodTons(s, good, mid) <= freeTons ? fits : tooMany) = mid;
    }
    return fits;
}

bool TraderPlayer::worthSelling(const GameState& s, Int good, const Voyage& v) const {
    const Int c = s.CurrentPlayer;
    const Int here = s.PlayerPlanet[c];
    return planetRanks(s, good)[here.get()] == 1 || v.sellAt[good.get()] == here ||
           v.turnsAboard[good.get()] > kTurnsAboardAtMost;
}

bool TraderPlayer::sellCargo(Simulator& sim) {
    const GameState& s = sim.state();
    const Int c = me(sim);
    std::vector<std::pair<Int, Int>> sales;
    for (int g = 1; g <= kGoods; ++g)
        if (s.CargoHold(c, g) > 0 && worthSelling(s, g, voyage(sim)))
            sales.emplace_back(g, s.CargoHold(c, g));
    return sales.empty() || atMarket(sim, sales, false);
}

bool TraderPlayer::payCrew(Simulator& sim) {
    const GameState& s = sim.state();
    if (s.CrewDebt[me(sim)] <= 0 || s.PlayerCash[me(sim)] <= 0) return true;
    TPlanetScreen& hub = sim.game().PlanetScreen();
    TCrew& crew = sim.game().Crew();
    return open(sim, hub.Button3, ScreenId::Crew) && act(sim, actionClick(crew.Button4)) &&
           open(sim, crew.Button3, ScreenId::PlanetScreen);
}

bool TraderPlayer::refuel(Simulator& sim) {
    const GameState& s = sim.state();
    const Int c = me(sim);
    const int64_t room = s.FuelTankSpace[c].wide() - s.ShipFuel[c].wide();
    const Int price = s.PlanetFuelPrice[s.PlayerPlanet[c]];
    const int64_t spare = s.PlayerCash[c].wide() - cashKept(s).wide();
    const int64_t tons = price > 0 ? std::min(room, spare / price.wide()) : room;
    if (tons < 1) return true;
    TPlanetScreen& hub = sim.game().PlanetScreen();
    TFuel& fuel = sim.game().Fuel();
    return open(sim, hub.Button2, ScreenId::Fuel) &&
           act(sim, actionClick(fuel.Button2), std::to_string(tons)) &&
           open(sim, fuel.Button3, ScreenId::PlanetScreen);
}

bool TraderPlayer::fitOut(Simulator& sim) {
    const GameState& s = sim.state();
    const Int c = me(sim);
    const Int price = s.PlanetCargoSpacePrice[s.PlayerPlanet[c]];
    const int64_t spare = s.PlayerCash[c].wide() - cashKept(s).wide();
    const int64_t tons =
        std::min<int64_t>(s.ShipFreeSpace[c].wide(), price > 0 ? spare / price.wide() : kIntMax);
    if (tons < 1) return true;
    TPlanetScreen& hub = sim.game().PlanetScreen();
    TShip& ship = sim.game().Ship();
    TShpUpg& space = sim.game().ShpUpg();
    return open(sim, hub.Button10, ScreenId::Ship) && open(sim, ship.Button2, ScreenId::ShpUpg) &&
           act(sim, actionClick(space.Button3), std::to_string(tons)) &&
           open(sim, space.Button1, ScreenId::Ship) &&
           open(sim, ship.Button1, ScreenId::PlanetScreen);
}

int64_t TraderPlayer::borrowable(const GameState& s) const {
    const Int c = s.CurrentPlayer;
    // A loan that stays below the limit after a turn's interest, a landing charge and a tow.
    const int64_t safeLoan = s.PlayerCreditLimit[c].wide() * kSafeLoanPercent / 100;
    return std::max<int64_t>(safeLoan - s.PlayerLoan[c].wide(), 0);
}

std::optional<TraderPlayer::Offer> TraderPlayer::bestOffer(const GameState& s) const {
    const Int c = s.CurrentPlayer;
    const Int here = s.PlayerPlanet[c];
    const int64_t cash = std::max<int64_t>(s.PlayerCash[c].wide() - cashKept(s).wide(), 0);
    const int64_t freeTons = s.CargoSpace[c].wide() - s.CargoUsed[c].wide();
    std::optional<Offer> best;
    int64_t bestProfit = 0;
    for (int g = 1; g <= kGoods; ++g) {
        const int64_t dearest = dearestPrice(s, c, here, g);
        if (dearest < 1) continue;
        const int64_t carried =
            std::min(s.PlayerAmount(c, here, g).wide(), unitsFitting(s, g, freeTons));
        const auto tryWith = [&](int64_t money, bool borrowing) {
            const int64_t q = std::min(carried, money / dearest);
            if (q < 1) return;
            const Int priceHere = unitPrice(s, c, here, g, q);
            // Sold where the demand screen ranks the good best.
            const Int there = bestPlanetElsewhere(s, g, here);
            const Int priceThere = unitPrice(s, c, there, g, q);
            const int64_t gap = priceThere.wide() - priceHere.wide();
            // Borrowed money must earn well above its interest.
            if (gap < 1 || (borrowing && gap * 100 < priceHere.wide() * kBorrowForMarginPercent))
                return;
            const int64_t profit = gap * q;
            if (profit > bestProfit) {
                bestProfit = profit;
                best = Offer{g, Int::fromWide(q), priceHere, priceThere, there};
            }
        };
        tryWith(cash, false);
        tryWith(cash + borrowable(s), true);
    }
    return best;
}

bool TraderPlayer::buyCargo(Simulator& sim) {
    const auto offer = bestOffer(sim.state());
    if (!offer) return true;
    const GameState& s = sim.state();
    const Int c = me(sim);
    const int64_t shortOf =
        offer->quantity.wide() * dearestPrice(s, c, s.PlayerPlanet[c], offer->good) -
        (s.PlayerCash[c].wide() - cashKept(s).wide());
    if (shortOf > 0 && !borrow(sim, shortOf)) return false;
    if (!atMarket(sim, {{offer->good, offer->quantity}}, true)) return false;
    Voyage& v = voyage(sim);
    v.sellAt[offer->good.get()] = offer->bestPlanet;
    v.turnsAboard[offer->good.get()] = 0;
    return true;
}

bool TraderPlayer::borrow(Simulator& sim, int64_t amount) {
    TPlanetScreen& hub = sim.game().PlanetScreen();
    TBank& bank = sim.game().Bank();
    return open(sim, hub.Button7, ScreenId::Bank) &&
           act(sim, actionClick(bank.Button2), std::to_string(amount)) &&
           open(sim, bank.Button1, ScreenId::PlanetScreen);
}

bool TraderPlayer::repayLoan(Simulator& sim) {
    const GameState& s = sim.state();
    const Int c = me(sim);
    const int64_t amount =
        std::min(s.PlayerLoan[c].wide(), s.PlayerCash[c].wide() - cashKept(s).wide());
    if (amount < 1) return true;
    TPlanetScreen& hub = sim.game().PlanetScreen();
    TBank& bank = sim.game().Bank();
    return open(sim, hub.Button7, ScreenId::Bank) &&
           act(sim, actionClick(bank.Button6), std::to_string(amount)) &&
           open(sim, bank.Button1, ScreenId::PlanetScreen);
}

Int TraderPlayer::destination(const GameState& s) const {
    const Int c = s.CurrentPlayer;
    const Int here = s.PlayerPlanet[c];
    // The planet that wants most the good aboard that is worth most.
    Int cargo = 0;
    int64_t worth = 0;
    for (int g = 1; g <= kGoods; ++g) {
        const int64_t w = s.CargoHold(c, g).wide() * unitPrice(s, c, here, g, 1).wide();
        if (s.CargoHold(c, g) > 0 && w >= worth) {
            worth = w;
            cargo = g;
        }
    }
    if (cargo == 0) return s.PlayerDestination[c];
    return bestPlanetElsewhere(s, cargo, here);
}

bool TraderPlayer::atMarket(Simulator& sim, const std::vector<std::pair<Int, Int>>& trades,
                            bool buying) {
    TMarketScr& market = sim.game().MarketScr();
    if (!open(sim, sim.game().PlanetScreen().Button9, ScreenId::MarketScr)) return false;
    for (const auto& [good, quantity] : trades)
        if (!tradeOnMarket(sim, good, quantity, buying)) return false;
    return open(sim, market.Button1, ScreenId::PlanetScreen);
}

bool TraderPlayer::tradeOnMarket(Simulator& sim, Int good, Int quantity, bool buying) {
    Game& game = sim.game();
    TMarketScr& market = game.MarketScr();
    const bool industrial = isIndustrialGood(good);
    const auto& grid = industrial ? market.IndGoods : market.RtlGoods;
    if (!act(sim, actionPage(market.PageControl1, industrial ? 1 : 0)) ||
        !act(sim, actionCell(grid, 0, marketRow(good))))
        return false;

    const ScreenId tradeScreen = buying ? ScreenId::Buy : ScreenId::Sell;
    if (!act(sim, actionItem(market.PopMenu, buying ? "Buy1" : "Sell1"))) return false;
    if (!game.isVisible(tradeScreen))
        return sim.stop(SimStatus::Stuck,
                        cat("the market's menu did not open ", screenClassName(tradeScreen)));
    const Edit& amount = buying ? game.Buy().Buybox : game.Sell().SellL;
    const Choice& place = buying ? static_cast<const Choice&>(game.Buy().Storein)
                                 : static_cast<const Choice&>(game.Sell().SellFrom);
    const Button& trade = buying ? game.Buy().Button2 : game.Sell().Button2;
    const Button& exit = buying ? game.Buy().Button4 : game.Sell().Button4;
    if (!act(sim, actionText(amount, str(quantity))) ||
        !act(sim, actionChoose(place, static_cast<int>(Place::Ship))))
        return false;

    const GameState before = sim.state();
    const Int c = me(sim);
    if (!act(sim, actionClick(trade))) return false;
    const GameState& after = sim.state();
    const Int moved = after.CargoHold(c, good) - before.CargoHold(c, good);
    if (moved != (buying ? quantity : Int(0) - quantity))
        return sim.stop(SimStatus::Stuck,
                        cat(buying ? "buying " : "selling ", quantity, " ", after.GoodName[good],
                            " was refused: ", sim.dialogs().lastMessage()));
    const auto books = checkTrade(before, after);
    if (!books.empty()) return sim.stop(SimStatus::Broken, "a trade: " + joined(books));
    const auto broken = checkInvariants(after);
    if (!broken.empty()) return sim.stop(SimStatus::Broken, "after a trade: " + joined(broken));

    const int64_t money = after.PlayerCash[c].wide() - before.PlayerCash[c].wide();
    sim.log(cat("company ", c, buying ? " buys " : " sells ", quantity, " ", after.GoodName[good],
                " on planet ", after.PlayerPlanet[c], " for £",
                std::to_string(buying ? -money : money)));
    if (buying) {
        ++tally_.purchases;
        tally_.spent -= money;
    } else {
        ++tally_.sales;
        tally_.earned += money;
        Voyage& v = voyage(sim);
        v.sellAt[good.get()] = 0;
        v.turnsAboard[good.get()] = 0;
    }
    return act(sim, actionClick(exit));
}

}  // namespace quorvex::sim
