#include "turn/EndOfTurn.h"

#include "TurnFixture.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

const std::string kTowWarning =
    " for a tow. If you can not pay for a tow then you will be doomed to starve in space and be "
    "out of the game!";
const std::string kTowOut =
    "AjaxYou can not afford a tow and therefore are doomed to starve in space. You are now out of "
    "the game";
const std::string kLandingOut =
    "AjaxYou can not afford to pay your landing costs so can not land anywhere  therefore are "
    "doomed to starve in space. You are now out of the game";
const std::string kCrewAngry =
    " As they have not been paid for along time they are angry. If they are not payed they MAY "
    "REVOLT and make you lose the game!";
const std::string kCrewRevolt =
    "AjaxYour crew have revolted and demand that you pay them double what you owe immediately "
    "them or they will take over your ship and you will be out of the game!";
const std::string kCrewOut =
    "AjaxYou still owe your crew some money which you have no means of paying off what you owe "
    "your crew. Your crew have now decided to revolt and capture your ship you are now out of the "
    "game!";

class EndOfTurn : public TurnTest {
protected:
    EndOfTurn() {
        newCompany(1, "Ajax");
        newCompany(7, "Zeta");
        playing(1);
    }
};

// --- Fuel and tow

TEST_F(EndOfTurn, FuelEqualToEfficiencyEmptiesTheTankThenTheNextFlightIsTowed) {
    s.ShipFuel[1] = 25;
    fueluse(game.world());
    EXPECT_EQ(s.ShipFuel[1], 0);
    EXPECT_TRUE(messages().empty());

    // The whole efficiency is missing now: 500 a ton on top of 2000 to 6999.
    draws({{5000, 100}});
    fueluse(game.world());
    EXPECT_EQ(s.ShipFuel[1], 0);
    EXPECT_EQ(s.PlayerCash[1], 100000 - 14600);
    EXPECT_EQ(messages(), (Texts{"AjaxYou have run out of fuel you must pay £14600" + kTowWarning,
                                 "AjaxYou have used £14600 of your money to pay for a tow"}));
}

TEST_F(EndOfTurn, TowIsPaidFromCashThenSavingsThenBorrowing) {
    s.ShipFuel[1] = 10;  // 15 tons short
    s.PlayerCash[1] = 5000;
    s.PlayerSavings[1] = 3000;
    draws({{5000, 4999}});
    fueluse(game.world());
    EXPECT_EQ(s.ShipFuel[1], 0);
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerSavings[1], 0);
    EXPECT_EQ(s.PlayerLoan[1], 100000 + 6499);
    EXPECT_TRUE(s.PlayerActive[1]);
    EXPECT_EQ(messages(),
              (Texts{"AjaxYou have run out of fuel you must pay £14499" + kTowWarning,
                     "AjaxYou have used £5000 of your money to pay some of what the tow costs",
                     "AjaxYou have used £3000 of your savings to pay some of the cost of your tow",
                     "AjaxYou have borrowed £6499 to pay for your tow"}));
}

TEST_F(EndOfTurn, TowFromSavingsAloneWhenThereIsNoCash) {
    s.ShipFuel[1] = 0;
    s.PlayerCash[1] = -300;  // a debt in cash pays nothing and is left alone
    s.PlayerSavings[1] = 20000;
    draws({{5000, 0}});
    fueluse(game.world());
    EXPECT_EQ(s.PlayerCash[1], -300);
    EXPECT_EQ(s.PlayerSavings[1], 20000 - 14500);
    EXPECT_EQ(messages()[1], "AjaxYou have used £14500 of your savings to pay for a tow");
    EXPECT_EQ(messages().size(), 2u);
}

TEST_F(EndOfTurn, TowBeyondTheCreditHeadroomIsNotPartlyBorrowedAndPutsTheCompanyOut) {
    s.ShipFuel[1] = 0;
    s.PlayerCash[1] = 0;
    s.PlayerLoan[1] = 136000;  // 14000 of headroom, the tow costs 14500
    draws({{5000, 0}});
    fueluse(game.world());
    EXPECT_EQ(s.PlayerLoan[1], 136000);
    EXPECT_FALSE(s.PlayerActive[1]);
    EXPECT_EQ(messages(),
              (Texts{"AjaxYou have run out of fuel you must pay £14500" + kTowWarning, kTowOut}));
}

TEST_F(EndOfTurn, ComputerIsTowedInSilence) {
    playing(7);
    s.ShipFuel[7] = 24;
    draws({{5000, 1}});
    fueluse(game.world());
    EXPECT_EQ(s.PlayerCash[7], 100000 - 2501);
    EXPECT_TRUE(messages().empty());
}

