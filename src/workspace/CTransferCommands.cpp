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
#include "TextEncoding.h"
#include "CommandSupport.h"
#include "MessageBox.h"
#include "resource.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <string_view>

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

// The pattern with each %s replaced by the next of values.
std::string Fill(std::string pattern, std::initializer_list<std::string> values)
{
    size_t at = 0;
    for (const std::string& value : values) {
        at = pattern.find("%s", at);
        if (at == std::string::npos)
            break;
        pattern.replace(at, 2, value);
        at += value.size();
    }
    return pattern;
}

std::string Joined(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& word : words)
        out += (out.empty() ? "" : ", ") + word;
    return out;
}

// Which group of the list each group of a table goes to: the k-th table group of a name
// to the list's k-th group of that name, or, where the list has fewer, to a new group
// (0). A table without group numbers names each name once, so its lines go to the first
// group of the name; ambiguous lists the names several groups of the list share then.
struct SGroupTargets {
    std::vector<DWORD> target;
    size_t created = 0;
    std::vector<std::string> ambiguous;
};

SGroupTargets MatchGroups(const CListManager& manager, const STransferTable& table)
{
    std::map<std::string, std::vector<DWORD>> listByName;
    CGroupDataHelper group;
    DWORD id = 0;
    for (int position = 0; manager.GetGroupOrder(position, id); ++position)
        if (manager.GetGroup(group, id))
            listByName[group.m_strName].push_back(id);
    SGroupTargets targets;
    std::map<std::string, size_t> used;
    for (const STableGroup& named : table.groups) {
        const std::vector<DWORD>& same = listByName[named.name];
        const size_t k = used[named.name]++;
        targets.target.push_back(k < same.size() ? same[k] : 0);
        targets.created += k < same.size() ? 0 : 1;
        if (!table.hasGroupNumbers && same.size() > 1)
            targets.ambiguous.push_back("\"" + named.name + "\"");
    }
    return targets;
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
    PutOrNote({record});
}

void CTransferCommands::OnCopyAllChromatograms()
{
    DWORD groupId = 0;
    if (!SelectedGroupOrNote(m_view.GroupList(), groupId))
        return;
    PutOrNote(GroupChromatograms(m_document.Manager(), groupId));
}

void CTransferCommands::PutOrNote(const std::vector<CChromatogramData>& chros)
{
    if (!CTransferClipboard::Put(m_view.m_hWnd, chros))
        ShowNote(IDS_CLIPBOARD_BUSY);
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
        for (STransferRow& row : table.rows) {
            row.group.clear();
            row.groupIndex = -1;
        }
        std::erase_if(table.rows, [](const STransferRow& row) { return row.groupOnly; });
        table.hasGroupColumn = table.hasGroupNumbers = false;
        table.groups.clear();
    }
    if (table.rows.empty() && table.refused.empty()) {
        ShowNote(IDS_CLIPBOARD_HOLDS_NONE);
        return;
    }
    if (PreviewTransfer(LoadResourceString(IDS_PASTE_TITLE), table))
        AddTransferredRows(table, groupId);
}

void CTransferCommands::OnFileImport()
{
    const std::string filter = LoadResourceString(IDS_TABLE_FILTER);
    CFileDialogS dialog(TRUE, "csv", nullptr, kImportFlags, filter.c_str(), nullptr);
    if (dialog.DoModal() == IDOK)
        ImportFile(dialog.GetPathName());
}

bool CTransferCommands::ImportFile(const std::string& path)
{
    std::string bytes;
    if (!CReplacingFile::Read(path.c_str(), bytes, kImportLimit)) {
        ShowNote(TextWith(IDS_CANNOT_READ_FILE, path), IDS_CAPTION_FILE_ERROR);
        return false;
    }
    // UTF-16 is a spreadsheet's "Unicode text"; a file that is neither it nor UTF-8 was
    // written in the code page, as older spreadsheets save.
    if (std::optional<std::string> utf8 = text_encoding::Utf16ToUtf8(bytes))
        bytes = std::move(*utf8);
    else if (!code_page::IsUtf8(bytes))
        bytes = code_page::ToUtf8(bytes);
    const CChroNameBox nameBox;
    STransferTable table = CChroTableReader::Read(bytes, ToolRules(nameBox));
    if (table.rows.empty() && table.refused.empty()) {
        ShowNote(IDS_FILE_HOLDS_NONE);
        return false;
    }
    DWORD groupId = 0;
    if (!table.hasGroupColumn && !SelectedGroupOrNote(m_view.GroupList(), groupId))
        return false;
    if (!PreviewTransfer(LoadResourceString(IDS_IMPORT_TITLE), table))
        return false;
    AddTransferredRows(table, groupId);
    return true;
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
    const SGroupTargets targets = MatchGroups(m_document.Manager(), table);
    std::string note;
    if (!table.columns.empty())
        note = table.ignored.empty()
                   ? Fill(LoadResourceString(IDS_PREVIEW_COLUMNS), {Joined(table.columns)})
                   : Fill(LoadResourceString(IDS_PREVIEW_COLUMNS_IGNORED), {Joined(table.columns), Joined(table.ignored)});
    if (!targets.ambiguous.empty())
        note += (note.empty() ? "" : "\n") + Fill(LoadResourceString(IDS_PREVIEW_SAME_NAMED), {Joined(targets.ambiguous)});
    CTransferPreviewDlg preview(&m_view);
    preview.SetTitle(title);
    preview.SetContent(std::move(rows), std::move(refused), table.hasGroupColumn, targets.created);
    preview.SetNote(note);
    return preview.DoModal() == IDOK;
}

