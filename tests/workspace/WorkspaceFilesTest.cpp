// The workspace's list files through the real commands: the real Open and Save As dialogs and
// message boxes answered through their controls, real files in a folder of the test's own,
// and the recent-file list with its File menu items.
#include "WorkspaceFixture.h"
#include "FileBytes.h"
#include "TempFolder.h"

#include "CMainFrame.h"
#include "CWindowSettings.h"
#include "CMenu.h"
#include "CRecentFileList.h"
#include "DialogAnswerer.h"
#include "FrameworkIds.h"
#include "Pump.h"
#include "resource.h"

#include <atomic>
#include <cstring>
#include <functional>
#include <chrono>
#include <future>
#include <thread>

namespace {
const char kEditedTitleEnd[] = " *";

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The name the file system keeps for path (its letters as written).
std::string StoredName(const std::string& path)
{
    WIN32_FIND_DATAA found{};
    HANDLE find = FindFirstFileA(path.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return "";
    FindClose(find);
    return found.cFileName;
}

// Runs code that may open modal windows while answer handles them. A window nobody expected
// is closed after a while (and fails the test) instead of blocking the run, and the answerer
// is waited for with this thread's messages flowing, as it reads window texts.
std::vector<ui::SeenDialog> RunAnswered(ui::DialogAnswerer& answer, const std::function<void()>& code)
{
    std::atomic<bool> done{false};
    std::atomic<bool> stray{false};
    std::thread guard([&] {
        for (int waited = 0; !done; waited += 100) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (waited > 20000 && ui::CloseDialogs())
                stray = true;
        }
    });
    answer.Start();
    code();
    done = true;
    guard.join();
    auto finished = std::async(std::launch::async, [&answer] { return answer.Finish(); });
    ui::PumpUntil([&finished] { return finished.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                  30000);
    EXPECT_FALSE(stray) << "a window opened that no answer expected";
    return finished.get();
}

class WorkspaceFilesTest : public WorkspaceFixture {
protected:
    void SetUp() override
    {
        WorkspaceFixture::SetUp();
        Recent() = std::make_unique<CRecentFileList>(0, "Vantrace\\Recent files", "file%d", 4, 30);
        View().SetStores(TestApp().GetOptions(), Recent().get());   // each test here starts a fresh list
    }
    void TearDown() override
    {
        View().SetStores(TestApp().GetOptions(), nullptr);
        Recent().reset();
        WorkspaceFixture::TearDown();
    }

    static std::unique_ptr<CRecentFileList>& Recent() { return TestApp().m_pRecentFiles; }
    std::string PathOf(const std::string& name) const { return m_folder.Path(name); }

    // Writes a list file holding one group per name, each with one chromatogram.
    std::string WriteList(const std::string& name, const std::vector<std::string>& groups)
    {
        CListManager manager;
        for (const std::string& groupName : groups) {
            CGroupDataHelper group;
            group.m_strName = groupName;
            DWORD groupId = 0;
            manager.AddGroup(group, groupId);
            CChromatogramData chro;
            chro.m_strName = groupName + " trace";
            DWORD chroId = 0;
            manager.AddChro(chro, chroId, groupId);
        }
        const std::string path = PathOf(name);
        EXPECT_TRUE(manager.Save(path.c_str()));
        return path;
    }
    // The group names a list file holds; empty when it cannot be read.
    static std::vector<std::string> GroupsInFile(const std::string& path)
    {
        CListManager manager;
        std::vector<std::string> names;
        if (!manager.Load(path.c_str()))
            return names;
        DWORD id = 0;
        CGroupDataHelper group;
        for (int position = 0; manager.GetGroupOrder(position, id); ++position) {
            manager.GetGroup(group, id);
            names.push_back(group.m_strName);
        }
        return names;
    }
    // An edit as the editing commands make it: the manager changes, the lists and title follow.
    void EditList(const std::string& groupName)
    {
        AddGroup(groupName);
        ShowList();
        View().UpdateTitle(true);
    }
    // Loads path as the current list, the way the start-up load does.
    void StartWith(const std::string& path)
    {
        Recent()->Add(path.c_str());
        View().LoadLastFile();
        ui::PumpPending();
    }
    // Runs a command while answer handles the windows it opens; returns what was answered.
    std::vector<ui::SeenDialog> Answered(ui::DialogAnswerer& answer, UINT command)
    {
        return RunAnswered(answer, [this, command] { Command(command); });
    }

    TempFolder m_folder;
};

TEST_F(WorkspaceFilesTest, StartUpWithoutRecentFilesShowsAnEmptyUntitledList)
{
    View().LoadLastFile();
    EXPECT_EQ(Title(), "Vantrace - Untitled.vtl");
    EXPECT_TRUE(Names(GroupList()).empty());
    EXPECT_TRUE(Names(ChroList()).empty());
    EXPECT_FALSE(Modified());
}

TEST_F(WorkspaceFilesTest, StartUpLoadsTheMostRecentFileWithoutAddingToTheRecentList)
{
    const std::string path = WriteList("start.vtl", {"First", "Second"});
    StartWith(path);
    EXPECT_EQ(Names(GroupList()), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(Names(ChroList()), std::vector<std::string>{"First trace"});
    EXPECT_EQ(SelectedRow(GroupList()), 0);
    std::string shown;
    Recent()->GetDisplayName(shown, 0, "", true);
    EXPECT_EQ(Title(), "Vantrace - " + shown);
    EXPECT_LE(shown.size(), 30u);
    EXPECT_EQ(View().Document().PathName(), path);
    EXPECT_EQ((*Recent())[1], "");
}

// Save asks before replacing a file another program rewrote; an unmodified list is read again.
TEST_F(WorkspaceFilesTest, AFileAnotherProgramChangedIsReplacedOnlyWhenTheUserSaysSo)
{
    const std::string path = WriteList("shared.vtl", {"Mine"});
    StartWith(path);
    WriteList("shared.vtl", {"Theirs", "More"});
    EditList("Added");
    const std::vector<std::string> theirs{"Theirs", "More"};
    ui::DialogAnswerer cancel;
    cancel.Expect("Vantrace", IDCANCEL);
    const auto seen = Answered(cancel, ID_FILE_SAVE);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, View().Document().FileName()
                                + " has been changed by another program since it was opened or saved. "
                                  "Replace it with this list?");
    EXPECT_EQ(GroupsInFile(path), theirs);
    EXPECT_TRUE(Modified());

    ui::DialogAnswerer no;
    no.Expect("Vantrace", IDNO).Expect("Save As", IDOK, ui::TypeFileName(PathOf("mine.vtl")));
    EXPECT_EQ(Answered(no, ID_FILE_SAVE).size(), 2u);
    EXPECT_EQ(GroupsInFile(path), theirs);
    EXPECT_EQ(GroupsInFile(PathOf("mine.vtl")), (std::vector<std::string>{"Mine", "Added"}));

    WriteList("mine.vtl", {"Other"});
    View().FrameActivated();
    EXPECT_EQ(Names(GroupList()), std::vector<std::string>{"Other"});
    EXPECT_FALSE(Modified());
    WriteList("mine.vtl", {"Third"});
    EditList("Yes");
    ui::DialogAnswerer yes;
    yes.Expect("Vantrace", IDYES);
    EXPECT_EQ(Answered(yes, ID_FILE_SAVE).size(), 1u);
    EXPECT_EQ(GroupsInFile(PathOf("mine.vtl")), (std::vector<std::string>{"Other", "Yes"}));
}

TEST_F(WorkspaceFilesTest, SaveOnAnEditedUntitledListAsksForANameAndCancelKeepsTheMark)
{
    View().Files().NewList();
    EditList("Fresh");
    ui::DialogAnswerer answer;
    answer.Expect("Save As", IDCANCEL);
    const auto seen = Answered(answer, ID_FILE_SAVE);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(Title(), std::string("Vantrace - Untitled.vtl") + kEditedTitleEnd);
    EXPECT_TRUE(Modified());
    EXPECT_EQ((*Recent())[0], "");
}

TEST_F(WorkspaceFilesTest, SaveOnAnUnchangedUntitledListNeverWritesTheEarlierListsFile)
{
    const std::string earlier = WriteList("earlier.vtl", {"Earlier"});
    const std::string bytes = ReadBytes(earlier);
    StartWith(earlier);
    View().Files().NewList();   // the path still names earlier.vtl
    ui::DialogAnswerer answer;
    answer.Expect("Save As", IDCANCEL);
    const auto seen = Answered(answer, ID_FILE_SAVE);
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(ReadBytes(earlier), bytes);
    EXPECT_EQ(Title(), "Vantrace - Untitled.vtl");
}

TEST_F(WorkspaceFilesTest, SaveAsPutsTheListExtensionInPlaceOfAnother)
{
    // data.txt is written as data.vtl, which is asked about; No goes back to the dialog.
    const std::string existing = ReadBytes(WriteList("data.vtl", {"Old"}));
    EditList("Kept");
    ui::DialogAnswerer refuse;
    refuse.Expect("Save As", IDOK, ui::TypeFileName(PathOf("data.txt"))).Expect("Save As", IDNO);
    refuse.Expect("Save As", IDCANCEL);
    const auto asked = Answered(refuse, ID_FILE_SAVE_AS);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].text, "data.vtl already exists.\nDo you want to replace it?");
    EXPECT_EQ(ReadBytes(PathOf("data.vtl")), existing);
    ui::DialogAnswerer answer;
    answer.Expect("Save As", IDOK, ui::TypeFileName(PathOf("data.txt"))).Expect("Save As", IDYES);
    Answered(answer, ID_FILE_SAVE_AS);
    EXPECT_FALSE(Exists(PathOf("data.txt")));
    EXPECT_EQ(GroupsInFile(PathOf("data.vtl")), std::vector<std::string>{"Kept"});
    EXPECT_EQ(Title(), "Vantrace - data.vtl");
    EXPECT_FALSE(Modified());
    EXPECT_EQ(View().Document().PathName(), PathOf("data.vtl"));
    EXPECT_EQ((*Recent())[0], PathOf("data.vtl"));

