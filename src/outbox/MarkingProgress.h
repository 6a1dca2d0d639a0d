#pragma once

#include "outbox/Outbox.h"
#include "submission/FaxSubmission.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace desklet {

// Passes the transfer's news on, and marks each mail in the outbox before its end
// of data goes and when its answer comes. A mark that cannot be made holds the mail
// back: a job whose record is not sure must not be faxed.
//
// The marks use the outbox's database connection, so EndOfDataNext and
// MailAnswered must come on the thread that opened it; a transport running on
// another thread relays them there (the window's progress does).
class MarkingProgress : public SubmissionProgress {
public:
    MarkingProgress(Outbox& outbox, const ClaimedJob& claim, SubmissionProgress& inner)
        : m_outbox(outbox), m_claim(claim), m_inner(inner) {}

    void MailStarting(std::size_t index, std::size_t count) override { m_inner.MailStarting(index, count); }
    void BytesSent(std::uint64_t sent, std::uint64_t total) override { m_inner.BytesSent(sent, total); }
    bool CancelRequested() const override { return m_inner.CancelRequested(); }

    bool EndOfDataNext(const Outcome& outcome, std::size_t index) override;
    void MailAnswered(const Outcome& outcome, std::size_t index) override;

    // Why a mail was held back, when its mark could not be made: the transfer
    // then ends as cancelled, and only this says it was not the person's doing.
    const std::optional<OutboxFailure>& HeldBack() const { return m_heldBack; }

private:
    // Names the mail to the outbox once, before its first mark.
    bool Start(const Outcome& outcome, std::size_t index);

    Outbox& m_outbox;
    const ClaimedJob& m_claim;
    SubmissionProgress& m_inner;
    std::size_t m_started = 0; // the index after the mail named last
    std::optional<OutboxFailure> m_heldBack;
};

} // namespace desklet
