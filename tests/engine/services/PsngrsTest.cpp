#include <gtest/gtest.h>

#include "services/TPsngrs.h"
#include "support/ScreenTest.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

const char* const kCantAfford =
    "You can not afford to pick up this number of passengers as the total cost is too high";
const char* const kNoSpace =
    "You do not have any passenger space in which to put any passengers, therefore you can not "
    "pick up any passengers";
const char* const kFull =
    "You can not pick up any more passengers as you have picked up as many as you can hold";
const char* const kAlready =
    "You can not pickup any more passengers as you have already picked up some passengers";
const char* const kNoRow = "You have not selected a planet to take passengers to.(click a row)";

// Company 2 on planet A, in turn 3, with 40 places and £100000; planet B (grid row 3) offers
// 25 passengers at £1500 each for a cost of £1100 each; every other planet 100 at £1500 / £1000.
struct PassengersScreen : ScreenTest {
    TPsngrs& screen = game.Psngrs();

    void SetUp() override {
        s.TurnNumber = 3;
        s.CurrentPlayer = 2;
        for (int j = 1; j <= kPlanets; ++j) {
            s.PlanetName[j] = std::string(1, char('A' + j - 1));
            s.PsngrWaiting(2, j) = 100;
            s.PsngrIncome(2, j) = 1500;
            s.PsngrCost(2, j) = 1000;
        }
        s.PsngrWaiting(2, 2) = 25;
        s.PsngrCost(2, 2) = 1100;
        s.PlayerPlanet[2] = s.PlayerDestination[2] = s.PsngrDestination[2] = 1;
        s.PlayerCash[2] = 100000;
        s.PassengerSpace[2] = 40;
        s.TicketPrice[2] = 1500;
    }
    void show() { ScreenTest::show(ScreenId::Psngrs); }
    void pickUp(int row) {
        pick(screen.Passengers, 0, row);
        click(screen.Button5);
    }
    void setPrice(const std::string& typed) {
        answerInput(typed);
        click(screen.Button3);
    }
};

TEST_F(PassengersScreen, ShowsLabelsHeadingsAndEveryPlanetsRow) {
    s.Passengers[2] = 10;  // the max is the whole passenger space, whatever is aboard
    show();
    EXPECT_EQ(screen.CashL.text, "Money: £100000");
    EXPECT_EQ(screen.SpaceL.text, "Passenger Space: 40");
    EXPECT_EQ(screen.PassengersL.text, "Passengers: 10");
    EXPECT_EQ(screen.PriceL.text, "Price: £1500");
    const auto& g = screen.Passengers;
    const Texts top = {"Planet", "Passengers", "Ticket Price ", "Cost Per",
                       "Max",    "Total",      "Total"};
    const Texts second = {" ", " ", "Per Passenger", "Passenger", "Passengers", "Income", "Cost"};
    const Texts planetB = {"B", "25", "£1500", "£1100", "25", "£37500", "£27500"};
    const Texts planetL = {"L", "100", "£1500", "£1000", "40", "£60000", "£40000"};
    for (int col = 0; col < 7; ++col) {
        EXPECT_EQ(g.cell(col, 0), top[col]);
        EXPECT_EQ(g.cell(col, 1), second[col]);
        EXPECT_EQ(g.cell(col, 3), planetB[col]);
        EXPECT_EQ(g.cell(col, 13), planetL[col]);
    }
    EXPECT_EQ(g.cell(0, 2), "A");
    EXPECT_EQ(t.dialogs.messages(), Texts{});
}

TEST_F(PassengersScreen, GuidanceInTheFirstTurnOnShowAndOnContinue) {
    s.TurnNumber = 1;
    s.HelpOn = true;
    show();
    ASSERT_EQ(t.dialogs.messages().size(), 3u);
    EXPECT_EQ(t.dialogs.messages()[2],
              "You can change the price that you charge buy clicking the set price button, but it "
              "must be between £500 and £5000");
    EXPECT_EQ(screen.CashL.text, "Money: £100000");
    t.dialogs.clear();
    click(screen.Button4);
    EXPECT_EQ(t.dialogs.messages(),
              Texts{"Before you leave the planet and end your turn it is a good idea to visit the "
                    "bank, click the bank button to do so"});
    EXPECT_TRUE(t.game.isVisible(ScreenId::PlanetScreen));
    EXPECT_FALSE(t.game.isVisible(ScreenId::Psngrs));
}

TEST_F(PassengersScreen, NoGuidanceLaterAndHelpShowsTwoMessages) {
    s.HelpOn = true;  // turn 3
    show();
    click(screen.Button1);
    EXPECT_EQ(t.dialogs.messages(),
              (Texts{"To pickup passengers simply click the planet to which you want to take "
                     "passengers then click pickup passengers",
                     "You can change the price that you charge buy clicking the set price "
                     "button"}));
    click(screen.Button4);
    EXPECT_EQ(t.dialogs.messages().size(), 2u);
    EXPECT_TRUE(t.game.isVisible(ScreenId::PlanetScreen));
}

TEST_F(PassengersScreen, PickUpWithoutAPlanetRowOnlyAsks) {
    show();
    const GameState before = s;
    pickUp(1);  // a heading row cannot be chosen
    EXPECT_EQ(t.dialogs.messages(), Texts{kNoRow});
    EXPECT_TRUE(s.PlayerCash == before.PlayerCash && s.Passengers == before.Passengers);

    // A row clicked before the screen was last shown is not a choice made now.
    pick(screen.Passengers, 0, 3);
    show();
    click(screen.Button5);
    EXPECT_EQ(t.dialogs.messages(), (Texts{kNoRow, kNoRow}));
}

