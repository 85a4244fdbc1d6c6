#pragma once

#include "CChromatogramData.h"

#include <cstdint>
#include <string>
#include <string_view>

// A chromatogram as the list stores it: the numbers and check mark, and the five texts in one
// block exactly as a list file line holds them: escaped and TAB-separated. The block is either
// its own (one allocation for all five texts) or borrowed from the text of the list file it
// was loaded from, which the list keeps for as long as it holds records that borrow from it.
// Texts are unescaped only when read, which is rare next to loading and saving them.
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
    // Borrows the five texts of a list file line: size bytes at texts, escaped and
    // TAB-separated, every backslash one of the five escapes (the caller has checked).
    void Borrow(const char* texts, std::uint32_t size)
    {
        if (m_bOwned)
            Release();
        m_pTexts = texts;
        m_size = size;
    }
    // The same, but copied into a block of this object's own, with any raw CR or NUL (which a
    // list file may hold, though it is always written escaped) escaped.
    void CopyStored(const char* texts, std::uint32_t size);

    // Text i, unescaped.
    std::string Text(int i) const;
    // All five texts as a list file line holds them.
    std::string_view Stored() const { return std::string_view(m_pTexts, m_size); }

    int m_nType = 0;
    int m_nAnalogue = 1;
    int m_nFunction = 1;
    bool m_bChecked = true;

private:
    // Frees the texts if they are this object's own; they are then five empty texts.
    void Release();
    void Adopt(char* owned, std::uint32_t size);

    // Five empty texts.
    static constexpr char kNoTexts[] = "\t\t\t\t";

    // A flag rather than a second, owning pointer, and the members in this order: a list holds
    // hundreds of thousands of records, and the last four bytes stay free for the entry's id
    // (see SChroEntry).
    bool m_bOwned = false;             // m_pTexts is this object's own block (new[])
    const char* m_pTexts = kNoTexts;   // this object's own block, or borrowed texts
    std::uint32_t m_size = sizeof kNoTexts - 1;
};
