#include "Autosave.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <span>

#include "../persist/FileAccess.h"
#include "../persist/SaveCodec.h"
#include "../state/Format.h"
#include "HistoryFile.h"

namespace quorvex {
namespace {

std::string inFolder(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// Moves a file over another; a file that is not there moves nothing and removes the one it would
// have replaced, so that no generation keeps a file of another generation beside it.
void moveOver(const std::string& from, const std::string& to) {
    if (!exists(from)) {
        std::remove(to.c_str());
        return;
    }
    if (std::rename(from.c_str(), to.c_str()) != 0)
        throw FileError(cat("Cannot create file \"", to, "\". ", std::strerror(errno)));
}

std::span<const uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Whether the file holds exactly these bytes; a file that cannot be read holds nothing.
bool holds(const std::string& path, const std::vector<uint8_t>& bytes) {
    try {
        return readFileUpTo(path, bytes.size()) == bytes;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace

std::string autosavePath(const std::string& folder, int generation) {
    return inFolder(folder, generation == 0 ? std::string("autosave.Game")
                                            : cat("autosave-", generation, ".Game"));
}

std::string autosaveJournalPath(const std::string& folder) {
    return inFolder(folder, "autosave.journal");
}

void writeAutosave(const std::string& folder, const GameState& s, const std::string& historyText) {
    const std::string latest = autosavePath(folder, 0);
    const std::vector<uint8_t> bytes = encodeGame(s);
    // The game loaded from the latest autosave is that autosave: the three before it stay.
    if (holds(latest, bytes)) {
        replaceFile(historyPathFor(latest), bytesOf(historyText));
        return;
    }
    StagedFile game(latest, bytes);
    StagedFile history(historyPathFor(latest), bytesOf(historyText));
    for (int generation = kAutosaveBackups; generation >= 1; --generation) {
        const std::string older = autosavePath(folder, generation - 1);
        const std::string newer = autosavePath(folder, generation);
        moveOver(older, newer);
        moveOver(historyPathFor(older), historyPathFor(newer));
    }
    game.putInPlace();
    history.putInPlace();
}

}  // namespace quorvex