    // The list's own extension in capitals is kept on disk; the title shows it in small letters.
    ui::DialogAnswerer upper;
    upper.Expect("Save As", IDOK, ui::TypeFileName(PathOf("other.VTL")));
    Answered(upper, ID_FILE_SAVE_AS);
    EXPECT_EQ(StoredName(PathOf("other.VTL")), "other.VTL");
    EXPECT_EQ(Title(), "Vantrace - other.vtl");
    EXPECT_EQ(View().Document().PathName(), PathOf("other.VTL"));
}

TEST_F(WorkspaceFilesTest, SaveAsWithANameWithoutExtensionWritesAListFile)
{
    EditList("Plain");
    for (const char* typed : {"data", "dotted."}) {
        ui::DialogAnswerer answer;
        answer.Expect("Save As", IDOK, ui::TypeFileName(PathOf(typed)));
        Answered(answer, ID_FILE_SAVE_AS);
    }
    EXPECT_EQ(GroupsInFile(PathOf("data.vtl")), std::vector<std::string>{"Plain"});
    EXPECT_EQ(GroupsInFile(PathOf("dotted.vtl")), std::vector<std::string>{"Plain"});
    EXPECT_FALSE(Exists(PathOf("datavtl")));
    EXPECT_FALSE(Exists(PathOf("dottedvtl")));
    EXPECT_EQ(Title(), "Vantrace - dotted.vtl");
}

