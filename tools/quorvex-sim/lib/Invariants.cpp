#include "Invariants.h"

#include <algorithm>
#include <cstdint>

#include "state/Format.h"
#include "trading/TradeRules.h"

namespace quorvex::sim {
namespace {

constexpr std::size_t kMaxLines = 40;

// Collects broken relations; past a screenful it only counts them.
class Findings {
public:
    template <typename... Parts>
    void add(const Parts&... parts) {
        if (lines_.size() < kMaxLines)
            lines_.push_back(cat(parts...));
        else
            ++more_;
    }
    std::vector<std::string> take() {
        if (more_ > 0) lines_.push_back(cat("... and ", static_cast<int>(more_), " more"));
        return std::move(lines_);
    }

private:
    std::vector<std::string> lines_;
    std::size_t more_ = 0;
};

// Figures are compared in 64 bits so that a wild value is reported, not an overflow.
int64_t w(Int v) {
    return v.wide();
}

std::string num(int64_t v) {
    return std::to_string(v);
}

void expectEqual(Findings& f, int company, const char* name, Int actual, int64_t expected) {
    if (w(actual) != expected)
        f.add("company ", company, ": ", name, " is ", actual, ", should be ", num(expected));
}

void expectAtLeastZero(Findings& f, int company, const char* name, Int actual) {
    if (actual < 0) f.add("company ", company, ": ", name, " is negative (", actual, ")");
}

void expectPlanet(Findings& f, int company, const char* name, Int planet) {
    if (planet < 1 || planet > kPlanets)
        f.add("company ", company, ": ", name, " is ", planet, ", not a planet");
}

void checkShip(Findings& f, const GameState& s, int i) {
    const int64_t hull = w(s.ShipHullSize[i]);
    const int64_t maxCrew = hull / 50;
    expectEqual(f, i, "ShipMaxCrew", s.ShipMaxCrew[i], maxCrew);
    expectEqual(f, i, "ShipSpace", s.ShipSpace[i], hull - (10 * maxCrew + 40));
    expectEqual(f, i, "PassengerSpaceLimit", s.PassengerSpaceLimit[i], 5 * (maxCrew - 2));
    expectEqual(f, i, "ShipFreeSpace", s.ShipFreeSpace[i],
                w(s.ShipSpace[i]) - w(s.CargoSpace[i]) - w(s.FuelTankSpace[i]) -
                    5 * w(s.PassengerSpace[i]) - w(s.EngineSize[i]));

    expectAtLeastZero(f, i, "ShipFuel", s.ShipFuel[i]);
    expectAtLeastZero(f, i, "FuelTankSpace", s.FuelTankSpace[i]);
    expectAtLeastZero(f, i, "CargoSpace", s.CargoSpace[i]);
    expectAtLeastZero(f, i, "PassengerSpace", s.PassengerSpace[i]);
    expectAtLeastZero(f, i, "Passengers", s.Passengers[i]);
    for (int g = 1; g <= kGoods; ++g)
        if (s.CargoHold(i, g) < 0)
            f.add("company ", i, ": CargoHold of good ", g, " is negative (", s.CargoHold(i, g),
                  ")");
    if (s.ShipFuel[i] > s.FuelTankSpace[i])
        f.add("company ", i, ": ShipFuel ", s.ShipFuel[i], " is above the tank's ",
              s.FuelTankSpace[i]);
    // The hold's free tons are stored by a trade through the hold only, so buying or selling
    // hold space leaves them stale until the next trade. A computer company never trades goods:
    // nothing writes its figure, which stays at the new game's 0.
    if (!isHuman(i) && s.CargoFree[i] != 0)
        f.add("company ", i, ": CargoFree is ", s.CargoFree[i],
              ", but a computer company never trades through its hold");
    // No purchase may take more than the hold and no sale of space may leave less than what is
    // aboard.
    if (s.CargoUsed[i] > s.CargoSpace[i])
        f.add("company ", i, ": CargoUsed ", s.CargoUsed[i], " is above the cargo space ",
              s.CargoSpace[i]);
    if (s.Passengers[i] > s.PassengerSpace[i])
        f.add("company ", i, ": Passengers ", s.Passengers[i], " are more than the ",
              s.PassengerSpace[i], " places");
    if (s.PassengerSpace[i] > s.PassengerSpaceLimit[i])
        f.add("company ", i, ": PassengerSpace ", s.PassengerSpace[i],
              " is above what the crew can look after (", s.PassengerSpaceLimit[i], ")");
}

void checkCompanies(Findings& f, const GameState& s) {
    for (int i = 1; i <= kCompanies; ++i) {
        if (s.PlayerActive[i])
            checkShip(f, s, i);
        else if (s.PlayerNetWorth[i] != kNotPlaying)
            f.add("company ", i, ": out of the game but worth ", s.PlayerNetWorth[i]);
        expectPlanet(f, i, "PlayerPlanet", s.PlayerPlanet[i]);
        expectPlanet(f, i, "PlayerNextPlanet", s.PlayerNextPlanet[i]);
        expectPlanet(f, i, "PlayerDestination", s.PlayerDestination[i]);
        expectPlanet(f, i, "PsngrDestination", s.PsngrDestination[i]);
        if (s.CrewMood[i] < 1 || s.CrewMood[i] > 5)
            f.add("company ", i, ": CrewMood is ", s.CrewMood[i]);
    }
}

void checkTurnOrder(Findings& f, const GameState& s) {
    int seen[kCompanies + 1] = {};
    for (int k = 1; k <= kCompanies; ++k) {
        const Int c = s.TurnOrder[k];
        if (c < 1 || c > kCompanies)
            f.add("TurnOrder[", k, "] is ", c, ", not a company");
        else
            ++seen[c.get()];
    }
    for (int c = 1; c <= kCompanies; ++c)
        if (seen[c] != 1) f.add("TurnOrder holds company ", c, " ", seen[c], " times");
}

void checkLanding(Findings& f, const GameState& s) {
    for (int p = 1; p <= kPlanets; ++p) {
        int64_t total = w(s.PlanetLandingCost[p]);
        for (int i = 1; i <= kCompanies; ++i)
            total += w(s.PlayerLandingFee(i, p));
        if (w(s.LandingTotalCost[p]) != total)
            f.add("planet ", p, ": LandingTotalCost is ", s.LandingTotalCost[p], ", should be ",
                  num(total));
    }
}

void checkPriceRange(Findings& f, const GameState& s, const char* who, int g, Int price) {
    if (price < s.GoodMinPrice[g] || price > s.GoodMaxPrice[g])
        f.add(who, " price ", price, " of good ", g, " is outside ", s.GoodMinPrice[g], "..",
              s.GoodMaxPrice[g]);
}

void checkPrices(Findings& f, const GameState& s) {
    for (int g = 1; g <= kGoods; ++g)
        if (s.GoodMinPrice[g] > s.GoodMaxPrice[g])
            f.add("good ", g, ": lowest price ", s.GoodMinPrice[g], " above highest ",
                  s.GoodMaxPrice[g]);
    for (int t = 1; t <= kPlanets; ++t)
        for (int g = 1; g <= kGoods; ++g) {
            const std::string who = cat("planet ", t);
            for (Int price : {s.PlanetRetailPrice(t, g), s.PlanetIndPrice1(t, g),
                              s.PlanetIndPrice2(t, g), s.PlanetIndPrice3(t, g)})
                checkPriceRange(f, s, who.c_str(), g, price);
        }
    for (int i = 1; i <= kCompanies; ++i)
        for (int t = 1; t <= kPlanets; ++t)
            for (int g = 1; g <= kGoods; ++g)
                for (Int price : {s.PlayerRetailPrice(i, t, g), s.PlayerIndPrice1(i, t, g),
                                  s.PlayerIndPrice2(i, t, g), s.PlayerIndPrice3(i, t, g)})
                    if (price < s.GoodMinPrice[g] || price > s.GoodMaxPrice[g])
                        f.add("company ", i, " on planet ", t, ": price ", price, " of good ", g,
                              " is outside ", s.GoodMinPrice[g], "..", s.GoodMaxPrice[g]);
}

// A company's view of one market: the amount and demand it sees.
struct View {
    int64_t amount, demand;
    bool operator==(const View&) const = default;
};

// The view the market step gives: the planet's figures, plus the company's advertising change
// where it ticked the planet for that kind (industrial goods 1..12, retail 13..25), never below 0.
View marketStepView(const GameState& s, int i, int t, int g) {
    const bool industrial = g <= kIndustrialGoods;
    int64_t amount = w(s.PlanetAmount(t, g));
    if (industrial && s.AdvIndAmountPlanets(i, t)) amount += w(s.AdvIndAmountAdj(i, t, g));
    if (!industrial && s.AdvRtlAmountPlanets(i, t)) amount += w(s.AdvRtlAmountAdj(i, t, g));
    int64_t demand = w(s.PlanetDemand(t, g));
    if (industrial && s.AdvIndDemandPlanets(i, t)) demand += w(s.AdvIndDemandAdj(i, t, g));
    if (!industrial && s.AdvRtlDemandPlanets(i, t)) demand += w(s.AdvRtlDemandAdj(i, t, g));
    return {std::max<int64_t>(amount, 0), std::max<int64_t>(demand, 0)};
}

// The view a trade on the buy and sell screens leaves for every company: the planet's figures
// plus the company's industrial changes, ticked or not and for every good, never below 0.
View repricedView(const GameState& s, int i, int t, int g) {
    return {std::max<int64_t>(w(s.PlanetAmount(t, g)) + w(s.AdvIndAmountAdj(i, t, g)), 0),
            std::max<int64_t>(w(s.PlanetDemand(t, g)) + w(s.AdvIndDemandAdj(i, t, g)), 0)};
}

// Whether a sales office may have bought or sold on the planet since the market step: some
// company stores goods there, has planned trades there, asks for extra goods or runs factories
// that need them. Such a trade moves the planet's amounts and rebuilds only its own company's
// view, so there the other companies may still see the amount from before it.
bool salesOfficeMayTrade(const GameState& s, int t) {
    for (int j = 1; j <= kCompanies; ++j) {
        for (int g = 1; g <= kGoods; ++g)
            if (s.WarehouseStock(j, t, g) != 0 || s.SalesBuyAmount(j, t, g) != 0 ||
                s.SalesSellAmount(j, t, g) != 0 || s.SalesBuyAdjust(j, t, g) > 0)
                return true;
        for (int r = 1; r <= kRecipes; ++r)
            if (s.FactoryAmount(j, t, r) != 0) return true;
    }
    return false;
}

// Each company sees a market either as the last market step left it or as the last trade on the
// buy and sell screens left it; both follow from the planet's figures as they stand, since a
// trade reprices every company's view. Where a sales office may have traded, only the demand
// (which no trade moves) is checked exactly.
void checkViews(Findings& f, const GameState& s) {
    for (int t = 1; t <= kPlanets; ++t) {
        const bool amountsMayLag = salesOfficeMayTrade(s, t);
        for (int i = 1; i <= kCompanies; ++i)
            for (int g = 1; g <= kGoods; ++g) {
                const View seen{w(s.PlayerAmount(i, t, g)), w(s.PlayerDemand(i, t, g))};
                const View stepped = marketStepView(s, i, t, g);
                const View repriced = repricedView(s, i, t, g);
                if (amountsMayLag) {
                    if (seen.amount < 0)
                        f.add("company ", i, " on planet ", t, ": PlayerAmount of good ", g,
                              " is negative (", s.PlayerAmount(i, t, g), ")");
                    if (seen.demand != stepped.demand && seen.demand != repriced.demand)
                        f.add("company ", i, " on planet ", t, ": PlayerDemand of good ", g, " is ",
                              s.PlayerDemand(i, t, g), ", should be ", num(stepped.demand));
                    continue;
                }
                if (seen == stepped || seen == repriced) continue;
                // Reported against the market step's view, the one a game mostly shows.
                if (seen.amount != stepped.amount)
                    f.add("company ", i, " on planet ", t, ": PlayerAmount of good ", g, " is ",
                          s.PlayerAmount(i, t, g), ", should be ", num(stepped.amount));
                if (seen.demand != stepped.demand)
                    f.add("company ", i, " on planet ", t, ": PlayerDemand of good ", g, " is ",
                          s.PlayerDemand(i, t, g), ", should be ", num(stepped.demand));
            }
    }
}

// The tons in use of the hold and of every warehouse: never below 0 and never above the space
// (purchases need room, space holding goods is not sold, a sale takes off at most what is
// counted); goods and space are never negative.
void checkStores(Findings& f, const GameState& s) {
    for (int i = 1; i <= kCompanies; ++i) {
        if (s.CargoUsed[i] < 0)
            f.add("company ", i, ": CargoUsed is negative (", s.CargoUsed[i], ")");
        for (int t = 1; t <= kPlanets; ++t) {
            const Int space = s.WarehouseSpace(i, t);
            const Int used = s.WarehouseUsed(i, t);
            if (space < 0)
                f.add("company ", i, " on planet ", t, ": WarehouseSpace is negative (", space,
                      ")");
            if (used < 0)
                f.add("company ", i, " on planet ", t, ": WarehouseUsed is negative (", used, ")");
            else if (used > space)
                f.add("company ", i, " on planet ", t, ": WarehouseUsed ", used,
                      " is above the space ", space);
            for (int g = 1; g <= kGoods; ++g)
                if (s.WarehouseStock(i, t, g) < 0)
                    f.add("company ", i, " on planet ", t, ": WarehouseStock of good ", g,
                          " is negative (", s.WarehouseStock(i, t, g), ")");
        }
    }
}

// One good moving into or out of one place: the hold (at the ship's planet) or a warehouse.
struct GoodsMove {
    bool hold;
    int planet;
    int good;
    int64_t units;  // bought above 0, sold below
};

std::vector<GoodsMove> goodsMoved(const GameState& before, const GameState& after, int c) {
    std::vector<GoodsMove> moves;
    for (int g = 1; g <= kGoods; ++g)
        if (const int64_t d = w(after.CargoHold(c, g)) - w(before.CargoHold(c, g)); d != 0)
            moves.push_back({true, before.PlayerPlanet[c].get(), g, d});
    for (int p = 1; p <= kPlanets; ++p)
        for (int g = 1; g <= kGoods; ++g)
            if (const int64_t d =
                    w(after.WarehouseStock(c, p, g)) - w(before.WarehouseStock(c, p, g));
                d != 0)
                moves.push_back({false, p, g, d});
    return moves;
}

}  // namespace

std::vector<std::string> checkTrade(const GameState& before, const GameState& after) {
    Findings f;
    const int c = after.CurrentPlayer.get();
    if (c < 1 || c > kCompanies) return f.take();
    const std::vector<GoodsMove> moves = goodsMoved(before, after, c);
    if (moves.empty()) return f.take();
    if (moves.size() > 1) {
        f.add("company ", c, ": one trade moved ", static_cast<int>(moves.size()),
              " goods or places");
        return f.take();
    }
    const GoodsMove& m = moves.front();
    const bool bought = m.units > 0;
    const int64_t q = bought ? m.units : -m.units;
    const Int price = unitPrice(before, c, m.planet, m.good, q);

    // The money: the goods' value at the price the company saw, never paid on credit.
    const int64_t paid = w(before.PlayerCash[c]) - w(after.PlayerCash[c]);
    const int64_t value = q * w(price);
    if (paid != (bought ? value : -value))
        f.add("company ", c, ": cash moved by ", num(-paid), " for ", num(q), " of good ", m.good,
              " at ", price, ", should be ", num(bought ? -value : value));
    if (bought && after.PlayerCash[c] < 0)
        f.add("company ", c, ": bought on credit, cash is ", after.PlayerCash[c]);

    // The tons in use: the trade's weight on, or off but never below 0.
    const Int usedBefore = m.hold ? before.CargoUsed[c] : before.WarehouseUsed(c, m.planet);
    const Int usedAfter = m.hold ? after.CargoUsed[c] : after.WarehouseUsed(c, m.planet);
    const int64_t tons = goodTons(before, m.good, q);
    const int64_t expected =
        bought ? w(usedBefore) + tons : w(usedBefore) - w(tonsFreed(usedBefore, tons));
    if (w(usedAfter) != expected)
        f.add("company ", c, ": tons in use of the ",
              m.hold ? std::string("hold") : cat("warehouse on planet ", m.planet), " are ",
              usedAfter, ", should be ", num(expected));

    // The planet: a purchase takes its amount down, a sale from the hold puts it back (not
    // below 0); the warehouse screen sells without moving the market.
    const int64_t amountBefore = w(before.PlanetAmount(m.planet, m.good));
    const int64_t amountAfter = w(after.PlanetAmount(m.planet, m.good));
    const int64_t sold = std::max<int64_t>(amountBefore + q, 0);
    const bool amountRight = bought
                                 ? amountAfter == amountBefore - q
                                 : amountAfter == sold || (!m.hold && amountAfter == amountBefore);
    if (!amountRight)
        f.add("planet ", m.planet, ": PlanetAmount of good ", m.good, " went from ",
              num(amountBefore), " to ", num(amountAfter), " in a trade of ", num(q));
    return f.take();
}

std::vector<std::string> checkInvariants(const GameState& s) {
    Findings f;
    checkCompanies(f, s);
    checkTurnOrder(f, s);
    checkLanding(f, s);
    checkPrices(f, s);
    checkViews(f, s);
    checkStores(f, s);
    return f.take();
}

}  // namespace quorvex::sim
