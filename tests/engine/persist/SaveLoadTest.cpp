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
// the ends of the ranges a game can reach, doubles that are not short decimals, long texts with
// every byte. The game stays one that can be played on: in play, its net worths worked out.
void scribble(Game& game) {
    GameState& s = game.state;
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += char(b);
    s.PlayerName[1] = std::string(2048, 'Q');
    s.PlayerName[2] = everyByte;
    s.PlayerName[18] = "";
    s.PlanetName[7] = "Gamma.Game";
    s.GoodName[25] = everyByte + everyByte;
    s.PlayerCash[18] = kMaxMoney;  // companies 16 to 18 are not playing
    s.PlayerCash[17] = -kMaxMoney;
    s.PlayerLoan[16] = kMaxCredit;
    s.PlayerCreditLimit[2] = kMaxCredit;
    s.PlayerLoan[2] = kMaxCredit;
    s.PlayerSavings[2] = kMaxCredit;
    s.LoanInterestRate[3] = 2.5;
    s.SavingsInterestRate[1] = 12.345678901234567;
    s.SavingsInterestRate[18] = 300;
    s.GoodWeight[25] = 2.0 / 3.0;
    s.GoodDemandRate[1] = 1.0 / 7.0;
    s.AdvRtlDemandPlanets(18, 12) = true;
    s.AdvIndAmountGood[5] = false;
    s.MineProduction(18, 12, 7, 5) = 1000;
    s.MineReserve(1, 1, 1, 1) = -1000000;
    s.MineOutput(3, 4, 5) = 6;
    s.SalesFlagA(9, 9, 9) = false;
    s.SalesSellAdjust(1, 2, 3) = -kMaxUnits;
    s.FactoryProductReserved(17, 11, 18) = 42;
    s.EngineModelSpeed(5, 12) = 9;
    s.PlanetMinePrice(1, 1, 1) = 250000000;
    s.PlanetAmount(12, 25) = -kMaxOffered;
    s.GoodMaxPrice[21] = kMaxPrice;
    s.CargoHold(18, 25) = 250;
    s.ShipHullSize[7] = kMaxHull;
    s.LoopL = -7;
    s.TradeColumn = 99;
    s.TradeRetail = true;
    s.FirstRound = !s.FirstRound;
    s.HelpOn = true;
    s.PlayerReserved[4] = 4;
    s.RecipeCost3[18] = 77;
    game.perform([&] { game.RankingScreen().BalanceCalcutate(); });
}

}  // namespace

// --- Round trips

