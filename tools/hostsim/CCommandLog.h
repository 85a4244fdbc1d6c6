#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Where the host simulator writes the display commands it receives: one line each, to
// standard output or a file, flushed after every line.
class CCommandLog {
public:
    CCommandLog() = default;
    ~CCommandLog();
    CCommandLog(const CCommandLog&) = delete;
    CCommandLog& operator=(const CCommandLog&) = delete;

    // An empty path writes to standard output; a file is created afresh.
    bool Open(const std::string& path);
    // Writes one received text as a line and returns that line (without its line end).
    // Control characters and backslashes are escaped (\xNN, \\) so that every command
    // stays one line.
    std::string Write(const char* text, size_t length);

    static std::string Escape(const char* text, size_t length);

private:
    FILE* m_file = nullptr;
    bool m_bOwnsFile = false;
};
