#include <gtest/gtest.h>

#include "ShipFixture.h"
#include "services/TShip.h"
#include "services/TShpUpg.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

// Planet C sells cargo space at £100 a ton, fuel space at £200 a ton, passenger places at £1000.
struct SpaceScreen : ShipFixture {
    TShpUpg& screen = game.ShpUpg();

    void SetUp() override {
        ShipFixture::SetUp();
        s.PlanetCargoSpacePrice[3] = 100;
        s.PlanetFuelSpacePrice[3] = 200;
        s.PlanetPassengerSpacePrice[3] = 1000;
    }
    void show() { ScreenTest::show(ScreenId::ShpUpg); }
    // Clicks a button and types the amount into the box it opens.
    void trade(const Button& button, const std::string& typed) {
        answerInput(typed);
        click(button);
    }
    Texts gridRow(int row) const { return rowOf(screen.Upgrades, row); }
};

TEST_F(SpaceScreen, ShowingRecomputesTheHullFiguresFromTheHull) {
    // A hull grown to 310 tons (one more crew place) whose space, free space and passenger
    // limit were never worked out again.
    s.ShipHullSize[2] = 310;
    s.ShipMaxCrew[2] = 6;
    s.CargoSpace[2] = 12;
    s.CargoUsed[2] = 7;
    s.ShipFuel[2] = 31;
    s.PassengerSpace[2] = 4;
    s.Passengers[2] = 3;
    s.CrewCount[2] = 3;
    show();
    EXPECT_EQ(s.ShipSpace[2], 210);
    EXPECT_EQ(s.ShipFreeSpace[2], 210 - (12 + 50 + 20 + 20));
    EXPECT_EQ(s.PassengerSpaceLimit[2], 20);
    EXPECT_EQ(screen.caption, "Ship  Upgrade");
    EXPECT_EQ(screen.HullL.text, "Hull Size: 310 Tons");
    EXPECT_EQ(screen.SpaceL.text, "Space: 210 Tons");
    EXPECT_EQ(screen.FreeL.text, "Free Space: 108 Tons");
    EXPECT_EQ(screen.MaxCrewL.text, "Max Crew: 6");
    EXPECT_EQ(screen.CrewL.text, "Crew: 3");
    EXPECT_EQ(screen.CashL.text, "Money: £100000");
    EXPECT_EQ(screen.EngineL.text, "Engine Size: 20 Tons");
    EXPECT_EQ(gridRow(0), (Texts{" ", "Space", "Cost(£)", "Current"}));
    EXPECT_EQ(gridRow(1), (Texts{"Cargo:", "12 Tons", "100", "7 Tons"}));
    EXPECT_EQ(gridRow(2), (Texts{"Fuel:", "50 Tons", "200", "31 Tons"}));
    EXPECT_EQ(gridRow(3), (Texts{"Passengers:", "4 (20 Tons)", "1000", "3"}));
    EXPECT_EQ(dialogs.messages(), Texts{});
}

TEST_F(SpaceScreen, GuidanceHelpAndContinue) {
    s.TurnNumber = 0;
    s.HelpOn = true;
    show();
    EXPECT_EQ(
        takeMessages(),
        (Texts{"On this page you can fill your ships hull with cargo, passenger or fuel space",
               "To find out how much hull space you have to fill look at the free space "
               "label.  You should buy lots of passenger space to start with, use the buy "
               "passenger space button."}));
    click(screen.Button2);
    EXPECT_EQ(takeMessages(),
              (Texts{"You must fill any free space in your ship with either fuel, passenger or "
                     "cargo space",
                     "Click the appropriate button to buy/sell space"}));
    click(screen.Button1);
    EXPECT_TRUE(game.isVisible(ScreenId::Ship));
    EXPECT_FALSE(game.isVisible(ScreenId::ShpUpg));
}

