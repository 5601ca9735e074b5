// Saving and loading through the game's buttons: round trips, refused files, failed saves and
// the ranking display that follows a load.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cmath>
#include <functional>
#include <limits>

#include "SaveTestSupport.h"
#include "persist/SaveCodec.h"
#include "persist/SaveFile.h"
#include "support/TestGame.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

// A game in its first human turn: two humans, three computers.
struct SavedGame {
    TestGame t;
    TempDir dir;
    SavedGame() {
        t.startNewGame(2, 3);
        t.s.GameDir = dir.path + "/";
        t.dialogs.clear();
    }
    void save(const std::string& name) {
        t.dialogs.answerSave(name);
        t.game.act(actionClick(t.game.RankingScreen().btnSave));
    }
    void load(const std::string& name) {
        t.dialogs.answerOpen(name);
        t.game.act(actionClick(t.game.GameMenu().Button1));
    }
    std::array<bool, kScreenCount> visibility() const {
        std::array<bool, kScreenCount> v{};
        for (int i = 0; i < kScreenCount; ++i)
            v[i] = t.game.isVisible(static_cast<ScreenId>(i));
        return v;
    }
};

// Changes a store in many places, each field type included, to values a short test could miss:
// the extremes of 32 bits, doubles that are not short decimals, long texts with every byte.
void scribble(GameState& s) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += char(b);
    s.PlayerName[1] = std::string(2048, 'Q');
    s.PlayerName[2] = everyByte;
    s.PlayerName[18] = "";
    s.PlanetName[7] = "Gamma.Game";
    s.GoodName[25] = everyByte + everyByte;
    s.PlayerCash[1] = std::numeric_limits<int32_t>::max();
    s.PlayerLoan[2] = std::numeric_limits<int32_t>::min();
    s.LoanInterestRate[3] = 12.345678901234567;
    s.SavingsInterestRate[18] = -0.0;
    s.PlanetGrowthRate[1] = 1e-310;  // subnormal
    s.GoodWeight[25] = 1.0 / 3.0;
    s.GoodDemandRate[1] = 1e300;
    s.AdvRtlDemandPlanets(18, 12) = true;
    s.AdvIndAmountGood[5] = false;
    s.MineProduction(18, 12, 7, 5) = -123456;
    s.MineOutput(3, 4, 5) = 6;
    s.SalesFlagA(9, 9, 9) = false;
    s.FactoryProductReserved(17, 11, 18) = 42;
    s.EngineModelSpeed(5, 12) = 9;
    s.PlanetMinePrice(1, 1, 1) = 1000000000;
    s.CargoHold(18, 25) = 250;
    s.TurnOrder[1] = 2;
    s.TurnOrder[2] = 1;
    s.LoopL = -7;
    s.TradeColumn = 99;
    s.TradeRetail = true;
    s.FirstRound = !s.FirstRound;
    s.HelpOn = true;
    s.PlayerReserved[4] = 4;
    s.RecipeCost3[18] = 77;
}

}  // namespace

// --- Round trips

TEST(SaveRoundTrip, EveryFieldComesBackExactly) {
    SavedGame g;
    scribble(g.t.s);
    const auto bytes = encodeGame(g.t.s);
    const auto back = decodeGame(bytes);
    EXPECT_EQ(back->GameDir, "");  // not in the file
    EXPECT_FALSE(back->GameLoaded);
    back->GameDir = g.t.s.GameDir;
    back->GameLoaded = g.t.s.GameLoaded;
    EXPECT_TRUE(*back == g.t.s);
    EXPECT_EQ(encodeGame(*back), bytes);  // -0.0 and the subnormal keep their bits
    EXPECT_TRUE(std::signbit(back->SavingsInterestRate[18]));
}

