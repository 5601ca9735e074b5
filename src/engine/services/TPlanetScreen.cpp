#include "TPlanetScreen.h"

#include "../form/Game.h"
#include "../state/Format.h"

namespace quorvex {

TPlanetScreen::TPlanetScreen(Game& game) : Screen(game, ScreenId::PlanetScreen, "Planet- ") {}

void TPlanetScreen::FormShow() {
    GameState& st = s();
    const Int c = me();
    PLanetL.text = cat("Planet: ", st.PlanetName[st.PlayerPlanet[c]]);
    DestL.text = st.PlanetName[st.PlayerDestination[c]];
    CashL.text = str(st.PlayerCash[c]);
    LoanL.text = str(st.PlayerLoan[c]);
    CreditL.text = str(st.PlayerCreditLimit[c]);
    SAvsL.text = str(st.PlayerSavings[c]);
    PassL.text = cat(st.Passengers[c], " / ", st.PassengerSpace[c]);

    // Asked at every showing of the first game turn until the company says Yes.
    if ((st.TurnNumber == 0 || st.TurnNumber == 1) && !st.HelpOn &&
        confirm("Would you like some help as this is your first turn?")) {
        st.HelpOn = true;
        messages(
            {"You own a space ship, you must aim to make money by buying and selling cargo "
             "and taking passengers",
             "You start with an empty hull, you must fill it with either cargo, passenger or "
             "fuel space, to do this click the button called Ship"});
    }
}

void TPlanetScreen::Button4Click() {
    messages(
        {"If this is your first turn then you should click on the ship button the space then "
         "allocate any free space that you have buy buying cargo or passenger space.",
         "You should then go to the cargo or passenger screens to pickup passengers and cargo",
         "Advertising ", "If you run out of money go to the bank screen",
         "If you have a lot of money then consider buying a mine or a factory"});
}

// "Close" leaves the turn where it stands: the hub is hidden and the main menu, which stays open
// behind every game, comes to the front (a new game can be started or one loaded from it).
void TPlanetScreen::Button13Click() {
    handOver(ScreenId::GameMenu);
}

}  // namespace quorvex
