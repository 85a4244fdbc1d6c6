#include "CListFileStorage.h"

#include "CListFileReader.h"
#include "CTextBlock.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
const DWORD kChunk = 1u << 20;
// The largest file read: 2 GiB.
const size_t kLargestFile = 0x7FFFFFFF;

// Closes a file handle when it goes out of scope.
class CHandleCloser {
public:
    explicit CHandleCloser(HANDLE handle) : m_handle(handle) {}
    ~CHandleCloser()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    CHandleCloser(const CHandleCloser&) = delete;
    CHandleCloser& operator=(const CHandleCloser&) = delete;

private:
    HANDLE m_handle;
};

// The folder part of a path, with its trailing separator; empty for a bare file name.
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/:");
    if (slash == std::string::npos)
        return std::string();
    return path.substr(0, slash + 1);
}

// Temporary files are named "~vt" <target> "-" <process id> "-" <n> ".tmp", where <target> is
// a hash of the target's file name in capitals: the name tells the save, its target and the
// process that wrote it, and stays short whatever the target's name.
std::string TempPrefix(const std::string& path)
{
    const std::string name = path.substr(FolderOf(path).size());
    std::uint32_t hash = 2166136261u;   // FNV-1a
    for (unsigned char c : name) {
        hash ^= static_cast<std::uint32_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        hash *= 16777619u;
    }
    char text[16];
    std::snprintf(text, sizeof text, "~vt%08x-", static_cast<unsigned>(hash));
    return text;
}

// The process id of a temporary file's name after its prefix ("<pid>-<n>.tmp"); false when
// the rest of the name is not of that form.
bool ParseTempName(const char* rest, DWORD& processId)
{
    const char hex[] = "0123456789abcdefABCDEF";
    const size_t pidDigits = std::strspn(rest, hex);
    if (pidDigits == 0 || pidDigits > 8 || rest[pidDigits] != '-')
        return false;
    const char* number = rest + pidDigits + 1;
    const size_t numberDigits = std::strspn(number, hex);
    if (numberDigits == 0 || _stricmp(number + numberDigits, ".tmp") != 0)
        return false;
    processId = static_cast<DWORD>(std::strtoul(rest, nullptr, 16));
    return true;
}

bool IsRunningOtherProcess(DWORD processId)
{
    if (processId == GetCurrentProcessId())
        return false;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return false;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

// Creates a new temporary file for the target, in its folder; INVALID_HANDLE_VALUE on failure.
HANDLE CreateTempFile(const std::string& path, std::string& tempPath)
{
    const std::string stem = FolderOf(path) + TempPrefix(path);
    char suffix[32];
    for (unsigned n = 0; n < 1000; ++n) {
        std::snprintf(suffix, sizeof suffix, "%lx-%x.tmp", static_cast<unsigned long>(GetCurrentProcessId()), n);
        tempPath = stem + suffix;
        HANDLE file =
            CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

// Removes the temporary files that earlier saves of this target left behind when they were
// cut short; those of a save still running in another process stay.
void RemoveLeftovers(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const std::string prefix = TempPrefix(path);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + prefix + "*.tmp").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        DWORD processId = 0;
        // The search also matches short names; only the tool's own long names are taken.
        if (_strnicmp(found.cFileName, prefix.c_str(), prefix.size()) != 0
            || !ParseTempName(found.cFileName + prefix.size(), processId) || IsRunningOtherProcess(processId)
            || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(find, &found));
    FindClose(find);
}
// Opens a file to be read from start to end, with its size; INVALID_HANDLE_VALUE when it
// cannot be opened or its size cannot be read.
HANDLE OpenToRead(const char* path, LARGE_INTEGER& size)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file != INVALID_HANDLE_VALUE && !GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}
}   // namespace

bool CListFileStorage::ReadAll(const char* path, CTextBlock& bytes)
{
    bytes.SetSize(0);
    LARGE_INTEGER size{};
    HANDLE file = OpenToRead(path, size);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CHandleCloser closer(file);
    if (size.QuadPart < 0 || size.QuadPart > 0x7FFFFFFF)
        return false;
    // The size is a hint: the file is read until it ends, whatever it holds by then. One
    // byte of room beyond it lets the read that finds the end need no more memory.
    if (!bytes.Reserve(static_cast<size_t>(size.QuadPart) + 1))
        return false;
    size_t used = 0;
    for (;;) {
        if (used == bytes.Capacity() && (used > 0x7FFFFFFF || !bytes.Reserve(used + kChunk)))
            return false;
        const DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.Capacity() - used, kChunk));
        DWORD got = 0;
        if (!ReadFile(file, bytes.Data() + used, part, &got, nullptr))
            return false;
        if (got == 0)
            break;
        used += got;
        bytes.SetSize(used);
    }
    return true;
}

bool CListFileStorage::ReadList(const char* path, CTextBlock& bytes, CListFileReader::Groups& groups)
{
    LARGE_INTEGER size{};
    HANDLE file = OpenToRead(path, size);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CHandleCloser closer(file);
    // Addresses for the largest file, so that the block never moves while the reader's
    // records borrow from it; pages are committed only as the chunks come.
    if (size.QuadPart < 0 || size.QuadPart > LONGLONG(kLargestFile)
        || !bytes.ReserveAddresses(kLargestFile + 2 * size_t(kChunk)))
        return false;
    char* const base = bytes.Data();
    CListFileReader reader(base);
    char* begin = base;   // the first line the reader has not read
    char* end = base;     // the end of the bytes read from the file
    size_t total = 0;
    for (;;) {
        // A line longer than a chunk is read in pieces that grow with it, so that it is
        // scanned a bounded number of times.
        const size_t rest = static_cast<size_t>(end - begin);
        const size_t part = std::min<size_t>(std::max<size_t>(rest, kChunk), kLargestFile + 1 - total);
        const size_t held = static_cast<size_t>(end - base);
        DWORD got = 0;
        if (part == 0 || !bytes.Reserve(held + part) || !ReadFile(file, end, static_cast<DWORD>(part), &got, nullptr))
            return false;
        if (got == 0)
            break;
        total += got;
        end += got;
        if (!reader.ReadLines(begin, end))
            return false;
        // The line not yet whole goes down behind the texts kept, where the next chunk follows it.
        char* const kept = reader.KeptEnd();
        if (kept != begin)
            std::memmove(kept, begin, static_cast<size_t>(end - begin));
        end = kept + (end - begin);
        begin = kept;
    }
    bytes.SetSize(static_cast<size_t>(reader.KeptEnd() - base));
    return begin == end && reader.Finish(groups);
}

bool CListFileStorage::WriteAndFlush(HANDLE file, const Producer& produce)
{
    CHandleCloser closer(file);
    const Sink sink = [file](const char* data, size_t size) {
        size_t done = 0;
        while (done < size) {
            const DWORD part = static_cast<DWORD>(std::min<size_t>(size - done, 16u << 20));
            DWORD written = 0;
            if (!WriteFile(file, data + done, part, &written, nullptr) || written != part)
                return false;
            done += written;
        }
        return true;
    };
    return produce(sink) && FlushFileBuffers(file) != 0;
}

bool CListFileStorage::WriteReplacing(const char* path, const Producer& produce)
{
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    std::string tempPath;
    HANDLE file = CreateTempFile(path, tempPath);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    if (WriteAndFlush(file, produce)
        && MoveFileExA(tempPath.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        RemoveLeftovers(path);
        return true;
    }
    DeleteFileA(tempPath.c_str());
    return false;
}
