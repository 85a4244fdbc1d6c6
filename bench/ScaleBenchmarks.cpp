// The growth curve: each benchmark's cost at 100, 1,000, 10,000 and 100,000 records, with the
// cost per record, and the tool's peak private bytes against the list file's size.
#include "Benchmarks.h"
#include "CListFixture.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {
const int kSizes[] = {100, 1000, 10000, 100000};
const int kSizeCount = 4;
const int kRunsPerSize = 5;
const int kRunsAtLargest = 3;
const int kPerGroup = 20;   // chromatograms in each group of the lists of groups

struct SCurve {
    const char* label;
    // The list for n records, and the benchmark that measures it.
    bench::SBenchSize (*size)(int n);
    CBenchResult (*measure)(const bench::SBenchSize& size);
    // The baseline is measured too, to tell growth of ours from growth of what ours stands on.
    bool baseline = false;
};

bench::SBenchSize Groups(int n)
{
    return {n / kPerGroup, kPerGroup};
}

bench::SBenchSize OnlyGroups(int n)
{
    return {n, 0};
}

bench::SBenchSize OneGroup(int n)
{
    return {1, n};
}

const SCurve kCurves[] = {
    {"load", &Groups, &bench::MeasureLoad},
    {"save", &Groups, &bench::MeasureSave},
#ifdef VT_BENCH_WORKSPACE
    {"group list refresh [groups]", &OnlyGroups, &bench::MeasureGroupListRefresh, true},
    {"chromatogram list refresh [1 group]", &OneGroup, &bench::MeasureChroListRefresh, true},
    {"undo paste [lines]", &OneGroup, &bench::MeasureUndoPaste},
    {"move down [row n of n]", &OneGroup, &bench::MeasureMoveDown},
    {"move group [groups]", &OnlyGroups, &bench::MeasureMoveGroup},
    {"paste preview [lines]", &OneGroup, &bench::MeasurePastePreview},
    {"export", &Groups, &bench::MeasureExport},
#endif
    {"group launch [1 group]", &OneGroup, &bench::MeasureGroupLaunch, true},
    {"startup", &Groups, &bench::MeasureStartup},
};

bench::SBenchSize Sized(const SCurve& curve, int n)
{
    bench::SBenchSize size = curve.size(n);
    size.runs = n == kSizes[kSizeCount - 1] ? kRunsAtLargest : kRunsPerSize;
    size.baseline = curve.baseline;
    return size;
}

std::string Cell(const std::string& text)
{
    char cell[32];
    std::snprintf(cell, sizeof cell, "%18s", text.c_str());
    return cell;
}

void PrintHeader(const char* title)
{
    std::string line = title;
    line.resize(38, ' ');
    for (int n : kSizes)
        line += Cell(std::to_string(n));
    std::printf("%s\n", line.c_str());
}

void RunCurve(const SCurve& curve)
{
    std::string line = curve.label;
    line.resize(38, ' ');
    double perRecord[kSizeCount] = {};
    double basePerRecord[kSizeCount] = {};
    for (int i = 0; i < kSizeCount; ++i) {
        const CBenchResult result = curve.measure(Sized(curve, kSizes[i]));
        if (result.Failed() || result.MedianOurs() <= 0) {
            std::printf("%s not measured at %d: %s\n", curve.label, kSizes[i], result.Line().c_str());
            std::fflush(stdout);
            return;
        }
        const double ms = result.MedianOurs();
        perRecord[i] = ms * 1000.0 / kSizes[i];
        basePerRecord[i] = result.MedianBaseline() * 1000.0 / kSizes[i];
        line += Cell(CBenchResult::Figure(ms) + " (" + CBenchResult::Figure(perRecord[i]) + ")");
    }
    const double growth = perRecord[kSizeCount - 1] / perRecord[1];
    char verdict[96];
    std::snprintf(verdict, sizeof verdict, "  %.2fx %s", growth, growth <= 1.5 ? "linear" : "NOT linear (> 1.50x)");
    std::printf("%s%s\n", line.c_str(), verdict);
    if (curve.baseline && basePerRecord[1] > 0) {
        std::string base = "  its baseline";
        base.resize(38, ' ');
        for (int i = 0; i < kSizeCount; ++i)
            base += Cell(CBenchResult::Figure(basePerRecord[i] * kSizes[i] / 1000.0) + " ("
                         + CBenchResult::Figure(basePerRecord[i]) + ")");
        std::printf("%s  %.2fx\n", base.c_str(), basePerRecord[kSizeCount - 1] / basePerRecord[1]);
    }
    std::fflush(stdout);
}

void RunMemoryCurve()
{
    PrintHeader("memory [records]");
    std::string files = "  list file MiB";
    std::string tool = "  tool's peak private MiB";
    std::string growth = "  MiB per file MiB above the first";
    files.resize(38, ' ');
    tool.resize(38, ' ');
    growth.resize(38 + 18, ' ');
    double firstFile = 0;
    double firstTool = 0;
    for (int i = 0; i < kSizeCount; ++i) {
        bench::SBenchSize size = Groups(kSizes[i]);
        size.runs = kRunsPerSize;
        size.baseline = false;
        const std::string path = CListFixture::TempPath("scale-size.vtl");
        CListFixture::WriteFile(path, size.groups, size.chromatograms);
        const double fileMiB = double(CListFixture::FileSize(path)) / (1024.0 * 1024.0);
        DeleteFileA(path.c_str());
        const CBenchResult result = bench::MeasureMemory(size);
        const double toolMiB = result.MedianOurs();
        files += Cell(CBenchResult::Figure(fileMiB));
        tool += Cell(toolMiB > 0 ? CBenchResult::Figure(toolMiB) : "not measured");
        if (i == 0) {
            firstFile = fileMiB;
            firstTool = toolMiB;
        } else {
            growth += Cell(CBenchResult::Figure((toolMiB - firstTool) / (fileMiB - firstFile)));
        }
    }
    std::printf("%s\n%s\n%s\n", files.c_str(), tool.c_str(), growth.c_str());
#ifdef VT_BENCH_WORKSPACE
    std::printf("%s\n", bench::MemoryParts(10000, kPerGroup).c_str());
#endif
    std::fflush(stdout);
}
}   // namespace

void bench::RunScale(const std::vector<std::string>& only)
{
    std::printf("Cost in ms (us per record), median of %d runs (%d at %d) after a warm-up; records are\n"
                "chromatograms in groups of %d unless the name says otherwise. Last column: cost per\n"
                "record at %d against at %d (linear when at most 1.50x).\n",
                kRunsPerSize, kRunsAtLargest, kSizes[kSizeCount - 1], kPerGroup, kSizes[kSizeCount - 1], kSizes[1]);
    PrintHeader("benchmark [records]");
    for (const SCurve& curve : kCurves) {
        const std::string label = curve.label;
        if (only.empty() || std::any_of(only.begin(), only.end(), [&](const std::string& word) {
                return label.compare(0, word.size(), word) == 0;
            }))
            RunCurve(curve);
    }
    if (only.empty())
        RunMemoryCurve();
}
