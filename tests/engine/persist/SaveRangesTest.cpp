// The ranges beside the saved fields: every value just past a field's range is refused with a
// message naming the field, and every game that play can produce still loads, at every turn.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "LoadAndPlay.h"
#include "SampleGames.h"
#include "SaveTestSupport.h"
#include "persist/SaveCodec.h"
#include "persist/SaveFields.h"

using namespace quorvex;
using namespace quorvex::sim;
using namespace quorvex::testing;

namespace {

// A field the loader checks, with where its first element stands in the file.
struct CheckedField {
    std::string name;
    std::size_t at;
    std::variant<Whole, Real, OneOf> range;
};

struct CollectChecked {
    const std::vector<FieldPlace>& places;
    std::vector<CheckedField> fields;
    std::size_t next = 0;
    void note(const char* name, std::variant<Whole, Real, OneOf> range) {
        fields.push_back({name, places.at(next).at, range});
    }
    template <typename Field>
    void operator()(const Field&, const char* name, const Whole& r) {
        note(name, r);
        ++next;
    }
    template <typename Field>
    void operator()(const Field&, const char* name, const Real& r) {
        note(name, r);
        ++next;
    }
    template <typename Field>
    void operator()(const Field&, const char* name, const OneOf& r) {
        note(name, r);
        ++next;
    }
    template <typename Field, typename Other>
    void operator()(const Field&, const char*, const Other&) {
        ++next;
    }
};

std::vector<CheckedField> checkedFields(const GameState& s) {
    const auto places = fieldPlaces(s);
    CollectChecked collect{places, {}};
    forEachSavedField(s, collect);
    return collect.fields;
}

std::string refusal(const std::vector<uint8_t>& bytes) {
    try {
        decodeGame(bytes);
    } catch (const SaveFormatError& e) {
        return e.what();
    }
    return "accepted";
}

// A game in its first human turn: two humans, three computers.
std::vector<uint8_t> savedGame() {
    SimOptions o;
    o.humans = 2;
    o.computers = 3;
    o.seed = 77;
    return encodeGame(*playedGame(o));
}

void expectLoads(const GameState& s, const std::string& where) {
    try {
        checkLoadable(s);
    } catch (const SaveFormatError& e) {
        ADD_FAILURE() << where << ": " << e.what();
    }
}

}  // namespace

// The loader takes every checked field from the list, so a field cannot be left out, and names
// the field and the value in the same words for each of them.
TEST(SaveRanges, EveryCheckedFieldRefusesTheValuesJustPastItsEnds) {
    const auto good = savedGame();
    const auto s = decodeGame(good);
    const auto fields = checkedFields(*s);
    ASSERT_GT(fields.size(), 140u);
    int refused = 0;
    for (const CheckedField& f : fields) {
        SCOPED_TRACE(f.name);
        std::vector<std::pair<std::vector<uint8_t>, std::string>> cases;
        const auto withInt = [&](int64_t v) {
            if (v < INT32_MIN || v > INT32_MAX) return;
            auto bytes = good;
            putInt32(bytes, f.at, int32_t(v));
            cases.emplace_back(bytes, f.name + " " + std::to_string(v) + " is out of range");
        };
        if (const auto* w = std::get_if<Whole>(&f.range)) {
            withInt(int64_t(w->low) - 1);
            withInt(int64_t(w->high) + 1);
        } else if (const auto* o = std::get_if<OneOf>(&f.range)) {
            withInt(o->values[0] + 1);
        } else {
            const Real r = std::get<Real>(f.range);
            for (const double v : {std::nextafter(r.low, -1e300), std::nextafter(r.high, 1e300)}) {
                auto bytes = good;
                putDouble(bytes, f.at, v);
                cases.emplace_back(bytes, "");  // a long decimal: only the field is checked
            }
        }
        for (const auto& [bytes, reason] : cases) {
            const std::string why = refusal(bytes);
            if (reason.empty())
                EXPECT_EQ(why.rfind(f.name + " ", 0), 0u) << why;
            else
                EXPECT_EQ(why, reason);
            ++refused;
        }
    }
    EXPECT_GT(refused, 280);
}

// A block is checked several elements at a time: a wrong value is found in whichever element of
// a row it stands, and in the few elements past the last whole row.
TEST(SaveRanges, AValueOutOfRangeIsFoundWhereverItStandsInItsBlock) {
    const auto good = savedGame();
    const auto s = decodeGame(good);
    struct Block {
        const char* field;
        std::size_t elements;
        int32_t outside;
    };
    const Block blocks[] = {
        {"CrewMood", kCompanies, 6},                             // two rows and two past them
        {"PlanetPopulation", kPlanets, kGrowthCap + 1},          // a row and four past it
        {"PlayerIndPrice2", kCompanies * kPlanets * kGoods, 0},  // whole rows only
    };
    for (const Block& b : blocks) {
        std::vector<std::size_t> where;
        for (std::size_t i = 0; i < b.elements && i < 20; ++i)
            where.push_back(i);
        where.push_back(b.elements / 2 + 3);
        where.push_back(b.elements - 1);
        for (const std::size_t i : where) {
            SCOPED_TRACE(std::string(b.field) + " element " + std::to_string(i));
            auto bytes = good;
            setInt(bytes, *s, b.field, i, b.outside);
            EXPECT_EQ(refusal(bytes),
                      std::string(b.field) + " " + std::to_string(b.outside) + " is out of range");
        }
    }
}

// Games of every size and setting, every turn from the first to the last, the display that
// shows a win included.
TEST(SaveRanges, PlayedGamesLoadAtEveryTurnToTheirEnd) {
    int stores = 0;
    uint32_t seed = 500;
    for (const int humans : {1, 2, 6})
        for (const int computers : {0, 3, 12})
            for (const EventsChoice events : {EventsChoice::None, EventsChoice::Loads})
                for (const HumanPolicy policy : {HumanPolicy::Idle, HumanPolicy::Computer}) {
                    if (humans + computers < 2) continue;
                    SimOptions o;
                    o.humans = humans;
                    o.computers = computers;
                    o.intelligence = computers == 12 ? 80 : 20;
                    o.events = events;
                    o.policy = policy;
                    o.seed = ++seed;
                    o.turns = 150;
                    playedGame(o, [&](const GameState& s) {
                        ++stores;
                        expectLoads(s, "seed " + std::to_string(o.seed) + ", turn " +
                                           std::to_string(s.TurnNumber.get()));
                    });
                }
    EXPECT_GT(stores, 800);
}

// The savings rates, hulls, populations and top prices of a game far longer than anybody plays.
TEST(SaveRanges, ALongGameLoadsAtEveryTurnPastTurn400) {
    int last = 0;
    const auto s = longGame(450, 9, [&](const GameState& s) {
        last = s.TurnNumber.get();
        expectLoads(s, "turn " + std::to_string(last));
    });
    EXPECT_GT(s->TurnNumber, 450);
    EXPECT_EQ(s->PlanetPopulation[1], kGrowthCap);
}

TEST(SaveRanges, ACompanyOwningSomethingOfEveryKindLoadsAndPlaysFiveTurns) {
    const auto s = ownershipGame(11);
    expectLoads(*s, "as built");
    TempDir dir;
    const LoadAndPlayResult r = loadAndPlay(encodeGame(*s), dir / "owner.Game", 5, 3);
    EXPECT_EQ(r.load, Simulator::LoadOutcome::Loaded) << describe(r);
    EXPECT_EQ(r.play.status, SimStatus::TurnsPlayed) << describe(r);
}
