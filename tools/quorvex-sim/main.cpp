// quorvex-sim: a developer's tool beside the game. It plays a whole game with no windows,
// through the same engine and screens, and reports every game turn.
#include <iostream>
#include <string>
#include <vector>

#include "Simulator.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return quorvex::sim::runSim(args, std::cout, std::cerr);
}
