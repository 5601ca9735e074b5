// quorvex-sample-saves: writes the saved games of every kind the loader must take (a new game,
// busy games, a game just before and just after a win, a long game past turn 400, a company
// owning something of everything) into a folder, as "Save Game" writes them. The fuzz targets'
// seeds in fuzz/corpus are these files.
#include <fstream>
#include <iostream>
#include <string>

#include "SampleGames.h"
#include "persist/SaveCodec.h"

namespace {

using namespace quorvex;
using namespace quorvex::sim;

void write(const std::string& folder, const std::string& name, const GameState& s) {
    const auto bytes = encodeGame(s);
    std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    std::cout << name << ": turn " << s.TurnNumber << ", " << bytes.size() << " bytes\n";
}

SimOptions busy(int turns, uint32_t seed) {
    SimOptions o;
    o.humans = 6;
    o.computers = 12;
    o.intelligence = 80;
    o.events = EventsChoice::Loads;
    o.turns = turns;
    o.seed = seed;
    o.policy = HumanPolicy::Computer;
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quorvex-sample-saves FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    SimOptions first;
    first.humans = 2;
    first.computers = 3;
    first.seed = 1;
    write(folder, "new-game", *playedGame(first));
    write(folder, "busy-turn-20", *playedGame(busy(20, 2)));
    // The last game turn's first display before somebody wins, and the display that shows it.
    auto previous = std::make_unique<GameState>();
    auto latest = std::make_unique<GameState>();
    playedGame(busy(1000, 3), [&](const GameState& s) {
        if (s == *latest) return;  // the end of the game is the last game turn's display
        *previous = *latest;
        *latest = s;
    });
    write(folder, "before-a-win", *previous);
    write(folder, "after-a-win", *latest);
    write(folder, "long-game-turn-450", *longGame(450, 4));
    write(folder, "every-kind-of-ownership", *ownershipGame(5));
    return 0;
}