TEST(SaveRoundTrip, AFlagByteOtherThanZeroOrOneReadsAsSet) {
    SavedGame g;
    auto bytes = encodeGame(g.t.s);
    const auto at = sectionsOf(g.t.s);
    bytes[at.a + 2610] = 7;       // AdvDone[1]
    bytes[at.c + 399584] = 0xFF;  // HelpOn
    const auto back = decodeGame(bytes);
    EXPECT_TRUE(back->AdvDone[1]);
    EXPECT_TRUE(back->HelpOn);
    const auto again = encodeGame(*back);  // and is written back as a proper 1
    EXPECT_EQ(again[at.a + 2610], 1);
    EXPECT_EQ(again[at.c + 399584], 1);
}

TEST(SaveRoundTrip, SaveThenLoadThroughTheButtons) {
    SavedGame g;
    scribble(g.t.s);
    const GameState before = g.t.s;

    g.save(g.dir / "game1");
    EXPECT_EQ(g.t.dialogs.log(),
              (std::vector<std::string>{"save dialog: " + g.t.s.GameDir + " *.Game|*.Game",
                                        "message: Game saved to " + g.dir / "game1.Game"}));
    EXPECT_TRUE(g.t.s == before);  // a save changes nothing
    EXPECT_EQ(readBytes(g.dir / "game1.Game"), encodeGame(before));
    EXPECT_EQ(g.dir.entries(), std::vector<std::string>{"game1.Game"});  // no temporary left

    // The game in hand moves on; then "game1.sav" reads game1.Game back, whole.
    g.t.s.PlayerCash[1] = 5;
    g.t.s.PlayerName[1] = "Other";
    g.t.s.GameDir = g.dir.path + "/elsewhere/";
    g.t.dialogs.clear();
    g.load(g.dir / "game1.sav");
    EXPECT_EQ(g.t.dialogs.log(),
              (std::vector<std::string>{"open dialog: " + g.dir.path + "/elsewhere/ *.GAME|*.GAME",
                                        "message: Loaded :)"}));
    EXPECT_EQ(g.t.s.GameDir, g.dir.path + "/elsewhere/");  // this run's folder stays
    EXPECT_FALSE(g.t.s.GameLoaded);                        // the ranking display has taken it
    GameState expected = before;
    expected.GameDir = g.t.s.GameDir;
    // The display restates the current company's place and worth, as it did when saved.
    expected.PlayerRank[1] = g.t.s.PlayerRank[1];
    expected.PlayerLastNetWorth[1] = g.t.s.PlayerNetWorth[1];
    EXPECT_TRUE(g.t.s == expected);
}

TEST(SaveRoundTrip, SavingAgainReplacesTheOldFile) {
    SavedGame g;
    g.save(g.dir / "g");
    g.t.s.PlayerCash[2] = 31337;
    g.save(g.dir / "g.Game");
    EXPECT_EQ(readBytes(g.dir / "g.Game"), encodeGame(g.t.s));
    EXPECT_EQ(g.dir.entries(), std::vector<std::string>{"g.Game"});
}

TEST(SaveRoundTrip, CancelledDialogsDoNothing) {
    SavedGame g;
    const GameState before = g.t.s;
    const auto shown = g.visibility();
    g.t.dialogs.cancelSave();
    g.t.game.act(actionClick(g.t.game.RankingScreen().btnSave));
    g.t.dialogs.cancelOpen();
    g.t.game.act(actionClick(g.t.game.GameMenu().Button1));
    EXPECT_TRUE(g.t.dialogs.messages().empty());
    EXPECT_TRUE(g.t.dialogs.errors().empty());
    EXPECT_TRUE(g.dir.entries().empty());
    EXPECT_TRUE(g.t.s == before);
    EXPECT_EQ(g.visibility(), shown);
}

// --- Long names: 2048 characters is the most a load accepts

TEST(SaveLongNames, A2048CharacterNameSavesAndLoads) {
    SavedGame g;
    g.t.s.PlayerName[2] = std::string(2048, 'n');
    g.save(g.dir / "long");
    g.t.s.PlayerName[2] = "short";
    g.load(g.dir / "long.Game");
    EXPECT_TRUE(g.t.dialogs.errors().empty());
    EXPECT_EQ(g.t.s.PlayerName[2], std::string(2048, 'n'));
}

