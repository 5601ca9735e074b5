#include "turn/ComputerPlayer.h"

#include "TurnFixture.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

class ComputerTurn : public TurnTest {
protected:
    ComputerTurn() {
        for (int c : {3, 4, 7})
            newCompany(c, "Zeta");
        s.PlanetCargoSpacePrice[1] = 10;
        s.PlanetFuelSpacePrice[1] = 20;
        s.PlanetPassengerSpacePrice[1] = 100;
        s.ComputerIntelligence = 40;
        s.PlayerIntelligence[7] = 45;
    }
    void TearDown() override {
        EXPECT_TRUE(messages().empty()) << "a computer turn is played without a word";
        TurnTest::TearDown();
    }
    // Loan at the limit and no savings: the bank step changes nothing.
    void atTheLimit(int c, int cash) {
        s.PlayerLoan[c] = s.PlayerCreditLimit[c];
        s.PlayerCash[c] = cash;
    }
};

TEST_F(ComputerTurn, AWholeTurnFromBankToDeparture) {
    s.PlayerSavings[7] = 2000;
    s.CrewDebt[7] = 1000;
    s.PlayerNetWorth[7] = 777;
    for (int j = 1; j <= kPlanets; ++j) {
        s.PsngrWaiting(7, j) = 5;
        s.PsngrIncome(7, j) = 1000;
        s.PsngrCost(7, j) = 100;
    }
    s.PsngrIncome(7, 3) = 2000;  // 5 aboard: 9500
    s.PsngrWaiting(7, 8) = 20;   // the 9 places full: 12600
    s.PsngrIncome(7, 8) = 1500;
    draws({{80, 30},     // half the free space for passengers
           {100, 56}});  // past 45 + 10, within 45 + 20: the second best planet
    playComputerTurn(game.world(), 7);

    EXPECT_EQ(s.PlayerLastNetWorth[7], 777);
    EXPECT_EQ(s.TicketPrice[7], 5000);
    // 102000 + 50000 borrowed - 12750 kept for interest - 900 places - 900 tank + 15000
    // - 1000 wages - 500 for the passengers, then the loan repaid and the rest saved.
    EXPECT_EQ(s.PassengerSpace[7], 9);
    EXPECT_EQ(s.FuelTankSpace[7], 95);
    EXPECT_EQ(s.CargoSpace[7], 0);
    EXPECT_EQ(s.ShipFreeSpace[7], 0);
    EXPECT_EQ(s.CrewDebt[7], 0);
    EXPECT_EQ(s.PlayerLoan[7], 0);
    EXPECT_EQ(s.PlayerCash[7], 0);
    EXPECT_EQ(s.PlayerSavings[7], 950);
    EXPECT_TRUE(s.PsngrPickedUp[7]);
    EXPECT_EQ(s.Passengers[7], 5);
    EXPECT_EQ(s.PsngrFare[7], 2000);
    EXPECT_EQ(s.PsngrDestination[7], 3);
    EXPECT_EQ(s.PlayerDestination[7], 3);
    EXPECT_EQ(s.PlayerNextPlanet[7], 3);
}

TEST_F(ComputerTurn, HullSharesFillTheFreeSpaceExactly) {
    const auto shares = [](int free, int b) {
        const HullShares h = hullShares(free, b, {});
        return std::vector<int>{h.places.get(), h.fuel.get(), h.cargo.get()};
    };
    EXPECT_EQ(shares(10, 50), (std::vector<int>{1, 5, 0}));
    EXPECT_EQ(shares(90, 50), (std::vector<int>{9, 45, 0}));
    EXPECT_EQ(shares(90, 25), (std::vector<int>{4, 68, 2}));  // 4.5 and 67.5 go to the even
    EXPECT_EQ(shares(9, 90), (std::vector<int>{1, 1, 3}));    // 1.62 places would not fit
    EXPECT_EQ(shares(90, 99), (std::vector<int>{18, 0, 0}));  // 17.82 places, 0.9 tons: none left
    for (int free = 0; free <= 400; ++free)
        for (int b = 20; b <= 99; ++b) {
            const HullShares h = hullShares(free, b, {});
            ASSERT_EQ(h.places * 5 + h.fuel + h.cargo, free) << free << " " << b;
            ASSERT_GE(h.places, 0);
            ASSERT_GE(h.fuel, 0);
            ASSERT_GE(h.cargo, 0);
        }
}

