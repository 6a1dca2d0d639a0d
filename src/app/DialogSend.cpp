#include "app/DialogSend.h"

#include "app/SendProgressDlg.h"
#include "framework/CDialog.h"
#include "framework/DialogServices.h"
#include "framework/WinConstants.h"
#include "outbox/FromOutcome.h"
#include "outbox/MarkingProgress.h"
#include "outbox/Outbox.h"
#include "phonebook/Database.h"
#include "submission/FaxSubmission.h"
#include "submission/OutcomeText.h"
#include "submission/SmtpClientTransport.h"

#include <QCoreApplication>

#include <optional>
#include <utility>

namespace desklet {

DialogSend::DialogSend(CDialog& dialog, Hooks hooks, QString databasePath)
    : m_dialog(dialog), m_hooks(std::move(hooks)), m_databasePath(std::move(databasePath)) {}

bool DialogSend::AskKeep(const Outcome& outcome) const {
    const OutcomeText said = OutcomeText::For(outcome);
    DialogServices::MessageBoxRequest request;
    request.owner = &m_dialog;
    request.caption = said.caption;
    request.details = said.details;
    request.type = MB_ICONEXCLAMATION;
    request.text =
        said.text + "\n\n" +
        QCoreApplication::translate("DialogSend", "Keep the fax in the Outbox to try it again later?").toStdString();
    request.buttons = {QCoreApplication::translate("DialogSend", "&Keep in Outbox").toStdString(),
                       QCoreApplication::translate("DialogSend", "&Discard").toStdString()};
    return DialogServices::MessageBox(request) == 0;
}

void DialogSend::Tell(const Outcome& outcome) const {
    const OutcomeText said = OutcomeText::For(outcome);
    if (!said.text.empty()) {
        m_dialog.MessageBox(said.text, said.caption,
                            MB_OK | (said.icon == OutcomeText::Icon::Exclamation ? MB_ICONEXCLAMATION : 0U),
                            said.details);
    }
}

bool DialogSend::Run(const FaxJob& job, const std::string& documentPath, const CMapStringToString& settings,
                     std::optional<std::int64_t> replaces) const {
    // What the user typed is told over the dialog, which stays in sight while its
    // message shows; it hides only once the send goes ahead.
    const Outcome checked = FaxSubmission::CheckRecipients(job);
    if (!checked.Sent()) {
        Tell(checked);
        return false;
    }
    m_dialog.ShowWindow(SW_HIDE);

    // The job goes into the sent log before it goes out, with the outbox's own copy
    // of its document (a handed-over file is deleted after the send). A log that
    // cannot be written does not hold the fax back: it goes unrecorded.
    Database database;
    // The outbox keeps a reference to its clock: it lives as long.
    const SystemClock clock;
    std::optional<Outbox> outbox;
    std::optional<ClaimedJob> claim;
    if (!m_databasePath.isEmpty() && database.Open(m_databasePath)) {
        outbox.emplace(database, clock);
        claim = outbox->Record(job, documentPath, settings);
    }
    // Only now that the new job has its own copy may the old one, and its copy, go;
    // and before the first mail, so that no flush sends it meanwhile.
    std::optional<OutboxFailure> notReplaced;
    if (claim && replaces && !outbox->Discard(*replaces)) {
        if (outbox->LastFailure().kind == OutboxFailure::Kind::WrongState) {
            // Since the hand-over the job was taken by another sender, or marked as
            // sent, or ended: sending it from here as well could fax it twice.
            AttemptResult stopped;
            stopped.kind = AttemptResult::Kind::Cancelled;
            (void)outbox->Finish(*claim, stopped, false);
            m_dialog.ShowWindow(SW_SHOW);
            m_dialog.MessageBox(QCoreApplication::translate(
                                    "DialogSend", "The fax was sent or taken from the Outbox meanwhile, so it is not "
                                                  "sent from here. See the Outbox and Sent Faxes before sending it "
                                                  "again.")
                                    .toStdString(),
                                QCoreApplication::translate("DialogSend", "Outbox").toStdString(),
                                MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        // A job gone from the store is nothing to replace; only a failing store is
        // worth a word.
        if (outbox->LastFailure().kind == OutboxFailure::Kind::Database) {
            notReplaced = outbox->LastFailure();
        }
    }
    SmtpClientTransport smtp;
    SendProgressDlg progress(static_cast<int>(job.recipients.size()), smtp, &m_dialog);
    // A recorded job has each mail marked before its end of data goes, as the
    // terminal's send does: a window killed then leaves the job unknown, never
    // sent again by itself. The marks run on this thread, the database's.
    std::optional<MarkingProgress> marking;
    if (claim) {
        marking.emplace(*outbox, *claim, progress);
    }
    const Outcome outcome = claim ? FaxSubmission::Submit(claim->job, claim->documentPath,
                                                          claim->SettingsForTry(settings), progress, *marking)
                                  : FaxSubmission::Submit(job, documentPath, settings, progress, progress);
    // A failure that may pass waits in the outbox until the person says otherwise; one
    // whose answer never came stays there as unknown, whatever is said.
    const bool mayPass = claim && outcome.MayPass() && !outcome.Unknown();
    if (claim) {
        (void)outbox->Finish(*claim, FromOutcome(outcome), true);
    }
    if (notReplaced) {
        m_dialog.MessageBox(notReplaced->Text().toStdString(),
                            QCoreApplication::translate("DialogSend", "Outbox").toStdString(),
                            MB_OK | MB_ICONEXCLAMATION);
    }
    if (outcome.Sent()) {
        return true;
    }
    if (mayPass) {
        // A kept job sends its numbers not yet sent by itself: the list keeps them
        // only when the job is dropped, so that no number goes twice.
        if (!AskKeep(outcome)) {
            (void)outbox->Discard(claim->id);
            if (outcome.PartlySent() && m_hooks.keepRecipients) {
                m_hooks.keepRecipients(outcome.UnsentNumbers());
            }
        }
        m_dialog.ShowWindow(SW_SHOW);
        return false;
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
    if (claim && outcome.Unknown()) {
        OutcomeText said = OutcomeText::For(outcome);
        said.text += "\n\n" + QCoreApplication::translate(
                                  "DialogSend", "The fax is kept in the Outbox as unknown: open the Outbox to send it "
                                                "again or mark it as sent.")
                                  .toStdString();
        m_dialog.MessageBox(said.text, said.caption, MB_OK | MB_ICONEXCLAMATION, said.details);
    } else if (marking && marking->HeldBack()) {
        // The send ended as cancelled, which tells nothing, though the person did
        // not cancel: say why it stopped, and how far it went before.
        const OutcomeText said = OutcomeText::For(outcome);
        std::string text =
            QCoreApplication::translate("DialogSend", "Sending stopped: the Outbox could not record "
                                                      "the fax, and a fax is not sent without its record.")
                .toStdString();
        if (!said.text.empty()) {
            text += "\n\n" + said.text;
        }
        m_dialog.MessageBox(text, QCoreApplication::translate("FaxSubmission", "Error sending Fax").toStdString(),
                            MB_OK | MB_ICONEXCLAMATION, marking->HeldBack()->Text().toStdString());
    } else {
        Tell(outcome);
    }
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
