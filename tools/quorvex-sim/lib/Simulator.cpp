#include "Simulator.h"

#include <chrono>
#include <exception>
#include <fstream>
#include <tuple>

#include "TraderPlayer.h"
#include "app/TGameMenu.h"
#include "app/TNGScreen.h"
#include "journal/Replay.h"
#include "persist/FileAccess.h"
#include "persist/SaveCodec.h"
#include "services/TPlanetScreen.h"
#include "services/TTravelscr.h"
#include "state/Format.h"
#include "turn/ComputerPlayer.h"
#include "turn/TRankingScreen.h"

namespace quorvex::sim {
namespace {

int intelligenceItem(int intelligence) {
    return intelligence / 20 - 1;  // "20%", "40%", "60%", "80%"
}

int eventsItem(EventsChoice events) {
    return static_cast<int>(events) - 1;  // "Few", "Some ", "Many", "Loads"; None chooses nothing
}

// What the traders did and how they stand: their trades, and each human company's net worth
// (0 at the start of a game) and whether it is still in the game.
std::string traderReport(Simulator& sim) {
    const auto& tally = static_cast<TraderPlayer&>(sim.player()).tally();
    std::string text = cat("traders: ", std::to_string(tally.purchases), " purchases for £",
                           std::to_string(tally.spent), ", ", std::to_string(tally.sales),
                           " sales for £", std::to_string(tally.earned), "\n");
    const GameState& s = sim.state();
    for (int i = 1; i <= sim.options().humans; ++i)
        text += cat("  company ", i, " (", s.PlayerName[i], "): net worth £", s.PlayerNetWorth[i],
                    s.PlayerActive[i] ? "" : ", out of the game", "\n");
    return text;
}

}  // namespace

std::string formatReport(const TurnReport& r) {
    std::string line = cat("turn ", r.turn, ": ", r.activeCompanies, " active");
    if (r.leader != 0)
        line += cat(", leader ", r.leaderName, " (company ", r.leader, ") £", r.leaderNetWorth);
    return line;
}

Simulator::Simulator(const SimOptions& options, std::ostream* log)
    : options_(options), log_(log), dialogs_(log), game_(dialogs_) {
    dialogs_.setSaveName(options.saveFile);
    const uint32_t seed = options.seed;
    game_.clockSeed = [seed] { return seed; };
    if (options.journalFile) {
        journal_ = std::make_unique<JournalWriter>(*options.journalFile);
        game_.setJournal([this](const Record& r) { journal_->write(r); });
    }
    player_ = makeHumanPlayer(*this, options);
}

Simulator::~Simulator() = default;

void Simulator::log(const std::string& line) {
    if (log_) *log_ << line << '\n';
}

bool Simulator::stop(SimStatus status, std::string text) {
    result_.status = status;
    result_.text = std::move(text);
    result_.gameTurn = game_.state.TurnNumber.get();
    return false;
}

// One action of the person: it completes, or the game puts everything back and shows an error,
// which ends the run. A control that cannot take the action now means the run is stuck.
bool Simulator::act(const Action& action) {
    const std::size_t errorsBefore = dialogs_.errors().size();
    if (!game_.act(action))
        return stop(SimStatus::Stuck, cat("cannot ", actionWord(action.kind), " ", action.control,
                                          " on ", screenClassName(action.screen)));
    if (dialogs_.errors().size() > errorsBefore)
        return stop(SimStatus::EngineError, dialogs_.errors().back());
    return true;
}

// A step that is not a person's action: the computer companies' rules played for a human one.
bool Simulator::step(const std::function<void()>& step) {
    const std::size_t errorsBefore = dialogs_.errors().size();
    game_.perform(step);
    if (dialogs_.errors().size() > errorsBefore)
        return stop(SimStatus::EngineError, dialogs_.errors().back());
    return true;
}

bool Simulator::start() {
    if (!step([&] { game_.start(); })) return false;
    if (!act(actionClick(game_.GameMenu().Button2))) return false;  // "New Game"
    if (!game_.isVisible(ScreenId::NGScreen))
        return stop(SimStatus::Stuck, "\"New Game\" did not open the new-game screen");

    TNGScreen& ng = game_.NGScreen();
    if (options_.humans >= 1 && !act(actionChoose(ng.NOP, options_.humans - 1))) return false;
    if (options_.computers >= 1 && !act(actionChoose(ng.Comps, options_.computers - 1)))
        return false;
    if (!act(actionChoose(ng.Compint, intelligenceItem(options_.intelligence)))) return false;
    if (options_.events != EventsChoice::None &&
        !act(actionChoose(ng.Events, eventsItem(options_.events))))
        return false;
    if (!act(actionClick(ng.Button1))) return false;  // "Start"
    if (!game_.isVisible(ScreenId::RankingScreen)) {
        std::string why = "the game did not start";
        if (!dialogs_.lastMessage().empty()) why += ": " + dialogs_.lastMessage();
        return stop(SimStatus::Stuck, why);
    }
    return true;
}

bool Simulator::waitingForHuman() {
    return game_.isVisible(ScreenId::RankingScreen) && game_.RankingScreen().BeginTurn.enabled;
}

bool Simulator::gameOver() {
    return !game_.RankingScreen().BeginTurn.enabled;
}

bool Simulator::playHumanTurn() {
    GameState& s = game_.state;
    if (!waitingForHuman())
        return stop(SimStatus::Stuck, "the ranking screen is not waiting for \"Begin Turn\"");
    const Int company = s.CurrentPlayer;
    const auto progressBefore = std::make_tuple(s.TurnNumber, s.TurnSlot);

    if (!player_->atRanking(*this)) return false;
    if (!act(actionClick(game_.RankingScreen().BeginTurn))) return false;
    if (!game_.isVisible(ScreenId::PlanetScreen))
        return stop(SimStatus::Stuck, "\"Begin Turn\" did not open the planet hub");
    if (!player_->playTurn(*this)) return false;

    // Every human turn moves the game on: a later place in the order, or a later game turn.
    if (!gameOver() && std::make_tuple(s.TurnNumber, s.TurnSlot) <= progressBefore)
        return stop(SimStatus::Stuck,
                    cat("the game did not move on after company ", company, "'s turn (turn ",
                        s.TurnNumber, ", slot ", s.TurnSlot, ")"));
    return true;
}

bool Simulator::flyTo(Int planet) {
    const GameState& s = game_.state;
    if (!act(actionClick(game_.PlanetScreen().Button1))) return false;  // "GO"
    if (!game_.isVisible(ScreenId::Travelscr))
        return stop(SimStatus::Stuck, "\"GO\" did not open the travel screen");
    if (log_)
        log(cat("company ", s.CurrentPlayer, " (", s.PlayerName[s.CurrentPlayer],
                ") flies to planet ", planet));
    if (!act(actionClick(game_.Travelscr().planetLabel(planet.get())))) return false;
    if (!game_.isVisible(ScreenId::RankingScreen) || game_.isVisible(ScreenId::Travelscr))
        return stop(SimStatus::Stuck, cat("clicking planet ", planet, " did not end the turn"));
    return true;
}

TurnReport Simulator::report(int turn) const {
    const GameState& s = game_.state;
    TurnReport r;
    r.turn = turn;
    for (int i = 1; i <= kCompanies; ++i) {
        if (!s.PlayerActive[i]) continue;
        ++r.activeCompanies;
        // Richest first; equal worth keeps the lower company number, as the ranking does.
        if (r.leader == 0 || s.PlayerNetWorth[i] > r.leaderNetWorth) {
            r.leader = i;
            r.leaderNetWorth = s.PlayerNetWorth[i].get();
        }
    }
    if (r.leader != 0) r.leaderName = s.PlayerName[r.leader];
    return r;
}

SimResult Simulator::run(const std::function<void(const TurnReport&)>& onTurn) {
    result_ = SimResult{};
    if (!start()) return result_;
    return playOn(options_.turns, onTurn);
}

SimResult Simulator::playOn(int turns, const std::function<void(const TurnReport&)>& onTurn) {
    const int first = game_.state.TurnNumber.get();
    const int last = first - 1 + turns;
    int nextToReport = first;  // the first game turn not yet reported
    for (;;) {
        const int current = game_.state.TurnNumber.get();
        for (; nextToReport < current; ++nextToReport)
            if (onTurn) onTurn(report(nextToReport));
        result_.turnsPlayed = current - first;
        result_.gameTurn = current;
        if (gameOver()) {
            result_.status = SimStatus::GameEnded;
            result_.text = dialogs_.lastMessage();
            return result_;
        }
        if (current > last) {
            result_.status = SimStatus::TurnsPlayed;
            return result_;
        }
        if (!playHumanTurn()) return result_;
    }
}

Simulator::LoadOutcome Simulator::load(const std::string& path) {
    result_ = SimResult{};
    if (!step([&] { game_.start(); })) return LoadOutcome::Failed;
    dialogs_.setOpenName(path);
    const std::size_t errorsBefore = dialogs_.errors().size();
    const bool clicked = game_.act(actionClick(game_.GameMenu().Button1));  // "Load Game"
    dialogs_.setOpenName(std::nullopt);
    if (!clicked) {
        stop(SimStatus::Stuck, "\"Load Game\" could not be pressed");
        return LoadOutcome::Failed;
    }
    const bool shown = game_.isVisible(ScreenId::RankingScreen);
    if (dialogs_.errors().size() == errorsBefore && shown) return LoadOutcome::Loaded;
    // A refusal comes from the load itself and leaves the game in hand as it was.
    const std::string why = dialogs_.errors().size() > errorsBefore ? dialogs_.errors().back()
                                                                    : "the ranking was not shown";
    if (!shown && (why.starts_with("Cannot load \"") || why.starts_with("Cannot open file \"") ||
                   why.starts_with("Cannot read file \""))) {
        stop(SimStatus::Playing, why);
        return LoadOutcome::Refused;
    }
    stop(shown ? SimStatus::Stuck : SimStatus::EngineError, why);
    return LoadOutcome::Failed;
}

bool Simulator::save() {
    const std::size_t asked = dialogs_.saveDialogs();
    if (!act(actionClick(game_.RankingScreen().btnSave))) return false;
    if (dialogs_.saveDialogs() == asked)
        return stop(SimStatus::Stuck, "\"Save Game\" did not ask for a file name");
    return true;
}

int runSim(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions parsed = parseOptions(args);
    if (parsed.help) {
        out << usage();
        return 0;
    }
    if (parsed.replay) return runReplay(*parsed.replay, out, err);
    if (!parsed.options) {
        err << "quorvex-sim: " << parsed.error << "\n\n" << usage();
        return 2;
    }
    const SimOptions& options = *parsed.options;
    try {
        Simulator sim(options, options.verbose ? &out : nullptr);
        const auto started = std::chrono::steady_clock::now();
        const SimResult result =
            sim.run([&](const TurnReport& r) { out << formatReport(r) << std::endl; });
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - started)
                            .count();
        if (result.status == SimStatus::EngineError) {
            err << "quorvex-sim: the game showed an error in game turn " << result.gameTurn << ": "
                << result.text << '\n';
            return 1;
        }
        if (result.status == SimStatus::Stuck) {
            err << "quorvex-sim: the game stopped making progress in game turn " << result.gameTurn
                << ": " << result.text << '\n';
            return 1;
        }
        if (result.status == SimStatus::Broken) {
            err << "quorvex-sim: the store broke in game turn " << result.gameTurn << ": "
                << result.text << '\n';
            return 1;
        }
        const std::string note = sim.player().closingNote(sim);
        if (sim.result().status == SimStatus::Broken) {
            err << "quorvex-sim: the store broke at the end: " << sim.result().text << '\n';
            return 1;
        }
        if (options.saveFile && !sim.save()) {
            err << "quorvex-sim: saving as " << *options.saveFile
                << " failed: " << sim.result().text << '\n';
            return 1;
        }
        if (options.policy == HumanPolicy::Trader || options.policy == HumanPolicy::Industrialist)
            out << traderReport(sim);
        if (result.status == SimStatus::GameEnded)
            out << "the game ended in game turn " << result.gameTurn << " after "
                << result.turnsPlayed << " game turns in " << ms << " ms: " << result.text << '\n';
        else
            out << result.turnsPlayed << " game turns in " << ms << " ms\n";
        out << note;
        return 0;
    } catch (const std::exception& e) {
        err << "quorvex-sim: unexpected failure: " << e.what() << '\n';
        return 1;
    }
}

int runReplay(const ReplayOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<JournalLine> lines;
    try {
        std::ifstream in(options.journalFile, std::ios::binary);
        if (!in) throw std::runtime_error("cannot be read");
        lines = readJournal(in);
    } catch (const std::exception& e) {
        err << "quorvex-sim: the journal \"" << options.journalFile << "\" " << e.what() << '\n';
        return 1;
    }
    const std::size_t records = lines.size();
    Replay replay(std::move(lines));
    if (options.verbose) replay.trace = [&out](const std::string& line) { out << line << '\n'; };
    Game game(replay.person());
    const std::string failure = replay.run(game);
    if (!failure.empty()) {
        err << failure << '\n';
        return 1;
    }
    if (options.dumpFile) {
        try {
            replaceFile(*options.dumpFile, encodeGame(game.state));
        } catch (const std::exception& e) {
            err << "quorvex-sim: cannot write \"" << *options.dumpFile << "\": " << e.what()
                << '\n';
            return 1;
        }
    }
    out << "replayed " << records << " records to game turn " << game.state.TurnNumber << '\n';
    return 0;
}

}  // namespace quorvex::sim
