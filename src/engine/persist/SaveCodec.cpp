#include "SaveCodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "../state/Format.h"
#include "../turn/GameEnd.h"
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
    template <int... D, typename Range>
    void operator()(const Array<String, D...>& texts, const char*, const Range&) {
        for (const String& t : texts)
            bytes += 4 + t.size();
    }
    template <typename T, int... D, typename Range>
    void operator()(const Array<T, D...>& a, const char*, const Range&) {
        bytes += sizeof(T) * a.size();
    }
    template <typename Range>
    void operator()(const Int&, const char*, const Range&) {
        bytes += 4;
    }
    template <typename Range>
    void operator()(const Bool&, const char*, const Range&) {
        bytes += 1;
    }
};

struct Writer {
    uint8_t* at;

    void put(const void* from, std::size_t n) {
        std::memcpy(at, from, n);
        at += n;
    }
    template <int... D, typename Range>
    void operator()(const Array<String, D...>& texts, const char* field, const Range&) {
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
    template <typename T, int... D, typename Range>
    void operator()(const Array<T, D...>& a, const char*, const Range&) {
        put(a.data(), sizeof(T) * a.size());  // flags are held as 0/1 bytes already
    }
    template <typename Range>
    void operator()(const Int& x, const char*, const Range&) {
        const int32_t v = x.get();
        put(&v, 4);
    }
    template <typename Range>
    void operator()(const Bool& b, const char*, const Range&) {
        const uint8_t v = b ? 1 : 0;
        put(&v, 1);
    }
};

class MemorySource final : public SaveSource {
public:
    explicit MemorySource(std::span<const uint8_t> bytes)
        : at_(bytes.data()), left_(bytes.size()) {}
    bool read(void* to, std::size_t n) override {
        if (n > left_) {
            left_ = 0;
            return false;
        }
        if (n != 0) std::memcpy(to, at_, n);
        at_ += n;
        left_ -= n;
        return true;
    }
    bool atEnd() override { return left_ == 0; }

private:
    const uint8_t* at_;
    std::size_t left_;
};

// --- What play can put in a field (the ranges of SaveFields.h)

// "1e12", "8.5", "nan": the shortest text that reads back as the same Double.
std::string shortest(double value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string text(buffer, end);
    // The exponent without its plus sign and leading zeros: 1e+12 reads as 1e12.
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        std::size_t digits = e + 1;
        if (text[digits] == '-') ++digits;
        std::size_t first = digits;
        while (first < text.size() && (text[first] == '+' || text[first] == '0'))
            ++first;
        text.erase(digits, first - digits);
    }
    return text;
}

[[noreturn]] void outOfRange(const char* field, const std::string& value) {
    throw SaveFormatError(cat(field, " ", value, " is out of range"));
}

bool inside(Int v, const Whole& r) {
    return v.get() >= r.low && v.get() <= r.high;
}
bool inside(Int v, const OneOf& r) {
    return std::find(r.values.begin(), r.values.end(), v.get()) != r.values.end();
}
bool inside(Double v, const Real& r) {
    return v >= r.low && v <= r.high;  // false for NaN
}

// Whether every element of a block lies in the range, in one pass that runs several elements at
// a time: an element is outside low..high exactly when its distance above low, taken unsigned,
// passes high - low. The block goes by in rows of eight, each element of a row kept in a lane of
// its own, which the compiler turns into vector instructions even at -O2; a plain loop over the
// block stays one element at a time there and made this the whole cost of a load.
[[gnu::noinline]] bool allInside(const Int* block, std::size_t n, const Whole& r) {
    const uint32_t low = uint32_t(r.low);
    const uint32_t span = uint32_t(r.high) - low;
    const auto outside = [&](std::size_t i) { return uint32_t(block[i].get()) - low > span; };
    constexpr std::size_t kLanes = 8;
    uint32_t lanes[kLanes] = {};
    std::size_t i = 0;
    for (; i + kLanes <= n; i += kLanes)
        for (std::size_t k = 0; k < kLanes; ++k)
            lanes[k] |= outside(i + k);
    uint32_t any = 0;
    for (; i < n; ++i)
        any |= outside(i);
    for (const uint32_t lane : lanes)
        any |= lane;
    return any == 0;
}

// Checks every field against its range; only a block that fails is searched for the element to
// name.
struct RangeCheck {
    template <typename T, int... D>
    void operator()(const Array<T, D...>& a, const char* field, const Whole& r) {
        static_assert(std::is_same_v<T, Int>);
        if (allInside(a.data(), a.size(), r)) return;
        for (const Int& x : a)
            if (!inside(x, r)) outOfRange(field, str(x));
    }
    template <int... D>
    void operator()(const Array<Double, D...>& a, const char* field, const Real& r) {
        for (const Double x : a)
            if (!inside(x, r)) outOfRange(field, shortest(x));
    }
    void operator()(const Int& x, const char* field, const Whole& r) {
        if (!inside(x, r)) outOfRange(field, str(x));
    }
    void operator()(const Int& x, const char* field, const OneOf& r) {
        if (!inside(x, r)) outOfRange(field, str(x));
    }
    // Texts are checked as they are read; flags and unread numbers take any value.
    template <typename Field>
    void operator()(const Field&, const char*, const Text&) {}
    template <typename Field>
    void operator()(const Field&, const char*, const Flag&) {}
    template <typename Field>
    void operator()(const Field&, const char*, const Unread&) {}
};

