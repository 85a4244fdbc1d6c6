// The secured file dialog: the library's flag bit never reaches the common dialog, and the
// dialog answers as the framework's does.
#include "CFileDialogS.h"
#include "DialogAnswerer.h"

#include <dlgs.h>

#include <gtest/gtest.h>

#include <fstream>

namespace {
// Shows the flags the common dialog is given.
class ProbeDialogS : public CFileDialogS {
public:
    using CFileDialogS::CFileDialogS;
    DWORD FlagsSeen() const { return DialogFlags(); }
};

TEST(FileDialogSTest, OpenWithTheLibraryBitAnswersThroughItsControls)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "vt_secured.vtl";
    {
        std::ofstream(path) << "x";
    }
    ProbeDialogS dialog(1, "vtl", nullptr, 0x1081808, "Vantrace settings files (*.vtl)|*.vtl||", nullptr);
    EXPECT_EQ(dialog.FlagsSeen(), 0x81808u);
    ui::DialogAnswerer answerer;
    answerer.Expect("Open", IDOK, [&](HWND box) { SetDlgItemTextA(box, cmb13, path.c_str()); }).Start();
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(answerer.Finish().size(), 1u);
    EXPECT_EQ(dialog.GetPathName(), path);
    EXPECT_EQ(dialog.GetFileExt(), "vtl");
    ProbeDialogS save(0, "vtl", nullptr, 0x1000006, "Vantrace settings files (*.vtl)|*.vtl||", nullptr);
    EXPECT_EQ(save.FlagsSeen(), 0x6u);
    DeleteFileA(path.c_str());
}
}   // namespace
