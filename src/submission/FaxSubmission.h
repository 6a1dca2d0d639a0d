#pragma once

#include "fax/FaxJob.h"
#include "framework/core/CMapStringToString.h"
#include "settings/MailServerLogin.h"
#include "submission/Outcome.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace desklet {

class CMailItem;

// What a transfer tells the one who waits for it, and how that one stops it. The
// calls come from the thread the transport runs on.
class SubmissionProgress {
public:
    virtual ~SubmissionProgress();
    // The mail at index (of count) is about to go.
    virtual void MailStarting(std::size_t index, std::size_t count);
    // Bytes of the current mail's message handed to the server so far, of total.
    virtual void BytesSent(std::uint64_t sent, std::uint64_t total);
    // Polled while the transfer runs; true ends it as soon as it can end.
    virtual bool CancelRequested() const;
    // The end of the data of outcome.mails[index] (its numbers and Message-ID
    // filled, outcome.server the server) is about to be sent: from then on the
    // mail may be faxed. False stops the session before it goes.
    virtual bool EndOfDataNext(const Outcome& outcome, std::size_t index);
    // outcome.mails[index] has its state and final reply: the server's answer, or
    // a refusal (or a stop) before its end of data.
    virtual void MailAnswered(const Outcome& outcome, std::size_t index);
};

// Where the mails go and who logs in there.
struct MailServer {
    std::string name;
    unsigned port = 0;
    MailServerLogin login;
};

// Delivers composed mails.
class SmtpTransport {
public:
    virtual ~SmtpTransport();
    // One session: connect with the server's security and login, send each mail in
    // order, stop at the first one not accepted, say goodbye. Fills each mail's
    // state and final reply (outcome.mails is made as long as mails), the failure
    // and its details, the server and port.
    virtual void Deliver(const std::vector<CMailItem*>& mails, const MailServer& server, SubmissionProgress& progress,
                         Outcome& outcome) = 0;
};

// Turns a fax job into its fax mails and hands them to a transport: checks the
// recipients and the account, composes the fax command and the addresses, attaches
// the document. A job whose numbers cannot share one Subject line goes as several
// mails that differ only in their numbers. Nothing is retried, and nobody is
// talked to: what came of it is the Outcome, for the caller to tell.
class FaxSubmission {
public:
    // The checks of what the user typed, alone: an empty list, a number that
    // breaks a rule (the first such entry). Failure::None when they pass.
    static Outcome CheckRecipients(const FaxJob& job);

    // The whole submission: the checks (recipients, account, document), the
    // composition, the transport's session. Failure::None when the server accepted
    // every fax mail.
    static Outcome Submit(const FaxJob& job, const std::string& documentPath, const CMapStringToString& settings,
                          SmtpTransport& transport, SubmissionProgress& progress);

    // The recipients split into groups whose fax command fits the mail's line
    // limit once folded, in their order; one group when the whole list fits, or
    // when not even one number alone would (the limit is then not the numbers' doing).
    static std::vector<std::vector<std::string>> GroupRecipients(const FaxJob& job, const CMapStringToString& settings);

    // The port text read as the C library's atoi reads it: leading blanks, a sign,
    // then decimal digits; a text without digits gives 0.
    static unsigned ParsePort(const std::string& text);

    // The document path as it goes into the mail: absolute, naming a regular file
    // that can be opened for reading; empty when there is no such file, and then
    // why holds the reason with the path.
    static std::string ResolveDocument(const std::string& path, std::string* why = nullptr);
};

} // namespace desklet
