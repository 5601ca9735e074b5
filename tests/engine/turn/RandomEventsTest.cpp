#include "turn/RandomEvents.h"

#include "TurnFixture.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

class Events : public TurnTest {
protected:
    Events() {
        newCompany(2, "Ajax");
        newCompany(9, "Zeta");
        playing(2);
        s.RandomEventRate = 20;
    }
    // One draw that brings event roll r, then the event's own draws.
    void oneEvent(int r, const std::vector<ScriptedRandom::Draw>& own = {}) {
        draws({{s.RandomEventRate.get() + 1, 0}, {1001, r}});
        draws(own);
    }
};

TEST_F(Events, TheRollSetsHowManyEventsCome) {
    for (int roll : {0, 50})
        EXPECT_EQ(eventDrawsFor(roll), 1);
    for (int roll : {51, 88})
        EXPECT_EQ(eventDrawsFor(roll), 2);
    for (int roll : {89, 95})
        EXPECT_EQ(eventDrawsFor(roll), 3);
    for (int roll : {96, 100})
        EXPECT_EQ(eventDrawsFor(roll), 4);

    // The roll is 0 to the chosen rate; quiet events (roll 0) say nothing.
    // "Many" brings two at most; only "Loads" reaches three and four.
    const std::pair<int, int> rateAndRoll[] = {{20, 20}, {40, 40},  {60, 60},
                                               {80, 80}, {100, 89}, {100, 96}};
    const int expected[] = {1, 1, 2, 2, 3, 4};
    for (int i = 0; i < 6; ++i) {
        s.RandomEventRate = rateAndRoll[i].first;
        draws({{rateAndRoll[i].first + 1, rateAndRoll[i].second}});
        for (int e = 0; e < expected[i]; ++e)
            draws({{1001, 0}});
        RandomEvents(game.world());
        EXPECT_EQ(random.remaining(), 0u) << "rate " << rateAndRoll[i].first;
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(Events, FourEventsInOneTurnEachToldRightAfterItHappens) {
    s.RandomEventRate = 100;
    s.PlayerCash[2] = 1000;
    draws({{101, 100},
           {1001, 1000},
           {25, 24},  // £2500
           {1001, 701},
           {25, 0},  // £100
           {1001, 401},
           {10, 0},  // 1% of 3600, and 5000
           {1001, 701},
           {25, 1}});
    RandomEvents(game.world());
    EXPECT_EQ(s.PlayerCash[2], 1000 + 2500 + 100 + 5036 + 200);
    EXPECT_EQ(messages(), (Texts{"You find a £2500 note in the street!!!!",
                                 "You find a £100 note in the street!!!!",
                                 "An investment payed off and you get £5036",
                                 "You find a £200 note in the street!!!!"}));
}

TEST_F(Events, BiggerHullRecomputesCrewSpaceAndPassengerLimit) {
    s.CargoSpace[2] = 10;
    s.PassengerSpace[2] = 2;
    s.ShipFreeSpace[2] = 70;
    oneEvent(100, {{100, 49}});  // 50 tons: one more crew place
    RandomEvents(game.world());
    EXPECT_EQ(s.ShipHullSize[2], 300);
    EXPECT_EQ(s.ShipMaxCrew[2], 6);
    EXPECT_EQ(s.ShipSpace[2], 200);
    EXPECT_EQ(s.ShipFreeSpace[2], 110);  // 40 more: 50 tons less 10 for the crew place
    EXPECT_EQ(s.PassengerSpaceLimit[2], 20);

    oneEvent(1, {{100, 0}});  // a single ton completes no crew place
    RandomEvents(game.world());
    EXPECT_EQ(s.ShipHullSize[2], 301);
    EXPECT_EQ(s.ShipMaxCrew[2], 6);
    EXPECT_EQ(s.ShipFreeSpace[2], 111);
    EXPECT_EQ(s.PassengerSpaceLimit[2], 20);
    EXPECT_EQ(messages(),
              (Texts{"A Local Business gives you a bigger hull!! You get an exstra 50 tons of hull "
                     "space",
                     "A Local Business gives you a bigger hull!! You get an exstra 1 tons of hull "
                     "space"}));
}

TEST_F(Events, TechnologyRaisesTheTopPriceOfAGoodInWholePercentsOfItsHundreds) {
    s.GoodName[3] = "Iron";
    s.GoodMaxPrice[3] = 1299;  // 12 a percent
    oneEvent(200, {{25, 2}, {20, 19}});
    RandomEvents(game.world());
    EXPECT_EQ(s.GoodMaxPrice[3], 1299 + 240);
    EXPECT_EQ(messages(), (Texts{"Due to increased technology levels the price of Iron has been "
                                 "increased by £240 to £1539"}));
}

TEST_F(Events, LoanRateFallsNoLowerThanTwoAndAHalf) {
    s.LoanInterestRate[2] = 8.5;
    oneEvent(201, {{5, 4}});
    RandomEvents(game.world());
    EXPECT_EQ(s.LoanInterestRate[2], 6.0);

    s.LoanInterestRate[2] = 3.0;
    oneEvent(300, {{5, 2}});
    RandomEvents(game.world());
    EXPECT_EQ(s.LoanInterestRate[2], 2.5);

    s.LoanInterestRate[2] = 3.0;
    oneEvent(250, {{5, 0}});
    RandomEvents(game.world());
    EXPECT_EQ(s.LoanInterestRate[2], 2.5);
    EXPECT_EQ(messages(), (Texts{"Your bank has lowered your loan intrest rates by 2.5% to 6%",
                                 "Your bank has lowered your loan intrest rates by 1.5% to 2.5%",
                                 "Your bank has lowered your loan intrest rates by 0.5% to 2.5%"}));
}

TEST_F(Events, SavingsRateRisesWithoutLimit) {
    s.SavingsInterestRate[2] = 5.5;
    oneEvent(301, {{5, 1}});
    RandomEvents(game.world());
    oneEvent(400, {{5, 0}});
    RandomEvents(game.world());
    EXPECT_EQ(s.SavingsInterestRate[2], 7.0);
    EXPECT_EQ(messages(), (Texts{"Your bank has raised your savings intrest rates by 1% to 6.5%",
                                 "Your bank has raised your savings intrest rates by 0.5% to 7%"}));
}

TEST_F(Events, InvestmentPaysAPercentOfCashAndSavingsToTheNearestPoundPlus5000) {
    s.PlayerCash[2] = 0;
    oneEvent(700, {{10, 9}});
    RandomEvents(game.world());
    EXPECT_EQ(s.PlayerCash[2], 5000);

    s.PlayerCash[2] = 30;
    s.PlayerSavings[2] = 20;
    oneEvent(500, {{10, 2}});  // 3% of 50 is 1.5, which goes to 2
    RandomEvents(game.world());
    EXPECT_EQ(s.PlayerCash[2], 30 + 5002);
    EXPECT_EQ(s.PlayerSavings[2], 20);

    // Cash and savings beyond 32 bits together are still added exactly.
    s.PlayerCash[2] = 2000000000;
    s.PlayerSavings[2] = 2000000000;
    oneEvent(450, {{10, 0}});
    RandomEvents(game.world());
    EXPECT_EQ(s.PlayerCash[2], 2000000000 + 40000000 + 5000);
    EXPECT_EQ(messages(), (Texts{"An investment payed off and you get £5000",
                                 "An investment payed off and you get £5002",
                                 "An investment payed off and you get £40005000"}));
}

TEST_F(Events, ComputersMeetTheSameChanceInSilence) {
    playing(9);
    s.RandomEventRate = 60;
    s.GoodMaxPrice[25] = 500;
    draws({{61, 51}, {1001, 150}, {25, 24}, {20, 0}, {1001, 900}, {25, 9}});
    RandomEvents(game.world());
    EXPECT_EQ(s.GoodMaxPrice[25], 505);  // everybody's top price
    EXPECT_EQ(s.PlayerCash[9], 101000);
    EXPECT_EQ(s.PlayerCash[2], 100000);
    EXPECT_TRUE(messages().empty());
}

}  // namespace
