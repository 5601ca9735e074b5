#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SimOptions.h"
#include "Simulator.h"

using namespace quorvex::sim;

namespace {

std::vector<std::string> goodLine() {
    return {"--humans", "2",          "--computers",    "12",      "--intelligence",
            "80",       "--events",   "loads",          "--turns", "250",
            "--seed",   "4294967295", "--human-policy", "computer"};
}

std::vector<std::string> with(std::vector<std::string> args, const std::string& option,
                              const std::string& value) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == option) args[i + 1] = value;
    return args;
}

std::vector<std::string> without(std::vector<std::string> args, const std::string& option) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == option) {
            args.erase(args.begin() + i, args.begin() + i + 2);
            break;
        }
    return args;
}

}  // namespace

TEST(SimOptions, ReadsEveryChoice) {
    auto args = goodLine();
    args.insert(args.end(), {"--save", "end.Game", "--verbose"});
    const ParsedOptions parsed = parseOptions(args);
    ASSERT_TRUE(parsed.options) << parsed.error;
    const SimOptions& o = *parsed.options;
    EXPECT_EQ(o.humans, 2);
    EXPECT_EQ(o.computers, 12);
    EXPECT_EQ(o.intelligence, 80);
    EXPECT_EQ(o.events, EventsChoice::Loads);
    EXPECT_EQ(o.turns, 250);
    EXPECT_EQ(o.seed, 4294967295u);
    EXPECT_EQ(o.policy, HumanPolicy::Computer);
    EXPECT_EQ(o.saveFile, "end.Game");
    EXPECT_TRUE(o.verbose);
}

TEST(SimOptions, OptionalPartsAndOtherValues) {
    auto args = with(with(with(with(goodLine(), "--events", "none"), "--human-policy", "idle"),
                          "--computers", "0"),
                     "--turns", "0");
    const ParsedOptions parsed = parseOptions(args);
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->events, EventsChoice::None);
    EXPECT_EQ(parsed.options->policy, HumanPolicy::Idle);
    EXPECT_EQ(parsed.options->computers, 0);
    EXPECT_EQ(parsed.options->turns, 0);
    EXPECT_FALSE(parsed.options->saveFile);
    EXPECT_FALSE(parsed.options->verbose);
    const ParsedOptions trading = parseOptions(with(goodLine(), "--human-policy", "trader"));
    ASSERT_TRUE(trading.options) << trading.error;
    EXPECT_EQ(trading.options->policy, HumanPolicy::Trader);

    for (const char* events : {"few", "some", "many"})
        EXPECT_TRUE(parseOptions(with(goodLine(), "--events", events)).options) << events;
    for (const char* level : {"20", "40", "60"})
        EXPECT_TRUE(parseOptions(with(goodLine(), "--intelligence", level)).options) << level;
    const auto industrialist = parseOptions(with(goodLine(), "--human-policy", "industrialist"));
    ASSERT_TRUE(industrialist.options) << industrialist.error;
    EXPECT_EQ(industrialist.options->policy, HumanPolicy::Industrialist);
}

TEST(SimOptions, RefusesBadLinesWithAMessageNamingTheProblem) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{}, "missing option --humans"},
        {without(goodLine(), "--seed"), "missing option --seed"},
        {without(goodLine(), "--human-policy"), "missing option --human-policy"},
        {with(goodLine(), "--humans", "0"), "--humans: '0' is not"},
        {with(goodLine(), "--humans", "7"), "--humans: '7' is not"},
        {with(goodLine(), "--computers", "13"), "--computers: '13' is not"},
        {with(goodLine(), "--computers", "-1"), "--computers: '-1' is not"},
        {with(goodLine(), "--intelligence", "50"), "--intelligence: '50' is not"},
        {with(goodLine(), "--intelligence", "80%"), "--intelligence: '80%' is not"},
        {with(goodLine(), "--events", "Loads"), "--events: 'Loads' is not"},
        {with(goodLine(), "--events", ""), "--events: '' is not"},
        {with(goodLine(), "--turns", "-1"), "--turns: '-1' is not"},
        {with(goodLine(), "--turns", "12x"), "--turns: '12x' is not"},
        {with(goodLine(), "--turns", " 12"), "--turns: ' 12' is not"},
        {with(goodLine(), "--turns", "+12"), "--turns: '+12' is not"},
        {with(goodLine(), "--turns", "2147483647"), "--turns: '2147483647' is not"},
        {with(goodLine(), "--turns", "99999999999999999999999"), "is not"},
        {with(goodLine(), "--seed", "4294967296"), "--seed: '4294967296' is not"},
        {with(goodLine(), "--seed", "1e6"), "--seed: '1e6' is not"},
        {with(goodLine(), "--human-policy", "smart"), "--human-policy: 'smart' is not"},
    };
    for (const Case& c : cases) {
        const ParsedOptions parsed = parseOptions(c.args);
        EXPECT_FALSE(parsed.options) << c.message;
        EXPECT_NE(parsed.error.find(c.message), std::string::npos)
            << "expected '" << c.message << "' in '" << parsed.error << "'";
    }

    auto twice = goodLine();
    twice.insert(twice.end(), {"--seed", "5"});
    EXPECT_EQ(parseOptions(twice).error, "--seed is given more than once");
    auto unknown = goodLine();
    unknown.push_back("--fast");
    EXPECT_EQ(parseOptions(unknown).error, "unknown option '--fast'");
    auto dangling = goodLine();
    dangling.push_back("--save");
    EXPECT_EQ(parseOptions(dangling).error, "--save needs a value");
    auto emptySave = goodLine();
    emptySave.insert(emptySave.end(), {"--save", ""});
    EXPECT_EQ(parseOptions(emptySave).error, "--save needs a file name");
}

