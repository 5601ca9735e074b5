#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvex::sim {

// How a human company plays when nobody sits at the machine.
enum class HumanPolicy {
    Idle,           // "Begin Turn", every question answered, "GO", the declared destination
    Computer,       // the computer companies' rules, then "GO" and the planet they chose
    Random,         // a curious person with no plan: any visible, enabled control, any answer
    Trader,         // a merchant: cargo space and fuel, buys cheap here, sells where it is wanted
    Industrialist,  // a trader who also builds mines and a factory that its sales office runs
};

// The "Random Events" choice of the new-game screen; None leaves the group unselected.
enum class EventsChoice { None, Few, Some, Many, Loads };

// One simulated game: the new-game screen's choices, how far to play and what to do at the end.
struct SimOptions {
    int humans = 1;         // 1..6: the item chosen in "No of Players"
    int computers = 0;      // 0..12; 0 leaves "Computer Players" unselected
    int intelligence = 40;  // 20, 40, 60 or 80
    EventsChoice events = EventsChoice::None;
    int turns = 0;  // game turns to play; 0 stops at the first turn's first ranking display
    uint32_t seed = 0;
    HumanPolicy policy = HumanPolicy::Idle;
    std::optional<std::string> saveFile;     // pressed "Save Game" with this name at the end
    std::optional<std::string> journalFile;  // the game's journal is written here
    bool verbose = false;
};

// Plays a journal again instead of a new game.
struct ReplayOptions {
    std::string journalFile;
    std::optional<std::string> dumpFile;  // the store at the end, in the save-file format
    bool verbose = false;
};

struct ParsedOptions {
    std::optional<SimOptions> options;    // empty when the command line is wrong or help was asked
    std::optional<ReplayOptions> replay;  // --replay: the only thing to do
    std::string error;                    // what is wrong, for the person at the terminal
    bool help = false;                    // --help: print the usage and stop
};

// Reads the command line (without the program name). With --replay only --dump and --verbose may
// follow; otherwise every option but --save, --journal and --verbose must be given exactly once; a
// value that is not one of the allowed ones is refused with a message that names the option and
// repeats the value as typed.
ParsedOptions parseOptions(const std::vector<std::string>& args);

std::string usage();

const char* eventsName(EventsChoice events);
const char* policyName(HumanPolicy policy);

}  // namespace quorvex::sim