TEST(SaveRoundTrip, EveryFieldComesBackExactly) {
    SavedGame g;
    scribble(g.t.game);
    const auto bytes = encodeGame(g.t.s);
    const auto back = decodeGame(bytes);
    EXPECT_EQ(back->GameDir, "");  // not in the file
    EXPECT_FALSE(back->GameLoaded);
    back->GameDir = g.t.s.GameDir;
    back->GameLoaded = g.t.s.GameLoaded;
    EXPECT_TRUE(*back == g.t.s);
    EXPECT_EQ(encodeGame(*back), bytes);
    EXPECT_EQ(back->SavingsInterestRate[1], 12.345678901234567);  // every bit of it
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
    scribble(g.t.game);
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

// One way a file can be damaged or made by hand, and the reason the load gives.
struct Damage {
    const char* what;
    std::function<void(std::vector<uint8_t>&, const GameState&)> harm;
    std::string reason;
};

// Sets one element of a field and, so that only that element is wrong, the company's net worth
// to what its money then makes.
void setMoney(std::vector<uint8_t>& b, const GameState& s, const char* field, int company,
              int32_t value) {
    GameState changed = s;
    const auto store = [&](PerCompany& a) { a[company] = value; };
    if (std::string(field) == "PlayerLoan") store(changed.PlayerLoan);
    if (std::string(field) == "PlayerCash") store(changed.PlayerCash);
    setInt(b, s, field, std::size_t(company - 1), value);
    const int64_t worth = changed.PlayerCash[company].wide() +
                          changed.PlayerSavings[company].wide() -
                          changed.PlayerLoan[company].wide() - changed.CrewDebt[company].wide();
    setInt(b, s, "PlayerNetWorth", std::size_t(company - 1), int32_t(worth));
}

std::vector<Damage> damages() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto set = [](const char* field, std::size_t index, int32_t value) {
        return
            [=](std::vector<uint8_t>& b, const GameState& s) { setInt(b, s, field, index, value); };
    };
    const auto setReal = [](const char* field, std::size_t index, double value) {
        return [=](std::vector<uint8_t>& b, const GameState& s) {
            setDouble(b, s, field, index, value);
        };
    };
    return {
        // The file's shape.
        {"empty", [](auto& b, auto&) { b.clear(); }, "the file ends before the last field"},
        {"one byte short", [](auto& b, auto&) { b.pop_back(); },
         "the file ends before the last field"},
        {"cut inside a name", [](auto& b, auto&) { b.resize(6); },
         "the file ends before the last field"},
        {"cut inside section B", [](auto& b, auto& s) { b.resize(sectionsOf(s).b + 5000); },
         "the file ends before the last field"},
        {"one byte too many", [](auto& b, auto&) { b.push_back(0); },
         "there is more data after the last field"},
        {"a negative name length",
         [](auto& b, auto& s) { putInt32(b, sectionsOf(s).a + 195318 + 4 * 5, -1); },
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

        // One row per kind of range: indices, places in the turn, choices, rates, weights,
        // prices, sizes, counts, money and the figures of passengers, mines and markets.
        {"a planet past the last", set("PlayerPlanet", 17, 13), "PlayerPlanet 13 is out of range"},
        {"planet 0", set("PlayerNextPlanet", 0, 0), "PlayerNextPlanet 0 is out of range"},
        {"passengers bound for planet 0, company not playing", set("PsngrDestination", 16, 0),
         "PsngrDestination 0 is out of range"},
        {"a mood without a word", set("CrewMood", 1, 6), "CrewMood 6 is out of range"},
        {"a recipe making a raw good", set("RecipeOutput", 0, 7), "RecipeOutput 7 is out of range"},
        {"a recipe input past the last good", set("RecipeInput3", 2, 26),
         "RecipeInput3 26 is out of range"},
        {"a picked good past the last", set("TradeGood", 0, 26), "TradeGood 26 is out of range"},
        {"company 19 to play", set("CurrentPlayer", 0, 19), "CurrentPlayer 19 is out of range"},
        {"company -1 to play", set("CurrentPlayer", 0, -1), "CurrentPlayer -1 is out of range"},
        {"a place past the order", set("TurnSlot", 0, 19), "TurnSlot 19 is out of range"},
        {"company 0 in the order", set("TurnOrder", 0, 0), "TurnOrder 0 is out of range"},
        {"no turn played yet", set("TurnNumber", 0, 0), "TurnNumber 0 is out of range"},
        {"a game of one company", set("PlayerCount", 0, 1), "PlayerCount 1 is out of range"},
        {"an intelligence nobody can choose", set("ComputerIntelligence", 0, 30),
         "ComputerIntelligence 30 is out of range"},
        {"no event rate", set("RandomEventRate", 0, 0), "RandomEventRate 0 is out of range"},
        {"an intelligence past the draw", set("PlayerIntelligence", 5, 100),
         "PlayerIntelligence 100 is out of range"},
        {"a loan rate of a trillion percent", setReal("LoanInterestRate", 2, 1e12),
         "LoanInterestRate 1e12 is out of range"},
        {"a loan rate below the bank's lowest", setReal("LoanInterestRate", 0, 2.0),
         "LoanInterestRate 2 is out of range"},
        {"a loan rate that is not a number", setReal("LoanInterestRate", 4, nan),
         "LoanInterestRate nan is out of range"},
        {"a savings rate beyond the longest game", setReal("SavingsInterestRate", 0, 300.5),
         "SavingsInterestRate 300.5 is out of range"},
        {"a growth rate the game never sets", setReal("PlanetGrowthRate", 3, -5e-7),
         "PlanetGrowthRate -5e-7 is out of range"},
        {"an infinite weight", setReal("GoodWeight", 24, inf), "GoodWeight inf is out of range"},
        {"a weight of 5e18 tons", setReal("GoodWeight", 0, 5e18),
         "GoodWeight 5e18 is out of range"},
        {"a demand rate of 0", setReal("GoodDemandRate", 1, 0), "GoodDemandRate 0 is out of range"},
        {"a top price beyond any game", set("GoodMaxPrice", 3, kMaxPrice + 1),
         "GoodMaxPrice 1000000001 is out of range"},
        {"a price of 0", set("PlayerIndPrice2", 77, 0), "PlayerIndPrice2 0 is out of range"},
        {"a ticket price the screen cannot set", set("TicketPrice", 0, 0),
         "TicketPrice 0 is out of range"},
        {"a hull smaller than a new ship's", set("ShipHullSize", 0, 249),
         "ShipHullSize 249 is out of range"},
        {"an engine faster than any offered", set("EngineSpeed", 3, 25),
         "EngineSpeed 25 is out of range"},
        {"more passenger places than any hull holds", set("PassengerSpace", 0, kMaxHull / 10 + 1),
         "PassengerSpace 10001 is out of range"},
        {"one crew member", set("CrewCount", 0, 1), "CrewCount 1 is out of range"},
        {"crew who work for nothing", set("CrewWage", 0, 0), "CrewWage 0 is out of range"},
        {"cash beyond any game", set("PlayerCash", 15, kMaxMoney + 1),
         "PlayerCash 1000000001 is out of range"},
        {"the lowest net worth there is", set("PlayerNetWorth", 0, INT32_MIN),
         "PlayerNetWorth -2147483648 is out of range"},
        {"a landing fee nobody charges", set("PlayerLandingFee", 30, 1),
         "PlayerLandingFee 1 is out of range"},
        {"a population past the cap", set("PlanetPopulation", 0, kGrowthCap + 1),
         "PlanetPopulation 1000000001 is out of range"},
        {"passengers waiting for nowhere", set("PsngrWaiting", 0, 0),
         "PsngrWaiting 0 is out of range"},
        {"advertising stronger than television", set("AdvIndAmountStrength", 0, 56),
         "AdvIndAmountStrength 56 is out of range"},
        {"a mine producing more than any can", set("MineProduction", 0, 1001),
         "MineProduction 1001 is out of range"},
        {"goods owed to the warehouse", set("WarehouseStock", 9, -1),
         "WarehouseStock -1 is out of range"},
        {"a factory making less than nothing", set("FactoryAmount", 0, -1),
         "FactoryAmount -1 is out of range"},

        // What every saved game keeps true between its fields.
        {"TurnOrder with a company twice", set("TurnOrder", 17, 1),
         "TurnOrder does not hold each company from 1 to 18 exactly once"},
        {"a net worth that is not the company's money", set("PlayerNetWorth", 0, 5),
         "PlayerNetWorth 5 of company 1 is not its cash and savings less its loan and crew debt"},
        {"a worth for a company not playing", set("PlayerNetWorth", 17, 0),
         "PlayerNetWorth 0 of company 18 is not -99999999, the worth of a company out of the "
         "game"},
        {"a loan above the credit limit",
         [](auto& b, auto& s) { setMoney(b, s, "PlayerLoan", 2, 150001); },
         "PlayerLoan 150001 of company 2 is above its credit limit 150000"},
        {"nobody to play a game in play", set("CurrentPlayer", 0, 0),
         "CurrentPlayer 0 cannot take the next turn"},
        {"a computer given a human turn", set("CurrentPlayer", 0, 7),
         "CurrentPlayer 7 cannot take the next turn"},
        {"a company out of the game to play",
         [](auto& b, auto& s) {
             b[std::size_t(fieldAt(s, "PlayerActive"))] = 0;  // company 1
             setInt(b, s, "PlayerNetWorth", 0, kNotPlaying);
         },
         "CurrentPlayer 1 cannot take the next turn"},
        {"a company to play away from its place", set("CurrentPlayer", 0, 2),
         "TurnSlot 1 is not the place of CurrentPlayer 2 in TurnOrder"},
        {"a human turn not marked as one", [](auto& b, auto& s) { b[fieldAt(s, "HumanTurn")] = 0; },
         "HumanTurn is not set for company 1, whose turn it is"},
    };
}

}  // namespace

