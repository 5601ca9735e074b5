#pragma once

#include <memory>

#include "ScriptedDialogs.h"
#include "ScriptedRandom.h"
#include "app/TGameMenu.h"
#include "app/TNGScreen.h"
#include "form/Game.h"
#include "turn/TRankingScreen.h"

namespace quorvex::testing {

// A game for tests: scripted dialogs, and a generator that is either the game's own with a fixed
// seed or a script.
struct TestGame {
    ScriptedDialogs dialogs;
    Game game{dialogs, std::make_unique<LcgRandom>(12345)};
    GameState& s = game.state;

    // Plays the new-game screen as a person would: humans and computers chosen (0 = none),
    // "Start" pressed. Leaves the game at the first human turn's ranking display.
    void startNewGame(int humans, int computers, int intelligenceIndex = 1, int eventsIndex = 0,
                      uint32_t seed = 12345) {
        game.clockSeed = [seed] { return seed; };
        game.start();
        game.act(actionClick(game.GameMenu().Button2));
        auto& ng = game.NGScreen();
        game.act(actionChoose(ng.NOP, humans - 1));
        if (computers > 0) game.act(actionChoose(ng.Comps, computers - 1));
        game.act(actionChoose(ng.Compint, intelligenceIndex));
        game.act(actionChoose(ng.Events, eventsIndex));
        game.act(actionClick(ng.Button1));
    }

    void useScript(std::unique_ptr<ScriptedRandom> script) { game.setGenerator(std::move(script)); }
};

}  // namespace quorvex::testing
