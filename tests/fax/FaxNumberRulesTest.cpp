#include "fax/FaxNumberRules.h"
#include "fax/FaxNumberList.h"

#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace desklet;

namespace {

struct RuleCase {
    const char* name;
    std::string number;
    int rule; // 0: the number passes
    friend void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }
};

class NumberRules : public testing::TestWithParam<RuleCase> {};

TEST_P(NumberRules, FirstViolatedRuleWins) {
    EXPECT_EQ(FaxNumberRules::Number(FaxNumberRules::Check(GetParam().number)), GetParam().rule);
}

const RuleCase kRuleCases[] = {
    {"eleven characters with a leading 1 pass", "12125551213", 0},
    {"ten characters pass", "2125551212", 0},
    {"nine characters fail the ten rule", "212555121", 5},
    {"eleven characters without a leading 0 or 1 fail the ten rule", "21255512123", 5},
    {"empty text fails the ten rule", "", 5},
    {"leading 1 with 0 second fails the second digit rule", "10125551212", 2},
    {"leading 1 with 1 second fails the second digit rule", "11125551212", 2},
    {"ten characters with a leading 1 fail the length rule first", "1212555121", 1},
    {"twelve characters with a leading 1 fail the length rule", "121255512134", 1},
    {"a bad second digit of a short number reports the length", "101", 1},
    {"lone 1 fails the length rule", "1", 1},
    {"international number passes", "0114420712345", 0},
    {"0 followed by 12 fails the prefix rule", "0124420712345", 4},
    {"0 followed by 21 fails the prefix rule", "0214420712345", 4},
    {"seven characters with a leading 0 fail the length rule", "0112345", 3},
    {"eight characters with a leading 0 pass", "01123456", 0},
    {"thirty five characters with a leading 0 pass", "011" + std::string(32, '9'), 0},
    {"thirty six characters with a leading 0 fail the length rule", "011" + std::string(33, '9'), 3},
    {"a short number with a bad prefix reports the length", "0999", 3},
    {"lone 0 fails the length rule", "0", 3},
    {"ten characters led by the exclamation mark pass", "!212555121", 0},
    {"exclamation mark inside passes", "2!25551212", 0},
    {"nine characters led by the exclamation mark fail the ten rule", "!21255512", 5},
    {"exclamation mark as second digit of a 1 number passes", "1!125551212", 0},
    {"exclamation marks as the 0 prefix fail the prefix rule", "0!!4420712345", 4},
    {"characters past the third are never looked at", "01100000000000000000000000000000000", 0},
};

INSTANTIATE_TEST_SUITE_P(Examples, NumberRules, testing::ValuesIn(kRuleCases), desklet::test::SentenceName{});

TEST(NumberRuleTexts, EachRuleHasItsTextAndAddCaption) {
    using R = FaxNumberRules::Rule;
    struct Row {
        R rule;
        const char* text;
        const char* caption;
    };
    const char* verify = "Please verify the fax telephone number";
    const Row rows[] = {
        {R::LeadingOneNeedsElevenChars, "A fax number that begins with 1 must be followed by exactly 10 digits",
         verify},
        {R::LeadingOneBadSecondDigit,
         "A fax telephone number that begins with a 1 can not have either a 0 or 1 as its second digit", verify},
        {R::LeadingZeroLength, "A fax telephone number that begins with a 0 must be between 8 and 35 digits long",
         verify},
        {R::LeadingZeroNeedsElevenPrefix, "A fax telephone number that begins with a 0 must be followed by 11", verify},
        {R::OtherLeadNeedsTenChars, "A fax number that doesn't begin with 0 or 1 must be exactly 10 digits long",
         "Incorrectly formatted fax telephone number"},
    };
    int expectedNumber = 1;
    for (const Row& row : rows) {
        EXPECT_EQ(FaxNumberRules::Number(row.rule), expectedNumber++);
        EXPECT_EQ(FaxNumberRules::Text(row.rule), row.text);
        EXPECT_EQ(FaxNumberRules::AddCaption(row.rule), row.caption);
    }
    EXPECT_TRUE(FaxNumberRules::Text(R::None).empty());
    EXPECT_TRUE(FaxNumberRules::AddCaption(R::None).empty());
}

