#include <windows.h>

#include "platform/win/win_handles.h"
#include "tests/unit/install/install_probe.h"

int RunProgram(const std::wstring& program) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info)) {
        return -1;
    }
    UniqueKernelHandle process(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    if (::WaitForSingleObject(process.Get(), 60000) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process.Get(), &code);
    return static_cast<int>(code);
}
