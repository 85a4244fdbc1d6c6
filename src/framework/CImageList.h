#pragma once

#include <windows.h>

#include <commctrl.h>

// An image list the object owns: created from a bitmap strip, destroyed with the object.
class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList() { DeleteImageList(); }

    // Loads bitmap resource bitmapId of this program as a strip of images cx pixels wide;
    // pixels of colour mask are transparent. False when the bitmap does not load.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    // Destroys the image list, if any (ImageList_Destroy).
    BOOL DeleteImageList();

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }
    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }

private:
    HIMAGELIST m_hImageList = nullptr;
};
