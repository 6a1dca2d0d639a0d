#include "app/DialogSend.h"

#include "app/SendProgressDlg.h"
#include "framework/CDialog.h"
#include "submission/FaxSubmission.h"
#include "submission/OutcomeText.h"
#include "submission/SmtpClientTransport.h"

#include <utility>

namespace desklet {

DialogSend::DialogSend(CDialog& dialog, Hooks hooks) : m_dialog(dialog), m_hooks(std::move(hooks)) {}

void DialogSend::Tell(const Outcome& outcome) const {
    const OutcomeText said = OutcomeText::For(outcome);
    if (!said.text.empty()) {
        m_dialog.MessageBox(said.text, said.caption,
                            MB_OK | (said.icon == OutcomeText::Icon::Exclamation ? MB_ICONEXCLAMATION : 0U),
                            said.details);
    }
}

bool DialogSend::Run(const FaxJob& job, const std::string& documentPath, const CMapStringToString& settings) const {
    // What the user typed is told over the dialog, which stays in sight while its
    // message shows; it hides only once the send goes ahead.
    const Outcome checked = FaxSubmission::CheckRecipients(job);
    if (!checked.Sent()) {
        Tell(checked);
        return false;
    }
    m_dialog.ShowWindow(SW_HIDE);

    SmtpClientTransport smtp;
    SendProgressDlg progress(static_cast<int>(job.recipients.size()), smtp, &m_dialog);
    const Outcome outcome = FaxSubmission::Submit(job, documentPath, settings, progress, progress);
    if (outcome.Sent()) {
        return true;
    }
    if (outcome.failure == Failure::NoAccount) {
        // The dialog comes back first, so that the sheet opens over it.
        m_dialog.ShowWindow(SW_SHOW);
        Tell(outcome);
        if (m_hooks.accountSettings) {
            m_hooks.accountSettings();
        }
        return false;
    }
    if (outcome.PartlySent() && m_hooks.keepRecipients) {
        m_hooks.keepRecipients(outcome.UnsentNumbers());
    }
    Tell(outcome);
    m_dialog.ShowWindow(SW_SHOW);
    // As the missing account opens the account page, a refused login opens the
    // page where the login is set, over the dialog.
    if (outcome.failure == Failure::LoginRefused) {
        if (m_hooks.mailServerSettings) {
            m_hooks.mailServerSettings();
        } else if (m_hooks.accountSettings) {
            m_hooks.accountSettings();
        }
    }
    return false;
}

} // namespace desklet
