#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "economy/TAdvertScr.h"
#include "services/TPlanetScreen.h"
#include "services/TTravelscr.h"
#include "state/Fraction.h"
#include "state/PriceRule.h"
#include "support/ScreenTest.h"
#include "turn/TRankingScreen.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

const char* const kPsNoMethod =
    "You have not selected a method of advertising for your passenger advertising";
const char* const kPsNoMoney = "You have not selected an money to spend on passenger advertising";
const char* const kPsNoPlanet =
    "You have not selected a planet to do your passenger advertising on";
const char* const kIndNoMethod =
    "You have not selected a method of advertising for your industrial advertising";
const char* const kIndNoType =
    "Yuo have not selected a type of advertising for your industrial advertising";
const char* const kIndNoPlanet =
    "You have not selected a planet to do your industrial advertising on this means that no "
    "advertising in this area will be done!";
const char* const kRtlNoMoney = "You have not selected an money to spend on retail advertising";
const char* const kRtlNoType =
    "You have not selected a type of advertising for your retail advertising";
const char* const kIndDemandNoMethod =
    "You have not selected a method of advertising for your industrial demand advertising";
const char* const kIndDemandNoMoney =
    "You have not selected an money to spend on industrial demand advertising";
const char* const kRtlDemandNoType =
    "You have not selected a type of advertising for your retail demand advertising";
const char* const kRtlDemandNoPlanet =
    "You have not selected a planet to do your retail demand advertising on this means that no "
    "advertising in this area will be done!";
const char* const kCantAfford = "You can not afford to do this amount of advertising";

enum Method { None, Flyer, Billboard, Newspaper, Radio, TV };

// Company 2 in turn 3 with £100000, planets "A" to "L".
struct AdvertScreen : ScreenTest {
    TAdvertScr& screen = game.AdvertScr();

    void SetUp() override {
        s.TurnNumber = 3;
        s.CurrentPlayer = 2;
        s.PlayerCash[2] = 100000;
        s.PlayerPlanet[2] = s.PlayerDestination[2] = 1;
        for (int t = 1; t <= kPlanets; ++t)
            s.PlanetName[t] = std::string(1, char('A' + t - 1));
    }
    void show() { ScreenTest::show(ScreenId::AdvertScr); }
    void choose(RadioGroup& method, int m, RadioGroup& cost, int c) {
        pick(method, m);
        pick(cost, c);
    }
    void ticks(PlanetTicks& planets, std::initializer_list<int> on) {
        for (int t = 1; t <= kPlanets; ++t)
            tick(planets[t], std::find(on.begin(), on.end(), t) != on.end());
    }
    Texts labels() const {
        return {screen.CashL.text,          screen.PsngrCostL.text,     screen.IndAmountCostL.text,
                screen.RtlAmountCostL.text, screen.IndDemandCostL.text, screen.RtlDemandCostL.text,
                screen.TotalCostL.text};
    }
};

TEST_F(AdvertScreen, ShowingSetsThePlanetPagesBackAndTheFiguresToNothing) {
    show();
    EXPECT_EQ(labels(),
              (Texts{"Money: £100000", "Passengers cost: £0", "Industrial amount cost: £0",
                     "Retail amount cost: £0", "Industrial demand cost: £0",
                     "Retail demand cost: £0", "Total cost: £0"}));
    EXPECT_EQ(screen.PSPlanet.items.size(), 12u);
    EXPECT_EQ(screen.PSPlanet.items[11], "L");
    EXPECT_EQ(screen.PSPlanet.itemIndex, 0);
    EXPECT_TRUE(screen.Button2.enabled);

    // Whatever the person left on the four planet pages is gone at the next showing.
    choose(screen.RMethodB, TV, screen.RCostB, 5);
    pick(screen.RTypeB, 1);
    ticks(screen.RPlanetB, {4, 9});
    click(screen.Button3);
    show();
    EXPECT_EQ(screen.TotalCostL.text, "Total cost: £0");
    for (RadioGroup* method :
         {&screen.IMethod, &screen.RMethod, &screen.IMethodB, &screen.RMethodB})
        EXPECT_EQ(method->itemIndex, None) << method->name();
    EXPECT_EQ(screen.RCostB.items, Texts{"£0"});
    EXPECT_EQ(screen.RCostB.itemIndex, 0);
    EXPECT_EQ(screen.RTypeB.selectedText(), "Good");
    for (PlanetTicks* planets :
         {&screen.IPlanet, &screen.RPlanet, &screen.IPlanetB, &screen.RPlanetB}) {
        EXPECT_EQ((*planets)[1].caption, "A");
        EXPECT_EQ((*planets)[12].caption, "L");
        for (int t = 1; t <= kPlanets; ++t)
            EXPECT_EQ((*planets)[t].checked, t == 1) << (*planets)[t].name();
    }
}

