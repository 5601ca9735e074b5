#include "SimOptions.h"

#include <array>
#include <charconv>
#include <limits>
#include <map>
#include <set>

namespace quorvex::sim {
namespace {

constexpr std::array<const char*, 7> kRequired = {
    "--humans", "--computers", "--intelligence", "--events", "--turns", "--seed", "--human-policy"};

// Digits only, no sign, no spaces, no leading "+": a value typed at a terminal is either exactly
// a whole number in range or refused.
std::optional<uint64_t> wholeNumber(const std::string& text, uint64_t max) {
    if (text.empty() || text.size() > 20) return std::nullopt;
    for (char ch : text)
        if (ch < '0' || ch > '9') return std::nullopt;
    uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value > max) return std::nullopt;
    return value;
}

std::string refused(const std::string& option, const std::string& value, const std::string& want) {
    return option + ": '" + value + "' is not " + want;
}

}  // namespace

const char* eventsName(EventsChoice events) {
    switch (events) {
        case EventsChoice::None:
            return "none";
        case EventsChoice::Few:
            return "few";
        case EventsChoice::Some:
            return "some";
        case EventsChoice::Many:
            return "many";
        case EventsChoice::Loads:
            return "loads";
    }
    return "?";
}

const char* policyName(HumanPolicy policy) {
    switch (policy) {
        case HumanPolicy::Idle:
            return "idle";
        case HumanPolicy::Computer:
            return "computer";
        case HumanPolicy::Random:
            return "random";
        case HumanPolicy::Trader:
            return "trader";
        case HumanPolicy::Industrialist:
            return "industrialist";
    }
    return "?";
}

