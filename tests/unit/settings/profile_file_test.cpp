// One table of profile reads and writes with the results Windows gives. Natively it checks our
// Linux engine; cross-compiled it runs the same table against the Win32 functions under Wine.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "app/profile_file.h"
#include "tests/unit/settings/settings_fixture.h"

namespace {

enum class Op { Read, Write, WriteRefused };

struct ProfileCase {
    const char* name;
    std::optional<std::string> initial;  // the file's bytes before; nullopt: no file
    Op op;
    std::wstring section;
    std::wstring key;
    std::wstring text;     // Read: the default; Write: the value
    std::string expected;  // Read: the result; Write: the file's bytes after
    // Where Wine's result differs from Windows' (Wine writes the whole file anew, CR LF
    // everywhere and without blank lines, and its quote removal loses a character at the
    // buffer's end), Wine's result, so that the difference stays visible.
    std::optional<std::string> wineExpected = std::nullopt;
};

// A literal's bytes, NULs included.
template <std::size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

const std::string k300(300, 'y');
const std::string k259(259, 'x');

const std::string kThreeSections = "[S]\r\nk=1\r\nj=2\r\n[T]\r\nk=3\r\n";

const ProfileCase kCases[] = {
    // Missing file, section or key: the default.
    {"MissingFile", std::nullopt, Op::Read, L"Info", L"code", L"dflt", "dflt"},
    {"MissingSection", "[Info]\r\ncode=1\r\n", Op::Read, L"Nope", L"code", L"dflt", "dflt"},
    {"MissingKey", "[Info]\r\ncode=1\r\n", Op::Read, L"Info", L"nope", L"dflt", "dflt"},
    {"KeyWithoutEquals", "[S]\r\nk\r\n", Op::Read, L"S", L"k", L"d", "d"},
    {"EmptyValue", "[S]\r\nk=\r\n", Op::Read, L"S", L"k", L"d", ""},
    // Names match without regard to case; blanks around names and values drop away.
    {"NamesIgnoreCase", "[iNFo]\r\nCoDe=7\r\n", Op::Read, L"INFO", L"code", L"d", "7"},
    {"BlanksInFile", "  [ Info ]  \r\n \t code \t = \t v a l \t \r\n", Op::Read, L"Info", L"code",
     L"d", "v a l"},
    {"BlanksInQuery", "[Info]\r\ncode=v\r\n", Op::Read, L" Info ", L"\tcode ", L"d", "v"},
    {"OtherBlanksInFile", "[S]\r\n\vk\f=\f v \v\x1A\r\n", Op::Read, L"S", L"k", L"d", "v"},
    // One pair of matching quotes comes off; anything else stays.
    {"DoubleQuotes", "[S]\r\nk=\"  quoted  \"\r\n", Op::Read, L"S", L"k", L"d", "  quoted  "},
    {"SingleQuotes", "[S]\r\nk='q'\r\n", Op::Read, L"S", L"k", L"d", "q"},
    {"QuotesAroundBlanks", "[S]\r\nk= \" a \" \r\n", Op::Read, L"S", L"k", L"d", " a "},
    {"MismatchedQuotes", "[S]\r\nk=\"q'\r\n", Op::Read, L"S", L"k", L"d", "\"q'"},
    {"LoneQuote", "[S]\r\nk=\"\r\n", Op::Read, L"S", L"k", L"d", "\""},
    {"EmptyQuotes", "[S]\r\nk=\"\"\r\n", Op::Read, L"S", L"k", L"d", ""},
    {"InnerQuotes", "[S]\r\nk=a\"b\"\r\n", Op::Read, L"S", L"k", L"d", "a\"b\""},
    // The key ends at the first "=".
    {"EqualsInValue", "[S]\r\nk=a=b=c\r\n", Op::Read, L"S", L"k", L"d", "a=b=c"},
    {"BlanksBeforeEquals", "[S]\r\nk = 2\r\n", Op::Read, L"S", L"k", L"d", "2"},
    // Only the first matching section counts, and in it the first matching key.
    {"DuplicateSectionFirstWins", "[S]\r\nk=1\r\n[s]\r\nk=2\r\nj=3\r\n", Op::Read, L"S", L"k", L"d",
     "1"},
    {"DuplicateSectionNotSearched", "[S]\r\nk=1\r\n[s]\r\nk=2\r\nj=3\r\n", Op::Read, L"S", L"j",
     L"d", "d"},
    {"DuplicateKeyFirstWins", "[S]\r\nk=1\r\nK=2\r\n", Op::Read, L"S", L"k", L"d", "1"},
    // Comments never shadow or fake a key; '#' starts no comment.
    {"CommentBeforeKey", "[S]\r\n;k=1\r\nk=2\r\n", Op::Read, L"S", L"k", L"d", "2"},
    {"CommentedKey", "[S]\r\n; k=1\r\n", Op::Read, L"S", L"k", L"d", "d"},
    {"CommentedSection", ";[S]\r\nk=1\r\n", Op::Read, L"S", L"k", L"d", "d"},
    {"HashIsNoComment", "[S]\r\n#k=1\r\n", Op::Read, L"S", L"#k", L"d", "1"},
    // Section lines: the name runs to the last ']'; without one the line is a key.
    {"HeaderWithTrailingText", "[S] junk\r\nk=2\r\n", Op::Read, L"S", L"k", L"d", "2"},
    {"HeaderWithInnerBracket", "[S]x]\r\nk=2\r\n", Op::Read, L"S]x", L"k", L"d", "2"},
    {"UnclosedHeaderIsKey", "[S]\r\n[T=1\r\nk=2\r\n", Op::Read, L"S", L"[T", L"d", "1"},
    // Values are cut to the buffer less one character.
    {"LongValueCut", "[S]\r\nk=" + k300 + "\r\n", Op::Read, L"S", L"k", L"d", k300.substr(0, 259)},
    {"LongQuotedValueCut", "[S]\r\nk=\"" + k300 + "\"\r\n", Op::Read, L"S", L"k", L"d",
     k300.substr(0, 259)},
    {"QuotedValueFillingBuffer", "[S]\r\nk=\"" + k259 + "\"\r\n", Op::Read, L"S", L"k", L"d", k259,
     k259.substr(0, 258)},
    // The default loses trailing spaces (only spaces) and quotes, and is cut too.
    {"DefaultTrailingSpaces", std::nullopt, Op::Read, L"S", L"k", L"  d f  ", "  d f"},
    {"DefaultTrailingTab", std::nullopt, Op::Read, L"S", L"k", L"d\t", "d\t"},
    {"DefaultQuoted", std::nullopt, Op::Read, L"S", L"k", L"\"q\"", "q"},
    {"DefaultCut", std::nullopt, Op::Read, L"S", L"k", std::wstring(300, L'z'),
     std::string(259, 'z')},
    // Line ends: CR LF, LF and lone CR all end lines.
    {"LfFile", "[S]\nk=1\nj=2\n", Op::Read, L"S", L"j", L"d", "2"},
    {"CrFile", "[S]\rk=1\rj=2\r", Op::Read, L"S", L"j", L"d", "2"},
    {"MixedLineEnds", "[S]\r\nk=1\nj=2\rm=3", Op::Read, L"S", L"m", L"d", "3"},
    // Damaged text: a NUL ends the value but not the line; junk lines are skipped.
    {"NulEndsValue", Bytes("[S]\r\nk=a\0b\r\nj=2\r\n"), Op::Read, L"S", L"k", L"d", "a"},
    {"NulKeepsNextLine", Bytes("[S]\r\nk=a\0b\r\nj=2\r\n"), Op::Read, L"S", L"j", L"d", "2"},
    {"JunkBeforeSection", "\x01\x02junk\r\n]\r\n[S]\r\nk=1\r\n", Op::Read, L"S", L"k", L"d", "1"},
    {"ByteOrderMark", "\xEF\xBB\xBF[S]\r\nk=2\r\n", Op::Read, L"S", L"k", L"d", "2"},

    // Writing an existing key rewrites its line; the stored name keeps its spelling.
    {"ReplaceKey", kThreeSections, Op::Write, L"S", L"K", L"new",
     "[S]\r\nk=new\r\nj=2\r\n[T]\r\nk=3\r\n"},
    {"ReplaceInSecondSection", kThreeSections, Op::Write, L"t", L"k", L"4",
     "[S]\r\nk=1\r\nj=2\r\n[T]\r\nk=4\r\n"},
    {"ReplacePaddedLine", "[S]\r\n  k  =  1  \r\nj=2\r\n", Op::Write, L"S", L"k", L"new",
     "[S]\r\nk=new\r\nj=2\r\n"},
    {"ReplaceFirstDuplicate", "[S]\r\nk=1\r\nk=2\r\n", Op::Write, L"S", L"k", L"3",
     "[S]\r\nk=3\r\nk=2\r\n"},
    {"SameValueLeavesFile", "[S]\nk=1\n", Op::Write, L"S", L"k", L"1", "[S]\nk=1\n"},
    {"CommentsKept", "; hello\r\n[S]\r\n;c\r\nk=1\r\n", Op::Write, L"S", L"k", L"2",
     "; hello\r\n[S]\r\n;c\r\nk=2\r\n"},
    {"ReplaceInLfFile", "[S]\nk=1\nj=2\n", Op::Write, L"S", L"k", L"2", "[S]\nk=2\nj=2\n",
     "[S]\r\nk=2\r\nj=2\r\n"},
    {"ByteOrderMarkKept", "\xEF\xBB\xBF[S]\r\nk=2\r\n", Op::Write, L"S", L"k", L"3",
     "\xEF\xBB\xBF[S]\r\nk=3\r\n"},
    // A new key goes at the end of its section.
    {"NewKey", kThreeSections, Op::Write, L"S", L"n", L"v",
     "[S]\r\nk=1\r\nj=2\r\nn=v\r\n[T]\r\nk=3\r\n"},
    {"NewKeyBeforeBlankLine", "[S]\r\nk=1\r\n\r\n[T]\r\nk=3\r\n", Op::Write, L"S", L"n", L"v",
     "[S]\r\nk=1\r\nn=v\r\n\r\n[T]\r\nk=3\r\n", "[S]\r\nk=1\r\nn=v\r\n[T]\r\nk=3\r\n"},
    {"NewKeyInEmptySection", "[S]\r\n", Op::Write, L"S", L"n", L"v", "[S]\r\nn=v\r\n"},
    {"NewKeyAfterUnendedLine", "[S]\r\nk=1", Op::Write, L"S", L"n", L"v", "[S]\r\nk=1\r\nn=v\r\n"},
    {"NewKeyInLfFile", "[S]\nk=1\n", Op::Write, L"S", L"n", L"v", "[S]\nk=1\nn=v\r\n",
     "[S]\r\nk=1\r\nn=v\r\n"},
    {"NewKeyInFirstDuplicateSection", "[S]\r\nk=1\r\n[S]\r\nj=2\r\n", Op::Write, L"s", L"n", L"3",
     "[S]\r\nk=1\r\nn=3\r\n[S]\r\nj=2\r\n"},
    // A new section goes at the end of the file, without a blank line before it.
    {"NewSection", "[S]\r\nk=1\r\n", Op::Write, L"T", L"n", L"v", "[S]\r\nk=1\r\n[T]\r\nn=v\r\n"},
    {"NewSectionAfterUnendedLine", "[S]\r\nk=1", Op::Write, L"T", L"n", L"v",
     "[S]\r\nk=1\r\n[T]\r\nn=v\r\n"},
    {"NewFile", std::nullopt, Op::Write, L"S", L"k", L"v", "[S]\r\nk=v\r\n"},
    {"EmptyFile", "", Op::Write, L"S", L"k", L"v", "[S]\r\nk=v\r\n"},
    // What is written: leading blanks of the value drop away, the rest goes as it is.
    {"ValueBlanks", "[S]\r\n", Op::Write, L"S", L"k", L"  v  ", "[S]\r\nk=v  \r\n"},
    {"EmptyValueWritten", "[S]\r\nk=1\r\n", Op::Write, L"S", L"k", L"", "[S]\r\nk=\r\n"},
    {"QuotesWritten", "[S]\r\n", Op::Write, L"S", L"k", L"\"a\"", "[S]\r\nk=\"a\"\r\n"},
    {"TrimmedSectionMatches", "[S]\r\nk=1\r\n", Op::Write, L" S ", L"k", L"2", "[S]\r\nk=2\r\n"},
    // Entries that could not read back as written are refused; the file stays as it was.
    {"LineBreakInValue", "[S]\r\nk=1\r\n", Op::WriteRefused, L"S", L"k", L"a\r\n[T]\r\nz=1",
     "[S]\r\nk=1\r\n"},
    {"LineBreakInKey", "[S]\r\nk=1\r\n", Op::WriteRefused, L"S", L"a\nb", L"v", "[S]\r\nk=1\r\n"},
    {"EqualsInKey", "[S]\r\nk=1\r\n", Op::WriteRefused, L"S", L"a=b", L"v", "[S]\r\nk=1\r\n"},
    {"CommentKey", "[S]\r\nk=1\r\n", Op::WriteRefused, L"S", L";k", L"v", "[S]\r\nk=1\r\n"},
    {"BracketKey", "[S]\r\nk=1\r\n", Op::WriteRefused, L"S", L"[k", L"v]", "[S]\r\nk=1\r\n"},
    {"EmptyKey", "[S]\r\nk=1\r\n", Op::WriteRefused, L"S", L" ", L"v", "[S]\r\nk=1\r\n"},
    {"EmptySection", "[S]\r\nk=1\r\n", Op::WriteRefused, L"", L"k", L"v", "[S]\r\nk=1\r\n"},
};

class ProfileFileTest : public testing::TestWithParam<ProfileCase> {};

std::wstring Widen(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

TEST_P(ProfileFileTest, MatchesWindows) {
    const ProfileCase& c = GetParam();
    const std::string& expected = RunsUnderWine() && c.wineExpected ? *c.wineExpected : c.expected;
    const TemporaryFolder folder;
    const auto file = folder.Path() / "test.ini";
    if (c.initial) {
        WriteFileBytes(file, *c.initial);
    }
    if (c.op == Op::Read) {
        EXPECT_EQ(ReadProfileValue(c.section, c.key, c.text, ToProfilePath(file)), Widen(expected));
        EXPECT_EQ(ReadFileBytes(file), c.initial) << "a read changed the file";
        return;
    }
    EXPECT_EQ(WriteProfileValue(c.section, c.key, c.text, ToProfilePath(file)), c.op == Op::Write);
    EXPECT_EQ(ReadFileBytes(file), expected);
    // Nothing but the file itself appears in the folder (no temporary files left behind).
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileFileTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ProfileCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ProfileFileWrite, FolderThatDoesNotExistFails) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "missing" / "test.ini";
    EXPECT_FALSE(WriteProfileValue(L"S", L"k", L"v", ToProfilePath(file)));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
}

TEST(ProfileFileWrite, WrittenValuesReadBack) {
    const TemporaryFolder folder;
    const std::wstring file = ToProfilePath(folder.Path() / "test.ini");
    ASSERT_TRUE(WriteProfileValue(L"Setting", L"start", L"1001", file));
    ASSERT_TRUE(WriteProfileValue(L"Start", L"firststart", L"0", file));
    ASSERT_TRUE(WriteProfileValue(L"SETTING", L"Start", L"a=b", file));
    EXPECT_EQ(ReadProfileValue(L"setting", L"START", L"-1", file), L"a=b");
    EXPECT_EQ(ReadProfileValue(L"Start", L"firststart", L"1", file), L"0");
    EXPECT_EQ(ReadFileBytes(FromProfilePath(file)),
              "[Setting]\r\nstart=a=b\r\n[Start]\r\nfirststart=0\r\n");
}

}  // namespace
