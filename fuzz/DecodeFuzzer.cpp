// The decoder given any bytes at all: it gives a store or refuses with a reason, never anything
// else, and a store it gives is written back as a file that loads as the same store.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "FuzzCounts.h"
#include "persist/SaveCodec.h"

namespace {

quorvex::fuzz::Counts counts{"quorvex-fuzz-decode"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace quorvex;
    ++counts.executed;
    std::unique_ptr<GameState> store;
    try {
        store = decodeGame(std::span<const uint8_t>(data, size));
    } catch (const SaveFormatError&) {
        return 0;
    }
    ++counts.accepted;
    const auto again = decodeGame(encodeGame(*store));
    if (!(*again == *store)) {
        std::fprintf(stderr, "an accepted file does not load back as the same store\n");
        std::abort();
    }
    return 0;
}
