#include "controls/OpenCommand.h"
#include "controls/DesktopServices.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace desklet;

namespace {

struct BuildCase {
    const char* name;
    std::string command;
    std::string url;
    std::string expected;
    friend void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.name; }
};

const BuildCase kBuildCases[] = {
    {"quoted placeholder drops it and keeps the blank before it", R"("C:\Web\browse.exe" -nohome "%1")",
     "http://a.example/", R"("C:\Web\browse.exe" -nohome  http://a.example/)"},
    {"arguments after the placeholder are lost", R"(browse "%1" -extra)", "http://a/", "browse  http://a/"},
    {"unquoted placeholder is cut at the percent sign", "browse %1 -x", "http://a/", "browse  http://a/"},
    {"no placeholder appends a blank and the url", "browse -new", "http://a/", "browse -new http://a/"},
    {"desktop entry single url code", "firefox-esr %u", "http://a/", "firefox-esr  http://a/"},
    {"desktop entry url list code", "web --app %U", "http://a/", "web --app  http://a/"},
    {"desktop entry file codes", "viewer %f %F", "http://a/", "viewer  http://a/"},
    {"quoted code wins over an earlier unquoted one", R"(run %1 "%u")", "u", "run %1  u"},
    {"first of several unquoted codes cuts", "run -a %F -b %u", "u", "run -a  u"},
    {"other field codes are not placeholders", "run %i %c", "u", "run %i %c u"},
    {"empty command gives a blank and the url", "", "http://a/", " http://a/"},
    {"blanks and quotes in the url are encoded", "b %u", "http://a/x y\"z", "b  http://a/x%20y%22z"},
    {"line breaks and nul in the url are encoded", "b", std::string("http://a/\r\n\0x", 13), "b http://a/%0D%0A%00x"},
    {"non-ascii bytes in the url are encoded", "b", "http://a/\xC3\xA9", "b http://a/%C3%A9"},
    {"shell and escape characters in the url are encoded", "b", "http://a/$x`y\\z'", "b http://a/%24x%60y%5Cz%27"},
};

class BuildOpenCommandTest : public testing::TestWithParam<BuildCase> {};

TEST_P(BuildOpenCommandTest, Builds) {
    EXPECT_EQ(BuildOpenCommand(GetParam().command, GetParam().url), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildOpenCommandTest, testing::ValuesIn(kBuildCases), test::SentenceName{});

struct ErrorCase {
    const char* name;
    int code;
    std::string expected;
    friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }
};

