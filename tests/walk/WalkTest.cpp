// The walk of random user actions over a real workspace window: a short walk from a fixed
// seed, the seeds that once found a fault, and a long walk on demand:
//   VT_WALK_SEED=<seed> VT_WALK_STEPS=<steps> test_walk.exe --gtest_filter=Walk.Long
#include "Pump.h"
#include "TempFolder.h"
#include "Walk.h"
#include "WorkspaceFixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {
class Walk : public WorkspaceFixture {
protected:
    // A walk from a fresh, untitled list with Automate off, in an empty folder.
    std::string WalkFrom(std::uint64_t seed, int steps, int progressEvery = 0)
    {
        m_folder.Clear();
        TestApp().GetOptions()->SetAutomate(false);
        View().Launch().ApplyAutomate();
        Manager().DeleteListContent();
        View().Files().NewList();
        ui::PumpPending();
        walk::WalkDriver driver(m_frame, m_folder.Folder());
        return walk::RunWalk(driver, seed, steps, progressEvery);
    }
    TempFolder m_folder;
};

TEST_F(Walk, Short)
{
    const std::string broken = WalkFrom(20261208, 300);
    if (!broken.empty())
        ADD_FAILURE() << broken;
}

// Each line of seeds.txt: a seed, a step count and what the seed once found.
TEST_F(Walk, KeptSeeds)
{
    std::ifstream seeds(VT_WALK_SEEDS);
    ASSERT_TRUE(seeds) << "cannot read " << VT_WALK_SEEDS;
    std::string line;
    int replayed = 0;
    while (std::getline(seeds, line)) {
        std::istringstream fields(line);
        std::uint64_t seed = 0;
        int steps = 0;
        if (line.empty() || line[0] == '#' || !(fields >> seed >> steps))
            continue;
        SCOPED_TRACE(line);
        const std::string broken = WalkFrom(seed, steps);
        if (!broken.empty())
            ADD_FAILURE() << broken;
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

TEST_F(Walk, Long)
{
    const char* seed = std::getenv("VT_WALK_SEED");
    const char* steps = std::getenv("VT_WALK_STEPS");
    if (!steps)
        GTEST_SKIP() << "set VT_WALK_STEPS (and VT_WALK_SEED) for a long walk";
    const std::uint64_t seedValue = seed ? std::strtoull(seed, nullptr, 10) : GetTickCount();
    std::printf("walk seed %llu, %s steps\n", static_cast<unsigned long long>(seedValue), steps);
    const std::string broken = WalkFrom(seedValue, std::atoi(steps), 1000);
    if (!broken.empty())
        ADD_FAILURE() << broken;
}
}   // namespace
