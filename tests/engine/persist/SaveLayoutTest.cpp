// The save file's bytes: where each field stands, how it is encoded, and the file's name.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "SaveTestSupport.h"
#include "persist/SaveCodec.h"
#include "persist/SaveFields.h"
#include "persist/SaveFile.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

// A store whose texts have lengths that differ, so a text written one byte short or long moves
// every later offset: company i is named with i letters, planets "A".."L", goods 0..24 letters.
std::unique_ptr<GameState> layoutStore() {
    auto s = std::make_unique<GameState>();
    for (int i = 1; i <= kCompanies; ++i)
        s->PlayerName[i] = std::string(i, char('a' + i - 1));
    for (int p = 1; p <= kPlanets; ++p)
        s->PlanetName[p] = std::string(1, char('A' + p - 1));
    for (int g = 1; g <= kGoods; ++g)
        s->GoodName[g] = std::string(g - 1, 'g');
    return s;
}

std::vector<uint8_t> le32(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

std::vector<uint8_t> slice(const std::vector<uint8_t>& bytes, std::size_t at, std::size_t n) {
    return {bytes.begin() + std::ptrdiff_t(at), bytes.begin() + std::ptrdiff_t(at + n)};
}

}  // namespace

TEST(SaveLayout, SizeIsTheNumbersPlusEveryTextWithItsLength) {
    auto s = layoutStore();
    const std::size_t texts = (18 * 19 / 2) + 12 + (24 * 25 / 2);
    const auto bytes = encodeGame(*s);
    EXPECT_EQ(bytes.size(), 605079u + 4 * 55 + texts);
    EXPECT_EQ(savedSize(*s), bytes.size());

    const auto at = sectionsOf(*s);
    EXPECT_EQ(at.a, 4u * 18 + 171);
    // Each text block follows the section before it directly.
    EXPECT_EQ(slice(bytes, at.a - 22, 22),
              (std::vector<uint8_t>{18,  0,   0,   0,   'r', 'r', 'r', 'r', 'r', 'r', 'r',
                                    'r', 'r', 'r', 'r', 'r', 'r', 'r', 'r', 'r', 'r', 'r'}));
    EXPECT_EQ(slice(bytes, at.a + 195318, 5), (std::vector<uint8_t>{1, 0, 0, 0, 'A'}));
    EXPECT_EQ(slice(bytes, at.b - 5, 5), (std::vector<uint8_t>{1, 0, 0, 0, 'L'}));
    EXPECT_EQ(slice(bytes, at.b + 10176, 4), le32(0));  // good 1 has an empty name: no bytes
    EXPECT_EQ(slice(bytes, at.b + 10180, 5), (std::vector<uint8_t>{1, 0, 0, 0, 'g'}));
    EXPECT_EQ(bytes.size(), at.c + 399585);
}

TEST(SaveLayout, TextsAreALittleEndianLengthAndTheBytesWithoutTerminator) {
    auto s = layoutStore();
    s->PlayerName[1] = std::string(300, 'x');  // a length above 255 needs its second byte
    s->PlayerName[2] = std::string("a\0b", 3);
    s->PlayerName[3] = "";
    const auto bytes = encodeGame(*s);
    EXPECT_EQ(slice(bytes, 0, 4), (std::vector<uint8_t>{0x2C, 0x01, 0, 0}));
    EXPECT_EQ(bytes[4], 'x');
    EXPECT_EQ(bytes[303], 'x');
    EXPECT_EQ(slice(bytes, 304, 7), (std::vector<uint8_t>{3, 0, 0, 0, 'a', 0, 'b'}));
    EXPECT_EQ(slice(bytes, 311, 8), (std::vector<uint8_t>{0, 0, 0, 0, 4, 0, 0, 0}));
}

