#include "CTransferClipboard.h"

#include "CChroTableWriter.h"
#include "ChroRecordCodec.h"
#include "CodePageText.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace {
const char kFormatName[] = "Vantrace Chromatograms";

// Opens the clipboard for the scope; another program may hold it for a moment.
class CClipboardScope {
public:
    explicit CClipboardScope(HWND owner)
    {
        for (int attempt = 0; attempt < 10 && !m_open; ++attempt) {
            m_open = OpenClipboard(owner) != 0;
            if (!m_open)
                Sleep(10);
        }
    }
    ~CClipboardScope()
    {
        if (m_open)
            CloseClipboard();
    }
    CClipboardScope(const CClipboardScope&) = delete;
    CClipboardScope& operator=(const CClipboardScope&) = delete;
    bool IsOpen() const { return m_open; }

private:
    bool m_open = false;
};

// Hands the clipboard a movable copy of size bytes; it owns the memory once it takes it.
bool PutBytes(UINT format, const void* data, size_t size)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        return false;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(memory);
    if (!SetClipboardData(format, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

bool GetBytes(UINT format, std::string& bytes)
{
    HANDLE memory = GetClipboardData(format);
    if (!memory)
        return false;
    const void* source = GlobalLock(memory);
    if (!source)
        return false;
    bytes.assign(static_cast<const char*>(source), GlobalSize(memory));
    GlobalUnlock(memory);
    return true;
}
}   // namespace

UINT CTransferClipboard::Format()
{
    static const UINT format = RegisterClipboardFormatA(kFormatName);
    return format;
}

bool CTransferClipboard::Put(HWND owner, const std::vector<CChromatogramData>& chros)
{
    // The block starts with the encoding's size: the clipboard may round a block up.
    const std::string encoding = chro_codec::Encode(chros);
    const std::uint32_t size = static_cast<std::uint32_t>(encoding.size());
    std::string own(reinterpret_cast<const char*>(&size), sizeof size);
    own += encoding;
    const std::wstring text = code_page::ToWide(CChroTableWriter::Text(chros));
    CClipboardScope clipboard(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard())
        return false;
    // Own format first: a reader takes the first format on the list that it knows.
    return PutBytes(Format(), own.data(), own.size())
           && PutBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

bool CTransferClipboard::Get(HWND owner, SContent& content)
{
    content = SContent();
    CClipboardScope clipboard(owner);
    if (!clipboard.IsOpen())
        return false;
    std::string bytes;
    std::uint32_t size = 0;
    if (GetBytes(Format(), bytes) && bytes.size() >= sizeof size) {
        std::memcpy(&size, bytes.data(), sizeof size);
        if (size <= bytes.size() - sizeof size
            && chro_codec::Decode(std::string_view(bytes).substr(sizeof size, size), content.chros)) {
            content.own = true;
            return true;
        }
    }
    if (!GetBytes(CF_UNICODETEXT, bytes))
        return false;
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), text.size()));
    content.utf8Text = code_page::WideToUtf8(text);
    return true;
}
