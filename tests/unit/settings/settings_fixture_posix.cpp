#include <stdlib.h>

#include "platform/utf8.h"
#include "tests/unit/settings/settings_fixture.h"

std::wstring ToProfilePath(const std::filesystem::path& path) {
    return Utf8ToWide(path.string());
}

std::filesystem::path FromProfilePath(const std::wstring& path) {
    return WideToUtf8(path);
}

bool RunsUnderWine() {
    return false;
}

void PrepareUserDataFolder() {
    // Lives as long as the test program; the folder goes with the program's temporary files.
    static const TemporaryFolder dataHome;
    ::setenv("XDG_DATA_HOME", dataHome.Path().c_str(), 1);
}
