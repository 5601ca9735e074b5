#include "Random.h"

namespace quorvex {

Int LcgRandom::draw(Int n) {
    seed_ = seed_ * 134775813u + 1u;
    if (n.get() <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(seed_) * static_cast<uint64_t>(n.get())) >>
                                32);
}

}  // namespace quorvex
