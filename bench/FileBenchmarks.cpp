// Load and Save of a list (10,000 groups x 20 chromatograms) against raw file reads and
// writes of the same bytes.
#include "Benchmarks.h"
#include "CListFixture.h"
#include "CStopwatch.h"

#include <windows.h>

#include <string>

namespace {
const DWORD kChunk = 1u << 20;

// The baseline of Load: the file's bytes into memory, 1 MiB at a time.
bool ReadRaw(const std::string& path, std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t used = 0;
    DWORD got = 0;
    bool ok = true;
    while (ok && used < bytes.size()) {
        const DWORD part = static_cast<DWORD>(bytes.size() - used < kChunk ? bytes.size() - used : kChunk);
        ok = ReadFile(file, &bytes[used], part, &got, nullptr) && got > 0;
        used += got;
    }
    CloseHandle(file);
    return ok;
}

// The baseline of Save: the same bytes over the file, one flush.
bool WriteRaw(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
              && written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}
}   // namespace

CBenchResult bench::Load()
{
    return MeasureLoad({10000, 20});
}

CBenchResult bench::Save()
{
    return MeasureSave({10000, 20});
}

CBenchResult bench::MeasureLoad(const SBenchSize& size)
{
    CBenchResult result("load", "ms", 3.0);
    const std::string path = CListFixture::TempPath("load.vtl");
    if (!CListFixture::WriteFile(path, size.groups, size.chromatograms)) {
        result.Fail("cannot write the list file");
        return result;
    }
    for (int run = -kWarmUps; run < size.runs; ++run) {
        if (size.baseline) {
            std::string bytes;
            CStopwatch clock;
            if (!ReadRaw(path, bytes))
                result.Fail("raw read failed");
            if (run >= 0)
                result.AddBaseline(clock.ElapsedMs());
        }
        {
            CListManager list;
            CStopwatch clock;
            if (!list.Load(path.c_str()))
                result.Fail("Load failed");
            if (run >= 0)
                result.AddOurs(clock.ElapsedMs());
            int groups = 0;
            if (list.GetNoGroups(groups) && groups != size.groups)
                result.Fail("Load gave the wrong group count");
        }
    }
    DeleteFileA(path.c_str());
    return result;
}

CBenchResult bench::MeasureSave(const SBenchSize& size)
{
    CBenchResult result("save", "ms", 1.5);
    const std::string ourPath = CListFixture::TempPath("save.vtl");
    const std::string rawPath = CListFixture::TempPath("save-raw.vtl");
    CListManager list;
    std::string bytes;
    if (!CListFixture::WriteFile(ourPath, size.groups, size.chromatograms) || !list.Load(ourPath.c_str())
        || !ReadRaw(ourPath, bytes) || !WriteRaw(rawPath, bytes)) {
        result.Fail("cannot prepare the list file");
        return result;
    }
    for (int run = -kWarmUps; run < size.runs; ++run) {
        if (size.baseline) {
            CStopwatch raw;
            if (!WriteRaw(rawPath, bytes))
                result.Fail("raw write failed");
            if (run >= 0)
                result.AddBaseline(raw.ElapsedMs());
        }
        CStopwatch ours;
        if (!list.Save(ourPath.c_str()))
            result.Fail("Save failed");
        if (run >= 0)
            result.AddOurs(ours.ElapsedMs());
    }
    if (CListFixture::FileSize(ourPath) != static_cast<long long>(bytes.size()))
        result.Fail("Save wrote a file of another size");
    DeleteFileA(ourPath.c_str());
    DeleteFileA(rawPath.c_str());
    return result;
}
