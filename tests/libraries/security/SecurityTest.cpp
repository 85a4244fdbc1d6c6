// Logon steps, rights enquiries and the audit log, against the real registry and a real
// file in the local application data folder.
#include "CFileFindS.h"
#include "CSecurityApp.h"
#include "Registry.h"
#include "SecurityAccess.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
constexpr const char* kKey = reg::kSecurity;

std::wstring AuditLogPath()
{
    PWSTR base = nullptr;
    EXPECT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &base)));
    std::wstring path = std::wstring(base) + L"\\Fenwright\\Security\\audit.log";
    CoTaskMemFree(base);
    return path;
}

std::vector<std::string> AuditLines()
{
    std::vector<std::string> lines;
    std::ifstream in(AuditLogPath().c_str(), std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

class SecurityTest : public testing::Test {
protected:
    void SetUp() override
    {
        reg::Remove(kKey);
        DeleteFileW(AuditLogPath().c_str());
    }
    void TearDown() override
    {
        reg::Remove(kKey);
        DeleteFileW(AuditLogPath().c_str());
    }
    static void SetString(const char* name, const char* value) { ASSERT_TRUE(reg::WriteText(kKey, name, value)); }
    static void SetDword(const char* name, DWORD value) { ASSERT_TRUE(reg::WriteDword(kKey, name, value)); }
};

TEST_F(SecurityTest, DeniedRightsAreReadAtEveryEnquiry)
{
    EXPECT_NE(SecurityEnquireNoAudit(0, 3218), 0);   // no policy: granted
    SetString("DeniedRights", "17, 3218,5");
    EXPECT_EQ(SecurityEnquireNoAudit(0, 3218), 0);
    EXPECT_EQ(SecurityEnquire(0, 3218, 0), 0);
    EXPECT_NE(SecurityEnquireNoAudit(0, 321), 0);   // a prefix of a denied code is another right
    EXPECT_NE(SecurityEnquireNoAudit(0, 32180), 0);
    EXPECT_EQ(SecurityEnquireNoAudit(0, 5), 0);
    SetString("DeniedRights", "17");
    EXPECT_NE(SecurityEnquire(0, 3218, 0), 0);   // the change counts at the next call
    SetString("DeniedRights", "");
    EXPECT_NE(SecurityEnquireNoAudit(0, 17), 0);
}

TEST_F(SecurityTest, UnreadablePolicyRefusesRatherThanGrants)
{
    SetString("DeniedRights", "17,abc");
    EXPECT_EQ(SecurityEnquireNoAudit(0, 3218), 0);
    reg::Remove(kKey);
    SetDword("DeniedRights", 3218);
    EXPECT_EQ(SecurityEnquireNoAudit(0, 1), 0);
}

TEST_F(SecurityTest, OnlyTheAuditedEnquiryWritesOneLineEach)
{
    EXPECT_NE(SecurityEnquireNoAudit(0, 3218), 0);
    EXPECT_TRUE(AuditLines().empty());
    EXPECT_NE(SecurityEnquire(0, 3218, 0), 0);
    SetString("DeniedRights", "3218");
    EXPECT_EQ(SecurityEnquire(0, 3218, 0), 0);
    EXPECT_EQ(SecurityEnquireNoAudit(0, 3218), 0);
    const std::vector<std::string> lines = AuditLines();
    ASSERT_EQ(lines.size(), 2u);
    char user[256] = {};
    DWORD size = sizeof user;
    ASSERT_TRUE(GetUserNameA(user, &size));
    EXPECT_NE(lines[0].find(std::string("\t") + user + "\t3218\tgranted"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find(std::string("\t") + user + "\t3218\trefused"), std::string::npos) << lines[1];
    // Each line starts with the local date and time.
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char year[8];
    snprintf(year, sizeof year, "%04u-", now.wYear);
    EXPECT_EQ(lines[0].rfind(year, 0), 0u) << lines[0];
    EXPECT_EQ(lines[0][19], '\t') << lines[0];
}

TEST_F(SecurityTest, LogonStepsFollowThePolicy)
{
    const tagOVERIDE_LOGIN_CALLBACK_STRUCT none{0, 0};
    {
        CSecurityApp app("SecurityTestApp");
        EXPECT_NE(app.InitInstancePart1(0, nullptr), 0);
        EXPECT_NE(app.InitInstancePart2(none), 0);
        EXPECT_TRUE(app.IsLoggedOn());
        EXPECT_EQ(app.ExitInstance(), 0);
        EXPECT_FALSE(app.IsLoggedOn());
    }
    SetDword("LogonPart1", 0);
    {
        CSecurityApp app("SecurityTestApp");
        EXPECT_EQ(app.InitInstancePart1(0, nullptr), 0);
        EXPECT_EQ(app.InitInstancePart2(none), 0);   // no second step without the first
    }
    SetDword("LogonPart1", 1);
    SetDword("LogonPart2", 0);
    {
        CSecurityApp app("SecurityTestApp");
        EXPECT_NE(app.InitInstancePart1(0, nullptr), 0);
        EXPECT_EQ(app.InitInstancePart2(none), 0);
        SetDword("LogonPart2", 2);   // read again at the next attempt
        EXPECT_NE(app.InitInstancePart2(none), 0);
    }
}

TEST(FileFindSTest, FindsOnlyFilesThatCanBeRead)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "vt_findfile_" + std::to_string(GetCurrentProcessId()) + ".vtl";
    CFileFindS find;
    EXPECT_EQ(find.FindFile(path.c_str(), 0), 0);
    {
        std::ofstream(path) << "x";
    }
    EXPECT_NE(find.FindFile(path.c_str(), 0), 0);
    EXPECT_EQ(find.FindFile(folder, 0), 0);   // a folder is no file
    EXPECT_EQ(find.FindFile("", 0), 0);
    EXPECT_EQ(find.FindFile(nullptr, 0), 0);
    DeleteFileA(path.c_str());
}
}   // namespace
