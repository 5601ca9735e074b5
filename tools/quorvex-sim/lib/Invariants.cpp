#include "Invariants.h"

#include <algorithm>
#include <cstdint>

#include "state/Format.h"

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

// The view a company gets from the market step: the planet's figure, plus its advertising
// change where it ticked the planet for that kind (industrial goods 1..12, retail 13..25),
// never below 0.
void checkViews(Findings& f, const GameState& s) {
    for (int i = 1; i <= kCompanies; ++i)
        for (int t = 1; t <= kPlanets; ++t) {
            const bool indAmount = s.AdvIndAmountPlanets(i, t);
            const bool rtlAmount = s.AdvRtlAmountPlanets(i, t);
            const bool indDemand = s.AdvIndDemandPlanets(i, t);
            const bool rtlDemand = s.AdvRtlDemandPlanets(i, t);
            for (int g = 1; g <= kGoods; ++g) {
                const bool industrial = g <= kIndustrialGoods;
                int64_t amount = w(s.PlanetAmount(t, g));
                if (industrial && indAmount) amount += w(s.AdvIndAmountAdj(i, t, g));
                if (!industrial && rtlAmount) amount += w(s.AdvRtlAmountAdj(i, t, g));
                int64_t demand = w(s.PlanetDemand(t, g));
                if (industrial && indDemand) demand += w(s.AdvIndDemandAdj(i, t, g));
                if (!industrial && rtlDemand) demand += w(s.AdvRtlDemandAdj(i, t, g));
                amount = std::max<int64_t>(amount, 0);
                demand = std::max<int64_t>(demand, 0);
                if (w(s.PlayerAmount(i, t, g)) != amount)
                    f.add("company ", i, " on planet ", t, ": PlayerAmount of good ", g, " is ",
                          s.PlayerAmount(i, t, g), ", should be ", num(amount));
                if (w(s.PlayerDemand(i, t, g)) != demand)
                    f.add("company ", i, " on planet ", t, ": PlayerDemand of good ", g, " is ",
                          s.PlayerDemand(i, t, g), ", should be ", num(demand));
            }
        }
}

}  // namespace

std::vector<std::string> checkInvariants(const GameState& s) {
    Findings f;
    checkCompanies(f, s);
    checkTurnOrder(f, s);
    checkLanding(f, s);
    checkPrices(f, s);
    checkViews(f, s);
    return f.take();
}

}  // namespace quorvex::sim
