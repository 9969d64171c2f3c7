#include "platform/win/win_app.h"

#include <gtest/gtest.h>

#include "platform/win/win_handles.h"

namespace {

constexpr wchar_t kTestRoot[] = L"TorvaneUnitTests测试";

class WinAppProfileTest : public testing::Test {
protected:
    void SetUp() override { m_app.SetRegistryKey(kTestRoot); }
    void TearDown() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kTestRoot).c_str());
    }

    std::wstring ReadRaw(const std::wstring& section, const wchar_t* entry) {
        wchar_t buffer[260] = {};
        DWORD bytes = sizeof buffer;
        const std::wstring key =
            std::wstring(L"Software\\") + kTestRoot + L"\\" + m_app.AppName() + L"\\" + section;
        if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), entry, RRF_RT_REG_SZ, nullptr, buffer,
                           &bytes) != ERROR_SUCCESS) {
            return L"<missing>";
        }
        return buffer;
    }

    WinApp m_app;
};

TEST_F(WinAppProfileTest, AppNameIsTheExecutableWithoutExtension) {
    EXPECT_EQ(m_app.AppName(), L"app_tests");
    EXPECT_EQ(WinApp::Current(), &m_app);
}

TEST_F(WinAppProfileTest, ValuesLandUnderRootAppNameAndSection) {
    EXPECT_EQ(m_app.ProfileSectionPath(L"Kelmira"),
              std::wstring(L"Software\\") + kTestRoot + L"\\app_tests\\Kelmira");
    ASSERT_TRUE(m_app.WriteProfileText(L"Kelmira", L"InstallPath", L"C:\\Games\\vantro"));
    EXPECT_EQ(ReadRaw(L"Kelmira", L"InstallPath"), L"C:\\Games\\vantro");
    EXPECT_EQ(m_app.GetProfileText(L"Kelmira", L"InstallPath", L"-"), L"C:\\Games\\vantro");

    ASSERT_TRUE(m_app.WriteProfileNumber(L"Kelmira", L"Count", 1001));
    EXPECT_EQ(m_app.GetProfileNumber(L"Kelmira", L"Count", -1), 1001);
}

TEST_F(WinAppProfileTest, MissingValuesGiveTheDefault) {
    EXPECT_EQ(m_app.GetProfileText(L"Nowhere", L"x", L"fallback"), L"fallback");
    EXPECT_EQ(m_app.GetProfileNumber(L"Nowhere", L"x", 7), 7);
    ASSERT_TRUE(m_app.WriteProfileText(L"Kelmira", L"text", L"abc"));
    EXPECT_EQ(m_app.GetProfileNumber(L"Kelmira", L"text", 7), 7);
}

}  // namespace
