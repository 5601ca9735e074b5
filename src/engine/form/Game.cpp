#include "Game.h"

#include <chrono>

#include "../state/GameError.h"
#include "Screen.h"

namespace quorvex {
namespace {

uint32_t seedFromClockTicks() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(ticks ^ (ticks >> 32));
}

}  // namespace

void JournalledDialogs::message(const std::string& text) {
    person_.message(text);
    write({RecordKind::Message, {text}});
}

bool JournalledDialogs::confirm(const std::string& text) {
    const bool yes = person_.confirm(text);
    write({RecordKind::Confirm, {text, yes ? "yes" : "no"}});
    return yes;
}

std::optional<std::string> JournalledDialogs::input(const std::string& caption,
                                                    const std::string& prompt,
                                                    const std::string& defaultText) {
    auto typed = person_.input(caption, prompt, defaultText);
    Record r{RecordKind::Input, {caption, prompt, defaultText}};
    if (typed) {
        r.fields.insert(r.fields.end(), {"answer", *typed});
    } else {
        r.fields.emplace_back("cancel");
    }
    write(std::move(r));
    return typed;
}

void JournalledDialogs::error(const std::string& text) {
    person_.error(text);
    write({RecordKind::Error, {text}});
}

std::optional<std::string> JournalledDialogs::saveFileName(const std::string& folder,
                                                           const std::string& filter) {
    auto name = person_.saveFileName(folder, filter);
    write(name ? Record{RecordKind::SaveFile, {"answer", *name}}
               : Record{RecordKind::SaveFile, {"cancel"}});
    return name;
}

std::optional<std::string> JournalledDialogs::openFileName(const std::string& folder,
                                                           const std::string& filter) {
    auto name = person_.openFileName(folder, filter);
    write(name ? Record{RecordKind::OpenFile, {"answer", *name}}
               : Record{RecordKind::OpenFile, {"cancel"}});
    return name;
}

Game::Game(Dialogs& person, std::unique_ptr<quorvex::Random> random)
    : journalledDialogs_(person, [this](const Record& r) { writeToJournal(r); }),
      dialogs(journalledDialogs_),
      clockSeed(seedFromClockTicks),
      random_(random ? std::move(random) : std::make_unique<LcgRandom>()) {
    screens_ = createScreens(*this);
}

Game::~Game() = default;

void Game::setGenerator(std::unique_ptr<quorvex::Random> random) {
    random_ = std::move(random);
}

void Game::seedFromClock() {
    const uint32_t seed = clockSeed();
    writeToJournal({RecordKind::Seed, {std::to_string(seed)}});
    random_->seed(seed);
}

void Game::start() {
    perform([this] { show(ScreenId::GameMenu); });
    settleTypedText();
}

Control* Game::actionTarget(const Action& action) const {
    if (!isVisible(action.screen)) return nullptr;
    const Screen& on = screen(action.screen);
    Control* target = on.find(action.control);
    if (target == nullptr && action.kind == ActionKind::Click) {
        // A pop-up menu's item is chosen by its own name.
        for (Control* c : on.controls())
            if (c->kind() == ControlKind::PopupMenu &&
                static_cast<PopupMenu*>(c)->item(action.control) != nullptr)
                target = c;
    }
    if (target == nullptr || !target->enabled || !target->visible || !target->takes(action))
        return nullptr;
    return target;
}

bool Game::act(const Action& action) {
    Control* target = actionTarget(action);
    if (target == nullptr) return false;
    journalTypedText();
    writeToJournal(actionRecord(action));
    // Whatever the person does next closes an open pop-up menu, unless it chooses from it;
    // typing is not something done while a menu is open.
    if (target->kind() != ControlKind::PopupMenu && action.kind != ActionKind::Text) closePopups();
    perform([target, &action] { target->take(action); });
    settleTypedText();
    return true;
}

void Game::journalTypedText() {
    for (const auto& screen : screens_)
        for (Control* c : screen->controls()) {
            if (c->kind() != ControlKind::Edit) continue;
            auto* edit = static_cast<Edit*>(c);
            if (edit->readOnly || edit->text == edit->journalled) continue;
            writeToJournal(actionRecord(Action::typed(screen->id(), edit->name(), edit->text)));
            edit->journalled = edit->text;
        }
}

void Game::settleTypedText() {
    for (const auto& screen : screens_)
        for (Control* c : screen->controls())
            if (c->kind() == ControlKind::Edit) {
                auto* edit = static_cast<Edit*>(c);
                edit->journalled = edit->text;
            }
}

void Game::closePopups() {
    for (const auto& screen : screens_)
        for (Control* c : screen->controls())
            if (c->kind() == ControlKind::PopupMenu) static_cast<PopupMenu*>(c)->close();
}

Game::Views Game::rememberViews() const {
    Views views;
    for (const auto& screen : screens_)
        for (const Control* c : screen->controls())
            views.push_back(c->remember());
    return views;
}

void Game::recallViews(const Views& views) {
    auto next = views.begin();
    for (const auto& screen : screens_)
        for (Control* c : screen->controls())
            c->recall(*next++);
}

void Game::restoreVisibility(const std::array<bool, kScreenCount>& visible) {
    for (int i = 0; i < kScreenCount; ++i)
        if (visible_[i] != visible[i]) {
            visible_[i] = visible[i];
            if (onVisibilityChange) onVisibilityChange(static_cast<ScreenId>(i), visible_[i]);
        }
}

void Game::perform(const std::function<void()>& action) {
    if (depth_ > 0) {  // already inside an action: it is part of that one
        action();
        return;
    }
    // The copy to go back to lives as long as the game: a fresh 600 kB for every action would be
    // memory the system has to clear each time.
    if (!stateBefore_) stateBefore_ = std::make_unique<GameState>();
    *stateBefore_ = state;
    const auto visibleBefore = visible_;
    const Views viewsBefore = rememberViews();
    const auto undo = [&] {
        state = *stateBefore_;
        recallViews(viewsBefore);
        restoreVisibility(visibleBefore);
    };
    struct Depth {
        int& d;
        explicit Depth(int& d) : d(d) { ++d; }
        ~Depth() { --d; }
    };
    try {
        Depth guard(depth_);
        action();
    } catch (const ActionAborted&) {
        undo();
        throw;
    } catch (const std::exception& fault) {
        // A GameError is a documented stop ("Integer overflow", "Range check error"); anything
        // else is a fault of the program. Either way the person keeps the game as it was.
        undo();
        dialogs.error(fault.what());
    }
    watcher_->actionDone();
}

void Game::show(ScreenId id) {
    visible_[static_cast<int>(id)] = true;
    if (onVisibilityChange) onVisibilityChange(id, true);
    screen(id).FormShow();
}

void Game::hide(ScreenId id) {
    visible_[static_cast<int>(id)] = false;
    if (onVisibilityChange) onVisibilityChange(id, false);
}

void Game::hideAllBut(ScreenId keep) {
    for (int i = 0; i < kScreenCount; ++i) {
        const auto id = static_cast<ScreenId>(i);
        if (id != keep && isVisible(id)) hide(id);
    }
}

}  // namespace quorvex
