#include "HelpFile.h"

#include <string>

namespace help {
namespace {
std::string& FileName()
{
    static std::string name;
    return name;
}
}   // namespace

void SetFileName(const char* name)
{
    FileName() = name ? name : "";
}

bool Open(HWND owner, DWORD_PTR context)
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (FileName().empty() || length == 0 || length >= MAX_PATH)
        return false;
    std::string helpFile(path, length);
    helpFile.erase(helpFile.find_last_of("\\/") + 1);
    helpFile += FileName();

    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    static HMODULE viewer = LoadLibraryA("hhctrl.ocx");
    const auto open =
        viewer ? reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")))
               : nullptr;
    if (!open)
        return false;
    open(owner, helpFile.c_str(), 15 /* HH_HELP_CONTEXT */, context);
    return true;
}

}   // namespace help