TEST(SaveLongNames, A2049CharacterNameIsNotSavedSoNoFileIsWrittenThatCannotBeLoaded) {
    SavedGame g;
    g.save(g.dir / "keep");
    const auto old = readBytes(g.dir / "keep.Game");
    g.t.dialogs.clear();
    g.t.s.PlayerName[2] = std::string(2049, 'n');
    g.save(g.dir / "keep");
    EXPECT_EQ(g.t.dialogs.errors(),
              std::vector<std::string>{"Cannot save to \"" + g.dir / "keep.Game" +
                                       "\": the name of company 2 is 2049 characters long, more "
                                       "than 2048"});
    EXPECT_TRUE(g.t.dialogs.messages().empty());
    EXPECT_EQ(readBytes(g.dir / "keep.Game"), old);
}

// --- Damaged files: one clear message, and the game in hand stays as it was

namespace {

struct Damage {
    const char* what;
    std::function<void(std::vector<uint8_t>&, const Sections&)> harm;
    std::string reason;
};

// Offsets of single fields and of a company's entry in section A and C.
constexpr std::size_t kPlayerPlanet = 18, kPlayerNextPlanet = 90, kPlayerDestination = 234,
                      kCrewMood = 2466, kPsngrDestination = 7668;
constexpr std::size_t kRecipeInput3 = 398664, kRecipeOutput = 399096, kCurrentPlayer = 399384,
                      kTradeGood = 399414, kTurnOrder = 399428, kTurnSlot = 399500,
                      kComputerIntelligence = 399504, kRandomEventRate = 399580;
constexpr std::size_t kLoanInterestRate = 1746, kGoodWeight = 0;

void setA(std::vector<uint8_t>& b, const Sections& at, std::size_t field, int company, int v) {
    putInt32(b, at.a + field + 4 * std::size_t(company - 1), v);
}
void setC(std::vector<uint8_t>& b, const Sections& at, std::size_t field, int v) {
    putInt32(b, at.c + field, v);
}

std::vector<Damage> damages() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    return {
        {"empty", [](auto& b, auto&) { b.clear(); }, "the file ends before the last field"},
        {"one byte short", [](auto& b, auto&) { b.pop_back(); },
         "the file ends before the last field"},
        {"cut inside a name", [](auto& b, auto&) { b.resize(6); },
         "the file ends before the last field"},
        {"cut inside section B", [](auto& b, auto& at) { b.resize(at.b + 5000); },
         "the file ends before the last field"},
        {"one byte too many", [](auto& b, auto&) { b.push_back(0); },
         "there is more data after the last field"},
        {"a negative name length",
         [](auto& b, auto& at) { putInt32(b, at.a + 195318 + 4 * 5, -1); },
         "the name of planet 5 has a negative length"},
        {"a huge name length", [](auto& b, auto&) { putInt32(b, 0, 0x7FFFFFFF); },
         "the name of company 1 is 2147483647 characters long, more than 2048"},
        {"a name of 2049 characters",
         [](auto& b, auto&) {
             // Company 1's name made 2049 bytes long.
             const int32_t length = int32At(b, 0);
             putInt32(b, 0, 2049);
             b.insert(b.begin() + 4, 2049 - length, 'x');
         },
         "the name of company 1 is 2049 characters long, more than 2048"},
        {"CurrentPlayer 19", [](auto& b, auto& at) { setC(b, at, kCurrentPlayer, 19); },
         "CurrentPlayer is 19, outside 0..18"},
        {"CurrentPlayer -1", [](auto& b, auto& at) { setC(b, at, kCurrentPlayer, -1); },
         "CurrentPlayer is -1, outside 0..18"},
        {"TurnSlot 19", [](auto& b, auto& at) { setC(b, at, kTurnSlot, 19); },
         "TurnSlot is 19, outside 0..18"},
        {"TurnOrder with a company twice",
         [](auto& b, auto& at) { setC(b, at, kTurnOrder + 4 * 17, 1); },
         "TurnOrder does not hold each company from 1 to 18 exactly once"},
        {"TurnOrder with company 0", [](auto& b, auto& at) { setC(b, at, kTurnOrder, 0); },
         "TurnOrder does not hold each company from 1 to 18 exactly once"},
        {"PlayerPlanet 13", [](auto& b, auto& at) { setA(b, at, kPlayerPlanet, 18, 13); },
         "PlayerPlanet of company 18 is 13, outside 1..12"},
        {"PlayerNextPlanet 0", [](auto& b, auto& at) { setA(b, at, kPlayerNextPlanet, 1, 0); },
         "PlayerNextPlanet of company 1 is 0, outside 1..12"},
        {"PlayerDestination 13", [](auto& b, auto& at) { setA(b, at, kPlayerDestination, 9, 13); },
         "PlayerDestination of company 9 is 13, outside 1..12"},
        {"PsngrDestination 0 for a company not playing",
         [](auto& b, auto& at) { setA(b, at, kPsngrDestination, 17, 0); },
         "PsngrDestination of company 17 is 0, outside 1..12"},
        {"CrewMood 6", [](auto& b, auto& at) { setA(b, at, kCrewMood, 2, 6); },
         "CrewMood of company 2 is 6, outside 1..5"},
        {"CrewMood 0", [](auto& b, auto& at) { setA(b, at, kCrewMood, 1, 0); },
         "CrewMood of company 1 is 0, outside 1..5"},
        {"RecipeOutput a raw good", [](auto& b, auto& at) { setC(b, at, kRecipeOutput, 7); },
         "RecipeOutput of recipe 1 is 7, outside 8..25"},
        {"RecipeOutput 26", [](auto& b, auto& at) { setC(b, at, kRecipeOutput + 4 * 17, 26); },
         "RecipeOutput of recipe 18 is 26, outside 8..25"},
        {"RecipeInput3 26", [](auto& b, auto& at) { setC(b, at, kRecipeInput3 + 8, 26); },
         "RecipeInput3 of recipe 3 is 26, outside 0..25"},
        {"TradeGood 26", [](auto& b, auto& at) { setC(b, at, kTradeGood, 26); },
         "TradeGood is 26, outside 0..25"},
        {"ComputerIntelligence 30",
         [](auto& b, auto& at) { setC(b, at, kComputerIntelligence, 30); },
         "ComputerIntelligence is 30, not one of 0, 20, 40, 60, 80"},
        {"RandomEventRate 0", [](auto& b, auto& at) { setC(b, at, kRandomEventRate, 0); },
         "RandomEventRate is 0, not one of 20, 40, 60, 80, 100"},
        {"a rate that is not a number",
         [nan](auto& b, auto& at) { putDouble(b, at.a + kLoanInterestRate + 8 * 4, nan); },
         "LoanInterestRate of company 5 is not a number"},
        {"an infinite weight",
         [inf](auto& b, auto& at) { putDouble(b, at.c + kGoodWeight + 8 * 24, inf); },
         "GoodWeight of good 25 is not a number"},
    };
}

}  // namespace

