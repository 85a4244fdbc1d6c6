#pragma once

#include "CBenchResult.h"

#include <utility>

// Each benchmark measures ours and its baseline side by side, interleaved, kRuns times.
namespace bench {
constexpr int kRuns = 7;

CBenchResult Load();
CBenchResult Save();
CBenchResult GroupLaunch();
CBenchResult Startup();
CBenchResult Memory();
#ifdef VT_BENCH_WORKSPACE
CBenchResult GroupListRefresh();
CBenchResult ChroListRefresh();
// Paste of a 500-line mass list: the preview's appearance, then the rows' addition.
std::pair<CBenchResult, CBenchResult> PasteMassList();
CBenchResult UndoDeleteGroup();
#endif
}  // namespace bench
