#include <gtest/gtest.h>

#include "support/TestGame.h"

using namespace quorvex;
using namespace quorvex::testing;

TEST(NewGameToRanking, TwoHumansStartAtZero) {
    TestGame t;
    t.startNewGame(2, 0);
    auto& r = t.game.RankingScreen();
    EXPECT_TRUE(t.game.isVisible(ScreenId::RankingScreen));
    EXPECT_FALSE(t.game.isVisible(ScreenId::NGScreen));
    EXPECT_EQ(r.Ranks.items, (std::vector<std::string>{"Player 1 £0", "Player 2 £0"}));
    EXPECT_EQ(r.TurnL.text, "Turn: 1");
    EXPECT_EQ(r.ChangeL.text, "Change(£): +0");
    EXPECT_EQ(r.PlyrnameL.text, "Player 1");
}
