#include "smtp/SmtpCapabilities.h"

#include <gtest/gtest.h>

#include <string>

namespace desklet {
namespace {

using namespace std::string_literals;

struct CapabilityCase {
    const char* name;
    std::string reply;
    bool startTls, plain, login, size;
    std::uint64_t limit;
};

class Capabilities : public ::testing::TestWithParam<CapabilityCase> {};

TEST_P(Capabilities, AreReadFromTheEhloReply) {
    const CapabilityCase& c = GetParam();
    const SmtpCapabilities parsed = SmtpCapabilities::Parse(c.reply);
    EXPECT_EQ(parsed.startTls, c.startTls);
    EXPECT_EQ(parsed.authPlain, c.plain);
    EXPECT_EQ(parsed.authLogin, c.login);
    EXPECT_EQ(parsed.size, c.size);
    EXPECT_EQ(parsed.sizeLimit, c.limit);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Capabilities,
    ::testing::Values(
        CapabilityCase{"usual_reply", "250-mx greets\r\n250-SIZE 35882577\r\n250-AUTH PLAIN LOGIN\r\n250 STARTTLS\r\n",
                       true, true, true, true, 35882577},
        CapabilityCase{"keywords_in_any_ascii_case", "250-mx\r\n250-starttls\r\n250 Auth login\r\n", true, false, true,
                       false, 0},
        CapabilityCase{"old_auth_equals_form", "250-mx\r\n250 AUTH=LOGIN\r\n", false, false, true, false, 0},
        CapabilityCase{"greeting_line_is_not_a_keyword", "250-STARTTLS\r\n250 8BITMIME\r\n", false, false, false, false,
                       0},
        CapabilityCase{"single_line_reply_offers_nothing", "250 mx.example\r\n", false, false, false, false, 0},
        CapabilityCase{"bare_line_feeds_and_tabs", "250-mx\n250-AUTH\tCRAM-MD5\tPLAIN\n250 SIZE\n", false, true, false,
                       true, 0},
        CapabilityCase{"size_that_overflows_names_no_limit", "250-mx\r\n250 SIZE 99999999999999999999999\r\n", false,
                       false, false, true, 0},
        CapabilityCase{"keyword_must_be_whole", "250-mx\r\n250-STARTTLSX\r\n250-AUTHX PLAIN\r\n250 SIZEABLE 5\r\n",
                       false, false, false, false, 0},
        CapabilityCase{"mechanisms_we_do_not_speak", "250-mx\r\n250 AUTH CRAM-MD5 XOAUTH2 PLAINX\r\n", false, false,
                       false, false, 0},
        CapabilityCase{"malformed_and_hostile_lines_are_skipped",
                       "250-mx\r\n25\r\n250\r\n" + std::string(100000, 'A') + "\r\n\0\r\n250+STARTTLS\r\n"s +
                           "250 \xC4\xB0STARTTLS\r\n",
                       false, false, false, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace desklet
