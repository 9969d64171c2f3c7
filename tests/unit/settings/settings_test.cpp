// ReadSetting / WriteSetting on the real per-user settings file (a private folder on Linux, the
// Wine profile's AppData under Wine).
#include <climits>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app_paths.h"
#include "app/settings.h"
#include "tests/unit/settings/settings_fixture.h"

namespace {

const std::string kDefaultFile =
    "[Info]\r\ncode=\r\npwd=\r\nrem=1\r\n"
    "[Setting]\r\nsoundoff=0\r\nautostart=0\r\nautologin=0\r\nscreenshots=Ctrl+Shift+A\r\n"
    "screentoggle=F10\r\nfullscreen=F11\r\n"
    "[Start]\r\nfirststart=1\r\n";

class SettingsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { PrepareUserDataFolder(); }

    // Starts without a settings file; whatever was there before comes back afterwards, and
    // folders the test created go again.
    void SetUp() override {
        m_file = FromProfilePath(GetSettingsFilePath());
        m_saved = ReadFileBytes(m_file);
        std::filesystem::remove(m_file);
        for (auto folder = m_file.parent_path(); !std::filesystem::exists(folder);
             folder = folder.parent_path()) {
            m_createdFolders.push_back(folder);
        }
    }

    void TearDown() override {
        std::filesystem::remove(m_file);
        if (m_saved) {
            WriteFileBytes(m_file, *m_saved);
        }
        for (const auto& folder : m_createdFolders) {
            std::error_code notEmpty;
            std::filesystem::remove(folder, notEmpty);  // never takes anything else along
        }
    }

    void InstallFile(const std::string& bytes) {
        std::filesystem::create_directories(m_file.parent_path());
        WriteFileBytes(m_file, bytes);
    }

    static std::wstring Read(const wchar_t* section, const wchar_t* key, const wchar_t* fallback) {
        wchar_t buffer[kSettingBufferLength];
        ReadSetting(section, key, fallback, buffer);
        return buffer;
    }

    std::filesystem::path m_file;
    std::optional<std::string> m_saved;
    std::vector<std::filesystem::path> m_createdFolders;  // deepest first
};

TEST_F(SettingsTest, PathIsInsideUserDataFolder) {
    EXPECT_EQ(m_file.filename(), "systemset.ini");
    EXPECT_EQ(m_file.parent_path().filename(), "res");
    EXPECT_EQ(GetSettingsFilePath().rfind(GetUserDataFolder(), 0), 0u);
}

TEST_F(SettingsTest, DefaultsBeforeAnyFileExists) {
    EXPECT_EQ(Read(L"Setting", L"screentoggle", L"0"), L"0");
    EXPECT_EQ(Read(L"Setting", L"fullscreen", L"0"), L"0");
    EXPECT_EQ(Read(L"Setting", L"start", L"-1"), L"-1");
    EXPECT_EQ(Read(L"Start", L"firststart", L"0"), L"0");
    EXPECT_FALSE(std::filesystem::exists(m_file)) << "reading created the file";
}

TEST_F(SettingsTest, DefaultFileReadsItsValues) {
    ASSERT_EQ(kDefaultFile.size(), 160u);
    InstallFile(kDefaultFile);
    EXPECT_EQ(Read(L"Setting", L"screentoggle", L"0"), L"F10");
    EXPECT_EQ(Read(L"Setting", L"fullscreen", L"0"), L"F11");
    EXPECT_EQ(Read(L"Setting", L"start", L"-1"), L"-1");
    EXPECT_EQ(Read(L"Start", L"firststart", L"0"), L"1");
    EXPECT_EQ(Read(L"Info", L"code", L"x"), L"");
}

TEST_F(SettingsTest, ExtractionMarkerEndsTheSettingSection) {
    InstallFile(kDefaultFile);
    WriteSetting(L"Setting", L"start", L"1001");
    WriteSetting(L"Start", L"firststart", L"0");
    EXPECT_EQ(ReadFileBytes(m_file),
              "[Info]\r\ncode=\r\npwd=\r\nrem=1\r\n"
              "[Setting]\r\nsoundoff=0\r\nautostart=0\r\nautologin=0\r\n"
              "screenshots=Ctrl+Shift+A\r\nscreentoggle=F10\r\nfullscreen=F11\r\nstart=1001\r\n"
              "[Start]\r\nfirststart=0\r\n");
    EXPECT_EQ(SettingToNumber(Read(L"Setting", L"start", L"-1").c_str()), 1001);
}

TEST_F(SettingsTest, HandEditedNumbersUseTheirLeadingDigits) {
    InstallFile("[Setting]\r\nstart=1001abc\r\nother=abc\r\n");
    EXPECT_EQ(SettingToNumber(Read(L"Setting", L"start", L"-1").c_str()), 1001);
    EXPECT_EQ(SettingToNumber(Read(L"Setting", L"other", L"-1").c_str()), 0);
}

TEST_F(SettingsTest, LongValueFillsTheBufferCut) {
    InstallFile("[Setting]\r\nscreentoggle=" + std::string(300, 'a') + "\r\n");
    EXPECT_EQ(Read(L"Setting", L"screentoggle", L"0"), std::wstring(259, L'a'));
}

TEST_F(SettingsTest, WriteCreatesMissingFileInExistingFolder) {
    std::filesystem::create_directories(m_file.parent_path());
    WriteSetting(L"Setting", L"start", L"1001");
    EXPECT_EQ(ReadFileBytes(m_file), "[Setting]\r\nstart=1001\r\n");
}

TEST_F(SettingsTest, WriteWithoutFolderIsLost) {
    const auto folder = m_file.parent_path();
    const bool folderExisted = std::filesystem::exists(folder);
    std::error_code notEmpty;
    std::filesystem::remove(folder, notEmpty);  // only when empty: takes nothing else along
    if (std::filesystem::exists(folder)) {
        GTEST_SKIP() << "the resource folder holds other files";
    }
    WriteSetting(L"Setting", L"start", L"1001");
    EXPECT_FALSE(std::filesystem::exists(m_file));
    EXPECT_EQ(Read(L"Setting", L"start", L"-1"), L"-1");
    if (folderExisted) {
        std::filesystem::create_directories(folder);
    }
}

struct NumberCase {
    const wchar_t* text;
    long expected;
};

class SettingToNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(SettingToNumberTest, LeadingDecimalDigits) {
    EXPECT_EQ(SettingToNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, SettingToNumberTest,
                         testing::Values(NumberCase{L"1001", 1001}, NumberCase{L"1001abc", 1001},
                                         NumberCase{L"abc", 0}, NumberCase{L"", 0},
                                         NumberCase{L" \t-5", -5}, NumberCase{L"+7x", 7},
                                         NumberCase{L"- 5", 0}, NumberCase{L"99999999999", INT_MAX},
                                         NumberCase{L"-99999999999", INT_MIN},
                                         NumberCase{nullptr, 0}));

}  // namespace