// Every paste and import changes the list here. The groups of the table go to the list's
// groups of their names (MatchGroups); those the list lacks are appended, in the table's
// order, with their comment and range rule; rows without a group go to defaultGroup.
void CTransferCommands::AddTransferredRows(const STransferTable& table, DWORD defaultGroup)
{
    const CListManager& manager = m_document.Manager();
    int groupCount = 0;
    manager.GetNoGroups(groupCount);
    const SGroupTargets targets = MatchGroups(manager, table);
    // One step, so that Undo takes the whole paste or import back: the rows for groups the
    // list has, per group, and the groups it lacks with their rows.
    std::map<DWORD, std::vector<SChroRecord>> into;
    std::vector<CEditStep::SGroupChange> added;
    std::vector<int> addedAt(table.groups.size(), -1);
    for (size_t g = 0; g < table.groups.size(); ++g) {
        if (targets.target[g] != 0)
            continue;
        const STableGroup& named = table.groups[g];
        addedAt[g] = static_cast<int>(added.size());
        added.emplace_back();
        added.back().pos = groupCount + addedAt[g];
        added.back().rec.m_strName = named.name;
        added.back().rec.m_strComment = named.comment;
        added.back().rec.m_nRangeMode = named.rangeMode;
        added.back().rec.m_strRange = named.range;
    }
    for (const STransferRow& row : table.rows) {
        if (row.groupOnly)
            continue;
        const size_t g = static_cast<size_t>(row.groupIndex);
        if (row.groupIndex >= 0 && addedAt[g] >= 0)
            added[static_cast<size_t>(addedAt[g])].chros.push_back(SChroRecord{0, row.chro});
        else if (const DWORD groupId = row.groupIndex >= 0 ? targets.target[g] : defaultGroup)
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
    // One pass: each record is read into the same strings and written straight into the text,
    // which is converted to UTF-8 as a whole only when it holds a byte above 127.
    std::string text = kByteOrderMark;
    CChroTableWriter::AppendCsvHeader(text, choice.m_bWholeList);
    CGroupDataHelper group;
    CChromatogramData record;
    std::string groupColumns;
    size_t number = 0;
    DWORD id = 0;
    for (int position = 0; manager.GetGroupOrder(position, id); ++position) {
        if ((!choice.m_bWholeList && id != selectedGroup) || !manager.GetGroup(group, id))
            continue;
        if (choice.m_bWholeList)
            groupColumns = CChroTableWriter::CsvGroupColumns(group.m_strName, ++number, group.m_strComment,
                                                             group.m_nRangeMode, group.m_strRange);
        int count = 0;
        manager.GetNoChros(id, count);
        if (choice.m_bWholeList && count == 0)
            CChroTableWriter::AppendCsvEmptyGroup(text, groupColumns);
        DWORD chroId = 0;
        for (int row = 0; manager.GetChroOrder(id, row, chroId); ++row)
            if (manager.GetChromatogram(id, chroId, record))
                CChroTableWriter::AppendCsvLine(text, groupColumns, record);
    }
    const std::string_view table = std::string_view(text).substr(sizeof kByteOrderMark - 1);
    if (!code_page::IsAscii(table))
        text = kByteOrderMark + code_page::ToUtf8(std::string(table));
    if (!CReplacingFile::Write(dialog.GetPathName().c_str(), text))
        ShowNote(IDS_WRITE_FAILED, IDS_CAPTION_FILE_ERROR);
}
