#pragma once

#include "CDialog.h"
#include "CListCtrl.h"

#include <string>
#include <vector>

// The preview before a paste or an import adds anything: the chromatograms that will be
// added (their group when the table names groups, name and description) and the lines that
// will not, each with its line number and reason. OK adds; it is disabled when nothing
// would be added. The caller fills it before each run.
class CTransferPreviewDlg : public CDialog {
public:
    struct SRow {
        std::string group;
        std::string name;
        std::string description;
    };

    explicit CTransferPreviewDlg(CWnd* parent = nullptr);

    void SetTitle(const std::string& title) { m_strTitle = title; }
    // The rows and refused lines of the next run; showGroup adds a Group column, and
    // newGroups counts the groups the rows name that the list lacks.
    void SetContent(std::vector<SRow> rows, std::vector<std::string> refused, bool showGroup, size_t newGroups = 0);

    BOOL OnInitDialog() override;

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void FillRows();
    void FillRefused();
    // Called when the rows list (owner-data) asks for the text of a row it shows.
    LRESULT OnGetRowText(NMHDR* header);

    CListCtrl m_lcRows;
    std::string m_strTitle;
    std::vector<SRow> m_rows;
    std::vector<std::string> m_refused;
    bool m_bShowGroup = false;
    size_t m_nNewGroups = 0;
};
