#include "outbox/MarkingProgress.h"

#include "outbox/FromOutcome.h"

namespace desklet {

bool MarkingProgress::EndOfDataNext(const Outcome& outcome, std::size_t index) {
    if (!Start(outcome, index) || !m_outbox.EndOfDataNext(m_claim, index)) {
        m_heldBack = m_outbox.LastFailure();
        return false;
    }
    return m_inner.EndOfDataNext(outcome, index);
}

void MarkingProgress::MailAnswered(const Outcome& outcome, std::size_t index) {
    const AttemptResult result = FromOutcome(outcome);
    if (index < result.mails.size() && Start(outcome, index)) {
        (void)m_outbox.MailAnswered(m_claim, index, result.mails[index].state, result.mails[index].finalReply);
    }
    m_inner.MailAnswered(outcome, index);
}

bool MarkingProgress::Start(const Outcome& outcome, std::size_t index) {
    if (m_started == index + 1) {
        return true;
    }
    const MailOutcome& mail = outcome.mails[index];
    if (!m_outbox.MailStarting(m_claim, index, mail.numbers, mail.messageId, outcome.server)) {
        return false;
    }
    m_started = index + 1;
    return true;
}

} // namespace desklet
