// The walk's file actions: Save, Save As, a refused save, New and Open, each with the
// has-changed prompt and the file dialogs answered as a user would.
#include "WalkFileActions.h"

#include "CRecoveryStore.h"
#include "CWorkspaceView.h"
#include "WalkAnswers.h"
#include "resource.h"
#include "FileBytes.h"

#include <iterator>

namespace walk {
namespace {
const char kWriteFailure[] = "Unable to write to file. Please ensure file is not read only.";

// Save to the list's own file after another writer changed it asks first; the walk says Yes.
void ExpectReplaceQuestion(Step& s, std::vector<Window>& windows)
{
    if (s.expected.fileReplaced)
        windows.push_back({"Vantrace", IDYES, {},
                           s.expected.fileName
                               + " has been changed by another program since it was opened or saved. "
                                 "Replace it with this list?"});
}

// Save through the has-changed prompt or the Save command: the windows of a successful
// save of the current list, and the model after it.
void ExpectSave(Step& s, std::vector<Window>& windows, bool& cancelled)
{
    ModelState& m = s.expected;
    cancelled = false;
    if (m.fileName == "Untitled.vtl" || m.pathName.empty()) {
        const std::string name = "walk" + std::to_string(s.number) + ".vtl";
        const std::string path = s.ui.PathOf(name);
        windows.push_back({"Save As", IDOK, ui::TypeFileName(path), ""});
        m.Saved(path, name);
    } else {
        ExpectReplaceQuestion(s, windows);
        m.Saved(m.pathName, m.fileName);
    }
}

// The file just saved holds the model's list.
void CheckSavedFile(Step& s)
{
    ListData onDisk;
    if (!WalkDriver::LoadFile(s.expected.pathName, onDisk))
        s.problem += "the saved file " + s.expected.pathName + " cannot be loaded\n";
    else if (!(onDisk == s.expected.files[s.expected.pathName]))
        s.problem += "the saved file holds\n" + Describe(onDisk) + "the model saved\n"
                     + Describe(s.expected.files[s.expected.pathName]);
}

enum class SaveFirst { None, Saved, Stopped };

// The has-changed prompt of New and Open: No goes on, Yes saves first. A save that does not
// happen (its Save As cancelled) stops the command with nothing changed.
SaveFirst ExpectSaveFirst(Step& s, std::vector<Window>& windows)
{
    if (!s.expected.modified)
        return SaveFirst::None;
    const std::string text = s.expected.fileName + " has changed. Do you want to save changes?";
    if (s.rng.Chance(50)) {
        windows.push_back({"Save File", IDNO, {}, text});
        s.did += "No to saving, ";
        return SaveFirst::None;
    }
    windows.push_back({"Save File", IDYES, {}, text});
    const bool asks = s.expected.fileName == "Untitled.vtl" || s.expected.pathName.empty();
    if (asks && s.rng.Chance(30)) {
        windows.push_back({"Save As", IDCANCEL, {}, ""});
        s.did += "Save As cancelled, stopped";
        return SaveFirst::Stopped;
    }
    bool cancelled = false;
    ExpectSave(s, windows, cancelled);
    s.did += "saved to " + s.expected.fileName + ", ";
    return SaveFirst::Saved;
}

}   // namespace

void RunSave(Step& s)
{
    std::vector<Window> windows;
    bool cancelled = false;
    const bool asks = s.expected.fileName == "Untitled.vtl" || s.expected.pathName.empty();
    if (asks && s.rng.Chance(20)) {
        windows.push_back({"Save As", IDCANCEL, {}, ""});
        cancelled = true;
    } else {
        ExpectSave(s, windows, cancelled);
    }
    s.did = cancelled ? "Save As cancelled" : "to " + s.expected.fileName;
    s.problem = s.ui.Run(windows, [&] { s.ui.Command(ID_FILE_SAVE); });
    if (!cancelled)
        CheckSavedFile(s);
}

void RunSaveAs(Step& s)
{
    if (s.rng.Chance(15)) {
        s.did = "cancelled";
        s.problem = s.ui.Run({{"Save As", IDCANCEL, {}, ""}}, [&] { s.ui.Command(ID_FILE_SAVE_AS); });
        return;
    }
    const std::string name = "walk" + std::to_string(s.number) + ".vtl";
    const std::string path = s.ui.PathOf(name);
    s.did = "to " + name;
    s.problem = s.ui.Run({{"Save As", IDOK, ui::TypeFileName(path), ""}}, [&] { s.ui.Command(ID_FILE_SAVE_AS); });
    s.expected.Saved(path, name);
    CheckSavedFile(s);
}

int WeightFailedSave(Step& s)
{
    return s.expected.fileName != "Untitled.vtl" && !s.expected.pathName.empty() ? 1 : 0;
}

// The current file made read-only: the save is refused and the file stays as it was.
void RunFailedSave(Step& s)
{
    const std::string path = s.expected.pathName;
    const std::string before = ReadBytes(path);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    s.did = "to read-only " + s.expected.fileName;
    std::vector<Window> windows;
    ExpectReplaceQuestion(s, windows);
    windows.push_back({"Vantrace", IDOK, {}, kWriteFailure});
    s.problem = s.ui.Run(windows, [&] { s.ui.Command(ID_FILE_SAVE); });
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (ReadBytes(path) != before)
        s.problem += "the failed save changed " + path + "\n";
}

void RunNew(Step& s)
{
    std::vector<Window> windows;
    const SaveFirst first = ExpectSaveFirst(s, windows);
    s.problem = s.ui.Run(windows, [&] { s.ui.Command(ID_FILE_NEW); });
    if (first == SaveFirst::Saved)
        CheckSavedFile(s);
    if (first != SaveFirst::Stopped)
        s.expected.Cleared();
}

int WeightOpen(Step& s)
{
    return s.expected.files.empty() ? 0 : 2;
}

void RunOpen(Step& s)
{
    std::vector<Window> windows;
    const SaveFirst first = ExpectSaveFirst(s, windows);
    const bool cancel = first == SaveFirst::Stopped || s.rng.Chance(15);
    auto file = s.expected.files.begin();
    std::advance(file, s.rng.Below(static_cast<int>(s.expected.files.size())));
    const std::string path = file->first;
    if (first != SaveFirst::Stopped)   // a stopped command opens no Open dialog
        windows.push_back({"Open", cancel ? IDCANCEL : IDOK, cancel ? nullptr : ui::TypeFileName(path), ""});
    s.did += cancel ? "cancelled" : path.substr(path.find_last_of('\\') + 1);
    s.problem = s.ui.Run(windows, [&] { s.ui.Command(ID_FILE_OPEN); });
    if (first == SaveFirst::Saved)
        CheckSavedFile(s);
    if (!cancel) {
        s.expected.list = s.expected.files[path];
        s.expected.pathName = path;
        s.expected.fileName = path.substr(path.find_last_of('\\') + 1);
        s.expected.Forget();
    }
}

int WeightReplaceFile(Step& s)
{
    const ModelState& m = s.expected;
    return m.fileName != "Untitled.vtl" && m.files.count(m.pathName) ? 1 : 0;
}

// Another program (or the tool on another PC) writes the list's file: the file's list with one
// group more. The next Save to it must ask first.
void RunReplaceFile(Step& s)
{
    ModelState& m = s.expected;
    CListManager other;
    CGroupDataHelper group;
    group.m_strName = "other writer " + std::to_string(s.number);
    DWORD id = 0;
    if (!other.Load(m.pathName.c_str()) || !other.AddGroup(group, id) || !other.Save(m.pathName.c_str())) {
        s.problem = "the other writer could not write " + m.pathName + "\n";
        return;
    }
    s.did = m.fileName;
    m.files[m.pathName] = WalkDriver::FromManager(other);
    m.fileReplaced = true;
}

// The process ends at this moment and starts again: what its recovery file holds then, read
// back, is the model's list, and a list without unsaved edits has no recovery file.
void RunRestart(Step& s)
{
    const ModelState& m = s.expected;
    CRecoveryWriter* recovery = s.ui.View().Document().Recovery();
    const std::string file = recovery->Store().OwnFile();
    s.did = m.modified ? "with unsaved edits" : "unmodified";
    recovery->Drain();   // a write that was under way has ended (and its file gone, when unmodified)
    if (!m.modified) {
        if (GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES)
            s.problem = "a recovery file remains for a list without unsaved edits\n";
        return;
    }
    recovery->SnapshotNow();
    recovery->Drain();
    SRecoveryHeader header;
    CListManager kept;
    if (!CRecoveryStore::Read(file, header, kept)) {
        s.problem = "the recovery file cannot be read\n";
        return;
    }
    const ListData list = WalkDriver::FromManager(kept);
    if (!(list == m.list))
        s.problem = "the recovery file holds\n" + Describe(list) + "the model holds\n" + Describe(m.list);
    if (header.listName != m.fileName || header.listPath != (m.fileName == "Untitled.vtl" ? "" : m.pathName))
        s.problem += "the recovery file names " + header.listPath + " as " + header.listName + "\n";
}

}   // namespace walk