TEST_F(SpaceScreen, CargoAndFuelSpaceAreBoughtAndSoldByTheTonAtThePlanetsPrice) {
    s.PlayerCash[2] = 5000;
    show();
    trade(screen.Button3, "40");  // cargo: 50 tons affordable, 90 free
    EXPECT_EQ(dialogs.inputs().back().caption, "Buy Cargo Space");
    EXPECT_EQ(dialogs.inputs().back().prompt, "How much cargo space do you want to buy?");
    EXPECT_EQ(dialogs.inputs().back().defaultText, "50");
    EXPECT_EQ(s.CargoSpace[2], 40);
    EXPECT_EQ(s.PlayerCash[2], 1000);
    EXPECT_EQ(s.ShipFreeSpace[2], 50);
    EXPECT_EQ(screen.FreeL.text, "Free Space: 50 Tons");

    s.PlayerCash[2] = 1000000;
    trade(screen.Button7, "50");  // fuel: the whole free space is affordable
    EXPECT_EQ(dialogs.inputs().back().caption, "Buy Fuel Space");
    EXPECT_EQ(dialogs.inputs().back().prompt, "How much fuel space do you want to buy?");
    EXPECT_EQ(dialogs.inputs().back().defaultText, "50");
    EXPECT_EQ(s.FuelTankSpace[2], 100);
    EXPECT_EQ(s.PlayerCash[2], 990000);
    EXPECT_EQ(s.ShipFreeSpace[2], 0);

    // Sold back at today's price, only what is empty.
    s.PlanetCargoSpacePrice[3] = 150;
    s.CargoUsed[2] = 15;
    trade(screen.Button4, "25");
    EXPECT_EQ(dialogs.inputs().back().caption, "Sell Cargo Space");
    EXPECT_EQ(dialogs.inputs().back().prompt, "How much cargo space do you want to sell?");
    EXPECT_EQ(dialogs.inputs().back().defaultText, "25");
    EXPECT_EQ(s.CargoSpace[2], 15);
    EXPECT_EQ(s.PlayerCash[2], 993750);
    trade(screen.Button8, "50");
    EXPECT_EQ(dialogs.inputs().back().caption, "Sell Fuel Space");
    EXPECT_EQ(dialogs.inputs().back().prompt, "How much fuel space do you want to sell?");
    EXPECT_EQ(dialogs.inputs().back().defaultText, "50");
    EXPECT_EQ(s.FuelTankSpace[2], 50);
    EXPECT_EQ(s.PlayerCash[2], 1003750);
    EXPECT_EQ(s.ShipFreeSpace[2], 75);
    EXPECT_EQ(gridRow(1), (Texts{"Cargo:", "15 Tons", "150", "15 Tons"}));
    EXPECT_EQ(dialogs.messages(), Texts{});
}

TEST_F(SpaceScreen, SellingSpaceIsRefusedWhileItIsInUse) {
    s.CargoSpace[2] = 20;
    s.CargoUsed[2] = 20;
    show();
    click(screen.Button4);  // full of cargo: no box at all
    click(screen.Button8);  // the tank is full of fuel
    EXPECT_EQ(takeMessages(),
              (Texts{"Your cargo space is full of cargo therefore you can not sell any cargo space",
                     "Your fuel space is full of fuel therefore you can not sell any fuel space"}));
    s.PassengerSpace[2] = s.Passengers[2] = 3;
    click(screen.Button6);
    EXPECT_EQ(takeMessages(),
              Texts{"You can not sell any passenger space as it is full of passengers"});
    s.PassengerSpace[2] = s.Passengers[2] = 0;

    // With nothing of a kind, nothing of it is in use either: both are said.
    s.CargoSpace[2] = s.CargoUsed[2] = 0;
    click(screen.Button4);
    click(screen.Button6);
    EXPECT_EQ(takeMessages(),
              (Texts{"You have no cargo space to sell",
                     "Your cargo space is full of cargo therefore you can not sell any cargo space",
                     "You have no passenger space to sell",
                     "You can not sell any passenger space as it is full of passengers"}));
    EXPECT_EQ(dialogs.inputs().size(), 0u);

    // Cargo in part of the hold: only the rest can go.
    s.CargoSpace[2] = 20;
    s.CargoUsed[2] = 12;
    show();
    const GameState before = s;
    trade(screen.Button4, "9");
    EXPECT_EQ(dialogs.inputs().back().defaultText, "8");
    EXPECT_EQ(takeMessages(), Texts{"You do not have this amount of free cargo space to sell"});
    EXPECT_TRUE(s == before);
}

