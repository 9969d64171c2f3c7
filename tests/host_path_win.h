// A path of the build machine as the Windows programs under Wine see it: Wine maps the host's
// root to drive Z:.
#pragma once

#include <string>

inline std::wstring HostPathUnderWine(const char* hostPath) {
    std::wstring path = L"Z:";
    for (const char* c = hostPath; *c != '\0'; ++c) {
        path.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(*c));
    }
    return path;
}
