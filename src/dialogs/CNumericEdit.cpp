#include "CNumericEdit.h"

const MessageMap* CNumericEdit::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Message<&CNumericEdit::OnChar>(WM_CHAR),
    };
    static const MessageMap map = MakeMessageMap(&CEdit::GetThisMessageMap, entries);
    return &map;
}

LRESULT CNumericEdit::OnChar(WPARAM ch, LPARAM)
{
    const bool digit = ch >= '0' && ch <= '9';
    const bool firstPoint = ch == '.' && GetWindowText().find('.') == std::string::npos;
    if (digit || ch == '\b' || firstPoint)
        return Default();
    return 0;
}

bool CNumericEdit::HoldsNumber() const
{
    int points = 0;
    for (char c : GetWindowText()) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return false;
    }
    return points <= 1;
}
