#include "DialogDriver.h"

#include "CDialog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace drive {
INT_PTR RunModal(CDialog& dialog, ui::DialogAnswerer& answerer, std::vector<ui::SeenDialog>* seen)
{
    answerer.Start();
    std::vector<ui::SeenDialog> answered;
    std::atomic<bool> closed{false};
    bool forced = false;
    std::thread watchdog([&] {
        answered = answerer.Finish();
        for (int i = 0; i < 300 && !closed; ++i)
            Sleep(10);
        while (!closed) {
            forced = true;
            ui::CloseDialogs();
            Sleep(100);
        }
    });
    const INT_PTR result = dialog.DoModal();
    closed = true;
    watchdog.join();
    if (forced)
        ADD_FAILURE() << "a dialog was left open after the answerer had finished";
    if (seen)
        *seen = answered;
    return result;
}

std::string Text(HWND dialog, int id)
{
    char buffer[1024] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

void SetText(HWND dialog, int id, const std::string& text)
{
    SetDlgItemTextA(dialog, id, text.c_str());
}

void Type(HWND dialog, int id, const std::string& chars)
{
    HWND control = GetDlgItem(dialog, id);
    for (char c : chars)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Choose(HWND dialog, int id, int index)
{
    HWND box = GetDlgItem(dialog, id);
    SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
    SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);
}

int FocusId(HWND dialog)
{
    // The dialog's thread may still be between closing a message box and setting the
    // focus it wants: take the focus once it has stayed on one control for a moment.
    auto current = [dialog] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
        return info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0;
    };
    const DWORD start = GetTickCount();
    int seen = current();
    DWORD since = GetTickCount();
    while (GetTickCount() - start < 3000) {
        Sleep(10);
        const int now = current();
        if (now != seen) {
            seen = now;
            since = GetTickCount();
        } else if (now != 0 && GetTickCount() - since >= 200) {
            break;
        }
    }
    return seen;
}

bool Visible(HWND dialog, int id)
{
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

void PressKey(HWND dialog, int id, UINT vk)
{
    HWND control = GetDlgItem(dialog, id);
    SendMessageA(control, WM_KEYDOWN, vk, 1);
    SendMessageA(control, WM_KEYUP, vk, 0xC0000001);
}
}   // namespace drive
