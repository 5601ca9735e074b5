// The trader policy of the simulator: what it buys, how much, where it takes it, and whole games
// of it that keep the store sound and play again from their journals byte for byte.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Invariants.h"
#include "Simulator.h"
#include "TraderPlayer.h"
#include "journal/Replay.h"
#include "persist/SaveCodec.h"
#include "trading/RepriceGood.h"

using namespace quorvex;
using namespace quorvex::sim;

namespace {

constexpr int kToys = 16;  // retail, 0.5 t, £2500 - £3000

SimOptions traderGame(int humans, int computers, int turns, uint32_t seed) {
    SimOptions o;
    o.humans = humans;
    o.computers = computers;
    o.intelligence = 60;
    o.events = EventsChoice::Some;
    o.turns = turns;
    o.seed = seed;
    o.policy = HumanPolicy::Trader;
    return o;
}

// Two traders and no computers, at the first company's "Begin Turn", with a market where only
// toys are worth carrying: every other good has the same amount and demand on every planet, so
// the same price everywhere. Toys are plentiful and cheap here and scarce and dear on planet
// `dear`, which also wants them most.
struct TraderChoices : ::testing::Test {
    Simulator sim{traderGame(2, 0, 5, 77)};
    TraderPlayer& trader() { return static_cast<TraderPlayer&>(sim.player()); }
    GameState& s() { return sim.game().state; }
    Int me = 0, here = 0, dear = 0;

