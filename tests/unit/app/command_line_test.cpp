#include "app/command_line.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct RoleCase {
    const wchar_t* line;
    LaunchRole role;
    bool handOver;
    const wchar_t* argument;  // hand-over argument or uninstall path
    std::int32_t frameHandle;
    const wchar_t* gameUrl;
};

void PrintTo(const RoleCase& c, std::ostream* os) {
    *os << testing::PrintToString(std::wstring(c.line));
}

class ChooseLaunchRoleTest : public testing::TestWithParam<RoleCase> {};

TEST_P(ChooseLaunchRoleTest, ChoosesRoleAndArguments) {
    const RoleCase& c = GetParam();
    const LaunchChoice choice = ChooseLaunchRole(c.line);
    EXPECT_EQ(choice.role, c.role);
    EXPECT_EQ(choice.tryUpdateHandOver, c.handOver);
    const std::wstring argument =
        c.handOver ? choice.handOverArgument
                   : (c.role == LaunchRole::UninstallRemoval ? choice.uninstallPath : L"");
    EXPECT_EQ(argument, c.argument);
    EXPECT_EQ(choice.frame.frameHandle, c.frameHandle);
    EXPECT_EQ(choice.frame.gameUrl, c.gameUrl);
}

constexpr auto kNormal = LaunchRole::NormalLauncher;
constexpr auto kGame = LaunchRole::GameWindow;
constexpr auto kConfirm = LaunchRole::UninstallConfirm;
constexpr auto kRemove = LaunchRole::UninstallRemoval;

INSTANTIATE_TEST_SUITE_P(
    Lines, ChooseLaunchRoleTest,
    testing::Values(
        // Plain starts: from a shortcut, argument-less restart, empty and one-character lines.
        RoleCase{L"\"C:\\Games\\Torvane.exe\"", kNormal, false, L"", 0, L""},
        RoleCase{L"\"C:\\Games\\Torvane.exe\" ", kNormal, false, L"", 0, L""},
        RoleCase{L"", kNormal, false, L"", 0, L""}, RoleCase{L"u", kNormal, false, L"", 0, L""},
        RoleCase{L"-", kNormal, false, L"", 0, L""},
        // Update hand-over: "-d" first; the exact line "-d" is an ordinary start.
        RoleCase{L"-d C:\\Users\\a\\Torvane.exe", kNormal, true, L"C:\\Users\\a\\Torvane.exe", 0,
                 L""},
        RoleCase{L"-d", kNormal, false, L"", 0, L""}, RoleCase{L"-dx", kNormal, true, L"", 0, L""},
        // After a failed hand-over the uninstall tests are skipped, the frame test is not.
        RoleCase{L"-d C:\\x.exe -u", kNormal, true, L"C:\\x.exe -u", 0, L""},
        RoleCase{L"-d x -frameWnd=77 -gameurl=u", kGame, true, L"x -frameWnd=77 -gameurl=u", 77,
                 L"u"},
        // Uninstall: a line ending in "-u" is the confirmation, "-u <path>" the removal.
        RoleCase{L"\"C:\\Games\\Torvane.exe\" -u", kConfirm, false, L"", 0, L""},
        RoleCase{L"-u", kConfirm, false, L"", 0, L""},
        RoleCase{L"-u C:\\Games\\launcher.exe", kRemove, false, L"C:\\Games\\launcher.exe", 0, L""},
        RoleCase{L"-u C:\\Program Files\\a b.exe", kRemove, false, L"C:\\Program Files\\a b.exe", 0,
                 L""},
        RoleCase{L"-u C:\\x -u", kConfirm, false, L"", 0, L""},
        RoleCase{L"-U C:\\x", kNormal, false, L"", 0, L""},
        // Game window: a non-zero handle followed by a blank.
        RoleCase{L"-frameWnd=123 -gameurl=a b c", kGame, false, L"", 123, L"a b c"},
        RoleCase{L"-frameWnd=123 -gameurl=\"http://h/p?q=1\" ", kGame, false, L"", 123,
                 L"\"http://h/p?q=1\" "},
        RoleCase{L"\"C:\\T.exe\" -frameWnd=4242 -gameurl=http://h/", kGame, false, L"", 4242,
                 L"http://h/"},
        RoleCase{L"-frameWnd=-5 -gameurl=x", kGame, false, L"", -5, L"x"},
        RoleCase{L"-frameWnd= 12 -gameurl=x", kNormal, false, L"", 0, L"x"},
        RoleCase{L"-frameWnd=\t12 -gameurl=x", kGame, false, L"", 12, L"x"},
        RoleCase{L"-frameWnd=12abc -gameurl=x", kGame, false, L"", 12, L"x"},
        // "-gameurl=" counts only after the handle; the handle needs its blank.
        RoleCase{L"-gameurl=x -frameWnd=123 ", kGame, false, L"", 123, L""},
        RoleCase{L"-frameWnd=0 -gameurl=x", kNormal, false, L"", 0, L"x"},
        RoleCase{L"-frameWnd=abc -gameurl=x", kNormal, false, L"", 0, L"x"},
        RoleCase{L"-frameWnd=123", kNormal, false, L"", 0, L""},
        RoleCase{L"-gameurl=x", kNormal, false, L"", 0, L"x"},
        RoleCase{L"-frameWnd=9 -gameurl=a -gameurl=b", kGame, false, L"", 9, L"a -gameurl=b"},
        RoleCase{L"-framewnd=9 -gameurl=x", kNormal, false, L"", 0, L"x"},
        // Values beyond the 32-bit range saturate.
        RoleCase{L"-frameWnd=99999999999 -gameurl=x", kGame, false, L"", 2147483647, L"x"},
        RoleCase{L"-frameWnd=-99999999999 -gameurl=x", kGame, false, L"", -2147483647 - 1, L"x"}));

TEST(ParseDecimalLongTest, FollowsTheCLibraryConversion) {
    const std::pair<const wchar_t*, std::int32_t> cases[] = {
        {L"", 0},
        {L"42", 42},
        {L"  \t\n42x", 42},
        {L"+7", 7},
        {L"-7", -7},
        {L"- 7", 0},
        {L"--7", 0},
        {L"x1", 0},
        {L"2147483647", 2147483647},
        {L"2147483648", 2147483647},
        {L"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {L"-2147483649", std::numeric_limits<std::int32_t>::min()},
        {L"000000000000000000000000000012", 12},
        {L"99999999999999999999999999999999999999", 2147483647},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseDecimalLong(text), expected) << testing::PrintToString(std::wstring(text));
    }
}

TEST(ChooseLaunchRoleTest, HugeLinesAreHandled) {
    std::wstring line = L"-frameWnd=5 -gameurl=" + std::wstring(1 << 20, L'a');
    const LaunchChoice choice = ChooseLaunchRole(line);
    EXPECT_EQ(choice.role, LaunchRole::GameWindow);
    EXPECT_EQ(choice.frame.gameUrl.size(), std::size_t{1} << 20);
}

}  // namespace
