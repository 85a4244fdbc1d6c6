#pragma once

#include "CDialog.h"
#include "CGroupDataHelper.h"
#include "CNumericEdit.h"

#include <string>

// The "Group Details" dialog: name, comment and display range rule of one group. Owned by
// the workspace and reused for every group command.
class CGroupDlg : public CDialog {
public:
    explicit CGroupDlg(CWnd* parent = nullptr);

    // The caption of the next opening.
    void SetTitle(const std::string& title) { m_strTitle = title; }
    // Empties the texts and the range and goes back to "Use current"; the title stays.
    void ResetData();
    // Takes the record's texts and mode; its range only when the mode uses it.
    void SetData(const CGroupDataHelper& group);
    // Copies the texts, mode and range; the record's key and check mark stay.
    void GetData(CGroupDataHelper& group) const;

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    BOOL OnInitDialog() override;
    void OnOK() override;

    CNumericEdit m_edStartX;
    CNumericEdit m_edEndX;
    std::string m_strComment;
    std::string m_strName;
    std::string m_strBasedOn;
    std::string m_strTitle;
    std::string m_strRange;   // "start:end" as typed; used while the mode is 2
    int m_nRangeMode = 0;     // 0 use current, 1 reset to default, 2 specify range

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // Radio buttons 1033-1035: the mode follows the checked one.
    void OnRangeMode(UINT id);
    void EnableRangeControls(bool enable);
    // Mode 2 on OK: builds m_strRange from the boxes, or refuses a start not below the end.
    bool TakeRange();
};