TEST_F(WorkspaceFilesTest, OpenRefusesAnotherExtensionAndAsksAgain)
{
    WriteList("notes.txt", {"Text"});
    const std::string list = WriteList("chosen.vtl", {"Chosen", "Also"});
    EditList("Before");
    const std::string titleBefore = Title();

    // Refused, then Cancel: nothing changes (the save-first prompt is answered No).
    ui::DialogAnswerer cancel;
    cancel.Expect("Save File", IDNO)
        .Expect("Open", IDOK, ui::TypeFileName(PathOf("notes.txt")))
        .Expect("File Error", IDOK)
        .Expect("Open", IDCANCEL);
    auto seen = Answered(cancel, ID_FILE_OPEN);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[2].text, PathOf("notes.txt") + " is not a valid Vantrace file. Please select a valid Vantrace file");
    EXPECT_EQ(seen[2].iconStyle, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(Title(), titleBefore);
    EXPECT_EQ(Names(GroupList()), std::vector<std::string>{"Before"});

    // Refused, then a list file: it is loaded and goes first in the recent list.
    ui::DialogAnswerer open;
    open.Expect("Save File", IDNO)
        .Expect("Open", IDOK, ui::TypeFileName(PathOf("notes.txt")))
        .Expect("File Error", IDOK)
        .Expect("Open", IDOK, ui::TypeFileName(list));
    seen = Answered(open, ID_FILE_OPEN);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].text, "Default.vtl has changed. Do you want to save changes?");
    EXPECT_EQ(seen[0].iconStyle, static_cast<UINT>(MB_ICONQUESTION));
    EXPECT_EQ(Names(GroupList()), (std::vector<std::string>{"Chosen", "Also"}));
    EXPECT_EQ(Title(), "Vantrace - chosen.vtl");
    EXPECT_FALSE(Modified());
    EXPECT_EQ((*Recent())[0], list);
}