TEST(SimOptions, AJournalToWriteOrToReplay) {
    auto journalled = with(goodLine(), "--human-policy", "random");
    journalled.insert(journalled.end(), {"--journal", "j.txt"});
    const ParsedOptions parsed = parseOptions(journalled);
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->policy, HumanPolicy::Random);
    EXPECT_EQ(parsed.options->journalFile, "j.txt");
    EXPECT_FALSE(parsed.replay);

    const ParsedOptions replay =
        parseOptions({"--replay", "j.txt", "--dump", "b.Game", "--verbose"});
    ASSERT_TRUE(replay.replay) << replay.error;
    EXPECT_FALSE(replay.options);
    EXPECT_EQ(replay.replay->journalFile, "j.txt");
    EXPECT_EQ(replay.replay->dumpFile, "b.Game");
    EXPECT_TRUE(replay.replay->verbose);

    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--replay", "j.txt", "--seed", "3"}, "--seed cannot be given with --replay"},
        {{"--replay", ""}, "--replay needs a file name"},
        {{"--replay", "j.txt", "--dump", ""}, "--dump needs a file name"},
        {[] {
             auto args = goodLine();
             args.insert(args.end(), {"--dump", "b.Game"});
             return args;
         }(),
         "--dump needs --replay"},
        {[] {
             auto args = goodLine();
             args.insert(args.end(), {"--journal", ""});
             return args;
         }(),
         "--journal needs a file name"},
    };
    for (const auto& [args, message] : refused) {
        const ParsedOptions p = parseOptions(args);
        EXPECT_FALSE(p.options || p.replay) << message;
        EXPECT_EQ(p.error, message);
    }
}

TEST(SimCommandLine, AReplayThatCannotBeReadOrDivergesExitsWithOne) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto missing = (dir / "quorvex-no-such.journal").string();
    std::ostringstream out, err;
    EXPECT_EQ(runSim({"--replay", missing}, out, err), 1);
    EXPECT_EQ(err.str(), "quorvex-sim: the journal \"" + missing + "\" cannot be read\n");

    const auto wrong = dir / "quorvex-wrong.journal";
    std::ofstream(wrong) << "quorvex-journal\t1\nseed\t5\naction\tTBank\tButton1\tclick\n";
    std::ostringstream out2, err2;
    EXPECT_EQ(runSim({"--replay", wrong.string()}, out2, err2), 1);
    EXPECT_EQ(err2.str(),
              "replay diverged at line 3: expected action\tTBank\tButton1\tclick, got a control "
              "that cannot take it now\n");
    std::filesystem::remove(wrong);
}

TEST(SimCommandLine, BadLineExitsWithUsageAndPlaysNothing) {
    std::ostringstream out, err;
    EXPECT_EQ(runSim(with(goodLine(), "--events", "lots"), out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("quorvex-sim: --events: 'lots' is not one of none, few, some, many, "
                             "loads"),
              std::string::npos);
    EXPECT_NE(err.str().find("usage: quorvex-sim"), std::string::npos);

    std::ostringstream helpOut, helpErr;
    EXPECT_EQ(runSim({"--help"}, helpOut, helpErr), 0);
    EXPECT_EQ(helpOut.str(), usage());
}
