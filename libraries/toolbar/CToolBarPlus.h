#pragma once

#include "CToolBar.h"

#include <commctrl.h>

// A toolbar whose buttons carry images from three strips of 20x20 pictures (normal, hot
// and disabled), and that keeps its separators tidy when buttons are hidden.
class CToolBarPlus : public CToolBar {
public:
    static constexpr int kImageSize = 20;

    CToolBarPlus() = default;
    ~CToolBarPlus() override;

    // Sets the buttons of toolbar resource toolbarId (in order, separators as id 0) and
    // their images: the i-th image of each strip belongs to the i-th button that is not a
    // separator. Each strip is a bitmap 20 pixels high holding at least one 20x20 image per
    // button, magenta (FF00FF) standing for transparent. False, with the toolbar left as it
    // was, when the resource or a bitmap is missing or a strip is too short.
    bool LoadToolBar(HINSTANCE instance, unsigned toolbarId, unsigned normalBitmap, unsigned hotBitmap,
                     unsigned disabledBitmap);

    // Hides every separator that would stand first, last or next to another one among the
    // visible buttons, and shows the others again. Call after any change of visibility.
    void TidySeparators();

private:
    // An image list of the strip's 20x20 images; nullptr when the bitmap is missing, is not
    // 20 pixels high, or holds fewer than minImages images.
    static HIMAGELIST LoadStrip(HINSTANCE instance, unsigned bitmapId, int minImages);
    void SetButtonHidden(int index, bool hidden);
    void FreeImageLists();

    HIMAGELIST m_hNormal = nullptr;
    HIMAGELIST m_hHot = nullptr;
    HIMAGELIST m_hDisabled = nullptr;
};
