// The fuzz targets' seed saves and every input that ever found a fault, each given to "Load Game"
// and played on as the load-and-play target does, without fuzzing: each is refused with a
// reason, or loads and plays five game turns (or to the end of its game) without an error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "LoadAndPlay.h"
#include "SaveTestSupport.h"

using namespace quorvex;
using namespace quorvex::sim;
using namespace quorvex::testing;

namespace {

std::vector<std::filesystem::path> filesIn(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (e.is_regular_file() && e.path().filename() != "README.md") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

void replay(const std::string& folder, bool expectLoads) {
    TempDir dir;
    const auto files = filesIn(folder);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        const LoadAndPlayResult r = loadAndPlay(readBytes(file), dir / "input.Game", 5, 1);
        EXPECT_TRUE(r.sound()) << describe(r);
        if (expectLoads) EXPECT_EQ(r.load, Simulator::LoadOutcome::Loaded) << describe(r);
    }
}

}  // namespace

TEST(FuzzCorpus, EverySeedSaveLoadsAndPlaysFiveTurns) {
    ASSERT_FALSE(filesIn(QUORVEX_FUZZ_DIR "/corpus").empty());
    replay(QUORVEX_FUZZ_DIR "/corpus", true);
}

TEST(FuzzCorpus, EveryInputThatFoundAFaultIsRefusedOrPlays) {
    replay(QUORVEX_FUZZ_DIR "/regressions", false);
}