std::string usage() {
    return "usage: quorvex-sim --humans H --computers K --intelligence 20|40|60|80\n"
           "                   --events none|few|some|many|loads --turns N --seed S\n"
           "                   --human-policy idle|computer|random|trader|industrialist\n"
           "                   [--save FILE] [--journal FILE] [--verbose]\n"
           "       quorvex-sim --replay FILE [--dump FILE] [--verbose]\n"
           "\n"
           "Plays a whole game of Quorvex without windows, through the game's own screens.\n"
           "  --humans H         human companies, 1 to 6\n"
           "  --computers K      computer companies, 0 to 12\n"
           "  --intelligence I   computer intelligence in percent: 20, 40, 60 or 80\n"
           "  --events E         random events: none, few, some, many or loads\n"
           "  --turns N          game turns to play (0 stops at the first ranking display)\n"
           "  --seed S           the generator's seed, 0 to 4294967295\n"
           "  --human-policy P   idle: fly to the declared destination and nothing else;\n"
           "                     computer: play by the computer companies' rules;\n"
           "                     random: up to 40 actions at random a turn, every answer at\n"
           "                     random, the store checked after each (its own generator,\n"
           "                     seeded from --seed);\n"
           "                     trader: cargo space and fuel, sells what it carries where\n"
           "                     the demand screen ranks it best, buys the good that is\n"
           "                     cheapest here against its best price elsewhere;\n"
           "                     industrialist: a trader who, once its cash allows, buys a\n"
           "                     mine or two and rents a factory for their goods, which its\n"
           "                     sales office keeps supplied and sells\n"
           "  --save FILE        press \"Save Game\" at the end and save as FILE\n"
           "  --journal FILE     write the game's journal to FILE (see docs/journal.md)\n"
           "  --replay FILE      play the journal FILE again and check every box against it\n"
           "  --dump FILE        after --replay, write the store as \"Save Game\" would\n"
           "  --verbose          log every message, question and error of the game\n";
}

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    ParsedOptions result;
    std::map<std::string, std::string> values;
    SimOptions options;
    std::set<std::string> seen;

    static const std::set<std::string> kValued = {
        "--humans",       "--computers", "--intelligence", "--events", "--turns", "--seed",
        "--human-policy", "--save",      "--journal",      "--replay", "--dump"};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            result.help = true;
            return result;
        }
        if (!seen.insert(arg).second && (kValued.count(arg) || arg == "--verbose")) {
            result.error = arg + " is given more than once";
            return result;
        }
        if (arg == "--verbose") {
            options.verbose = true;
            continue;
        }
        if (!kValued.count(arg)) {
            result.error = "unknown option '" + arg + "'";
            return result;
        }
        if (i + 1 >= args.size()) {
            result.error = arg + " needs a value";
            return result;
        }
        values[arg] = args[++i];
    }
    for (const char* name : {"--save", "--journal", "--replay", "--dump"})
        if (values.count(name) && values[name].empty()) {
            result.error = std::string(name) + " needs a file name";
            return result;
        }
    if (values.count("--replay")) {
        for (const auto& [name, value] : values)
            if (name != "--replay" && name != "--dump") {
                result.error = name + " cannot be given with --replay";
                return result;
            }
        result.replay = ReplayOptions{values["--replay"], std::nullopt, options.verbose};
        if (values.count("--dump")) result.replay->dumpFile = values["--dump"];
        return result;
    }
    if (values.count("--dump")) {
        result.error = "--dump needs --replay";
        return result;
    }
    for (const char* name : kRequired)
        if (!values.count(name)) {
            result.error = std::string("missing option ") + name;
            return result;
        }

    const std::string& humans = values["--humans"];
    if (const auto n = wholeNumber(humans, 6); n && *n >= 1)
        options.humans = static_cast<int>(*n);
    else {
        result.error = refused("--humans", humans, "a number of human companies from 1 to 6");
        return result;
    }

    const std::string& computers = values["--computers"];
    if (const auto n = wholeNumber(computers, 12))
        options.computers = static_cast<int>(*n);
    else {
        result.error =
            refused("--computers", computers, "a number of computer companies from 0 to 12");
        return result;
    }

    const std::string& intelligence = values["--intelligence"];
    const auto level = wholeNumber(intelligence, 100);
    if (level && (*level == 20 || *level == 40 || *level == 60 || *level == 80))
        options.intelligence = static_cast<int>(*level);
    else {
        result.error = refused("--intelligence", intelligence, "one of 20, 40, 60, 80");
        return result;
    }

    const std::string& events = values["--events"];
    static const std::map<std::string, EventsChoice> kEvents = {{"none", EventsChoice::None},
                                                                {"few", EventsChoice::Few},
                                                                {"some", EventsChoice::Some},
                                                                {"many", EventsChoice::Many},
                                                                {"loads", EventsChoice::Loads}};
    if (const auto it = kEvents.find(events); it != kEvents.end())
        options.events = it->second;
    else {
        result.error = refused("--events", events, "one of none, few, some, many, loads");
        return result;
    }

    const std::string& turns = values["--turns"];
    if (const auto n = wholeNumber(turns, std::numeric_limits<int32_t>::max() - 1))
        options.turns = static_cast<int>(*n);
    else {
        result.error = refused("--turns", turns, "a number of game turns from 0 to 2147483646");
        return result;
    }

    const std::string& seed = values["--seed"];
    if (const auto n = wholeNumber(seed, std::numeric_limits<uint32_t>::max()))
        options.seed = static_cast<uint32_t>(*n);
    else {
        result.error = refused("--seed", seed, "a whole number from 0 to 4294967295");
        return result;
    }

    const std::string& policy = values["--human-policy"];
    if (policy == "idle")
        options.policy = HumanPolicy::Idle;
    else if (policy == "computer")
        options.policy = HumanPolicy::Computer;
    else if (policy == "random")
        options.policy = HumanPolicy::Random;
    else if (policy == "trader")
        options.policy = HumanPolicy::Trader;
    else if (policy == "industrialist")
        options.policy = HumanPolicy::Industrialist;
    else {
        result.error =
            refused("--human-policy", policy, "idle, computer, random, trader or industrialist");
        return result;
    }

    if (values.count("--save")) options.saveFile = values["--save"];
    if (values.count("--journal")) options.journalFile = values["--journal"];
    result.options = options;
    return result;
}

}  // namespace quorvex::sim
