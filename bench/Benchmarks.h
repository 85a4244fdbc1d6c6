#pragma once

#include "CBenchResult.h"

#include <string>
#include <utility>
#include <vector>

// Each benchmark measures ours and its baseline side by side, interleaved: one uncounted
// warm-up run of each, then kRuns counted runs of each.
namespace bench {
constexpr int kRuns = 15;
constexpr int kWarmUps = 1;

// The list a benchmark works on and how it is run. The growth curve (bench/run scale) runs
// the same benchmarks at other sizes, fewer times and without the baseline.
struct SBenchSize {
    int groups = 0;
    int chromatograms = 0;   // in each group
    int runs = kRuns;
    bool baseline = true;
};

CBenchResult Load();
CBenchResult Save();
CBenchResult GroupLaunch();
CBenchResult Startup();
CBenchResult Memory();
// The recovery file's write, and the part of it on the user interface thread, against a save.
CBenchResult RecoveryWrite();
CBenchResult RecoverySnapshot();
CBenchResult MeasureLoad(const SBenchSize& size);
CBenchResult MeasureSave(const SBenchSize& size);
CBenchResult MeasureGroupLaunch(const SBenchSize& size);
CBenchResult MeasureStartup(const SBenchSize& size);
// Ours: the tool's peak private bytes; the baseline: the bare program's plus the file's size.
CBenchResult MeasureMemory(const SBenchSize& size);
#ifdef VT_BENCH_WORKSPACE
CBenchResult GroupListRefresh();
CBenchResult ChroListRefresh();
// Paste of a 500-line mass list: the preview's appearance, then the rows' addition.
std::pair<CBenchResult, CBenchResult> PasteMassList();
CBenchResult UndoDeleteGroup();
CBenchResult MeasureGroupListRefresh(const SBenchSize& size);
CBenchResult MeasureChroListRefresh(const SBenchSize& size);
// The edits of a big list, through the workspace's commands (no baseline): the undo of a
// paste of size.chromatograms lines, Move Down of the last row but one of a group of
// size.chromatograms, Move Group Down of the last group but one of size.groups, the paste
// preview of size.chromatograms lines, the export of the whole list.
CBenchResult MeasureUndoPaste(const SBenchSize& size);
CBenchResult MeasureMoveDown(const SBenchSize& size);
CBenchResult MeasureMoveGroup(const SBenchSize& size);
CBenchResult MeasurePastePreview(const SBenchSize& size);
CBenchResult MeasureExport(const SBenchSize& size);
// What a list of that size adds to a process's private bytes: its data once loaded, and the
// group list's rows once shown.
std::string MemoryParts(int groups, int chromatograms);
// The measuring side of MemoryParts, in a process of its own: writes its line to out.
bool MeasureParts(const char* path, int groups, const char* out);
#endif

// Where the start-up's time goes: the marks of the tool's benchmark build against the bare
// program's, step by step.
void StartupSteps();

// The cost of each benchmark at 100, 1,000, 10,000 and 100,000 records, and the tool's
// peak private bytes against the list file's size; with only, just the lines whose names
// start with one of its words.
void RunScale(const std::vector<std::string>& only);
}   // namespace bench
