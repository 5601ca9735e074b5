#include "GameKeeper.h"

#include <cstdio>
#include <filesystem>
#include <utility>

#include "../form/Game.h"
#include "../journal/Journal.h"
#include "../persist/FileAccess.h"
#include "../state/Format.h"
#include "../turn/TRankingScreen.h"
#include "Autosave.h"
#include "HistoryFile.h"

namespace quorvex {
namespace {

// A history file is a few lines a game turn; anything this long is not one.
constexpr std::size_t kLongestHistory = 64u << 20;

std::span<const uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

std::vector<Record> autosaveJournalStart(uint32_t generatorSeed) {
    return {
        {RecordKind::Seed, {std::to_string(generatorSeed)}},
        actionRecord(Action::click(ScreenId::GameMenu, "Button1")),
        {RecordKind::OpenFile, {"answer", fileName(autosavePath("", 0))}},
        {RecordKind::Message, {"Loaded :)"}},
    };
}

GameKeeper::GameKeeper(Game& game, std::string folder, Dialogs& person)
    : game_(game), folder_(std::move(folder)), person_(person), history_(game.state) {
    game_.setWatcher(this);
}

GameKeeper::~GameKeeper() {
    game_.setWatcher(nullptr);
}

void GameKeeper::heard(const Record& record) {
    if (journal_) {
        try {
            journal_->write(record);
        } catch (const std::exception& e) {
            journal_.reset();
            autosaveFailed(e.what());
        }
    }
    // Boxes shown before a game's first turn (the new-game screen's checks) belong to no game.
    if (isShownBox(record) && game_.state.TurnNumber >= 1) {
        history_.noteBox(game_.state.TurnNumber.get(), boxCompany(), record);
        addressee_ = 0;
    }
}

int GameKeeper::boxCompany() const {
    if (addressee_ != 0) return addressee_.get();
    const Int playing = game_.state.CurrentPlayer;
    return playing >= 1 && playing <= kCompanies ? playing.get() : 0;
}

void GameKeeper::concerning(Int company) {
    addressee_ = company;
}

void GameKeeper::gameBegins() {
    history_ = GameHistory(game_.state);
    note_.clear();
}

void GameKeeper::rankingShown() {
    history_.noteRanking(game_.state);
    displayed_ = true;
}

void GameKeeper::saved(const std::string& file) {
    const std::string path = historyPathFor(file);
    try {
        replaceFile(path, bytesOf(formatHistory(history_, game_.state)));
        note_.clear();
    } catch (const std::exception& e) {
        note_ = cat("The history could not be saved beside the game: ", e.what());
    }
}

void GameKeeper::loaded(const std::string& file) {
    readHistoryOf(file);
    // The load is told once its ranking has been shown: that ranking belongs to the history read.
    history_.noteRanking(game_.state);
}

void GameKeeper::readHistoryOf(const std::string& file) {
    const std::string path = historyPathFor(file);
    const GameState& s = game_.state;
    history_ = GameHistory(s);
    note_.clear();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        note_ =
            cat(fileName(file), " came without its history: it starts at turn ", s.TurnNumber, ".");
        return;
    }
    std::optional<GameHistory> read;
    try {
        const std::vector<uint8_t> bytes = readFileUpTo(path, kLongestHistory);
        if (bytes.size() <= kLongestHistory)
            read = parseHistory(std::string(bytes.begin(), bytes.end()), s);
    } catch (const FileError&) {
    }
    if (read)
        history_ = std::move(*read);
    else
        note_ = cat(fileName(path),
                    " is damaged or belongs to another save: the history starts at turn ",
                    s.TurnNumber, ".");
}

void GameKeeper::actionDone() {
    addressee_ = 0;
    if (!std::exchange(displayed_, false) || folder_.empty()) return;
    // Only a ranking that waits for "Begin Turn": an ended game is not saved over and over.
    if (game_.isVisible(ScreenId::RankingScreen) && game_.RankingScreen().BeginTurn.enabled)
        autosave();
}

void GameKeeper::autosave() {
    journal_.reset();
    try {
        std::error_code ec;
        std::filesystem::create_directories(folder_, ec);
        if (ec) throw FileError(cat("Cannot create folder \"", folder_, "\". ", ec.message()));
        writeAutosave(folder_, game_.state, formatHistory(history_, game_.state));
        startJournal();
        failing_ = false;
    } catch (const std::exception& e) {
        journal_.reset();
        autosaveFailed(e.what());
    }
}

// A journal that would not replay is worse than none: without the generator's state written
// down (a tool's own generator) the last one is removed instead.
void GameKeeper::startJournal() {
    const std::string path = autosaveJournalPath(folder_);
    const auto* generator = dynamic_cast<const LcgRandom*>(&game_.generator());
    if (generator == nullptr) {
        std::remove(path.c_str());
        return;
    }
    try {
        journal_ = std::make_unique<JournalWriter>(path);
        for (const Record& r : autosaveJournalStart(generator->currentSeed()))
            journal_->write(r);
    } catch (...) {
        std::remove(path.c_str());
        throw;
    }
}

void GameKeeper::autosaveFailed(const std::string& why) {
    if (failing_) return;
    failing_ = true;
    person_.message(cat("The game could not be saved automatically: ", why,
                        "\nThe game goes on; \"Save Game\" saves it where you choose."));
}

}  // namespace quorvex