TEST(SaveDamagedFile, IsRefusedWithOneMessageAndTheGameInHandStays) {
    SavedGame g;
    g.save(g.dir / "good");
    const auto good = readBytes(g.dir / "good.Game");
    const GameState saved = g.t.s;
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
        d.harm(bytes, saved);
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

// --- The temporary file of a save lives beside it under a name no longer than its own

TEST(SaveFileName, TheLongestNameAFolderTakesSavesAndLoads) {
    SavedGame g;
    const std::string name = std::string(250, 'n') + ".Game";  // 255 bytes, the most there is
    g.save(g.dir / name);
    EXPECT_EQ(g.t.dialogs.errors(), std::vector<std::string>{});
    EXPECT_EQ(g.dir.entries(), std::vector<std::string>{name});
    g.t.dialogs.clear();
    g.load(g.dir / name);
    EXPECT_EQ(g.t.dialogs.messages(), std::vector<std::string>{"Loaded :)"});
}

TEST(SaveFileName, TheShortestNameSaves) {
    SavedGame g;
    g.save(g.dir / ".Game");  // nothing before the extension: five bytes in all
    EXPECT_EQ(g.t.dialogs.errors(), std::vector<std::string>{});
    EXPECT_EQ(g.dir.entries(), std::vector<std::string>{".Game"});
    EXPECT_EQ(readBytes(g.dir / ".Game"), encodeGame(g.t.s));
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

// "Loaded :)" is the last word of a load: by then the ranking shows the loaded game, so nothing
// can undo a load the player was told of.
TEST(SaveLoadRanking, LoadedIsSaidOnceTheRankingShowsTheLoadedGame) {
    SavedGame g;
    g.t.s.PlayerName[1] = "Saved";
    g.save(g.dir / "s");
    g.t.s.PlayerName[1] = "In hand";
    g.t.game.hideAllBut(ScreenId::GameMenu);
    bool shown = false;
    std::string name;
    g.t.dialogs.onMessage = [&](const std::string&) {
        shown = g.t.game.isVisible(ScreenId::RankingScreen);
        name = g.t.game.RankingScreen().PlyrnameL.text;
    };
    g.t.dialogs.clear();
    g.load(g.dir / "s.Game");
    g.t.dialogs.onMessage = nullptr;
    EXPECT_EQ(g.t.dialogs.messages(), std::vector<std::string>{"Loaded :)"});
    EXPECT_TRUE(shown);
    EXPECT_EQ(name, "Saved");
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
