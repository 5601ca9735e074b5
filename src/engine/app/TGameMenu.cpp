#include "TGameMenu.h"

#include "../form/Game.h"
#include "../persist/SaveFile.h"

namespace quorvex {

TGameMenu::TGameMenu(Game& game) : Screen(game, ScreenId::GameMenu, "Quorvex") {
    Mission.text = kMissionText;
    Credits.text =
        "Quorvex. A game of trade among the twelve planets, for up to six companies at "
        "one machine.";
    game.state.GameLoaded = false;
}

void TGameMenu::FormShow() {
    game.seedFromClock();
}

// Whatever screens the game in hand had open belong to it; a loaded game starts at its ranking,
// shown afresh even if it was open, so that its display runs once for the loaded game.
void TGameMenu::Button1Click() {
    const auto file = loadGame(game);
    if (!file) return;
    game.hideAllBut(ScreenId::GameMenu);
    game.show(ScreenId::RankingScreen);
    // Said, and told, once the ranking shows the game: an error on the way would undo the load,
    // and nobody must hear of a load that did not happen.
    game.dialogs.message(kLoadedMessage);
    game.watcher().loaded(*file);
}

// The main menu stays open behind the new-game screen.
// The screens of a game in progress go, since the new-game screen replaces the whole store.
void TGameMenu::Button2Click() {
    game.hideAllBut(ScreenId::GameMenu);
    game.show(ScreenId::NGScreen);
}

void TGameMenu::Button3Click() {
    close();
}

}  // namespace quorvex
