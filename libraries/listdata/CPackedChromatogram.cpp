#include "CPackedChromatogram.h"

#include "ListFileText.h"

#include <cstring>
#include <memory>

void CPackedChromatogram::Release()
{
    if (m_bOwned)
        delete[] m_pTexts;
    m_bOwned = false;
    m_pTexts = kNoTexts;
    m_size = sizeof kNoTexts - 1;
}

void CPackedChromatogram::Adopt(char* owned, std::uint32_t size)
{
    Release();
    m_pTexts = owned;
    m_size = size;
    m_bOwned = true;
}

CPackedChromatogram& CPackedChromatogram::operator=(const CPackedChromatogram& other)
{
    if (this == &other)
        return *this;
    if (other.m_bOwned) {
        char* owned = new char[other.m_size + 1];
        std::memcpy(owned, other.m_pTexts, other.m_size);
        Adopt(owned, other.m_size);
    } else {
        Release();
        m_pTexts = other.m_pTexts;
        m_size = other.m_size;
    }
    m_nType = other.m_nType;
    m_nAnalogue = other.m_nAnalogue;
    m_nFunction = other.m_nFunction;
    m_bChecked = other.m_bChecked;
    return *this;
}

CPackedChromatogram& CPackedChromatogram::operator=(CPackedChromatogram&& other) noexcept
{
    if (this == &other)
        return *this;
    Release();
    m_pTexts = other.m_pTexts;
    m_size = other.m_size;
    m_bOwned = other.m_bOwned;
    m_nType = other.m_nType;
    m_nAnalogue = other.m_nAnalogue;
    m_nFunction = other.m_nFunction;
    m_bChecked = other.m_bChecked;
    other.m_bOwned = false;
    other.Release();
    return *this;
}

void CPackedChromatogram::Pack(const CChromatogramData& rec)
{
    const std::string* texts[kTexts] = {&rec.m_strName, &rec.m_strDescription, &rec.m_strMass, &rec.m_strExtra,
                                        &rec.m_strBasedOn};
    size_t total = kTexts - 1;
    for (const std::string* text : texts)
        total += listfile::EscapedSize(*text);
    auto owned = std::make_unique<char[]>(total + 1);
    char* out = owned.get();
    for (int i = 0; i < kTexts; ++i) {
        if (i > 0)
            *out++ = '\t';
        out = listfile::Escape(out, *texts[i]);
    }
    Adopt(owned.release(), static_cast<std::uint32_t>(total));
    m_nType = rec.m_nType;
    m_nAnalogue = rec.m_nAnalogue;
    m_nFunction = rec.m_nFunction;
    m_bChecked = rec.m_bChecked;
}

void CPackedChromatogram::Unpack(CChromatogramData& rec) const
{
    std::string* texts[kTexts] = {&rec.m_strName, &rec.m_strDescription, &rec.m_strMass, &rec.m_strExtra,
                                  &rec.m_strBasedOn};
    std::string_view rest = Stored();
    for (int i = 0; i < kTexts; ++i) {
        const size_t tab = i + 1 < kTexts ? rest.find('\t') : rest.size();
        listfile::Unescape(rest.substr(0, tab), *texts[i]);
        rest.remove_prefix(tab == rest.size() ? tab : tab + 1);
    }
    rec.m_nType = m_nType;
    rec.m_nAnalogue = m_nAnalogue;
    rec.m_nFunction = m_nFunction;
    rec.m_bChecked = m_bChecked;
}

void CPackedChromatogram::CopyStored(const char* texts, std::uint32_t size)
{
    std::uint32_t total = size;
    for (std::uint32_t i = 0; i < size; ++i)
        if (texts[i] == '\r' || texts[i] == '\0')
            ++total;
    char* owned = new char[total + 1];
    char* out = owned;
    for (std::uint32_t i = 0; i < size; ++i) {
        if (texts[i] == '\r' || texts[i] == '\0') {
            *out++ = '\\';
            *out++ = texts[i] == '\r' ? 'r' : '0';
        } else {
            *out++ = texts[i];
        }
    }
    Adopt(owned, total);
}

std::string CPackedChromatogram::Text(int i) const
{
    std::string_view rest = Stored();
    for (int skip = 0; skip < i; ++skip) {
        const size_t tab = rest.find('\t');
        rest.remove_prefix(tab == std::string_view::npos ? rest.size() : tab + 1);
    }
    std::string text;
    listfile::Unescape(rest.substr(0, rest.find('\t')), text);
    return text;
}
