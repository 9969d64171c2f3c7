// Linux: deletion into the freedesktop trash and .desktop entries for shortcuts.
#include <glib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "install/shell_desktop_entry_posix.h"
#include "install/shell_ops.h"
#include "platform/utf8.h"
#include "tests/unit/update/temp_folder.h"

namespace {

namespace fs = std::filesystem;

// GLib reads HOME and XDG_DATA_HOME once, at its first use, and places the trash of files on the
// home folder's file system under XDG_DATA_HOME. So both point into one scratch folder for the
// whole program, set before any test runs.
class ScratchHome : public ::testing::Environment {
public:
    void SetUp() override {
        m_home = std::make_unique<TempFolder>();
        ::setenv("HOME", m_home->Path().c_str(), 1);
        ::setenv("XDG_DATA_HOME", (m_home->Path() / "data").c_str(), 1);
    }
    void TearDown() override { m_home.reset(); }

private:
    std::unique_ptr<TempFolder> m_home;
};

[[maybe_unused]] const auto* const kScratchHome =
    ::testing::AddGlobalTestEnvironment(new ScratchHome);

fs::path TrashFolder() {
    return fs::path(std::getenv("XDG_DATA_HOME")) / "Trash";
}

// The percent-encoding of a trash record's Path line: all but unreserved characters and '/'.
std::string EscapeTrashPath(const std::string& path) {
    std::string escaped;
    for (const unsigned char c : path) {
        if (g_ascii_isalnum(c) || std::string_view("-._~/").find(c) != std::string_view::npos) {
            escaped += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            escaped += hex;
        }
    }
    return escaped;
}

struct TrashedItem {
    fs::path item;       // Trash/files/<name>
    std::string record;  // the text of Trash/info/<name>.trashinfo
};

// The trashed item whose record names `original`.
std::optional<TrashedItem> FindTrashed(const fs::path& original) {
    const std::string pathLine = "\nPath=" + EscapeTrashPath(original.string()) + "\n";
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(TrashFolder() / "info", error)) {
        std::string record = ReadBinaryFile(entry.path());
        if (record.find(pathLine) != std::string::npos) {
            return TrashedItem{TrashFolder() / "files" / entry.path().stem(), std::move(record)};
        }
    }
    return std::nullopt;
}

TEST(ShellDeletePosix, MovesFilesAndFolderTreesIntoTheTrashWithARecord) {
    const TempFolder root;
    WriteBinaryFile(root.Path() / "settings copy.ini", "[Setting]\nstart=1001\n");
    fs::create_directories(root.Path() / "res" / "inner");
    WriteBinaryFile(root.Path() / "res" / "inner" / "uninstall.ico", "icon");
    // Wildcards are plain characters in Linux file names.
    WriteBinaryFile(root.Path() / "star*and?.txt", "star");

    const struct {
        const char* name;
        const char* probe;  // a file inside the trashed item, and its contents
        const char* contents;
    } cases[] = {
        {"settings copy.ini", "", "[Setting]\nstart=1001\n"},
        {"res", "inner/uninstall.ico", "icon"},
        {"star*and?.txt", "", "star"},
    };
    for (const auto& c : cases) {
        const fs::path original = root.Path() / c.name;
        ASSERT_TRUE(ShellDelete(original.wstring())) << c.name;
        EXPECT_FALSE(fs::exists(fs::symlink_status(original))) << c.name;
        const std::optional<TrashedItem> trashed = FindTrashed(original);
        ASSERT_TRUE(trashed) << c.name;
        EXPECT_EQ(trashed->record.rfind("[Trash Info]\n", 0), 0u) << trashed->record;
        EXPECT_NE(trashed->record.find("\nDeletionDate="), std::string::npos) << trashed->record;
        const fs::path probe = *c.probe == '\0' ? trashed->item : trashed->item / c.probe;
        EXPECT_EQ(ReadBinaryFile(probe), c.contents) << c.name;
    }
}