// Reads the fields straight into the store's blocks, and checks each block against its range as
// soon as it is in, while it is still in the processor's cache.
struct Reader {
    SaveSource& source;
    RangeCheck check;

    void take(void* to, std::size_t n) {
        if (!source.read(to, n)) throw SaveFormatError("the file ends before the last field");
    }
    // Any byte but 0 reads as set, as the game always took it; held as a proper 0/1.
    void takeFlags(Bool* flags, std::size_t n) {
        auto* bytes = reinterpret_cast<uint8_t*>(flags);
        take(bytes, n);
        for (std::size_t i = 0; i < n; ++i)
            bytes[i] = bytes[i] != 0;
    }
    template <int... D, typename Range>
    void operator()(Array<String, D...>& texts, const char* field, const Range&) {
        int index = 1;
        for (String& t : texts) {
            int32_t n;
            take(&n, 4);
            if (n < 0) throw SaveFormatError(cat(textName(field, index), " has a negative length"));
            if (n > kMaxSavedTextLength) throw SaveFormatError(tooLong(field, index, n));
            t.resize(std::size_t(n));
            take(t.data(), t.size());
            ++index;
        }
    }
    template <typename T, int... D, typename Range>
    void operator()(Array<T, D...>& a, const char* field, const Range& range) {
        if constexpr (std::is_same_v<T, Bool>)
            takeFlags(a.data(), a.size());
        else
            take(static_cast<void*>(a.data()), sizeof(T) * a.size());
        check(a, field, range);
    }
    template <typename Range>
    void operator()(Int& x, const char* field, const Range& range) {
        int32_t v;
        take(&v, 4);
        x = v;
        check(x, field, range);
    }
    template <typename Range>
    void operator()(Bool& b, const char*, const Range&) {
        takeFlags(&b, 1);
    }
};

// --- What every saved game keeps true between its fields

void checkTurnOrder(const GameState& s) {
    std::array<bool, kCompanies + 1> seen{};
    for (int i = 1; i <= kCompanies; ++i) {
        const int32_t c = s.TurnOrder[i].get();  // 1..18 by its range
        if (seen[c])
            throw SaveFormatError("TurnOrder does not hold each company from 1 to 18 exactly once");
        seen[c] = true;
    }
}

// Every ranking display works out each net worth before the game can be saved.
void checkNetWorths(const GameState& s) {
    for (int i = 1; i <= kCompanies; ++i) {
        const Int worth = s.PlayerNetWorth[i];
        if (!s.PlayerActive[i]) {
            if (worth != kNotPlaying)
                throw SaveFormatError(cat("PlayerNetWorth ", worth, " of company ", i, " is not ",
                                          kNotPlaying, ", the worth of a company out of the game"));
            continue;
        }
        const int64_t money = s.PlayerCash[i].wide() + s.PlayerSavings[i].wide() -
                              (s.PlayerLoan[i].wide() + s.CrewDebt[i].wide());
        if (worth.wide() != money)
            throw SaveFormatError(cat("PlayerNetWorth ", worth, " of company ", i,
                                      " is not its cash and savings less its loan and crew debt"));
        // A loan above the limit is paid down or ends in bankruptcy at the end of every turn, and
        // nothing else borrows beyond it.
        if (s.PlayerLoan[i] > s.PlayerCreditLimit[i])
            throw SaveFormatError(cat("PlayerLoan ", s.PlayerLoan[i], " of company ", i,
                                      " is above its credit limit ", s.PlayerCreditLimit[i]));
    }
}

// A game in play is saved at the ranking display that hands the turn to a human company.
void checkTurn(const GameState& s) {
    if (gameHasEnded(s)) return;
    const Int c = s.CurrentPlayer;
    if (!isHuman(c) || !s.PlayerActive[c])
        throw SaveFormatError(cat("CurrentPlayer ", c, " cannot take the next turn"));
    if (s.TurnSlot < 1 || s.TurnOrder[s.TurnSlot] != c)
        throw SaveFormatError(cat("TurnSlot ", s.TurnSlot, " is not the place of CurrentPlayer ", c,
                                  " in TurnOrder"));
    if (!s.HumanTurn)
        throw SaveFormatError(cat("HumanTurn is not set for company ", c, ", whose turn it is"));
}

void checkRelations(const GameState& s) {
    checkTurnOrder(s);
    checkNetWorths(s);
    checkTurn(s);
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

void checkLoadable(const GameState& s) {
    forEachSavedField(s, RangeCheck{});
    checkRelations(s);
}

std::unique_ptr<GameState> decodeGame(SaveSource& source) {
    auto s = std::make_unique<GameState>();
    forEachSavedField(*s, Reader{source, {}});
    if (!source.atEnd()) throw SaveFormatError("there is more data after the last field");
    checkRelations(*s);
    return s;
}

std::unique_ptr<GameState> decodeGame(std::span<const uint8_t> bytes) {
    MemorySource source(bytes);
    return decodeGame(source);
}

}  // namespace quorvex
