// A game's history: net worth by game turn as the rankings showed it, the boxes shown, and the
// text file that keeps them beside a save.

#include <gtest/gtest.h>

#include <memory>

#include "keep/GameHistory.h"
#include "keep/HistoryFile.h"

namespace quorvex {
namespace {

// A store with companies 1, 2 (people) and 7 (a computer) in the game at the given turn.
std::unique_ptr<GameState> storeAtTurn(int turn) {
    auto s = std::make_unique<GameState>();
    for (int c = 1; c <= kCompanies; ++c) {
        s->PlayerName[c] = c <= kHumanCompanies ? "Player " + std::to_string(c)
                                                : std::string(1, static_cast<char>('A' + c - 7));
        s->PlayerNetWorth[c] = kNotPlaying;
    }
    for (int c : {1, 2, 7})
        s->PlayerActive[c] = true;
    s->TurnNumber = turn;
    s->CurrentPlayer = 1;
    return s;
}

void rank(GameHistory& h, GameState& s, std::initializer_list<std::pair<int, int>> worths) {
    for (auto [c, w] : worths)
        s.PlayerNetWorth[c] = w;
    h.noteRanking(s);
}

TEST(History, TheLatestRankingOfATurnStandsForItAndACompanyThatLeftEndsWhereItLeft) {
    auto s = storeAtTurn(1);
    GameHistory h(*s);
    rank(h, *s, {{1, 100000}, {2, 90000}, {7, 80000}});
    rank(h, *s, {{1, 110000}, {2, 95000}, {7, 80000}});  // company 2's turn began: same game turn
    s->TurnNumber = 2;
    rank(h, *s, {{1, 120000}, {2, -5000}, {7, 81000}});
    s->PlayerActive[2] = false;  // bankrupt at the end of its turn
    rank(h, *s, {{1, 125000}, {2, kNotPlaying}, {7, 82000}});
    s->TurnNumber = 3;
    rank(h, *s, {{1, 130000}, {7, 83000}});

    EXPECT_EQ(h.firstTurn(), 1);
    EXPECT_EQ(h.lastTurn(), 3);
    EXPECT_EQ(h.worth(1), (std::vector<WorthPoint>{{1, 110000}, {2, 125000}, {3, 130000}}));
    EXPECT_EQ(h.worth(2), (std::vector<WorthPoint>{{1, 95000}, {2, -5000}}));
    EXPECT_EQ(h.worth(7), (std::vector<WorthPoint>{{1, 80000}, {2, 82000}, {3, 83000}}));
    EXPECT_TRUE(h.worth(3).empty());  // never in the game
    EXPECT_EQ(h.companyName(7), "A");
    EXPECT_EQ(h.companyName(0), "");
}

TEST(History, ANewGameStartsAtTurnOneAndNoPointGoesBackInTime) {
    auto s = storeAtTurn(0);
    GameHistory h(*s);
    EXPECT_EQ(h.firstTurn(), 1);
    EXPECT_EQ(h.lastTurn(), 1);
    EXPECT_TRUE(h.noteWorth(1, 4, 10));
    EXPECT_FALSE(h.noteWorth(1, 3, 20));  // before the company's last point
    EXPECT_FALSE(h.noteWorth(2, 0, 20));  // before the history's start
    EXPECT_FALSE(h.noteWorth(0, 4, 20));
    EXPECT_FALSE(h.noteWorth(19, 4, 20));
    EXPECT_EQ(h.worth(1), (std::vector<WorthPoint>{{4, 10}}));
    EXPECT_TRUE(h.worth(2).empty());
}

TEST(History, OnlyTheBoxesAPersonReadsAreKept) {
    GameHistory h;
    EXPECT_TRUE(h.noteBox(3, 1, {RecordKind::Message, {"AjaxYou have run out of fuel"}}));
    EXPECT_TRUE(h.noteBox(3, 0, {RecordKind::Error, {"Integer overflow"}}));
    EXPECT_FALSE(h.noteBox(3, 1, {RecordKind::SaveFile, {"answer", "/x.Game"}}));
    EXPECT_FALSE(h.noteBox(3, 1, {RecordKind::Seed, {"7"}}));
    EXPECT_FALSE(h.noteBox(3, 19, {RecordKind::Message, {"x"}}));
    ASSERT_EQ(h.boxes().size(), 2u);
    EXPECT_EQ(h.boxes()[1].company, 0);
}

TEST(History, EachBoxReadsAsItsKindTextAndAnswer) {
    struct Case {
        Record record;
        BoxText expected;
    };
    const std::vector<Case> cases = {
        {{RecordKind::Message, {"Loaded :)"}}, {"Message", "Loaded :)", ""}},
        {{RecordKind::Error, {"'x' is not a valid integer value"}},
         {"Error", "'x' is not a valid integer value", ""}},
        {{RecordKind::Confirm, {"Sure?", "yes"}}, {"Question", "Sure?", "Yes"}},
        {{RecordKind::Confirm, {"Sure?", "no"}}, {"Question", "Sure?", "No"}},
        {{RecordKind::Input, {"Borrow", "How much?", "5000", "answer", "20OO"}},
         {"Input", "How much?", "20OO"}},
        {{RecordKind::Input, {"Borrow", "How much?", "5000", "cancel"}},
         {"Input", "How much?", "(cancelled)"}},
    };
    for (const Case& c : cases) {
        const BoxText got = describeBox(c.record);
        EXPECT_EQ(got.kind, c.expected.kind) << formatRecord(c.record);
        EXPECT_EQ(got.text, c.expected.text) << formatRecord(c.record);
        EXPECT_EQ(got.answer, c.expected.answer) << formatRecord(c.record);
    }
}

TEST(HistoryFile, ItsNameStandsBesideTheSave) {
    EXPECT_EQ(historyPathFor("/home/a/My.Games/game1.Game"), "/home/a/My.Games/game1.history");
    EXPECT_EQ(historyPathFor("autosave-2.Game"), "autosave-2.history");
    EXPECT_EQ(historyPathFor("/x/game1.Game.bak"), "/x/game1.Game.bak.history");
}

// A history with names and texts that need escaping, saved beside its store.
struct SavedHistory {
    std::unique_ptr<GameState> store = storeAtTurn(2);
    GameHistory history;

