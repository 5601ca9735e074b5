#include "TFuel.h"

#include "../form/Game.h"
#include "../state/Format.h"
#include "../state/Fraction.h"

namespace quorvex {

TFuel::TFuel(Game& game) : Screen(game, ScreenId::Fuel, "Fuel") {}

void TFuel::FormShow() {
    showGauge();
    FUpdate();
}

void TFuel::showGauge() {
    const GameState& st = s();
    const Int tank = st.FuelTankSpace[me()];
    // A ship without a tank has no share to show: the gauge reads empty.
    FuelBar.position = tank <= 0 ? 0 : (Fraction(st.ShipFuel[me()]) / tank * 100).round().get();
}

Int TFuel::price() const {
    return s().PlanetFuelPrice[s().PlayerPlanet[me()]];
}

void TFuel::FUpdate() {
    const GameState& st = s();
    const Int c = me();
    PriceL.text = cat("FuelPrice: £", price());
    FuelL.text = cat("Fuel: ", st.ShipFuel[c], "Tons");
    CashL.text = cat("Cash: £", st.PlayerCash[c]);
    SpaceL.text = cat("Tank Space: ", st.FuelTankSpace[c] - st.ShipFuel[c], "Tons");
    CapacityL.text = cat("Capacity: ", st.FuelTankSpace[c], "Tons");
    EfficiencyL.text = cat("Efficiency: ", st.EngineEfficiency[c], "Tons");
}

void TFuel::Button2Click() {
    GameState& st = s();
    const Int c = me();
    Int& fuel = st.ShipFuel[c];
    const Int tank = st.FuelTankSpace[c];
    if (fuel == tank) {
        message("Your fuel tank is already full!");
        return;
    }
    const auto n = askInt("Buy Fuel", "How much fuel do you want to buy?", tank - fuel);
    if (!n) return;
    // In 64 bits, so an absurd amount is refused for what it is.
    const int64_t cost = price().wide() * n->wide();
    Refusals no = refusals();
    no.refuseIf(n->wide() > tank.wide() - fuel.wide(),
                "You do not have space in you fuel tank to buy this fuel!");
    no.refuseIf(*n < 1, "This is not a valid number, you can not sell this amount.");
    no.refuseIf(cost > st.PlayerCash[c].wide(),
                "You do not have the money to buy this amount of fuel");
    if (no.any()) return;
    if (confirm(cat("Buying ", *n, " tons of fuel will cost you £", Int::fromWide(cost),
                    ". Are you sure you want to buy the fuel"))) {
        fuel += *n;
        st.PlayerCash[c] -= Int::fromWide(cost);
    }
    showGauge();
    FUpdate();
}

void TFuel::Button1Click() {
    GameState& st = s();
    const Int c = me();
    Int& fuel = st.ShipFuel[c];
    if (fuel == 0) {
        message("You have no fuel to sell!");
        return;
    }
    const auto n = askInt("Sell Fuel", "How much fuel do you want to sell?", fuel);
    if (!n) return;
    Refusals no = refusals();
    no.refuseIf(*n > fuel, "You do not have this amount of fuel to sell!");
    no.refuseIf(*n < 1, "This is not a valid number, you can not sell this amount.");
    if (no.any()) return;
    // Sold at the price it is bought at.
    const Int takings = price() * *n;
    if (confirm(cat("Selling ", *n, " tons of fuel will make you £", takings, " You will have ",
                    fuel - *n, " tons of fuel left. Are you sure you want to sell",
                    " the fuel?"))) {
        fuel -= *n;
        st.PlayerCash[c] += takings;
    }
    showGauge();
    FUpdate();
}

void TFuel::Button4Click() {
    messages(
        {"Your ship uses some fuel every turn if you run out of fuelyou will have to pay for "
         "a tow",
         "The bar at the top of the screen tells you what percentage of fuel you have left "
         "so does the labels above, the fuel price(This changes for every planet)and your "
         "cash are also displayed.",
         "To buy and sell fuel use the buttons above."});
}

void TFuel::Button3Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
