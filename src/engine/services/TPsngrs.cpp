#include "TPsngrs.h"

#include <string>

#include "../form/Game.h"
#include "../state/Format.h"
#include "../state/Fraction.h"

namespace quorvex {
namespace {

constexpr int kFirstPlanetRow = 2;  // rows 0 and 1 hold the two-line headings
constexpr Int kLowestTicket = 500;
constexpr Int kHighestTicket = 5000;

std::string pounds(int64_t amount) {
    return "£" + std::to_string(amount);
}

}  // namespace

TPsngrs::TPsngrs(Game& game) : Screen(game, ScreenId::Psngrs, "Passengers") {}

void TPsngrs::FormShow() {
    // Each showing starts with no planet chosen, so nobody picks up for a row clicked earlier
    // (perhaps by another company).
    Passengers.clearSelection();
    if (guidanceOn())
        messages(
            {"You have to pay to pick up passengers, however this is recouped with a large profit "
             "when you take your passengers to thier destination",
             "It is best to find a planet which has a low cost and a high income: this will give "
             "you the greatest profit, simply click the best row then click the button called "
             "pick up passengers.",
             "You can change the price that you charge buy clicking the set price button, but it "
             "must be between £500 and £5000"});
    PSUpdate();
}

Int TPsngrs::maxPassengers(Int c, Int j) const {
    const GameState& st = s();
    return st.PassengerSpace[c] < st.PsngrWaiting(c, j) ? st.PassengerSpace[c]
                                                        : st.PsngrWaiting(c, j);
}

void TPsngrs::PSUpdate() {
    const GameState& st = s();
    const Int c = me();
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    SpaceL.text = cat("Passenger Space: ", st.PassengerSpace[c]);
    PassengersL.text = cat("Passengers: ", st.Passengers[c]);
    PriceL.text = cat("Price: £", st.TicketPrice[c]);

    Passengers.blank();
    const char* headings[7][2] = {{"Planet", ""},
                                  {"Passengers", ""},
                                  {"Ticket Price ", "Per Passenger"},
                                  {"Cost Per", "Passenger"},
                                  {"Max", "Passengers"},
                                  {"Total", "Income"},
                                  {"Total", "Cost"}};
    for (int col = 0; col < 7; ++col) {
        Passengers.setCell(col, 0, headings[col][0]);
        if (*headings[col][1] != '\0') Passengers.setCell(col, 1, headings[col][1]);
    }
    for (int j = 1; j <= kPlanets; ++j) {
        const int row = j + kFirstPlanetRow - 1;
        const Int max = maxPassengers(c, j);
        Passengers.setCell(0, row, st.PlanetName[j]);
        Passengers.setCell(1, row, str(st.PsngrWaiting(c, j)));
        Passengers.setCell(2, row, cat("£", st.PsngrIncome(c, j)));
        Passengers.setCell(3, row, cat("£", st.PsngrCost(c, j)));
        Passengers.setCell(4, row, str(max));
        Passengers.setCell(5, row, pounds(total(st.PsngrIncome(c, j), max)));
        Passengers.setCell(6, row, pounds(total(st.PsngrCost(c, j), max)));
    }
}

void TPsngrs::Button5Click() {
    const int row = Passengers.row();
    if (row < kFirstPlanetRow) {
        message("You have not selected a planet to take passengers to.(click a row)");
        return;
    }
    PSUpdate();
    GameState& st = s();
    const Int c = me();
    const Int j = row - kFirstPlanetRow + 1;
    const Int max = maxPassengers(c, j);
    // The row's "Total Cost", kept in 64 bits: a cost beyond any cash is simply unaffordable.
    const int64_t totalCost = total(st.PsngrCost(c, j), max);

    Refusals no = refusals();
    no.refuseIf(st.PlayerCash[c].wide() < totalCost,
                "You can not afford to pick up this number of passengers as the total cost is too "
                "high");
    no.refuseIf(st.PassengerSpace[c] < 1,
                "You do not have any passenger space in which to put any passengers, therefore you "
                "can not pick up any passengers");
    no.refuseIf(st.Passengers[c] >= st.PassengerSpace[c],
                "You can not pick up any more passengers as you have picked up as many as you can "
                "hold");
    no.refuseIf(st.PsngrPickedUp[c],
                "You can not pickup any more passengers as you have already picked up some "
                "passengers");
    if (no.any()) {
        PSUpdate();
        return;
    }

    st.PsngrPickedUp[c] = true;
    st.PlayerCash[c] -= Int::fromWide(totalCost);
    st.Passengers[c] = max;  // the group replaces whoever was aboard
    st.PsngrFare[c] = st.PsngrIncome(c, j);
    st.PsngrDestination[c] = j;
    if (confirm(cat("Do you want to set the planet to which your passengers want to go to (",
                    st.PlanetName[j], ") as your ", "destination?")))
        st.PlayerDestination[c] = j;
    PSUpdate();
}

void TPsngrs::Button3Click() {
    GameState& st = s();
    const Int c = me();
    const auto typed = askInt(
        "Ticket Price", "How much would you like to set your ticket price at?", st.TicketPrice[c]);
    if (!typed) return;
    const Int n = *typed;
    if (n < kLowestTicket)
        message("You can not set the ticket price this low!");
    else if (n > kHighestTicket)
        message("You can not set the ticket price this high!");
    else
        // To the nearest multiple of 500, a half going to the even one: 750 and 1250 both
        // become 1000.
        st.TicketPrice[c] = (Fraction(n) / kLowestTicket).round() * kLowestTicket;
    PSUpdate();
}

void TPsngrs::Button1Click() {
    messages(
        {"To pickup passengers simply click the planet to which you want to take passengers then "
         "click pickup passengers",
         "You can change the price that you charge buy clicking the set price button"});
}

void TPsngrs::Button4Click() {
    if (guidanceOn())
        message(
            "Before you leave the planet and end your turn it is a good idea to visit the bank, "
            "click the bank button to do so");
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
