// Temporary folders, raw file bytes and platform facts for the settings tests.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A new empty folder under the system's temporary folder, removed when the object goes.
class TemporaryFolder {
public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The file's bytes; nullopt when it does not exist.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// A path as the profile functions take it.
std::wstring ToProfilePath(const std::filesystem::path& path);
std::filesystem::path FromProfilePath(const std::wstring& path);

// True when the Windows build runs under Wine rather than on Windows.
bool RunsUnderWine();

// Points the per-user data folder at a private temporary folder where the platform allows it
// (Linux); must run before the folder is first computed.
void PrepareUserDataFolder();
