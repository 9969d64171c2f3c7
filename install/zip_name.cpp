#include "install/zip_name.h"

#include <array>
#include <string_view>

#include "platform/utf8.h"

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// One pass of the rule: applies the first case that fits; false when none does.
bool StripOnce(std::wstring& name) {
    if (name.size() >= 2 && name[1] == L':') {
        name.erase(0, 2);
        return true;
    }
    if (!name.empty() && IsSeparator(name[0])) {
        name.erase(0, 1);
        return true;
    }
    static constexpr std::array<std::wstring_view, 4> kParentSteps = {L"\\..\\", L"\\../", L"/../",
                                                                      L"/..\\"};
    for (const std::wstring_view step : kParentSteps) {
        const std::size_t at = name.find(step);
        if (at != std::wstring::npos) {
            name.erase(0, at + step.size());
            return true;
        }
    }
    return false;
}

}  // namespace

std::wstring DecodeZipName(ZipBytes bytes) {
    return Utf8ToWide(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::wstring StripZipName(std::wstring name) {
    while (StripOnce(name)) {
    }
    return name;
}