// --- Landing charge

TEST_F(EndOfTurn, LandingChargeEqualToTheCashIsPaidWithoutAWord) {
    s.PlayerPlanet[1] = 4;
    s.PlanetLandingCost[4] = 700;
    s.PlayerCash[1] = 700;
    PayLandcost(game.world());
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerLoan[1], 100000);
    EXPECT_TRUE(messages().empty());
}

TEST_F(EndOfTurn, LandingChargeIncludesEveryCompanysFeeAndTakesSavingsAfterCash) {
    s.PlayerPlanet[1] = 4;
    s.PlanetLandingCost[4] = 400;
    s.PlayerLandingFee(3, 4) = 30;
    s.PlayerLandingFee(18, 4) = 20;
    s.PlayerLandingFee(3, 5) = 999;  // another planet's fee is not charged here
    s.PlayerCash[1] = 100;
    s.PlayerSavings[1] = 1000;
    PayLandcost(game.world());
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerSavings[1], 650);
    EXPECT_EQ(messages(),
              (Texts{"Ajax You have used £350 of your savings to pay your landing costs"}));
}

TEST_F(EndOfTurn, LandingChargeIsBorrowedWhenThereIsNothingElse) {
    s.PlanetLandingCost[1] = 800;
    s.PlayerCash[1] = 0;
    s.PlayerLoan[1] = 149200;  // exactly the headroom
    PayLandcost(game.world());
    EXPECT_EQ(s.PlayerLoan[1], 150000);
    EXPECT_EQ(messages(), (Texts{"Ajax You have borrowed £800 to pay your landing costs"}));
}

TEST_F(EndOfTurn, SavingsEmptiedThenTooLittleHeadroomPutsTheCompanyOut) {
    s.PlanetLandingCost[1] = 500;
    s.PlayerCash[1] = 0;
    s.PlayerSavings[1] = 300;
    s.PlayerLoan[1] = 149900;  // 100 of headroom for the 200 still due
    PayLandcost(game.world());
    EXPECT_EQ(s.PlayerSavings[1], 0);
    EXPECT_EQ(s.PlayerLoan[1], 149900);
    EXPECT_FALSE(s.PlayerActive[1]);
    EXPECT_EQ(messages(),
              (Texts{"Ajax You have used £300 of your savings to pay some of your landing costs",
                     kLandingOut}));
}

// --- Interest

TEST_F(EndOfTurn, InterestIsChargedOnTheLoanAndPaidOnSavingsHalvesToEven) {
    s.PlayerSavings[1] = 300;
    s.SavingsInterestRate[1] = 8.5;
    chargeInterest(game.world());
    EXPECT_EQ(s.LoanInterest[1], 8500);
    EXPECT_EQ(s.PlayerLoan[1], 108500);
    EXPECT_EQ(s.SavingsInterest[1], 26);  // 25.5
    EXPECT_EQ(s.PlayerSavings[1], 326);

    s.PlayerLoan[1] = 100;  // 8.5 goes down to 8
    s.PlayerSavings[1] = 1;
    chargeInterest(game.world());
    EXPECT_EQ(s.LoanInterest[1], 8);
    EXPECT_EQ(s.PlayerLoan[1], 108);
    EXPECT_EQ(s.SavingsInterest[1], 0);
    EXPECT_EQ(s.PlayerSavings[1], 1);
}

// --- Crew

TEST_F(EndOfTurn, OnlyACrewUnpaidForSevenToFifteenTurnsIsAngry) {
    s.CrewDebt[1] = 7999;  // 7 turns and a bit: (7999 div 2) div 500
    draws({{100, 59}});    // 60 in 100 that the crew only grumbles
    CrewRevoltCheck(game.world());
    EXPECT_EQ(messages(), (Texts{"AjaxYou owe your crew £7999" + kCrewAngry}));
    EXPECT_EQ(s.CrewDebt[1], 7999);

    t.dialogs.clear();
    for (int debt : {6999, 16000, 0, -5000}) {  // no draw and no word
        s.CrewDebt[1] = debt;
        CrewRevoltCheck(game.world());
    }
    s.CrewDebt[1] = 15999;
    draws({{100, 0}});
    CrewRevoltCheck(game.world());
    EXPECT_EQ(messages(), (Texts{"AjaxYou owe your crew £15999" + kCrewAngry}));
}

TEST_F(EndOfTurn, ShiplessOfCrewNobodyCountsUnpaidTurns) {
    s.CrewCount[1] = 0;
    s.CrewDebt[1] = 50000;
    CrewRevoltCheck(game.world());
    EXPECT_TRUE(messages().empty());
}

