#pragma once

#include "CToolBar.h"

#include <commctrl.h>

// A toolbar whose buttons carry images from three strips of square pictures (normal, hot
// and disabled), 20x20 at 100% and larger for higher DPIs, and that keeps its separators
// tidy when buttons are hidden.
class CToolBarPlus : public CToolBar {
public:
    static constexpr int kImageSize = 20;

    CToolBarPlus() = default;
    ~CToolBarPlus() override;

    // Sets the buttons of toolbar resource toolbarId (in order, separators as id 0) and
    // their images: the i-th image of each strip belongs to the i-th button that is not a
    // separator. Each strip is a bitmap as high as its images are wide, holding at least one
    // image per button, magenta (FF00FF) standing for transparent; the three strips are equally
    // high. The button size of the resource is for 20x20 images and grows with the images.
    // False, with the toolbar left as it was, when the resource or a bitmap is missing or a
    // strip is too short.
    bool LoadToolBar(HINSTANCE instance, unsigned toolbarId, unsigned normalBitmap, unsigned hotBitmap,
                     unsigned disabledBitmap);
    // Replaces the images of the loaded buttons by those of other strips (another size), the
    // buttons and their states staying as they are. False, with nothing changed, as above.
    bool LoadImages(HINSTANCE instance, unsigned normalBitmap, unsigned hotBitmap, unsigned disabledBitmap);
    // The width and height of the images shown (0 before a load).
    int ImageSize() const { return m_nImageSize; }

    // Hides every separator that would stand first, last or next to another one among the
    // visible buttons, and shows the others again. Call after any change of visibility.
    void TidySeparators();

private:
    // An image list of the strip's square images; nullptr when the bitmap is missing, is not
    // size pixels high (any height when size is 0; size then takes it), or holds fewer than
    // minImages images.
    static HIMAGELIST LoadStrip(HINSTANCE instance, unsigned bitmapId, int minImages, int& size);
    void SetButtonHidden(int index, bool hidden);
    void FreeImageLists();

    HIMAGELIST m_hNormal = nullptr;
    HIMAGELIST m_hHot = nullptr;
    HIMAGELIST m_hDisabled = nullptr;
    int m_nImageSize = 0;
    int m_nImageButtons = 0;   // buttons that are not separators
    SIZE m_buttonSize{};       // as the resource declares it, for 20x20 images
};
