#include "SaveFile.h"

#include "../form/Game.h"
#include "../state/Format.h"
#include "FileAccess.h"
#include "SaveCodec.h"

namespace quorvex {

std::string adjustSaveName(const std::string& chosen) {
#ifdef _WIN32
    const std::size_t folderEnd = chosen.find_last_of("/\\");
#else
    const std::size_t folderEnd = chosen.rfind('/');
#endif
    // Only the file's own name counts: a folder called "My.Games" neither stands for the ending
    // nor is cut at its dot.
    const std::size_t fileStart = folderEnd == std::string::npos ? 0 : folderEnd + 1;
    if (chosen.find(".Game", fileStart) != std::string::npos) return chosen;
    const std::size_t dot = chosen.find('.', fileStart);
    return chosen.substr(0, dot) + ".Game";
}

void saveGame(Game& game) {
    const auto chosen = game.dialogs.saveFileName(game.state.GameDir, kSaveFilter);
    if (!chosen) return;
    const std::string name = adjustSaveName(*chosen);
    try {
        replaceFile(name, encodeGame(game.state));
    } catch (const SaveFormatError& e) {
        game.dialogs.error(cat("Cannot save to \"", name, "\": ", e.what()));
        return;
    } catch (const FileError& e) {
        game.dialogs.error(e.what());
        return;
    }
    game.dialogs.message("Game saved to " + name);
    game.watcher().saved(name);
}

void loadGame(Game& game) {
    const auto chosen = game.dialogs.openFileName(game.state.GameDir, kOpenFilter);
    if (!chosen) return;
    const std::string name = adjustSaveName(*chosen);

    // Read into a fresh store first: the game in hand is replaced only by a whole, sound file.
    std::unique_ptr<GameState> loaded;
    try {
        loaded = decodeGame(readFileUpTo(name, kMaxSaveFileBytes));
    } catch (const FileError& e) {
        game.dialogs.error(e.what());
        return;
    } catch (const SaveFormatError& e) {
        game.dialogs.error(cat("Cannot load \"", name, "\": ", e.what()));
        return;
    }

    loaded->GameDir = game.state.GameDir;  // this run's folder, not the saving run's
    game.state = *loaded;
    game.dialogs.message("Loaded :)");
    // The ranking's next display shows the game as it was saved and processes nothing.
    game.state.GameLoaded = true;
    game.watcher().loaded(name);

    // Whatever screens the game in hand had open belong to it; the loaded game starts at its
    // ranking, shown afresh even if it was open, so its display runs once for the loaded game.
    game.hideAllBut(ScreenId::GameMenu);
    game.show(ScreenId::RankingScreen);
}

}  // namespace quorvex
