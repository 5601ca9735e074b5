#pragma once

#include <cstdio>

namespace quorvex::fuzz {

// What a fuzz run did, printed when it ends: how many inputs ran, how many the loader accepted,
// how many of those were played on.
struct Counts {
    const char* harness;
    unsigned long executed = 0;
    unsigned long accepted = 0;
    unsigned long played = 0;
    ~Counts() {
        std::fprintf(stderr, "%s: %lu inputs executed, %lu accepted, %lu played\n", harness,
                     executed, accepted, played);
    }
};

}  // namespace quorvex::fuzz
