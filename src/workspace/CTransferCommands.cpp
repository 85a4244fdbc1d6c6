// Chromatograms in and out of the workspace: Copy, Copy All Chromatograms and Paste through
// the clipboard, and Import and Export of CSV files. What a paste or an import would add is
// shown in the preview first; OK adds it all as one edit.
#include "CTransferCommands.h"

#include "CChroNameBox.h"
#include "CChroTableReader.h"
#include "CChroTableWriter.h"
#include "CCmdUI.h"
#include "CExportDlg.h"
#include "CFileDialogS.h"
#include "CodePageText.h"
#include "CReplacingFile.h"
#include "CTransferClipboard.h"
#include "CTransferPreviewDlg.h"
#include "CWinApp.h"
#include "CListDocument.h"
#include "CWorkspaceView.h"
#include "CommandSupport.h"
#include "MessageBox.h"
#include "resource.h"

#include <map>
#include <set>

namespace {
const DWORD kImportFlags = 0x1081808;    // explorer, file and path must exist, no folder change; secured
const DWORD kExportFlags = 0x1000006;    // hide read-only, confirm overwrite; secured
const size_t kImportLimit = 64u << 20;   // a chromatogram table is far smaller
const char kByteOrderMark[] = "\xEF\xBB\xBF";

// The reader's rules in this tool: texts go to the code page, names must fit the dialog's box.
STransferRules ToolRules(const CChroNameBox& nameBox)
{
    STransferRules rules;
    rules.toCodePage = [](const std::string& text, std::string& narrow) { return code_page::FromUtf8(text, narrow); };
    rules.nameFits = [&nameBox](const std::string& name) { return nameBox.Fits(name); };
    return rules;
}

STransferTable TableOfRecords(const std::vector<CChromatogramData>& chros)
{
    STransferTable table;
    for (const CChromatogramData& chro : chros) {
        STransferRow row;
        row.chro = chro;
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<CChromatogramData> GroupChromatograms(const CListManager& manager, DWORD groupId)
{
    std::vector<CChromatogramData> chros;
    CChromatogramData record;
    DWORD chroId = 0;
    for (int position = 0; manager.GetChroOrder(groupId, position, chroId); ++position)
        if (manager.GetChromatogram(groupId, chroId, record))
            chros.push_back(record);
    return chros;
}
}   // namespace

const MessageMap* CTransferCommands::GetThisMessageMap()
{
    using T = CTransferCommands;
    static const MsgEntry entries[] = {
        // The clipboard.
        msg::Command<&T::OnEditCopy>(ID_EDIT_COPY),
        msg::Command<&T::OnCopyAllChromatograms>(ID_EDIT_COPY_ALL),
        msg::Command<&T::OnEditPaste>(ID_EDIT_PASTE),
        msg::Update<&T::OnUpdateCopy>(ID_EDIT_COPY),
        msg::Update<&T::OnUpdateCopyAll>(ID_EDIT_COPY_ALL),
        // Files.
        msg::Command<&T::OnFileImport>(ID_FILE_IMPORT),
        msg::Command<&T::OnFileExport>(ID_FILE_EXPORT),
    };
    static const MessageMap map = MakeMessageMap(&CCmdTarget::GetThisMessageMap, entries);
    return &map;
}

CTransferCommands::CTransferCommands(CListDocument& document, CWorkspaceView& view) : m_document(document), m_view(view)
{
}

void CTransferCommands::OnEditCopy()
{
    DWORD groupId = 0;
    int row = 0;
    DWORD chroId = 0;
    CChromatogramData record;
    m_view.GroupList().GetSelectedItemData(groupId);
    if (!SelectedChroOrNote(m_view.ChroList(), row, chroId))
        return;
    if (!m_document.Manager().GetChromatogram(groupId, chroId, record)) {
        ShowNote(IDS_SELECT_CHROMATOGRAM);
        return;
    }
    CTransferClipboard::Put(m_view.m_hWnd, {record});
}

void CTransferCommands::OnCopyAllChromatograms()
{
    DWORD groupId = 0;
    if (!SelectedGroupOrNote(m_view.GroupList(), groupId))
        return;
    CTransferClipboard::Put(m_view.m_hWnd, GroupChromatograms(m_document.Manager(), groupId));
}

void CTransferCommands::OnUpdateCopy(CCmdUI* pCmdUI)
{
    int row = 0;
    pCmdUI->Enable(m_view.ChroList().GetSelectedItem(row));
}

void CTransferCommands::OnUpdateCopyAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_view.ChroList().GetItemCount() > 0);
}