TEST_F(AdvertScreen, ThePassengerPageKeepsItsChoicesForTheSameCompanyOnly) {
    show();
    EXPECT_EQ(screen.PSMethod.selectedText(), "None");
    EXPECT_EQ(screen.PSCost.selectedText(), "£0");
    choose(screen.PSMethod, Radio, screen.PSCost, 2);
    pick(screen.PSPlanet, 6);
    show();
    EXPECT_EQ(screen.PSMethod.selectedText(), "Radio");
    EXPECT_EQ(screen.PSCost.selectedText(), "£10000");
    EXPECT_EQ(screen.PSPlanet.itemIndex, 0);  // the planet goes back to the first

    // Company 3 does not inherit company 2's radio campaign.
    s.CurrentPlayer = 3;
    show();
    EXPECT_EQ(screen.PSMethod.selectedText(), "None");
    EXPECT_EQ(screen.PSCost.items, Texts{"£0"});
    EXPECT_EQ(screen.PSCost.itemIndex, 0);
}

TEST_F(AdvertScreen, AMethodRefillsItsCostListWithNothingChosenAndIsStoredAtOnce) {
    const Texts costs[] = {{"£0"},
                           {"£1500", "£2000", "£2500", "£3000", "£4000", "£5000"},
                           {"£2500", "£3500", "£4500", "£5500", "£6500", "£7500"},
                           {"£3000", "£4000", "£5000", "£6000", "£8000", "£10000"},
                           {"£5000", "£7500", "£10000", "£12500", "£15000", "£17500"},
                           {"£10000", "£12500", "£15000", "£17500", "£20000", "£25000"}};
    show();
    struct Page {
        RadioGroup& method;
        RadioGroup& cost;
        PerCompany GameState::*stored;
    };
    const Page pages[] = {{screen.PSMethod, screen.PSCost, &GameState::AdvPsngrMethod},
                          {screen.IMethod, screen.ICost, &GameState::AdvIndAmountMethod},
                          {screen.RMethod, screen.RCost, &GameState::AdvRtlAmountMethod},
                          {screen.IMethodB, screen.ICostB, &GameState::AdvIndDemandMethod},
                          {screen.RMethodB, screen.RCostB, &GameState::AdvRtlDemandMethod}};
    for (const Page& p : pages) {
        EXPECT_EQ(p.method.items,
                  (Texts{"None", "Flyer", "Billboard", "Newspaper", "Radio", "T.V."}));
        for (int m = TV; m >= None; --m) {
            pick(p.method, m);
            EXPECT_EQ(p.cost.items, costs[m]) << p.method.name() << " " << m;
            EXPECT_EQ(p.cost.itemIndex, -1);
            EXPECT_EQ((s.*p.stored)[2], m) << p.method.name();
        }
        // Taking the method away empties the list and leaves the stored method as it was.
        pick(p.method, -1);
        EXPECT_TRUE(p.cost.items.empty());
        EXPECT_EQ((s.*p.stored)[2], None);
    }
    EXPECT_EQ(screen.IType.items, (Texts{"Good", "Bad "}));
}

