#pragma once

#include "mail/CMailItem.h"
#include "submission/FaxSubmission.h"

#include <limits>
#include <string>
#include <vector>

namespace desklet::test {

// A transport that composes each mail as the real one would and takes it, up to
// a point: the mail at index `accepted` ends the session with `ending`'s failure
// and details. It keeps what it was handed.
class FakeTransport : public SmtpTransport {
public:
    std::size_t accepted = std::numeric_limits<std::size_t>::max();
    Outcome ending;

    int sessions = 0;
    MailServer server;
    std::vector<std::string> headers;
    std::vector<std::string> subjects;

    void Deliver(const std::vector<CMailItem*>& mails, const MailServer& to, SubmissionProgress& progress,
                 Outcome& outcome) override {
        ++sessions;
        server = to;
        outcome.mails.resize(mails.size());
        for (std::size_t i = 0; i < mails.size(); ++i) {
            progress.MailStarting(i, mails.size());
            if (!mails[i]->ComposeMessage()) {
                outcome.failure = Failure::DocumentUnreadable;
                outcome.details = mails[i]->GetComposeError();
                return;
            }
            headers.push_back(mails[i]->m_strHeader);
            subjects.push_back(mails[i]->m_strSubject);
            if (i == accepted) {
                const std::vector<MailOutcome> kept = outcome.mails;
                outcome = ending;
                outcome.mails = kept;
                outcome.mails[i].state = ending.Unknown() ? MailOutcome::State::Unknown : MailOutcome::State::Refused;
                return;
            }
            outcome.mails[i].state = MailOutcome::State::Accepted;
            outcome.mails[i].finalReply = "250 queued";
        }
    }
};

} // namespace desklet::test
