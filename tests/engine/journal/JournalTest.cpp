// The journal: its lines read back as written, a game played by the random player replays to the
// same store, and a journal changed in one place parts from the game at exactly that line.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Simulator.h"
#include "journal/Journal.h"
#include "journal/Replay.h"
#include "state/Format.h"

using namespace quorvex;
using namespace quorvex::sim;

namespace {

using Texts = std::vector<std::string>;

TEST(JournalLines, FieldsWithTabsBreaksAndBackslashesReadBackAsWritten) {
    const Record records[] = {
        {RecordKind::Header, {"1"}},
        {RecordKind::Seed, {"4294967295"}},
        {RecordKind::Action, {"TNGScreen", "N1", "text", "Ajax\tFreight\\Co\nLtd"}},
        {RecordKind::Action, {"TNGScreen", "N1", "text", ""}},
        {RecordKind::Input, {"Borrow", "How much?", "50000", "answer", " 12 "}},
        {RecordKind::Message, {"\\t is not a tab"}},
        {RecordKind::Rules, {"computer"}},
    };
    for (const Record& r : records) {
        const std::string line = formatRecord(r);
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        EXPECT_EQ(parseRecord(line), r) << line;
    }
    EXPECT_EQ(formatRecord(records[2]), "action\tTNGScreen\tN1\ttext\tAjax\\tFreight\\\\Co\\nLtd");
    EXPECT_EQ(formatRecord(records[3]), "action\tTNGScreen\tN1\ttext\t");
}

TEST(JournalLines, WhatIsNoRecordIsRefused) {
    for (const char* line : {"", "Message\tupper case", "click\tTBank\tButton1", "message\tbad \\x",
                             "message\tends in \\", "quorvex-journal 1"})
        EXPECT_FALSE(parseRecord(line)) << line;

    const struct {
        const char* line;
        bool action;
    } actions[] = {
        {"action\tTBank\tButton2\tclick", true},
        {"action\tTBuy\tBuybox\ttext\t12", true},
        {"action\tTNGScreen\tNOP\tchoose\t-1", true},
        {"action\tTAdvertScr\tIPlanet3\tcheck\t1", true},
        {"action\tTMarketScr\tRtlGoods\tcell\t2\t5", true},
        {"action\tTMarketScr\tRtlGoods\tpress", true},
        {"action\tTWarescr\tPageControl1\tpage\t1", true},
        {"action\tTBank\tButton2\tclick\textra", false},
        {"action\tTBank\tButton2\tdrag", false},
        {"action\tTNowhere\tButton2\tclick", false},
        {"action\tTAdvertScr\tIPlanet3\tcheck\t2", false},
        {"action\tTNGScreen\tNOP\tchoose\tone", false},
        {"action\tTMarketScr\tRtlGoods\tcell\t2", false},
        {"action\tTBuy\tBuybox\ttext", false},
        {"action\tTBank\t\tclick", false},
    };
    for (const auto& a : actions)
        EXPECT_EQ(recordedAction(*parseRecord(a.line)).has_value(), a.action) << a.line;

    std::istringstream notAJournal("quorvex-journal\t2\nseed\t1\n");
    EXPECT_THROW(readJournal(notAJournal), std::runtime_error);
    std::istringstream broken("quorvex-journal\t1\nseed\t1\nmessage\tbad \\q\n");
    try {
        readJournal(broken);
        ADD_FAILURE() << "a broken line was read";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "line 3 is no record");
    }
}

// A game of three people playing at random against computer companies, with events, journalled.
struct RecordedGame : ::testing::Test {
    static inline std::string journal;
    static inline std::unique_ptr<GameState> end;

    static void SetUpTestSuite() {
        const auto path = std::filesystem::temp_directory_path() /
                          ("quorvex-journal-test-" + std::to_string(::getpid()) + ".txt");
        SimOptions o;
        o.humans = 3;
        o.computers = 4;
        o.intelligence = 60;
        o.events = EventsChoice::Many;
        o.turns = 12;
        o.seed = 11;
        o.policy = HumanPolicy::Random;
        o.journalFile = path.string();
        {
            Simulator sim(o);
            const SimResult r = sim.run();
            ASSERT_TRUE(r.ok()) << r.text;
            end = std::make_unique<GameState>(sim.state());
        }
        std::ifstream in(path, std::ios::binary);
        journal.assign(std::istreambuf_iterator<char>(in), {});
        std::filesystem::remove(path);
    }