TEST_F(AdvertScreen, RadioAt12500OnThreePlanetsCosts37500AndBuys43Percent) {
    s.AdvIndAmountPlanets(2, 1) = true;  // a campaign running on A
    show();
    const GameState before = s;
    choose(screen.IMethod, Radio, screen.ICost, 3);
    ticks(screen.IPlanet, {2, 5, 12});
    click(screen.Button3);
    EXPECT_EQ(screen.IndAmountCostL.text, "Industrial amount cost: £37500");
    EXPECT_EQ(screen.TotalCostL.text, "Total cost: £37500");
    EXPECT_EQ(takeMessages(), Texts{});
    // Working out the price moves nothing: the running campaign stays on A until paid for.
    GameState expected = before;
    expected.AdvIndAmountMethod[2] = Radio;
    EXPECT_TRUE(s == expected);

    click(screen.Button2);
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(s.PlayerCash[2], 62500);
    EXPECT_EQ(s.AdvIndAmountStrength[2], 43);
    EXPECT_EQ(s.AdvIndAmountCostPerPlanet[2], 12500);
    EXPECT_EQ(s.AdvIndAmountCost[2], 37500);
    EXPECT_TRUE(s.AdvIndAmountGood[2]);
    for (int t = 1; t <= kPlanets; ++t)
        EXPECT_EQ(s.AdvIndAmountPlanets(2, t), t == 2 || t == 5 || t == 12) << t;
    EXPECT_TRUE(s.AdvDone[2]);
    EXPECT_FALSE(screen.Button2.enabled);
    EXPECT_EQ(screen.CashL.text, "Money: £62500");
    // The other pages were left at None on planet A: placed at strength 0.
    EXPECT_EQ(s.AdvRtlAmountStrength[2], 0);
    EXPECT_TRUE(s.AdvRtlDemandPlanets(2, 1));
}

