#include <gtest/gtest.h>

#include "services/TFuel.h"
#include "support/AmountTest.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

const char* const kNoTankSpace = "You do not have space in you fuel tank to buy this fuel!";
const char* const kNotValid = "This is not a valid number, you can not sell this amount.";
const char* const kNoMoney = "You do not have the money to buy this amount of fuel";
const char* const kTooMuchToSell = "You do not have this amount of fuel to sell!";

// Company 1 on planet C, where fuel costs £40 a ton: 20 tons in a 50-ton tank, £1000 cash.
struct Fuel : AmountTest {
    TFuel& fuel = game.Fuel();

    void SetUp() override {
        s.TurnNumber = 4;
        s.CurrentPlayer = 1;
        s.PlayerPlanet[1] = 3;
        s.PlanetFuelPrice[3] = 40;
        s.PlanetFuelPrice[1] = 999;  // another planet's price must not be used
        s.ShipFuel[1] = 20;
        s.FuelTankSpace[1] = 50;
        s.EngineEfficiency[1] = 25;
        s.PlayerCash[1] = 1000;
        show(ScreenId::Fuel);
    }
    // Types an amount into the button's box, then answers its question.
    void trade(const Button& button, const std::string& typed, bool yes) {
        answerInput(typed);
        answer(yes);
        click(button);
    }
};

TEST_F(Fuel, ShowsTheTankThePriceAndTheGauge) {
    EXPECT_EQ(fuel.caption, "Fuel");
    EXPECT_EQ(fuel.PriceL.text, "FuelPrice: £40");
    EXPECT_EQ(fuel.FuelL.text, "Fuel: 20Tons");
    EXPECT_EQ(fuel.CashL.text, "Cash: £1000");
    EXPECT_EQ(fuel.SpaceL.text, "Tank Space: 30Tons");
    EXPECT_EQ(fuel.CapacityL.text, "Capacity: 50Tons");
    EXPECT_EQ(fuel.EfficiencyL.text, "Efficiency: 25Tons");
    EXPECT_EQ(fuel.FuelBar.position, 40);
}

TEST_F(Fuel, TheGaugeRoundsHalvesToEvenAndReadsEmptyWithoutATank) {
    const struct {
        int fuel, tank, percent;
    } cases[] = {{1, 8, 12}, {3, 8, 38}, {0, 50, 0}, {50, 50, 100}, {2, 3, 67}, {0, 0, 0}};
    for (const auto& c : cases) {
        s.ShipFuel[1] = c.fuel;
        s.FuelTankSpace[1] = c.tank;
        show(ScreenId::Fuel);
        EXPECT_EQ(fuel.FuelBar.position, c.percent) << c.fuel << " of " << c.tank;
    }
    // With no tank at all the screen still works: it is full, and there is nothing to sell.
    click(fuel.Button2);
    click(fuel.Button1);
    EXPECT_EQ(takeMessages(),
              (Texts{"Your fuel tank is already full!", "You have no fuel to sell!"}));
}

TEST_F(Fuel, BuyingAsksFirstAndMovesTheGauge) {
    trade(fuel.Button2, "10", true);
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].caption, "Buy Fuel");
    EXPECT_EQ(dialogs.inputs()[0].prompt, "How much fuel do you want to buy?");
    EXPECT_EQ(dialogs.inputs()[0].defaultText, "30");
    EXPECT_EQ(dialogs.confirms(), Texts{"Buying 10 tons of fuel will cost you £400. Are you sure "
                                        "you want to buy the fuel"});
    EXPECT_EQ(s.ShipFuel[1], 30);
    EXPECT_EQ(s.PlayerCash[1], 600);
    EXPECT_EQ(fuel.FuelBar.position, 60);
    EXPECT_EQ(fuel.CashL.text, "Cash: £600");
    EXPECT_EQ(fuel.SpaceL.text, "Tank Space: 20Tons");

    const GameState before = s;
    trade(fuel.Button2, "15", false);  // exactly the cash left, but the answer is No
    EXPECT_TRUE(s == before);

    trade(fuel.Button2, "15", true);
    EXPECT_EQ(s.PlayerCash[1], 0);
    cancelInput();
    click(fuel.Button2);  // 45 of 50 tons: not full, so the box opens, and Cancel changes nothing
    EXPECT_EQ(s.ShipFuel[1], 45);
    EXPECT_EQ(takeMessages(), Texts{});
}

TEST_F(Fuel, ATankFilledToTheBrimAsksNothing) {
    s.ShipFuel[1] = 50;
    show(ScreenId::Fuel);
    click(fuel.Button2);
    EXPECT_TRUE(dialogs.inputs().empty());
    EXPECT_EQ(takeMessages(), Texts{"Your fuel tank is already full!"});
}

TEST_F(Fuel, SellingAtTheSamePriceAsksFirst) {
    trade(fuel.Button1, "5", true);
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].caption, "Sell Fuel");
    EXPECT_EQ(dialogs.inputs()[0].prompt, "How much fuel do you want to sell?");
    EXPECT_EQ(dialogs.inputs()[0].defaultText, "20");
    EXPECT_EQ(dialogs.confirms(),
              Texts{"Selling 5 tons of fuel will make you £200 You will have 15 tons of fuel "
                    "left. Are you sure you want to sell the fuel?"});
    EXPECT_EQ(s.ShipFuel[1], 15);
    EXPECT_EQ(s.PlayerCash[1], 1200);
    EXPECT_EQ(fuel.FuelBar.position, 30);
    EXPECT_EQ(fuel.FuelL.text, "Fuel: 15Tons");

    const GameState before = s;
    trade(fuel.Button1, "15", false);
    EXPECT_TRUE(s == before);
    trade(fuel.Button1, "15", true);
    EXPECT_EQ(s.ShipFuel[1], 0);
    EXPECT_EQ(fuel.FuelBar.position, 0);
    click(fuel.Button1);
    EXPECT_EQ(dialogs.inputs().size(), 3u);
    EXPECT_EQ(takeMessages(), Texts{"You have no fuel to sell!"});
}

// Every input box of the fuel screen, fed bad amounts: the documented messages in order (the
// buying box says "sell" too), the conversion error, and never a change.
TEST_F(Fuel, BadAmountsAreRefusedAndChangeNothing) {
    const BadAmount cases[] = {
        // Buying: 30 tons of room at £40 with £1000.
        {fuel.Button2, "31", {kNoTankSpace, kNoMoney}},  // too much for the tank and the purse
        {fuel.Button2, "26", {kNoMoney}},
        {fuel.Button2, "0", {kNotValid}},
        {fuel.Button2, "-5", {kNotValid}},
        {fuel.Button2, "-2147483648", {kNotValid}},
        {fuel.Button2, "2147483647", {kNoTankSpace, kNoMoney}},
        {fuel.Button2, "99999999999", {}, kNotANumber},
        {fuel.Button2, "ten", {}, kNotANumber},
        {fuel.Button2, "", {}, kNotANumber},
        {fuel.Button2, std::nullopt, {}},
        // Selling: 20 tons aboard.
        {fuel.Button1, "21", {kTooMuchToSell}},
        {fuel.Button1, "2147483647", {kTooMuchToSell}},
        {fuel.Button1, "0", {kNotValid}},
        {fuel.Button1, "-3", {kNotValid}},
        {fuel.Button1, "3.5", {}, kNotANumber},
        {fuel.Button1, std::nullopt, {}},
    };
    for (const BadAmount& bad : cases)
        expectRefused(bad);
    EXPECT_EQ(fuel.FuelBar.position, 40);
}

}  // namespace
