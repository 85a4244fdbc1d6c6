#include "CToolBarPlus.h"

#include "FrameworkIds.h"

#include <vector>

namespace {
constexpr COLORREF kTransparent = RGB(255, 0, 255);
}   // namespace

CToolBarPlus::~CToolBarPlus()
{
    // The control goes before the image lists it shows.
    if (m_hWnd)
        DestroyWindow();
    FreeImageLists();
}

HIMAGELIST CToolBarPlus::LoadStrip(HINSTANCE instance, unsigned bitmapId, int minImages, int& size)
{
    auto bitmap =
        static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return nullptr;
    BITMAP info{};
    HIMAGELIST list = nullptr;
    if (GetObjectA(bitmap, sizeof info, &info) && info.bmHeight > 0 && (size == 0 || info.bmHeight == size)
        && info.bmWidth / info.bmHeight >= minImages) {
        size = info.bmHeight;
        const int count = info.bmWidth / size;
        list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0);
        if (list && ImageList_AddMasked(list, bitmap, kTransparent) < 0) {
            ImageList_Destroy(list);
            list = nullptr;
        }
    }
    DeleteObject(bitmap);
    return list;
}

bool CToolBarPlus::LoadToolBar(HINSTANCE instance, unsigned toolbarId, unsigned normalBitmap, unsigned hotBitmap,
                               unsigned disabledBitmap)
{
    std::vector<UINT> ids;
    SIZE buttonSize{};
    if (!m_hWnd || !ReadToolBarResource(instance, toolbarId, ids, &buttonSize))
        return false;
    int buttons = 0;
    for (UINT id : ids)
        buttons += id != ID_SEPARATOR ? 1 : 0;

    // Everything that can fail comes before the toolbar changes.
    const int oldButtons = m_nImageButtons;
    const SIZE oldSize = m_buttonSize;
    m_nImageButtons = buttons;
    m_buttonSize = buttonSize;
    if (!LoadImages(instance, normalBitmap, hotBitmap, disabledBitmap)) {
        m_nImageButtons = oldButtons;
        m_buttonSize = oldSize;
        return false;
    }
    return SetButtons(ids.data(), static_cast<int>(ids.size())) != FALSE;
}

bool CToolBarPlus::LoadImages(HINSTANCE instance, unsigned normalBitmap, unsigned hotBitmap, unsigned disabledBitmap)
{
    int size = 0;
    HIMAGELIST normal = m_hWnd ? LoadStrip(instance, normalBitmap, m_nImageButtons, size) : nullptr;
    HIMAGELIST hot = normal ? LoadStrip(instance, hotBitmap, m_nImageButtons, size) : nullptr;
    HIMAGELIST disabled = hot ? LoadStrip(instance, disabledBitmap, m_nImageButtons, size) : nullptr;
    if (!disabled) {
        for (HIMAGELIST list : {normal, hot})
            if (list)
                ImageList_Destroy(list);
        return false;
    }

    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    if (m_buttonSize.cx > kImageSize && m_buttonSize.cy > kImageSize) {
        const int cx = MulDiv(m_buttonSize.cx, size, kImageSize);
        const int cy = MulDiv(m_buttonSize.cy, size, kImageSize);
        SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(cx, cy));
    }
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal));
    SendMessage(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hot));
    SendMessage(TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled));
    FreeImageLists();   // a second load replaces the lists of the first
    m_hNormal = normal;
    m_hHot = hot;
    m_hDisabled = disabled;
    m_nImageSize = size;
    SendMessage(TB_AUTOSIZE);
    return true;
}

void CToolBarPlus::TidySeparators()
{
    // A separator stays visible only between two visible buttons, and only the first of a
    // run of separators with no visible button between them. "pending" is the separator
    // that follows a visible button and waits for the next one.
    const int count = GetCount();
    int pending = -1;
    bool buttonSeen = false;
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        if (!SendMessage(TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)))
            continue;
        if (button.fsStyle & BTNS_SEP) {
            if (buttonSeen && pending < 0)
                pending = i;
            else
                SetButtonHidden(i, true);
        } else if (!(button.fsState & TBSTATE_HIDDEN)) {
            if (pending >= 0)
                SetButtonHidden(pending, false);
            pending = -1;
            buttonSeen = true;
        }
    }
    if (pending >= 0)
        SetButtonHidden(pending, true);
}

void CToolBarPlus::SetButtonHidden(int index, bool hidden)
{
    // By index: every separator has command id 0, so TB_HIDEBUTTON could not tell them apart.
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_STATE;
    if (SendMessage(TB_GETBUTTONINFOA, index, reinterpret_cast<LPARAM>(&info)) < 0)
        return;
    const BYTE state = hidden ? (info.fsState | TBSTATE_HIDDEN) : (info.fsState & ~TBSTATE_HIDDEN);
    if (state == info.fsState)
        return;
    info.fsState = state;
    SendMessage(TB_SETBUTTONINFOA, index, reinterpret_cast<LPARAM>(&info));
}

void CToolBarPlus::FreeImageLists()
{
    for (HIMAGELIST* list : {&m_hNormal, &m_hHot, &m_hDisabled}) {
        if (*list)
            ImageList_Destroy(*list);
        *list = nullptr;
    }
}
