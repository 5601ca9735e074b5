#include <gtest/gtest.h>

#include "services/TLandings.h"
#include "services/TPlanet.h"
#include "services/TPlanetScreen.h"
#include "services/TTravelscr.h"
#include "state/Format.h"
#include "support/ScreenTest.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

class Hub : public ScreenTest {
protected:
    TPlanetScreen& hub = game.PlanetScreen();
    void SetUp() override { t.startNewGame(2, 0); }
    void beginTurn(bool help) {
        answer(help);
        click(game.RankingScreen().BeginTurn);
    }
};

const char* kHelpQuestion = "Would you like some help as this is your first turn?";

}  // namespace

TEST_F(Hub, ShowsTheCompanysPosition) {
    t.s.PlayerPlanet[1] = 4;
    t.s.PlayerDestination[1] = 9;
    t.s.Passengers[1] = 12;
    t.s.PassengerSpace[1] = 40;
    t.s.PlayerSavings[1] = 250;
    beginTurn(false);
    EXPECT_TRUE(t.game.isVisible(ScreenId::PlanetScreen));
    EXPECT_FALSE(t.game.isVisible(ScreenId::RankingScreen));
    EXPECT_EQ(hub.PLanetL.text, "Planet: D");
    EXPECT_EQ(hub.DestL.text, "I");
    EXPECT_EQ(hub.CashL.text, "100000");
    EXPECT_EQ(hub.LoanL.text, "100000");
    EXPECT_EQ(hub.CreditL.text, "150000");
    EXPECT_EQ(hub.SAvsL.text, "250");
    EXPECT_EQ(hub.PassL.text, "12 / 40");
    EXPECT_EQ(hub.caption, "Planet- ");
    EXPECT_EQ(hub.TitleL.text, "Quorvex");
}

TEST_F(Hub, FirstTurnHelpIsAskedUntilAccepted) {
    beginTurn(false);
    EXPECT_FALSE(t.s.HelpOn);
    EXPECT_TRUE(t.dialogs.messages().empty());
    click(hub.Button16);  // Planet Info, and back: asked again
    t.dialogs.answerConfirm(true);
    click(t.game.Planet().Button1);
    EXPECT_TRUE(t.s.HelpOn);
    EXPECT_EQ(t.dialogs.confirms(), (std::vector<std::string>{kHelpQuestion, kHelpQuestion}));
    EXPECT_EQ(t.dialogs.messages(),
              (std::vector<std::string>{
                  "You own a space ship, you must aim to make money by buying and selling cargo "
                  "and taking passengers",
                  "You start with an empty hull, you must fill it with either cargo, passenger or "
                  "fuel space, to do this click the button called Ship"}));
    click(hub.Button16);
    click(t.game.Planet().Button1);  // accepted: not asked again this turn
    EXPECT_EQ(t.dialogs.confirms().size(), 2u);
    EXPECT_EQ(t.dialogs.unanswered(), 0u);
}

TEST_F(Hub, NeverAskedAfterTheFirstGameTurn) {
    t.s.TurnNumber = 2;
    t.game.perform([&] { t.game.RankingScreen().BeginTurnClick(); });
    EXPECT_TRUE(t.dialogs.confirms().empty());
}

TEST_F(Hub, HelpShowsFiveMessages) {
    beginTurn(false);
    click(hub.Button4);
    ASSERT_EQ(t.dialogs.messages().size(), 5u);
    EXPECT_EQ(t.dialogs.messages()[2], "Advertising ");
    EXPECT_EQ(t.dialogs.messages()[4],
              "If you have a lot of money then consider buying a mine or a factory");
    EXPECT_TRUE(t.game.isVisible(ScreenId::PlanetScreen));
}

TEST_F(Hub, EveryButtonOpensItsScreenAndEveryScreenLeadsBack) {
    const std::vector<std::pair<Button*, ScreenId>> doors{
        {&hub.Button9, ScreenId::MarketScr},    {&hub.Button15, ScreenId::DemandScr},
        {&hub.Button18, ScreenId::CargoScr},    {&hub.Button5, ScreenId::Warescr},
        {&hub.Button6, ScreenId::Production},   {&hub.Button8, ScreenId::Manufacturing},
        {&hub.Button12, ScreenId::Salesoffice}, {&hub.Button14, ScreenId::ProductionInfo},
        {&hub.Button11, ScreenId::GDInfo},      {&hub.Button17, ScreenId::AdvertScr},
        {&hub.Button7, ScreenId::Bank},         {&hub.Button2, ScreenId::Fuel},
        {&hub.Button3, ScreenId::Crew},         {&hub.Button10, ScreenId::Ship},
        {&hub.Button456, ScreenId::Psngrs},     {&hub.Button16, ScreenId::Planet},
        {&hub.Button1, ScreenId::Travelscr}};
    beginTurn(false);
    for (auto [button, target] : doors) {
        t.dialogs.answerConfirm(false);  // asked again each time the hub comes back
        click(*button);
        EXPECT_TRUE(t.game.isVisible(target)) << button->caption;
        EXPECT_FALSE(t.game.isVisible(ScreenId::PlanetScreen)) << button->caption;
        // every screen's return button (the first button named Continue/Back) leads home
        Screen& screen = t.game.screen(target);
        Button* back = nullptr;
        for (Control* c : screen.controls())
            if (auto* b = dynamic_cast<Button*>(c);
                b && (b->caption == "Continue" || b->caption == "Back"))
                back = b;
        ASSERT_NE(back, nullptr) << screen.caption;
        click(*back);
        EXPECT_TRUE(t.game.isVisible(ScreenId::PlanetScreen)) << screen.caption;
        EXPECT_FALSE(t.game.isVisible(target)) << screen.caption;
    }
}

