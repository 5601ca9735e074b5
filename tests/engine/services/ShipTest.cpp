#include <gtest/gtest.h>

#include <limits>

#include "ShipFixture.h"
#include "services/TPlanetScreen.h"
#include "services/TShip.h"
#include "services/TShpUpg.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

const char* const kNoRoom = "You do not have enough free space in which to put this engine";
const char* const kNoMoney = "You do not have enough money to buy this engine";

struct Model {
    int size, efficiency, speed, price;
};

// Planet C sells five engines; the ship's stored free space is stale.
struct ShipScreen : ShipFixture {
    TShip& screen = game.Ship();
    static constexpr Model kModels[5] = {{15, 20, 1, 40000},
                                         {30, 40, 4, 90000},
                                         {110, 60, 20, 120000},
                                         {111, 30, 20, 60000},
                                         {25, 19, 3, 133300}};

    void SetUp() override {
        ShipFixture::SetUp();
        s.ShipFreeSpace[2] = 7;  // stale: recomputed on showing to 160 - (50 + 20) = 90
        for (int m = 1; m <= kEngineModels; ++m) {
            const Model& e = kModels[m - 1];
            s.EngineModelSize(m, 3) = e.size;
            s.EngineModelEfficiency(m, 3) = e.efficiency;
            s.EngineModelSpeed(m, 3) = e.speed;
            s.EnginePrice(m, 3) = e.price;
        }
    }
    void show() { ScreenTest::show(ScreenId::Ship); }
    void upgrade(int row) {
        pick(screen.PEngines, 1, row);
        click(screen.Button4);
    }
    Texts row(int r) const { return rowOf(screen.PEngines, r); }
};

TEST_F(ShipScreen, ShowsTheShipAndTheEnginesOnSaleAtItsPlanet) {
    s.CrewCount[2] = 4;
    s.HelpOn = true;               // no guidance after the first turns
    s.EngineModelSize(1, 4) = 99;  // another planet's dealer is not shown
    show();
    EXPECT_EQ(screen.caption, "Ship Information");
    EXPECT_EQ(screen.HullL.text, "Ship Size: 250");
    EXPECT_EQ(screen.SpaceL.text, "Space: 160");
    EXPECT_EQ(screen.MaxCrewL.text, "Max Crew: 5");
    EXPECT_EQ(screen.CrewL.text, "Crew: 4");
    EXPECT_EQ(screen.EfficiencyL.text, "Efficiency: 25 Tons");
    EXPECT_EQ(screen.CashL.text, "Money: £100000");
    EXPECT_EQ(screen.FreeSpaceL.text, "Freespace: 90Tons");
    EXPECT_EQ(s.ShipFreeSpace[2], 90);
    EXPECT_EQ(screen.SizeL.text, "Size: 20 Tons");
    EXPECT_EQ(screen.SpeedL.text, "Speed: 1");
    EXPECT_EQ(row(0), (Texts{"Size(Tons)", "Efficiency(Tons)", "Speed", "Price(£)"}));
    EXPECT_EQ(row(1), (Texts{"15", "20", "1", "40000"}));
    EXPECT_EQ(row(5), (Texts{"25", "19", "3", "133300"}));
    EXPECT_EQ(screen.PEngines.row(), -1);
    click(screen.Button1);
    EXPECT_EQ(dialogs.messages(), Texts{});
}

TEST_F(ShipScreen, GuidanceHelpAndTheWaysOut) {
    s.TurnNumber = 1;
    s.HelpOn = true;
    show();
    EXPECT_EQ(takeMessages(),
              (Texts{"This page gives you the basic infomation about the ship you can also buy a "
                     "new engine.",
                     "To buy cargo, passenger or fuel space click on the space button",
                     "To return to the main menu click continue"}));
    click(screen.Button3);
    EXPECT_EQ(takeMessages(),
              (Texts{"If you want to allocate any free space in your ship click space",
                     "You can upgrade your engine buy selecting an engine the clicking the "
                     "upgfrade button"}));

    click(screen.Button2);  // Space
    EXPECT_TRUE(game.isVisible(ScreenId::ShpUpg));
    EXPECT_FALSE(game.isVisible(ScreenId::Ship));
    takeMessages();
    click(game.ShpUpg().Button1);  // and back: the ship screen shows its guidance again
    EXPECT_TRUE(game.isVisible(ScreenId::Ship));
    EXPECT_EQ(takeMessages().size(), 3u);

    click(screen.Button1);
    EXPECT_EQ(takeMessages(),
              Texts{"Now that you have some passenger sapce you need to go and pick up some "
                    "passengers, click the passengers button"});
    EXPECT_TRUE(game.isVisible(ScreenId::PlanetScreen));
    EXPECT_FALSE(game.isVisible(ScreenId::Ship));
}

