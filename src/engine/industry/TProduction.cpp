#include "TProduction.h"

#include <string>
#include <vector>

#include "../economy/MineOffers.h"
#include "../economy/MineOperations.h"
#include "../form/Game.h"
#include "../state/ExactRound.h"
#include "../state/Format.h"
#include "MineFigures.h"
#include "PlanetChoice.h"

namespace quorvex {
namespace {

constexpr int kTotalsRow = kMineSlots + 1;

MineOffer mineOnOffer(const GameState& s, Int t, Int g, Int r) {
    return {s.PlanetMineReserve(t, g, r), s.PlanetMineMaxProduction(t, g, r),
            s.PlanetMineCostPerTon(t, g, r), s.PlanetMineMaintenance(t, g, r),
            s.PlanetMinePrice(t, g, r)};
}

// The first slot of the company's mines of a good on a planet that holds none; 0 when all five
// are taken.
Int firstFreeSlot(const GameState& s, Int c, Int t, Int g) {
    for (int k = 1; k <= kMineSlots; ++k)
        if (!mineOwned(s, c, t, g, k)) return k;
    return 0;
}

std::vector<std::string> rawGoodNames(const GameState& s) {
    std::vector<std::string> names;
    for (int g = 1; g <= kRawGoods; ++g)
        names.push_back(s.GoodName[g]);
    return names;
}

}  // namespace

TProduction::TProduction(Game& game) : Screen(game, ScreenId::Production, "Production") {
    Plyrmines.onClick = [this] { PlyrminesClick(); };
    PlntMines.onClick = [this] { PlntMinesClick(); };
}

void TProduction::FormShow() {
    // A fresh showing: no mine chosen in either grid (perhaps by another company), the ship's
    // planet chosen, so buying and selling are open.
    Plyrmines.clearSelection();
    PlntMines.clearSelection();
    Buy.enabled = Sell.enabled = Prd.enabled = true;
    showChoice(s().PlayerPlanet[me()], 1);
}

void TProduction::PrdUpdate() {
    showChoice(planet_, good_);
}

void TProduction::showChoice(Int planet, Int good) {
    GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    GoodL.text = cat("Good: ", st.GoodName[good]);
    PlanetL.text = cat("Planet: ", st.PlanetName[planet]);
    YouronL.text = cat("Your On: ", st.PlanetName[t]);
    fillPlanetList(PLanetList, st, planet);
    GoodList.items = rawGoodNames(st);
    GoodList.itemIndex = good.get() - 1;
    // Whatever planet is chosen, the grids show the mines where the ship is: only there can
    // mines be bought and sold.
    showOwnedMines(t, good);
    showOffers(t, good);
    planet_ = planet;
    good_ = good;
}

void TProduction::showOwnedMines(Int t, Int g) {
    GameState& st = s();
    const Int c = me();
    const char* headings[] = {"Reserve",        "Maintenance Cost", "Cost a Ton",
                              "Max Production", "Production",       "Weight",
                              "Cost",           "Total Cost",       "Value"};
    for (int col = 0; col < 9; ++col)
        Plyrmines.setCell(col, 0, headings[col]);
    MineFigures total;
    for (int k = 1; k <= kMineSlots; ++k) {
        const MineFigures mine = refreshMine(st, c, t, g, k);
        showMine(Plyrmines, 0, k, mine);
        total += mine;
    }
    showMineTotals(Plyrmines, 0, kTotalsRow, total);
    st.MineOutput(c, t, g) = totalMineProduction(st, c, t, g);
    TATPrd.text = cat("Amount a Turn Produced: ", st.MineOutput(c, t, g));
    WeightL.text = "Weight: " + std::to_string(total.weight);
    Costl.text = "Cost: " + std::to_string(total.cost);
}

void TProduction::showOffers(Int t, Int g) {
    const GameState& st = s();
    const char* headings[] = {"Reserve", "Maintenance Cost", "Cost a Ton", "Max Production",
                              "Price"};
    for (int col = 0; col < 5; ++col)
        PlntMines.setCell(col, 0, headings[col]);
    for (int r = 1; r <= kMineSlots; ++r) {
        const MineOffer m = mineOnOffer(st, t, g, r);
        const Int cells[] = {m.reserve, m.maintenance, m.costPerTon, m.maxProduction, m.price};
        for (int col = 0; col < 5; ++col)
            PlntMines.setCell(col, r, str(cells[col]));
    }
}

void TProduction::GoodListClick() {
    // A click beside the entries chooses nothing, and the good stays.
    showChoice(planet_, GoodList.itemIndex >= 0 ? Int(GoodList.itemIndex + 1) : good_);
}

void TProduction::PLanetListClick() {
    const Int planet = PLanetList.itemIndex >= 0 ? Int(PLanetList.itemIndex + 1) : planet_;
    const bool here = planet == s().PlayerPlanet[me()];
    Buy.enabled = Sell.enabled = here;
    showChoice(planet, good_);
}

void TProduction::PlntMinesClick() {
    Buy.enabled = true;
    Sell.enabled = Prd.enabled = false;
    PrdUpdate();
}

void TProduction::PlyrminesClick() {
    Buy.enabled = false;
    Sell.enabled = Prd.enabled = true;
    PrdUpdate();
}

void TProduction::BuyClick() {
    const int r = PlntMines.row();
    if (r < 1) return;  // no offer chosen
    GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const Int g = good_;
    const MineOffer offer = mineOnOffer(st, t, g, r);
    if (offer == MineOffer{}) return;  // bought already: nothing is left there to buy
    const Int price = offer.price;
    const Int k = firstFreeSlot(st, c, t, g);

    Refusals no = refusals();
    no.refuseIf(k == 0, "You have reached the maximum number of mines for this good");
    no.refuseIf(st.PlayerCash[c] < price, "You can not afford to buy this mine");
    if (no.any()) {
        PrdUpdate();
        return;
    }

    st.PlayerCash[c] -= price;
    st.MineReserve(c, t, g, k) = offer.reserve;
    st.MineCostPerTon(c, t, g, k) = offer.costPerTon;
    st.MineMaintenance(c, t, g, k) = offer.maintenance;
    st.MineMaxProduction(c, t, g, k) = offer.maxProduction;
    st.MineProduction(c, t, g, k) = 0;  // a new mine stands idle until told to dig
    // Worth nine tenths of what was paid, until it is shown and valued afresh.
    st.MineValue(c, t, g, k) = storeRounded(roundDiv(price.wide() * 9, 10));
    st.PlanetMineReserve(t, g, r) = 0;
    st.PlanetMineCostPerTon(t, g, r) = 0;
    st.PlanetMineMaintenance(t, g, r) = 0;
    st.PlanetMineMaxProduction(t, g, r) = 0;
    st.PlanetMinePrice(t, g, r) = 0;

    // The bank lends against the mine: half its price, in whole thousands. The new limit is
    // worked out before the person is told of it.
    const Int raise = price / 2000 * 1000;
    const Int limit = st.PlayerCreditLimit[c] + raise;
    message(
        cat("As you now have more to secure a loan against your bank is increasing your credit "
            "limit by £",
            raise));
    st.PlayerCreditLimit[c] = limit;
    PrdUpdate();
}

int TProduction::chosenMine(const char* notSelected) {
    const int k = Plyrmines.row();
    if (k == kTotalsRow) {
        message("You have slected the total row and not a mine!");
        return 0;
    }
    if (k < 1 || !mineOwned(s(), me(), s().PlayerPlanet[me()], good_, k)) {
        message(notSelected);
        return 0;
    }
    return k;
}

void TProduction::SellClick() {
    const int k = chosenMine("You have not selected a mine to sell");
    if (k == 0) return;
    GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const Int g = good_;
    // Sold at the value last shown. The bank keeps the credit it gave for the mine, and the
    // mine is not offered again.
    st.PlayerCash[c] += st.MineValue(c, t, g, k);
    st.MineReserve(c, t, g, k) = 0;
    st.MineMaintenance(c, t, g, k) = 0;
    st.MineCostPerTon(c, t, g, k) = 0;
    st.MineMaxProduction(c, t, g, k) = 0;
    st.MineProduction(c, t, g, k) = 0;
    st.MineValue(c, t, g, k) = 0;
    PrdUpdate();
}

void TProduction::PrdClick() {
    const int k =
        chosenMine("You have not selected a mine so you can not change its production level");
    if (k == 0) return;
    GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const Int g = good_;
    const auto typed = askInt("Production Levels", "Please enter a new production level",
                              st.MineProduction(c, t, g, k));
    if (!typed) return;
    const Int n = *typed;

    Refusals no = refusals();
    no.refuseIf(n < 0, "This is not a valid number, you can not mine this amount");
    no.refuseIf(n > st.MineMaxProduction(c, t, g, k),
                "You can not mine more than maximum production level");
    // Stopping a mine is always allowed, even one whose reserve has been dug below 0.
    no.refuseIf(n != 0 && n > st.MineReserve(c, t, g, k),
                "You can not mine this amount as there is not enough reserve remaining");
    if (!no.any()) st.MineProduction(c, t, g, k) = n;
    PrdUpdate();
}

void TProduction::Button2Click() {
    messages({"Use this screen to produce raw materials",
              "THe table at the bottom of the screen contains mines that you can buy, click the "
              "mine then the buy button at the bottom",
              "Mines that you own are in the top table to set the production levels of a mine "
              "first click the mine then click the set production screen",
              "You can chose the planet and the good from the lists at the top"});
}

void TProduction::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
