#include <stdlib.h>

#include <fstream>

#include <gtest/gtest.h>
#include <vector>

#include "app/profile_file.h"
#include "platform/utf8.h"
#include "tests/unit/install/install_probe.h"

namespace fs = std::filesystem;

namespace {

fs::path UserRoot() {
    return fs::temp_directory_path() / "torvane-installation-tests";
}

// Undoes the value escapes of a desktop entry ("\s", "\\", ...).
std::string UnescapeValue(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return out;
}

// Splits an Exec value into words: blanks separate, double quotes group, and inside quotes a
// backslash escapes the next character.
std::vector<std::string> ExecWords(const std::string& exec) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted && c == '\\' && i + 1 < exec.size()) {
            word += exec[++i];
        } else if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) {
                words.push_back(word);
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

// Nothing of the test user outlives the test program.
class UserRootCleanUp : public testing::Environment {
public:
    void TearDown() override { fs::remove_all(UserRoot()); }
};

const auto* const kCleanUp = testing::AddGlobalTestEnvironment(new UserRootCleanUp);

}  // namespace

fs::path FsPath(const std::wstring& path) {
    return fs::path(WideToUtf8(path));
}

void ResetUserState() {
    fs::remove_all(UserRoot());
    fs::create_directories(UserRoot() / "data");
    ::setenv("XDG_DATA_HOME", (UserRoot() / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (UserRoot() / "config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (UserRoot() / "cache").c_str(), 1);
}

std::wstring ProgramsMenuProbe() {
    return Utf8ToWide((UserRoot() / "data/applications").string());
}

std::wstring RunnerPath(int minor) {
    return Utf8ToWide(std::string(RUNNER_DIR) + "/runner-100" + std::to_string(minor) + "/torvane");
}

std::optional<ShortcutProbe> ReadShortcut(const std::wstring& path) {
    std::ifstream file(FsPath(path));
    if (!file) {
        return std::nullopt;
    }
    ShortcutProbe probe;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with("Exec=")) {
            const auto words = ExecWords(UnescapeValue(line.substr(5)));
            probe.target = words.empty() ? L"" : Utf8ToWide(words[0]);
            probe.arguments = words.size() > 1 ? Utf8ToWide(words[1]) : L"";
        } else if (line.starts_with("Icon=")) {
            probe.iconPath = Utf8ToWide(UnescapeValue(line.substr(5)));
        }
    }
    return probe;
}

std::optional<EntryProbe> ReadUninstallEntry() {
    return std::nullopt;
}

bool WriteUninstallEntryValue(const wchar_t*, const std::wstring&) {
    return false;
}

bool HasUninstallRegister() {
    return false;
}

std::wstring ReadProfileProbe(const wchar_t* entry) {
    const fs::path profile = UserRoot() / "config" / "torvane" / "profile.ini";
    return ReadProfileValue(L"Kelmira", entry, L"<missing>", Utf8ToWide(profile.string()));
}
