#include "app/string_resources.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/path_separator.h"
#include "deployment.h"

namespace {

// Backslashes of path fragments are the native separator on each build.
std::wstring Native(std::wstring text) {
    for (wchar_t& c : text) {
        if (c == L'\\') {
            c = kPathSeparator;
        }
    }
    return text;
}

std::wstring Widen(const char* ascii) {
    return std::wstring(ascii, ascii + std::strlen(ascii));
}

TEST(StringResourcesTest, CarriesTheShippedTexts) {
    const std::pair<unsigned, std::wstring> expected[] = {
        {IDS_PRODUCT_NAME, L"Torvane"},
        {IDS_COMPANY_NAME, L"Kelmira"},
        {IDS_LAUNCHER_TITLE, L"Torvane登录器"},
        {IDS_UNINSTALL_TITLE, L"卸载-Torvane"},
        {IDS_CACHE_CLEANING, L"缓存清理中，请稍后……"},
        {IDS_MAKER_FOLDER_INNER, L"vantro"},
        {IDS_UPDATE_TEMP_EXE, Native(L"\\q5kqztmp.exe")},
        {IDS_UPDATE_FOLDER_PREFIX, Native(L"\\vantro\\")},
        {IDS_UNINSTALL_COPY, Native(L"\\cache\\q5kqztmpu.exe")},
        {IDS_MAKER_FOLDER_OUTER, L"vantro"},
        {IDS_PUBLISHER_SECTION, L"Kelmira"},
        {IDS_VERSION_QUERY, L"getClientVersion.php?p=vantro&g=kqz&v="},
        {IDS_SETTINGS_FILE, L"res//systemset.ini"},
        {IDS_LOGIN_PAGE_URL, Widen(TORVANE_LOGIN_PAGE_URL)},
        {IDS_VERSION_SERVER, Widen(TORVANE_VERSION_SERVER)},
    };
    for (const auto& [id, text] : expected) {
        EXPECT_EQ(LoadStringResource(id), text) << "string " << id;
    }
}

TEST(StringResourcesTest, DeploymentAddressesHaveTheirShape) {
    const std::wstring login = LoadStringResource(IDS_LOGIN_PAGE_URL);
    EXPECT_TRUE(login.starts_with(L"http://"));
    EXPECT_TRUE(login.ends_with(L"/rezazis/fwkqz/loginexe.php"));
    const std::wstring server = LoadStringResource(IDS_VERSION_SERVER);
    EXPECT_TRUE(server.starts_with(L"http://"));
    EXPECT_FALSE(server.ends_with(L"/"));
}

TEST(StringResourcesTest, UnknownIdsAreEmpty) {
    for (unsigned id : {0u, 1u, 103u, 190u, 65535u}) {
        EXPECT_EQ(LoadStringResource(id), L"") << "string " << id;
    }
}

}  // namespace
