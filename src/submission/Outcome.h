#pragma once

#include "fax/FaxNumberRules.h"
#include "smtp/CSmtpClient.h"

#include <cstdint>
#include <string>
#include <vector>

namespace desklet {

// Why a fax job stopped; None when every one of its mails was accepted. Callers
// decide by this, never by the text shown for it (OutcomeText).
enum class Failure {
    None,
    NoRecipients,          // the list is empty
    NumberRefused,         // an entry breaks a number rule
    NoAccount,             // no account name: the settings must be completed first
    DocumentMissing,       // the document is not a readable file
    DocumentUnreadable,    // the document could not be read whole while composing
    BadAddress,            // an address or a setting of the server cannot go on the wire
    Connect,               // the server could not be reached
    TurnedAway,            // the server answered the connection with a refusal for good (5xx)
    NameNotFound,          // the server's name gave no address
    ConnectionRefused,     // the server refused the connection on the port
    Timeout,               // no answer in time: while connecting, or mid-session before the end of the message
    PlainTextServer,       // TLS from the first byte was asked of a port that greets in plain text
    Temporary,             // a 4xx reply: the server refused for now
    Permanent,             // a 5xx reply: the server refused for good
    Protocol,              // a reply that makes no sense, before the end of the message
    ConnectionLost,        // the connection broke before the end of the message was sent
    LoginRefused,          // the server refused the account's login
    CertificateRefused,    // the server's certificate could not be trusted
    TooLarge,              // the server will not take a message of this size
    EncryptionUnavailable, // encryption was asked for and the server does not offer it
    LoginUnavailable,      // no login possible: no encryption asked for, or no method the server offers
    Cancelled,             // the user stopped the transfer before the end of the message went
    AnswerMissing,         // the end of the message was sent and its answer never came: the fax may have gone
};

// One mail of a job, in the order the mails were sent.
struct MailOutcome {
    enum class State {
        NotTried, // the session ended before this mail was offered
        Accepted, // the server took it
        Refused,  // it did not go: the server refused it, or the session failed before its end was sent
        Unknown,  // its end was sent and no answer came (Failure::AnswerMissing)
    };

    std::vector<std::string> numbers; // the fax numbers this mail carries
    // Its Message-ID, angle brackets included as in the header; empty for a mail
    // never composed.
    std::string messageId;
    State state = State::NotTried;
    // The server's reply to the end of the data, made printable ("250 2.0.0 Ok:
    // queued as 4F2A1"); empty when none came.
    std::string finalReply;
};

// What became of one fax job.
struct Outcome {
    Failure failure = Failure::None;
    // One per mail; empty when the job stopped before composing.
    std::vector<MailOutcome> mails;
    // The server and port tried; empty and 0 when the transfer never got that far.
    std::string server;
    unsigned port = 0;
    // False when the failure came before the first mail could be offered.
    bool connected = true;
    // What went wrong in our words, when the server's reply does not say it: the
    // client's account of it, or why a setting or the document stopped the send.
    std::string details;
    // The server's last reply as it said it (made printable), and the system's
    // reason for a failure of the connection; each empty when there is none.
    std::string lastReply;
    std::string systemReason;
    // Why the server's certificate was refused, and the message's size against the
    // server's limit.
    CSmtpClient::CertificateProblem certificate = CSmtpClient::CertificateProblem::None;
    std::uint64_t messageSize = 0;
    std::uint64_t sizeLimit = 0;
    // For NumberRefused: the entry and the rule it breaks.
    std::string refusedNumber;
    FaxNumberRules::Rule numberRule = FaxNumberRules::Rule::None;

    bool Sent() const { return failure == Failure::None; }
    // A failure that may pass on a later try: the server could not be reached, the
    // connection broke before the end of a message was sent, or a 4xx reply.
    bool MayPass() const;
    // The end of some mail's message was sent and its answer never came.
    bool Unknown() const { return failure == Failure::AnswerMissing; }
    // Some mails were accepted and some not.
    bool PartlySent() const;
    // The numbers of the accepted mails, and those of every other mail (a mail
    // whose answer is missing included: Unknown() says so), each in their order.
    std::vector<std::string> SentNumbers() const;
    std::vector<std::string> UnsentNumbers() const;
};

} // namespace desklet