TEST_F(SpaceScreen, TwelvePlacesWithTwoCrewAskForThreeMore) {
    show();
    answerInput("12");
    answer(false);
    click(screen.Button5);
    const std::string question =
        "To look after this amount of passengers you will have to employ more crew.  You will "
        "need to employ 3 extra crew.  This will cost you £1500 per turn.  Are you sure that you "
        "want to buy this amount of passenger space and employ this number of extra crew?";
    EXPECT_EQ(dialogs.confirms(), Texts{question});
    EXPECT_EQ(dialogs.inputs().back().caption, "Buy Passenger Space");
    EXPECT_EQ(dialogs.inputs().back().prompt, "How much passenger space do you want to buy?");
    EXPECT_EQ(dialogs.inputs().back().defaultText, "15");  // the crew could look after 15
    EXPECT_EQ(s.PassengerSpace[2], 0);
    EXPECT_EQ(s.CrewCount[2], 2);
    EXPECT_EQ(s.PlayerCash[2], 100000);

    answerInput("12");
    answer(true);
    click(screen.Button5);
    EXPECT_EQ(s.PassengerSpace[2], 12);
    EXPECT_EQ(s.CrewCount[2], 5);
    EXPECT_EQ(s.PlayerCash[2], 88000);
    EXPECT_EQ(s.ShipFreeSpace[2], 30);
    EXPECT_EQ(screen.CrewL.text, "Crew: 5");
    EXPECT_EQ(gridRow(3), (Texts{"Passengers:", "12 (60 Tons)", "1000", "0"}));

    // Three more places are looked after by the crew already aboard: no question.
    trade(screen.Button5, "3");
    EXPECT_EQ(dialogs.confirms().size(), 2u);
    EXPECT_EQ(s.PassengerSpace[2], 15);
    EXPECT_EQ(s.CrewCount[2], 5);
    // And now the crew can look after no more.
    click(screen.Button5);
    EXPECT_EQ(takeMessages(),
              Texts{"You can not buy any more passenger space as your crew would not be able to "
                    "look after the extra passengers"});
}

TEST_F(SpaceScreen, ThePassengerProposalIsBoundByRoomMoneyAndCrew) {
    const struct {
        int cash, freeTons, places;
        const char* proposal;
    } cases[] = {
        {100000, 90, 0, "15"},  // the crew
        {100000, 24, 0, "4"},   // the room: 5 tons a place
        {3999, 90, 0, "3"},     // the money
        {100000, 25, 13, "2"},  // the crew, with 13 places already
        {500, 90, 0, "0"},      // not even one place
    };
    for (const auto& k : cases) {
        s.PlayerCash[2] = k.cash;
        s.PassengerSpace[2] = k.places;
        s.CargoSpace[2] = 90 - k.freeTons - 5 * k.places;
        show();
        cancelInput();
        click(screen.Button5);
        EXPECT_EQ(dialogs.inputs().back().defaultText, k.proposal) << k.cash << " " << k.freeTons;
    }
}