TEST_F(PassengersScreen, PickUpTakesTheGroupAndMayDeclareTheDestination) {
    show();
    t.dialogs.answerConfirm(true);
    pickUp(3);  // planet B: 25 of them, £27500
    EXPECT_EQ(t.dialogs.confirms(),
              Texts{"Do you want to set the planet to which your passengers want to go to (B) as "
                    "your destination?"});
    EXPECT_EQ(s.PlayerCash[2], 72500);
    EXPECT_EQ(s.Passengers[2], 25);
    EXPECT_EQ(s.PsngrFare[2], 1500);
    EXPECT_EQ(s.PsngrDestination[2], 2);
    EXPECT_EQ(s.PlayerDestination[2], 2);
    EXPECT_TRUE(s.PsngrPickedUp[2]);
    EXPECT_EQ(screen.CashL.text, "Money: £72500");
    EXPECT_EQ(screen.PassengersL.text, "Passengers: 25");

    // Places are still free, but one pick-up a turn.
    pickUp(4);
    EXPECT_EQ(t.dialogs.messages(), Texts{kAlready});
    EXPECT_EQ(s.PlayerCash[2], 72500);
    EXPECT_EQ(s.PsngrDestination[2], 2);
}

TEST_F(PassengersScreen, AnsweringNoStillTakesThemAboard) {
    s.PlayerCash[2] = 27500;  // exactly the cost
    show();
    t.dialogs.answerConfirm(false);
    pickUp(3);
    EXPECT_EQ(s.PlayerCash[2], 0);
    EXPECT_EQ(s.Passengers[2], 25);
    EXPECT_EQ(s.PsngrDestination[2], 2);
    EXPECT_EQ(s.PlayerDestination[2], 1);
}

TEST_F(PassengersScreen, EveryFailedCheckSpeaksInOrderAndNothingChanges) {
    s.PlayerCash[2] = 27499;
    show();
    pickUp(3);
    EXPECT_EQ(t.dialogs.messages(), Texts{kCantAfford});
    EXPECT_EQ(s.Passengers[2], 0);
    EXPECT_FALSE(s.PsngrPickedUp[2]);

    t.dialogs.clear();
    s.PlayerCash[2] = -1;  // a group of 0 costs £0, which is still too much
    s.PassengerSpace[2] = 0;
    s.PsngrPickedUp[2] = true;
    const GameState before = s;
    pickUp(3);
    EXPECT_EQ(t.dialogs.messages(), (Texts{kCantAfford, kNoSpace, kFull, kAlready}));
    EXPECT_TRUE(s.PlayerCash == before.PlayerCash && s.Passengers == before.Passengers &&
                s.PsngrDestination == before.PsngrDestination);
}

TEST_F(PassengersScreen, AHugeGroupIsUnaffordableNotAnOverflow) {
    s.PassengerSpace[2] = 1000000;
    s.PsngrWaiting(2, 3) = 1000000;
    s.PsngrCost(2, 3) = 5000;
    show();
    EXPECT_EQ(screen.Passengers.cell(6, 4), "£5000000000");
    pickUp(4);
    EXPECT_EQ(t.dialogs.messages(), Texts{kCantAfford});
    EXPECT_EQ(t.dialogs.errors(), Texts{});
}

TEST_F(PassengersScreen, TicketPriceGoesToTheNearestEvenMultipleOf500) {
    show();
    const std::pair<const char*, int> typed[] = {{"750", 1000}, {"1250", 1000},  {"1750", 2000},
                                                 {"500", 500},  {" 5000", 5000}, {"4749", 4500}};
    for (const auto& [text, price] : typed) {
        setPrice(text);
        EXPECT_EQ(s.TicketPrice[2], price) << text;
    }
    EXPECT_EQ(screen.PriceL.text, "Price: £4500");
    ASSERT_EQ(t.dialogs.inputs().size(), 6u);
    EXPECT_EQ(t.dialogs.inputs()[0].caption, "Ticket Price");
    EXPECT_EQ(t.dialogs.inputs()[0].prompt, "How much would you like to set your ticket price at?");
    EXPECT_EQ(t.dialogs.inputs()[0].defaultText, "1500");
    EXPECT_EQ(t.dialogs.inputs()[1].defaultText, "1000");
    EXPECT_EQ(t.dialogs.messages(), Texts{});
}

TEST_F(PassengersScreen, TicketPriceRefusalsCancelAndBadTextLeaveItAlone) {
    show();
    setPrice("499");
    setPrice("5001");
    setPrice("-1500");
    EXPECT_EQ(t.dialogs.messages(), (Texts{"You can not set the ticket price this low!",
                                           "You can not set the ticket price this high!",
                                           "You can not set the ticket price this low!"}));
    expectError("'2000abc' is not a valid integer value");
    expectError("'99999999999' is not a valid integer value");
    setPrice("2000abc");
    setPrice("99999999999");
    EXPECT_EQ(t.dialogs.errors(), (Texts{"'2000abc' is not a valid integer value",
                                         "'99999999999' is not a valid integer value"}));
    t.dialogs.cancelInput();
    click(screen.Button3);
    EXPECT_EQ(s.TicketPrice[2], 1500);
    EXPECT_EQ(t.dialogs.messages().size(), 3u);
}

}  // namespace