TEST_F(ComputerTurn, AnOverFullHullGivesBackNoMoreThanStandsEmpty) {
    // Rounded shares of -6 tons at 50%: -1 place and -3 tons of tank, so 2 tons of cargo.
    const auto shares = [](HullShares empty) {
        const HullShares h = hullShares(-6, 50, empty);
        return std::vector<int>{h.places.get(), h.fuel.get(), h.cargo.get()};
    };
    EXPECT_EQ(shares({12, 128, 0}), (std::vector<int>{-1, -3, 2}));
    EXPECT_EQ(shares({0, 128, 0}), (std::vector<int>{0, -6, 0}));  // every place taken
    EXPECT_EQ(shares({12, 1, 0}), (std::vector<int>{-1, -1, 0}));  // one ton of tank empty
    EXPECT_EQ(shares({12, 0, 1}), (std::vector<int>{-1, 0, -1}));
    EXPECT_EQ(shares({0, 0, 0}), (std::vector<int>{0, 0, 0}));    // nothing empty: it stays over
    EXPECT_EQ(shares({0, 2, 3}), (std::vector<int>{0, -2, -3}));  // as far as it goes
}

// A bigger hull that brought a sixth crew place (298 to 302 tons) left this full hull 6 tons
// over. Its hull step still draws its shares and sells the tons back at the planet's prices.
TEST_F(ComputerTurn, AHullLeftOverFullByAnotherCrewPlaceStillDrawsItsShares) {
    const auto overFull = [&](int c) {
        atTheLimit(c, 100000);
        s.ShipHullSize[c] = 302;
        s.ShipMaxCrew[c] = 6;
        s.PassengerSpaceLimit[c] = 20;
        s.PassengerSpace[c] = 12;
        s.FuelTankSpace[c] = 128;
        s.ShipFuel[c] = 0;
    };
    overFull(7);
    draws({{80, 30}, {100, 0}});  // 50%
    playComputerTurn(game.world(), 7);
    EXPECT_EQ(s.ShipSpace[7], 202);
    EXPECT_EQ(s.PassengerSpace[7], 11);
    EXPECT_EQ(s.FuelTankSpace[7], 125);
    EXPECT_EQ(s.CargoSpace[7], 2);
    EXPECT_EQ(s.ShipFreeSpace[7], 0);
    EXPECT_EQ(s.CargoFree[7], 0);
    // 100000 - 2 x 10 + 1 x 100 + 3 x 20, then the allowance, all of it repaid.
    EXPECT_EQ(s.PlayerLoan[7], 150000 - 115140);

    // Every place taken and the tank full: nothing can go back, and the hull stays over.
    overFull(3);
    s.Passengers[3] = 12;
    s.ShipFuel[3] = 128;
    draws({{80, 30}, {100, 0}});
    playComputerTurn(game.world(), 3);
    EXPECT_EQ(s.PassengerSpace[3], 12);
    EXPECT_EQ(s.FuelTankSpace[3], 128);
    EXPECT_EQ(s.CargoSpace[3], 0);
    EXPECT_EQ(s.ShipFreeSpace[3], -6);
    EXPECT_EQ(s.PlayerLoan[3], 150000 - 115000);
}

TEST_F(ComputerTurn, TenTonsFreeBuyOnePlaceAndFiveTonsOfTank) {
    atTheLimit(7, 100000);
    s.CargoSpace[7] = 80;
    draws({{80, 30}, {100, 0}});
    playComputerTurn(game.world(), 7);
    EXPECT_EQ(s.CargoSpace[7], 80);
    EXPECT_EQ(s.PassengerSpace[7], 1);
    EXPECT_EQ(s.FuelTankSpace[7], 55);
    EXPECT_EQ(s.ShipFreeSpace[7], 0);
    // Nothing borrowed and no interest kept back: 100000 - 200 + 15000 repaid.
    EXPECT_EQ(s.PlayerLoan[7], 150000 - 114800);
    EXPECT_EQ(s.PlayerSavings[7], 0);
}

