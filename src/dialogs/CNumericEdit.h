#pragma once

#include "CEdit.h"

// An edit box that lets through only digits, backspace and one decimal point from typing.
class CNumericEdit : public CEdit {
public:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    // WM_CHAR: passes the character on, or drops it.
    LRESULT OnChar(WPARAM ch, LPARAM);
};