TEST(SaveDamagedFile, IsRefusedWithOneMessageAndTheGameInHandStays) {
    SavedGame g;
    g.save(g.dir / "good");
    const auto good = readBytes(g.dir / "good.Game");
    const auto at = sectionsOf(g.t.s);
    // The game in hand differs from the file, and has a screen of its own open.
    g.t.s.PlayerCash[1] = 1;
    g.t.dialogs.answerConfirm(false);  // no first-turn help
    g.t.game.act(actionClick(g.t.game.RankingScreen().BeginTurn));
    ASSERT_TRUE(g.t.game.isVisible(ScreenId::PlanetScreen));
    const GameState before = g.t.s;
    const auto shown = g.visibility();

    for (const Damage& d : damages()) {
        SCOPED_TRACE(d.what);
        auto bytes = good;
        d.harm(bytes, at);
        writeBytes(g.dir / "bad.Game", bytes);
        g.t.dialogs.clear();
        g.load(g.dir / "bad");
        EXPECT_EQ(g.t.dialogs.log(),
                  (std::vector<std::string>{
                      "open dialog: " + g.t.s.GameDir + " *.GAME|*.GAME",
                      "error: Cannot load \"" + g.dir / "bad.Game" + "\": " + d.reason}));
        EXPECT_TRUE(g.t.s == before);
        EXPECT_EQ(g.visibility(), shown);
    }
}

