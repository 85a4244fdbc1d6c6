#include "CCommandLog.h"

#include <fcntl.h>
#include <io.h>

CCommandLog::~CCommandLog()
{
    if (m_bOwnsFile && m_file)
        std::fclose(m_file);
}

bool CCommandLog::Open(const std::string& path)
{
    if (path.empty()) {
        // Plain "\n" line ends, as in the file.
        _setmode(_fileno(stdout), _O_BINARY);
        m_file = stdout;
        return true;
    }
    m_file = std::fopen(path.c_str(), "wb");
    m_bOwnsFile = m_file != nullptr;
    return m_file != nullptr;
}

std::string CCommandLog::Escape(const char* text, size_t length)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string line;
    line.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\\') {
            line += "\\\\";
        } else if (c < 0x20 || c == 0x7F) {
            line += "\\x";
            line += hex[c >> 4];
            line += hex[c & 15];
        } else {
            line += static_cast<char>(c);
        }
    }
    return line;
}

std::string CCommandLog::Write(const char* text, size_t length)
{
    std::string line = Escape(text, length);
    if (m_file) {
        std::fwrite(line.data(), 1, line.size(), m_file);
        std::fputc('\n', m_file);
        std::fflush(m_file);
    }
    return line;
}
