#include "settings/ConnectionSecurity.h"

#include <gtest/gtest.h>

#include <optional>

namespace desklet {
namespace {

using S = ConnectionSecurity;

TEST(ConnectionSecurity, TheSettingsTextIsReadInAnyAsciiCaseAndNothingElseCountsAsNone) {
    const struct {
        const char* text;
        std::optional<S> read;
    } cases[] = {
        {"", S::None},
        {"none", S::None},
        {"STARTTLS", S::StartTls},
        {"Tls", S::Tls},
        {"ssl", std::nullopt},
        {"starttls ", std::nullopt},
        {"STARTLS", std::nullopt},
        // A dotless capital I (U+0130) is no 'i' here, whatever the locale says.
        {"STARTTL\xC4\xB0", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseConnectionSecurity(c.text), c.read) << '"' << c.text << '"';
    }
    for (const S s : kConnectionSecurityChoices) {
        EXPECT_EQ(ParseConnectionSecurity(ConnectionSecurityText(s)), s);
    }
}

} // namespace
} // namespace desklet
