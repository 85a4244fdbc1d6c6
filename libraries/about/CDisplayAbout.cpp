#include "CDisplayAbout.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr int kIconControl = 100;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

// Appends the bytes of a template structure.
template <typename T>
void AppendRaw(std::vector<WORD>& out, const T& value)
{
    static_assert(sizeof(T) % sizeof(WORD) == 0);
    const size_t at = out.size();
    out.resize(at + sizeof(T) / sizeof(WORD));
    std::memcpy(out.data() + at, &value, sizeof(T));
}

// Appends text to a dialog template as a NUL-terminated UTF-16 string.
void AppendText(std::vector<WORD>& out, const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    out.insert(out.end(), wide.begin(), wide.end());
}

// Appends one control: items start on a DWORD boundary.
void AppendItem(std::vector<WORD>& out, DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom,
                const std::string& text)
{
    if (out.size() % 2)
        out.push_back(0);
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    AppendRaw(out, item);
    out.push_back(0xFFFF);
    out.push_back(classAtom);
    AppendText(out, text);
    out.push_back(0);   // no creation data
}
}   // namespace

CDisplayAbout::CDisplayAbout(HWND owner, char* programName, char* version, unsigned iconId, HINSTANCE instance)
    : m_hOwner(owner), m_strName(programName ? programName : ""), m_strVersion(version ? version : ""),
      m_nIconId(iconId), m_hInstance(instance)
{
    if (m_strVersion.empty())
        m_strVersion = VersionFromResource();
}

CDisplayAbout::~CDisplayAbout() = default;

std::string CDisplayAbout::Caption() const
{
    return m_strName.empty() ? "About" : "About " + m_strName;
}

std::vector<std::string> CDisplayAbout::Lines() const
{
    std::vector<std::string> lines;
    if (!m_strName.empty())
        lines.push_back(m_strName);
    if (!m_strVersion.empty())
        lines.push_back("Version " + m_strVersion);
    lines.push_back("Copyright (C) Fenwright");
    return lines;
}

bool CDisplayAbout::Show()
{
    const std::vector<WORD> dialogTemplate = BuildTemplate();
    HINSTANCE instance = m_hInstance ? m_hInstance : GetModuleHandleA(nullptr);
    const INT_PTR result = DialogBoxIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()),
                                                   m_hOwner, &DialogProc, reinterpret_cast<LPARAM>(this));
    return result != -1 && result != 0;
}

std::vector<WORD> CDisplayAbout::BuildTemplate() const
{
    const std::vector<std::string> lines = Lines();
    const short lineHeight = 12;
    const short textTop = 10;
    const short buttonTop = static_cast<short>(textTop + lineHeight * static_cast<short>(lines.size()) + 8);

    DLGTEMPLATE head{};
    head.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    head.cdit = static_cast<WORD>(lines.size() + 2);
    head.cx = 200;
    head.cy = static_cast<short>(buttonTop + 22);
    std::vector<WORD> out;
    AppendRaw(out, head);
    out.push_back(0);   // no menu
    out.push_back(0);   // the dialog class
    AppendText(out, Caption());
    out.push_back(8);   // point size of the font that follows
    AppendText(out, "MS Shell Dlg");

    AppendItem(out, SS_ICON, 10, 10, 20, 20, kIconControl, kStaticClass, "");
    WORD id = kIconControl + 1;
    short y = textTop;
    for (const std::string& line : lines) {
        AppendItem(out, SS_LEFT | SS_NOPREFIX, 40, y, 150, 10, id++, kStaticClass, line);
        y = static_cast<short>(y + lineHeight);
    }
    AppendItem(out, BS_DEFPUSHBUTTON | WS_TABSTOP, 75, buttonTop, 50, 14, IDOK, kButtonClass, "OK");
    return out;
}

std::string CDisplayAbout::VersionFromResource() const
{
    HMODULE module = m_hInstance ? m_hInstance : GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(VS_VERSION_INFO), MAKEINTRESOURCEA(16));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return "";
    // VerQueryValue may write into the block, so it works on a copy.
    const DWORD size = SizeofResource(module, found);
    std::vector<BYTE> copy(static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size);
    // The product version text as the file's properties show it, in the resource's first
    // language; the four numbers of the fixed part where there is no such text.
    struct SLangCodePage {
        WORD language;
        WORD codePage;
    };
    SLangCodePage* translation = nullptr;
    UINT length = 0;
    if (VerQueryValueA(copy.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length)
        && translation && length >= sizeof *translation) {
        char key[64];
        std::snprintf(key, sizeof key, "\\StringFileInfo\\%04x%04x\\ProductVersion", translation->language,
                      translation->codePage);
        char* value = nullptr;
        if (VerQueryValueA(copy.data(), key, reinterpret_cast<void**>(&value), &length) && value && length > 1)
            return std::string(value, strnlen(value, length));
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    if (!VerQueryValueA(copy.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed
        || length < sizeof *fixed)
        return "";
    char text[64];
    std::snprintf(text, sizeof text, "%lu.%lu.%lu.%lu", static_cast<unsigned long>(HIWORD(fixed->dwFileVersionMS)),
                  static_cast<unsigned long>(LOWORD(fixed->dwFileVersionMS)),
                  static_cast<unsigned long>(HIWORD(fixed->dwFileVersionLS)),
                  static_cast<unsigned long>(LOWORD(fixed->dwFileVersionLS)));
    return text;
}

HICON CDisplayAbout::PickIcon() const
{
    HICON icon = nullptr;
    if (m_nIconId && m_hInstance)
        icon = LoadIconA(m_hInstance, MAKEINTRESOURCEA(m_nIconId));
    if (!icon && m_hOwner)
        icon = reinterpret_cast<HICON>(GetClassLongPtrA(m_hOwner, GCLP_HICON));
    return icon ? icon : LoadIconA(nullptr, MAKEINTRESOURCEA(32512));   // IDI_APPLICATION
}

INT_PTR CALLBACK CDisplayAbout::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const auto* self = reinterpret_cast<const CDisplayAbout*>(lParam);
        SendDlgItemMessageA(dialog, kIconControl, STM_SETICON, reinterpret_cast<WPARAM>(self->PickIcon()), 0);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
