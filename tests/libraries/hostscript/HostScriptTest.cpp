// hostscript.dll and its loader, against a real "ChroWClass" window.
#include "CHostScript.h"
#include "TestHostWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {
using IsRunningFn = int(WINAPI*)();
using CommandFn = int(WINAPI*)(const char*, int);

// The names the module exports, read from its export directory.
std::vector<std::string> ExportedNames(HMODULE module)
{
    auto* base = reinterpret_cast<const BYTE*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    std::vector<std::string> result;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        result.emplace_back(reinterpret_cast<const char*>(base + names[i]));
    return result;
}

class HostScriptDll : public testing::Test {
protected:
    void SetUp() override
    {
        m_module = LoadLibraryA(CHostScript::DefaultPath().c_str());
        ASSERT_NE(m_module, nullptr);
        m_isRunning =
            reinterpret_cast<IsRunningFn>(reinterpret_cast<void*>(GetProcAddress(m_module, "IsOrvalisRunning")));
        m_command =
            reinterpret_cast<CommandFn>(reinterpret_cast<void*>(GetProcAddress(m_module, MAKEINTRESOURCEA(40))));
        ASSERT_NE(m_isRunning, nullptr);
        ASSERT_NE(m_command, nullptr);
    }
    void TearDown() override
    {
        if (m_module)
            FreeLibrary(m_module);
    }

    HMODULE m_module = nullptr;
    IsRunningFn m_isRunning = nullptr;
    CommandFn m_command = nullptr;
};
}   // namespace

TEST_F(HostScriptDll, ExportsTheRunningCheckByNameAndTheCommandByOrdinalOnly)
{
    EXPECT_EQ(ExportedNames(m_module), std::vector<std::string>{"IsOrvalisRunning"});
    EXPECT_NE(reinterpret_cast<void*>(m_command), reinterpret_cast<void*>(m_isRunning));
}

TEST_F(HostScriptDll, SendsTheTextAsCopyDataToTheHostWindow)
{
    TestHostWindow host;
    ASSERT_NE(host.GetHwnd(), nullptr);
    EXPECT_NE(m_isRunning(), 0);

    EXPECT_NE(m_command("app.command[chrodisplay:clear]()", 10000), 0);
    EXPECT_NE(m_command("", 10000), 0);
    ASSERT_EQ(host.GetReceived().size(), 2u);
    const TestHostWindow::Received& first = host.GetReceived()[0];
    EXPECT_EQ(first.wParam, 0u);
    EXPECT_EQ(first.tag, 0x56540001u);
    EXPECT_EQ(first.text, "app.command[chrodisplay:clear]()");
    EXPECT_EQ(first.size, first.text.size() + 1);
    EXPECT_TRUE(first.terminated);
    EXPECT_EQ(host.GetReceived()[1].size, 1u);
    EXPECT_TRUE(host.GetReceived()[1].terminated);
}

TEST_F(HostScriptDll, ReportsTheHostsAnswer)
{
    TestHostWindow host;
    host.SetAnswer(0);
    EXPECT_EQ(m_command("refused", 10000), 0);
    host.SetAnswer(7);
    EXPECT_NE(m_command("accepted", 10000), 0);
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"refused", "accepted"}));
}

TEST_F(HostScriptDll, NoHostWithoutATopLevelHostWindow)
{
    EXPECT_EQ(m_isRunning(), 0);
    EXPECT_EQ(m_command("nobody listens", 1000), 0);

    // A host-class window inside another window is not the host.
    HWND frame =
        CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(frame, nullptr);
    {
        TestHostWindow child(frame);
        ASSERT_NE(child.GetHwnd(), nullptr);
        EXPECT_EQ(m_isRunning(), 0);
        EXPECT_EQ(m_command("to a child", 1000), 0);
        EXPECT_TRUE(child.GetReceived().empty());
    }
    DestroyWindow(frame);
}

// The library remembers the window that took the last command; a host that closes and
// opens a new window in between must still get the next command, and a host that is gone
// must not be reported as running for longer than a moment.
TEST_F(HostScriptDll, AHostThatClosedIsFoundAgainOrReportedGone)
{
    auto first = std::make_unique<TestHostWindow>();
    EXPECT_NE(m_command("to the first", 10000), 0);
    first.reset();
    auto second = std::make_unique<TestHostWindow>();
    EXPECT_NE(m_isRunning(), 0);
    EXPECT_NE(m_command("to the second", 10000), 0);
    EXPECT_EQ(second->Texts(), std::vector<std::string>{"to the second"});

    second.reset();
    EXPECT_EQ(m_command("nobody", 1000), 0);
    EXPECT_EQ(m_isRunning(), 0);

    auto third = std::make_unique<TestHostWindow>();
    EXPECT_NE(m_command("to the third", 10000), 0);
    third.reset();
    Sleep(100);
    EXPECT_EQ(m_isRunning(), 0);
}

TEST(HostScriptLoader, LoadsTheLibraryBesideTheProgramOnce)
{
    std::string path = CHostScript::DefaultPath();
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string folder(exe);
    folder.resize(folder.find_last_of('\\') + 1);
    EXPECT_EQ(path, folder + "hostscript.dll");

    CHostScript& host = CHostScript::Get();
    EXPECT_TRUE(host.IsLoaded());
    EXPECT_EQ(&host, &CHostScript::Get());
    EXPECT_FALSE(host.IsOrvalisRunning());

    TestHostWindow window;
    EXPECT_TRUE(host.IsOrvalisRunning());
    EXPECT_TRUE(host.Command("through the loader", 10000));
    window.SetAnswer(0);
    EXPECT_FALSE(host.Command("refused through the loader", 10000));
    EXPECT_EQ(window.Texts(), (std::vector<std::string>{"through the loader", "refused through the loader"}));
}

TEST(HostScriptLoader, AMissingOrForeignLibraryIsAHostThatDoesNotRun)
{
    TestHostWindow window;
    CHostScript missing(CHostScript::DefaultPath() + ".absent");
    EXPECT_FALSE(missing.IsLoaded());
    EXPECT_FALSE(missing.IsOrvalisRunning());
    EXPECT_FALSE(missing.Command("lost", 10000));

    CHostScript foreign("kernel32.dll");   // loads, but has neither entry point
    EXPECT_FALSE(foreign.IsLoaded());
    EXPECT_FALSE(foreign.IsOrvalisRunning());
    EXPECT_FALSE(foreign.Command("lost", 10000));

    CHostScript none("");
    EXPECT_FALSE(none.IsLoaded());
    EXPECT_TRUE(window.GetReceived().empty());
}
