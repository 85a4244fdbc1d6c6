// Feeds arbitrary bytes to the list file reader. A file the reader accepts must survive a
// write and a second read unchanged, and the second write must give the same bytes:
// anything else is a fault the reader or the writer let through.
#include "CListFileReader.h"
#include "CListFileWriter.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {
using GroupList = std::vector<std::unique_ptr<SGroupEntry>>;

bool SameChro(const SChroEntry& a, const SChroEntry& b)
{
    const CPackedChromatogram& x = a.data;
    const CPackedChromatogram& y = b.data;
    if (a.id != b.id || x.m_bChecked != y.m_bChecked || x.m_nType != y.m_nType || x.m_nAnalogue != y.m_nAnalogue
        || x.m_nFunction != y.m_nFunction)
        return false;
    for (int text = 0; text < CPackedChromatogram::kTexts; ++text)
        if (x.Text(text) != y.Text(text))
            return false;
    return true;
}

bool SameGroup(const SGroupEntry& a, const SGroupEntry& b)
{
    const CGroupDataHelper& x = a.data;
    const CGroupDataHelper& y = b.data;
    if (a.id != b.id || a.selection != b.selection || x.m_dwKey != y.m_dwKey || x.m_bChecked != y.m_bChecked
        || x.m_nRangeMode != y.m_nRangeMode || x.m_strName != y.m_strName || x.m_strComment != y.m_strComment
        || x.m_strBasedOn != y.m_strBasedOn || x.m_strRange != y.m_strRange || a.chros.size() != b.chros.size())
        return false;
    for (size_t i = 0; i < a.chros.size(); ++i)
        if (!SameChro(a.chros[i], b.chros[i]))
            return false;
    return true;
}

bool SameList(const GroupList& a, const GroupList& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!SameGroup(*a[i], *b[i]))
            return false;
    return true;
}
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    // The reader works in place and its records borrow from the text: each read gets its
    // own copy, kept while its records are compared.
    std::string input(reinterpret_cast<const char*>(data), size);
    GroupList first;
    if (!CListFileReader::Parse(input, first)) {
        if (!first.empty())
            std::abort();   // a refused file leaves nothing behind
        return 0;
    }
    std::string written;
    CListFileWriter::Write(first, written);
    std::string copy = written;
    GroupList second;
    if (!CListFileReader::Parse(copy, second))
        std::abort();
    if (!SameList(first, second))
        std::abort();
    std::string rewritten;
    CListFileWriter::Write(second, rewritten);
    if (rewritten != written)
        std::abort();
    return 0;
}
