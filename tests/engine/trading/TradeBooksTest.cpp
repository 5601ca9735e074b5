// Trades made through the screens in a real game keep the store's books: each one checked by the
// simulator's trade check and the store's invariants after it.

#include <gtest/gtest.h>

#include "Invariants.h"
#include "services/TPlanetScreen.h"
#include "state/Format.h"
#include "support/ScreenTest.h"
#include "trading/TBuy.h"
#include "trading/TMarketScr.h"
#include "trading/TSell.h"
#include "trading/TWarescr.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\n";
    return out;
}

// Company 1 in a fresh game of one human and two computers, at its first turn's hub, with a hold
// of 80 tons fitted and 60 tons of warehouse on its planet.
struct TradeBooks : ScreenTest {
    Int me = 1;
    Int here = 0;

    void SetUp() override {
        t.startNewGame(1, 2);
        answer(false);  // no help
        click(game.RankingScreen().BeginTurn);
        here = s.PlayerPlanet[me];
        s.CargoSpace[me] = 80;
        s.ShipFreeSpace[me] -= 80;
        s.WarehouseSpace(me, here) = 60;
        s.PlayerCash[me] = 400000;
        expectSound(s);
    }
    static void expectSound(const GameState& after) {
        const auto found = sim::checkInvariants(after);
        EXPECT_TRUE(found.empty()) << joined(found);
    }
    // One action, then the trade check and the invariants.
    void trade(const std::function<void()>& action) {
        const GameState before = s;
        action();
        const auto books = sim::checkTrade(before, s);
        EXPECT_TRUE(books.empty()) << joined(books);
        EXPECT_FALSE(s == before) << "nothing was traded";
        expectSound(s);
    }
    void openTrade(ScreenId id, int good) {
        s.TradeGood = good;
        s.TradeIndustrial = good <= kIndustrialGoods;
        s.TradeRetail = !s.TradeIndustrial;
        show(ScreenId::MarketScr);
        show(id);
    }
};

TEST_F(TradeBooks, BuyingAndSellingThroughEveryPlace) {
    auto& buy = game.Buy();
    auto& sell = game.Sell();
    const auto buyInto = [&](const char* amount, int place) {
        trade([&] {
            type(buy.Buybox, amount);
            pick(buy.Storein, place);
            click(buy.Button2);
        });
    };
    const auto sellFrom = [&](const char* amount, int place) {
        trade([&] {
            type(sell.SellL, amount);
            pick(sell.SellFrom, place);
            click(sell.Button2);
        });
    };
    for (int good : {3, 11, 25}) {  // wood, plastic, food
        openTrade(ScreenId::Buy, good);
        buyInto("1", 1);
        buyInto("1", 1);
        buyInto("27", 0);
        EXPECT_EQ(takeMessages(), Texts{}) << good;
        openTrade(ScreenId::Sell, good);
        sellFrom("2", 1);
        sellFrom("5", 0);
        EXPECT_EQ(takeMessages(), Texts{}) << good;
    }
    // Stored goods sold from the warehouse screen.
    click(buy.Button4);
    answer(false);  // the hub asks again during the first turn
    click(game.MarketScr().Button1);
    click(game.PlanetScreen().Button5);
    auto& ware = game.Warescr();
    trade([&] {
        answerInput("10");
        answer(true);
        pick(ware.WareHouse, 1, 2);
        click(ware.sellbutton);
    });
    EXPECT_EQ(takeMessages(), Texts{});
}

// The trade check names what a faulty trade got wrong.
TEST_F(TradeBooks, AFaultyTradeIsNamed) {
    const GameState before = s;
    const int wood = 3;
    const Int price = s.PlayerIndPrice1(me, here, wood);
    // 3 wood (0.5 t each) bought into the hold: 2 tons.
    const auto bought = [&] {
        auto after = std::make_unique<GameState>(before);
        after->CargoHold(me, wood) += 3;
        after->PlanetAmount(here, wood) -= 3;
        after->PlayerCash[me] -= price * 3;
        after->CargoUsed[me] += 2;
        return after;
    };
    struct Case {
        const char* what;
        std::function<void(GameState&)> breakIt;
        Texts expected;
    };
    const std::string who = cat("company ", me, ": ");
    const std::vector<Case> cases = {
        {"a sound purchase of 3", [](GameState&) {}, {}},
        {"charged twice",
         [&](GameState& s) { s.PlayerCash[me] -= price * 3; },
         {cat(who, "cash moved by ", Int(-6) * price, " for 3 of good 3 at ", price, ", should be ",
              Int(-3) * price)}},
        {"paid on credit",
         [&](GameState& s) { s.PlayerCash[me] = -1; },
         {cat(who, "cash moved by ", Int(-1) - before.PlayerCash[me], " for 3 of good 3 at ", price,
              ", should be ", Int(-3) * price),
          cat(who, "bought on credit, cash is -1")}},
        {"weighed wrong",
         [&](GameState& s) { s.CargoUsed[me] += 1; },
         {cat(who, "tons in use of the hold are 3, should be 2")}},
        {"two goods at once",
         [&](GameState& s) { s.CargoHold(me, 4) += 1; },
         {cat(who, "one trade moved 2 goods or places")}},
        {"the market left as it was",
         [&](GameState& s) { s.PlanetAmount(here, wood) += 3; },
         {cat("planet ", here, ": PlanetAmount of good 3 went from ",
              before.PlanetAmount(here, wood), " to ", before.PlanetAmount(here, wood),
              " in a trade of 3")}},
    };
    for (const Case& c : cases) {
        auto after = bought();
        c.breakIt(*after);
        EXPECT_EQ(sim::checkTrade(before, *after), c.expected) << c.what;
    }
}

}  // namespace