TEST(ShellDeletePosix, DeletesForGoodWhereTheFileSystemHasNoTrash) {
    // GLib keeps no trash on system mounts such as /dev/shm.
    const fs::path shm = "/dev/shm";
    if (!fs::is_directory(shm) || ::access(shm.c_str(), W_OK) != 0) {
        GTEST_SKIP() << "no writable /dev/shm";
    }
    const TempFolder outside;
    WriteBinaryFile(outside.Path() / "keep.txt", "keep");
    const fs::path tree = shm / ("torvane-shell-" + outside.Path().filename().string());
    fs::create_directories(tree / "inner");
    WriteBinaryFile(tree / "inner" / "data.bin", "data");
    fs::create_directory_symlink(outside.Path(), tree / "link-to-outside");

    EXPECT_TRUE(ShellDelete(tree.wstring()));
    EXPECT_FALSE(fs::exists(fs::symlink_status(tree)));
    EXPECT_FALSE(FindTrashed(tree));
    // The link inside went, not what it pointed at.
    EXPECT_EQ(ReadBinaryFile(outside.Path() / "keep.txt"), "keep");
    std::error_code ignored;
    fs::remove_all(tree, ignored);
}

TEST(FormatDesktopEntry, WritesTheKeysAndQuotesExecWords) {
    const struct {
        DesktopEntryFields fields;
        const char* expected;
    } cases[] = {
        {{L"Torvane", L"/home/u/.local/share/vantro/vantro/torvane", L"1", L""},
         "[Desktop Entry]\nType=Application\nName=Torvane\nComment=\n"
         "Exec=/home/u/.local/share/vantro/vantro/torvane 1\n"},
        {{L"卸载-Torvane", L"/home/my games/vantro/torvane", L"-u",
          L"/home/my games/vantro/res/uninstall.ico"},
         "[Desktop Entry]\nType=Application\nName=卸载-Torvane\nComment=\n"
         "Exec=\"/home/my games/vantro/torvane\" -u\n"
         "Icon=/home/my games/vantro/res/uninstall.ico\n"},
        // No arguments: no second word. A leading blank of a value is kept as "\s".
        {{L" lead", L"/opt/t", L"", L""},
         "[Desktop Entry]\nType=Application\nName=\\slead\nComment=\n"
         "Exec=/opt/t\n"},
        // The arguments text is one word; quotes, '`', '$' and '\' are escaped inside the
        // quotes, '%' is doubled, and then every backslash doubled again for the value.
        {{L"a\\b", L"/opt/100%/t", L"-u /x y/\"q\" `c` $HOME \\ 5%", L""},
         "[Desktop Entry]\nType=Application\nName=a\\\\b\nComment=\n"
         "Exec=/opt/100%%/t \"-u /x y/\\\\\"q\\\\\" \\\\`c\\\\` \\\\$HOME \\\\\\\\ 5%%\"\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDesktopEntry(c.fields), std::optional<std::string>(c.expected))
            << c.expected;
    }
}

TEST(FormatDesktopEntry, RefusesControlCharacters) {
    const DesktopEntryFields cases[] = {
        {L"Torvane\nExec=/bin/evil", L"/opt/t", L"", L""},
        {L"Torvane", L"/opt/t\r", L"", L""},
        {L"Torvane", L"/opt/t", L"-u\t1", L""},
        {L"Torvane", L"/opt/t", L"", L"/opt/res\x1b.ico"},
        {L"Tor\x7fvane", L"/opt/t", L"", L""},
    };
    for (const auto& fields : cases) {
        EXPECT_FALSE(FormatDesktopEntry(fields));
    }
}

// What a menu reads back from an entry: GKeyFile's value unescaping, field-code "%%", then the
// shell-style word splitting that GIO applies to Exec.
struct ReadEntry {
    std::string name;
    std::string icon;
    std::vector<std::string> exec;
};

std::optional<ReadEntry> ReadDesktopEntry(const fs::path& path) {
    std::unique_ptr<GKeyFile, decltype(&g_key_file_free)> file(g_key_file_new(), g_key_file_free);
    if (!g_key_file_load_from_file(file.get(), path.c_str(), G_KEY_FILE_NONE, nullptr)) {
        return std::nullopt;
    }
    const auto text = [&](const char* key) {
        std::unique_ptr<char, decltype(&g_free)> value(
            g_key_file_get_string(file.get(), G_KEY_FILE_DESKTOP_GROUP, key, nullptr), g_free);
        return value ? std::string(value.get()) : std::string();
    };
    ReadEntry entry{text("Name"), text("Icon"), {}};
    std::string exec = text("Exec");
    for (std::string::size_type at = 0; (at = exec.find("%%", at)) != exec.npos; ++at) {
        exec.erase(at, 1);
    }
    char** words = nullptr;
    if (!g_shell_parse_argv(exec.c_str(), nullptr, &words, nullptr)) {
        return std::nullopt;
    }
    for (char** word = words; *word != nullptr; ++word) {
        entry.exec.emplace_back(*word);
    }
    g_strfreev(words);
    return entry;
}

TEST(CreateShortcutPosix, WritesAnEntryThatReadsBackAsTheTargetAndItsArguments) {
    const TempFolder root;
    fs::create_directories(root.Path() / "my games" / "vantro");
    const std::string folder = (root.Path() / "my games" / "vantro").string();
    const struct {
        std::wstring linkName;
        std::wstring target;
        std::wstring arguments;
        bool withIcon;
        const char* name;
        std::string icon;
    } cases[] = {
        {L"Torvane.desktop", Utf8ToWide(folder + "/torvane"), L"1", false, "Torvane", ""},
        {L"卸载-Torvane.desktop", Utf8ToWide(folder + "/torvane"), L"-u", true, "卸载-Torvane",
         folder + "/res/uninstall.ico"},
        {L"odd.desktop", Utf8ToWide(folder + "/it's $x%"), L"-u /x y \"q\" \\ `c`", true, "odd",
         folder + "/res/uninstall.ico"},
    };
    // An older file of the same name is replaced.
    WriteBinaryFile(root.Path() / "Torvane.desktop", "not an entry");
    for (const auto& c : cases) {
        const fs::path file = root.Path() / WideToUtf8(c.linkName);
        ASSERT_TRUE(
            CreateShortcut(c.target, c.arguments, root.Path().wstring(), c.linkName, c.withIcon))
            << c.name;
        const std::optional<ReadEntry> entry = ReadDesktopEntry(file);
        ASSERT_TRUE(entry) << ReadBinaryFile(file);
        EXPECT_EQ(entry->name, c.name);
        EXPECT_EQ(entry->icon, c.icon) << c.name;
        const std::vector<std::string> exec = {WideToUtf8(c.target), WideToUtf8(c.arguments)};
        EXPECT_EQ(entry->exec, exec) << ReadBinaryFile(file);
    }
}

TEST(CreateShortcutPosix, EntriesPassDesktopFileValidate) {
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "desktop-file-validate is not installed";
    }
    const TempFolder root;
    const std::wstring folder = root.Path().wstring();
    const std::wstring target = root.Wide("my games/torvane");
    ASSERT_TRUE(CreateShortcut(target, L"1", folder, L"Torvane.desktop", false));
    ASSERT_TRUE(CreateShortcut(target, L"-u", folder, L"卸载-Torvane.desktop", true));
    for (const char* name : {"Torvane.desktop", "卸载-Torvane.desktop"}) {
        const std::string command =
            "desktop-file-validate '" + (root.Path() / name).string() + "' 2>&1";
        std::unique_ptr<FILE, decltype(&::pclose)> pipe(::popen(command.c_str(), "r"), ::pclose);
        ASSERT_TRUE(pipe);
        std::string output;
        char chunk[256];
        while (std::fgets(chunk, sizeof chunk, pipe.get()) != nullptr) {
            output += chunk;
        }
        EXPECT_EQ(::pclose(pipe.release()), 0) << output;
        EXPECT_EQ(output, "") << name;
    }
}

}  // namespace
