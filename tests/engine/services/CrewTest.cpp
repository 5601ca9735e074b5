#include <gtest/gtest.h>

#include <memory>

#include "services/CrewRules.h"
#include "services/TCrew.h"
#include "support/AmountTest.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

const char* const kCannotPay = "This is not a valid number, you can not pay this amount";
const char* const kOverPay = "You can not over pay your crew";
const char* const kNoSuchMoney = "You do not ahve this money with which to pay your crew";

// Company 3: two crew at £500 a turn, owed £5000 (five turns each), with £3000 cash.
struct Crew : AmountTest {
    TCrew& crew = game.Crew();

    void SetUp() override {
        s.TurnNumber = 6;
        s.CurrentPlayer = 3;
        s.PlayerCash[3] = 3000;
        s.CrewCount[3] = 2;
        s.CrewWage[3] = 500;
        s.CrewDebt[3] = 5000;
        s.CrewMood[3] = 1;
        show(ScreenId::Crew);
    }
    void enter(const Button& button, const std::string& typed) {
        answerInput(typed);
        click(button);
    }
};

TEST_F(Crew, ShowsWagesDebtAndMood) {
    EXPECT_EQ(crew.caption, "Crew");
    EXPECT_EQ(crew.CashL.text, "Money: £3000");
    EXPECT_EQ(crew.WageL.text, "£500");
    EXPECT_EQ(crew.CrewL.text, "No of Crew: 2");
    EXPECT_EQ(crew.DebtL.text, "Crew Wages Owed: £5000");
    EXPECT_EQ(crew.TotalL.text, "Wages Per Turn (Total): £1000");
    EXPECT_EQ(crew.SentL.text, "UnHappy");
    EXPECT_EQ(s.CrewMood[3], 3);  // the screen keeps the mood it worked out
}

TEST_F(Crew, MoodFollowsTheWholeTurnsUnpaidAndPast8KeepsTheLastOne) {
    const char* const words[] = {"Jubilant", "Jubilant", "Happy",   "Happy", "UnHappy",
                                 "UnHappy",  "Annoyed",  "Annoyed", "Angry"};
    for (int m = 0; m <= 8; ++m) {
        s.CrewDebt[3] = m * 1000 + 999;  // a part turn does not count
        show(ScreenId::Crew);
        EXPECT_EQ(crew.SentL.text, words[m]) << m << " turns";
        EXPECT_EQ(s.CrewMood[3], m / 2 + 1) << m << " turns";
    }
    s.CrewMood[3] = 2;  // whatever it last was stays
    for (int debt : {9000, 500000}) {
        s.CrewDebt[3] = debt;
        show(ScreenId::Crew);
        EXPECT_EQ(crew.SentL.text, "Happy") << debt;
        EXPECT_EQ(s.CrewMood[3], 2);
    }
    // Without crew there are no unpaid turns to count: the mood stays too.
    s.CrewCount[3] = 0;
    s.CrewDebt[3] = 0;
    show(ScreenId::Crew);
    EXPECT_EQ(crew.SentL.text, "Happy");
    EXPECT_EQ(crew.TotalL.text, "Wages Per Turn (Total): £0");
}

TEST_F(Crew, PayCrewOffersTheMostTheCashCovers) {
    enter(crew.Button1, "1000");
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].caption, "Pay Crew");
    EXPECT_EQ(dialogs.inputs()[0].prompt, "How much of your crew debt do you want to pay off?");
    EXPECT_EQ(dialogs.inputs()[0].defaultText, "3000");
    EXPECT_EQ(s.CrewDebt[3], 4000);
    EXPECT_EQ(s.PlayerCash[3], 2000);
    EXPECT_EQ(crew.DebtL.text, "Crew Wages Owed: £4000");
    EXPECT_EQ(crew.CashL.text, "Money: £2000");

    s.PlayerCash[3] = 9000;
    enter(crew.Button1, "4000");  // the whole debt
    EXPECT_EQ(dialogs.inputs()[1].defaultText, "4000");
    EXPECT_EQ(s.CrewDebt[3], 0);
    EXPECT_EQ(crew.SentL.text, "Jubilant");
    EXPECT_EQ(takeMessages(), Texts{});
}

TEST_F(Crew, PayCrewWithNoMoneyAndNoDebtSaysBothAndAsksNothing) {
    s.PlayerCash[3] = 0;
    s.CrewDebt[3] = 0;
    click(crew.Button1);
    EXPECT_TRUE(dialogs.inputs().empty());
    EXPECT_EQ(takeMessages(), (Texts{"You do not have any money with which to pay your crew",
                                     "You do not owe your crew any money"}));
}

TEST_F(Crew, PayMaxPaysAllTheCashShortOfTheDebtAndNeverAddsToIt) {
    click(crew.Button4);
    EXPECT_EQ(s.CrewDebt[3], 2000);  // the rest stays owed
    EXPECT_EQ(s.PlayerCash[3], 0);
    EXPECT_EQ(crew.SentL.text, "Happy");
    const GameState before = s;
    click(crew.Button4);
    s.PlayerCash[3] = -700;
    click(crew.Button4);  // a debt in cash is not a payment
    s.PlayerCash[3] = 0;
    EXPECT_TRUE(s == before);
    s.PlayerCash[3] = 2500;
    click(crew.Button4);
    EXPECT_EQ(s.CrewDebt[3], 0);
    EXPECT_EQ(s.PlayerCash[3], 500);
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_TRUE(dialogs.confirms().empty());
}

// The crew's input box, fed bad amounts: the documented messages in order, the conversion
// error, and never a change.
TEST_F(Crew, BadAmountsAreRefusedAndChangeNothing) {
    const BadAmount cases[] = {
        {crew.Button1, "0", {kCannotPay}},
        {crew.Button1, "-1", {kCannotPay}},
        {crew.Button1, "-2147483648", {kCannotPay}},
        {crew.Button1, "3001", {kNoSuchMoney}},
        {crew.Button1, "5001", {kOverPay, kNoSuchMoney}},
        {crew.Button1, "2147483647", {kOverPay, kNoSuchMoney}},
        {crew.Button1, "99999999999", {}, kNotANumber},
        {crew.Button1, "1,000", {}, kNotANumber},
        {crew.Button1, "", {}, kNotANumber},
        {crew.Button1, std::nullopt, {}},
    };
    for (const BadAmount& bad : cases)
        expectRefused(bad);
    EXPECT_EQ(crew.DebtL.text, "Crew Wages Owed: £5000");
}

TEST(CrewRules, UnpaidTurnsNeedACrewThatCostsSomething) {
    const auto store = std::make_unique<GameState>();
    GameState& s = *store;
    s.CrewCount[4] = 3;
    s.CrewWage[4] = 500;
    s.CrewDebt[4] = 10499;  // 3499 each: 6 whole turns
    EXPECT_EQ(unpaidTurns(s, 4), Int(6));
    s.CrewWage[4] = 0;
    EXPECT_EQ(unpaidTurns(s, 4), std::nullopt);
    s.CrewWage[4] = 500;
    s.CrewCount[4] = 0;
    EXPECT_EQ(unpaidTurns(s, 4), std::nullopt);
    EXPECT_STREQ(moodWord(0), "");
    EXPECT_STREQ(moodWord(6), "");
}

}  // namespace
