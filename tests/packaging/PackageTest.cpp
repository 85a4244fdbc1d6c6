// The installer package as a user's machine meets it: msiexec installs it quietly, a newer
// package replaces an older one, the installed tool starts beside a host, and msiexec
// removes it again, leaving the user's settings.
#include "ChildProcess.h"
#include "Registry.h"
#include "VantraceVersion.h"

#include <windows.h>
#include <msi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
// A path of the build tree (a Unix path) as this program sees it, on Wine's drive Z:.
std::string WindowsPath(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

std::string ProgramFilesFolder(const char* below)
{
    char folder[MAX_PATH] = {};
    GetEnvironmentVariableA("ProgramW6432", folder, MAX_PATH);
    return std::string(folder) + "\\" + below;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The names in a folder, sorted.
std::vector<std::string> FolderContent(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// Runs msiexec with the arguments, quietly, and returns its exit code.
DWORD Msiexec(const std::string& arguments)
{
    std::string commandLine = "msiexec.exe " + arguments + " /qn";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return GetLastError() | 0x80000000u;
    CloseHandle(process.hThread);
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hProcess);
    return exitCode;
}

// Every installed product of Vantrace's upgrade code, as "{product code} version".
std::vector<std::string> InstalledProducts()
{
    std::vector<std::string> products;
    char code[39];
    for (DWORD index = 0; MsiEnumRelatedProductsA(VT_UPGRADE_CODE, 0, index, code) == ERROR_SUCCESS; ++index) {
        char version[64] = {};
        DWORD size = sizeof version;
        MsiGetProductInfoA(code, INSTALLPROPERTY_VERSIONSTRING, version, &size);
        products.push_back(std::string(code) + " " + version);
    }
    return products;
}

std::string ProductVersion(const std::string& product)
{
    return product.substr(product.find(' ') + 1);
}

// The version resource's fixed version and one of its texts (US English, Unicode).
struct SVersionResource {
    DWORD fileMS = 0, fileLS = 0, productMS = 0, productLS = 0;
    std::string Text(const char* name) const
    {
        char* value = nullptr;
        UINT length = 0;
        std::vector<BYTE> copy = block;
        const std::string key = std::string("\\StringFileInfo\\040904b0\\") + name;
        if (!VerQueryValueA(copy.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
            return "";
        return std::string(value, strnlen(value, length));
    }
    std::vector<BYTE> block;
};

bool ReadVersionResource(const std::string& file, SVersionResource& resource)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    resource.block.assign(size, 0);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!size || !GetFileVersionInfoA(file.c_str(), 0, size, resource.block.data())
        || !VerQueryValueA(resource.block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return false;
    resource.fileMS = fixed->dwFileVersionMS;
    resource.fileLS = fixed->dwFileVersionLS;
    resource.productMS = fixed->dwProductVersionMS;
    resource.productLS = fixed->dwProductVersionLS;
    return true;
}

class PackageTest : public testing::Test {
protected:
    // Whatever an interrupted earlier run left installed goes first.
    void SetUp() override
    {
        for (const std::string& product : InstalledProducts())
            Msiexec("/x " + product.substr(0, product.find(' ')));
        ASSERT_TRUE(InstalledProducts().empty());
        reg::ClearTool();
    }
    void TearDown() override
    {
        for (const std::string& product : InstalledProducts())
            Msiexec("/x " + product.substr(0, product.find(' ')));
        reg::ClearTool();
    }

    const std::string m_package = WindowsPath(VT_MSI_PATH);
    const std::string m_olderPackage = WindowsPath(VT_OLDER_MSI_PATH);
    const std::string m_companyFolder = ProgramFilesFolder("Fenwright");
    const std::string m_folder = ProgramFilesFolder("Fenwright\\Vantrace");
};

TEST_F(PackageTest, UpgradesFromAnOlderPackageRunsAndUninstallsCleanly)
{
    ASSERT_FALSE(Exists(m_companyFolder)) << "the test prefix has no Fenwright folder before the install";

    // An older version, then this one over it: one product remains, of this version.
    ASSERT_EQ(Msiexec("/i \"" + m_olderPackage + "\""), 0u);
    std::vector<std::string> products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(ProductVersion(products[0]), VT_OLDER_VERSION_TEXT);
    const std::string olderCode = products[0];

    ASSERT_EQ(Msiexec("/i \"" + m_package + "\""), 0u);
    products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(ProductVersion(products[0]), VT_VERSION_TEXT);
    EXPECT_NE(products[0].substr(0, 38), olderCode.substr(0, 38)) << "each version has its own product code";

    // A downgrade is refused and changes nothing.
    EXPECT_NE(Msiexec("/i \"" + m_olderPackage + "\""), 0u);
    EXPECT_EQ(InstalledProducts(), products);

    // The tool, its help file and the sample list; none of the host's parts.
    EXPECT_EQ(FolderContent(m_folder), (std::vector<std::string>{"Orvalis.chm", "Vantrace.exe", "demo.vtl"}));
    EXPECT_EQ(FolderContent(m_companyFolder), std::vector<std::string>{"Vantrace"});

    // The installed file carries the project's version.
    const std::string exe = m_folder + "\\Vantrace.exe";
    SVersionResource version;
    ASSERT_TRUE(ReadVersionResource(exe, version));
    const DWORD ms = MAKELONG(VT_VERSION_MINOR, VT_VERSION_MAJOR);
    const DWORD ls = MAKELONG(0, VT_VERSION_PATCH);
    EXPECT_EQ(version.fileMS, ms);
    EXPECT_EQ(version.fileLS, ls);
    EXPECT_EQ(version.productMS, ms);
    EXPECT_EQ(version.productLS, ls);
    EXPECT_EQ(version.Text("ProductVersion"), VT_VERSION_TEXT);
    EXPECT_EQ(version.Text("FileVersion"), VT_VERSION_TEXT);
    EXPECT_EQ(version.Text("CompanyName"), "Fenwright");
    EXPECT_EQ(version.Text("ProductName"), "Vantrace");
    EXPECT_FALSE(version.Text("FileDescription").empty());

    // The installed tool starts beside a host window, sets the start-up event (hostsim
    // exits with 3 otherwise), and ends on the host's close command (4 otherwise). Its
    // settings are written as it ends.
    ChildProcess host;
    ASSERT_TRUE(host.Start("hostsim.exe", "--tool \"" + exe + "\" --create-timeout 30000 close"));
    DWORD hostExit = 0xFFFF;
    ASSERT_TRUE(host.Wait(60000, hostExit));
    EXPECT_EQ(hostExit, 0u);
    EXPECT_TRUE(reg::KeyExists(reg::kTool));

    // Uninstalling removes every file and folder it installed and leaves the settings.
    ASSERT_EQ(Msiexec("/x \"" + m_package + "\""), 0u);
    EXPECT_TRUE(InstalledProducts().empty());
    EXPECT_FALSE(Exists(m_folder));
    EXPECT_FALSE(Exists(m_companyFolder));
    EXPECT_TRUE(reg::KeyExists(reg::kTool));
}
}   // namespace
