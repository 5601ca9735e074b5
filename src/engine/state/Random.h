#pragma once

#include <cstdint>

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

}  // namespace quorvex
