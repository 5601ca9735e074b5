#include "RandomPlayer.h"

#include <unistd.h>

#include <filesystem>

#include "Invariants.h"
#include "Simulator.h"
#include "form/Game.h"
#include "form/Screen.h"
#include "persist/FileAccess.h"
#include "persist/SaveCodec.h"
#include "services/TPlanetScreen.h"
#include "services/TTravelscr.h"
#include "state/Format.h"
#include "state/GameError.h"
#include "turn/TRankingScreen.h"

namespace quorvex::sim {
namespace {

// Its own generator is the game's kind, started away from the game's seed.
constexpr uint32_t kOwnSeedShift = 0x9E3779B9u;

bool onStage(ScreenId id) {
    // The ranking and the main menu are between turns and beyond them.
    return id != ScreenId::GameMenu && id != ScreenId::RankingScreen;
}

std::string describe(const Action& a) {
    return formatRecord(actionRecord(a));
}

}  // namespace

RandomPlayer::RandomPlayer(Simulator& sim, uint32_t seed)
    : generator_(seed ^ kOwnSeedShift),
      saveFile_(
          (std::filesystem::temp_directory_path() /
           ("quorvex-random-" + std::to_string(::getpid()) + "-" + std::to_string(seed) + ".Game"))
              .string()) {
    SimDialogs& d = sim.dialogs();
    d.answerConfirm = [this](const std::string&) { return pick(2) == 0; };
    d.answerInput = [this](const std::string&, const std::string&,
                           const std::string& defaultText) -> std::optional<std::string> {
        if (pick(8) == 0) return std::nullopt;  // Cancel now and then
        return typedText(defaultText);
    };
}

// A mix of what a person might type: the offered amount, part of it, a small number, nothing
// sensible at all.
std::string RandomPlayer::typedText(const std::string& defaultText) {
    switch (pick(10)) {
        case 0:
        case 1:
            return defaultText;
        case 2:
            try {
                return str(readInt(defaultText) / 2);
            } catch (const GameError&) {
                return defaultText;
            }
        case 3:
            return std::to_string(pick(100) + 1);
        case 4:
            return "0";
        case 5:
            return "-" + std::to_string(pick(5000) + 1);
        case 6:
            return "99999999999";
        case 7:
            return "lots";
        case 8:
            return "";
        default:
            return "  " + std::to_string(pick(1000)) + " ";
    }
}

// Every action the screens in front would take now.
std::vector<Action> RandomPlayer::choices(const Game& game) const {
    std::vector<Action> all;
    const Control* hubClose = game.screen(ScreenId::PlanetScreen).wayBack();
    for (int i = 0; i < kScreenCount; ++i) {
        const auto id = static_cast<ScreenId>(i);
        if (!onStage(id) || !game.isVisible(id)) continue;
        for (const Control* c : game.screen(id).controls()) {
            if (!c->enabled || !c->visible || c == hubClose) continue;
            switch (c->kind()) {
                case ControlKind::Button:
                    all.push_back(actionClick(*c));
                    break;
                case ControlKind::Label:
                    // A planet of the travel screen ends the turn: that comes at the end.
                    if (static_cast<const Label*>(c)->clickable() && id != ScreenId::Travelscr)
                        all.push_back(actionClick(*c));
                    break;
                case ControlKind::Edit:
                    if (!static_cast<const Edit*>(c)->readOnly)
                        all.push_back(actionText(static_cast<const Edit&>(*c), {}));
                    break;
                case ControlKind::ListBox:
                case ControlKind::ComboBox:
                case ControlKind::RadioGroup:
                    if (!static_cast<const Choice*>(c)->items.empty())
                        all.push_back(actionChoose(static_cast<const Choice&>(*c), 0));
                    break;
                case ControlKind::CheckBox:
                    all.push_back(actionCheck(static_cast<const CheckBox&>(*c), false));
                    break;
                case ControlKind::StringGrid:
                    all.push_back(actionCell(static_cast<const StringGrid&>(*c), 0, 0));
                    break;
                case ControlKind::PageControl:
                    all.push_back(actionPage(static_cast<const PageControl&>(*c), 0));
                    break;
                case ControlKind::PopupMenu: {
                    const auto& menu = static_cast<const PopupMenu&>(*c);
                    if (menu.isOpen())
                        for (const auto& item : menu.items)
                            if (item.onClick) all.push_back(actionItem(menu, item.name));
                    break;
                }
                case ControlKind::ProgressBar:
                    break;
            }
        }
    }
    return all;
}

// One action at random among the choices, its values drawn now. An error box is allowed (a
// person types letters into an amount box), but the store must be as it was before the action.
bool RandomPlayer::randomAction(Simulator& sim) {
    Game& game = sim.game();
    std::vector<Action> all = choices(game);
    if (all.empty()) return true;
    Action a = all[static_cast<std::size_t>(pick(static_cast<int>(all.size())))];
    const Control* target = game.screen(a.screen).find(a.control);
    switch (a.kind) {
        case ActionKind::Text:
            a.text = typedText(std::to_string(pick(10000)));
            break;
        case ActionKind::Choose:
            a.index = pick(static_cast<int>(static_cast<const Choice*>(target)->items.size()));
            break;
        case ActionKind::Check:
            a.index = static_cast<const CheckBox*>(target)->checked ? 0 : 1;
            break;
        case ActionKind::Cell: {
            const auto* grid = static_cast<const StringGrid*>(target);
            if (pick(4) == 0) {
                a.kind = ActionKind::Press;  // the right button: the choice stays
            } else {
                a.col = pick(grid->colCount());
                a.row = pick(grid->rowCount());
            }
            break;
        }
        case ActionKind::Page:
            a.index = pick(static_cast<int>(static_cast<const PageControl*>(target)->tabs.size()));
            break;
        case ActionKind::Click:
        case ActionKind::Press:
            break;
    }

    if (!before_) before_ = std::make_unique<GameState>();
    GameState& before = *before_;
    before = game.state;
    const std::size_t errorsBefore = sim.dialogs().errors().size();
    if (!game.act(a)) return sim.stop(SimStatus::Stuck, "cannot " + describe(a));
    ++tally_.actions;
    ++tally_.byScreen[screenClassName(a.screen)];
    if (sim.dialogs().errors().size() > errorsBefore) {
        const std::string& error = sim.dialogs().errors().back();
        ++tally_.errors[error];
        if (!(game.state == before))
            return sim.stop(SimStatus::Broken, cat(describe(a), " was stopped with \"", error,
                                                   "\" but the store changed"));
    }
    // A loaded file may break a relation the game keeps yet be one the loader takes; what such a
    // store is judged by is that it plays. An action must never break a relation that held.
    const auto broken = checkInvariants(game.state);
    if (!broken.empty() && checkInvariants(before).empty())
        return sim.stop(SimStatus::Broken, describe(a) + ": " + broken.front());
    return true;
}

bool RandomPlayer::atRanking(Simulator& sim) {
    if (pick(10) != 0) return true;
    Game& game = sim.game();
    std::filesystem::remove(saveFile_);
    const std::size_t asked = sim.dialogs().saveDialogs();
    // Its own saves only: a save the simulator is asked for keeps the name it was given.
    sim.dialogs().answerSave = [this]() -> std::optional<std::string> {
        if (pick(6) == 0) return std::nullopt;
        return saveFile_;
    };
    const bool acted = sim.act(actionClick(game.RankingScreen().btnSave));
    sim.dialogs().answerSave = nullptr;
    if (!acted) return false;
    if (sim.dialogs().saveDialogs() == asked)
        return sim.stop(SimStatus::Stuck, "\"Save Game\" did not ask for a file name");
    if (!std::filesystem::exists(saveFile_)) return true;  // cancelled
    ++tally_.saves;
    // What was saved loads back as the store it was taken from.
    const auto loaded = decodeGame(readFileUpTo(saveFile_, kMaxSaveFileBytes));
    loaded->GameDir = game.state.GameDir;
    loaded->GameLoaded = game.state.GameLoaded;
    if (!(*loaded == game.state))
        return sim.stop(SimStatus::Broken, "a saved game did not load back equal: " + saveFile_);
    return true;
}

// The way back of whatever is in front, until the hub is.
bool RandomPlayer::backToHub(Simulator& sim) {
    Game& game = sim.game();
    for (int tries = 0; tries < 2 * kScreenCount && !game.isVisible(ScreenId::PlanetScreen);
         ++tries) {
        const Button* back = nullptr;
        for (int i = kScreenCount - 1; i >= 0 && back == nullptr; --i) {
            const auto id = static_cast<ScreenId>(i);
            if (!onStage(id) || !game.isVisible(id)) continue;
            const Button* b = game.screen(id).wayBack();
            if (b != nullptr && b->enabled && b->visible) back = b;
        }
        if (back == nullptr) break;
        if (!sim.act(actionClick(*back))) return false;
    }
    // Screens opened beside another (buy and sell beside the market) close with it.
    if (!game.isVisible(ScreenId::PlanetScreen))
        return sim.stop(SimStatus::Stuck, "no way back to the hub");
    return true;
}

bool RandomPlayer::playTurn(Simulator& sim) {
    Game& game = sim.game();
    const int actions = pick(kActionsPerTurn + 1);
    for (int i = 0; i < actions; ++i) {
        if (!randomAction(sim)) return false;
    }
    if (!backToHub(sim)) return false;
    return sim.flyTo(pick(kPlanets) + 1);
}

}  // namespace quorvex::sim
