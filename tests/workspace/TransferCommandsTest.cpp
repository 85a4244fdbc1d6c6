// Chromatograms in and out through the real commands: the real clipboard, the real preview,
// export choice and file dialogs answered through their controls, and real files.
#include "TestChro.h"
#include "FileBytes.h"
#include "DialogAnswerer.h"
#include "Pump.h"
#include "WorkspaceFixture.h"
#include "resource.h"
#include "CTransferClipboard.h"

#include <commctrl.h>

#include <fstream>

namespace {
const char kPasteTitle[] = "Paste Chromatograms";
const char kImportTitle[] = "Import Chromatograms";

void PutText(const std::wstring& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

void EmptyTheClipboard()
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}

// What the preview showed: its summary, the names it will add, the refused lines.
struct SPreviewSeen {
    std::string summary;
    std::vector<std::string> names;
    std::vector<std::string> refused;
    bool okEnabled = false;
};

ui::DialogAnswerer::Action ReadPreview(SPreviewSeen& seen, int nameColumn = 0)
{
    return [&seen, nameColumn](HWND dialog) {
        char text[512] = {};
        GetDlgItemTextA(dialog, IDC_PREVIEW_SUMMARY, text, sizeof text);
        seen.summary = text;
        const HWND rows = GetDlgItem(dialog, IDC_PREVIEW_ROWS);
        for (int i = 0; i < ListView_GetItemCount(rows); ++i) {
            ListView_GetItemText(rows, i, nameColumn, text, sizeof text);
            seen.names.push_back(text);
        }
        const HWND refused = GetDlgItem(dialog, IDC_PREVIEW_REFUSED);
        for (int i = 0; i < static_cast<int>(SendMessageA(refused, LB_GETCOUNT, 0, 0)); ++i) {
            SendMessageA(refused, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            seen.refused.push_back(text);
        }
        seen.okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
    };
}

class TransferCommandsTest : public WorkspaceFixture {
protected:
    void SetUp() override
    {
        WorkspaceFixture::SetUp();
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_path = std::string(temp) + "vttransfer" + std::to_string(GetCurrentProcessId()) + ".csv";
    }
    void TearDown() override
    {
        DeleteFileA(m_path.c_str());
        WorkspaceFixture::TearDown();
    }

    std::vector<CChromatogramData> Records(DWORD group)
    {
        std::vector<CChromatogramData> chros;
        DWORD id = 0;
        for (int position = 0; Manager().GetChroOrder(group, position, id); ++position) {
            chros.emplace_back();
            Manager().GetChromatogram(group, id, chros.back());
        }
        return chros;
    }

    // Every group's name and its chromatograms' fields, one text a chromatogram.
    std::vector<std::string> ListText()
    {
        std::vector<std::string> out;
        DWORD group = 0;
        CGroupDataHelper record;
        for (int position = 0; Manager().GetGroupOrder(position, group); ++position) {
            Manager().GetGroup(record, group);
            out.push_back("group " + record.m_strName);
            for (const CChromatogramData& c : Records(group))
                out.push_back(c.m_strName + "|" + std::to_string(c.m_nType) + "|" + std::to_string(c.m_nFunction) + "|"
                              + c.m_strMass + "|" + std::to_string(c.m_nAnalogue) + "|" + (c.m_bChecked ? "1" : "0"));
        }
        return out;
    }

    std::string m_path;
};
}   // namespace

TEST_F(TransferCommandsTest, PasteOfAMassListShowsThePreviewAndAddsOnlyOnOK)
{
    const DWORD group = AddGroup("G");
    AddChro(group, "A");
    ShowList(0);
    PutText(L"128.1\r\n12x\r\n 200\r\n");
    SPreviewSeen cancelled;
    ui::DialogAnswerer cancel;
    cancel.Expect(kPasteTitle, IDCANCEL, ReadPreview(cancelled));
    ASSERT_EQ(Run(ID_EDIT_PASTE, cancel).size(), 1u);
    EXPECT_EQ(cancelled.summary, "2 chromatograms will be added; 1 line will not.");
    EXPECT_EQ(cancelled.names, (std::vector<std::string>{"128.1", "200"}));
    EXPECT_EQ(cancelled.refused, (std::vector<std::string>{"line 2: mass is not a number"}));
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"A"}));
    EXPECT_FALSE(Modified());

    ui::DialogAnswerer ok;
    ok.Expect(kPasteTitle, IDOK);
    ASSERT_EQ(Run(ID_EDIT_PASTE, ok).size(), 1u);
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"A", "128.1", "200"}));
    EXPECT_EQ(SelectedRow(ChroList()), 2);
    const std::vector<CChromatogramData> records = Records(group);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].m_strDescription, "Function: 1, MASS: 200");
    EXPECT_TRUE(Modified());
}

