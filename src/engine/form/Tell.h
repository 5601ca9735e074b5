#pragma once

#include <string>

#include "../state/Int.h"

namespace quorvex {

class Game;

// The game's news goes to people only; computer companies are settled in silence.

// To a human company (1..6), its name written directly before the text: the world update's
// messages.
void tellCompany(Game& game, Int company, const std::string& text);

// To the company at the machine, when it is a human one: the end of turn's messages, with the
// company's name run straight into the text.
void tellPlayingByName(Game& game, const std::string& text);

// The same without the name: the random events' news.
void tellPlaying(Game& game, const std::string& text);

}  // namespace quorvex
