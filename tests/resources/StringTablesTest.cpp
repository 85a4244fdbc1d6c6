// The string tables of both languages, read from the program's resources by language: every
// text is in both (but for the command prompts each language words on its own), with the
// same placeholders, so a text added to one table only, or a translation that lost a
// placeholder, fails here.
#include <windows.h>

#include "resource.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {
const WORD kUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const WORD kUk = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK);
using Table = std::map<UINT, std::string>;

BOOL CALLBACK CollectBlock(HMODULE, LPCSTR, LPSTR name, LONG_PTR blocks)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<UINT>*>(blocks)->push_back(static_cast<UINT>(reinterpret_cast<UINT_PTR>(name)));
    return TRUE;
}

// Every string of one language's table. Strings are kept in blocks of sixteen counted
// UTF-16 strings; an empty one is absent.
Table Load(WORD language)
{
    HMODULE module = GetModuleHandleA(nullptr);
    std::vector<UINT> blocks;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(6), &CollectBlock, reinterpret_cast<LONG_PTR>(&blocks));
    Table table;
    for (UINT block : blocks) {
        HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(6), MAKEINTRESOURCEA(block), language);
        if (!found)
            continue;
        const auto* data = static_cast<const WCHAR*>(LockResource(LoadResource(module, found)));
        const WCHAR* end = data + SizeofResource(module, found) / sizeof(WCHAR);
        for (UINT i = 0; i < 16 && data < end; ++i, data += 1 + *data) {
            const int length = *data;
            if (length == 0 || data + 1 + length > end)
                continue;
            std::string text(length * 2, '\0');
            text.resize(WideCharToMultiByte(CP_ACP, 0, data + 1, length, text.data(), length * 2, nullptr, nullptr));
            table[(block - 1) * 16 + i] = text;
        }
    }
    return table;
}

// The printf and message placeholders of a text, in order.
std::vector<std::string> Placeholders(const std::string& text)
{
    static const std::regex placeholder(R"(%(%|[0-9]+|[-+ #0]*[0-9*]*(\.[0-9*]+)?(hh|h|ll|l|I64|z)?[a-zA-Z]))");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}
}   // namespace

TEST(StringTables, EveryTextInBothLanguagesWithTheSamePlaceholders)
{
    const Table us = Load(kUs);
    const Table uk = Load(kUk);
    ASSERT_TRUE(us.count(AFX_IDS_IDLEMESSAGE) && uk.count(AFX_IDS_IDLEMESSAGE)) << "a string table is missing";

    // The command prompts (status bar text and tooltip) each language has and the other has not.
    const std::set<UINT> usOnly = {ID_VIEW_MINIMISE, ID_AUTOMATE, ID_GROUP_NEXT, ID_GROUP_PREVIOUS};
    const std::set<UINT> ukOnly = {ID_CHRO_EDIT, ID_GROUP_EDIT, ID_GROUP_DUPLICATE};
    for (const auto& [id, text] : us) {
        const auto other = uk.find(id);
        if (other == uk.end()) {
            EXPECT_TRUE(usOnly.count(id)) << id << " \"" << text << "\" is in the US table only";
            continue;
        }
        EXPECT_FALSE(usOnly.count(id)) << id << " has a UK prompt";
        EXPECT_EQ(Placeholders(text), Placeholders(other->second))
            << id << ": \"" << text << "\" and \"" << other->second << "\"";
    }
    for (const auto& [id, text] : uk) {
        if (!us.count(id)) {
            EXPECT_TRUE(ukOnly.count(id)) << id << " \"" << text << "\" is in the UK table only";
        }
    }
    for (UINT id : ukOnly)
        EXPECT_TRUE(uk.count(id) && !us.count(id)) << id;
    EXPECT_FALSE(us.count(ID_CHRO_DUPLICATE) || uk.count(ID_CHRO_DUPLICATE));
}
