#include "Random.h"

namespace quorvex {

Int LcgRandom::draw(Int n) {
    seed_ = seed_ * 134775813u + 1u;
    if (n.get() <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(seed_) * static_cast<uint64_t>(n.get())) >>
                                32);
}

void ScriptedRandom::expect(int32_t n, int32_t value) {
    script_.push_back({n, value});
}

void ScriptedRandom::expect(const std::vector<Draw>& draws) {
    script_.insert(script_.end(), draws.begin(), draws.end());
}

Int ScriptedRandom::draw(Int n) {
    const std::size_t index = drawn_++;
    if (script_.empty())
        throw ScriptError("draw #" + std::to_string(index) + " Random(" + std::to_string(n.get()) +
                          ") was not expected");
    const Draw next = script_.front();
    script_.pop_front();
    if (next.n != n.get())
        throw ScriptError("draw #" + std::to_string(index) + " was Random(" +
                          std::to_string(n.get()) + "), expected Random(" + std::to_string(next.n) +
                          ")");
    if (next.value < 0 || (next.value >= next.n && next.n > 0) || (next.n <= 0 && next.value != 0))
        throw ScriptError("scripted value " + std::to_string(next.value) + " is outside Random(" +
                          std::to_string(next.n) + ")");
    return next.value;
}

}  // namespace quorvex
