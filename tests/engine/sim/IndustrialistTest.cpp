#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "IndustrialistPlayer.h"
#include "IndustryPlan.h"
#include "Invariants.h"
#include "Simulator.h"
#include "economy/Manufacturing.h"
#include "journal/Replay.h"
#include "persist/FileAccess.h"
#include "persist/SaveCodec.h"

using namespace quorvex;
using namespace quorvex::sim;

namespace {

SimOptions industrialists(int humans, int turns, uint32_t seed) {
    SimOptions o;
    o.humans = humans;
    o.computers = 4;
    o.intelligence = 40;
    o.events = EventsChoice::Some;
    o.turns = turns;
    o.seed = seed;
    o.policy = HumanPolicy::Industrialist;
    return o;
}

IndustrialistPlayer& player(Simulator& sim) {
    return static_cast<IndustrialistPlayer&>(sim.player());
}

struct Mine {
    int good, slot;
};

std::vector<Mine> minesOn(const GameState& s, int c, int t) {
    std::vector<Mine> mines;
    for (int g = 1; g <= kRawGoods; ++g)
        for (int k = 1; k <= kMineSlots; ++k)
            if (s.MineMaintenance(c, t, g, k) != 0) mines.push_back({g, k});
    return mines;
}

int minesAnywhere(const GameState& s, int c) {
    int n = 0;
    for (int t = 1; t <= kPlanets; ++t)
        n += static_cast<int>(minesOn(s, c, t).size());
    return n;
}

// The product's level that the company's mines on a planet keep in inputs.
int levelTheMinesGive(const GameState& s, int c, int t, int recipe) {
    int level = 400;
    for (int slot = 1; slot <= kRecipeInputSlots; ++slot) {
        const Int g = recipeInput(s, recipe, slot);
        if (g == 0) continue;
        int dug = 0;
        for (int k = 1; k <= kMineSlots; ++k)
            dug += s.MineProduction(c, t, g, k).get();
        level = std::min(level, dug / recipeInputQty(s, recipe, slot).get());
    }
    return level;
}

// A company rich from its first turn: it sets up on the planet its ship starts on.
struct RichIndustrialist : ::testing::Test {
    Simulator sim{industrialists(1, 40, 77)};
    GameState& s = sim.game().state;
    int site = 0;
    int unitsOffered = 0;  // on the site when it was set up

