#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../form/Dialogs.h"
#include "Journal.h"

namespace quorvex {

class Game;

// Plays a journal again through a game's own screens: the program's start, every action in
// order, every box answered from its record, and every box the game shows checked against the
// record, so that the first step where the game and the journal part is found and named.
//
//     Replay replay(readJournal(file));
//     Game game(replay.person());
//     const std::string failure = replay.run(game);   // empty when the whole journal replayed
class Replay {
public:
    explicit Replay(std::vector<JournalLine> lines);
    ~Replay();
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    // The person at the machine: answers every box from the journal. The game to replay must be
    // made with it.
    Dialogs& person();

    // Hears every record as it is replayed ("line 12: action ...").
    std::function<void(const std::string&)> trace;

    // Plays the whole journal on a game fresh from its constructor. Empty when it replayed to its
    // last line; otherwise "replay diverged at line N: expected <record>, got <what the game
    // did>".
    std::string run(Game& game);

private:
    class Person;
    std::unique_ptr<Person> person_;
};

}  // namespace quorvex
