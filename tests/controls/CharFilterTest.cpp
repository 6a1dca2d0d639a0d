#include "controls/CharFilter.h"

#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <string>

using namespace desklet;

namespace {

constexpr bool kReject = true;
constexpr bool kAccept = false;

const std::string kNumberChars = "1234567890!";
const std::string kQuote = "\"";
const std::string kPortChars = "0123456789";
const std::string kServerChars = "\" ";

struct RuleCase {
    const char* name;
    unsigned char c;
    bool rejectListed;
    std::string list;
    bool accepted;
    friend void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }
};

class CharFilterRule : public testing::TestWithParam<RuleCase> {};

TEST_P(CharFilterRule, DecidesTheCharacter) {
    const RuleCase& c = GetParam();
    EXPECT_EQ(CharFilter::Accepts(c.c, c.rejectListed, c.list), c.accepted);
}

const RuleCase kRuleCases[] = {
    {"backspace passes in accept mode", 8, kAccept, kNumberChars, true},
    {"backspace passes in reject mode", 8, kReject, kQuote, true},
    {"backspace passes an empty accept list", 8, kAccept, "", true},
    {"backspace passes even when listed for rejection", 8, kReject, "\b", true},
    {"empty accept list drops a digit", '5', kAccept, "", false},
    {"empty reject list passes the quote", '"', kReject, "", true},
    {"empty reject list passes a control character", 0x16, kReject, "", true},
    {"number field takes 5", '5', kAccept, kNumberChars, true},
    {"number field takes 0", '0', kAccept, kNumberChars, true},
    {"number field takes the exclamation mark", '!', kAccept, kNumberChars, true},
    {"number field drops the blank", ' ', kAccept, kNumberChars, false},
    {"number field drops the minus", '-', kAccept, kNumberChars, false},
    {"number field drops a letter", 'a', kAccept, kNumberChars, false},
    {"number field drops the paste shortcut", 0x16, kAccept, kNumberChars, false},
    {"number field drops a byte above 127", 0xE9, kAccept, kNumberChars, false},
    {"number field drops NUL", 0, kAccept, kNumberChars, false},
    {"quote list drops the quote", '"', kReject, kQuote, false},
    {"quote list passes the apostrophe", '\'', kReject, kQuote, true},
    {"quote list passes a letter", 'x', kReject, kQuote, true},
    {"quote list passes the blank", ' ', kReject, kQuote, true},
    {"quote list passes the paste shortcut", 0x16, kReject, kQuote, true},
    {"quote list passes a byte above 127", 0xE9, kReject, kQuote, true},
    {"quote list passes NUL", 0, kReject, kQuote, true},
    {"port field takes 0", '0', kAccept, kPortChars, true},
    {"port field takes 9", '9', kAccept, kPortChars, true},
    {"port field drops the exclamation mark", '!', kAccept, kPortChars, false},
    {"port field drops the minus", '-', kAccept, kPortChars, false},
    {"server field drops the quote", '"', kReject, kServerChars, false},
    {"server field drops the blank", ' ', kReject, kServerChars, false},
    {"server field passes a dot", '.', kReject, kServerChars, true},
    {"server field passes a tab", '\t', kReject, kServerChars, true},
};

INSTANTIATE_TEST_SUITE_P(Lists, CharFilterRule, testing::ValuesIn(kRuleCases), desklet::test::SentenceName{});

TEST(CharFilterRule, EveryByteBehavesOppositelyInTheTwoModes) {
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == CharFilter::kBackspace) {
            continue;
        }
        const bool listed = kNumberChars.find(static_cast<char>(byte)) != std::string::npos;
        EXPECT_EQ(CharFilter::Accepts(byte, kAccept, kNumberChars), listed) << c;
        EXPECT_EQ(CharFilter::Accepts(byte, kReject, kNumberChars), !listed) << c;
        EXPECT_TRUE(CharFilter::Accepts(byte, kReject, "")) << c;
    }
}

struct FilterCase {
    const char* name;
    std::string typed;
    bool rejectListed;
    std::string list;
    std::string kept;
    friend void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }
};

class CharFilterText : public testing::TestWithParam<FilterCase> {};

TEST_P(CharFilterText, KeepsThePassingCharactersInOrder) {
    const FilterCase& c = GetParam();
    EXPECT_EQ(CharFilter::Filter(c.typed, c.rejectListed, c.list), c.kept);
}

const FilterCase kFilterCases[] = {
    {"empty text stays empty", "", kAccept, kNumberChars, ""},
    {"digits among letters", "1a2b3", kAccept, kNumberChars, "123"},
    {"quotes vanish from a sentence", "say \"hi\"", kReject, kQuote, "say hi"},
    {"two-byte character passes reject mode whole", "caf\xc3\xa9", kReject, kQuote, "caf\xc3\xa9"},
    {"two-byte character is dropped whole in accept mode",
     "1\xc3\xa9"
     "2",
     kAccept, kNumberChars, "12"},
    {"four-byte character is dropped whole in accept mode",
     "1\xf0\x9f\x98\x80"
     "2",
     kAccept, kNumberChars, "12"},
    {"a character is dropped whole when one byte is listed", "a\xc3\xa9z", kReject, "\xa9", "az"},
    {"stray continuation byte does not swallow what follows",
     "\x80"
     "5",
     kAccept, kNumberChars, "5"},
    {"truncated character at the end is dropped in accept mode", "5\xc3", kAccept, kNumberChars, "5"},
};

INSTANTIATE_TEST_SUITE_P(Texts, CharFilterText, testing::ValuesIn(kFilterCases), desklet::test::SentenceName{});

} // namespace