// Numbers are little-endian two's complement or IEEE doubles, flags a byte of 0 or 1, and an
// array runs its last index fastest: [company 2, planet 3] follows company 1's twelve planets.
TEST(SaveLayout, ArraysRunTheirLastIndexFastestInLittleEndian) {
    auto s = layoutStore();
    s->PlayerActive[3] = true;
    s->PlayerPlanet[2] = 0x0A0B0C0D;
    s->PlayerDestination[1] = -2;
    s->LoanInterestRate[1] = 8.5;
    s->AdvIndAmountPlanets(2, 3) = true;
    s->MineReserve(2, 3, 4, 5) = 777;
    s->EnginePrice(2, 3) = 4242;  // model 2 at planet 3
    s->GoodWeight[1] = 0.5;
    s->CargoHold(2, 25) = 12;
    s->SalesFlagA(18, 12, 25) = true;
    s->TurnOrder[18] = 9;
    const auto bytes = encodeGame(*s);
    const auto [A, B, C] = sectionsOf(*s);

    EXPECT_EQ(slice(bytes, A + 0, 4), (std::vector<uint8_t>{0, 0, 1, 0}));
    EXPECT_EQ(slice(bytes, A + 18 + 4, 4), (std::vector<uint8_t>{0x0D, 0x0C, 0x0B, 0x0A}));
    EXPECT_EQ(slice(bytes, A + 234, 4), le32(uint32_t(-2)));
    EXPECT_EQ(slice(bytes, A + 1746, 8), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0x21, 0x40}));
    EXPECT_EQ(slice(bytes, A + 3132 + 12 + 1, 3), (std::vector<uint8_t>{0, 1, 0}));
    EXPECT_EQ(int32At(bytes, A + 10422 + 4 * (((1 * 12 + 2) * 7 + 3) * 5 + 4)), 777);
    EXPECT_EQ(int32At(bytes, B + 624 + 4 * (12 + 2)), 4242);
    EXPECT_EQ(slice(bytes, C + 0, 8), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0xE0, 0x3F}));
    EXPECT_EQ(int32At(bytes, C + 138600 + 4 * (25 + 24)), 12);
    EXPECT_EQ(slice(bytes, C + 276048 + 5398, 3), (std::vector<uint8_t>{0, 1, 0}));
    EXPECT_EQ(int32At(bytes, C + 399428 + 4 * 17), 9);
}

