#include "SaveCodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "../state/Format.h"
#include "SaveFields.h"

namespace quorvex {

// The file is little-endian and the store's arrays are written as they lie in memory.
static_assert(std::endian::native == std::endian::little,
              "the save file copies the store's blocks as they lie in memory");
static_assert(std::is_trivially_copyable_v<Int> && sizeof(Int) == 4);
static_assert(sizeof(Double) == 8 && std::numeric_limits<Double>::is_iec559);
static_assert(sizeof(Bool) == 1);

namespace {

// "the name of company 3": what a player calls a text of the three blocks.
std::string textName(std::string_view field, int index) {
    const char* owner = field == "PlayerName"   ? "company"
                        : field == "PlanetName" ? "planet"
                                                : "good";
    return cat("the name of ", owner, " ", index);
}

std::string tooLong(std::string_view field, int index, std::size_t length) {
    return cat(textName(field, index), " is ", std::to_string(length),
               " characters long, more than ", kMaxSavedTextLength);
}

// Sums the sizes the writer will need, so the buffer is allocated once.
struct Sizer {
    std::size_t bytes = 0;
    template <int... D>
    void operator()(const Array<String, D...>& texts, const char*) {
        for (const String& t : texts)
            bytes += 4 + t.size();
    }
    template <typename T, int... D>
    void operator()(const Array<T, D...>& a, const char*) {
        bytes += sizeof(T) * a.size();
    }
    void operator()(const Int&, const char*) { bytes += 4; }
    void operator()(const Bool&, const char*) { bytes += 1; }
};

struct Writer {
    uint8_t* at;

    void put(const void* from, std::size_t n) {
        std::memcpy(at, from, n);
        at += n;
    }
    template <int... D>
    void operator()(const Array<String, D...>& texts, const char* field) {
        int index = 1;
        for (const String& t : texts) {
            if (t.size() > std::size_t(kMaxSavedTextLength))
                throw SaveFormatError(tooLong(field, index, t.size()));
            const int32_t n = static_cast<int32_t>(t.size());
            put(&n, 4);
            put(t.data(), t.size());
            ++index;
        }
    }
    template <typename T, int... D>
    void operator()(const Array<T, D...>& a, const char*) {
        put(a.data(), sizeof(T) * a.size());  // flags are held as 0/1 bytes already
    }
    void operator()(const Int& x, const char*) {
        const int32_t v = x.get();
        put(&v, 4);
    }
    void operator()(const Bool& b, const char*) {
        const uint8_t v = b ? 1 : 0;
        put(&v, 1);
    }
};

struct Reader {
    const uint8_t* at;
    const uint8_t* end;

