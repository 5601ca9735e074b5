// The decoder given any bytes at all: it gives a store or refuses with a reason, never anything
// else, and a store it gives is written back as the same bytes, but for flags, which it reads
// from any byte but 0 as set and writes as 1.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

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
    static std::vector<uint8_t> written;  // kept between runs: no fresh pages for every input
    encodeGame(*store, written);
    bool same = written.size() == size;
    for (std::size_t i = 0; same && i < size; ++i)
        same = written[i] == data[i] || (data[i] > 1 && written[i] == 1);
    if (!same) {
        std::fprintf(stderr, "an accepted file is not written back as it was read\n");
        std::abort();
    }
    return 0;
}