// The crew no longer needed are sacked, after the company agrees, and their share of the wages
// owed is paid first.
TEST_F(SpaceScreen, SellingPlacesSacksTheCrewTheyNoLongerNeed) {
    const char* const sackQuestion =
        "If you sell this amount of passenger space you wont be able to have so many passengers so "
        "you will need less crew. You will need to sack 2. This will save you £1000 per turn. Are "
        "you sure that you want to sell this amount of passenger space and sack this number of "
        "crew?";
    const char* const debtQuestion =
        "To sack 2 crew members you will need to clear any debts thay you owe them. You must pay "
        "£1000 to clear your debts to them. Do you want to sack these members of your crew?";
    const char* const cannotPay =
        "You do not have enough money to clear your debt you cannot sell this amount of passenger "
        "space!";
    const struct Case {
        const char* what;
        int debt, cash;
        std::vector<bool> answers;
        Texts confirms, messages;
        bool sold;
    } cases[] = {
        {"no debt per head", 4, 0, {true}, {sackQuestion}, {}, true},
        {"sacking refused", 4, 0, {false}, {sackQuestion}, {}, false},
        {"debt paid", 2500, 1000, {true, true}, {sackQuestion, debtQuestion}, {}, true},
        {"debt not paid", 2500, 1000, {true, false}, {sackQuestion, debtQuestion}, {}, false},
        {"debt unaffordable",
         2500,
         999,
         {true, true},
         {sackQuestion, debtQuestion},
         {cannotPay},
         false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        s.PassengerSpace[2] = 15;
        s.Passengers[2] = 5;
        s.CrewCount[2] = 5;
        s.CrewDebt[2] = k.debt;
        s.PlayerCash[2] = k.cash;
        show();
        const GameState before = s;
        answerInput("10");  // 5 places left need 1 crew beyond the two
        for (bool yes : k.answers)
            answer(yes);
        click(screen.Button6);
        EXPECT_EQ(dialogs.inputs().back().caption, "Sell Passenger Space");
        EXPECT_EQ(dialogs.inputs().back().prompt, "How much passenger space do you want to sell?");
        EXPECT_EQ(dialogs.inputs().back().defaultText, "10");
        EXPECT_EQ(dialogs.confirms(), k.confirms);
        EXPECT_EQ(takeMessages(), k.messages);
        if (k.sold) {
            const int share = k.debt / 5 * 2;
            EXPECT_EQ(s.PassengerSpace[2], 5);
            EXPECT_EQ(s.CrewCount[2], 3);
            EXPECT_EQ(s.CrewDebt[2], k.debt - share);
            EXPECT_EQ(s.PlayerCash[2], k.cash - share + 10000);
            EXPECT_EQ(s.ShipFreeSpace[2], before.ShipFreeSpace[2] + 50);
        } else {
            EXPECT_TRUE(s == before);
        }
    }
}

TEST_F(SpaceScreen, SellingPlacesTheCrewStillNeedsSacksNobody) {
    s.PassengerSpace[2] = 15;
    s.CrewCount[2] = 5;
    s.CrewDebt[2] = 5000;
    show();
    trade(screen.Button6, "4");  // 11 places still need 3 crew beyond the two
    EXPECT_EQ(dialogs.confirms(), Texts{});
    EXPECT_EQ(s.PassengerSpace[2], 11);
    EXPECT_EQ(s.CrewCount[2], 5);
    EXPECT_EQ(s.PlayerCash[2], 104000);
}

// Every input box of the screen with every kind of bad amount: the messages in order, and the
// game as it was.
TEST_F(SpaceScreen, BadInputOnEveryBoxChangesNothing) {
    const char* const kCancel = nullptr;
    const std::string notInteger = "' is not a valid integer value";
    struct Case {
        const char* box;
        const Button& button;
        const char* typed;  // kCancel for Cancel
        Texts messages;
        std::string error;
    };
    const char* const buyCargoBad =
        "This is not a valid number, you can not buy this amount of cargo space";
    const char* const buyCargoRoom =
        "You do not have enough free space to buy this amount of cargo space";
    const char* const buyCargoMoney =
        "You do not have enough money to buy this amount of cargo space";
    const char* const buyFuelBad =
        "This is not a valid number, you can not buy this amount of fuel space";
    const char* const buyFuelRoom =
        "You do not have enough free space to buy this amount of fuel space";
    const char* const buyFuelMoney =
        "You do not have enough money to buy this amount of fuel space";
    const char* const sellCargoBad =
        "This is not a valid number, you can not sell this amount of cargo space";
    const char* const sellCargoOwned = "You do not have this amount of cargo space to sell";
    const char* const sellCargoFree = "You do not have this amount of free cargo space to sell";
    const char* const sellFuelBad =
        "This is not a valid number, you can not sell this amount of fuel space";
    const char* const sellFuelOwned = "You do not have this amount of fuel space to sell";
    const char* const sellFuelFree = "You do not have this amount of free fuel space to sell";
    const char* const buyPlacesBad =
        "This is not a valid number, you can not buy this amount of passenger space";
    const char* const buyPlacesRoom =
        "You do not have enough free space in which to put this amount of passenger space";
    const char* const buyPlacesMoney =
        "You do not have enough money to buy this amount of passenger space";
    const char* const buyPlacesCrew =
        "You can not buy this amount of passenger space as your crew would not be able to look "
        "after the extra passengers";
    const char* const sellPlacesBad =
        "This is not a valid number, you can not sell this amount of passenger space";
    const char* const sellPlacesAboard =
        "You can not sell this amount of passenger space as some of it is full of passengers";
    const char* const sellPlacesOwned =
        "You do not sell have this amount of passenger space to sell";

    // 20 tons of cargo space with 5 aboard, a 50-ton tank with 30 aboard, 10 places with 4
    // passengers and 4 crew: 20 tons free, £3000 in cash.
    s.CargoSpace[2] = 20;
    s.CargoUsed[2] = 5;
    s.ShipFuel[2] = 30;
    s.PassengerSpace[2] = 10;
    s.Passengers[2] = 4;
    s.CrewCount[2] = 4;
    s.PlayerCash[2] = 3000;
    const Case cases[] = {
        {"buy cargo", screen.Button3, "abc", {}, "'abc" + notInteger},
        {"buy cargo", screen.Button3, "99999999999", {}, "'99999999999" + notInteger},
        {"buy cargo", screen.Button3, kCancel, {}, ""},
        {"buy cargo", screen.Button3, "0", {buyCargoBad}, ""},
        {"buy cargo", screen.Button3, "-5", {buyCargoBad}, ""},
        {"buy cargo", screen.Button3, "21", {buyCargoRoom}, ""},
        {"buy cargo", screen.Button3, "2147483647", {buyCargoRoom, buyCargoMoney}, ""},
        {"buy fuel", screen.Button7, "x1", {}, "'x1" + notInteger},
        {"buy fuel", screen.Button7, kCancel, {}, ""},
        {"buy fuel", screen.Button7, "0", {buyFuelBad}, ""},
        {"buy fuel", screen.Button7, "16", {buyFuelMoney}, ""},
        {"buy fuel", screen.Button7, "21", {buyFuelRoom, buyFuelMoney}, ""},
        {"buy fuel", screen.Button7, "-2147483648", {buyFuelBad}, ""},
        {"sell cargo", screen.Button4, "1e6", {}, "'1e6" + notInteger},
        {"sell cargo", screen.Button4, kCancel, {}, ""},
        {"sell cargo", screen.Button4, "0", {sellCargoBad}, ""},
        {"sell cargo", screen.Button4, "16", {sellCargoFree}, ""},
        {"sell cargo", screen.Button4, "2147483647", {sellCargoOwned, sellCargoFree}, ""},
        {"sell fuel", screen.Button8, "5000abc", {}, "'5000abc" + notInteger},
        {"sell fuel", screen.Button8, kCancel, {}, ""},
        {"sell fuel", screen.Button8, "-1", {sellFuelBad}, ""},
        {"sell fuel", screen.Button8, "21", {sellFuelFree}, ""},
        {"sell fuel", screen.Button8, "51", {sellFuelOwned, sellFuelFree}, ""},
        {"buy places", screen.Button5, "4294967297", {}, "'4294967297" + notInteger},
        {"buy places", screen.Button5, kCancel, {}, ""},
        {"buy places", screen.Button5, "0", {buyPlacesBad}, ""},
        {"buy places", screen.Button5, "4", {buyPlacesMoney}, ""},
        {"buy places", screen.Button5, "6", {buyPlacesRoom, buyPlacesMoney, buyPlacesCrew}, ""},
        {"buy places",
         screen.Button5,
         "2147483647",
         {buyPlacesRoom, buyPlacesMoney, buyPlacesCrew},
         ""},
        {"sell places", screen.Button6, "six", {}, "'six" + notInteger},
        {"sell places", screen.Button6, kCancel, {}, ""},
        {"sell places", screen.Button6, "0", {sellPlacesBad}, ""},
        {"sell places", screen.Button6, "7", {sellPlacesAboard}, ""},
        {"sell places", screen.Button6, "11", {sellPlacesAboard, sellPlacesOwned}, ""},
        {"sell places", screen.Button6, "2147483647", {sellPlacesAboard, sellPlacesOwned}, ""},
    };
    show();
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.box) + " " +
                     (k.typed ? "'" + std::string(k.typed) + "'" : "Cancel"));
        const GameState before = s;
        if (k.typed == kCancel)
            cancelInput();
        else
            answerInput(k.typed);
        if (!k.error.empty()) expectError(k.error);
        click(k.button);
        EXPECT_EQ(takeMessages(), k.messages);
        EXPECT_EQ(dialogs.confirms(), Texts{});
        EXPECT_TRUE(s == before);
    }
}

}  // namespace