// Every field of numbers or flags, marked alone in an otherwise empty store, must land exactly on
// its place in the file's table: a field moved, left out, doubled or resized shows here.
namespace {

struct TableEntry {
    const char* name;
    int section;  // 0 A, 1 B, 2 C
    std::size_t offset, bytes;
};

const TableEntry kTable[] = {{"PlayerActive", 0, 0, 18},
                             {"PlayerPlanet", 0, 18, 72},
                             {"PlayerNextPlanet", 0, 90, 72},
                             {"PlayerRank", 0, 162, 72},
                             {"PlayerDestination", 0, 234, 72},
                             {"ShipHullSize", 0, 306, 72},
                             {"ShipFreeSpace", 0, 378, 72},
                             {"ShipSpace", 0, 450, 72},
                             {"ShipMaxCrew", 0, 522, 72},
                             {"EngineSize", 0, 594, 72},
                             {"EngineSpeed", 0, 666, 72},
                             {"ShipFuel", 0, 738, 72},
                             {"FuelTankSpace", 0, 810, 72},
                             {"EngineEfficiency", 0, 882, 72},
                             {"PassengerSpaceLimit", 0, 954, 72},
                             {"CargoSpace", 0, 1026, 72},
                             {"CargoUsed", 0, 1098, 72},
                             {"CargoFree", 0, 1170, 72},
                             {"PassengerSpace", 0, 1242, 72},
                             {"Passengers", 0, 1314, 72},
                             {"PlayerCash", 0, 1386, 72},
                             {"PlayerNetWorth", 0, 1458, 72},
                             {"PlayerLastNetWorth", 0, 1530, 72},
                             {"PlayerLoan", 0, 1602, 72},
                             {"PlayerCreditLimit", 0, 1674, 72},
                             {"LoanInterestRate", 0, 1746, 144},
                             {"PlayerSavings", 0, 1890, 72},
                             {"SavingsInterestRate", 0, 1962, 144},
                             {"LoanInterest", 0, 2106, 72},
                             {"SavingsInterest", 0, 2178, 72},
                             {"CrewWage", 0, 2250, 72},
                             {"CrewCount", 0, 2322, 72},
                             {"CrewDebt", 0, 2394, 72},
                             {"CrewMood", 0, 2466, 72},
                             {"AdvIndAmountGood", 0, 2538, 18},
                             {"AdvRtlAmountGood", 0, 2556, 18},
                             {"AdvIndDemandGood", 0, 2574, 18},
                             {"AdvRtlDemandGood", 0, 2592, 18},
                             {"AdvDone", 0, 2610, 18},
                             {"AdvPsngrMethod", 0, 2628, 72},
                             {"AdvPsngrCost", 0, 2700, 72},
                             {"AdvPsngrPlanet", 0, 2772, 72},
                             {"AdvPsngrStrength", 0, 2844, 72},
                             {"AdvIndAmountMethod", 0, 2916, 72},
                             {"AdvIndAmountCostPerPlanet", 0, 2988, 72},
                             {"AdvIndAmountCost", 0, 3060, 72},
                             {"AdvIndAmountPlanets", 0, 3132, 216},
                             {"AdvIndAmountStrength", 0, 3348, 72},
                             {"AdvRtlAmountMethod", 0, 3420, 72},
                             {"AdvRtlAmountCostPerPlanet", 0, 3492, 72},
                             {"AdvRtlAmountCost", 0, 3564, 72},
                             {"AdvRtlAmountPlanets", 0, 3636, 216},
                             {"AdvRtlAmountStrength", 0, 3852, 72},
                             {"AdvIndDemandMethod", 0, 3924, 72},
                             {"AdvIndDemandCostPerPlanet", 0, 3996, 72},
                             {"AdvIndDemandCost", 0, 4068, 72},
                             {"AdvIndDemandPlanets", 0, 4140, 216},
                             {"AdvIndDemandStrength", 0, 4356, 72},
                             {"AdvRtlDemandMethod", 0, 4428, 72},
                             {"AdvRtlDemandCostPerPlanet", 0, 4500, 72},
                             {"AdvRtlDemandCost", 0, 4572, 72},
                             {"AdvRtlDemandPlanets", 0, 4644, 216},
                             {"AdvRtlDemandStrength", 0, 4860, 72},
                             {"PsngrOffered", 0, 4932, 72},
                             {"PsngrWaiting", 0, 5004, 864},
                             {"PsngrCost", 0, 5868, 864},
                             {"PsngrIncome", 0, 6732, 864},
                             {"TicketPrice", 0, 7596, 72},
                             {"PsngrDestination", 0, 7668, 72},
                             {"PsngrFare", 0, 7740, 72},
                             {"PsngrPickedUp", 0, 7812, 18},
                             {"WarehouseSpace", 0, 7830, 864},
                             {"WarehouseUsed", 0, 8694, 864},
                             {"WarehouseFree", 0, 9558, 864},
                             {"MineReserve", 0, 10422, 30240},
                             {"MineValue", 0, 40662, 30240},
                             {"MineCostPerTon", 0, 70902, 30240},
                             {"MineMaintenance", 0, 101142, 30240},
                             {"MineMaxProduction", 0, 131382, 30240},
                             {"MineProduction", 0, 161622, 30240},
                             {"FactoryUnits", 0, 191862, 864},
                             {"FactoryUsedUnits", 0, 192726, 864},
                             {"FactoryReserved", 0, 193590, 864},
                             {"PlayerLandingFee", 0, 194454, 864},
                             {"PlanetSize", 1, 0, 48},
                             {"PlanetResources", 1, 48, 48},
                             {"PlanetMaxPopulation", 1, 96, 48},
                             {"PlanetPopulation", 1, 144, 48},
                             {"PlanetGrowthRate", 1, 192, 96},
                             {"PlanetLandingCost", 1, 288, 48},
                             {"LandingTotalCost", 1, 336, 48},
                             {"PlanetReserved", 1, 384, 48},
                             {"PlanetFuelPrice", 1, 432, 48},
                             {"PlanetCargoSpacePrice", 1, 480, 48},
                             {"PlanetFuelSpacePrice", 1, 528, 48},
                             {"PlanetPassengerSpacePrice", 1, 576, 48},
                             {"EnginePrice", 1, 624, 240},
                             {"EngineModelSize", 1, 864, 240},
                             {"EngineModelEfficiency", 1, 1104, 240},
                             {"EngineModelSpeed", 1, 1344, 240},
                             {"PlanetWarehousePrice", 1, 1584, 48},
                             {"PlanetWarehouseAvailable", 1, 1632, 48},
                             {"PlanetMineReserve", 1, 1680, 1680},
                             {"PlanetMinePrice", 1, 3360, 1680},
                             {"PlanetMineCostPerTon", 1, 5040, 1680},
                             {"PlanetMineMaintenance", 1, 6720, 1680},
                             {"PlanetMineMaxProduction", 1, 8400, 1680},
                             {"PlanetFactoryPrice", 1, 10080, 48},
                             {"PlanetFactoryAvailable", 1, 10128, 48},
                             {"GoodWeight", 2, 0, 200},
                             {"GoodMinPrice", 2, 200, 100},
                             {"GoodMaxPrice", 2, 300, 100},
                             {"GoodDemandRate", 2, 400, 200},
                             {"PlanetAmount", 2, 600, 1200},
                             {"PlanetSupply", 2, 1800, 1200},
                             {"PlanetDemand", 2, 3000, 1200},
                             {"PlanetRetailPrice", 2, 4200, 1200},
                             {"PlanetIndPrice1", 2, 5400, 1200},
                             {"PlanetIndPrice2", 2, 6600, 1200},
                             {"PlanetIndPrice3", 2, 7800, 1200},
                             {"AdvIndAmountAdj", 2, 9000, 21600},
                             {"AdvIndDemandAdj", 2, 30600, 21600},
                             {"AdvRtlAmountAdj", 2, 52200, 21600},
                             {"AdvRtlDemandAdj", 2, 73800, 21600},
                             {"PlayerAmount", 2, 95400, 21600},
                             {"PlayerDemand", 2, 117000, 21600},
                             {"CargoHold", 2, 138600, 1800},
                             {"WarehouseStock", 2, 140400, 21600},
                             {"MineOutput", 2, 162000, 6048},
                             {"PlayerRetailPrice", 2, 168048, 21600},
                             {"PlayerIndPrice1", 2, 189648, 21600},
                             {"PlayerIndPrice2", 2, 211248, 21600},
                             {"PlayerIndPrice3", 2, 232848, 21600},
                             {"SalesBuyAmount", 2, 254448, 21600},
                             {"SalesFlagA", 2, 276048, 5400},
                             {"SalesSellAmount", 2, 281448, 21600},
                             {"SalesFlagB", 2, 303048, 5400},
                             {"SalesBuyAdjust", 2, 308448, 21600},
                             {"SalesSellAdjust", 2, 330048, 21600},
                             {"FactoryAmount", 2, 351648, 15552},
                             {"FactoryProductReserved", 2, 367200, 15552},
                             {"FactoryCost", 2, 382752, 15552},
                             {"PlayerReserved", 2, 398304, 72},
                             {"RecipeInputCount", 2, 398376, 72},
                             {"RecipeUnits", 2, 398448, 72},
                             {"RecipeInput1", 2, 398520, 72},
                             {"RecipeInput2", 2, 398592, 72},
                             {"RecipeInput3", 2, 398664, 72},
                             {"RecipeInput4", 2, 398736, 72},
                             {"RecipeInput1Qty", 2, 398808, 72},
                             {"RecipeInput2Qty", 2, 398880, 72},
                             {"RecipeInput3Qty", 2, 398952, 72},
                             {"RecipeInput4Qty", 2, 399024, 72},
                             {"RecipeOutput", 2, 399096, 72},
                             {"RecipeCost1", 2, 399168, 72},
                             {"RecipeCost2", 2, 399240, 72},
                             {"RecipeCost3", 2, 399312, 72},
                             {"CurrentPlayer", 2, 399384, 4},
                             {"PlayerCount", 2, 399388, 4},
                             {"TurnNumber", 2, 399392, 4},
                             {"LoopI", 2, 399396, 4},
                             {"LoopJ", 2, 399400, 4},
                             {"LoopK", 2, 399404, 4},
                             {"LoopL", 2, 399408, 4},
                             {"HumanTurn", 2, 399412, 1},
                             {"FirstRound", 2, 399413, 1},
                             {"TradeGood", 2, 399414, 4},
                             {"TradeColumn", 2, 399418, 4},
                             {"TradeRetail", 2, 399422, 1},
                             {"TradeIndustrial", 2, 399423, 1},
                             {"TurnNumberCopy", 2, 399424, 4},
                             {"TurnOrder", 2, 399428, 72},
                             {"TurnSlot", 2, 399500, 4},
                             {"ComputerIntelligence", 2, 399504, 4},
                             {"PlayerIntelligence", 2, 399508, 72},
                             {"RandomEventRate", 2, 399580, 4},
                             {"HelpOn", 2, 399584, 1}};

// Sets every byte of the one named field to 1 (a flag to true).
struct Mark {
    std::string_view target;
    int hits = 0;
    template <int... D>
    void operator()(Array<String, D...>&, const char*, const auto&) {}
    template <typename T, int... D>
    void operator()(Array<T, D...>& a, const char* name, const auto&) {
        if (name != target) return;
        ++hits;
        for (T& x : a)
            x = ones<T>();
    }
    void operator()(Int& x, const char* name, const auto&) {
        if (name == target) ++hits, x = ones<Int>();
    }
    void operator()(Bool& b, const char* name, const auto&) {
        if (name == target) ++hits, b = true;
    }
    template <typename T>
    static T ones() {
        if constexpr (std::is_same_v<T, Bool>)
            return true;
        else if constexpr (std::is_same_v<T, Int>)
            return Int(0x01010101);
        else
            return std::bit_cast<Double>(uint64_t(0x0101010101010101));
    }
};

}  // namespace