TEST_F(AdvertScreen, EveryPageAtOnceIsPaidOnceAndStoredWhole) {
    show();
    choose(screen.PSMethod, Flyer, screen.PSCost, 5);  // £5000, 15 %
    pick(screen.PSPlanet, 7);
    choose(screen.IMethod, Billboard, screen.ICost, 0);  // £2500 x 1, 20 %
    choose(screen.RMethod, Newspaper, screen.RCost, 4);  // £8000 x 2, 34 %
    ticks(screen.RPlanet, {3, 4});
    choose(screen.IMethodB, TV, screen.ICostB, 5);  // £25000 x 12, 55 %, Bad
    pick(screen.ITypeB, 1);
    ticks(screen.IPlanetB, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    choose(screen.RMethodB, Radio, screen.RCostB, 1);  // £7500 x 1, 41 %, Bad
    pick(screen.RTypeB, 1);
    s.PlayerCash[2] = 5000 + 2500 + 16000 + 300000 + 7500;  // exactly enough
    click(screen.Button2);
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(labels(),
              (Texts{"Money: £0", "Passengers cost: £5000", "Industrial amount cost: £2500",
                     "Retail amount cost: £16000", "Industrial demand cost: £300000",
                     "Retail demand cost: £7500", "Total cost: £331000"}));
    EXPECT_EQ(s.PlayerCash[2], 0);
    const int strengths[] = {s.AdvPsngrStrength[2].get(), s.AdvIndAmountStrength[2].get(),
                             s.AdvRtlAmountStrength[2].get(), s.AdvIndDemandStrength[2].get(),
                             s.AdvRtlDemandStrength[2].get()};
    EXPECT_EQ(std::vector<int>(std::begin(strengths), std::end(strengths)),
              (std::vector<int>{15, 20, 34, 55, 41}));
    EXPECT_EQ(s.AdvPsngrMethod[2], Flyer);
    EXPECT_EQ(s.AdvPsngrCost[2], 5000);
    EXPECT_EQ(s.AdvPsngrPlanet[2], 7);
    EXPECT_EQ(s.AdvRtlAmountCostPerPlanet[2], 8000);
    EXPECT_EQ(s.AdvRtlAmountCost[2], 16000);
    EXPECT_EQ(s.AdvIndDemandCost[2], 300000);
    EXPECT_TRUE(s.AdvIndAmountGood[2] && s.AdvRtlAmountGood[2]);
    EXPECT_FALSE(s.AdvIndDemandGood[2] || s.AdvRtlDemandGood[2]);
    EXPECT_TRUE(s.AdvRtlAmountPlanets(2, 4) && !s.AdvRtlAmountPlanets(2, 1));
}

TEST_F(AdvertScreen, AllNoneForNothingEndsEveryCampaignForTheTurn) {
    s.AdvPsngrStrength[2] = 25;
    s.AdvIndAmountStrength[2] = 43;
    s.AdvRtlDemandStrength[2] = 55;
    s.AdvRtlDemandGood[2] = false;
    s.AdvIndAmountPlanets(2, 7) = true;
    show();
    click(screen.Button2);
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(s.PlayerCash[2], 100000);
    EXPECT_EQ(s.AdvPsngrStrength[2], 0);
    EXPECT_EQ(s.AdvIndAmountStrength[2], 0);
    EXPECT_EQ(s.AdvRtlDemandStrength[2], 0);
    EXPECT_TRUE(s.AdvRtlDemandGood[2]);
    EXPECT_FALSE(s.AdvIndAmountPlanets(2, 7));
    EXPECT_TRUE(s.AdvDone[2]);
    EXPECT_FALSE(screen.Button2.enabled);
    // Still disabled when shown again in the same turn.
    show();
    EXPECT_FALSE(screen.Button2.enabled);
    EXPECT_FALSE(game.act(actionClick(screen.Button2)));
}

TEST_F(AdvertScreen, APageOnNoPlanetIsOnlyAWarningAndCostsNothing) {
    show();
    choose(screen.IMethod, TV, screen.ICost, 5);
    ticks(screen.IPlanet, {});
    choose(screen.RMethodB, Flyer, screen.RCostB, 0);
    ticks(screen.RPlanetB, {});
    click(screen.Button3);
    EXPECT_EQ(takeMessages(), (Texts{kIndNoPlanet, kRtlDemandNoPlanet}));
    EXPECT_EQ(screen.IndAmountCostL.text, "Industrial amount cost: £0");
    click(screen.Button2);
    EXPECT_EQ(takeMessages(), (Texts{kIndNoPlanet, kRtlDemandNoPlanet}));
    EXPECT_EQ(s.PlayerCash[2], 100000);
    EXPECT_EQ(s.AdvIndAmountStrength[2], 55);
    EXPECT_EQ(s.AdvIndAmountCostPerPlanet[2], 25000);
    EXPECT_EQ(s.AdvIndAmountCost[2], 0);
    EXPECT_FALSE(s.AdvIndAmountPlanets(2, 1));
    EXPECT_TRUE(s.AdvDone[2]);
}

// Each case leaves the pages incomplete or the purchase unaffordable; Advertise must tell every
// fault in page order and change nothing at all.
TEST_F(AdvertScreen, RefusalsSpeakInPageOrderAndChangeNothing) {
    struct Case {
        const char* what;
        std::function<void()> setUp;
        Texts messages;
    };
    const Case cases[] = {
        {"no passenger method", [this] { pick(screen.PSMethod, -1); }, {kPsNoMethod}},
        {"a new method without its money",
         [this] { pick(screen.PSMethod, Newspaper); },
         {kPsNoMoney}},
        {"no passenger planet", [this] { pick(screen.PSPlanet, 12); }, {kPsNoPlanet}},
        {"no industrial method", [this] { pick(screen.IMethod, -1); }, {kIndNoMethod}},
        {"no industrial type", [this] { pick(screen.IType, -1); }, {kIndNoType}},
        {"no retail money", [this] { pick(screen.RMethod, Flyer); }, {kRtlNoMoney}},
        {"no retail type, and its planets are not asked about",
         [this] {
             pick(screen.RType, -1);
             ticks(screen.RPlanet, {});
         },
         {kRtlNoType}},
        {"a missing method hides a missing type",
         [this] {
             pick(screen.IMethodB, -1);
             pick(screen.ITypeB, -1);
         },
         {kIndDemandNoMethod}},
        {"too dear", [this] { choose(screen.PSMethod, TV, screen.PSCost, 5); }, {kCantAfford}},
        {"nothing at all is too dear with debts", [this] { s.PlayerCash[2] = -1; }, {kCantAfford}},
        {"everything at once",
         [this] {
             pick(screen.PSPlanet, -1);
             pick(screen.IMethod, -1);
             pick(screen.RMethod, Radio);
             pick(screen.ICostB, -1);
             pick(screen.RTypeB, -1);
             ticks(screen.RPlanetB, {});
             s.PlayerCash[2] = -1;
         },
         {kPsNoPlanet, kIndNoMethod, kRtlNoMoney, kIndDemandNoMoney, kRtlDemandNoType,
          kCantAfford}},
        {"a warning among refusals",
         [this] {
             ticks(screen.IPlanet, {});
             pick(screen.IMethodB, -1);
         },
         {kIndNoPlanet, kIndDemandNoMethod}},
    };
    for (const Case& c : cases) {
        s.PlayerCash[2] = 20000;
        show();
        choose(screen.PSMethod, None, screen.PSCost, 0);  // the passenger page carries over
        c.setUp();
        takeMessages();
        const GameState before = s;
        click(screen.Button2);
        EXPECT_EQ(takeMessages(), c.messages) << c.what;
        EXPECT_TRUE(s == before) << c.what;
        EXPECT_TRUE(screen.Button2.enabled) << c.what;
    }
}

TEST_F(AdvertScreen, HelpSaysThreeThingsAndContinueGoesBackToTheHub) {
    show();
    click(screen.Button1);
    const Texts shown = takeMessages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0],
              "Advertise to: increase the number of passengers you can pickup next turn, Increase "
              "or decrease the amount of Retail and industrial goods that you can pickup next "
              "turn, Increase or decrease the demand for retail and industrial goods.");
    EXPECT_EQ(shown[2],
              "Remember you do not have to advertise on each planet or spend money on each form of "
              "advetising (to do this just select none on the method of advertising)");
    click(screen.Button4);
    EXPECT_TRUE(game.isVisible(ScreenId::PlanetScreen));
    EXPECT_FALSE(game.isVisible(ScreenId::AdvertScr));
}