TEST_F(TransferCommandsTest, PasteSaysWhyItAddsNothing)
{
    struct SCase {
        bool groupSelected;
        std::wstring clipboard;   // empty: an empty clipboard
        const char* message;      // nullptr: the preview opens with OK disabled
    };
    const SCase cases[] = {
        {false, L"128", "Please select a group"},
        {true, L"", "The clipboard holds no chromatograms"},
        {true, L"\r\n\r\n", "The clipboard holds no chromatograms"},
        {true, L"caffeine\r\n", nullptr},
    };
    AddGroup("G");
    for (const SCase& c : cases) {
        ShowList(0);
        if (!c.groupSelected)
            ListView_SetItemState(GroupList(), -1, 0, LVIS_SELECTED);
        if (c.clipboard.empty())
            EmptyTheClipboard();
        else
            PutText(c.clipboard);
        SPreviewSeen preview;
        ui::DialogAnswerer answerer;
        if (c.message)
            answerer.Expect("Vantrace", IDOK);
        else
            answerer.Expect(kPasteTitle, IDCANCEL, ReadPreview(preview));
        const auto seen = Run(ID_EDIT_PASTE, answerer);
        ASSERT_EQ(seen.size(), 1u);
        if (c.message)
            EXPECT_EQ(seen[0].text, c.message);
        else
            EXPECT_EQ(preview.refused, (std::vector<std::string>{"line 1: mass is not a number"}));
        EXPECT_FALSE(preview.okEnabled);
        EXPECT_FALSE(Modified());
    }
}

TEST_F(TransferCommandsTest, CopyAllThenPasteIntoAnotherGroupIsExact)
{
    const DWORD source = AddGroup("Source");
    const DWORD target = AddGroup("Target");
    CChromatogramData odd = Chro("odd \"one\"\ttab", 7, 900, "abc", 0, false);
    odd.m_strExtra = "kept";
    odd.m_strBasedOn = "origin";
    odd.m_strDescription = "written by hand";
    DWORD id = 0;
    Manager().AddChro(odd, id, source);
    Manager().AddChro(Chro("Caffeine", 2, 1, "195.09", 1, true), id, source);
    ShowList(0);
    Command(ID_EDIT_COPY_ALL);

    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE text = GetClipboardData(CF_UNICODETEXT);
    const std::wstring copied = text ? static_cast<const wchar_t*>(GlobalLock(text)) : L"";
    if (text)
        GlobalUnlock(text);
    CloseClipboard();
    EXPECT_EQ(copied.substr(0, copied.find(L"\r\n")), L"Name\tType\tFunction\tMass\tChannel\tChecked");
    EXPECT_NE(copied.find(L"Caffeine\tMASS\t1\t195.09\t1\t1\r\n"), std::wstring::npos);

    ShowList(1);
    ui::DialogAnswerer answerer;
    answerer.Expect(kPasteTitle, IDOK);
    ASSERT_EQ(Run(ID_EDIT_PASTE, answerer).size(), 1u);
    const std::vector<CChromatogramData> from = Records(source);
    const std::vector<CChromatogramData> to = Records(target);
    ASSERT_EQ(to.size(), from.size());
    for (size_t i = 0; i < from.size(); ++i) {
        EXPECT_EQ(to[i].m_strName, from[i].m_strName);
        EXPECT_EQ(to[i].m_strDescription, from[i].m_strDescription);
        EXPECT_EQ(to[i].m_strExtra, from[i].m_strExtra);
        EXPECT_EQ(to[i].m_strBasedOn, from[i].m_strBasedOn);
        EXPECT_EQ(to[i].m_nType, from[i].m_nType);
        EXPECT_EQ(to[i].m_nFunction, from[i].m_nFunction);
        EXPECT_EQ(to[i].m_bChecked, from[i].m_bChecked);
    }
    EXPECT_EQ(Names(ChroList()), (std::vector<std::string>{"odd \"one\"\ttab", "Caffeine"}));
}