    static std::string replay(const std::string& text, GameState* store = nullptr) {
        std::istringstream in(text);
        Replay replay(readJournal(in));
        Game game(replay.person());
        const std::string failure = replay.run(game);
        if (store != nullptr) *store = game.state;
        return failure;
    }
    static Texts lines() {
        Texts all;
        std::istringstream in(journal);
        for (std::string line; std::getline(in, line);)
            all.push_back(line);
        return all;
    }
    static std::string joined(const Texts& all) {
        std::string text;
        for (const auto& line : all)
            text += line + "\n";
        return text;
    }
};

TEST_F(RecordedGame, ReplaysToTheSameStore) {
    GameState replayed;
    EXPECT_EQ(replay(journal, &replayed), "");
    EXPECT_TRUE(replayed == *end);
    // The game was played, not only started: many actions, boxes and answers of every kind.
    const Texts all = lines();
    const auto count = [&](const char* word) {
        return std::count_if(all.begin(), all.end(),
                             [&](const std::string& l) { return l.rfind(word, 0) == 0; });
    };
    EXPECT_GT(count("action\t"), 200);
    EXPECT_GT(count("message\t"), 10);
    EXPECT_GT(count("confirm\t"), 2);
    EXPECT_GT(count("input\t"), 3);
}

// One character changed in what the game showed: the replay parts from the game at that very
// line, and says what it expected and what the game did. Changed in what the person did (an
// answer, an amount, a choice, the seed): the game follows the change, and the replay parts from
// the journal at a later line or ends in another store; never the same game.
TEST_F(RecordedGame, OneChangedCharacterIsNoticed) {
    const auto flipLast = [](std::string& l) { l.back() = l.back() == 'x' ? 'y' : 'x'; };
    const auto flipAnswer = [](std::string& l) {
        l = l.substr(0, l.rfind('\t')) + (l.back() == 's' ? "\tno" : "\tyes");
    };
    const auto nextDigit = [](std::string& l) { l.back() = l.back() == '9' ? '0' : l.back() + 1; };
    const struct {
        const char* startsWith;
        std::function<void(std::string&)> change;
        bool atThatLine;
    } edits[] = {
        {"message\t", flipLast, true},
        {"error\t", flipLast, true},
        {"confirm\t", flipAnswer, false},
        {"seed\t", nextDigit, false},
        {"action\tTNGScreen\tComps\tchoose\t", nextDigit, false},
    };
    const Texts all = lines();
    for (const auto& e : edits) {
        std::size_t at = 0;
        while (at < all.size() && all[at].rfind(e.startsWith, 0) != 0)
            ++at;
        ASSERT_LT(at, all.size()) << "no line starting " << e.startsWith;
        Texts changed = all;
        e.change(changed[at]);
        ASSERT_NE(changed[at], all[at]);
        GameState replayed;
        const std::string failure = replay(joined(changed), &replayed);
        if (e.atThatLine) {
            EXPECT_EQ(failure.rfind(cat("replay diverged at line ", static_cast<int>(at + 1),
                                        ": expected ", changed[at], ", got ", all[at]),
                                    0),
                      0u)
                << failure;
            continue;
        }
        if (failure.empty()) {
            EXPECT_FALSE(replayed == *end) << "changed line " << at + 1 << " went unnoticed";
            continue;
        }
        int line = 0;
        ASSERT_EQ(std::sscanf(failure.c_str(), "replay diverged at line %d", &line), 1) << failure;
        EXPECT_GT(line, static_cast<int>(at) + 1) << failure;
    }
}

TEST_F(RecordedGame, AJournalCutShortOrRunningOnIsNoReplay) {
    Texts all = lines();
    all.push_back("message\tone more");
    EXPECT_EQ(replay(joined(all)),
              cat("replay diverged at line ", static_cast<int>(all.size()),
                  ": expected message\tone more, got nothing more from the action before"));
    all.pop_back();
    // The last action's boxes are missing: the game shows one the journal does not hold.
    std::size_t lastAction = all.size() - 1;
    while (all[lastAction].rfind("action\t", 0) != 0)
        --lastAction;
    if (lastAction + 1 < all.size() && all[lastAction + 1].rfind("message\t", 0) == 0) {
        const std::string shown = all[lastAction + 1];
        all.resize(lastAction + 1);
        EXPECT_EQ(replay(joined(all)),
                  cat("replay diverged at line ", static_cast<int>(all.size() + 1),
                      ": expected the end of the journal, got ", shown));
    }
}

}  // namespace