TEST_F(ShipScreen, TheEngineOfANewGameIsTradedInFor33300) {
    t.startNewGame(2, 0);
    answer(false);  // no first-turn help
    click(game.RankingScreen().BeginTurn);
    click(game.PlanetScreen().Button10);  // Ship
    ASSERT_TRUE(game.isVisible(ScreenId::Ship));
    const Int c = s.CurrentPlayer;
    const Int planet = s.PlayerPlanet[c];
    // The first model the new ship has room and money for.
    int m = 1;
    while (m <= kEngineModels &&
           (s.EngineModelSize(m, planet) > 110 || s.EnginePrice(m, planet) > 133300))
        ++m;
    ASSERT_LE(m, kEngineModels) << "no engine on sale fits the new ship";
    const Model bought{s.EngineModelSize(m, planet).get(), s.EngineModelEfficiency(m, planet).get(),
                       s.EngineModelSpeed(m, planet).get(), s.EnginePrice(m, planet).get()};

    upgrade(m);

    EXPECT_EQ(row(m), (Texts{"20", "25", "1", "33300"}));
    EXPECT_EQ(s.EnginePrice(m, planet), 33300);
    EXPECT_EQ(s.PlayerCash[c], 100000 - bought.price + 33300);
    EXPECT_EQ(s.EngineSize[c], bought.size);
    EXPECT_EQ(s.EngineEfficiency[c], bought.efficiency);
    EXPECT_EQ(s.EngineSpeed[c], bought.speed);
    EXPECT_EQ(s.ShipFreeSpace[c], 90 + 20 - bought.size);
    EXPECT_EQ(screen.FreeSpaceL.text, "Freespace: " + std::to_string(110 - bought.size) + "Tons");
    EXPECT_EQ(screen.SpeedL.text, "Speed: " + std::to_string(bought.speed));
    EXPECT_EQ(dialogs.messages(), Texts{});
}

TEST_F(ShipScreen, AnEngineFitsInTheFreeSpaceAndTheOldOnesTonsAndGoesOnSale) {
    // A used engine whose value is taken down to whole £50: (65375 div 100) x 50.
    s.EngineSize[2] = 25;
    s.EngineEfficiency[2] = 30;
    s.EngineSpeed[2] = 3;
    s.ShipFreeSpace[2] = 0;
    show();  // free: 160 - (50 + 25) = 85, so 110 tons fit exactly
    upgrade(3);
    EXPECT_EQ(dialogs.messages(), Texts{});
    EXPECT_EQ(row(3), (Texts{"25", "30", "3", "32650"}));
    EXPECT_EQ(s.PlayerCash[2], 100000 - 120000 + 32650);
    EXPECT_EQ(s.EngineSize[2], 110);
    EXPECT_EQ(s.ShipFreeSpace[2], 0);
    EXPECT_EQ(screen.CashL.text, "Money: £12650");
    EXPECT_EQ(screen.EfficiencyL.text, "Efficiency: 60 Tons");

    // The row stays chosen: buying it again trades the new engine back for the old one.
    click(screen.Button4);
    EXPECT_EQ(s.EngineSize[2], 25);
    EXPECT_EQ(row(3), (Texts{"110", "60", "20", "32850"}));
}

// Every way an upgrade can be refused or come to nothing: the messages in order, and the game as
// it was.
TEST_F(ShipScreen, UpgradeRefusalsLeaveTheGameUnchanged) {
    const int kNone = -1;
    const struct Case {
        const char* what;
        int row;  // the grid row clicked, kNone for no click
        Model model;
        int cash;
        Texts messages;
    } cases[] = {
        {"nothing chosen", kNone, {15, 20, 1, 40000}, 100000, {}},
        {"the heading row", 0, {15, 20, 1, 40000}, 100000, {}},
        {"one ton too big", 2, {111, 20, 1, 40000}, 100000, {kNoRoom}},
        {"one pound too dear", 2, {15, 20, 1, 133301}, 100000, {kNoMoney}},
        {"too big and too dear", 2, {200, 20, 1, 200000}, 100000, {kNoRoom, kNoMoney}},
        {"the dearest engine, the richest company",
         2,
         {std::numeric_limits<int32_t>::max(), 20, 1, std::numeric_limits<int32_t>::max()},
         std::numeric_limits<int32_t>::max() - 10000,
         {kNoRoom}},
        {"in debt", 2, {15, 20, 1, 40000}, -100000, {kNoMoney}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        s.PlayerCash[2] = k.cash;
        s.EngineModelSize(2, 3) = k.model.size;
        s.EngineModelEfficiency(2, 3) = k.model.efficiency;
        s.EngineModelSpeed(2, 3) = k.model.speed;
        s.EnginePrice(2, 3) = k.model.price;
        show();
        const GameState before = s;
        if (k.row != kNone) pick(screen.PEngines, 0, k.row);
        click(screen.Button4);
        EXPECT_EQ(takeMessages(), k.messages);
        EXPECT_TRUE(s == before);
        EXPECT_EQ(dialogs.errors(), Texts{});
    }
}

TEST_F(ShipScreen, ARowChosenBeforeTheScreenWasLastShownBuysNothing) {
    show();
    pick(screen.PEngines, 0, 1);
    click(screen.Button2);  // to the space screen and back
    click(game.ShpUpg().Button1);
    const GameState before = s;
    click(screen.Button4);
    EXPECT_TRUE(s == before);
    EXPECT_EQ(dialogs.messages(), Texts{});
}

}  // namespace
