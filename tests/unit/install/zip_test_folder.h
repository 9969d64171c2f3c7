// A fresh folder for one ZIP test: <temp>/torvane-zip-<random>/base. The reader extracts into
// "base"; the folder around it must hold nothing else afterwards, which shows that nothing was
// written outside. Removed at the end, read-only files included.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class ZipTestFolder {
public:
    ZipTestFolder();
    ZipTestFolder(const ZipTestFolder&) = delete;
    ZipTestFolder& operator=(const ZipTestFolder&) = delete;
    ~ZipTestFolder();

    const std::filesystem::path& Base() const { return m_base; }
    // The base folder as the reader takes it.
    std::wstring BaseText() const { return m_base.wstring(); }
    // Every entry under the base folder, relative, with '/' separators, folders ending in '/'.
    std::vector<std::string> BaseListing() const;
    // Removes everything under the base folder, read-only files included.
    void ClearBase() const;
    // Every entry directly in the folder around the base (normally just "base").
    std::vector<std::string> OuterListing() const;

private:
    std::filesystem::path m_outer;
    std::filesystem::path m_base;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