TEST_F(ComputerTurn, PlacesTheCrewCouldNotLookAfterBecomeFuelTank) {
    // A human company played by these rules, as the simulator does.
    atTheLimit(3, 100000);
    draws({{80, 79}, {100, 0}});  // 99%: 18 places would need 6 crew, the hull holds 5
    playComputerTurn(game.world(), 3);
    EXPECT_EQ(s.PassengerSpace[3], 0);
    EXPECT_EQ(s.FuelTankSpace[3], 140);
    EXPECT_EQ(s.ShipFreeSpace[3], 0);
    EXPECT_EQ(s.PlayerLoan[3], 150000 - (100000 - 1800 + 15000));

    // With 10 places aboard, 5 more still fit the crew and 6 do not.
    for (int c : {3, 4}) {
        newCompany(c, "Zeta");
        atTheLimit(c, 100000);
        s.PassengerSpace[c] = 10;
    }
    draws({{80, 45}, {100, 0}});  // 65% of 40 tons: 5 places, 14 tons of tank, 1 of cargo
    playComputerTurn(game.world(), 3);
    EXPECT_EQ(s.PassengerSpace[3], 15);
    EXPECT_EQ(s.FuelTankSpace[3], 64);
    EXPECT_EQ(s.CargoSpace[3], 1);
    EXPECT_EQ(s.ShipFreeSpace[3], 0);

    draws({{80, 60}, {100, 0}});  // 80%: 6 places, 8 tons of tank, 2 of cargo
    playComputerTurn(game.world(), 4);
    EXPECT_EQ(s.PassengerSpace[4], 10);
    EXPECT_EQ(s.FuelTankSpace[4], 50 + 8 + 30);
    EXPECT_EQ(s.CargoSpace[4], 2);
    EXPECT_EQ(s.ShipFreeSpace[4], 0);
}

TEST_F(ComputerTurn, EachPurchaseTakesOnlyWhatTheCashPays) {
    atTheLimit(7, 15);
    s.CargoSpace[7] = 3;
    s.CargoUsed[7] = 2;
    draws({{80, 5}, {100, 0}});  // 25% of 87 tons: 4 places, 65 tons of tank, 2 of cargo
    playComputerTurn(game.world(), 7);
    EXPECT_EQ(s.CargoSpace[7], 4);
    EXPECT_EQ(s.CargoFree[7], 0);  // written only by a trade through the hold
    EXPECT_EQ(s.PassengerSpace[7], 0);
    EXPECT_EQ(s.FuelTankSpace[7], 50);
    EXPECT_EQ(s.ShipFreeSpace[7], 86);
    EXPECT_EQ(s.PlayerLoan[7], 150000 - 15005);

    // The tank first gets room for one flight and 5 tons over, as far as the cash goes.
    newCompany(7, "Zeta");
    atTheLimit(7, 150);
    s.FuelTankSpace[7] = 20;
    draws({{80, 0}, {100, 0}});
    playComputerTurn(game.world(), 7);
    EXPECT_EQ(s.FuelTankSpace[7], 27);
    EXPECT_EQ(s.PassengerSpace[7], 0);
    EXPECT_EQ(s.CargoSpace[7], 0);
    EXPECT_EQ(s.ShipFreeSpace[7], 113);
    EXPECT_EQ(s.PlayerLoan[7], 150000 - 15010);
}

