#pragma once

#include "smtp/CSmtpClient.h"
#include "submission/FaxSubmission.h"

namespace desklet {

// The transport that talks SMTP on the calling thread through its own client.
// Abort() may come from any other thread and makes the session end at once.
class SmtpClientTransport : public SmtpTransport {
public:
    SmtpClientTransport();

    // A security setting that names no choice stops the session before it starts
    // (BadAddress, not connected: the settings are at fault). A mail is Unknown
    // once the end of its data went out without an answer, whatever stopped it.
    void Deliver(const std::vector<CMailItem*>& mails, const MailServer& server, SubmissionProgress& progress,
                 Outcome& outcome) override;

    void Abort() { m_client.Abort(); }
    // The client, for its timeouts and name lookup (tests).
    CSmtpClient& Client() { return m_client; }

private:
    CSmtpClient m_client;
};

} // namespace desklet
