#include "SaveFile.h"

#include <cstring>
#include <vector>

#include "../form/Game.h"
#include "../state/Format.h"
#include "FileAccess.h"
#include "SaveCodec.h"

namespace quorvex {
namespace {

// A save file read in blocks straight into the store's fields: no copy of the whole file is
// held, and a file far too long is found out at the first field that does not fit.
class FileSource final : public SaveSource {
public:
    explicit FileSource(const std::string& path) : file_(path), buffer_(kBlock) {}

    bool read(void* to, std::size_t n) override {
        auto* out = static_cast<uint8_t*>(to);
        const std::size_t fromBuffer = std::min(n, held_ - at_);
        if (fromBuffer != 0) std::memcpy(out, buffer_.data() + at_, fromBuffer);
        at_ += fromBuffer;
        out += fromBuffer;
        n -= fromBuffer;
        if (n == 0) return true;
        // Large fields go straight from the file into the store.
        if (n >= kBlock) return file_.read(out, n) == n;
        refill();
        if (held_ < n) {
            at_ = held_;
            return false;
        }
        std::memcpy(out, buffer_.data(), n);
        at_ = n;
        return true;
    }

    bool atEnd() override {
        if (at_ < held_) return false;
        refill();
        return held_ == 0;
    }

private:
    // Each read asks the system once, and that costs more than the copy: a block of 64 KB takes
    // the small fields in a few dozen reads, and stays below the size the allocator hands back
    // to the system at every load.
    static constexpr std::size_t kBlock = 64 * 1024;

    void refill() {
        held_ = file_.read(buffer_.data(), buffer_.size());
        at_ = 0;
    }

    FileReader file_;
    std::vector<uint8_t> buffer_;
    std::size_t held_ = 0;
    std::size_t at_ = 0;
};

}  // namespace

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

std::unique_ptr<GameState> readSavedGame(const std::string& path) {
    FileSource source(path);
    return decodeGame(source);
}

std::optional<std::string> loadGame(Game& game) {
    const auto chosen = game.dialogs.openFileName(game.state.GameDir, kOpenFilter);
    if (!chosen) return std::nullopt;
    const std::string name = adjustSaveName(*chosen);

    // Read into a fresh store first: the game in hand is replaced only by a whole, sound file.
    std::unique_ptr<GameState> loaded;
    try {
        loaded = readSavedGame(name);
    } catch (const FileError& e) {
        game.dialogs.error(e.what());
        return std::nullopt;
    } catch (const SaveFormatError& e) {
        game.dialogs.error(cat("Cannot load \"", name, "\": ", e.what()));
        return std::nullopt;
    }

    loaded->GameDir = game.state.GameDir;  // this run's folder, not the saving run's
    game.state = *loaded;
    // The ranking's next display shows the game as it was saved and processes nothing.
    game.state.GameLoaded = true;
    return name;
}

}  // namespace quorvex
