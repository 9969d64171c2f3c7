#include <stdlib.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/utf8.h"
#include "tests/unit/app/app_paths_fixture.h"

namespace {

std::filesystem::path TestRoot() {
    static const std::filesystem::path root = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "app_tests.XXXXXX");
        return std::filesystem::path(::mkdtemp(pattern.data()));
    }();
    return root;
}

// XDG folders must be in place before the per-user folder is first computed and cached.
class AppDataEnvironment : public testing::Environment {
public:
    void SetUp() override { PrepareAppDataEnvironment(); }
    void TearDown() override { std::filesystem::remove_all(TestRoot()); }
};

const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new AppDataEnvironment);

}  // namespace

void PrepareAppDataEnvironment() {
    ::setenv("XDG_DATA_HOME", (TestRoot() / "data/").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (TestRoot() / "cache").c_str(), 1);
    ::setenv("XDG_DESKTOP_DIR", (TestRoot() / "desktop").c_str(), 1);
}

std::wstring ExpectedAppDataFolder() {
    return Utf8ToWide((TestRoot() / "data").string());
}

std::wstring ExpectedCacheFolder() {
    return Utf8ToWide((TestRoot() / "cache/vantro").string());
}

std::filesystem::path FsPathOf(const std::wstring& path) {
    return WideToUtf8(path);
}

void ChangeAppDataEnvironment() {
    ::setenv("XDG_DATA_HOME", "/elsewhere", 1);
}
