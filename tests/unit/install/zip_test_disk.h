// What the ZIP tests read back from the disk, one implementation per platform.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// A path from wide text (UTF-8 on Linux, whatever the locale).
std::filesystem::path PathFromWide(const std::wstring& text);
// Wide text from UTF-8 (the manifest's names).
std::wstring WideFromUtf8(std::string_view text);

// Read-only as the platform keeps it: the attribute on Windows, no write bit on Linux.
bool IsReadOnlyOnDisk(const std::filesystem::path& path);
void MakeReadOnlyOnDisk(const std::filesystem::path& path);

// File times (100 ns ticks since 1601-01-01 UTC) as the file system reports them.
std::uint64_t WriteTimeOnDisk(const std::filesystem::path& path);
std::uint64_t AccessTimeOnDisk(const std::filesystem::path& path);
