#include "CRecoveryStore.h"

#include "CListFileStorage.h"
#include "CListManager.h"
#include "CTextBlock.h"
#include "ListFileText.h"

#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
const char kMagic[] = "VANTRACE-RECOVERY 1\n";
const char kExtension[] = ".vtr";
// A header is a few short lines; this much of a file always holds the whole of a sound one.
const DWORD kHeaderLimit = 16 * 1024;

std::uint64_t ToNumber(const FILETIME& time)
{
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void PutText(std::string& out, const char* key, const std::string& text)
{
    out += key;
    out += '\t';
    const size_t at = out.size();
    out.resize(at + listfile::EscapedSize(text));
    listfile::Escape(out.data() + at, text);
    out += '\n';
}

// The next line of bytes from pos, without its LF; false when no LF follows.
bool NextLine(std::string_view bytes, size_t& pos, std::string_view& line)
{
    const size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos)
        return false;
    line = bytes.substr(pos, end - pos);
    pos = end + 1;
    return true;
}

// "<key>\t<rest>": the rest.
bool Field(std::string_view line, std::string_view key, std::string_view& rest)
{
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != '\t')
        return false;
    rest = line.substr(key.size() + 1);
    return true;
}

bool Number(std::string_view text, std::uint64_t limit, std::uint64_t& out)
{
    if (text.empty() || text.size() > 20)
        return false;
    out = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        const unsigned digit = static_cast<unsigned>(c - '0');
        if (out > (limit - digit) / 10)
            return false;
        out = out * 10 + digit;
    }
    return true;
}

std::string Narrow(const std::wstring& wide)
{
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0, nullptr, &lossy);
    if (size <= 1 || lossy)
        return {};
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, narrow.data(), size, nullptr, &lossy);
    narrow.resize(static_cast<size_t>(size - 1));
    return lossy ? std::string() : narrow;
}
}   // namespace

CRecoveryStore::CRecoveryStore(std::string folder)
    : m_strFolder(folder.empty() ? DefaultFolder() : std::move(folder)), m_ownProcessId(GetCurrentProcessId()),
      m_ownStart(OwnStartTime())
{
    if (m_strFolder.empty())
        return;
    if (m_strFolder.back() != '\\' && m_strFolder.back() != '/')
        m_strFolder += '\\';
    m_strOwnFile = m_strFolder + FileName(m_ownProcessId, m_ownStart);
}

std::string CRecoveryStore::DefaultFolder()
{
    PWSTR base = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &base)))
        return {};
    std::wstring path = base;
    CoTaskMemFree(base);
    for (const wchar_t* part : {L"\\Fenwright", L"\\Vantrace", L"\\Recovery"}) {
        path += part;
        if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return {};
    }
    // The tool's file functions take the code page's text: a folder whose name it cannot
    // hold is reached through its short name.
    std::string narrow = Narrow(path);
    if (narrow.empty()) {
        wchar_t shortPath[MAX_PATH];
        const DWORD length = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            narrow = Narrow(shortPath);
    }
    return narrow;
}

std::uint64_t CRecoveryStore::OwnStartTime()
{
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    return ToNumber(created);
}

bool CRecoveryStore::IsRunning(DWORD processId, std::uint64_t processStart)
{
    if (processId == GetCurrentProcessId())
        return processStart == OwnStartTime();
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    FILETIME created{}, exited{}, kernel{}, user{};
    bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    // A process with the same id but another creation time took the id of the one that ended.
    if (running && GetProcessTimes(process, &created, &exited, &kernel, &user))
        running = ToNumber(created) == processStart;
    CloseHandle(process);
    return running;
}

SRecoveryHeader CRecoveryStore::OwnHeader(const std::string& listPath, const std::string& listName) const
{
    SRecoveryHeader header;
    header.listPath = listPath;
    header.listName = listName;
    header.processId = m_ownProcessId;
    header.processStart = m_ownStart;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    header.written = ToNumber(now);
    return header;
}

void CRecoveryStore::Compose(const SRecoveryHeader& header, const CListManager& list, std::string& out)
{
    out.assign(kMagic);
    PutText(out, "PATH", header.listPath);
    PutText(out, "NAME", header.listName);
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "PROCESS\t%lu\t%llu\nTIME\t%llu\n",
                  static_cast<unsigned long>(header.processId), static_cast<unsigned long long>(header.processStart),
                  static_cast<unsigned long long>(header.written));
    out += numbers;
    list.AppendBytes(out);
}

