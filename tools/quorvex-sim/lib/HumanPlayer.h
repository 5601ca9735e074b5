#pragma once

#include <memory>
#include <string>

#include "SimOptions.h"

namespace quorvex::sim {

class Simulator;

// How a human company plays when nobody sits at the machine: its turn from the hub that "Begin
// Turn" opened to the planet clicked on the travel screen, every step through the screens' own
// controls (Simulator::act) so that the game is journalled like any other.
class HumanPlayer {
public:
    virtual ~HumanPlayer() = default;
    // At the ranking display that waits for "Begin Turn"; false when the run stopped.
    virtual bool atRanking(Simulator&) { return true; }
    // The turn, ending with a planet clicked; false when the run stopped (the result says why).
    virtual bool playTurn(Simulator& sim) = 0;
    // Said once the game is over: what the company built, if the policy builds anything.
    virtual std::string closingNote(Simulator&) { return {}; }
};

std::unique_ptr<HumanPlayer> makeHumanPlayer(Simulator& sim, const SimOptions& options);

}  // namespace quorvex::sim
