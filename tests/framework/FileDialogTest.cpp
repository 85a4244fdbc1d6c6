// The common file dialog, answered through its own controls as a user would answer it.
#include "CFileDialog.h"
#include "DialogAnswerer.h"

#include <dlgs.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {
// Types a path into the dialog's file name box; the answerer then presses OK.
ui::DialogAnswerer::Action TypePath(const std::string& path)
{
    return [path](HWND dialog) {
        HWND box = GetDlgItem(dialog, cmb13);
        if (!box)
            box = GetDlgItem(dialog, edt1);
        SetWindowTextA(box, path.c_str());
    };
}

std::string TempFile(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

TEST(FileDialogTest, OpenDialogGivesTheChosenPathInParts)
{
    const std::string path = TempFile("vt dialog.test.vtl");
    {
        std::ofstream(path) << "x";
    }
    CFileDialog dialog(TRUE, "vtl", nullptr, OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR,
                       "Vantrace settings files (*.vtl)|*.vtl|All files (*.*)|*.*||");
    ui::DialogAnswerer answerer;
    answerer.Expect("Open", IDOK, TypePath(path)).Start();
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(answerer.Finish().size(), 1u);
    EXPECT_EQ(dialog.GetPathName(), path);
    EXPECT_EQ(dialog.GetFileName(), "vt dialog.test.vtl");
    EXPECT_EQ(dialog.GetFileExt(), "vtl");
    EXPECT_EQ(dialog.GetFileTitle(), "vt dialog.test");
    DeleteFileA(path.c_str());
}

TEST(FileDialogTest, SaveDialogAddsTheDefaultExtension)
{
    const std::string typed = TempFile("vt_saved");
    CFileDialog dialog(FALSE, "vtl", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "Vantrace settings files (*.vtl)|*.vtl||");
    ui::DialogAnswerer answerer;
    answerer.Expect("Save As", IDOK, TypePath(typed)).Start();
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(answerer.Finish().size(), 1u);
    EXPECT_EQ(dialog.GetPathName(), typed + ".vtl");
    EXPECT_EQ(dialog.GetFileTitle(), "vt_saved");
    EXPECT_EQ(dialog.GetFileExt(), "vtl");
}

TEST(FileDialogTest, CancelKeepsTheInitialName)
{
    CFileDialog dialog(TRUE, "vtl", "start.vtl", OFN_EXPLORER, "Lists|*.vtl||");
    ui::DialogAnswerer answerer;
    answerer.Expect("Open", IDCANCEL).Start();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(answerer.Finish().size(), 1u);
    EXPECT_EQ(dialog.GetPathName(), "start.vtl");
    EXPECT_EQ(dialog.GetFileName(), "start.vtl");
    EXPECT_EQ(dialog.GetFileTitle(), "start");
}

TEST(FileDialogTest, NamesWithoutExtensionOrInDottedFolders)
{
    CFileDialog plain(TRUE, nullptr, "C:\\data.d\\list", 0, nullptr);
    EXPECT_EQ(plain.GetFileName(), "list");
    EXPECT_EQ(plain.GetFileExt(), "");
    EXPECT_EQ(plain.GetFileTitle(), "list");
    CFileDialog slashes(TRUE, nullptr, "C:/a/b.c.VTL", 0, nullptr);
    EXPECT_EQ(slashes.GetFileName(), "b.c.VTL");
    EXPECT_EQ(slashes.GetFileExt(), "VTL");
    EXPECT_EQ(slashes.GetFileTitle(), "b.c");
}
}   // namespace
