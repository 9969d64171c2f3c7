// What each platform's folders should be, found independently of the code under test.
#pragma once

#include <filesystem>
#include <string>

// Called before any test touches the per-user folder (sets up the environment on Linux).
void PrepareAppDataEnvironment();
// The roaming application-data folder as the platform defines it, no trailing separator.
std::wstring ExpectedAppDataFolder();
std::wstring ExpectedCacheFolder();
// A path the file system functions of the test take.
std::filesystem::path FsPathOf(const std::wstring& path);
// Points the platform's application-data setting somewhere else.
void ChangeAppDataEnvironment();