    void SetUp() override {
        ASSERT_TRUE(sim.start()) << sim.result().text;
        s.PlayerCash[1] = 5000000;
        site = s.PlayerPlanet[1].get();
        unitsOffered = s.PlanetFactoryAvailable[site].get();
        ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
    }
    const IndustrialistPlayer::Works& works() { return player(sim).works(1); }
};

TEST_F(RichIndustrialist, BuysMinesForOneProductAndRentsItsFactory) {
    const auto& w = works();
    ASSERT_EQ(w.site, site);
    ASSERT_NE(w.recipe, 0);
    // Every input is a raw good dug by its own mine here, and nothing else is dug anywhere.
    const auto mines = minesOn(s, 1, site);
    ASSERT_FALSE(mines.empty());
    EXPECT_LE(minesAnywhere(s, 1), kMostMines);
    EXPECT_EQ(minesAnywhere(s, 1), static_cast<int>(mines.size()));
    EXPECT_EQ(w.minesBought, static_cast<long>(mines.size()));
    for (const Mine& m : mines) {
        const int max = s.MineMaxProduction(1, site, m.good, m.slot).get();
        const int reserve = s.MineReserve(1, site, m.good, m.slot).get();
        EXPECT_EQ(s.MineProduction(1, site, m.good, m.slot), std::min(max, reserve)) << m.good;
        bool isInput = false;
        for (int slot = 1; slot <= kRecipeInputSlots; ++slot)
            isInput = isInput || recipeInput(s, w.recipe, slot) == m.good;
        EXPECT_TRUE(isInput) << m.good;
    }
    // The factory makes what the mines give inputs for, as far as the units on offer allow, and
    // uses every unit it rented.
    const int level = s.FactoryAmount(1, site, w.recipe).get();
    const int unitsEach = s.RecipeUnits[w.recipe].get();
    EXPECT_EQ(level, std::min(levelTheMinesGive(s, 1, site, w.recipe), unitsOffered / unitsEach));
    EXPECT_GT(level, 0);
    EXPECT_EQ(s.FactoryUsedUnits(1, site), level * unitsEach);
    EXPECT_EQ(s.FactoryUnits(1, site), s.FactoryUsedUnits(1, site));
    EXPECT_EQ(w.unitsBought, s.FactoryUnits(1, site).get());
    for (int r = 1; r <= kRecipes; ++r)
        if (r != w.recipe) EXPECT_EQ(s.FactoryAmount(1, site, r), 0) << r;
}

TEST_F(RichIndustrialist, CountsWhatTheNextWorldUpdateDugAndMade) {
    const auto& w = works();
    const int level = s.FactoryAmount(1, site, w.recipe).get();
    std::array<long, kGoods + 1> dug{};
    for (const Mine& m : minesOn(s, 1, site))
        dug[m.good] += s.MineProduction(1, site, m.good, m.slot).get();
    // The next turn begins after the world update: the mines dug their levels and, fed by them,
    // the factory made its level.
    ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
    for (int g = 1; g <= kRawGoods; ++g)
        EXPECT_EQ(w.mined[g], dug[g]) << g;
    EXPECT_EQ(w.made[s.RecipeOutput[w.recipe].get()], level);
    EXPECT_EQ(player(sim).worldUpdatesChecked(), 2);  // the first turn's and this one's
}

TEST_F(RichIndustrialist, SellsAWorkedOutMineAndBuysAnotherWhenBackThere) {
    const auto& w = works();
    const Mine first = minesOn(s, 1, site).front();
    const auto maintenance = s.MineMaintenance(1, site, first.good, first.slot);
    // Between turns the mine is dug out, and the ship is back at the site with money to spend.
    s.MineReserve(1, site, first.good, first.slot) = 0;
    s.PlayerPlanet[1] = site;
    s.PlayerCash[1] = 5000000;
    ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
    EXPECT_EQ(w.minesSold, 1);
    // Its place is taken by the cheapest mine of the good on offer, digging all it can.
    bool replaced = false;
    for (const Mine& m : minesOn(s, 1, site)) {
        if (m.good != first.good) continue;
        replaced = s.MineMaintenance(1, site, m.good, m.slot) != maintenance;
        EXPECT_GT(s.MineProduction(1, site, m.good, m.slot), 0);
    }
    EXPECT_TRUE(replaced);
    EXPECT_EQ(w.minesBought, static_cast<long>(minesOn(s, 1, site).size()) + 1);
    EXPECT_EQ(s.FactoryAmount(1, site, w.recipe),
              std::min(levelTheMinesGive(s, 1, site, w.recipe),
                       s.FactoryUnits(1, site).get() / s.RecipeUnits[w.recipe].get()));
}

TEST(Industrialist, APoorCompanyBuildsNothing) {
    Simulator sim(industrialists(1, 3, 77));
    ASSERT_TRUE(sim.start());
    sim.game().state.PlayerCash[1] = 1000;
    ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
    EXPECT_EQ(player(sim).works(1).site, 0);
    EXPECT_EQ(minesAnywhere(sim.state(), 1), 0);
    EXPECT_EQ(sim.state().FactoryUnits(1, sim.state().PlayerPlanet[1]), 0);
}

// A whole game of two industrialists: the store's relations hold after every world update, the
// industries dig and make, and the journal plays again to the very bytes the game saved.
TEST(Industrialist, AGameOfIndustrialistsReplaysToTheSameSave) {
    const auto dir = std::filesystem::temp_directory_path();
    const std::string stem = "quorvex-industrialist-" + std::to_string(::getpid());
    SimOptions o = industrialists(2, 500, 5);
    o.journalFile = (dir / (stem + ".journal")).string();
    o.saveFile = (dir / (stem + ".Game")).string();

    std::vector<uint8_t> saved;
    std::string note;
    {
        Simulator sim(o);
        const SimResult r = sim.run();
        ASSERT_TRUE(r.ok()) << "game turn " << r.gameTurn << ": " << r.text;
        note = sim.player().closingNote(sim);
        ASSERT_TRUE(sim.result().ok()) << sim.result().text;
        EXPECT_EQ(player(sim).worldUpdatesChecked(), r.gameTurn);
        for (int c = 1; c <= 2; ++c) {
            const auto& w = player(sim).works(c);
            ASSERT_NE(w.site, 0) << c;
            long mined = 0;
            for (long n : w.mined)
                mined += n;
            EXPECT_GT(mined, 0) << c;
            EXPECT_GT(w.made[sim.state().RecipeOutput[w.recipe].get()], 0) << c;
        }
        ASSERT_TRUE(sim.save()) << sim.result().text;
        saved = readFileUpTo(*o.saveFile, kMaxSaveFileBytes);
        EXPECT_TRUE(saved == encodeGame(sim.state()));
    }
    EXPECT_NE(note.find("industrialist Player 1 (company 1)"), std::string::npos) << note;
    EXPECT_NE(note.find("industrialist Player 2 (company 2)"), std::string::npos) << note;

    std::ifstream in(*o.journalFile, std::ios::binary);
    Replay replay(readJournal(in));
    Game again(replay.person());
    ASSERT_EQ(replay.run(again), "");
    EXPECT_TRUE(encodeGame(again.state) == saved);
    std::filesystem::remove(*o.journalFile);
    std::filesystem::remove(*o.saveFile);
}

}  // namespace
