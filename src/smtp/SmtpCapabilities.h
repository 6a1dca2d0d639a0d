#pragma once

#include <cstdint>
#include <string_view>

namespace desklet {

// What a server's EHLO reply offers, as far as this client cares. The parse is
// pure and total: any bytes give some answer, never a fault. Keywords are matched
// without regard to ASCII case (RFC 5321 section 4.1.1.1), never by the locale.
struct SmtpCapabilities {
    bool startTls = false;  // RFC 3207
    bool authPlain = false; // RFC 4954 with RFC 4616
    bool authLogin = false; // the widespread LOGIN mechanism
    bool size = false;      // RFC 1870
    // The largest message the server takes, in octets; 0 when it names no limit.
    std::uint64_t sizeLimit = 0;

    // Reads a whole reply ("250-name greets you\r\n250-SIZE 1000\r\n250 STARTTLS\r\n").
    // The first line is the server's greeting, not a keyword. Lines may end in CR LF
    // or a bare LF; a line that is not "code, separator, text" is skipped.
    static SmtpCapabilities Parse(std::string_view reply);
};

} // namespace desklet
