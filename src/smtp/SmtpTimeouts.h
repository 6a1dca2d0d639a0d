#pragma once

#include <chrono>

namespace desklet {

// How long the client waits for each step of a session. The defaults are the
// minimums RFC 5321 section 4.5.3.2 asks a client to allow; tests and callers
// that know better set their own.
struct SmtpTimeouts {
    using Duration = std::chrono::milliseconds;

    // Name resolution and the TCP handshake together, over every address tried.
    static constexpr Duration kConnect = std::chrono::seconds(30);
    // The 220 greeting (section 4.5.3.2.1).
    static constexpr Duration kGreetingReply = std::chrono::minutes(5);
    // HELO/EHLO, STARTTLS, AUTH, MAIL and RCPT replies (sections 4.5.3.2.2 and 4.5.3.2.3). The RFC has no
    // figure of its own for HELO and QUIT; they get the same.
    static constexpr Duration kCommandReply = std::chrono::minutes(5);
    // The 354 answer to DATA (section 4.5.3.2.4).
    static constexpr Duration kDataReply = std::chrono::minutes(2);
    // The answer to the end-of-data line: the server may be filtering or storing a
    // large message (section 4.5.3.2.6).
    static constexpr Duration kDataEndReply = std::chrono::minutes(10);
    // A send that makes no progress at all for this long (section 4.5.3.2.5).
    static constexpr Duration kSendStall = std::chrono::minutes(3);
    // The whole TLS handshake. No RFC gives a figure; a handshake is a few round
    // trips, so a minute leaves room for a slow server without a long hang.
    static constexpr Duration kTlsHandshake = std::chrono::minutes(1);

    Duration connect = kConnect;
    Duration greetingReply = kGreetingReply;
    Duration heloReply = kCommandReply;
    Duration mailReply = kCommandReply;
    Duration rcptReply = kCommandReply;
    Duration dataReply = kDataReply;
    Duration dataEndReply = kDataEndReply;
    Duration quitReply = kCommandReply;
    Duration sendStall = kSendStall;
    Duration tlsHandshake = kTlsHandshake;

    // Every limit the same; handy where only "short" or "long" matters.
    static SmtpTimeouts Uniform(Duration limit) {
        return SmtpTimeouts{limit, limit, limit, limit, limit, limit, limit, limit, limit, limit};
    }
};

} // namespace desklet
