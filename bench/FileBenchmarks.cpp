// Load and Save of a list (10,000 groups x 20 chromatograms) against the least any reader and
// writer of the format must do: a raw chunked read with one pass that writes an entry a line,
// and the safe-replace sequence with the bytes prepared in advance.
#include "Benchmarks.h"
#include "CListFixture.h"
#include "CStopwatch.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

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

// One line as a loader keeps it at the least: where its text is, its size, the numbers.
struct SLineEntry {
    const char* text;
    std::uint32_t size;
    std::uint32_t id;
    int type;
    int analogue;
    int function;
    int checked;
};
static_assert(sizeof(SLineEntry) == 32, "an entry of 32 bytes, as the list keeps a chromatogram");

// The pass of the Load baseline: one entry written a line.
size_t IndexLines(const std::string& bytes, std::vector<SLineEntry>& entries)
{
    const char* at = bytes.data();
    const char* end = at + bytes.size();
    while (at < end) {
        const void* newline = std::memchr(at, '\n', static_cast<size_t>(end - at));
        const char* lineEnd = newline ? static_cast<const char*>(newline) : end;
        entries.push_back(SLineEntry{at, static_cast<std::uint32_t>(lineEnd - at), 0, *at, 1, 1, 1});
        at = lineEnd + 1;
    }
    return entries.size();
}

// The same bytes over the file without a safe replace: to prepare the baseline's file.
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

// The baseline of Save: the safe-replace sequence any careful writer needs. A new temporary
// file in the same folder, the bytes written and flushed once, renamed over the target, then
// a look for temporary files that earlier saves cut short left behind.
bool WriteReplacing(const std::string& path, const std::string& bytes)
{
    const std::string temp = path + "~" + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
                    && written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (!ok || !MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((path + "~*.tmp").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        while (FindNextFileA(find, &found)) {
        }
        FindClose(find);
    }
    return true;
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
    CBenchResult result("load", "ms", 1.5);
    const std::string path = CListFixture::TempPath("load.vtl");
    if (!CListFixture::WriteFile(path, size.groups, size.chromatograms)) {
        result.Fail("cannot write the list file");
        return result;
    }
    for (int run = -kWarmUps; run < size.runs; ++run) {
        if (size.baseline) {
            std::string bytes;
            std::vector<SLineEntry> entries;
            CStopwatch clock;
            if (!ReadRaw(path, bytes) || IndexLines(bytes, entries) < size_t(size.groups) * (size.chromatograms + 1))
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
    CBenchResult result("save", "ms", 1.15);
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
            if (!WriteReplacing(rawPath, bytes))
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
