// The application object of the Windows build: one global instance per process, whose
// InitInstance decides whether the message loop runs, and whose ExitInstance gives the exit code.
// The loop offers every queued message to our window objects first (window_object.h).
#pragma once

#include <windows.h>

#include <string>

class WinApp {
public:
    WinApp();
    virtual ~WinApp();
    WinApp(const WinApp&) = delete;
    WinApp& operator=(const WinApp&) = delete;

    // The one application object of the process (set by its constructor).
    static WinApp* Current();

    // Entry from wWinMain: InitInstance, the message loop when it returned true, ExitInstance.
    int Run(HINSTANCE instance);

    virtual bool InitInstance();
    // Returns the process exit code: the WM_QUIT code when the loop ran, 0 otherwise.
    virtual int ExitInstance();

    HINSTANCE Instance() const { return m_instance; }
    HWND MainWindow() const { return m_mainWindow; }
    void SetMainWindow(HWND window) { m_mainWindow = window; }

    // The executable's file name without extension; names the registry profile key.
    const std::wstring& AppName() const { return m_appName; }

    // Registry profile: HKEY_CURRENT_USER\Software\<root>\<AppName>\<section>\<entry>.
    void SetRegistryKey(const std::wstring& root);
    const std::wstring& RegistryRoot() const { return m_registryRoot; }
    std::wstring ProfileSectionPath(const std::wstring& section) const;
    bool WriteProfileText(const std::wstring& section, const std::wstring& entry,
                          const std::wstring& value);
    bool WriteProfileNumber(const std::wstring& section, const std::wstring& entry, int value);
    std::wstring GetProfileText(const std::wstring& section, const std::wstring& entry,
                                const std::wstring& defaultValue) const;
    int GetProfileNumber(const std::wstring& section, const std::wstring& entry,
                         int defaultValue) const;

protected:
    int RunMessageLoop();

private:
    bool SetProfileValue(const std::wstring& section, const std::wstring& entry, DWORD type,
                         const void* data, DWORD bytes);

    HINSTANCE m_instance = nullptr;
    HWND m_mainWindow = nullptr;
    std::wstring m_appName;
    std::wstring m_registryRoot;
    int m_quitCode = 0;
};
