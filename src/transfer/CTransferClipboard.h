#pragma once

#include "CChromatogramData.h"

#include <windows.h>

#include <string>
#include <vector>

// Chromatograms on the clipboard in two forms: the tool's own registered format with the
// exact records, and UTF-16 text, tab-separated with a header line, for spreadsheets.
class CTransferClipboard {
public:
    // What a paste finds: the exact records when the own format is there, else the text.
    struct SContent {
        bool own = false;
        std::vector<CChromatogramData> chros;   // own: the records
        std::string utf8Text;                   // otherwise: the text in UTF-8
    };

    // Replaces the clipboard's content; false when the clipboard could not be had.
    static bool Put(HWND owner, const std::vector<CChromatogramData>& chros);
    // False when the clipboard could not be opened or holds neither form.
    static bool Get(HWND owner, SContent& content);
    // The registered format's id.
    static UINT Format();
};
