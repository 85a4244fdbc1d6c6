#include "CodePageText.h"

#include <windows.h>

bool code_page::IsAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

namespace {
std::wstring Widen(UINT codePage, DWORD flags, std::string_view text, bool& ok)
{
    ok = true;
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) {
        ok = false;
        return {};
    }
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}
}   // namespace

bool code_page::FromUtf8(const std::string& utf8, std::string& narrow)
{
    if (code_page::IsAscii(utf8)) {
        narrow = utf8;
        return true;
    }
    bool ok = false;
    const std::wstring wide = Widen(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, ok);
    if (!ok)
        return false;
    const int size = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    narrow.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, narrow.data(), length, nullptr, nullptr);
    // A character the code page holds comes back as itself; anything else was replaced.
    return ToWide(narrow) == wide;
}

std::string code_page::ToUtf8(const std::string& narrow)
{
    if (code_page::IsAscii(narrow))
        return narrow;
    return WideToUtf8(ToWide(narrow));
}

std::wstring code_page::ToWide(const std::string& narrow)
{
    bool ok = false;
    return Widen(CP_ACP, 0, narrow, ok);
}

std::string code_page::WideToUtf8(const std::wstring& wide)
{
    return Narrow(CP_UTF8, wide);
}

bool code_page::IsUtf8(std::string_view bytes)
{
    if (IsAscii(bytes))
        return true;
    bool ok = false;
    Widen(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, ok);
    return ok;
}
