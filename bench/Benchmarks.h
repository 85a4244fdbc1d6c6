#pragma once

#include "CBenchResult.h"

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
#endif
}  // namespace bench
