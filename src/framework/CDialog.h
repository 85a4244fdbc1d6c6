#pragma once

#include "CWnd.h"

#include <string>

class CDialog;

// One pass of dialog data exchange: the direction and whether a check failed. Once a check
// has failed the rest of the pass does nothing, so the dialog stays as the user left it.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
    int m_idLastControl = 0;   // the control the next check is about

    // Remembers the control the following checks refer to.
    void PrepareCtrl(int id) { m_idLastControl = id; }
    // Marks the pass failed and gives the focus back to the control that failed.
    void Fail();
};

// A modal dialog built from a dialog template. DoModal runs it with its owner disabled;
// the object is attached on WM_INITDIALOG and IDOK/IDCANCEL reach OnOK/OnCancel through the
// handler table. F1 opens the application's help at the dialog's topic, whose context id is
// kHelpContextBase + the template id.
class CDialog : public CWnd {
public:
    static constexpr DWORD kHelpContextBase = 1000;

    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

    // Runs the dialog until EndDialog; the result given to EndDialog, or -1 when the
    // dialog could not be created. The owner is the parent given at construction, else the
    // application's main window when there is one.
    virtual INT_PTR DoModal();
    // Called on WM_INITDIALOG: loads the controls through UpdateData(false). TRUE lets the
    // dialog manager set the focus.
    virtual BOOL OnInitDialog();
    // IDOK: saves and checks the controls, then closes with IDOK; stays open when a check fails.
    virtual void OnOK();
    // IDCANCEL: closes with IDCANCEL.
    virtual void OnCancel();
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

    // Moves data between the members and the controls: save true reads the controls and
    // checks them, false writes them. False when a check failed.
    BOOL UpdateData(bool saveAndValidate = true);

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    // The exchange between members and controls; derived dialogs override it.
    virtual void DoDataExchange(CDataExchange* pDX);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    LRESULT HandleInitDialog(WPARAM, LPARAM);
    LRESULT OnHelp(WPARAM, LPARAM);
};

// Binds a control object to the dialog's control id (subclasses it on the first pass).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Moves a control's text to and from a string.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// Limits a text to maxChars: the box takes no more on loading; a longer text is refused on
// saving with a message box, the focus goes back to the box and the pass fails.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars);
