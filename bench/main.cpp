// The benchmark driver:
//   vtbench [name...]              runs the benchmarks named (all when none is), one line each
//   vtbench --repeat N [name...]   runs each N times: the median ratio over the repeats with its
//                                  lowest and highest, then the line of the median repeat
//   vtbench scale [line...]        the growth curve (see ScaleBenchmarks.cpp), or only its lines
//                                  whose names start with the words given
//   vtbench steps                  where the start-up's time goes, step by step
//   vtbench parts                  what a 10,000 x 20 list adds to private bytes, by part
// Its exit code says nothing about the figures.
#include "Benchmarks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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
    {"recovery", &bench::RecoveryWrite}, {"snapshot", &bench::RecoverySnapshot},
};

void RunRepeated(const SBenchmark& benchmark, int repeats)
{
    std::vector<CBenchResult> results;
    for (int i = 0; i < repeats; ++i)
        results.push_back(benchmark.run());
    std::vector<CBenchResult> measured;
    for (const CBenchResult& result : results)
        if (result.IsMeasured())
            measured.push_back(result);
    if (measured.empty()) {
        std::printf("%s\n", results.back().Line().c_str());
        return;
    }
    std::sort(measured.begin(), measured.end(),
              [](const CBenchResult& a, const CBenchResult& b) { return a.Ratio() < b.Ratio(); });
    const CBenchResult& middle = measured[(measured.size() - 1) / 2];
    std::vector<double> ratios;
    for (const CBenchResult& result : measured)
        ratios.push_back(result.Ratio());
    const double median = CBenchResult::Median(ratios);
    std::printf("%s: median %.2fx of %zu repeats (%.2fx-%.2fx), target <= %.2f %s\n", middle.Name().c_str(), median,
                measured.size(), ratios.front(), ratios.back(), middle.Target(),
                median <= middle.Target() ? "met" : "NOT met");
    std::printf("  %s\n", middle.Line().c_str());
    if (measured.size() < results.size())
        std::printf("  %zu of %d repeats not measured\n", results.size() - measured.size(), repeats);
}
}   // namespace

int main(int argc, char** argv)
{
    int first = 1;
    int repeats = 0;
    if (argc > 1 && std::strcmp(argv[1], "scale") == 0) {
        bench::RunScale(std::vector<std::string>(argv + 2, argv + argc));
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "steps") == 0) {
        bench::StartupSteps();
        return 0;
    }
#ifdef VT_BENCH_WORKSPACE
    if (argc > 1 && std::strcmp(argv[1], "parts") == 0) {
        std::printf("%s\n", bench::MemoryParts(10000, 20).c_str());
        return 0;
    }
    if (argc > 4 && std::strcmp(argv[1], "parts-of") == 0)
        return bench::MeasureParts(argv[2], std::atoi(argv[3]), argv[4]) ? 0 : 1;
#endif
    if (argc > 2 && std::strcmp(argv[1], "--repeat") == 0) {
        repeats = std::max(1, std::atoi(argv[2]));
        first = 3;
    }
    for (const SBenchmark& benchmark : kBenchmarks) {
        bool wanted = argc <= first;
        for (int i = first; i < argc; ++i)
            wanted = wanted || std::strcmp(argv[i], benchmark.name) == 0;
        if (!wanted)
            continue;
#ifdef VT_BENCH_WORKSPACE
        if (!benchmark.run) {   // the paste: two lines, each repeat printed as it is
            for (int i = 0; i < std::max(repeats, 1); ++i) {
                const auto [preview, add] = bench::PasteMassList();
                std::printf("%s\n%s\n", preview.Line().c_str(), add.Line().c_str());
            }
            std::fflush(stdout);
            continue;
        }
#endif
        if (repeats)
            RunRepeated(benchmark, repeats);
        else
            std::printf("%s\n", benchmark.run().Line().c_str());
        std::fflush(stdout);
    }
    return 0;
}