TEST(SaveDamagedFile, AFileThatCannotBeOpenedNamesTheFileAndTheReason) {
    SavedGame g;
    const GameState before = g.t.s;
    g.load(g.dir / "missing");
    std::filesystem::create_directory(g.dir / "folder.Game");
    g.load(g.dir / "folder");
    ::mkfifo((g.dir / "pipe.Game").c_str(), 0600);  // nobody writes to it: never waited on
    g.load(g.dir / "pipe");
    EXPECT_EQ(g.t.dialogs.errors(),
              (std::vector<std::string>{
                  "Cannot open file \"" + g.dir / "missing.Game" + "\". No such file or directory",
                  "Cannot open file \"" + g.dir / "folder.Game" + "\". Is a directory",
                  "Cannot open file \"" + g.dir / "pipe.Game" + "\". It is not a file"}));
    EXPECT_TRUE(g.t.dialogs.messages().empty());
    EXPECT_TRUE(g.t.s == before);
}

// Any bytes at all give either a store or a refusal, never anything else.
TEST(SaveDamagedFile, NoByteSequenceGetsPastTheReaderUnchecked) {
    SavedGame g;
    const auto good = encodeGame(g.t.s);
    LcgRandom chance(99);
    auto pick = [&](std::size_t n) { return std::size_t(chance.draw(Int(int32_t(n))).get()); };
    int refused = 0;
    for (int round = 0; round < 400; ++round) {
        auto bytes = good;
        switch (round % 4) {
            case 0:  // scattered bytes changed, the texts' lengths among them
                for (int k = 0; k < 8; ++k)
                    bytes[pick(round % 8 == 0 ? 300 : bytes.size())] = uint8_t(pick(256));
                break;
            case 1:  // cut anywhere
                bytes.resize(pick(bytes.size()));
                break;
            case 2:  // a stretch of bytes duplicated
                bytes.insert(bytes.begin() + std::ptrdiff_t(pick(bytes.size())), 1 + pick(64),
                             uint8_t(pick(256)));
                break;
            default:  // noise of any length
                bytes.assign(pick(2000), 0);
                for (auto& b : bytes)
                    b = uint8_t(pick(256));
        }
        try {
            const auto s = decodeGame(bytes);
            EXPECT_GE(s->CurrentPlayer, 0);  // what was accepted passed the checks
            EXPECT_LE(s->CurrentPlayer, 18);
        } catch (const SaveFormatError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 200);
}

// --- A failed save keeps the file that was there

TEST(SaveFailure, ATargetThatIsAFolderIsReportedAndLeftAlone) {
    SavedGame g;
    std::filesystem::create_directory(g.dir / "x.Game");
    g.save(g.dir / "x");
    EXPECT_EQ(g.t.dialogs.errors(),
              std::vector<std::string>{"Cannot create file \"" + g.dir / "x.Game" +
                                       "\". Is a directory"});
    EXPECT_TRUE(g.t.dialogs.messages().empty());
    EXPECT_TRUE(std::filesystem::is_directory(g.dir / "x.Game"));
    EXPECT_EQ(g.dir.entries(), std::vector<std::string>{"x.Game"});  // the temporary is gone
}

TEST(SaveFailure, AMissingFolderIsReported) {
    SavedGame g;
    g.save(g.dir / "no/such/x");
    EXPECT_EQ(g.t.dialogs.errors(),
              std::vector<std::string>{"Cannot create file \"" + g.dir / "no/such/x.Game" +
                                       "\". No such file or directory"});
    EXPECT_TRUE(g.t.dialogs.messages().empty());
}

TEST(SaveFailure, AWriteThatFailsPartWayKeepsTheOldFile) {
    SavedGame g;
    writeBytes(g.dir / "old.Game", {'o', 'l', 'd'});
    // The disk fills up after 4096 bytes: a file size limit fails the write as a full disk would.
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const auto oldSignal = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    g.save(g.dir / "old");
    ::setrlimit(RLIMIT_FSIZE, &previous);
    ::signal(SIGXFSZ, oldSignal);

    EXPECT_EQ(g.t.dialogs.errors(),
              std::vector<std::string>{"Cannot write file \"" + g.dir / "old.Game" +
                                       "\". File too large"});
    EXPECT_TRUE(g.t.dialogs.messages().empty());
    EXPECT_EQ(readBytes(g.dir / "old.Game"), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(g.dir.entries(), std::vector<std::string>{"old.Game"});
}

// --- The ranking after a load

TEST(SaveLoadRanking, FirstDisplayShowsTheSavedTurnAndProcessesNothing) {
    SavedGame g;
    auto& rank = g.t.game.RankingScreen();
    g.t.s.PlayerCash[2] = 150000;  // company 2 leads the saved ranking, worth 150000 - 100000
    g.t.game.perform([&] { rank.BalanceCalcutate(); });
    g.save(g.dir / "mid");
    const GameState saved = g.t.s;

    // The game in hand moves on to company 2's turn.
    g.t.game.perform([&] { g.t.game.show(ScreenId::RankingScreen); });
    ASSERT_EQ(g.t.s.CurrentPlayer, 2);

    // No draw is scripted: any turn processing would make one and fail the test.
    g.t.useScript(std::make_unique<ScriptedRandom>());
    g.t.dialogs.clear();
    g.load(g.dir / "mid.Game");
    EXPECT_EQ(g.t.dialogs.messages(), std::vector<std::string>{"Loaded :)"});
    EXPECT_TRUE(g.t.game.isVisible(ScreenId::RankingScreen));
    EXPECT_EQ(g.t.s.CurrentPlayer, 1);
    EXPECT_EQ(g.t.s.TurnNumber, saved.TurnNumber);
    EXPECT_EQ(g.t.s.PlayerCash, saved.PlayerCash);
    EXPECT_EQ(rank.PlyrnameL.text, "Player 1");
    EXPECT_EQ(rank.TurnL.text, "Turn: 1");
    ASSERT_GE(rank.Ranks.items.size(), 2u);
    EXPECT_EQ(rank.Ranks.items[0], "Player 2 £50000");
    EXPECT_EQ(rank.Ranks.items[1], "Player 1 £0");
    EXPECT_FALSE(g.t.s.GameLoaded);

    // The next display ends company 1's turn as usual and hands over to company 2.
    g.t.game.setGenerator(std::make_unique<LcgRandom>(7));
    g.t.game.perform([&] { g.t.game.show(ScreenId::RankingScreen); });
    EXPECT_EQ(g.t.s.CurrentPlayer, 2);
    EXPECT_EQ(rank.PlyrnameL.text, "Player 2");
}

TEST(SaveLoadRanking, LoadingClosesTheScreensOfTheGameInHand) {
    SavedGame g;
    g.save(g.dir / "s");
    g.t.dialogs.answerConfirm(false);  // no first-turn help
    g.t.game.act(actionClick(g.t.game.RankingScreen().BeginTurn));
    ASSERT_TRUE(g.t.game.isVisible(ScreenId::PlanetScreen));
    g.load(g.dir / "s");
    for (int i = 0; i < kScreenCount; ++i) {
        const auto id = static_cast<ScreenId>(i);
        EXPECT_EQ(g.t.game.isVisible(id), id == ScreenId::GameMenu || id == ScreenId::RankingScreen)
            << i;
    }
}
