#include "outbox/FromOutcome.h"

#include "submission/Outcome.h"

namespace desklet {

AttemptResult FromOutcome(const Outcome& outcome) {
    AttemptResult result;
    if (outcome.Sent()) {
        result.kind = AttemptResult::Kind::Sent;
    } else if (outcome.Unknown()) {
        result.kind = AttemptResult::Kind::Unknown;
    } else if (outcome.failure == Failure::Cancelled) {
        result.kind = AttemptResult::Kind::Cancelled;
    } else if (outcome.MayPass()) {
        result.kind = AttemptResult::Kind::MayPass;
    } else {
        result.kind = AttemptResult::Kind::Final;
    }
    for (const MailOutcome& mail : outcome.mails) {
        AttemptResult::Mail out;
        out.numbers = mail.numbers;
        out.messageId = mail.messageId;
        out.finalReply = mail.finalReply;
        switch (mail.state) {
        case MailOutcome::State::NotTried:
            out.state = AttemptResult::Mail::State::NotTried;
            break;
        case MailOutcome::State::Accepted:
            out.state = AttemptResult::Mail::State::Accepted;
            break;
        case MailOutcome::State::Refused:
            out.state = AttemptResult::Mail::State::Refused;
            break;
        case MailOutcome::State::Unknown:
            out.state = AttemptResult::Mail::State::Unknown;
            break;
        }
        result.mails.push_back(std::move(out));
    }
    result.server = outcome.server;
    result.port = outcome.port;
    // The server's own words where it gave any, else our account of the failure.
    result.error = !outcome.lastReply.empty() ? outcome.lastReply : outcome.details;
    return result;
}

} // namespace desklet
