#include "TCrew.h"

#include "../form/Game.h"
#include "../state/Format.h"
#include "BankRules.h"
#include "CrewRules.h"

namespace quorvex {

TCrew::TCrew(Game& game) : Screen(game, ScreenId::Crew, "Crew") {}

void TCrew::FormShow() {
    CUpdate();
}

void TCrew::CUpdate() {
    GameState& st = s();
    const Int c = me();
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    WageL.text = cat("£", st.CrewWage[c]);
    CrewL.text = cat("No of Crew: ", st.CrewCount[c]);
    DebtL.text = cat("Crew Wages Owed: £", st.CrewDebt[c]);
    TotalL.text = cat("Wages Per Turn (Total): £", st.CrewWage[c] * st.CrewCount[c]);
    // The screen keeps the mood it works out; a crew owed more than 8 turns shows the last one.
    st.CrewMood[c] = moodAfter(unpaidTurns(st, c), st.CrewMood[c]);
    SentL.text = moodWord(st.CrewMood[c]);
}

Int TCrew::maximumPayment() const {
    return largestPayment(s().CrewDebt[me()], s().PlayerCash[me()]);
}

void TCrew::Button1Click() {
    GameState& st = s();
    const Int c = me();
    Int& cash = st.PlayerCash[c];
    Int& debt = st.CrewDebt[c];
    Refusals nothingToDo = refusals();
    nothingToDo.refuseIf(cash == 0, "You do not have any money with which to pay your crew");
    nothingToDo.refuseIf(debt == 0, "You do not owe your crew any money");
    if (nothingToDo.any()) return;
    const auto n =
        askInt("Pay Crew", "How much of your crew debt do you want to pay off?", maximumPayment());
    if (!n) return;
    Refusals no = refusals();
    no.refuseIf(*n <= 0, "This is not a valid number, you can not pay this amount");
    no.refuseIf(*n > debt, "You can not over pay your crew");
    no.refuseIf(*n > cash, "You do not ahve this money with which to pay your crew");
    if (no.any()) return;
    debt -= *n;
    cash -= *n;
    CUpdate();
}

void TCrew::Button4Click() {
    GameState& st = s();
    const Int c = me();
    // Without money nothing is paid; the debt must never grow here.
    if (st.PlayerCash[c] <= 0) return;
    const Int paid = maximumPayment();
    st.CrewDebt[c] -= paid;
    st.PlayerCash[c] -= paid;
    CUpdate();
}

void TCrew::Button2Click() {
    messages({"Your ship takes a certain number of crew each turn",
              "You must pay your crew every turn",
              "You do not have to pay your crew every turn but thier pay will be stored up as "
              "crew debt",
              "If you do not pay your crew for a long time they will get angry and could revolt "
              "causeing you to be out of the game"});
}

void TCrew::Button3Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
