#include "CListFileStorage.h"

#include <windows.h>

#include <algorithm>

namespace {
const DWORD kChunk = 1u << 20;

// Closes a file handle when it goes out of scope.
class CHandleCloser {
public:
    explicit CHandleCloser(HANDLE handle) : m_handle(handle) {}
    ~CHandleCloser()
    {
        if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
    }
    CHandleCloser(const CHandleCloser&) = delete;
    CHandleCloser& operator=(const CHandleCloser&) = delete;

private:
    HANDLE m_handle;
};

// The folder part of a path, with its trailing separator; "." for a bare file name.
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/:");
    if (slash == std::string::npos) return ".";
    return path.substr(0, slash + 1);
}
}  // namespace

bool CListFileStorage::ReadAll(const char* path, std::string& bytes)
{
    bytes.clear();
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CHandleCloser closer(file);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 || size.QuadPart > 0x7FFFFFFF) return false;
    // The size is a hint: the file is read until it ends, whatever it holds by then. One
    // byte of room beyond it lets the read that finds the end need no more memory.
    bytes.resize(static_cast<size_t>(size.QuadPart) + 1);
    size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > 0x7FFFFFFF) {
                bytes.clear();
                return false;
            }
            bytes.resize(used + kChunk);
        }
        const DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - used, kChunk));
        DWORD got = 0;
        if (!ReadFile(file, &bytes[used], part, &got, nullptr)) {
            bytes.clear();
            return false;
        }
        if (got == 0) break;
        used += got;
    }
    bytes.resize(used);
    return true;
}

bool CListFileStorage::WriteAndFlush(const char* tempPath, const Producer& produce)
{
    HANDLE file = CreateFileA(tempPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CHandleCloser closer(file);
    const Sink sink = [file](const char* data, size_t size) {
        size_t done = 0;
        while (done < size) {
            const DWORD part = static_cast<DWORD>(std::min<size_t>(size - done, 16u << 20));
            DWORD written = 0;
            if (!WriteFile(file, data + done, part, &written, nullptr) || written != part) return false;
            done += written;
        }
        return true;
    };
    return produce(sink) && FlushFileBuffers(file) != 0;
}

bool CListFileStorage::WriteReplacing(const char* path, const Producer& produce)
{
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES
        && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    char tempPath[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), "vtl", 0, tempPath)) return false;
    if (WriteAndFlush(tempPath, produce)
        && MoveFileExA(tempPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(tempPath);
    return false;
}