bool CRecoveryStore::ParseHeader(std::string_view bytes, SRecoveryHeader& header, size_t& body)
{
    const size_t magic = sizeof kMagic - 1;
    if (bytes.substr(0, magic) != std::string_view(kMagic, magic))
        return false;
    size_t pos = magic;
    std::string_view path, name, process, time, rest;
    std::uint64_t id = 0;
    if (!NextLine(bytes, pos, path) || !Field(path, "PATH", path) || !listfile::Unescape(path, header.listPath)
        || !NextLine(bytes, pos, name) || !Field(name, "NAME", name) || !listfile::Unescape(name, header.listName)
        || !NextLine(bytes, pos, process) || !Field(process, "PROCESS", process) || !NextLine(bytes, pos, time)
        || !Field(time, "TIME", time) || !Number(time, ~0ull, header.written))
        return false;
    const size_t tab = process.find('\t');
    if (tab == std::string_view::npos || !Number(process.substr(0, tab), 0xFFFFFFFFull, id)
        || !Number(process.substr(tab + 1), ~0ull, header.processStart))
        return false;
    header.processId = static_cast<DWORD>(id);
    body = pos;
    return true;
}

bool CRecoveryStore::WriteOwn(std::string_view bytes) const
{
    if (!IsUsable())
        return false;
    return CListFileStorage::WriteReplacing(m_strOwnFile.c_str(), [bytes](const CListFileStorage::Sink& sink) {
        return sink(bytes.data(), bytes.size());
    });
}

bool CRecoveryStore::Remove(const std::string& path)
{
    if (path.empty())
        return false;
    return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

std::string CRecoveryStore::FileName(DWORD processId, std::uint64_t processStart)
{
    char name[64];
    std::snprintf(name, sizeof name, "vtr-%08lx-%016llx%s", static_cast<unsigned long>(processId),
                  static_cast<unsigned long long>(processStart), kExtension);
    return name;
}

bool CRecoveryStore::ParseFileName(const char* name, DWORD& processId, std::uint64_t& processStart)
{
    unsigned long id = 0;
    unsigned long long start = 0;
    int used = 0;
    if (std::strlen(name) != 33 || std::sscanf(name, "vtr-%8lx-%16llx%n", &id, &start, &used) != 2 || used != 29
        || _stricmp(name + used, kExtension) != 0)
        return false;
    processId = static_cast<DWORD>(id);
    processStart = start;
    return true;
}

std::vector<SRecoveryFile> CRecoveryStore::ListOrphans() const
{
    std::vector<SRecoveryFile> files;
    if (!IsUsable())
        return files;
    RemoveDeadTemporaries();
    std::vector<std::uint64_t> times;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((m_strFolder + "vtr-*" + kExtension).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return files;
    do {
        SRecoveryFile file;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            || !ParseFileName(found.cFileName, file.header.processId, file.header.processStart)
            || IsRunning(file.header.processId, file.header.processStart))
            continue;
        file.path = m_strFolder + found.cFileName;
        file.header.written = ToNumber(found.ftLastWriteTime);
        std::string start(kHeaderLimit, '\0');
        DWORD got = 0;
        HANDLE handle =
            CreateFileA(file.path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        const bool read = handle != INVALID_HANDLE_VALUE && ReadFile(handle, start.data(), kHeaderLimit, &got, nullptr);
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
        start.resize(read ? got : 0);
        SRecoveryHeader header;
        size_t body = 0;
        // The name decides whose file it is; a header that disagrees marks the file damaged.
        file.damaged = !ParseHeader(start, header, body) || header.processId != file.header.processId
                       || header.processStart != file.header.processStart;
        if (!file.damaged)
            file.header = header;
        files.push_back(std::move(file));
    } while (FindNextFileA(find, &found));
    FindClose(find);
    std::stable_sort(files.begin(), files.end(), [](const SRecoveryFile& a, const SRecoveryFile& b) {
        return a.header.written > b.header.written;
    });
    return files;
}

bool CRecoveryStore::Read(const std::string& path, SRecoveryHeader& header, CListManager& list)
{
    list.DeleteListContent();
    CTextBlock bytes;
    size_t body = 0;
    if (!CListFileStorage::ReadAll(path.c_str(), bytes)
        || !ParseHeader(std::string_view(bytes.Data(), bytes.Size()), header, body))
        return false;
    return list.LoadBytes(bytes.Data() + body, bytes.Size() - body);
}

// The list files' safe replace names its temporary files "~vt<hash>-<process id>-<n>.tmp"; a
// process killed while writing leaves one behind, which only that process's next write would
// have removed.
void CRecoveryStore::RemoveDeadTemporaries() const
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((m_strFolder + "~vt*.tmp").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        unsigned hash = 0;
        unsigned long id = 0;
        unsigned n = 0;
        if (std::sscanf(found.cFileName, "~vt%8x-%lx-%x.tmp", &hash, &id, &n) != 3
            || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
        DWORD code = STILL_ACTIVE;
        const bool ended =
            process ? GetExitCodeProcess(process, &code) && code != STILL_ACTIVE : GetLastError() != ERROR_ACCESS_DENIED;
        if (process)
            CloseHandle(process);
        if (ended)
            DeleteFileA((m_strFolder + found.cFileName).c_str());
    } while (FindNextFileA(find, &found));
    FindClose(find);
}
