#pragma once

#include <memory>
#include <string>

#include "../form/Dialogs.h"
#include "../form/GameWatcher.h"
#include "GameHistory.h"

namespace quorvex {

class Game;
class JournalWriter;

// What the program keeps beside the game it plays, so that a game is never lost and can be
// looked back on:
// - the game's history (every company's net worth by game turn, every box shown), saved beside
//   each save as X.history and read back with it;
// - with a folder: at every ranking that waits for "Begin Turn", an autosave (autosave.Game and
//   its history, the three before kept as autosave-1 … autosave-3), and the journal of what is
//   played from there on (autosave.journal), so that the pair replays to the game in hand.
// It watches the game and never changes it: the store, the screens and the game's own journal
// are the same with or without it.
class GameKeeper final : public GameWatcher {
public:
    // Watches `game` from now on. `person` is told, once, when autosaving fails; straight, not
    // through the game, so the message is no part of the game's journal. An empty folder keeps
    // the history only.
    GameKeeper(Game& game, std::string folder, Dialogs& person);
    ~GameKeeper() override;
    GameKeeper(const GameKeeper&) = delete;
    GameKeeper& operator=(const GameKeeper&) = delete;

    const GameHistory& history() const { return history_; }
    // Why the history is shorter than the game, or could not be kept beside a save; empty when
    // there is nothing to say.
    const std::string& note() const { return note_; }
    const std::string& folder() const { return folder_; }

    void heard(const Record& record) override;
    void concerning(Int company) override;
    void gameBegins() override;
    void rankingShown() override;
    void saved(const std::string& file) override;
    void loaded(const std::string& file) override;
    void actionDone() override;

private:
    // The history saved beside the file, or a new one from the loaded store with a note why.
    void readHistoryOf(const std::string& file);
    void autosave();
    void startJournal();
    void autosaveFailed(const std::string& why);
    int boxCompany() const;

    Game& game_;
    std::string folder_;
    Dialogs& person_;
    GameHistory history_;
    std::string note_;
    std::unique_ptr<JournalWriter> journal_;
    Int addressee_;           // the company the next box is for; 0: the one at the machine
    bool displayed_ = false;  // a ranking display ran in the step in hand
    bool failing_ = false;    // autosaving fails, and the person has been told
};

// The records a journal beside an autosave starts with: the program's start with the generator
// as it stood at the autosave, and "Load Game" choosing the autosave (found beside the journal,
// so the replay runs in that folder). Replayed, they put the game where it was when saved.
std::vector<Record> autosaveJournalStart(uint32_t generatorSeed);

}  // namespace quorvex
