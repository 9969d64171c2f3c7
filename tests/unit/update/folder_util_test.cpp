#include "update/folder_util.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace {

TEST(IsFolderEmpty, TrueOnlyWithoutEntriesOrWhenTheFolderCannotBeListed) {
    const TempFolder root;
    namespace fs = std::filesystem;
    fs::create_directories(root.Path() / "empty");
    fs::create_directories(root.Path() / "nested" / "inner");
    fs::create_directories(root.Path() / "one-file");
    WriteBinaryFile(root.Path() / "one-file" / "a.txt", "");
    fs::create_directories(root.Path() / "many");
    for (const char* name : {"a", "b", "c", ".hidden"}) {
        WriteBinaryFile(root.Path() / "many" / name, "x");
    }
    WriteBinaryFile(root.Path() / "plain-file", "x");

    const struct {
        const char* name;
        bool empty;
    } cases[] = {
        {"empty", true},        {"nested", false},    // only an empty sub-folder: not empty
        {"nested/inner", true}, {"one-file", false},  // a single empty file
        {"many", false},        {"missing", true},    // the listing fails
        {"plain-file", true},                         // not a folder: the listing fails as well
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsFolderEmpty((root.Path() / fs::path(c.name).make_preferred()).wstring()),
                  c.empty)
            << c.name;
    }
}

}  // namespace