// A whole game: the first person advertises during its turn; its view of the markets and its
// passengers change at the next world update, not before, and nobody else's do.
struct AdvertisingInPlay : ScreenTest {
    void SetUp() override {
        t.startNewGame(2, 0);
        s.RandomEventRate = 0;
    }
    // The person whose turn it is goes from the ranking to the hub (declining the first-turn
    // help), perhaps somewhere else, then flies to a planet.
    void playTurn(int planet, const std::function<void()>& atTheHub = {}) {
        answer(false);
        click(game.RankingScreen().BeginTurn);
        if (atTheHub) atTheHub();
        click(game.PlanetScreen().Button1);
        run([&] { game.Travelscr().PLanetClick(planet); });
    }
    // What a company sees of planet t: the planet's figure changed by a campaign of the given
    // strength in percent (negative for Bad), never below 0.
    static Int seen(Int figure, int percent) {
        const Int change = (Fraction(figure) / 100 * std::abs(percent)).round();
        const Int v = percent < 0 ? figure - change : figure + change;
        return v < 0 ? Int(0) : v;
    }
};

TEST_F(AdvertisingInPlay, AdvertisingChangesTheCompanysViewAtTheNextWorldUpdate) {
    ASSERT_EQ(s.CurrentPlayer, 1);
    ASSERT_EQ(s.TurnNumber, 1);
    TAdvertScr& screen = game.AdvertScr();
    playTurn(5, [&] {
        click(game.PlanetScreen().Button17);
        pick(screen.PSMethod, TV);
        pick(screen.PSCost, 5);       // 55 % more passengers
        pick(screen.IMethod, Radio);  // industrial amount
        pick(screen.ICost, 3);        // 43 %, Good
        tick(screen.IPlanet[1], false);
        tick(screen.IPlanet[3], true);
        pick(screen.RMethodB, Billboard);  // retail demand
        pick(screen.RCostB, 2);            // 22 %
        pick(screen.RTypeB, 1);            // Bad
        tick(screen.RPlanetB[1], false);
        tick(screen.RPlanetB[3], true);
        click(screen.Button2);
        EXPECT_EQ(takeMessages(), Texts{});
        EXPECT_TRUE(s.AdvDone[1]);
        answer(false);  // the hub asks again in the first turn
        click(screen.Button4);
    });
    // Company 2 plays; company 1 still sees planet C as it is.
    ASSERT_EQ(s.CurrentPlayer, 2);
    for (int g = 1; g <= kGoods; ++g) {
        EXPECT_EQ(s.PlayerAmount(1, 3, g), s.PlanetAmount(3, g)) << g;
        EXPECT_EQ(s.PlayerDemand(1, 3, g), s.PlanetDemand(3, g)) << g;
    }
    playTurn(6);

    // The world update has run and company 1 plays turn 2.
    ASSERT_EQ(s.TurnNumber, 2);
    ASSERT_EQ(s.CurrentPlayer, 1);
    EXPECT_FALSE(s.AdvDone[1]);
    for (int g = 1; g <= kGoods; ++g) {
        const bool industrial = g <= kIndustrialGoods;
        EXPECT_EQ(s.PlayerAmount(1, 3, g), seen(s.PlanetAmount(3, g), industrial ? 43 : 0)) << g;
        EXPECT_EQ(s.PlayerDemand(1, 3, g), seen(s.PlanetDemand(3, g), industrial ? 0 : -22)) << g;
        const Prices p = marketPrice(s.GoodMinPrice[g], s.GoodMaxPrice[g], s.PlayerAmount(1, 3, g),
                                     s.PlayerDemand(1, 3, g));
        EXPECT_EQ(s.PlayerRetailPrice(1, 3, g), p.P) << g;
        // Another planet, and another company, see the planet as it is.
        EXPECT_EQ(s.PlayerAmount(1, 1, g), s.PlanetAmount(1, g)) << g;
        EXPECT_EQ(s.PlayerDemand(1, 1, g), s.PlanetDemand(1, g)) << g;
        EXPECT_EQ(s.PlayerAmount(2, 3, g), s.PlanetAmount(3, g)) << g;
        EXPECT_EQ(s.PlayerDemand(2, 3, g), s.PlanetDemand(3, g)) << g;
    }
    EXPECT_GT(s.PlayerAmount(1, 3, 1), s.PlanetAmount(3, 1));
    EXPECT_LT(s.PlayerDemand(1, 3, 20), s.PlanetDemand(3, 20));

    // 2.5 % of the people where the ship now is, 55 % more for the campaign, times 1.1 for the
    // £1500 ticket; company 2 gets no such rise.
    const auto offered = [&](int c, int percent) {
        EXPECT_EQ(s.TicketPrice[c], 1500);
        const Int n =
            (Fraction(s.PlanetPopulation[s.PlayerPlanet[c]]) / 100 * Fraction::decimal(2.5))
                .round();
        const Int advertised = (Fraction(n) / 100 * percent + n).round();
        return (Fraction(advertised) * Fraction::decimal(1.1)).round();
    };
    EXPECT_EQ(s.PsngrOffered[1], offered(1, 55));
    EXPECT_EQ(s.PsngrOffered[2], offered(2, 0));
}

}  // namespace
