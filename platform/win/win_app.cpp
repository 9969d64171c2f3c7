#include "platform/win/win_app.h"

#include "platform/win/win_handles.h"
#include "platform/win/window_object.h"

namespace {

WinApp* g_currentApp = nullptr;

std::wstring ModuleBaseName() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    const auto slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        name.erase(0, slash + 1);
    }
    const auto dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) {
        name.erase(dot);
    }
    return name;
}

}  // namespace

WinApp::WinApp() : m_appName(ModuleBaseName()) {
    g_currentApp = this;
}

WinApp::~WinApp() {
    if (g_currentApp == this) {
        g_currentApp = nullptr;
    }
}

WinApp* WinApp::Current() {
    return g_currentApp;
}

int WinApp::Run(HINSTANCE instance) {
    m_instance = instance;
    if (InitInstance()) {
        m_quitCode = RunMessageLoop();
    }
    return ExitInstance();
}

bool WinApp::InitInstance() {
    return true;
}

int WinApp::ExitInstance() {
    return m_quitCode;
}

int WinApp::RunMessageLoop() {
    MSG message = {};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (RouteQueuedMessage(message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void WinApp::SetRegistryKey(const std::wstring& root) {
    m_registryRoot = root;
}

std::wstring WinApp::ProfileSectionPath(const std::wstring& section) const {
    return L"Software\\" + m_registryRoot + L"\\" + m_appName + L"\\" + section;
}

bool WinApp::SetProfileValue(const std::wstring& section, const std::wstring& entry, DWORD type,
                             const void* data, DWORD bytes) {
    UniqueRegistryKey key;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, ProfileSectionPath(section).c_str(), 0, nullptr, 0,
                          KEY_WRITE, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    return ::RegSetValueExW(key.Get(), entry.c_str(), 0, type, static_cast<const BYTE*>(data),
                            bytes) == ERROR_SUCCESS;
}

bool WinApp::WriteProfileText(const std::wstring& section, const std::wstring& entry,
                              const std::wstring& value) {
    // The terminating NUL counts in the size.
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return SetProfileValue(section, entry, REG_SZ, value.c_str(), bytes);
}

bool WinApp::WriteProfileNumber(const std::wstring& section, const std::wstring& entry, int value) {
    const DWORD data = static_cast<DWORD>(value);
    return SetProfileValue(section, entry, REG_DWORD, &data, sizeof data);
}

std::wstring WinApp::GetProfileText(const std::wstring& section, const std::wstring& entry,
                                    const std::wstring& defaultValue) const {
    const std::wstring key = ProfileSectionPath(section);
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), entry.c_str(), RRF_RT_REG_SZ, nullptr,
                       nullptr, &bytes) != ERROR_SUCCESS) {
        return defaultValue;
    }
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), entry.c_str(), RRF_RT_REG_SZ, nullptr,
                       value.data(), &bytes) != ERROR_SUCCESS) {
        return defaultValue;
    }
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

int WinApp::GetProfileNumber(const std::wstring& section, const std::wstring& entry,
                             int defaultValue) const {
    DWORD data = 0;
    DWORD bytes = sizeof data;
    if (::RegGetValueW(HKEY_CURRENT_USER, ProfileSectionPath(section).c_str(), entry.c_str(),
                       RRF_RT_REG_DWORD, nullptr, &data, &bytes) != ERROR_SUCCESS) {
        return defaultValue;
    }
    return static_cast<int>(data);
}