TEST_F(Hub, CloseLeavesForTheMainMenu) {
    beginTurn(false);
    click(hub.Button13);
    EXPECT_FALSE(t.game.isVisible(ScreenId::PlanetScreen));
    EXPECT_TRUE(t.game.isVisible(ScreenId::GameMenu));
}

TEST_F(Hub, PlanetInformation) {
    t.s.PlayerPlanet[1] = 3;
    t.s.PlanetPopulation[3] = 5001;
    t.s.PlanetGrowthRate[3] = 1.5;
    beginTurn(false);
    click(hub.Button16);
    auto& p = t.game.Planet();
    EXPECT_EQ(p.caption, "Planet info:");
    EXPECT_EQ(p.PLanetL.text, "Planet: C");
    EXPECT_EQ(p.PLntSzeL.text, "Size: 1 Earths");
    EXPECT_EQ(p.PlntpopL.text, "Population: 5001");
    EXPECT_EQ(p.MaxpopL.text, cat("Max Population: ", t.s.PlanetMaxPopulation[3], " Billion"));
    EXPECT_EQ(p.PlntResL.text, cat("Planet Resources: ", t.s.PlanetResources[3], " Billion Tons"));
    EXPECT_EQ(p.POPGrowthL.text, "Population Growth Rate: 1.5%");
    click(p.Button3);
    EXPECT_EQ(
        t.dialogs.messages(),
        (std::vector<std::string>{"Use this screen to get infomation about the planet your on."}));
    click(p.Button2);  // nothing special
    EXPECT_TRUE(t.game.isVisible(ScreenId::Planet));
}

TEST_F(Hub, TravelMarksTheDestinationAndEndsTheTurn) {
    t.s.PlayerDestination[1] = 6;
    beginTurn(true);
    t.dialogs.clear();
    click(hub.Button1);
    auto& travel = t.game.Travelscr();
    EXPECT_EQ(t.dialogs.messages(),
              (std::vector<std::string>{"You now need to click a planet to travel to it, you "
                                        "should normaly click the planet that is in yellow"}));
    for (int p = 1; p <= kPlanets; ++p) {
        EXPECT_EQ(travel.planetLabel(p).text, t.s.PlanetName[p]);
        EXPECT_EQ(travel.planetLabel(p).color, p == 6 ? FontColor::Yellow : FontColor::White);
    }
    click(travel.Button3);
    EXPECT_TRUE(t.game.isVisible(ScreenId::Landings));
    click(t.game.Landings().Button1);
    EXPECT_TRUE(t.game.isVisible(ScreenId::Travelscr));
    t.game.act(actionClick(travel.PLanet9));
    EXPECT_EQ(t.s.PlayerNextPlanet[1], 9);
    EXPECT_EQ(t.s.PlayerPlanet[1], 9);
    EXPECT_FALSE(t.game.isVisible(ScreenId::Travelscr));
    EXPECT_TRUE(t.game.isVisible(ScreenId::RankingScreen));
    EXPECT_EQ(t.s.CurrentPlayer, 2);
}

TEST_F(Hub, LandingCostsOfANewGame) {
    t.s.PlayerPlanet[1] = 2;
    beginTurn(false);
    click(hub.Button1);
    click(t.game.Travelscr().Button3);
    auto& l = t.game.Landings();
    EXPECT_EQ(l.caption, "Landing Costs");
    EXPECT_EQ(l.CashL.text, "Money: £100000");
    EXPECT_EQ(l.YourOnL.text, "Your On: B");
    EXPECT_EQ(l.Costs.cell(0, 1), "Total Cost");
    EXPECT_EQ(l.Costs.cell(0, 2), "Planet Cost");
    EXPECT_EQ(l.Costs.cell(0, 3), "Player 1");
    EXPECT_EQ(l.Costs.cell(0, 4), "Player 2");
    EXPECT_EQ(l.Costs.cell(0, 5), " ");
    for (int j = 1; j <= kPlanets; ++j) {
        EXPECT_EQ(l.Costs.cell(j, 0), t.s.PlanetName[j]);
        EXPECT_EQ(l.Costs.cell(j, 1), str(t.s.PlanetLandingCost[j]));
        EXPECT_EQ(l.Costs.cell(j, 2), str(t.s.PlanetLandingCost[j]));
        EXPECT_EQ(l.Costs.cell(j, 3), "0");
    }
    EXPECT_EQ(l.Costs.colWidths[0], 120);
    EXPECT_EQ(l.Costs.colWidths[1], 80);
}

TEST(LandingCosts, EighteenCompaniesFillSixteenRowsAndAllCount) {
    TestGame t;
    t.startNewGame(6, 12);
    for (int i = 1; i <= kCompanies; ++i)
        t.s.PlayerLandingFee(i, 4) = i;
    t.game.perform([&] { t.game.show(ScreenId::Landings); });
    auto& l = t.game.Landings();
    EXPECT_EQ(l.Costs.cell(0, 18), "J");  // company 16 on the last row
    EXPECT_EQ(l.Costs.cell(4, 18), "16");
    const Int total = t.s.PlanetLandingCost[4] + 171;  // 1 + 2 + ... + 18
    EXPECT_EQ(l.Costs.cell(4, 1), str(total));
    EXPECT_EQ(t.s.LandingTotalCost[4], total);
}
