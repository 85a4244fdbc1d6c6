#pragma once

#include <cstdint>
#include <string>

// What a list file looked like when the tool last read or wrote it (size, last write time
// and a hash of its bytes), to tell whether another writer has changed it since.
class CFileStamp {
public:
    // Records the file as it is on disk; false, leaving no stamp, when it cannot be read.
    bool Take(const std::string& path);
    void Clear() { m_bSet = false; }
    bool IsSet() const { return m_bSet; }

    // Whether the file differs from the stamp: its size or time, and with deep its bytes too
    // (which reads the whole file). A file that is gone, or no stamp, counts as unchanged:
    // there is nothing another writer left to replace.
    bool Changed(const std::string& path, bool deep) const;

private:
    // Size and time of the file; false when it cannot be opened.
    static bool Look(const std::string& path, std::uint64_t& size, std::uint64_t& time);
    static bool Hash(const std::string& path, std::uint64_t& hash);

    bool m_bSet = false;
    std::uint64_t m_size = 0;
    std::uint64_t m_time = 0;
    std::uint64_t m_hash = 0;
};
