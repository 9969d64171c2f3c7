// The shipped executable itself carries the string table, version record and manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "deployment.h"
#include "resource.h"
#include "tests/host_path_win.h"

namespace {

// The build path of Torvane.exe as Wine sees it (Z: is the host's root).
std::wstring TorvaneExePath() {
    return HostPathUnderWine(TORVANE_EXE_HOST_PATH);
}

class TorvaneExeResourcesTest : public testing::Test {
protected:
    void SetUp() override {
        m_module = ::LoadLibraryExW(TorvaneExePath().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(m_module, nullptr) << "cannot open Torvane.exe";
    }
    void TearDown() override {
        if (m_module != nullptr) {
            ::FreeLibrary(m_module);
        }
    }

    std::wstring String(unsigned id) const {
        const wchar_t* text = nullptr;
        const int length = ::LoadStringW(m_module, id, reinterpret_cast<LPWSTR>(&text), 0);
        return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : L"";
    }

    HMODULE m_module = nullptr;
};

TEST_F(TorvaneExeResourcesTest, CarriesTheStringTable) {
    EXPECT_EQ(String(IDS_PRODUCT_NAME), L"Torvane");
    EXPECT_EQ(String(IDS_LAUNCHER_TITLE), L"Torvane登录器");
    EXPECT_EQ(String(IDS_CACHE_CLEANING), L"缓存清理中，请稍后……");
    EXPECT_EQ(String(IDS_UNINSTALL_COPY), L"\\cache\\q5kqztmpu.exe");
    EXPECT_EQ(String(IDS_SETTINGS_FILE), L"res//systemset.ini");
    EXPECT_TRUE(String(IDS_LOGIN_PAGE_URL).ends_with(L"/rezazis/fwkqz/loginexe.php"));
}

TEST_F(TorvaneExeResourcesTest, CarriesVersionAndManifest) {
    EXPECT_NE(::FindResourceW(m_module, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION), nullptr);
    HRSRC manifest = ::FindResourceW(m_module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(manifest, nullptr);
    const auto* bytes =
        static_cast<const char*>(::LockResource(::LoadResource(m_module, manifest)));
    const std::string text(bytes, ::SizeofResource(m_module, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
}

TEST_F(TorvaneExeResourcesTest, CarriesTheTrayMenuInItsOrder) {
    HMENU menu = ::LoadMenuW(m_module, MAKEINTRESOURCEW(IDR_TRAY_MENU));
    ASSERT_NE(menu, nullptr);
    HMENU popup = ::GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);
    const std::pair<UINT, std::wstring> items[] = {{ID_TRAY_SHOWHIDE, L"隐藏/显示(F10)"},
                                                   {ID_TRAY_CLEANCACHE, L"清理缓存"},
                                                   {ID_TRAY_EXIT, L"退出"}};
    ASSERT_EQ(::GetMenuItemCount(popup), 3);
    for (int i = 0; i < 3; ++i) {
        wchar_t text[64] = {};
        ::GetMenuStringW(popup, i, text, 64, MF_BYPOSITION);
        EXPECT_EQ(::GetMenuItemID(popup, i), items[i].first);
        EXPECT_EQ(std::wstring(text), items[i].second);
    }
    ::DestroyMenu(menu);
}

TEST_F(TorvaneExeResourcesTest, F5IsTheOnlyAccelerator) {
    HACCEL table = ::LoadAcceleratorsW(m_module, MAKEINTRESOURCEW(IDR_FRAME_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[4] = {};
    ASSERT_EQ(::CopyAcceleratorTableW(table, entries, 4), 1);
    EXPECT_EQ(entries[0].key, VK_F5);
    EXPECT_EQ(entries[0].cmd, ID_ACCEL_REFRESH);
    EXPECT_TRUE(entries[0].fVirt & FVIRTKEY);
    ::DestroyAcceleratorTable(table);
}

TEST_F(TorvaneExeResourcesTest, CarriesTheArchiveOfDefaults) {
    HRSRC archive = ::FindResourceW(m_module, MAKEINTRESOURCEW(IDR_EMBEDDED_ZIP), L"ZIP");
    ASSERT_NE(archive, nullptr);
    const auto* bytes = static_cast<const char*>(::LockResource(::LoadResource(m_module, archive)));
    const std::string data(bytes, ::SizeofResource(m_module, archive));
    EXPECT_EQ(data.substr(0, 4), "PK\x03\x04");
    EXPECT_NE(data.find("systemset.ini"), std::string::npos);
    EXPECT_NE(data.find("uninstall.ico"), std::string::npos);
}

TEST_F(TorvaneExeResourcesTest, CarriesEverySkinPicture) {
    // Every id of the skin list, of its own type: pictures, the popup's bitmap, the icon.
    const std::pair<unsigned, const wchar_t*> resources[] = {
        {203, L"PNG"},    {172, L"PNG"},       {206, L"PNG"}, {207, L"PNG"}, {227, L"PNG"},
        {252, L"PNG"},    {261, L"PNG"},       {304, L"PNG"}, {311, L"PNG"}, {316, L"PNG"},
        {319, L"PNG"},    {320, L"PNG"},       {325, L"PNG"}, {275, L"PNG"}, {279, L"PNG"},
        {318, RT_BITMAP}, {273, RT_GROUP_ICON}};
    for (const auto& [id, type] : resources) {
        EXPECT_NE(::FindResourceW(m_module, MAKEINTRESOURCEW(id), type), nullptr) << id;
    }
}

}  // namespace
