#pragma once

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "Int.h"

namespace quorvex {

// The program-wide source of chance: draw(n) is a whole number from 0 to n - 1.
class Random {
public:
    virtual ~Random() = default;
    virtual Int draw(Int n) = 0;
    virtual void seed(uint32_t value) = 0;
};

// The game's own generator: seed := seed x 134775813 + 1 (mod 2^32), result (seed x n) >> 32
// over 64 bits. Every draw moves the seed on, a draw of 0 too (which gives 0).
class LcgRandom final : public Random {
public:
    explicit LcgRandom(uint32_t seed = 0) : seed_(seed) {}
    Int draw(Int n) override;
    void seed(uint32_t value) override { seed_ = value; }
    uint32_t currentSeed() const { return seed_; }

private:
    uint32_t seed_;
};

// Raised when a scripted test meets a draw it did not expect. Not a GameError: it must reach
// the test, not the player's error box.
class ScriptError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// For tests: hands out the given values and checks the n of every draw, so a test proves that
// the draws come in the documented order and ranges.
class ScriptedRandom final : public Random {
public:
    struct Draw {
        int32_t n;
        int32_t value;
    };
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<Draw> draws) : script_(draws) {}

    void expect(int32_t n, int32_t value);
    void expect(const std::vector<Draw>& draws);
    Int draw(Int n) override;
    void seed(uint32_t) override {}

    std::size_t remaining() const { return script_.size(); }
    std::size_t drawn() const { return drawn_; }

private:
    std::deque<Draw> script_;
    std::size_t drawn_ = 0;
};

// For tests and tools: passes draws through to another generator and records every n asked for.
class RecordingRandom final : public Random {
public:
    explicit RecordingRandom(Random& inner) : inner_(inner) {}
    Int draw(Int n) override {
        ranges.push_back(n.get());
        const Int v = inner_.draw(n);
        values.push_back(v.get());
        return v;
    }
    void seed(uint32_t value) override { inner_.seed(value); }
    std::vector<int32_t> ranges;
    std::vector<int32_t> values;

private:
    Random& inner_;
};

}  // namespace quorvex
