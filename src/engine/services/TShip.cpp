#include "TShip.h"

#include "../form/Game.h"
#include "../state/Format.h"
#include "../state/ShipFigures.h"

namespace quorvex {

TShip::TShip(Game& game) : Screen(game, ScreenId::Ship, "Ship Information") {}

void TShip::FormShow() {
    // Each showing starts with no engine chosen: a row clicked in an earlier visit (or at another
    // planet) is not a choice made now.
    PEngines.clearSelection();
    SSUpdate();
    if (guidanceOn())
        messages(
            {"This page gives you the basic infomation about the ship you can also buy a new "
             "engine.",
             "To buy cargo, passenger or fuel space click on the space button",
             "To return to the main menu click continue"});
}

void TShip::SSUpdate() {
    GameState& st = s();
    const Int c = me();
    HullL.text = cat("Ship Size: ", st.ShipHullSize[c]);
    SpaceL.text = cat("Space: ", st.ShipSpace[c]);
    MaxCrewL.text = cat("Max Crew: ", st.ShipMaxCrew[c]);
    CrewL.text = cat("Crew: ", st.CrewCount[c]);
    EfficiencyL.text = cat("Efficiency: ", st.EngineEfficiency[c], " Tons");
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    recomputeFreeSpace(st, c);
    FreeSpaceL.text = cat("Freespace: ", st.ShipFreeSpace[c], "Tons");
    SizeL.text = cat("Size: ", st.EngineSize[c], " Tons");
    SpeedL.text = cat("Speed: ", st.EngineSpeed[c]);

    PEngines.blank();
    const char* headings[] = {"Size(Tons)", "Efficiency(Tons)", "Speed", "Price(£)"};
    for (int col = 0; col < 4; ++col)
        PEngines.setCell(col, 0, headings[col]);
    const Int planet = st.PlayerPlanet[c];
    for (int m = 1; m <= kEngineModels; ++m) {
        PEngines.setCell(0, m, str(st.EngineModelSize(m, planet)));
        PEngines.setCell(1, m, str(st.EngineModelEfficiency(m, planet)));
        PEngines.setCell(2, m, str(st.EngineModelSpeed(m, planet)));
        PEngines.setCell(3, m, str(st.EnginePrice(m, planet)));
    }
}

void TShip::Button1Click() {
    if (guidanceOn())
        message(
            "Now that you have some passenger sapce you need to go and pick up some passengers, "
            "click the passengers button");
    handOver(ScreenId::PlanetScreen);
}

void TShip::Button2Click() {
    handOver(ScreenId::ShpUpg);
}

void TShip::Button3Click() {
    messages({"If you want to allocate any free space in your ship click space",
              "You can upgrade your engine buy selecting an engine the clicking the upgfrade "
              "button"});
}

Int TShip::tradeInValue(Int speed, Int size, Int efficiency) {
    return (Int(5000) + speed * speed * 50 + speed * 100 + (Int(37500) - size * 175) +
            (Int(32500) - efficiency * 200)) /
           100 * 50;
}

void TShip::Button4Click() {
    // The grid's rows are the models: without one chosen there is nothing to buy.
    const int m = PEngines.row();
    if (m < 1) return;
    GameState& st = s();
    const Int c = me();
    const Int planet = st.PlayerPlanet[c];
    recomputeFreeSpace(st, c);
    const Int tradeIn = tradeInValue(st.EngineSpeed[c], st.EngineSize[c], st.EngineEfficiency[c]);
    const Int size = st.EngineModelSize(m, planet);
    const Int efficiency = st.EngineModelEfficiency(m, planet);
    const Int speed = st.EngineModelSpeed(m, planet);
    const Int price = st.EnginePrice(m, planet);

    // The fitted engine leaves the hull as the new one goes in, so its tons count as free.
    Refusals no = refusals();
    no.refuseIf(size.wide() > st.ShipFreeSpace[c].wide() + st.EngineSize[c].wide(),
                "You do not have enough free space in which to put this engine");
    no.refuseIf(price.wide() > st.PlayerCash[c].wide() + tradeIn.wide(),
                "You do not have enough money to buy this engine");
    if (no.any()) {
        SSUpdate();
        return;
    }

    // The dealer puts the old engine on sale in the new one's place, at what it gave for it.
    st.EngineModelSize(m, planet) = st.EngineSize[c];
    st.EngineModelEfficiency(m, planet) = st.EngineEfficiency[c];
    st.EngineModelSpeed(m, planet) = st.EngineSpeed[c];
    st.EnginePrice(m, planet) = tradeIn;
    st.EngineSize[c] = size;
    st.EngineEfficiency[c] = efficiency;
    st.EngineSpeed[c] = speed;
    // Whatever the order of the terms, only a cash that itself would not fit overflows.
    st.PlayerCash[c] = Int::fromWide(st.PlayerCash[c].wide() - price.wide() + tradeIn.wide());
    SSUpdate();
}

}  // namespace quorvex