const ErrorCase kErrorCases[] = {
    {"out of resources", 0, "The operating system is out\nof memory or resources."},
    {"file not found", 2, "The specified file was not found."},
    {"path not found", 3, "The specified path was not found."},
    {"access denied", 5, "The operating system denied\naccess to the specified file."},
    {"not enough memory", 8, "There was not enough memory to complete the operation."},
    {"bad format", 11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {"sharing violation keeps its trailing blank", 26, "A sharing violation occurred. "},
    {"association incomplete", 27, "The filename association is\nincomplete or invalid."},
    {"dde timeout", 28, "The DDE transaction could not\nbe completed because the request timed out."},
    {"dde failed", 29, "The DDE transaction failed."},
    {"dde busy", 30,
     "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {"no association", 31, "There is no application associated\nwith the given filename extension."},
    {"library not found", 32, "The specified dynamic-link library was not found."},
    {"unknown code", 42, "Unknown Error (42) occurred."},
    {"gap in the table", 1, "Unknown Error (1) occurred."},
    {"negative code in signed decimal", -7, "Unknown Error (-7) occurred."},
    {"success code is not an error text", 33, "Unknown Error (33) occurred."},
};

class FormatOpenErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(FormatOpenErrorTest, Explains) {
    EXPECT_EQ(FormatOpenError(GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatOpenErrorTest, testing::ValuesIn(kErrorCases), test::SentenceName{});

struct SplitCase {
    const char* name;
    std::string line;
    std::optional<std::vector<std::string>> expected;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
};

const SplitCase kSplitCases[] = {
    {"blanks separate and repeat", "web  -new   http://a/", std::vector<std::string>{"web", "-new", "http://a/"}},
    {"quotes keep blanks in a path", R"("/opt/my web/run" -x)", std::vector<std::string>{"/opt/my web/run", "-x"}},
    {"escapes inside quotes", R"(run "a\"b\\c\$d")", std::vector<std::string>{"run", R"(a"b\c$d)"}},
    {"backslash before another character stays", R"(run "a\nb")", std::vector<std::string>{"run", R"(a\nb)"}},
    {"tabs separate", "run\t-x", std::vector<std::string>{"run", "-x"}},
    {"empty quoted argument is kept", R"(run "")", std::vector<std::string>{"run", ""}},
    {"unclosed quote is refused", R"(run "a)", std::nullopt},
    {"blank line has no program", "   ", std::nullopt},
    {"empty program name is refused", R"("" -x)", std::nullopt},
};

class SplitCommandLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, Splits) {
    EXPECT_EQ(SplitCommandLine(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitCommandLineTest, testing::ValuesIn(kSplitCases), test::SentenceName{});

struct ExecCase {
    const char* name;
    std::string file;
    std::optional<std::string> expected;
    friend void PrintTo(const ExecCase& c, std::ostream* os) { *os << c.name; }
};

const ExecCase kExecCases[] = {
    {"plain entry", "[Desktop Entry]\nName=Web\nExec=web %u\n", "web %u"},
    {"blanks around the equals sign", "[Desktop Entry]\nExec = web %u\n", "web %u"},
    {"crlf line ends", "[Desktop Entry]\r\nExec=web %u\r\n", "web %u"},
    {"file escapes undone", "[Desktop Entry]\nExec=web\\s-x \"a\\\\\"b\" %u\n", "web -x \"a\\\"b\" %u"},
    {"localised key is not the exec line", "[Desktop Entry]\nExec[de]=falsch\nExec=web\n", "web"},
    {"exec of an action group is ignored", "[Desktop Action new]\nExec=web --new\n[Desktop Entry]\nName=W\n",
     std::nullopt},
    {"comment lines are skipped", "# Exec=no\n[Desktop Entry]\n#Exec=no\nExec=web\n", "web"},
    {"no exec line", "[Desktop Entry]\nName=Web\n", std::nullopt},
    {"empty exec line", "[Desktop Entry]\nExec=\n", std::nullopt},
    {"last line without a line end", "[Desktop Entry]\nExec=web %U", "web %U"},
};

class DesktopEntryExecTest : public testing::TestWithParam<ExecCase> {};

TEST_P(DesktopEntryExecTest, Reads) {
    EXPECT_EQ(DesktopEntryExec(GetParam().file), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DesktopEntryExecTest, testing::ValuesIn(kExecCases), test::SentenceName{});

// The real launcher's refusals, which happen before anything is started.
TEST(LaunchDetached, MapsProgramsThatCannotRunOntoCodes) {
    test::TempDir dir;
    const auto plainFile = dir.WriteFile("not-a-program", "text");
    std::filesystem::permissions(plainFile, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    EXPECT_EQ(DesktopServices::LaunchDetached((dir.path() / "missing").string() + " http://a/", 5), kOpenFileNotFound);
    EXPECT_EQ(DesktopServices::LaunchDetached("desklet-no-such-browser-here http://a/", 5), kOpenFileNotFound);
    EXPECT_EQ(DesktopServices::LaunchDetached(dir.path().string() + " http://a/", 5), kOpenFileNotFound);
    EXPECT_EQ(DesktopServices::LaunchDetached("\"" + plainFile.string() + "\" http://a/", 5), kOpenAccessDenied);
    EXPECT_EQ(DesktopServices::LaunchDetached("", 5), kOpenFileNotFound);
    EXPECT_EQ(DesktopServices::LaunchDetached("\"unclosed http://a/", 5), kOpenFileNotFound);
}

} // namespace
