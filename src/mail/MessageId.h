#pragma once

#include <string>
#include <string_view>

namespace desklet {

// The Message-ID of an outgoing mail (RFC 5322 section 3.6.4): "<random@domain>".
// The random part is 128 bits from the kernel's generator in hex, so two mails
// never share one; the domain is the sender's, so the identifier says who made it.
namespace MessageId {

// A new identifier, angle brackets included. Empty when the system gives no
// random bytes at all: a mail without the line is better than one with a guess.
std::string Make(std::string_view sender);

// The part of the sender's address after its last "@" when it is a host name of
// letters, digits, hyphens and dots (RFC 1035 labels); anything else, which could
// break the line or the identifier's syntax, gives kFallbackDomain.
std::string Domain(std::string_view sender);

inline constexpr std::string_view kFallbackDomain = "desklet.invalid";

} // namespace MessageId

} // namespace desklet