TEST_F(WorkspaceFilesTest, AnUnreadableFileLeavesANewListAndStaysAsItWas)
{
    const std::string bad = PathOf("broken.vtl");
    const std::string bytes = "this is not a list file\r\n\x01\x02";
    WriteBytes(bad, bytes);
    EditList("Before");
    View().UpdateTitle(false);

    ui::DialogAnswerer answer;
    answer.Expect("Open", IDOK, ui::TypeFileName(bad)).Expect("File Error", IDOK);
    const auto seen = Answered(answer, ID_FILE_OPEN);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text, "Cannot read file " + bad + ". It is damaged or not a Vantrace file.");
    EXPECT_EQ(Title(), "Vantrace - Untitled.vtl");
    EXPECT_TRUE(Names(GroupList()).empty());
    EXPECT_EQ((*Recent())[0], "");

    // Saving now asks for a new name instead of writing over the damaged file.
    ui::DialogAnswerer save;
    save.Expect("Save As", IDCANCEL);
    EXPECT_EQ(Answered(save, ID_FILE_SAVE).size(), 1u);
    EXPECT_EQ(ReadBytes(bad), bytes);
}

TEST_F(WorkspaceFilesTest, ARecentEntryWhoseFileIsGoneLeavesTheListAndNamesAsTheyWere)
{
    const std::string current = WriteList("current.vtl", {"Current"});
    const std::string gone = WriteList("gone.vtl", {"Gone"});
    StartWith(current);
    Recent()->Add(gone.c_str());   // entry 0: gone.vtl, entry 1: current.vtl
    ASSERT_TRUE(DeleteFileA(gone.c_str()));
    const std::string nameBefore = View().Document().FileName();

    ui::DialogAnswerer answer;
    answer.Expect("File Error", IDOK);
    const auto seen = Answered(answer, ID_FILE_MRU_FILE1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Cannot find file " + gone);
    EXPECT_EQ(seen[0].iconStyle, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(Names(GroupList()), std::vector<std::string>{"Current"});
    EXPECT_EQ(View().Document().PathName(), current);
    EXPECT_EQ(View().Document().FileName(), nameBefore);

    // The second entry still opens, and moves to the top.
    Command(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(Names(GroupList()), std::vector<std::string>{"Current"});
    EXPECT_EQ((*Recent())[0], current);
}

TEST_F(WorkspaceFilesTest, HasChangedPromptYesSavesBeforeNew)
{
    const std::string path = WriteList("work.vtl", {"Saved"});
    StartWith(path);
    EditList("Added");
    ui::DialogAnswerer answer;
    answer.Expect("Save File", IDYES);
    Answered(answer, ID_FILE_NEW);
    EXPECT_EQ(GroupsInFile(path), (std::vector<std::string>{"Saved", "Added"}));
    EXPECT_EQ(Title(), "Vantrace - Untitled.vtl");
    EXPECT_TRUE(Names(GroupList()).empty());
    EXPECT_EQ(View().Document().PathName(), path);   // New keeps the path; only the name changes
}

TEST_F(WorkspaceFilesTest, ClosingWithEditsAndNoReloadsTheMostRecentFile)
{
    const std::string path = WriteList("recent.vtl", {"Stored"});
    StartWith(path);
    EditList("Unsaved");
    ui::DialogAnswerer answer;
    answer.Expect("Save File", IDNO);
    bool goOn = false;
    const auto seen = RunAnswered(answer, [&] { goOn = View().PromptSaveChanges(false); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Save changes to " + View().Document().FileName() + "?");
    EXPECT_TRUE(goOn);
    EXPECT_EQ(Names(GroupList()), std::vector<std::string>{"Stored"});
    EXPECT_FALSE(Modified());
    EXPECT_EQ(GroupsInFile(path), std::vector<std::string>{"Stored"});

    // With no recent file, No leaves a new, empty untitled list.
    Recent() = std::make_unique<CRecentFileList>(0, "Vantrace\\Recent files", "file%d", 4, 30);
    View().SetStores(TestApp().GetOptions(), Recent().get());   // the view must not keep the one just freed
    EditList("Unsaved");
    ui::DialogAnswerer none;
    none.Expect("Save File", IDNO);
    ASSERT_EQ(RunAnswered(none, [&] { goOn = View().PromptSaveChanges(false); }).size(), 1u);
    EXPECT_TRUE(Names(GroupList()).empty());
    EXPECT_EQ(Title(), "Vantrace - Untitled.vtl");
}

TEST_F(WorkspaceFilesTest, SavePromptCancelStopsAndNoCancelOffersOnlyYesAndNo)
{
    const std::string path = WriteList("keep.vtl", {"Stored"});
    StartWith(path);
    EditList("Unsaved");
    ui::DialogAnswerer cancel;
    cancel.Expect("Save File", IDCANCEL);
    bool goOn = true;
    ASSERT_EQ(RunAnswered(cancel, [&] { goOn = View().PromptSaveChanges(false); }).size(), 1u);
    EXPECT_FALSE(goOn);
    EXPECT_TRUE(Modified());

    // Without Cancel the box has no Cancel button, and No leaves the edits shown.
    ui::DialogAnswerer noCancel;
    bool hasCancel = true;
    noCancel.Expect("Save File", IDNO, [&hasCancel](HWND box) {
        HWND button = GetDlgItem(box, IDCANCEL);
        hasCancel = button && IsWindowVisible(button);
    });
    ASSERT_EQ(RunAnswered(noCancel, [&] { goOn = View().PromptSaveChanges(true); }).size(), 1u);
    EXPECT_TRUE(goOn);
    EXPECT_FALSE(hasCancel);
    EXPECT_EQ(Names(GroupList()), (std::vector<std::string>{"Stored", "Unsaved"}));
}

TEST_F(WorkspaceFilesTest, AWriteFailureKeepsNamesFlagAndFile)
{
    const std::string path = WriteList("locked.vtl", {"Original"});
    StartWith(path);
    const std::string bytes = ReadBytes(path);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EditList("Edit");
    const std::string title = Title();

    ui::DialogAnswerer answer;
    answer.Expect("Vantrace", IDOK);
    const auto seen = Answered(answer, ID_FILE_SAVE);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Unable to write to file. Please ensure file is not read only.");
    EXPECT_EQ(seen[0].iconStyle, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(Title(), title);
    EXPECT_TRUE(Modified());
    EXPECT_EQ(View().Document().PathName(), path);
    EXPECT_EQ(ReadBytes(path), bytes);

    // From the closing prompt a failed save keeps the tool open.
    ui::DialogAnswerer prompt;
    prompt.Expect("Save File", IDYES).Expect("Vantrace", IDOK);
    bool goOn = true;
    EXPECT_EQ(RunAnswered(prompt, [&] { goOn = View().PromptSaveChanges(false); }).size(), 2u);
    EXPECT_FALSE(goOn);
}

// Yes to the has-changed prompt, then a save that does not happen (a read-only file, or Save
// As cancelled on an untitled list): New, Open and a recent file stop, and the edits stay.
TEST_F(WorkspaceFilesTest, AFailedSaveFirstStopsNewOpenAndRecentFile)
{
    const std::string locked = WriteList("locked.vtl", {"Stored"});
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string other = WriteList("other.vtl", {"Other"});
    for (const UINT command : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_MRU_FILE1}) {
        for (const bool readOnly : {true, false}) {
            ui::DialogAnswerer answer;
            answer.Expect("Save File", IDYES).Expect(readOnly ? "Vantrace" : "Save As", readOnly ? IDOK : IDCANCEL);
            readOnly ? StartWith(locked) : View().Files().NewList();
            Recent()->Add(other.c_str());
            EditList("Edit");
            const std::string title = Title();
            EXPECT_EQ(Answered(answer, command).size(), 2u);
            EXPECT_EQ(Title(), title) << command;
            EXPECT_TRUE(Modified());
        }
    }
}

// The host's close on the real main frame, with unsaved edits, Yes and a read-only file: Save As
// is offered after the failure box; a name there keeps the list, Cancel closes without it.
TEST_F(WorkspaceFilesTest, TheHostsCloseOffersSaveAsAfterAFailedSave)
{
    const std::string locked = WriteList("locked.vtl", {"Stored"});
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    CWindowSettings placements;
    for (const int saveAs : {IDOK, IDCANCEL}) {
        Recent()->Add(locked.c_str());
        // The frame deletes itself with its window.
        auto* frame = new CMainFrame(*TestApp().GetOptions(), placements, Recent().get());
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr));
        const HWND hwnd = frame->m_hWnd;
        TestApp().m_pMainWnd = frame;
        frame->Workspace().LoadLastFile();
        frame->Workspace().UpdateTitle(true);
        ui::DialogAnswerer answer;
        answer.Expect("Save File", IDYES).Expect("Vantrace", IDOK);
        answer.Expect("Save As", saveAs, ui::TypeFileName(PathOf("kept.vtl")));
        EXPECT_EQ(RunAnswered(answer,
                              [hwnd] {
                                  ::PostMessageA(hwnd, s_wm_VANTRACE_CMD, 3, 0);
                                  EXPECT_TRUE(ui::PumpUntil([hwnd] { return !IsWindow(hwnd); }, 30000));
                              })
                      .size(),
                  3u);
        EXPECT_EQ(GroupsInFile(PathOf("kept.vtl")),
                  saveAs == IDOK ? std::vector<std::string>{"Stored"} : std::vector<std::string>{});
        DeleteFileA(PathOf("kept.vtl").c_str());
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        TestApp().m_pMainWnd = &m_frame;
    }
}

TEST_F(WorkspaceFilesTest, SavedFilesAppearOnTheFileMenu)
{
    HMENU file = GetSubMenu(GetMenu(m_frame.m_hWnd), 0);
    auto itemText = [file](UINT id) { return CMenu::GetMenuString(file, id, MF_BYCOMMAND); };
    m_frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    EXPECT_EQ(itemText(ID_FILE_MRU_FILE1), "Recent File");
    EXPECT_TRUE(GetMenuState(file, ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);

    EditList("Menu");
    for (const char* name : {"one.vtl", "two.vtl"}) {
        ui::DialogAnswerer answer;
        answer.Expect("Save As", IDOK, ui::TypeFileName(PathOf(name)));
        Answered(answer, ID_FILE_SAVE_AS);
    }
    m_frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    std::string first;
    std::string second;
    Recent()->GetDisplayName(first, 0, "", true);
    Recent()->GetDisplayName(second, 1, "", true);
    EXPECT_NE(first.find("two.vtl"), std::string::npos);
    EXPECT_EQ(itemText(ID_FILE_MRU_FILE1), "&1 " + first);
    EXPECT_EQ(itemText(ID_FILE_MRU_FILE1 + 1), "&2 " + second);
    EXPECT_FALSE(GetMenuState(file, ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);
}
}   // namespace