void CTransferCommands::OnEditPaste()
{
    DWORD groupId = 0;
    if (!SelectedGroupOrNote(m_view.GroupList(), groupId))
        return;
    CTransferClipboard::SContent content;
    CTransferClipboard::Get(m_view.m_hWnd, content);
    STransferTable table;
    if (content.own) {
        table = TableOfRecords(content.chros);
    } else {
        const CChroNameBox nameBox;
        table = CChroTableReader::Read(content.utf8Text, ToolRules(nameBox));
        // A paste goes to the selected group, whatever groups the text names.
        for (STransferRow& row : table.rows)
            row.group.clear();
        std::erase_if(table.rows, [](const STransferRow& row) { return row.groupOnly; });
        table.hasGroupColumn = false;
    }
    if (table.rows.empty() && table.refused.empty()) {
        ShowNote(IDS_CLIPBOARD_HOLDS_NONE);
        return;
    }
    if (PreviewTransfer(LoadResourceString(IDS_PASTE_TITLE), table))
        AddTransferredRows(table.rows, groupId);
}

void CTransferCommands::OnFileImport()
{
    const std::string filter = LoadResourceString(IDS_TABLE_FILTER);
    CFileDialogS dialog(TRUE, "csv", nullptr, kImportFlags, filter.c_str(), nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    const std::string path = dialog.GetPathName();
    std::string bytes;
    if (!CReplacingFile::Read(path.c_str(), bytes, kImportLimit)) {
        ShowNote(TextWith(IDS_CANNOT_READ_FILE, path), IDS_CAPTION_FILE_ERROR);
        return;
    }
    // A file that is not UTF-8 was written in the code page, as older spreadsheets save.
    if (!code_page::IsUtf8(bytes))
        bytes = code_page::ToUtf8(bytes);
    const CChroNameBox nameBox;
    STransferTable table = CChroTableReader::Read(bytes, ToolRules(nameBox));
    if (table.rows.empty() && table.refused.empty()) {
        ShowNote(IDS_FILE_HOLDS_NONE);
        return;
    }
    DWORD groupId = 0;
    if (!table.hasGroupColumn && !SelectedGroupOrNote(m_view.GroupList(), groupId))
        return;
    if (PreviewTransfer(LoadResourceString(IDS_IMPORT_TITLE), table))
        AddTransferredRows(table.rows, groupId);
}

bool CTransferCommands::PreviewTransfer(const std::string& title, const STransferTable& table)
{
    std::vector<CTransferPreviewDlg::SRow> rows;
    rows.reserve(table.rows.size());
    for (const STransferRow& row : table.rows)
        if (!row.groupOnly)
            rows.push_back({row.group, row.chro.m_strName, row.chro.m_strDescription});
    std::vector<std::string> refused;
    for (const SRefusedLine& line : table.refused)
        refused.push_back(RefusalText(line));
    std::set<std::string> missing;
    for (const STransferRow& row : table.rows)
        if (!row.group.empty())
            missing.insert(row.group);
    const CListManager& manager = m_document.Manager();
    CGroupDataHelper group;
    DWORD id = 0;
    for (int position = 0; manager.GetGroupOrder(position, id); ++position)
        if (manager.GetGroup(group, id))
            missing.erase(group.m_strName);
    CTransferPreviewDlg preview(&m_view);
    preview.SetTitle(title);
    preview.SetContent(std::move(rows), std::move(refused), table.hasGroupColumn, missing.size());
    return preview.DoModal() == IDOK;
}

// Every paste and import changes the list here. Groups that rows name and the list lacks
// are appended first, in the order the rows name them; rows without a group go to
// defaultGroup.
void CTransferCommands::AddTransferredRows(const std::vector<STransferRow>& rows, DWORD defaultGroup)
{
    const CListManager& manager = m_document.Manager();
    std::map<std::string, DWORD> groupByName;
    CGroupDataHelper group;
    DWORD id = 0;
    int groupCount = 0;
    for (; manager.GetGroupOrder(groupCount, id); ++groupCount)
        if (manager.GetGroup(group, id))
            groupByName.emplace(group.m_strName, id);
    // One step, so that Undo takes the whole paste or import back: the rows for groups the
    // list has, per group, and the groups it lacks with their rows.
    std::map<DWORD, std::vector<SChroRecord>> into;
    std::vector<CEditStep::SGroupChange> added;
    std::map<std::string, size_t> addedByName;
    for (const STransferRow& row : rows) {
        if (!row.group.empty() && groupByName.find(row.group) == groupByName.end()) {
            const auto [at, isNew] = addedByName.emplace(row.group, added.size());
            if (isNew) {
                added.emplace_back();
                added.back().pos = groupCount + static_cast<int>(at->second);
                added.back().rec.m_strName = row.group;
            }
            if (!row.groupOnly)
                added[at->second].chros.push_back(SChroRecord{0, row.chro});
            continue;
        }
        const DWORD groupId = row.group.empty() ? defaultGroup : groupByName[row.group];
        if (!row.groupOnly && groupId != 0)
            into[groupId].push_back(SChroRecord{0, row.chro});
    }
    CEditStep step(IDS_STEP_PASTE);
    DWORD shown = 0;
    m_view.GroupList().GetSelectedItemData(shown);
    int shownRows = 0;
    manager.GetNoChros(shown, shownRows);
    for (auto& [groupId, chros] : into) {
        CEditStep::SChroChange change;
        change.group = groupId;
        manager.GetNoChros(groupId, change.pos);
        if (groupId == shown)
            shownRows += static_cast<int>(chros.size());
        change.chros = std::move(chros);
        step.Add(std::move(change));
    }
    for (CEditStep::SGroupChange& change : added)
        step.Add(std::move(change));
    step.m_after = SListSelection{shown, shownRows > 0 ? shownRows - 1 : -1};
    m_document.ApplyEdit(std::move(step));
}

void CTransferCommands::OnFileExport()
{
    CListManager& manager = m_document.Manager();
    int groups = 0;
    manager.GetNoGroups(groups);
    if (groups == 0) {
        ShowNote(IDS_NO_GROUPS_TO_EXPORT);
        return;
    }
    DWORD selectedGroup = 0;
    CExportDlg choice(&m_view);
    choice.m_bGroupSelected = m_view.GroupList().GetSelectedItemData(selectedGroup) != FALSE;
    if (choice.DoModal() != IDOK)
        return;
    const std::string filter = LoadResourceString(IDS_CSV_FILTER);
    CFileDialogS dialog(FALSE, "csv", nullptr, kExportFlags, filter.c_str(), nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    std::vector<SGroupRecords> records;
    CGroupDataHelper group;
    DWORD id = 0;
    for (int position = 0; manager.GetGroupOrder(position, id); ++position) {
        if ((!choice.m_bWholeList && id != selectedGroup) || !manager.GetGroup(group, id))
            continue;
        records.push_back({group.m_strName, GroupChromatograms(manager, id)});
    }
    const std::string text = kByteOrderMark + code_page::ToUtf8(CChroTableWriter::Csv(records, choice.m_bWholeList));
    if (!CReplacingFile::Write(dialog.GetPathName().c_str(), text))
        ShowNote(IDS_WRITE_FAILED, IDS_CAPTION_FILE_ERROR);
}