    void need(std::size_t n) const {
        if (static_cast<std::size_t>(end - at) < n)
            throw SaveFormatError("the file ends before the last field");
    }
    int32_t takeInt32() {
        need(4);
        int32_t v;
        std::memcpy(&v, at, 4);
        at += 4;
        return v;
    }
    template <int... D>
    void operator()(Array<String, D...>& texts, const char* field) {
        int index = 1;
        for (String& t : texts) {
            const int32_t n = takeInt32();
            if (n < 0) throw SaveFormatError(cat(textName(field, index), " has a negative length"));
            if (n > kMaxSavedTextLength) throw SaveFormatError(tooLong(field, index, n));
            need(std::size_t(n));
            t.assign(reinterpret_cast<const char*>(at), std::size_t(n));
            at += n;
            ++index;
        }
    }
    template <typename T, int... D>
    void operator()(Array<T, D...>& a, const char*) {
        const std::size_t n = sizeof(T) * a.size();
        need(n);
        if constexpr (std::is_same_v<T, Bool>) {
            // Any byte but 0 reads as set, as the game always took it; held as a proper 0/1.
            for (std::size_t i = 0; i < a.size(); ++i)
                a.data()[i] = at[i] != 0;
        } else {
            std::memcpy(static_cast<void*>(a.data()), at, n);
        }
        at += n;
    }
    void operator()(Int& x, const char*) { x = takeInt32(); }
    void operator()(Bool& b, const char*) {
        need(1);
        b = *at++ != 0;
    }
};

// --- Values the game uses as indices: out of range, the first screen that uses them would stop
// with an error, or worse, so such a file is refused as a whole.

std::string outside(std::string_view what, Int value, int low, int high) {
    return cat(what, " is ", value, ", outside ", low, "..", high);
}

void checkRange(Int value, const char* field, int low, int high) {
    if (value < low || value > high) throw SaveFormatError(outside(field, value, low, high));
}

template <int N>
void checkEach(const Array<Int, N>& a, const char* field, const char* owner, int low, int high) {
    for (int i = 1; i <= N; ++i)
        if (a[i] < low || a[i] > high)
            throw SaveFormatError(outside(cat(field, " of ", owner, " ", i), a[i], low, high));
}

template <int N>
void checkFinite(const Array<Double, N>& a, const char* field, const char* owner) {
    for (int i = 1; i <= N; ++i)
        if (!std::isfinite(a[i]))
            throw SaveFormatError(cat(field, " of ", owner, " ", i, " is not a number"));
}

void checkOneOf(Int value, const char* field, std::initializer_list<int> allowed) {
    if (std::find(allowed.begin(), allowed.end(), value.get()) != allowed.end()) return;
    std::string list;
    for (int v : allowed)
        list += (list.empty() ? "" : ", ") + std::to_string(v);
    throw SaveFormatError(cat(field, " is ", value, ", not one of ", list));
}

void checkValues(const GameState& s) {
    // The turn: 0 before anybody has played (a game that ended at its first display).
    checkRange(s.CurrentPlayer, "CurrentPlayer", 0, kCompanies);
    checkRange(s.TurnSlot, "TurnSlot", 0, kCompanies);
    std::array<bool, kCompanies + 1> seen{};
    for (int i = 1; i <= kCompanies; ++i) {
        const int32_t c = s.TurnOrder[i].get();
        if (c < 1 || c > kCompanies || seen[c])
            throw SaveFormatError("TurnOrder does not hold each company from 1 to 18 exactly once");
        seen[c] = true;
    }
    // Planets every company's ship and passengers refer to, even a company that never played.
    checkEach(s.PlayerPlanet, "PlayerPlanet", "company", 1, kPlanets);
    checkEach(s.PlayerNextPlanet, "PlayerNextPlanet", "company", 1, kPlanets);
    checkEach(s.PlayerDestination, "PlayerDestination", "company", 1, kPlanets);
    checkEach(s.PsngrDestination, "PsngrDestination", "company", 1, kPlanets);
    checkEach(s.CrewMood, "CrewMood", "company", 1, 5);  // picks the mood's word
    // Recipes name goods; an empty input slot is 0.
    checkEach(s.RecipeOutput, "RecipeOutput", "recipe", kRawGoods + 1, kGoods);
    checkEach(s.RecipeInput1, "RecipeInput1", "recipe", 0, kGoods);
    checkEach(s.RecipeInput2, "RecipeInput2", "recipe", 0, kGoods);
    checkEach(s.RecipeInput3, "RecipeInput3", "recipe", 0, kGoods);
    checkEach(s.RecipeInput4, "RecipeInput4", "recipe", 0, kGoods);
    checkRange(s.TradeGood, "TradeGood", 0, kGoods);  // 0 until a good is picked
    // The new-game choices pick the computers' step and the number of event draws.
    checkOneOf(s.ComputerIntelligence, "ComputerIntelligence", {0, 20, 40, 60, 80});
    checkOneOf(s.RandomEventRate, "RandomEventRate", {20, 40, 60, 80, 100});
    // Rates and weights feed exact arithmetic, which has no place for infinities.
    checkFinite(s.LoanInterestRate, "LoanInterestRate", "company");
    checkFinite(s.SavingsInterestRate, "SavingsInterestRate", "company");
    checkFinite(s.PlanetGrowthRate, "PlanetGrowthRate", "planet");
    checkFinite(s.GoodWeight, "GoodWeight", "good");
    checkFinite(s.GoodDemandRate, "GoodDemandRate", "good");
}

}  // namespace

std::size_t savedSize(const GameState& s) {
    Sizer sizer;
    forEachSavedField(s, sizer);
    return sizer.bytes;
}

void encodeGame(const GameState& s, std::vector<uint8_t>& out) {
    out.resize(savedSize(s));
    forEachSavedField(s, Writer{out.data()});
}

std::vector<uint8_t> encodeGame(const GameState& s) {
    std::vector<uint8_t> out;
    encodeGame(s, out);
    return out;
}

std::unique_ptr<GameState> decodeGame(std::span<const uint8_t> bytes) {
    auto s = std::make_unique<GameState>();
    Reader reader{bytes.data(), bytes.data() + bytes.size()};
    forEachSavedField(*s, reader);
    if (reader.at != reader.end) throw SaveFormatError("there is more data after the last field");
    checkValues(*s);
    return s;
}

}  // namespace quorvex
