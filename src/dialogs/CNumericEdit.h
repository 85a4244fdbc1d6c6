#pragma once

#include "CEdit.h"

// An edit box that lets through only digits, backspace and one decimal point from typing.
// Text pasted into the box does not pass the filter; HoldsNumber tells whether the text is
// still one that typing could have made.
class CNumericEdit : public CEdit {
public:
    // Digits with at most one decimal point (the empty text too).
    bool HoldsNumber() const;

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    // WM_CHAR: passes the character on, or drops it.
    LRESULT OnChar(WPARAM ch, LPARAM);
};
