// Arbitrary bytes as a settings file: lookups, one write and the reads after it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/profile_document.h"
#include "platform/utf8.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    a = TrimProfileBlanks(a);
    b = TrimProfileBlanks(b);
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Outside the one line an edit rewrites, no byte of the original may change: the stretch where
// the two texts differ holds no line end of the original.
bool OnlyOneLineChanged(std::string_view before, std::string_view after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    return !HasLineBreak(before.substr(prefix, before.size() - prefix - suffix));
}

void CheckLookup(std::string_view text, std::string_view section, std::string_view key) {
    const auto value = FindProfileValue(text, section, key);
    if (value) {
        Require(!HasLineBreak(*value));
        Require(TrimProfileBlanks(*value) == *value);
    }
}

void CheckWrite(std::string_view text, std::string_view section, std::string_view key,
                std::string_view value, std::string_view otherSection, std::string_view otherKey) {
    const auto edited = SetProfileValue(text, section, key, value);
    const bool hasNul = (std::string(section) + std::string(key) + std::string(value)).find('\0') !=
                        std::string::npos;
    Require(edited.has_value() == (!hasNul && IsStorableProfileEntry(section, key, value)));
    if (!edited) {
        return;
    }
    Require(FindProfileValue(*edited, section, key) == TrimProfileBlanks(value));
    Require(OnlyOneLineChanged(text, *edited));
    Require(SetProfileValue(*edited, section, key, value) == *edited);
    if (!SameName(otherSection, section) || !SameName(otherKey, key)) {
        Require(FindProfileValue(*edited, otherSection, otherKey) ==
                FindProfileValue(text, otherSection, otherKey));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(40);
    const std::string key = input.ConsumeRandomLengthString(40);
    const std::string value = input.ConsumeRandomLengthString(300);
    const std::string otherSection = input.ConsumeRandomLengthString(40);
    const std::string otherKey = input.ConsumeRandomLengthString(40);
    const std::size_t bufferSize = input.ConsumeIntegralInRange<std::size_t>(0, 300);
    const std::string text = input.ConsumeRemainingBytesAsString();

    CheckLookup(text, section, key);
    CheckLookup(text, otherSection, otherKey);
    const std::wstring read =
        ReadProfileText(text, Utf8ToWide(section), Utf8ToWide(key), L"fallback", bufferSize);
    Require(read.size() < std::max<std::size_t>(bufferSize, 1));
    CheckWrite(text, section, key, value, otherSection, otherKey);
    const auto written =
        WriteProfileText(text, Utf8ToWide(section), Utf8ToWide(key), Utf8ToWide(value));
    if (written) {
        ReadProfileText(*written, Utf8ToWide(section), Utf8ToWide(key), L"", bufferSize);
    }
    return 0;
}
