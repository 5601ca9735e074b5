#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "state/GameError.h"
#include "state/Random.h"

namespace quorvex {

// Raised when a scripted test meets a draw or a question it did not expect. Not a GameError: it
// must reach the test, not the player's error box.
class ScriptError : public ActionAborted {
public:
    using ActionAborted::ActionAborted;
};

// Hands out the given values and checks the n of every draw, so a test proves that the draws
// come in the documented order and ranges.
class ScriptedRandom final : public Random {
public:
    struct Draw {
        int32_t n;
        int32_t value;
    };
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<Draw> draws) : script_(draws) {}

    void expect(int32_t n, int32_t value) { script_.push_back({n, value}); }
    void expect(const std::vector<Draw>& draws) {
        script_.insert(script_.end(), draws.begin(), draws.end());
    }
    Int draw(Int n) override {
        const std::size_t index = drawn_++;
        if (script_.empty())
            throw ScriptError("draw #" + std::to_string(index) + " Random(" +
                              std::to_string(n.get()) + ") was not expected");
        const Draw next = script_.front();
        script_.pop_front();
        if (next.n != n.get())
            throw ScriptError("draw #" + std::to_string(index) + " was Random(" +
                              std::to_string(n.get()) + "), expected Random(" +
                              std::to_string(next.n) + ")");
        if (next.value < 0 || (next.value >= next.n && next.n > 0) ||
            (next.n <= 0 && next.value != 0))
            throw ScriptError("scripted value " + std::to_string(next.value) +
                              " is outside Random(" + std::to_string(next.n) + ")");
        return next.value;
    }
    void seed(uint32_t) override {}

    std::size_t remaining() const { return script_.size(); }
    std::size_t drawn() const { return drawn_; }

private:
    std::deque<Draw> script_;
    std::size_t drawn_ = 0;
};

// Passes draws through to another generator and records every n asked for.
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
