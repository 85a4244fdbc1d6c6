// Exported files are written as safely as list files: a refused or failed write leaves the
// old file byte for byte and no temporary file behind.
#include "CReplacingFile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {
// How many entries a folder holds, "." and ".." left out.
int CountFiles(const std::string& folder)
{
    WIN32_FIND_DATAA found{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    int count = 0;
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do
        count += found.cFileName[0] != '.';
    while (FindNextFileA(find, &found));
    FindClose(find);
    return count;
}
}   // namespace

TEST(ReplacingFile, ReplacesWholeOrNotAtAll)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "vtreplace" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string path = folder + "\\out.csv";
    std::string read;

    ASSERT_TRUE(CReplacingFile::Write(path.c_str(), "first"));
    ASSERT_TRUE(CReplacingFile::Write(path.c_str(), std::string(100000, 'x')));
    ASSERT_TRUE(CReplacingFile::Read(path.c_str(), read, 1 << 20));
    EXPECT_EQ(read, std::string(100000, 'x'));
    EXPECT_FALSE(CReplacingFile::Read(path.c_str(), read, 99999));   // past the limit
    EXPECT_TRUE(read.empty());

    ASSERT_TRUE(CReplacingFile::Write(path.c_str(), "kept"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(CReplacingFile::Write(path.c_str(), "lost"));
    EXPECT_FALSE(CReplacingFile::Write(folder.c_str(), "a folder"));
    EXPECT_FALSE(CReplacingFile::Write((folder + "\\missing\\out.csv").c_str(), "nowhere"));
    ASSERT_TRUE(CReplacingFile::Read(path.c_str(), read, 100));
    EXPECT_EQ(read, "kept");
    EXPECT_EQ(CountFiles(folder), 1);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
}
