#include "Screen.h"

#include "../state/Format.h"
#include "../state/GameError.h"
#include "Game.h"

namespace quorvex {

Screen::Screen(Game& game, ScreenId id, std::string caption)
    : caption(std::move(caption)), game(game), id_(id) {}

Control* Screen::find(std::string_view name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

void Screen::addControl(Control& control) {
    if (find(control.name()) != nullptr)
        throw std::logic_error("two controls named " + control.name() + " on " + caption);
    controls_.push_back(&control);
}

void Screen::setWayBack(Button& button) {
    if (wayBack_ != nullptr)
        throw std::logic_error("two ways back from " + caption + ": " + wayBack_->name() + " and " +
                               button.name());
    wayBack_ = &button;
}

Refusals Screen::refusals() {
    return Refusals(game.dialogs);
}

GameState& Screen::s() {
    return game.state;
}
const GameState& Screen::s() const {
    return game.state;
}
Int Screen::me() const {
    return game.state.CurrentPlayer;
}

void Screen::message(const std::string& text) {
    game.dialogs.message(text);
}

void Screen::messages(std::initializer_list<const char*> texts) {
    for (const char* text : texts)
        game.dialogs.message(text);
}

bool Screen::confirm(const std::string& text) {
    return game.dialogs.confirm(text);
}

std::optional<Int> Screen::askInt(const std::string& caption, const std::string& prompt,
                                  Int defaultValue) {
    const auto typed = game.dialogs.input(caption, prompt, str(defaultValue));
    if (!typed) return std::nullopt;
    return readInt(*typed);
}

void Screen::handOver(ScreenId next) {
    game.show(next);
    game.hide(id_);
}

void Screen::close() {
    game.hide(id_);
}

bool Screen::guidanceOn() const {
    const GameState& st = s();
    return st.HelpOn && (st.TurnNumber == 0 || st.TurnNumber == 1);
}

}  // namespace quorvex
