// The keeper beside the game: an autosave at every ranking that waits for "Begin Turn", the
// three before it kept, one message when the folder cannot be written, the history saved and
// loaded beside a save, and a game that plays the same with it as without it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "journal/Journal.h"
#include "journal/Replay.h"
#include "keep/Autosave.h"
#include "keep/GameKeeper.h"
#include "keep/HistoryFile.h"
#include "persist/FileAccess.h"
#include "persist/SaveCodec.h"
#include "services/TPlanetScreen.h"
#include "services/TTravelscr.h"
#include "support/TestGame.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::TestGame;

// A folder of its own for each test, removed after it.
struct TempFolder {
    fs::path path;
    TempFolder() {
        path = fs::temp_directory_path() /
               ("quorvex-keep-" + std::to_string(::getpid()) + "-" + std::to_string(++made()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
    static int& made() {
        static int n = 0;
        return n;
    }
};

std::vector<uint8_t> fileBytes(const std::string& path) {
    return readFileUpTo(path, kMaxSaveFileBytes);
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The person at the machine ends the turn of the company to play: "Begin Turn", "GO", and the
// first planet that is not the ship's own.
void playHumanTurn(TestGame& t) {
    Game& g = t.game;
    if (t.s.TurnNumber <= 1 && !t.s.HelpOn) t.dialogs.answerConfirm(false);
    ASSERT_TRUE(g.act(actionClick(g.RankingScreen().BeginTurn)));
    ASSERT_TRUE(g.act(actionClick(g.PlanetScreen().Button1)));
    const int here = t.s.PlayerPlanet[t.s.CurrentPlayer].get();
    const std::string planet = "PLanet" + std::to_string(here == 1 ? 2 : 1);
    ASSERT_TRUE(g.act(Action::click(ScreenId::Travelscr, planet)));
    ASSERT_TRUE(g.isVisible(ScreenId::RankingScreen));
}

class Keeper : public ::testing::Test {
protected:
    TempFolder folder;
    TestGame t;
    std::unique_ptr<GameKeeper> keeper;
    // The save file's bytes at every ranking display that waited for "Begin Turn", latest last.
    std::vector<std::vector<uint8_t>> rankings;

    void keepIn(const std::string& dir) {
        keeper = std::make_unique<GameKeeper>(t.game, dir, t.dialogs);
    }
    void start() {
        t.startNewGame(2, 2);
        rankings.push_back(encodeGame(t.s));
    }
    void playTurns(int humanTurns) {
        for (int i = 0; i < humanTurns; ++i) {
            playHumanTurn(t);
            rankings.push_back(encodeGame(t.s));
        }
    }
};

TEST_F(Keeper, EveryRankingIsSavedAndTheThreeBeforeItAreKept) {
    keepIn(folder.path.string());
    start();
    EXPECT_EQ(fileBytes(autosavePath(folder.path.string(), 0)), rankings.back());
    EXPECT_FALSE(fs::exists(autosavePath(folder.path.string(), 1)));

    playTurns(6);  // three game turns of two people
    EXPECT_EQ(t.s.TurnNumber, 4);
    for (int generation = 0; generation <= kAutosaveBackups; ++generation) {
        const std::string path = autosavePath(folder.path.string(), generation);
        // Each one a sound save of the store as it stood at its ranking.
        const auto bytes = fileBytes(path);
        EXPECT_EQ(bytes, rankings[rankings.size() - 1 - generation]) << path;
        EXPECT_EQ(encodeGame(*decodeGame(bytes)), bytes) << path;
        EXPECT_TRUE(fs::exists(historyPathFor(path))) << path;
    }
    EXPECT_FALSE(fs::exists(autosavePath(folder.path.string(), 4)));
    EXPECT_TRUE(fs::exists(autosaveJournalPath(folder.path.string())));
    // Nothing but the autosaves, their histories and the journal: no temporary file left over.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 9);
    EXPECT_TRUE(t.dialogs.errors().empty());
}

// The pair a player hands over: autosave.journal replays, from autosave.Game beside it, to the
// game in hand, also in the middle of a turn.
TEST_F(Keeper, TheAutosaveAndItsJournalReplayToTheGameInHand) {
    keepIn(folder.path.string());
    start();
    playTurns(3);  // company 2 of game turn 2 is to play
    t.dialogs.answerConfirm(false);
    ASSERT_TRUE(t.game.act(actionClick(t.game.RankingScreen().BeginTurn)));
    ASSERT_TRUE(t.game.act(actionClick(t.game.PlanetScreen().Button1)));
    ASSERT_TRUE(t.game.isVisible(ScreenId::Travelscr));

    std::ifstream in(autosaveJournalPath(folder.path.string()));
    Replay replay(readJournal(in));
    Game replayed(replay.person());
    const fs::path before = fs::current_path();
    fs::current_path(folder.path);  // the journal names the autosave beside it
    const std::string failure = replay.run(replayed);
    fs::current_path(before);
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(replayed.state == t.s);
    EXPECT_TRUE(replayed.isVisible(ScreenId::Travelscr));
    // The generator too stands where it stood, so the rest of the turn draws the same.
    EXPECT_EQ(dynamic_cast<const LcgRandom&>(replayed.generator()).currentSeed(),
              dynamic_cast<const LcgRandom&>(t.game.generator()).currentSeed());
}

TEST_F(Keeper, AFolderThatCannotBeWrittenIsToldOnceAndTheGameGoesOn) {
    const std::string notAFolder = folder.file("taken");
    std::ofstream(notAFolder) << "a file where the folder should be";
    keepIn(notAFolder + "/saves");
    std::vector<Record> journal;
    t.game.setJournal([&journal](const Record& r) { journal.push_back(r); });

    start();
    playTurns(4);
    EXPECT_EQ(t.s.TurnNumber, 3);
    int told = 0;
    for (const std::string& m : t.dialogs.messages())
        if (m.rfind("The game could not be saved automatically: Cannot create folder", 0) == 0)
            ++told;
    EXPECT_EQ(told, 1);
    // The message is the program's, not the game's: the journal never hears of it.
    for (const Record& r : journal)
        for (const std::string& f : r.fields)
            EXPECT_EQ(f.find("saved automatically"), std::string::npos) << formatRecord(r);
    EXPECT_TRUE(t.dialogs.errors().empty());
}

TEST_F(Keeper, AnEndedGameIsNotSavedOverAndOver) {
    keepIn(folder.path.string());
    start();
    fs::remove(autosavePath(folder.path.string(), 0));
    t.s.PlayerActive[2] = false;
    t.s.PlayerActive[7] = false;
    t.s.PlayerActive[8] = false;  // only company 1 is left: the game ends at the next ranking
    playHumanTurn(t);
    EXPECT_FALSE(t.game.RankingScreen().BeginTurn.enabled);
    EXPECT_FALSE(fs::exists(autosavePath(folder.path.string(), 0)));
}

TEST(Autosave, AStoreNoSaveCanHoldMovesNoEarlierAutosave) {
    TempFolder folder;
    TestGame t;
    t.startNewGame(1, 1);
    GameState& s = t.s;
    s.TurnNumber = 1;
    writeAutosave(folder.path.string(), s, "first");
    s.TurnNumber = 2;
    writeAutosave(folder.path.string(), s, "second");
    s.PlayerName[1] = std::string(kMaxSavedTextLength + 1, 'x');
    EXPECT_THROW(writeAutosave(folder.path.string(), s, "third"), SaveFormatError);
    EXPECT_EQ(decodeGame(fileBytes(autosavePath(folder.path.string(), 0)))->TurnNumber, 2);
    EXPECT_EQ(decodeGame(fileBytes(autosavePath(folder.path.string(), 1)))->TurnNumber, 1);
    EXPECT_EQ(fileText(folder.file("autosave.history")), "second");
    EXPECT_EQ(fileText(folder.file("autosave-1.history")), "first");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 4);
}

// Loading the latest autosave, as a player does after a crash, again and again: its ranking is
// that autosave, so the three before it are kept, and the journal starts afresh from it.
TEST_F(Keeper, LoadingTheLatestAutosaveKeepsTheOnesBeforeIt) {
    keepIn(folder.path.string());
    start();
    playTurns(3);
    const std::string latest = autosavePath(folder.path.string(), 0);
    const auto backups = [&] {
        std::vector<std::vector<uint8_t>> files;
        for (int generation = 1; generation <= kAutosaveBackups; ++generation)
            files.push_back(fileBytes(autosavePath(folder.path.string(), generation)));
        return files;
    };
    const auto before = backups();
    for (int again = 0; again < 2; ++again) {
        t.dialogs.answerOpen(latest);
        ASSERT_TRUE(t.game.act(actionClick(t.game.GameMenu().Button1)));
        ASSERT_TRUE(t.game.isVisible(ScreenId::RankingScreen));
    }
    EXPECT_EQ(fileBytes(latest), rankings.back());
    EXPECT_EQ(backups(), before);
    EXPECT_EQ(fileText(autosaveJournalPath(folder.path.string())).find("action\tTRankingScreen"),
              std::string::npos);

    playTurns(1);  // the next ranking moves them on as ever
    EXPECT_EQ(fileBytes(autosavePath(folder.path.string(), 1)), rankings[rankings.size() - 2]);
    EXPECT_EQ(fileBytes(autosavePath(folder.path.string(), 2)), before[0]);
}

TEST_F(Keeper, TheHistoryGoesWithASaveAndComesBackWithIt) {
    keepIn("");  // the history alone
    start();
    playTurns(4);  // company 1 of game turn 3 is to play
    const std::string name = folder.file("game1");
    t.dialogs.answerSave(name);
    ASSERT_TRUE(t.game.act(actionClick(t.game.RankingScreen().btnSave)));
    ASSERT_TRUE(fs::exists(name + ".Game"));
    ASSERT_TRUE(fs::exists(name + ".history"));
    const GameHistory saved = keeper->history();
    ASSERT_EQ(saved.worth(1).size(), 3u);
    EXPECT_EQ(saved.worth(7).back().turn, 3);

    // The program starts again and loads the game: its history is back, to the turn.
    TestGame again;
    GameKeeper keeperAgain(again.game, "", again.dialogs);
    again.game.clockSeed = [] { return 99u; };
    again.game.start();
    again.dialogs.answerOpen(name + ".Game");
    ASSERT_TRUE(again.game.act(actionClick(again.game.GameMenu().Button1)));
    EXPECT_EQ(keeperAgain.note(), "");
    EXPECT_EQ(keeperAgain.history(), saved);
    EXPECT_EQ(saved.boxes().back().record,
              (Record{RecordKind::Message, {"Game saved to " + name + ".Game"}}));

    playHumanTurn(again);
    EXPECT_EQ(keeperAgain.history().worth(2).back().turn, 3);
    playHumanTurn(again);
    EXPECT_EQ(keeperAgain.history().worth(1).back().turn, 4);
    EXPECT_EQ(keeperAgain.history().worth(1).size(), 4u);

    // Without its history, a save's history starts at its turn.
    fs::remove(name + ".history");
    again.dialogs.answerOpen(name + ".Game");
    ASSERT_TRUE(again.game.act(actionClick(again.game.GameMenu().Button1)));
    EXPECT_EQ(keeperAgain.history().firstTurn(), 3);
    EXPECT_EQ(keeperAgain.history().worth(1),
              (std::vector<WorthPoint>{{3, saved.worth(1).back().netWorth}}));
    EXPECT_EQ(keeperAgain.note(), "game1.Game came without its history: it starts at turn 3.");
}

TEST_F(Keeper, NewsForACompanyIsItsOwnAndAnyOtherBoxIsTheCompanyAtTheMachine) {
    keepIn("");
    start();
    const std::size_t before = keeper->history().boxes().size();
    t.s.CurrentPlayer = 1;
    t.s.HumanTurn = true;
    t.game.world().tellCompany(2, "Your mine is empty");
    t.game.world().tellPlayingByName("You have run out of fuel");
    t.game.world().tellCompany(8, "A computer hears nothing");
    const auto& boxes = keeper->history().boxes();
    ASSERT_EQ(boxes.size(), before + 2);
    EXPECT_EQ(boxes[before].company, 2);
    EXPECT_EQ(boxes[before].record.fields[0], "Player 2Your mine is empty");
    EXPECT_EQ(boxes[before + 1].company, 1);
    EXPECT_EQ(boxes[before].turn, 1);
}

// The same game, seed for seed and click for click, with and without a keeper: the same store
// and the same journal, so autosaving is nothing the game or its replay can see.
TEST(KeeperWatchesOnly, AGamePlaysTheSameWithItAsWithout) {
    TempFolder folder;
    const auto play = [](const std::string& keepIn) {
        TestGame t;
        std::vector<std::string> journal;
        t.game.setJournal([&journal](const Record& r) { journal.push_back(formatRecord(r)); });
        std::unique_ptr<GameKeeper> keeper;
        if (!keepIn.empty()) keeper = std::make_unique<GameKeeper>(t.game, keepIn, t.dialogs);
        t.startNewGame(2, 3, 2, 3);
        for (int i = 0; i < 6; ++i)
            playHumanTurn(t);
        return std::make_pair(encodeGame(t.s), journal);
    };
    const auto without = play("");
    const auto with = play(folder.path.string());
    EXPECT_EQ(with.first, without.first);
    EXPECT_EQ(with.second, without.second);
    EXPECT_TRUE(fs::exists(autosavePath(folder.path.string(), 3)));
}

}  // namespace
}  // namespace quorvex
