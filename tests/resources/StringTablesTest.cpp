// The string tables of both languages, read from the program's resources by language.
#include <windows.h>

#include "resource.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {
const WORD kUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const WORD kUk = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK);

// One string of the given language's table; nothing when the table has no such string.
// Strings are kept in blocks of sixteen counted UTF-16 strings.
std::optional<std::string> Load(UINT id, WORD language)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(6), MAKEINTRESOURCEA(id / 16 + 1), language);
    if (!found)
        return std::nullopt;
    const auto* data = static_cast<const WCHAR*>(LockResource(LoadResource(module, found)));
    const WCHAR* end = data + SizeofResource(module, found) / sizeof(WCHAR);
    for (UINT i = 0; i < id % 16; ++i) {
        if (data >= end)
            return std::nullopt;
        data += 1 + *data;
    }
    if (data >= end || *data == 0)
        return std::nullopt;
    const int length = *data;
    std::string text(length * 2, '\0');
    text.resize(WideCharToMultiByte(CP_ACP, 0, data + 1, length, text.data(), length * 2, nullptr, nullptr));
    return text;
}

TEST(StringTables, UsPromptsAndTooltips)
{
    const struct {
        UINT id;
        const char* text;
    } expected[] = {
        {ID_FILE_OPEN, "Open a document\nOpen"},
        {ID_FILE_SAVE, "Saves the document\nSave"},
        {ID_VIEW_MINIMISE, "Minimise\nMinimise view"},
        {ID_GROUP_ADD, "Add chromatogram group\nAdd Group"},
        {ID_GROUP_DELETE, "Remove chromatogram group\nRemove Group"},
        {ID_CHRO_ADD, "Add chromatogram to selected group\nAdd Chromatogram"},
        {ID_CHRO_DELETE, "Remove chromatogram from selected group\nRemove Chromatogram"},
        {ID_CHRO_MOVE_UP, "Move chromatogram up"},
        {ID_CHRO_MOVE_DOWN, "Move chromatogram down"},
        {ID_AUTOMATE, "Automatically populate chromatogram with selected group\nAutomatically populate Chromatogram"},
        {ID_GROUP_NEXT, "Launch next group\nNext group"},
        {ID_GROUP_PREVIOUS, "Launch previous group\nPrevious group"},
        {ID_GROUP_MOVE_UP, "Move group up"},
        {ID_GROUP_MOVE_DOWN, "Move group down"},
        {ID_EDIT_UNDO, "Undo the last change\nUndo"},
        {ID_EDIT_REDO, "Redo the last change undone\nRedo"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(Load(e.id, kUs), e.text) << e.id;
    for (UINT none : {ID_CHRO_DUPLICATE, ID_CHRO_EDIT, ID_GROUP_EDIT, ID_GROUP_DUPLICATE})
        EXPECT_EQ(Load(none, kUs), std::nullopt) << none;
}

TEST(StringTables, UkPromptsAndTooltips)
{
    const struct {
        UINT id;
        const char* text;
    } expected[] = {
        {ID_FILE_OPEN, "Open a document\nOpen"},
        {ID_FILE_SAVE, "Saves the document\nSave"},
        {ID_GROUP_ADD, "Add chromatogram group\nAdd Group"},
        {ID_GROUP_DELETE, "Delete chromatogram group\nDelete Group"},
        {ID_CHRO_ADD, "&Add Chromatogram\nAdd Chromatogram"},
        {ID_CHRO_DELETE, "Delete chromatogram\nDelete Chromatogram"},
        {ID_CHRO_MOVE_UP, "Move chromatogram up in view"},
        {ID_CHRO_MOVE_DOWN, "Move chromatogram down in view"},
        {ID_GROUP_MOVE_UP, "Move group up in view"},
        {ID_GROUP_MOVE_DOWN, "Move group down in view"},
        {ID_EDIT_UNDO, "Undo the last change\nUndo"},
        {ID_EDIT_REDO, "Redo the last change undone\nRedo"},
        {ID_CHRO_EDIT, "Edit selected chromatogram"},
        {ID_GROUP_EDIT, "Edit chromatogram group\nEdit group"},
        {ID_GROUP_DUPLICATE, "Add chromatogram group\nAdd Group"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(Load(e.id, kUk), e.text) << e.id;
    for (UINT none : {ID_VIEW_MINIMISE, ID_AUTOMATE, ID_GROUP_NEXT, ID_GROUP_PREVIOUS, ID_CHRO_DUPLICATE})
        EXPECT_EQ(Load(none, kUk), std::nullopt) << none;
}

TEST(StringTables, FrameworkTextsAndDialogTitlesInBothLanguages)
{
    const struct {
        UINT id;
        const char* text;
    } expected[] = {
        {IDR_MAINFRAME, "Vantrace"},
        {AFX_IDS_APP_TITLE, "Vantrace"},
        {AFX_IDS_IDLEMESSAGE, "Ready"},
        {ID_INDICATOR_CAPS, "CAP"},
        {ID_INDICATOR_NUM, "NUM"},
        {IDS_ADD_CHROMATOGRAM, "Add chromatogram"},
        {IDS_EDIT_CHROMATOGRAM, "Edit chromatogram details"},
        {IDS_DUPLICATE_CHROMATOGRAM, "Duplicate chromatogram"},
        {IDS_ADD_GROUP, "Add Group"},
        {IDS_EDIT_GROUP, "Edit group details"},
        {IDS_DUPLICATE_GROUP, "Duplicate group"},
        {IDS_STEP_DELETE_GROUP, "Delete Group"},
        {IDS_STEP_MOVE_GROUP_DOWN, "Move Group Down"},
        {IDS_STEP_UNCHECK_CHROMATOGRAM, "Uncheck Chromatogram"},
    };
    for (WORD language : {kUs, kUk})
        for (const auto& e : expected)
            EXPECT_EQ(Load(e.id, language), e.text) << e.id << " in language " << language;
}
}   // namespace
