#include "app/command_line.h"

#include <limits>

namespace {

const std::wstring kFrameOption = L"-frameWnd=";
const std::wstring kUrlOption = L"-gameurl=";

bool IsCLocaleSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

}  // namespace

std::int32_t ParseDecimalLong(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && IsCLocaleSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    // Accumulate in 64 bits and clamp as soon as the magnitude passes the 32-bit range.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        if (magnitude <= kLimit) {
            magnitude = magnitude * 10 + (text[i] - L'0');
        }
    }
    if (negative) {
        return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::min()
                                   : static_cast<std::int32_t>(-magnitude);
    }
    return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::max()
                               : static_cast<std::int32_t>(magnitude);
}

FrameArguments ParseFrameArguments(const std::wstring& commandLine) {
    FrameArguments result;
    std::wstring rest = commandLine;
    const auto frameAt = rest.find(kFrameOption);
    if (frameAt != std::wstring::npos) {
        rest.erase(0, frameAt + kFrameOption.size());
        const auto blank = rest.find(L' ');
        if (blank != std::wstring::npos) {
            result.frameHandle = ParseDecimalLong(rest.substr(0, blank));
            rest.erase(0, blank);
        }
    }
    const auto urlAt = rest.find(kUrlOption);
    if (urlAt != std::wstring::npos) {
        result.gameUrl = rest.substr(urlAt + kUrlOption.size());
    }
    return result;
}

namespace {

void ChooseFrameRole(const std::wstring& commandLine, LaunchChoice& choice) {
    choice.frame = ParseFrameArguments(commandLine);
    choice.role =
        choice.frame.frameHandle != 0 ? LaunchRole::GameWindow : LaunchRole::NormalLauncher;
}

}  // namespace

LaunchChoice ChooseLaunchRole(const std::wstring& commandLine) {
    // A line shorter than two characters is its own first and last two characters.
    const std::wstring head = commandLine.substr(0, 2);
    const std::wstring tail =
        commandLine.size() < 2 ? commandLine : commandLine.substr(commandLine.size() - 2);

    LaunchChoice choice;
    if (head == L"-d") {
        // The exact line "-d" names no file and is an ordinary start; either way the uninstall
        // tests are skipped.
        if (commandLine.size() > 2) {
            choice.tryUpdateHandOver = true;
            choice.handOverArgument = commandLine.size() > 3 ? commandLine.substr(3) : L"";
        }
        ChooseFrameRole(commandLine, choice);
        return choice;
    }
    if (tail == L"-u") {
        choice.role = LaunchRole::UninstallConfirm;
        return choice;
    }
    if (head == L"-u") {
        choice.role = LaunchRole::UninstallRemoval;
        choice.uninstallPath = commandLine.size() > 3 ? commandLine.substr(3) : L"";
        return choice;
    }
    ChooseFrameRole(commandLine, choice);
    return choice;
}