TEST_F(ComputerTurn, WithoutCashAfterBorrowingTheHullWaitsButCrewAndPassengersDoNot) {
    atTheLimit(7, 0);
    s.CrewDebt[7] = 1000;
    s.PlayerDestination[7] = 6;
    draws({{100, 0}});  // no hull draw
    playComputerTurn(game.world(), 7);
    EXPECT_EQ(s.ShipFreeSpace[7], 90);
    EXPECT_EQ(s.FuelTankSpace[7], 50);
    EXPECT_EQ(s.CrewDebt[7], 0);
    EXPECT_EQ(s.PlayerDestination[7], 1);
    EXPECT_EQ(s.PlayerLoan[7], 136000);

    // A loan above the limit is paid down to it, interest kept back too, and the cash runs
    // out: no crew wages, no passengers, and the shortfall stays on the loan.
    newCompany(7, "Zeta");
    s.PlayerLoan[7] = 160000;
    s.PlayerCash[7] = 5000;
    s.CrewDebt[7] = 1000;
    playComputerTurn(game.world(), 7);
    EXPECT_EQ(s.CrewDebt[7], 1000);
    EXPECT_FALSE(s.PsngrPickedUp[7]);
    EXPECT_EQ(s.PlayerCash[7], 0);
    EXPECT_EQ(s.PlayerLoan[7], 150000 + 2750);
}

TEST_F(ComputerTurn, EqualProfitsKeepPlanetOrderAndAnEmptyCabinStillSetsTheCourse) {
    std::array<int, kPlanets> inOrder;
    for (int j = 1; j <= kPlanets; ++j)
        inOrder[j - 1] = j;
    EXPECT_EQ(planetsByPassengerProfit(s, 7), inOrder);

    s.PassengerSpace[7] = 4;
    for (int j : {9, 5, 2}) {
        s.PsngrWaiting(7, j) = 10;
        s.PsngrIncome(7, j) = 300;
    }
    s.PsngrCost(7, 9) = 100;  // 800 against 1200 at planets 2 and 5
    s.PsngrWaiting(7, 11) = 10;
    s.PsngrCost(7, 11) = 50;  // a loss
    const std::array<int, kPlanets> expected{2, 5, 9, 1, 3, 4, 6, 7, 8, 10, 12, 11};
    EXPECT_EQ(planetsByPassengerProfit(s, 7), expected);

    // No places: every profit is 0, and the third place is the third planet.
    s.PassengerSpace[7] = 0;
    s.ComputerIntelligence = 20;
    s.PlayerIntelligence[7] = 30;
    s.PsngrIncome(7, 3) = 250;
    atTheLimit(7, 0);
    draws({{100, 44}});  // past 35 and 40, within 45
    playComputerTurn(game.world(), 7);
    EXPECT_TRUE(s.PsngrPickedUp[7]);
    EXPECT_EQ(s.Passengers[7], 0);
    EXPECT_EQ(s.PsngrFare[7], 250);
    EXPECT_EQ(s.PlayerDestination[7], 3);
    EXPECT_EQ(s.PlayerNextPlanet[7], 3);
}

TEST_F(ComputerTurn, IntelligenceSetsHowFarDownTheListTheChoiceFalls) {
    struct Case {
        int intelligence, own, r, destination;
    };
    const Case cases[] = {
        {80, 80, 99, 1},   // the first threshold is 100: always the best planet
        {60, 60, 90, 2},   // past 75, within 90
        {20, 20, 80, 12},  // 20 + 5 x 12
        {20, 20, 81, 6},   // past every place: nobody aboard, the course stays
        {0, 50, 0, 6},     // no intelligence chosen: the draw is made, nobody taken
    };
    for (const Case& k : cases) {
        newCompany(7, "Zeta");
        atTheLimit(7, 0);
        s.PlayerDestination[7] = 6;
        s.ComputerIntelligence = k.intelligence;
        s.PlayerIntelligence[7] = k.own;
        draws({{100, k.r}});
        playComputerTurn(game.world(), 7);
        EXPECT_EQ(s.PlayerDestination[7], k.destination) << k.intelligence << " " << k.r;
        EXPECT_EQ(s.PlayerNextPlanet[7], k.destination);
        EXPECT_EQ(s.PsngrPickedUp[7], k.destination != 6);
    }
}

}  // namespace
