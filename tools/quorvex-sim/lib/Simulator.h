#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "HumanPlayer.h"
#include "SimDialogs.h"
#include "SimOptions.h"
#include "form/Game.h"
#include "journal/Journal.h"

namespace quorvex::sim {

// The ranking as it stands once a game turn has been played (read at the next turn's first
// ranking display).
struct TurnReport {
    int turn = 0;  // the game turn that has been played
    int activeCompanies = 0;
    int leader = 0;  // company at the head of the ranking; 0 when nobody is left
    std::string leaderName;
    int32_t leaderNetWorth = 0;
};

// "turn 12: 13 active, leader B £1234567"
std::string formatReport(const TurnReport& report);

enum class SimStatus {
    Playing,      // not stopped yet
    TurnsPlayed,  // the turns asked for were played
    GameEnded,    // "Begin Turn" was disabled: somebody won or too few companies are left
    EngineError,  // the game showed an error box
    Stuck,        // a click did not lead where a person's click leads
    Broken,       // the store broke one of its relations, or a stopped action changed it
};

struct SimResult {
    SimStatus status = SimStatus::Playing;
    int turnsPlayed = 0;  // whole game turns played
    int gameTurn = 0;     // the game turn the run stopped in
    std::string text;     // the error, why it got stuck, or the game's last message at its end
    bool ok() const { return status == SimStatus::TurnsPlayed || status == SimStatus::GameEnded; }
};

// Plays a game with no windows through the game's own screens, making the clicks a person makes
// in the order a person makes them, so a game with the same seed and choices draws exactly as it
// would at the machine. Every click runs inside Game::perform, as the window layer runs it.
class Simulator {
public:
    // Throws std::runtime_error when the journal cannot be written.
    explicit Simulator(const SimOptions& options, std::ostream* log = nullptr);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    Game& game() { return game_; }
    const GameState& state() const { return game_.state; }
    SimDialogs& dialogs() { return dialogs_; }
    const SimOptions& options() const { return options_; }
    const SimResult& result() const { return result_; }
    HumanPlayer& player() { return *player_; }

    // The program's start: the main menu is shown (and seeds the generator with the chosen seed),
    // "New Game" draws the world, the choices are made and "Start" pressed. True once the ranking
    // screen has the game, standing at the first human company's "Begin Turn".
    bool start();

    // The program's start with a saved game: the main menu is shown (seeding the generator with
    // the chosen seed) and "Load Game" is pressed with the file chosen. Loaded: the ranking
    // screen shows the game; Refused: the load said why not and the game did not change; an
    // error of the game after the load stops the run (see result()).
    enum class LoadOutcome { Loaded, Refused, Failed };
    LoadOutcome load(const std::string& path);

    // The ranking screen is shown and "Begin Turn" can be pressed.
    bool waitingForHuman();
    // "Begin Turn" is disabled: the game has been won or has ended.
    bool gameOver();

    // One human company's turn by the chosen policy, from "Begin Turn" to the planet clicked on
    // the travel screen; the ranking display that follows finishes it and plays on to the next
    // human company. False when the run stopped (see result()).
    bool playHumanTurn();

    // start(), then human turns until the game turn after the last one asked for is reached or
    // the game ends. onTurn hears of every game turn played, in order.
    SimResult run(const std::function<void(const TurnReport&)>& onTurn = {});
    // Human turns from where the game stands until `turns` more game turns are played (counting
    // the one in progress) or the game ends.
    SimResult playOn(int turns, const std::function<void(const TurnReport&)>& onTurn = {});

    // "Save Game" on the ranking screen, answered with the chosen file name.
    bool save();

    TurnReport report(int turn) const;

    // The players' tools. One action of the person: it completes, or the game shows an error,
    // which stops the run; a control that cannot take it now means the run is stuck.
    bool act(const Action& action);
    // A step that is not a person's action (the computer companies' rules played for a human).
    bool step(const std::function<void()>& step);
    // From the hub: "GO", then the planet; the ranking display that follows ends the turn.
    bool flyTo(Int planet);
    // Stops the run; always false.
    bool stop(SimStatus status, std::string text);
    void log(const std::string& line);

private:
    SimOptions options_;
    std::ostream* log_;
    SimDialogs dialogs_;
    Game game_;
    SimResult result_;
    std::unique_ptr<JournalWriter> journal_;
    std::unique_ptr<HumanPlayer> player_;
};

// Plays a journal again (see docs/journal.md) and writes the store at its end when asked.
// Returns the exit status: 0 replayed, 1 diverged or failed.
int runReplay(const ReplayOptions& options, std::ostream& out, std::ostream& err);

// The whole tool: reads the command line, plays, writes one line per game turn and a last line
// with the time taken. Returns the exit status: 0 played, 1 the game failed, 2 a bad command line.
int runSim(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvex::sim
