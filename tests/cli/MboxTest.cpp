#include "cli/Mbox.h"

#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <string>

using namespace desklet;

namespace {

struct EntryCase {
    const char* name;
    std::string message;
    std::string entry;
    friend void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }
};

class MboxEntry : public testing::TestWithParam<EntryCase> {};

TEST_P(MboxEntry, StandsInTheMailboxAsAReaderTakesItBack) {
    EXPECT_EQ(Mbox::Entry(GetParam().message), GetParam().entry);
}

const EntryCase kEntryCases[] = {
    {"CR LF lines become LF lines", "Subject: x\r\n\r\nbody\r\n", "Subject: x\n\nbody\n\n"},
    {"a From line of the body is quoted", "a\r\nFrom here on\r\n", "a\n>From here on\n\n"},
    {"a quoted From line gets one more quote", ">From x\r\n>>From y\r\n", ">>From x\n>>>From y\n\n"},
    {"the message's first line is quoted too", "From x\r\n", ">From x\n\n"},
    {"the From header stays", "From: ann@example.org\r\n", "From: ann@example.org\n\n"},
    {"From without a blank stays", "Fromage\r\nFrom\r\n", "Fromage\nFrom\n\n"},
    {"a quote inside a line stays", "a >From b\r\n", "a >From b\n\n"},
    {"a last line without a break gets one", "x", "x\n\n"},
    {"a lone CR stays", "a\rb\r\n", "a\rb\n\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MboxEntry, testing::ValuesIn(kEntryCases), desklet::test::SentenceName{});

TEST(MboxFromLine, NamesTheSenderAndTheTimeInAsctimeForm) {
    EXPECT_EQ(Mbox::FromLine("acme@fax.example", 0), "From acme@fax.example Thu Jan  1 00:00:00 1970\n");
    EXPECT_EQ(Mbox::FromLine("a@b", 1700000000), "From a@b Tue Nov 14 22:13:20 2023\n");
    EXPECT_EQ(Mbox::FromLine("a b@c", 0), "From MAILER-DAEMON Thu Jan  1 00:00:00 1970\n");
}

} // namespace
