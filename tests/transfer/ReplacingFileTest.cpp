// Exported files are written as safely as list files: a refused or failed write leaves the
// old file byte for byte and no temporary file behind.
#include "CReplacingFile.h"
#include "TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(ReplacingFile, ReplacesWholeOrNotAtAll)
{
    const TempFolder temp;
    const std::string& folder = temp.Folder();
    const std::string path = temp.Path("out.csv");
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
    EXPECT_EQ(temp.Files().size(), 1u);
}