TEST_F(EndOfTurn, RevoltingCrewIsPaidDoubleFromCash) {
    s.CrewDebt[1] = 7000;
    s.PlayerCash[1] = 20000;
    draws({{100, 60}});  // the first of the 40 in 100 that revolt
    CrewRevoltCheck(game.world());
    EXPECT_EQ(s.PlayerCash[1], 6000);
    EXPECT_EQ(s.CrewDebt[1], 0);
    EXPECT_EQ(messages(), (Texts{"AjaxYou owe your crew £7000" + kCrewAngry, kCrewRevolt,
                                 "AjaxYou have used £14000 of your money to pay your crew"}));
}

TEST_F(EndOfTurn, RevoltingCrewIsPaidFromCashSavingsAndTheLoanInTurn) {
    s.CrewDebt[1] = 7000;
    s.PlayerCash[1] = 5000;
    s.PlayerSavings[1] = 4000;
    s.PlayerLoan[1] = 140000;
    draws({{100, 99}});
    CrewRevoltCheck(game.world());
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerSavings[1], 0);
    EXPECT_EQ(s.PlayerLoan[1], 145000);
    EXPECT_EQ(s.CrewDebt[1], 0);
    EXPECT_TRUE(s.PlayerActive[1]);
    EXPECT_EQ(messages(),
              (Texts{"AjaxYou owe your crew £7000" + kCrewAngry, kCrewRevolt,
                     "AjaxYou have used £5000 of your money to pay some of what you owe your crew",
                     "AjaxYou have used £4000 of your savings to pay some of what you owe your "
                     "crew",
                     "AjaxYou have borrowed £5000 to pay your crew"}));
}

TEST_F(EndOfTurn, RevoltingCrewTakesSavingsWhenThereIsNoCash) {
    s.CrewDebt[1] = 7000;
    s.PlayerCash[1] = 0;
    s.PlayerSavings[1] = 20000;
    draws({{100, 75}});
    CrewRevoltCheck(game.world());
    EXPECT_EQ(s.PlayerSavings[1], 6000);
    EXPECT_EQ(s.CrewDebt[1], 0);
    EXPECT_EQ(messages().back(), "AjaxYou have used £14000 of your savings to pay your crew");
}

TEST_F(EndOfTurn, UnpaidRevoltingCrewTakesTheShip) {
    s.CrewDebt[1] = 7000;
    s.PlayerCash[1] = 0;
    s.PlayerLoan[1] = 140001;  // 9999 of headroom for 14000
    draws({{100, 80}});
    CrewRevoltCheck(game.world());
    EXPECT_FALSE(s.PlayerActive[1]);
    EXPECT_EQ(s.PlayerLoan[1], 140001);
    EXPECT_EQ(s.CrewDebt[1], 7000);
    EXPECT_EQ(messages(),
              (Texts{"AjaxYou owe your crew £7000" + kCrewAngry, kCrewRevolt, kCrewOut}));
}

TEST_F(EndOfTurn, ComputerCrewDemandsDoubleTooInSilence) {
    playing(7);
    s.CrewDebt[7] = 7000;
    s.PlayerCash[7] = 20000;
    draws({{100, 70}});
    CrewRevoltCheck(game.world());
    EXPECT_EQ(s.PlayerCash[7], 6000);
    EXPECT_EQ(s.CrewDebt[7], 0);
    EXPECT_TRUE(messages().empty());
}

// --- Credit limit

TEST_F(EndOfTurn, LoanAboveTheLimitIsPaidDownFromCashToTheLimit) {
    s.PlayerLoan[1] = 151000;
    s.PlayerCash[1] = 5000;
    Bankcruptcycheck(game.world());
    EXPECT_EQ(s.PlayerLoan[1], 150000);
    EXPECT_EQ(s.PlayerCash[1], 4000);
    EXPECT_TRUE(s.PlayerActive[1]);
    EXPECT_EQ(messages(), (Texts{"AjaxYour loan has surpassed your credit limit, you must use some "
                                 "of your money to pay off your loan"}));
}

TEST_F(EndOfTurn, CashAndSavingsThatCannotCoverTheExcessEndInBankruptcy) {
    s.PlayerLoan[1] = 160000;
    s.PlayerCash[1] = 3000;
    s.PlayerSavings[1] = 4000;
    Bankcruptcycheck(game.world());
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerSavings[1], 0);
    EXPECT_EQ(s.PlayerLoan[1], 153000);
    EXPECT_FALSE(s.PlayerActive[1]);
    EXPECT_EQ(messages(),
              (Texts{"AjaxYour loan has surpassed your credit limit, you must use some of your "
                     "money to pay off your loan",
                     "AjaxYour loan has surpassed your credit limit, you must use some of your "
                     "savings to pay off your loan",
                     "Player Ajax is unable to pay their debts and are consequentially bankrupt "
                     "and out of the game!"}));
}

