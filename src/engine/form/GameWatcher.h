#pragma once

#include <string>

#include "../journal/Record.h"
#include "../state/Int.h"

namespace quorvex {

// Hears what becomes of a game as a whole, for what a program keeps beside it (its autosaves,
// its history). A watcher only looks on: nothing it does goes back into the store, the screens
// or the journal, so a game plays the same with or without one. Every call has a default that
// does nothing.
class GameWatcher {
public:
    virtual ~GameWatcher() = default;

    // Every record of the journal as it is made: the seeds, the person's actions, the boxes
    // shown with their answers.
    virtual void heard(const Record&) {}
    // The next box is news for this company (1..18), not for the one at the machine.
    virtual void concerning(Int /*company*/) {}
    // A new game's first ranking display is about to start game turn 1.
    virtual void gameBegins() {}
    // A ranking display has finished: the ranking shows the store as it now stands.
    virtual void rankingShown() {}
    // The whole store was written to this file ("Save Game").
    virtual void saved(const std::string& /*file*/) {}
    // The store was replaced by the game read from this file ("Load Game"), and its ranking shown.
    virtual void loaded(const std::string& /*file*/) {}
    // A step of the game has ended, completed or undone (a person's action, the program's
    // start): the place for whatever the watcher does on the disk or on the screen.
    virtual void actionDone() {}
};

}  // namespace quorvex
