#include "CReplacingFile.h"

#include <windows.h>

namespace {
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

bool WriteAndFlush(const char* path, std::string_view bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        ok = WriteFile(file, bytes.data() + done, part, &written, nullptr) && written == part;
        done += part;
    }
    ok = ok && FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}
}   // namespace

bool CReplacingFile::Write(const char* path, std::string_view bytes)
{
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    char tempPath[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), "vtx", 0, tempPath))
        return false;
    if (WriteAndFlush(tempPath, bytes)
        && MoveFileExA(tempPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(tempPath);
    return false;
}

bool CReplacingFile::Read(const char* path, std::string& bytes, size_t limit)
{
    bytes.clear();
    // A spreadsheet keeps the file it shows open for writing; reading beside it needs every
    // share mode.
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    bool ok =
        GetFileSizeEx(file, &size) && size.QuadPart >= 0 && static_cast<unsigned long long>(size.QuadPart) <= limit;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        ok = bytes.empty()
             || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size());
    }
    CloseHandle(file);
    if (!ok)
        bytes.clear();
    return ok;
}
