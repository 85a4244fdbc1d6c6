#pragma once

#if defined(_WIN32)
#include <windows.h>
#else
#include <cstdint>
typedef std::uint32_t DWORD;   // native builds of the list file reader
#endif

#include <string>

// One group of the list: its key, names, range rule and check mark.
class CGroupDataHelper {
public:
    CGroupDataHelper() = default;
    CGroupDataHelper(const CGroupDataHelper&) = default;
    CGroupDataHelper& operator=(const CGroupDataHelper&) = default;
    CGroupDataHelper(CGroupDataHelper&&) = default;
    CGroupDataHelper& operator=(CGroupDataHelper&&) = default;
    virtual ~CGroupDataHelper() = default;

    DWORD m_dwKey = 0;
    std::string m_strName;
    std::string m_strComment;
    std::string m_strBasedOn;
    std::string m_strRange;   // range start and end joined by a colon
    bool m_bChecked = false;
    int m_nRangeMode = 0;   // 0 keep the current range, 1 reset to default, 2 use m_strRange
};
