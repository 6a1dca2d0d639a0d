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

TEST(ConnectionSecurity, APickMovesAPortThatNoOneChoseAndKeepsOneThatSomeoneDid) {
    const struct {
        const char* name;
        std::optional<S> from;
        S to;
        const char* port;
        const char* after;
    } cases[] = {
        {"the old choice's usual port moves along", S::None, S::StartTls, "25", "587"},
        {"an empty port takes the usual one", S::StartTls, S::None, "", "25"},
        {"587 is never right for TLS from the first byte", S::None, S::Tls, "587", "465"},
        {"465 is never right for STARTTLS", S::None, S::StartTls, "465", "587"},
        {"also when the setting named no choice", std::nullopt, S::Tls, "587", "465"},
        {"a typed port stays", S::None, S::Tls, "2525", "2525"},
        {"an encrypted port the new choice can use stays", S::StartTls, S::Tls, "465", "465"},
        {"an encrypted port stays for plain text", S::Tls, S::None, "587", "587"},
        {"the same choice again changes nothing", S::Tls, S::Tls, "", ""},
        {"a port is compared as it was typed", S::None, S::Tls, "0587", "0587"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PortAfterSecurityChange(c.from, c.to, c.port), c.after) << c.name;
    }
}

} // namespace
} // namespace desklet