    void SetUp() override {
        ASSERT_TRUE(sim.start());
        me = s().CurrentPlayer;
        here = s().PlayerPlanet[me];
        dear = here % kPlanets + 1;
        for (int p = 1; p <= kPlanets; ++p)
            for (int g = 1; g <= kGoods; ++g) {
                s().PlanetAmount(p, g) = 500;
                s().PlanetDemand(p, g) = 500;
            }
        s().PlanetAmount(here, kToys) = 1000;
        s().PlanetDemand(here, kToys) = 100;
        s().PlanetAmount(dear, kToys) = 10;
        s().PlanetDemand(dear, kToys) = 1000;
        for (int p = 1; p <= kPlanets; ++p)
            for (int g = 1; g <= kGoods; ++g)
                RepriceGood(s(), p, g);
        ASSERT_TRUE(checkInvariants(s()).empty());
    }
};

TEST_F(TraderChoices, BuysTheGoodFurthestBelowItsBestPriceElsewhere) {
    s().CargoSpace[me] = 90;
    s().ShipFreeSpace[me] -= 90;
    const auto offer = trader().bestOffer(s());
    ASSERT_TRUE(offer.has_value());
    EXPECT_EQ(offer->good, kToys);
    EXPECT_EQ(offer->bestPlanet, dear);
    EXPECT_EQ(offer->priceHere, s().PlayerRetailPrice(me, here, kToys));
    EXPECT_EQ(offer->bestPrice, s().PlayerRetailPrice(me, dear, kToys));
    EXPECT_LT(offer->priceHere, offer->bestPrice);
}

// As many as there are on offer, as the cash beyond what it keeps back and what it may still
// borrow pay for, as fit into the free tons of the hold (half a ton each, each trade weighed on
// its own with halves going to the even neighbour: 181 units weigh round(90.5) = 90 tons, 5 units
// round(2.5) = 2 tons).
TEST_F(TraderChoices, BuysAsMuchAsTheOfferTheMoneyAndTheHoldAllow) {
    struct Case {
        const char* bound;
        int onOffer;
        int cash;      // in units' prices above what the trader keeps back
        int borrowed;  // in units' prices, what it may still borrow
        int freeTons;
        int expected;
    };
    const Case cases[] = {
        {"the offer", 40, 100, 0, 90, 40},
        {"the cash", 1000, 25, 0, 90, 25},
        {"the cash and the loan", 1000, 25, 10, 90, 35},
        {"the hold", 1000, 1000, 0, 90, 181},
        {"the hold, rounded weights", 1000, 1000, 0, 2, 5},
    };
    const GameState start = s();
    for (const Case& c : cases) {
        s() = start;
        const Int price = s().PlayerRetailPrice(me, here, kToys);
        s().PlayerAmount(me, here, kToys) = c.onOffer;
        s().PlayerCash[me] = trader().cashKept(s()) + c.cash * price;
        s().PlayerLoan[me] = 100000;
        s().PlayerLoan[me] += Int::fromWide(trader().borrowable(s())) - c.borrowed * price;
        ASSERT_EQ(trader().borrowable(s()), c.borrowed * price.wide()) << c.bound;
        s().CargoSpace[me] = 100;
        s().CargoUsed[me] = 100 - c.freeTons;
        const auto offer = trader().bestOffer(s());
        ASSERT_TRUE(offer.has_value()) << c.bound;
        EXPECT_EQ(offer->good, kToys) << c.bound << " (toys at £" << price << ")";
        EXPECT_EQ(offer->quantity, c.expected) << c.bound;
    }
}

// Money is borrowed only for goods that fetch well above its interest where they are wanted.
TEST_F(TraderChoices, BorrowsOnlyForAGoodMargin) {
    s().CargoSpace[me] = 90;
    s().PlayerCash[me] = trader().cashKept(s()) + 10 * s().PlayerRetailPrice(me, here, kToys);
    ASSERT_GT(trader().borrowable(s()), 0);
    ASSERT_EQ(trader().bestOffer(s())->quantity,
              10 + trader().borrowable(s()) / s().PlayerRetailPrice(me, here, kToys).wide());
    // Toys dear here too: a little below the price where they are wanted.
    s().PlayerRetailPrice(me, here, kToys) = s().PlayerRetailPrice(me, dear, kToys) - 100;
    const auto offer = trader().bestOffer(s());
    ASSERT_TRUE(offer.has_value());
    ASSERT_LT(offer->priceHere, offer->bestPrice);
    ASSERT_LT((offer->bestPrice - offer->priceHere).wide() * 100, offer->priceHere.wide() * 15);
    EXPECT_EQ(offer->quantity.wide(),
              (s().PlayerCash[me] - trader().cashKept(s())).wide() / offer->priceHere.wide());
}

TEST_F(TraderChoices, BuysNothingWhereNothingIsCheaperThanElsewhere) {
    for (int p = 1; p <= kPlanets; ++p) {
        s().PlanetAmount(p, kToys) = 500;
        s().PlanetDemand(p, kToys) = 500;
        RepriceGood(s(), p, kToys);
    }
    s().CargoSpace[me] = 90;
    EXPECT_FALSE(trader().bestOffer(s()).has_value());
    // Nor with cash only for what it keeps back and nothing more to borrow.
    s().PlanetAmount(here, kToys) = 1000;
    RepriceGood(s(), here, kToys);
    ASSERT_TRUE(trader().bestOffer(s()).has_value());
    s().PlayerCash[me] = trader().cashKept(s());
    s().PlayerLoan[me] += Int::fromWide(trader().borrowable(s()));
    EXPECT_FALSE(trader().bestOffer(s()).has_value());
}

// A whole turn through the screens: the hold fitted out with the free hull, the toys bought, the
// ship sent to the planet that wants them most; at its next turn there, they are all sold.
TEST_F(TraderChoices, CarriesTheToysToWhereTheyAreWantedAndSellsThemThere) {
    s().PlayerCash[me] = 1000000;  // enough for a full hold
    const int64_t loanBefore = s().PlayerLoan[me].wide();
    ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
    EXPECT_EQ(s().CargoSpace[me], 90);
    EXPECT_EQ(s().ShipFreeSpace[me], 0);
    EXPECT_EQ(s().CargoHold(me, kToys), 181);  // round(90.5) = 90 tons
    EXPECT_EQ(s().PlayerNextPlanet[me], dear);
    EXPECT_LT(s().PlayerLoan[me].wide(), loanBefore) << "the cash left over repays the loan";
    EXPECT_EQ(trader().tally().purchases, 1);

    // The second company's turn, then the world update, then the first company's next turn.
    ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
    if (s().CurrentPlayer != me) ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
    ASSERT_EQ(s().CurrentPlayer, me);
    ASSERT_EQ(s().TurnNumber, 2);
    ASSERT_EQ(s().PlayerPlanet[me], dear);
    ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
    EXPECT_EQ(s().CargoHold(me, kToys), 0);
    EXPECT_GE(trader().tally().sales, 1);
    EXPECT_GT(trader().tally().earned, 0);
}

// Traders among computer companies for a bounded number of turns: every trade is checked as it
// is made (the trader stops the run on a trade that moved the wrong money or goods, or left the
// store's relations broken), the store after every game turn, and the journal plays the game
// again to a store that saves to the same bytes.
TEST(TraderGames, TradeSoundlyAndReplayByteForByte) {
    const auto journal = std::filesystem::temp_directory_path() /
                         ("quorvex-trader-" + std::to_string(::getpid()) + ".journal");
    for (uint32_t seed : {3u, 8u}) {
        SimOptions o = traderGame(2, 6, 40, seed);
        o.journalFile = journal.string();
        std::vector<unsigned char> end;
        {
            Simulator sim(o);
            std::vector<std::string> broken;
            const SimResult r = sim.run([&](const TurnReport&) {
                if (broken.empty()) broken = checkInvariants(sim.state());
            });
            ASSERT_TRUE(r.ok()) << "seed " << seed << ", game turn " << r.gameTurn << ": "
                                << r.text;
            EXPECT_TRUE(broken.empty()) << "seed " << seed << ": " << broken.front();
            const auto& tally = static_cast<TraderPlayer&>(sim.player()).tally();
            EXPECT_GT(tally.purchases, 0) << "seed " << seed;
            EXPECT_GT(tally.sales, 0) << "seed " << seed;
            end = encodeGame(sim.state());
        }
        std::ifstream in(journal, std::ios::binary);
        Replay replay(readJournal(in));
        Game again(replay.person());
        ASSERT_EQ(replay.run(again), "") << "seed " << seed;
        EXPECT_TRUE(encodeGame(again.state) == end) << "seed " << seed;
    }
    std::filesystem::remove(journal);
}

}  // namespace

// The command line's traders say at the end what they traded and what each human company is
// worth.
TEST(TraderGames, TheRunEndsWithWhatTheTradersDidAndAreWorth) {
    std::ostringstream out, err;
    ASSERT_EQ(runSim({"--humans", "2", "--computers", "2", "--intelligence", "60", "--events",
                      "some", "--turns", "6", "--seed", "5", "--human-policy", "trader"},
                     out, err),
              0)
        << err.str();
    const std::string text = out.str();
    const auto report = text.find("traders: ");
    ASSERT_NE(report, std::string::npos) << text;
    EXPECT_NE(text.find(" purchases for £", report), std::string::npos) << text;
    EXPECT_NE(text.find("\n  company 1 (Player 1): net worth £", report), std::string::npos)
        << text;
    EXPECT_NE(text.find("\n  company 2 (Player 2): net worth £", report), std::string::npos)
        << text;
    EXPECT_NE(text.find("6 game turns in ", report), std::string::npos) << text;
}
