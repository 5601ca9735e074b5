#include "TShpUpg.h"

#include <algorithm>
#include <limits>
#include <string>

#include "../form/Game.h"
#include "../state/Format.h"
#include "../state/ShipFigures.h"

namespace quorvex {

// The words of one kind of tonnage and the store's figures it changes.
struct TShpUpg::TonnageSpace {
    PerCompany GameState::*space;
    PerCompany GameState::*load;
    PerPlanet GameState::*price;
    const char* noMoney;
    const char* noFreeSpace;
    const char* buyCaption;
    const char* buyPrompt;
    const char* buyNotValid;
    const char* buyNoRoom;
    const char* buyNoMoney;
    const char* noneToSell;
    const char* fullToSell;
    const char* sellCaption;
    const char* sellPrompt;
    const char* sellNotValid;
    const char* sellNotOwned;
    const char* sellNotFree;
};

namespace {

constexpr int kTonsPerPlace = 5;
constexpr int kCrewRunningTheShip = 2;

const TShpUpg::TonnageSpace kCargo{
    &GameState::CargoSpace,
    &GameState::CargoUsed,
    &GameState::PlanetCargoSpacePrice,
    "You have no money with which to buy any cargo space!",
    "You have no free space in which to put any cargo space",
    "Buy Cargo Space",
    "How much cargo space do you want to buy?",
    "This is not a valid number, you can not buy this amount of cargo space",
    "You do not have enough free space to buy this amount of cargo space",
    "You do not have enough money to buy this amount of cargo space",
    "You have no cargo space to sell",
    "Your cargo space is full of cargo therefore you can not sell any cargo space",
    "Sell Cargo Space",
    "How much cargo space do you want to sell?",
    "This is not a valid number, you can not sell this amount of cargo space",
    "You do not have this amount of cargo space to sell",
    "You do not have this amount of free cargo space to sell",
};

const TShpUpg::TonnageSpace kFuel{
    &GameState::FuelTankSpace,
    &GameState::ShipFuel,
    &GameState::PlanetFuelSpacePrice,
    "You have no money with which to buy any fuel space!",
    "You have no free space in which to put any fuel space",
    "Buy Fuel Space",
    "How much fuel space do you want to buy?",
    "This is not a valid number, you can not buy this amount of fuel space",
    "You do not have enough free space to buy this amount of fuel space",
    "You do not have enough money to buy this amount of fuel space",
    "You have no fuel space to sell",
    "Your fuel space is full of fuel therefore you can not sell any fuel space",
    "Sell Fuel Space",
    "How much fuel space do you want to sell?",
    "This is not a valid number, you can not sell this amount of fuel space",
    "You do not have this amount of fuel space to sell",
    "You do not have this amount of free fuel space to sell",
};

// The most units the cash pays for at this price; a price of nothing sets no bound.
int64_t unitsAffordable(Int cash, Int price) {
    if (price < 1) return std::numeric_limits<int32_t>::max();
    return std::max<int64_t>(cash.wide() / price.wide(), 0);
}

// What n units cost at this price, in 64 bits: a check on an absurd amount is a refusal, never an
// overflow.
int64_t cost(Int price, Int n) {
    return price.wide() * n.wide();
}

// Cash after money comes in or goes out; only a cash that itself would not fit overflows.
Int plus(Int cash, int64_t amount) {
    return Int::fromWide(cash.wide() + amount);
}

}  // namespace

TShpUpg::TShpUpg(Game& game) : Screen(game, ScreenId::ShpUpg, "Ship  Upgrade") {}

void TShpUpg::FormShow() {
    SUUpdate();
    if (guidanceOn())
        messages({"On this page you can fill your ships hull with cargo, passenger or fuel space",
                  "To find out how much hull space you have to fill look at the free space label.  "
                  "You should buy lots of passenger space to start with, use the buy passenger "
                  "space button."});
}

void TShpUpg::SUUpdate() {
    GameState& st = s();
    const Int c = me();
    // The space from the crew places as they stood, and only then the crew places from the hull.
    recomputeSpaceAndFreeSpace(st, c);
    recomputeCrewPlaces(st, c);

    HullL.text = cat("Hull Size: ", st.ShipHullSize[c], " Tons");
    SpaceL.text = cat("Space: ", st.ShipSpace[c], " Tons");
    FreeL.text = cat("Free Space: ", st.ShipFreeSpace[c], " Tons");
    MaxCrewL.text = cat("Max Crew: ", st.ShipMaxCrew[c]);
    CrewL.text = cat("Crew: ", st.CrewCount[c]);
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    EngineL.text = cat("Engine Size: ", st.EngineSize[c], " Tons");

    Upgrades.blank();
    const char* columns[] = {"Space", "Cost(£)", "Current"};
    const char* rows[] = {"Cargo:", "Fuel:", "Passengers:"};
    for (int i = 0; i < 3; ++i) {
        Upgrades.setCell(i + 1, 0, columns[i]);
        Upgrades.setCell(0, i + 1, rows[i]);
    }
    const Int planet = st.PlayerPlanet[c];
    const Int places = st.PassengerSpace[c];
    Upgrades.setCell(1, 1, cat(st.CargoSpace[c], " Tons"));
    Upgrades.setCell(1, 2, cat(st.FuelTankSpace[c], " Tons"));
    Upgrades.setCell(1, 3, cat(places, " (", places * kTonsPerPlace, " Tons)"));
    Upgrades.setCell(2, 1, str(st.PlanetCargoSpacePrice[planet]));
    Upgrades.setCell(2, 2, str(st.PlanetFuelSpacePrice[planet]));
    Upgrades.setCell(2, 3, str(st.PlanetPassengerSpacePrice[planet]));
    Upgrades.setCell(3, 1, cat(st.CargoUsed[c], " Tons"));
    Upgrades.setCell(3, 2, cat(st.ShipFuel[c], " Tons"));
    Upgrades.setCell(3, 3, str(st.Passengers[c]));
}

void TShpUpg::Button1Click() {
    handOver(ScreenId::Ship);
}

void TShpUpg::Button2Click() {
    messages(
        {"You must fill any free space in your ship with either fuel, passenger or cargo space",
         "Click the appropriate button to buy/sell space"});
}

void TShpUpg::Button3Click() {
    buyTonnage(kCargo);
}
void TShpUpg::Button7Click() {
    buyTonnage(kFuel);
}
void TShpUpg::Button4Click() {
    sellTonnage(kCargo);
}
void TShpUpg::Button8Click() {
    sellTonnage(kFuel);
}

void TShpUpg::buyTonnage(const TonnageSpace& kind) {
    GameState& st = s();
    const Int c = me();
    Int& cash = st.PlayerCash[c];
    Refusals cannot = refusals();
    cannot.refuseIf(cash < 1, kind.noMoney);
    recomputeSpaceAndFreeSpace(st, c);
    const Int free = st.ShipFreeSpace[c];
    cannot.refuseIf(free < 1, kind.noFreeSpace);
    if (cannot.any()) {
        SUUpdate();
        return;
    }

    const Int price = (st.*kind.price)[st.PlayerPlanet[c]];
    const Int proposal = Int::fromWide(std::min(free.wide(), unitsAffordable(cash, price)));
    const auto typed = askInt(kind.buyCaption, kind.buyPrompt, proposal);
    if (!typed) return;
    const Int n = *typed;

    Refusals no = refusals();
    no.refuseIf(n < 1, kind.buyNotValid);
    no.refuseIf(n > free, kind.buyNoRoom);
    no.refuseIf(cost(price, n) > cash.wide(), kind.buyNoMoney);
    if (!no.any()) {
        cash = plus(cash, -cost(price, n));
        (st.*kind.space)[c] += n;
    }
    SUUpdate();
}

void TShpUpg::sellTonnage(const TonnageSpace& kind) {
    GameState& st = s();
    const Int c = me();
    Int& space = (st.*kind.space)[c];
    const Int load = (st.*kind.load)[c];
    Refusals cannot = refusals();
    cannot.refuseIf(space < 1, kind.noneToSell);
    cannot.refuseIf(load == space, kind.fullToSell);
    if (cannot.any()) {
        SUUpdate();
        return;
    }

    const Int empty = space - load;
    const auto typed = askInt(kind.sellCaption, kind.sellPrompt, empty);
    if (!typed) return;
    const Int n = *typed;

    Refusals no = refusals();
    no.refuseIf(n <= 0, kind.sellNotValid);
    no.refuseIf(n > space, kind.sellNotOwned);
    no.refuseIf(n > empty, kind.sellNotFree);
    if (!no.any()) {
        // Sold back at the price the planet asks for it today.
        st.PlayerCash[c] = plus(st.PlayerCash[c], cost((st.*kind.price)[st.PlayerPlanet[c]], n));
        space -= n;
    }
    SUUpdate();
}

void TShpUpg::Button5Click() {
    GameState& st = s();
    const Int c = me();
    Int& cash = st.PlayerCash[c];
    Int& places = st.PassengerSpace[c];
    Refusals cannot = refusals();
    cannot.refuseIf(cash < 1, "You have no money with which to buy any passenger space!");
    recomputeSpaceAndFreeSpace(st, c);
    const Int free = st.ShipFreeSpace[c];
    cannot.refuseIf(free < 1, "You have no free space in which to put any passenger space");
    recomputeCrewPlaces(st, c);
    const Int limit = st.PassengerSpaceLimit[c];
    cannot.refuseIf(places >= limit,
                    "You can not buy any more passenger space as your crew would not be able to "
                    "look after the extra passengers");
    if (cannot.any()) {
        SUUpdate();
        return;
    }

    const Int price = st.PlanetPassengerSpacePrice[st.PlayerPlanet[c]];
    const int64_t proposal = std::min(
        {free.wide() / kTonsPerPlace, unitsAffordable(cash, price), limit.wide() - places.wide()});
    const auto typed = askInt("Buy Passenger Space", "How much passenger space do you want to buy?",
                              Int::fromWide(std::max<int64_t>(proposal, 0)));
    if (!typed) return;
    const Int n = *typed;

    Refusals no = refusals();
    no.refuseIf(n < 1,
                "This is not a valid number, you can not buy this amount of passenger space");
    no.refuseIf(free.wide() < kTonsPerPlace * n.wide(),
                "You do not have enough free space in which to put this amount of passenger space");
    no.refuseIf(cash.wide() < cost(price, n),
                "You do not have enough money to buy this amount of passenger space");
    no.refuseIf(places.wide() + n.wide() > limit.wide(),
                "You can not buy this amount of passenger space as your crew would not be able to "
                "look after the extra passengers");
    if (no.any()) {
        SUUpdate();
        return;
    }

    Int& crew = st.CrewCount[c];
    const Int needed = crewForPassengerPlaces(places + n);
    if (needed > crew - kCrewRunningTheShip) {
        const Int extra = needed - (crew - kCrewRunningTheShip);
        const bool hire = confirm(cat(
            "To look after this amount of passengers you will have to employ more crew.  You will "
            "need to employ ",
            extra, " extra ", "crew.  This will cost you £",
            std::to_string(cost(st.CrewWage[c], extra)), " per ",
            "turn.  Are you sure that you want to buy this amount of passenger space",
            " and employ this number of ", "extra crew?"));
        if (hire) {
            crew += extra;
            places += n;
            cash = plus(cash, -cost(price, n));
        }
    } else {
        places += n;
        cash = plus(cash, -cost(price, n));
    }
    SUUpdate();
}

void TShpUpg::Button6Click() {
    GameState& st = s();
    const Int c = me();
    const Int places = st.PassengerSpace[c];
    const Int aboard = st.Passengers[c];
    Refusals cannot = refusals();
    cannot.refuseIf(places < 1, "You have no passenger space to sell");
    cannot.refuseIf(aboard == places,
                    "You can not sell any passenger space as it is full of passengers");
    if (cannot.any()) {
        SUUpdate();
        return;
    }

    const Int empty = places - aboard;
    const auto typed =
        askInt("Sell Passenger Space", "How much passenger space do you want to sell?", empty);
    if (!typed) return;
    const Int n = *typed;

    Refusals no = refusals();
    no.refuseIf(n < 1,
                "This is not a valid number, you can not sell this amount of passenger space");
    no.refuseIf(n > empty,
                "You can not sell this amount of passenger space as some of it is full of "
                "passengers");
    no.refuseIf(n > places, "You do not sell have this amount of passenger space to sell");
    if (!no.any() && sackCrewFor(places - n)) {
        st.PlayerCash[c] =
            plus(st.PlayerCash[c], cost(st.PlanetPassengerSpacePrice[st.PlayerPlanet[c]], n));
        st.PassengerSpace[c] -= n;
    }
    SUUpdate();
}

bool TShpUpg::sackCrewFor(Int places) {
    GameState& st = s();
    const Int c = me();
    Int& crew = st.CrewCount[c];
    const Int needed = crewForPassengerPlaces(places);
    if (needed >= crew - kCrewRunningTheShip) return true;

    const Int sack = (crew - kCrewRunningTheShip) - needed;
    if (!confirm(cat("If you sell this amount of passenger space you wont be able to have so many "
                     "passengers so you will need less crew. You will need to sack ",
                     sack, ". This will save you", " £", std::to_string(cost(st.CrewWage[c], sack)),
                     " per turn. Are you sure that you",
                     " want to sell this amount of passenger space and sack this number of ",
                     "crew?")))
        return false;

    // Those who leave take their share of the wages owed with them.
    const Int share = st.CrewDebt[c] / crew * sack;
    if (share != 0) {
        if (!confirm(cat("To sack ", sack, " crew members you will need to",
                         " clear any debts thay you owe them. You must pay £", share, " to clear",
                         " your debts to them. Do you want to sack ",
                         "these members of your crew?")))
            return false;
        if (st.PlayerCash[c] < share) {
            message(
                "You do not have enough money to clear your debt you cannot sell this amount of "
                "passenger space!");
            return false;
        }
        st.PlayerCash[c] -= share;
        st.CrewDebt[c] -= share;
    }
    crew -= sack;
    return true;
}

}  // namespace quorvex