TEST(NumberRuleTexts, SendCaptionTakesTheEntryVerbatim) {
    EXPECT_EQ(FaxNumberRules::SendCaption("12345"), "Please verify fax telephone number 12345");
    // A format directive in the entry must come out as typed.
    EXPECT_EQ(FaxNumberRules::SendCaption("%s%n%d"), "Please verify fax telephone number %s%n%d");
    EXPECT_EQ(FaxNumberRules::SendCaption(""), "Please verify fax telephone number ");
}

struct LoadCase {
    const char* name;
    std::string list;
    std::vector<std::string> entries;
    friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
};

class CommandLineList : public testing::TestWithParam<LoadCase> {};

TEST_P(CommandLineList, LoadsThePieces) {
    EXPECT_EQ(FaxNumberList::Load(GetParam().list), GetParam().entries);
}

const LoadCase kLoadCases[] = {
    {"empty list loads nothing", "", {}},
    {"one number", "2125551212", {"2125551212"}},
    {"written out numbers lose their punctuation", "212-555-1212,(212)5551213", {"2125551212", "2125551213"}},
    {"empty pieces and a trailing comma add nothing", "2125551212,,2125551213,", {"2125551212", "2125551213"}},
    {"leading comma adds nothing", ",2125551212", {"2125551212"}},
    {"only commas load nothing", ",,,", {}},
    {"a piece of dropped characters adds nothing", "2125551212, - ,2125551213", {"2125551212", "2125551213"}},
    {"a bad number is loaded unchecked", "12345", {"12345"}},
    {"exclamation mark is kept", "!212555121", {"!212555121"}},
    {"letters and control characters are dropped", "21a2\r\n555\t1212\x01", {"2125551212"}},
    {"bytes above 127 are dropped",
     "212\xc3\xa9"
     "5551212",
     {"2125551212"}},
    {"NUL is dropped",
     std::string("212\0"
                 "5551212",
                 11),
     {"2125551212"}},
    {"command-line order is kept", "3,1,2", {"3", "1", "2"}},
};

INSTANTIATE_TEST_SUITE_P(Examples, CommandLineList, testing::ValuesIn(kLoadCases), desklet::test::SentenceName{});

TEST(RecipientList, InsertionKeepsAscendingByteOrderAndDuplicates) {
    std::vector<std::string> list;
    for (const char* entry : {"2125551212", "12125551213", "2125551212", "!212555121", "0114420712345", "9"}) {
        FaxNumberList::Insert(list, entry);
    }
    const std::vector<std::string> expected = {"!212555121", "0114420712345", "12125551213",
                                               "2125551212", "2125551212",    "9"};
    EXPECT_EQ(list, expected);
}

TEST(RecipientList, InsertPositionOfBytesAboveSevenBitSortsLast) {
    const std::vector<std::string> list = {"1", "2"};
    EXPECT_EQ(FaxNumberList::InsertPosition(list, "\xc3"), 2u);
    EXPECT_EQ(FaxNumberList::InsertPosition(list, ""), 0u);
    EXPECT_EQ(FaxNumberList::InsertPosition(list, "1"), 1u);
}

TEST(RecipientList, RemoveDeletesEverySelectedEntryAndKeepsTheOrder) {
    const std::vector<std::string> list = {"a", "b", "c", "d"};
    struct Row {
        std::vector<bool> selected;
        std::vector<std::string> remaining;
    };
    const Row rows[] = {
        {{true, true, false, false}, {"c", "d"}},
        {{false, true, false, true}, {"a", "c"}},
        {{true, true, true, true}, {}},
        {{false, false, false, false}, {"a", "b", "c", "d"}},
        {{}, {"a", "b", "c", "d"}},
        {{false, false, false, true, true}, {"a", "b", "c"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FaxNumberList::RemoveSelected(list, row.selected), row.remaining);
    }
}

} // namespace
