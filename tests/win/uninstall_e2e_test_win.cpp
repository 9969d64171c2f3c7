// Uninstalling end to end in a fresh Wine prefix: the real Torvane.exe installs itself, then its
// installed copy is started the way the uninstall shortcut starts it; the question is answered by
// clicking its buttons, and the test reads what is left.
#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "app/registry_root.h"
#include "platform/win/win_handles.h"
#include "tests/host_path_win.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::wstring KnownFolder(int csidl) {
    wchar_t buffer[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, csidl, nullptr, 0, buffer);
    return buffer;
}

// The build's Torvane.exe as Wine sees it (Z: is the host's root).
std::wstring BuiltLauncher() {
    return HostPathUnderWine(TORVANE_EXE_HOST_PATH);
}

struct Started {
    UniqueKernelHandle process;
    DWORD id = 0;
};

Started Start(const std::wstring& program, const std::wstring& commandLine) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::wstring line = commandLine;
    Started started;
    if (::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &info)) {
        ::CloseHandle(info.hThread);
        started.process.Reset(info.hProcess);
        started.id = info.dwProcessId;
    }
    return started;
}

bool WaitForExit(const Started& started, DWORD milliseconds = 60000) {
    return started.process &&
           ::WaitForSingleObject(started.process.Get(), milliseconds) == WAIT_OBJECT_0;
}

// The visible dialog window of process `id`, once it shows.
HWND WaitForDialogOf(DWORD id) {
    struct Search {
        DWORD id;
        HWND found;
    } search{id, nullptr};
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (search.found == nullptr && std::chrono::steady_clock::now() < deadline) {
        ::EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                wchar_t className[16] = {};
                ::GetClassNameW(window, className, 16);
                if (owner == s->id && ::IsWindowVisible(window) &&
                    std::wstring(className) == L"#32770") {
                    s->found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        std::this_thread::sleep_for(100ms);
    }
    return search.found;
}

template <typename Condition>
bool Eventually(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

std::wstring RegistryText(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t buffer[1024] = {};
    DWORD bytes = sizeof buffer;
    return ::RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &bytes) ==
                   ERROR_SUCCESS
               ? std::wstring(buffer)
               : L"<missing>";
}

class UninstallEndToEndTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // A normal start installs the launcher for this user.
        const Started install = Start(BuiltLauncher(), L"\"" + BuiltLauncher() + L"\"");
        ASSERT_TRUE(WaitForExit(install));
    }

    void SetUp() override { ASSERT_TRUE(fs::exists(m_installedExe)) << "installation missing"; }

    // Starts the installed launcher as the uninstall shortcut does and answers with `button`.
    void AnswerUninstallQuestion(int button) {
        const Started confirmation = Start(m_installedExe, L"\"" + m_installedExe + L"\" -u");
        ASSERT_TRUE(confirmation.process);
        HWND question = WaitForDialogOf(confirmation.id);
        ASSERT_NE(question, nullptr) << "no question appeared";
        ::SendMessageW(::GetDlgItem(question, button), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitForExit(confirmation));
    }

    const std::wstring m_install = KnownFolder(CSIDL_APPDATA) + L"\\vantro\\vantro";
    const std::wstring m_installedExe = m_install + L"\\Torvane.exe";
    const std::wstring m_gameMenu = KnownFolder(CSIDL_PROGRAMS) + L"\\Kelmira\\Torvane";
    const std::wstring m_cacheCopy = KnownFolder(CSIDL_APPDATA) + L"\\cache\\q5kqztmpu.exe";
};

// Cancel first, while everything is still there; then OK.
TEST_F(UninstallEndToEndTest, CancelRemovesNothing) {
    AnswerUninstallQuestion(IDCANCEL);

    EXPECT_TRUE(fs::exists(m_installedExe));
    EXPECT_TRUE(fs::exists(m_install + L"\\res\\systemset.ini"));
    EXPECT_TRUE(fs::exists(m_gameMenu + L"\\Torvane.lnk"));
    EXPECT_TRUE(fs::exists(m_gameMenu + L"\\卸载-Torvane.lnk"));
    EXPECT_FALSE(fs::exists(m_cacheCopy));
}

TEST_F(UninstallEndToEndTest, OkRemovesTheProgramAndKeepsTheRecords) {
    // A menu folder that holds another file stays.
    const std::wstring makerMenu = KnownFolder(CSIDL_PROGRAMS) + L"\\Kelmira";
    fs::create_directories(makerMenu + L"\\Other Game");

    AnswerUninstallQuestion(IDOK);

    EXPECT_TRUE(Eventually([&] {
        return !fs::exists(m_installedExe) && !fs::exists(m_install + L"\\res") &&
               !fs::exists(m_gameMenu);
    })) << "the removal stage did not finish";
    EXPECT_TRUE(fs::exists(m_cacheCopy));
    EXPECT_TRUE(fs::exists(makerMenu + L"\\Other Game"));
    // The records of the installation stay, as they are meant to.
    const std::wstring entry = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kelmira";
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, entry, L"UninstallString"), m_installedExe + L" -u");
    const std::wstring profile =
        std::wstring(L"Software\\") + kRegistryRoot + L"\\Torvane\\Kelmira";
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, profile, L"Path"), m_installedExe);
}

}  // namespace