TEST_F(EndOfTurn, WithoutCashOnlySavingsPayTheExcess) {
    s.PlayerLoan[1] = 155000;
    s.PlayerCash[1] = 0;
    s.PlayerSavings[1] = 20000;
    Bankcruptcycheck(game.world());
    EXPECT_EQ(s.PlayerSavings[1], 15000);
    EXPECT_EQ(s.PlayerLoan[1], 150000);
    EXPECT_EQ(messages(), (Texts{"AjaxYour loan has surpassed your credit limit, you must use some "
                                 "of your savings to pay off your loan"}));
}

TEST_F(EndOfTurn, EveryoneHearsOfAComputersBankruptcyButACompanyAlreadyOutIsLeftAlone) {
    playing(7);
    s.PlayerLoan[7] = 151000;
    s.PlayerCash[7] = 500;
    Bankcruptcycheck(game.world());
    EXPECT_FALSE(s.PlayerActive[7]);
    EXPECT_EQ(s.PlayerCash[7], 0);
    EXPECT_EQ(messages(), (Texts{"Player Zeta is unable to pay their debts and are consequentially "
                                 "bankrupt and out of the game!"}));

    t.dialogs.clear();
    Bankcruptcycheck(game.world());
    EXPECT_EQ(s.PlayerLoan[7], 150500);
    EXPECT_TRUE(messages().empty());
}

// --- The whole end of turn

// Out of the game by the tow, the company still lands, pays interest, meets chance and its crew;
// only the credit check passes it over.
TEST_F(EndOfTurn, EveryStepRunsInOrderEvenAfterTheCompanyIsOut) {
    s.RandomEventRate = 20;
    s.PlayerPlanet[1] = 2;
    s.PlayerNextPlanet[1] = 4;
    s.PlanetLandingCost[4] = 600;
    s.ShipFuel[1] = 0;
    s.PlayerCash[1] = 0;
    s.PlayerLoan[1] = 150000;
    s.CrewDebt[1] = 7000;
    s.FirstRound = true;
    draws({{5000, 1000},  // the tow: 1000 + 12500 + 2000
           {21, 0},
           {1001, 750},  // one event: money in the street
           {25, 4},      // a £500 note
           {100, 90}});  // the angry crew revolts
    Plyrfinish(game.world());

    EXPECT_EQ(s.PlayerPlanet[1], 4);
    EXPECT_FALSE(s.PlayerActive[1]);
    EXPECT_EQ(s.LoanInterest[1], 12750);
    EXPECT_EQ(s.PlayerLoan[1], 162750);  // above the limit, but nobody goes bankrupt twice
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.CrewDebt[1], 7500);  // 8000 owed, the £500 note went to the crew
    EXPECT_FALSE(s.FirstRound);
    EXPECT_EQ(messages(),
              (Texts{"AjaxYou have run out of fuel you must pay £15500" + kTowWarning, kTowOut,
                     kLandingOut, "You find a £500 note in the street!!!!",
                     "AjaxYou owe your crew £8000" + kCrewAngry, kCrewRevolt,
                     "AjaxYou have used £500 of your money to pay some of what you owe your crew",
                     kCrewOut}));
}

TEST_F(EndOfTurn, ComputerEndOfTurnIsSilentUntilItsBankruptcy) {
    playing(7);
    s.RandomEventRate = 20;
    s.PlayerNextPlanet[7] = 3;
    s.PlanetLandingCost[3] = 500;
    s.ShipFuel[7] = 25;
    s.PlayerCash[7] = 0;
    s.PlayerLoan[7] = 149000;
    s.FirstRound = true;
    draws({{21, 0}, {1001, 0}});
    Plyrfinish(game.world());

    EXPECT_EQ(s.ShipFuel[7], 0);
    EXPECT_EQ(s.LoanInterest[7], 12708);  // 8.5% of 149500 is 12707.5
    EXPECT_EQ(s.PlayerLoan[7], 162208);
    EXPECT_EQ(s.CrewDebt[7], 1000);
    EXPECT_FALSE(s.PlayerActive[7]);
    EXPECT_TRUE(s.FirstRound);  // only the first company's turn ends the first round
    EXPECT_EQ(messages(), (Texts{"Player Zeta is unable to pay their debts and are "
                                 "consequentially bankrupt and out of the game!"}));
}

}  // namespace
