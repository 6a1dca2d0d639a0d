#include "commandline/CommandLine.h"
#include "commandline/CFaxCommandLineInfo.h"

#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace desklet;

namespace {

using Pairs = std::map<std::string, std::string>;

Pairs read(const std::string& line) {
    CMapStringToString settings;
    ReadCommandLine(line, settings);
    return Pairs(settings.begin(), settings.end());
}

struct LineCase {
    const char* name;
    std::string line;
    Pairs expected;
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
};

class CommandLineReading : public testing::TestWithParam<LineCase> {};

TEST_P(CommandLineReading, GivesThePairs) {
    EXPECT_EQ(read(GetParam().line), GetParam().expected);
}

const LineCase kLineCases[] = {
    {"program path alone leaves nothing", "prog.exe", {}},
    {"empty line leaves nothing", "", {}},
    {"file and fax",
     "prog.exe -file C:\\docs\\a.doc -fax 2125551212,12125551213",
     {{"file", "C:\\docs\\a.doc"}, {"fax", "2125551212,12125551213"}}},
    {"quoted program path with blanks is skipped whole",
     "\"C:\\Program Files\\Desklet\\prog.exe\" -file x",
     {{"file", "x"}}},
    {"quoted value loses its quotes",
     "prog.exe -file \"C:\\My Documents\\a b.doc\"",
     {{"file", "C:\\My Documents\\a b.doc"}}},
    {"slash key is a key", "prog.exe /file x.doc", {{"file", "x.doc"}}},
    {"key followed by key has an empty value", "prog.exe -a -b x", {{"a", ""}, {"b", "x"}}},
    {"value without key goes under the empty key", "prog.exe foo -file x", {{"", "foo"}, {"file", "x"}}},
    {"later pair replaces earlier", "prog.exe -fax 1 -fax 2", {{"fax", "2"}}},
    {"keys keep their letter case", "prog.exe -FILE x", {{"FILE", "x"}}},
    {"key at the end has an empty value", "prog.exe -file", {{"file", ""}}},
    {"two quotes give the empty value", "prog.exe -file \"\"", {{"file", ""}}},
    {"a lone quote gives the empty value", "prog.exe -file \"", {{"file", ""}}},
    {"quotes inside an unquoted token stay", "prog.exe -file a\"b\"", {{"file", "a\"b\""}}},
    {"surrounding and repeated blanks are ignored", "   prog.exe   -file    x   ", {{"file", "x"}}},
    {"quoted value keeps its run of blanks", "prog.exe -file \"a  b\"", {{"file", "a  b"}}},
    {"tab is an ordinary character", "prog.exe -file a\tb", {{"file", "a\tb"}}},
    {"lone dash is the empty key", "prog.exe - x", {{"", "x"}}},
    {"unclosed quote takes the rest of the line", "prog.exe -file \"a  b -fax 1", {{"file", "a  b -fax 1"}}},
    {"characters after the closing quote leave it unclosed",
     "prog.exe -file \"a b\"c -fax 1",
     {{"file", "a b\"c -fax 1"}}},
    {"unclosed quote at the very end", "prog.exe -file \"abc", {{"file", "abc"}}},
    {"NUL byte where an unclosed quote looks for its end", std::string("\"C \0", 4), {}},
};

INSTANTIATE_TEST_SUITE_P(Examples, CommandLineReading, testing::ValuesIn(kLineCases), desklet::test::SentenceName{});

struct ArgvCase {
    const char* name;
    std::vector<std::string> arguments;
    Pairs expected;
    friend void PrintTo(const ArgvCase& c, std::ostream* os) { *os << c.name; }
};

class ArgumentVector : public testing::TestWithParam<ArgvCase> {};

TEST_P(ArgumentVector, ArrivesAsTheShellHandedItOver) {
    CMapStringToString settings;
    ReadArguments(GetParam().arguments, settings);
    EXPECT_EQ(Pairs(settings.begin(), settings.end()), GetParam().expected);
}

const ArgvCase kArgvCases[] = {
    {"absolute program path keeps the first value",
     {"/usr/bin/desklet", "foo", "-file", "x"},
     {{"", "foo"}, {"file", "x"}}},
    {"absolute document path after a key is its value",
     {"/usr/bin/desklet", "-file", "/home/me/a.pdf"},
     {{"file", "/home/me/a.pdf"}}},
    {"path with a run of blanks is kept whole",
     {"desklet", "-file", "/home/me/My Docs/a  b.pdf", "-fax", "2125551212"},
     {{"file", "/home/me/My Docs/a  b.pdf"}, {"fax", "2125551212"}}},
    {"slash key first stays a key", {"desklet", "/file", "x.pdf"}, {{"file", "x.pdf"}}},
    {"slash key after a value stays a key",
     {"desklet", "-file", "/tmp/a.pdf", "/fax", "1"},
     {{"file", "/tmp/a.pdf"}, {"fax", "1"}}},
    {"dash key after a key stays a key", {"desklet", "-a", "-b", "x"}, {{"a", ""}, {"b", "x"}}},
    {"empty argument is an empty value", {"desklet", "-file", "", "-fax", "1"}, {{"file", ""}, {"fax", "1"}}},
    {"menu start without a document", {"desklet", "-file"}, {{"file", ""}}},
    {"value beginning with a quote keeps it", {"desklet", "-file", "\"x\""}, {{"file", "\"x\""}}},
    {"tab inside a value", {"desklet", "-file", "a\tb"}, {{"file", "a\tb"}}},
    {"program path with blanks", {"/opt/my apps/desklet", "-file", "x"}, {{"file", "x"}}},
    {"last value keeps its trailing line feed", {"desklet", "-file", "report.pdf\n"}, {{"file", "report.pdf\n"}}},
    {"last key keeps its trailing tab", {"desklet", "-fax", "1", "-file\t"}, {{"fax", "1"}, {"file\t", ""}}},
    {"key beginning with a quote leaves the file pair alone",
     {"desklet", "-\"x", "-file", "a.pdf"},
     {{"\"x", ""}, {"file", "a.pdf"}}},
    {"key of a lone quote takes its value", {"desklet", "-\"", "/tmp/a b"}, {{"\"", "/tmp/a b"}}},
    {"file name that spells out keys stays the file name",
     {"desklet", "-file", "report.pdf\" -fax 2025550100 -comment Hi -x \".pdf"},
     {{"file", "report.pdf\" -fax 2025550100 -comment Hi -x \".pdf"}}},
    {"value beginning with a blank keeps it",
     {"desklet", "-comment", " hi", "-fax", "1"},
     {{"comment", " hi"}, {"fax", "1"}}},
    {"value with a piece ending in a quote arrives whole", {"desklet", "-comment", "a\" b"}, {{"comment", "a\" b"}}},
    {"later pair replaces an earlier one", {"desklet", "-fax", "1", "-fax", "2"}, {{"fax", "2"}}},
    {"lone dash after a key is the empty key", {"desklet", "-a", "-", "x"}, {{"a", ""}, {"", "x"}}},
    {"argument beginning with a dash and holding a blank is a value",
     {"desklet", "-comment", "- see page 2"},
     {{"comment", "- see page 2"}}},
};

INSTANTIATE_TEST_SUITE_P(Examples, ArgumentVector, testing::ValuesIn(kArgvCases), desklet::test::SentenceName{});

TEST(CFaxCommandLineInfo, AGetFirstParameterAgainStartsOver) {
    CFaxCommandLineInfo info("prog -a 1 -b 2");
    std::string key;
    std::string value;
    ASSERT_TRUE(info.GetFirstParameter(key, value));
    ASSERT_TRUE(info.GetNextParameter(key, value));
    EXPECT_EQ(key, "b");
    ASSERT_TRUE(info.GetFirstParameter(key, value));
    EXPECT_EQ(key, "a");
    EXPECT_EQ(value, "1");
}

TEST(CFaxCommandLineInfo, HostileBytesTravelAsTheyAre) {
    const std::string line = std::string("prog -file a\x01\x7f\xff\xc3\xa9") + "\r" + " -fax 1";
    EXPECT_EQ(read(line), (Pairs{{"file", "a\x01\x7f\xff\xc3\xa9\r"}, {"fax", "1"}}));
}

} // namespace
