// The recovery write of a list (10,000 groups x 20 chromatograms) against a plain save of the
// same list: the whole write as the worker thread does it, and the part the user interface
// thread waits for (composing the bytes).
#include "Benchmarks.h"
#include "CListFixture.h"
#include "CRecoveryStore.h"
#include "CStopwatch.h"

#include <windows.h>

#include <string>

namespace {
// ours: the snapshot alone (uiOnly), or the snapshot and its write; the baseline: a save.
CBenchResult MeasureRecovery(const char* name, bool uiOnly)
{
    CBenchResult result(name, "ms", uiOnly ? 0.5 : 1.5);
    const std::string folder = CListFixture::TempPath("recovery");
    const std::string savePath = CListFixture::TempPath("recovery-save.vtl");
    CreateDirectoryA(folder.c_str(), nullptr);
    const CRecoveryStore store(folder);
    CListManager list;
    DWORD first = 0;
    if (!CListFixture::Fill(list, 10000, 20, first)) {
        result.Fail("cannot build the list");
        return result;
    }
    std::string bytes;
    for (int run = -bench::kWarmUps; run < bench::kRuns; ++run) {
        CStopwatch save;
        if (!list.Save(savePath.c_str()))
            result.Fail("Save failed");
        if (run >= 0)
            result.AddBaseline(save.ElapsedMs());
        CStopwatch ours;
        CRecoveryStore::Compose(store.OwnHeader(savePath, "recovery-save.vtl"), list, bytes);
        if (!uiOnly && !store.WriteOwn(bytes))
            result.Fail("the recovery write failed");
        if (run >= 0)
            result.AddOurs(ours.ElapsedMs());
    }
    store.RemoveOwn();
    RemoveDirectoryA(folder.c_str());
    DeleteFileA(savePath.c_str());
    return result;
}
}   // namespace

CBenchResult bench::RecoveryWrite()
{
    return MeasureRecovery("recovery write", false);
}

CBenchResult bench::RecoverySnapshot()
{
    return MeasureRecovery("recovery snapshot (user interface thread)", true);
}