    SavedHistory() {
        store->PlayerName[1] = "Tab\there\\and\nthere";
        store->TurnNumber = 1;
        history = GameHistory(*store);
        rank(history, *store, {{1, 100000}, {2, 100000}, {7, 100000}});
        history.noteBox(1, 1, {RecordKind::Confirm, {"Would you like\tsome help?", "no"}});
        store->TurnNumber = 2;
        store->CurrentPlayer = 2;
        rank(history, *store, {{1, 250000001}, {2, -99999998}, {7, 0}});
        history.noteBox(2, 2, {RecordKind::Input, {"Fuel", "How many?", "50", "cancel"}});
        history.noteBox(2, 0, {RecordKind::Message, {"Tab\there\\and\nthereYou have won"}});
    }
    std::string text() const { return formatHistory(history, *store); }
};

TEST(HistoryFile, AHistoryReadsBackAsItWasSaved) {
    SavedHistory saved;
    const auto read = parseHistory(saved.text(), *saved.store);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, saved.history);
    EXPECT_EQ(read->worth(1).back().netWorth, 250000001);
    EXPECT_EQ(read->boxes().size(), 3u);
}

TEST(HistoryFile, TheFileIsDocumentedText) {
    SavedHistory saved;
    const std::string text = saved.text();
    EXPECT_EQ(text.rfind("quorvex-history\t1\ngame\t2\t2\nstart\t1\ncompany\t1\t", 0), 0u);
    EXPECT_NE(text.find("company\t1\tTab\\there\\\\and\\nthere\n"), std::string::npos);
    EXPECT_NE(text.find("worth\t2\t2\t-99999998\n"), std::string::npos);
    EXPECT_NE(text.find("box\t2\t2\tinput\tFuel\tHow many?\t50\tcancel\n"), std::string::npos);
}

TEST(HistoryFile, AHistoryThatIsDamagedOrBelongsToAnotherSaveIsSetAside) {
    SavedHistory saved;
    const std::string good = saved.text();
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string t = good;
        const auto at = t.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return t.replace(at, from.size(), to);
    };
    struct Case {
        const char* what;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"empty", ""},
        {"another version", replaced("quorvex-history\t1", "quorvex-history\t2")},
        {"not a history", replaced("quorvex-history", "quorvex-journal")},
        {"saved at another turn", replaced("game\t2\t2", "game\t3\t2")},
        {"another company to play", replaced("game\t2\t2", "game\t2\t1")},
        {"another company's name", replaced("company\t2\tPlayer 2", "company\t2\tPlayer 9")},
        {"a start after the save", replaced("start\t1", "start\t3")},
        {"a point after the save", replaced("worth\t7\t2\t0", "worth\t7\t3\t0")},
        {"a point back in time", replaced("worth\t7\t2\t0", "worth\t7\t0\t0")},
        {"a net worth beyond 32 bits", replaced("worth\t7\t2\t0", "worth\t7\t2\t4294967296")},
        {"a number with letters", replaced("worth\t7\t2\t0", "worth\t7\t2\t0x")},
        {"an unknown line", good + "news\t1\n"},
        {"a bad escape", replaced("How many?", "How\\q many?")},
        {"a box that is no box", replaced("input\tFuel", "seed\tFuel")},
        {"a box of an unknown company", replaced("box\t2\t2", "box\t2\t44")},
        {"a line cut short", replaced("worth\t7\t2\t0", "worth\t7\t2")},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(parseHistory(c.text, *saved.store).has_value()) << c.what;
}

}  // namespace
}  // namespace quorvex