TEST(SaveLayout, EveryFieldStandsAtItsPlaceInTheTable) {
    const std::size_t sectionStart[] = {4 * 18, 4 * 18 + 195318 + 4 * 12,
                                        4 * 18 + 195318 + 4 * 12 + 10176 + 4 * 25};
    for (const TableEntry& e : kTable) {
        SCOPED_TRACE(e.name);
        auto s = std::make_unique<GameState>();  // every text empty: only lengths of 0
        Mark mark{e.name};
        forEachSavedField(*s, mark);
        ASSERT_EQ(mark.hits, 1);
        const auto bytes = encodeGame(*s);
        ASSERT_EQ(bytes.size(), 605079u + 4 * 55);
        std::size_t first = bytes.size(), last = 0, count = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] != 0) {
                first = std::min(first, i);
                last = i;
                ++count;
            }
        const std::size_t at = sectionStart[e.section] + e.offset;
        EXPECT_EQ(first, at);
        EXPECT_EQ(last, at + e.bytes - 1);
        EXPECT_EQ(count, e.bytes);
    }
}

TEST(SaveName, BothSidesAdjustTheNameAlike) {
    const std::pair<const char*, const char*> cases[] = {
        {"x", "x.Game"},
        {"x.sav", "x.Game"},
        {"game1.tar.gz", "game1.Game"},
        {"x.Game", "x.Game"},
        {"x.Game.bak", "x.Game.bak"},
        {"x.GAME", "x.Game"},  // the comparison respects case
        {"x.game", "x.Game"},
        {"x.", "x.Game"},
        {"/home/a.b/save", "/home/a.b/save.Game"},  // folders keep their dots
        {"/home/a.b/save.sav", "/home/a.b/save.Game"},
        {"/root/.local/share/quorvex/g1", "/root/.local/share/quorvex/g1.Game"},
        {"/saves/x.Game", "/saves/x.Game"},
        {"/home/u/My.Games/save", "/home/u/My.Games/save.Game"},  // only the file's name counts
        {"/saves/my.Game/x", "/saves/my.Game/x.Game"},
        {"/saves/my.Game/x.Game.bak", "/saves/my.Game/x.Game.bak"},
    };
    for (const auto& [chosen, adjusted] : cases)
        EXPECT_EQ(adjustSaveName(chosen), adjusted) << chosen;
}
