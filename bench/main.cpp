// The benchmark driver: runs the benchmarks named on the command line (all when none is)
// and prints one line each. Its exit code says nothing about the figures.
#include "Benchmarks.h"

#include <cstdio>
#include <cstring>

namespace {
struct SBenchmark {
    const char* name;
    CBenchResult (*run)();
};

const SBenchmark kBenchmarks[] = {
    {"startup", &bench::Startup},
    {"launch", &bench::GroupLaunch},
#ifdef VT_BENCH_WORKSPACE
    {"grouplist", &bench::GroupListRefresh},
    {"chrolist", &bench::ChroListRefresh},
    {"paste", nullptr},
    {"undo", &bench::UndoDeleteGroup},
#endif
    {"load", &bench::Load},
    {"save", &bench::Save},
    {"memory", &bench::Memory},
};
}  // namespace

int main(int argc, char** argv)
{
    for (const SBenchmark& benchmark : kBenchmarks) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i)
            wanted = wanted || std::strcmp(argv[i], benchmark.name) == 0;
        if (!wanted)
            continue;
#ifdef VT_BENCH_WORKSPACE
        if (!benchmark.run) {
            const auto [preview, add] = bench::PasteMassList();
            std::printf("%s\n%s\n", preview.Line().c_str(), add.Line().c_str());
            std::fflush(stdout);
            continue;
        }
#endif
        std::printf("%s\n", benchmark.run().Line().c_str());
        std::fflush(stdout);
    }
    return 0;
}
