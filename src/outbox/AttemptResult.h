#pragma once

#include <string>
#include <vector>

namespace desklet {

// What one try at sending a job came to, as the outbox needs it: the kind of
// ending decides what becomes of the job, the mails say which numbers went.
// FromOutcome.h builds it from the submission's result.
struct AttemptResult {
    enum class Kind {
        Sent,      // every mail was accepted
        MayPass,   // the server could not be reached, the connection broke before an end of
                   // data, or a 4xx reply: another try may go through
        Unknown,   // the end of some mail's data was sent and its answer never came
        Final,     // a failure that will not pass: 5xx, refused login or certificate, too
                   // large, a number rule, a missing document
        Cancelled, // the person stopped it
    };

    struct Mail {
        std::vector<std::string> numbers; // the numbers this mail carries
        std::string messageId;            // as in the header, angle brackets included
        enum class State { NotTried, Accepted, Refused, Unknown } state = State::NotTried;
        std::string finalReply; // the server's reply to the end of data, as it said it
    };

    Kind kind = Kind::Final;
    std::vector<Mail> mails; // in the order sent; empty when the job stopped before composing
    std::string server;
    unsigned port = 0;
    std::string error; // for the person: why it failed, in one line
};

} // namespace desklet
