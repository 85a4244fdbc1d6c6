#pragma once

#include "CChromatogramData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A chromatogram as the list stores it: the numbers and check mark, and the five texts laid
// out one after another in one block, one byte apart. The block is either its own (one
// allocation for all five texts) or borrowed from the text of the list file it was loaded
// from, which the list keeps for as long as it holds records that borrow from it.
class CPackedChromatogram {
public:
    enum { kName, kDescription, kMass, kExtra, kBasedOn, kTexts };

    CPackedChromatogram() = default;
    explicit CPackedChromatogram(const CChromatogramData& rec) { Pack(rec); }
    ~CPackedChromatogram() { Release(); }
    // A copy owns a copy of owned texts and borrows what the original borrows.
    CPackedChromatogram(const CPackedChromatogram& other) { *this = other; }
    CPackedChromatogram& operator=(const CPackedChromatogram& other);
    // A moved-from object holds five empty texts.
    CPackedChromatogram(CPackedChromatogram&& other) noexcept { *this = std::move(other); }
    CPackedChromatogram& operator=(CPackedChromatogram&& other) noexcept;

    // Copies the record in; the texts become this object's own.
    void Pack(const CChromatogramData& rec);
    // Copies the record out, reusing the strings' room.
    void Unpack(CChromatogramData& rec) const;
    // Borrows five texts that stand one after another from base: text i ends ends[i] bytes
    // after base and starts one byte after text i - 1 ends (text 0 at base). verbatim: the
    // bytes between the texts are TABs and no text holds a byte that a list file escapes.
    void Borrow(const char* base, const std::uint32_t (&ends)[kTexts], bool verbatim);

    std::string_view Text(int i) const;
    // While no text holds a byte that a list file escapes: all five texts as they stand in
    // a list file line, TAB-separated. Empty otherwise.
    std::string_view Verbatim() const
    {
        return m_bVerbatim ? std::string_view(m_pTexts, m_ends[kTexts - 1]) : std::string_view();
    }
    bool IsVerbatim() const { return m_bVerbatim; }

    int m_nType = 0;
    int m_nAnalogue = 1;
    int m_nFunction = 1;
    bool m_bChecked = true;

private:
    // Frees the texts if they are this object's own; they are then five empty texts.
    void Release();

    // Five empty texts, one byte apart.
    static constexpr char kNoTexts[] = "\t\t\t\t";

    // A flag rather than a second, owning pointer, and the members in this order: a list
    // holds hundreds of thousands of records, and the last four bytes stay free for the
    // entry's id (see SChroEntry).
    bool m_bVerbatim = true;
    bool m_bOwned = false;                // m_pTexts is this object's own block (new[])
    const char* m_pTexts = kNoTexts;      // this object's own block, or borrowed texts
    std::uint32_t m_ends[kTexts] = {0, 1, 2, 3, 4};
};