TEST_F(TransferCommandsTest, ExportThenImportGivesBackTheList)
{
    const DWORD first = AddGroup("Quotes \"and\", commas; too");
    DWORD id = 0;
    Manager().AddChro(Chro("line\r\nbreak", 2, 3, "44.5", 1, true), id, first);
    Manager().AddChro(Chro("caf\xE9 \xB5g", 3, 1, "", 4, false), id, first);
    AddGroup("Empty");
    const DWORD last = AddGroup("Tab\there \xFC");
    Manager().AddChro(Chro("a,b;c\"d", 0, 512, "", 1, true), id, last);
    Manager().AddChro(Chro("BPI", 1, 0, "", 1, false), id, last);
    ShowList(0);
    const std::vector<std::string> before = ListText();

    ui::DialogAnswerer exporter;
    exporter
        .Expect("Export", IDOK,
                [](HWND dialog) { CheckRadioButton(dialog, IDC_EXPORT_GROUP, IDC_EXPORT_LIST, IDC_EXPORT_LIST); })
        .Expect("Save As", IDOK, ui::TypeFileName(m_path));
    ASSERT_EQ(Run(ID_FILE_EXPORT, exporter).size(), 2u);
    const std::string bytes = ReadBytes(m_path);
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(bytes.find("caf\xC3\xA9 \xC2\xB5g"), std::string::npos);   // UTF-8 on disk
    EXPECT_EQ(bytes.substr(3, bytes.find("\r\n") - 3), "Group,Name,Type,Function,Mass,Channel,Checked");

    Manager().DeleteListContent();
    ShowList(0);
    SPreviewSeen preview;
    ui::DialogAnswerer importer;
    importer.Expect("Open", IDOK, ui::TypeFileName(m_path)).Expect(kImportTitle, IDOK, ReadPreview(preview, 1));
    ASSERT_EQ(Run(ID_FILE_IMPORT, importer).size(), 2u);
    EXPECT_TRUE(preview.refused.empty());
    EXPECT_EQ(preview.summary, "4 chromatograms will be added; 0 lines will not. 3 groups will be created.");
    EXPECT_EQ(ListText(), before);
    EXPECT_EQ(Names(GroupList()).size(), 3u);
}

TEST_F(TransferCommandsTest, ImportRefusesWhatTheCodePageOrTheNameBoxCannotHold)
{
    const DWORD group = AddGroup("G");
    ShowList(0);
    std::ofstream(m_path, std::ios::binary)
        << "\xEF\xBB\xBFName;Mass\r\n\xC3\xA9t\xC3\xA9;12\r\nOhm \xCE\xA9;13\r\nok;14\r\n"
        << std::string(80, 'W') << ";15\r\n";
    SPreviewSeen preview;
    ui::DialogAnswerer importer;
    importer.Expect("Open", IDOK, ui::TypeFileName(m_path)).Expect(kImportTitle, IDOK, ReadPreview(preview));
    ASSERT_EQ(Run(ID_FILE_IMPORT, importer).size(), 2u);
    EXPECT_EQ(preview.refused, (std::vector<std::string>{"line 3: name has characters the code page cannot hold",
                                                         "line 5: name is longer than the name box holds"}));
    EXPECT_EQ(ManagerChroNames(group), (std::vector<std::string>{"\xE9t\xE9", "ok"}));
}

TEST_F(TransferCommandsTest, CtrlCInTheChromatogramListThenCtrlVInTheGroupList)
{
    const DWORD source = AddGroup("Source");
    AddChro(source, "A");
    AddChro(source, "B");
    const DWORD target = AddGroup("Target");
    ShowList(0);
    View().ChroList().SelectItem(1);
    EmptyTheClipboard();
    auto pressCtrl = [](WORD key) {
        INPUT keys[4] = {};
        const WORD order[4] = {VK_CONTROL, key, key, VK_CONTROL};
        for (int i = 0; i < 4; ++i) {
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = order[i];
            keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
        }
        SendInput(4, keys, sizeof(INPUT));
    };
    SetFocus(ChroList());
    pressCtrl('C');
    ui::PumpFor(300);
    ShowList(1);
    SetFocus(GroupList());
    ui::DialogAnswerer answerer;
    answerer.Expect(kPasteTitle, IDOK);
    answerer.Start();
    pressCtrl('V');
    ui::PumpUntil([&] { return !ManagerChroNames(target).empty(); }, 5000);
    EXPECT_EQ(answerer.Finish().size(), 1u);
    EXPECT_EQ(ManagerChroNames(target), (std::vector<std::string>{"B"}));
}
