#include "CPackedChromatogram.h"

#include <cstring>


void CPackedChromatogram::Release()
{
    if (m_bOwned)
        delete[] m_pTexts;
    m_bOwned = false;
    m_pTexts = kNoTexts;
}

CPackedChromatogram& CPackedChromatogram::operator=(const CPackedChromatogram& other)
{
    if (this == &other)
        return *this;
    if (other.m_bOwned) {
        const size_t size = other.m_ends[kTexts - 1];
        char* owned = new char[size + 1];
        std::memcpy(owned, other.m_pTexts, size);
        Release();
        m_pTexts = owned;
        m_bOwned = true;
    } else {
        Release();
        m_pTexts = other.m_pTexts;
    }
    std::memcpy(m_ends, other.m_ends, sizeof m_ends);
    m_nType = other.m_nType;
    m_nAnalogue = other.m_nAnalogue;
    m_nFunction = other.m_nFunction;
    m_bChecked = other.m_bChecked;
    m_bVerbatim = other.m_bVerbatim;
    return *this;
}

CPackedChromatogram& CPackedChromatogram::operator=(CPackedChromatogram&& other) noexcept
{
    if (this == &other)
        return *this;
    Release();
    m_pTexts = other.m_pTexts;
    m_bOwned = other.m_bOwned;
    std::memcpy(m_ends, other.m_ends, sizeof m_ends);
    m_nType = other.m_nType;
    m_nAnalogue = other.m_nAnalogue;
    m_nFunction = other.m_nFunction;
    m_bChecked = other.m_bChecked;
    m_bVerbatim = other.m_bVerbatim;
    other.m_pTexts = kNoTexts;
    other.m_bOwned = false;
    other.m_bVerbatim = true;
    for (int i = 0; i < kTexts; ++i)
        other.m_ends[i] = static_cast<std::uint32_t>(i);
    return *this;
}

void CPackedChromatogram::Pack(const CChromatogramData& rec)
{
    const std::string* texts[kTexts] = {&rec.m_strName, &rec.m_strDescription, &rec.m_strMass, &rec.m_strExtra,
                                        &rec.m_strBasedOn};
    size_t total = kTexts - 1;
    for (const std::string* text : texts)
        total += text->size();
    auto owned = std::make_unique<char[]>(total + 1);
    char* out = owned.get();
    bool verbatim = true;
    std::uint32_t ends[kTexts];
    for (int i = 0; i < kTexts; ++i) {
        if (i > 0)
            *out++ = '\t';
        if (texts[i]->find_first_of(std::string_view("\\\t\n\r\0", 5)) != std::string::npos)
            verbatim = false;
        std::memcpy(out, texts[i]->data(), texts[i]->size());
        out += texts[i]->size();
        ends[i] = static_cast<std::uint32_t>(out - owned.get());
    }
    Release();
    m_pTexts = owned.release();
    m_bOwned = true;
    m_bVerbatim = verbatim;
    std::memcpy(m_ends, ends, sizeof m_ends);
    m_nType = rec.m_nType;
    m_nAnalogue = rec.m_nAnalogue;
    m_nFunction = rec.m_nFunction;
    m_bChecked = rec.m_bChecked;
}

void CPackedChromatogram::Unpack(CChromatogramData& rec) const
{
    std::string* texts[kTexts] = {&rec.m_strName, &rec.m_strDescription, &rec.m_strMass, &rec.m_strExtra,
                                  &rec.m_strBasedOn};
    for (int i = 0; i < kTexts; ++i)
        texts[i]->assign(Text(i));
    rec.m_nType = m_nType;
    rec.m_nAnalogue = m_nAnalogue;
    rec.m_nFunction = m_nFunction;
    rec.m_bChecked = m_bChecked;
}

void CPackedChromatogram::Borrow(const char* base, const std::uint32_t (&ends)[kTexts], bool verbatim)
{
    Release();
    m_pTexts = base;
    m_bVerbatim = verbatim;
    for (int i = 0; i < kTexts; ++i)
        m_ends[i] = ends[i];
}

std::string_view CPackedChromatogram::Text(int i) const
{
    const std::uint32_t begin = i == 0 ? 0 : m_ends[i - 1] + 1;
    return std::string_view(m_pTexts + begin, m_ends[i] - begin);
}
