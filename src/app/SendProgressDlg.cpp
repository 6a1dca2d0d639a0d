#include "app/SendProgressDlg.h"

#include "submission/SmtpClientTransport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>
#include <utility>

namespace desklet {

// The window as the worker sees it: the bytes and the mail going straight to the
// window (atomics the timer reads), each end of data and answer to the caller's
// progress on the user-interface thread.
//
// The caller reads the Outcome there while the worker writes it: safe, as the
// worker fills a mail's fields before it asks and touches the Outcome again only
// once it has the answer, and the hand-over of the call and of its answer under
// m_callMutex orders those writes with the caller's reads.
class SendProgressDlg::Relay : public SubmissionProgress {
public:
    Relay(SendProgressDlg& dialog, SubmissionProgress& caller) : m_dialog(dialog), m_caller(caller) {}

    void MailStarting(std::size_t index, std::size_t count) override { m_dialog.MailStarting(index, count); }
    void BytesSent(std::uint64_t sent, std::uint64_t total) override { m_dialog.BytesSent(sent, total); }
    bool CancelRequested() const override { return m_dialog.CancelRequested(); }

    bool EndOfDataNext(const Outcome& outcome, std::size_t index) override {
        return m_dialog.OnUiThread([&] {
            // A Cancel that came while the worker waited holds the end of data back,
            // as the client's own last look before that line does, and the caller
            // marks nothing for a mail that will not go.
            return !m_dialog.m_bCancelled && m_caller.EndOfDataNext(outcome, index);
        });
    }
    void MailAnswered(const Outcome& outcome, std::size_t index) override {
        (void)m_dialog.OnUiThread([&] {
            m_caller.MailAnswered(outcome, index);
            return true;
        });
    }

private:
    SendProgressDlg& m_dialog;
    SubmissionProgress& m_caller;
};

SendProgressDlg::SendProgressDlg(int recipientCount, SmtpClientTransport& transport, QWidget* parent)
    : CDialog(kTemplateId, parent), m_nRecipients(recipientCount), m_transport(transport) {
    SetShowDelay(kShowDelayMs);
}

SendProgressDlg::~SendProgressDlg() = default;

void SendProgressDlg::CreateControls() {
    setWindowTitle(tr("Sending fax..."));
    auto* layout = new QVBoxLayout(this);
    m_pText = new QLabel(Text(), this);
    SetDlgItemId(*m_pText, IDC_PROGRESS_TEXT);
    m_pBar = new QProgressBar(this);
    m_pBar->setRange(0, 100);
    m_pBar->setValue(0);
    m_pBar->setAccessibleName(m_pText->text());
    SetDlgItemId(*m_pBar, IDC_PROGRESS_BAR);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    SetDlgItemId(*cancel, IDCANCEL);
    layout->addWidget(m_pText);
    layout->addWidget(m_pBar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    setMinimumWidth(DialogUnitsToPixels(180, 0).width());

    m_pTimer = new QTimer(this);
    m_pTimer->setInterval(kRefreshMs);
    connect(m_pTimer, &QTimer::timeout, this, [this] { Refresh(); });
}

QString SendProgressDlg::Text() const {
    // Whole sentences, so that a translation can order them its own way; the
    // English singular has a text of its own, as no English translation is loaded.
    if (m_nMails <= 1) {
        return m_nRecipients == 1 ? tr("Sending fax... (1 recipient)")
                                  : tr("Sending fax... (%n recipients)", nullptr, m_nRecipients);
    }
    const auto mail = static_cast<qulonglong>(std::min(m_mail.load() + 1, m_nMails));
    const QString text = m_nRecipients == 1
                             ? tr("Sending fax... (1 recipient, mail %1 of %2)")
                             : tr("Sending fax... (%n recipients, mail %1 of %2)", nullptr, m_nRecipients);
    return text.arg(mail).arg(static_cast<qulonglong>(m_nMails));
}

void SendProgressDlg::Refresh() {
    const std::uint64_t total = m_total.load();
    const std::uint64_t sent = m_sent.load();
    const std::uint64_t mail = std::min<std::uint64_t>(m_mail.load(), m_nMails - 1);
    // Every mail of a split job carries the same document: each is an equal share.
    const std::uint64_t ofMail = total == 0 ? 0 : std::min<std::uint64_t>(100, sent * 100 / total);
    const int percent = static_cast<int>((mail * 100 + ofMail) / m_nMails);
    if (m_nMails > 1 && m_pText->text() != Text()) {
        m_pText->setText(Text());
        m_pBar->setAccessibleName(m_pText->text());
    }
    // The bar never goes back, whatever order the updates come in.
    if (percent > m_pBar->value()) {
        m_pBar->setValue(percent);
    }
}

int SendProgressDlg::Percent() const {
    return m_pBar ? m_pBar->value() : 0;
}

void SendProgressDlg::OnCancel() {
    m_bCancelled = true;
    m_transport.Abort();
    EndDialog(IDCANCEL);
}

void SendProgressDlg::MailStarting(std::size_t index, std::size_t) {
    m_sent = 0;
    m_mail = index;
}

void SendProgressDlg::BytesSent(std::uint64_t sent, std::uint64_t total) {
    m_total = total;
    m_sent = sent;
}

bool SendProgressDlg::OnUiThread(const std::function<bool()>& call) {
    {
        const std::lock_guard lock(m_callMutex);
        m_pCall = &call;
        m_bAnswered = false;
    }
    m_callChanged.notify_all();
    // While the window's loop runs it serves the call; once that loop has ended,
    // Deliver's wait for the worker does. Whichever comes second finds nothing.
    QMetaObject::invokeMethod(
        this, [this] { ServeCall(); }, Qt::QueuedConnection);
    std::unique_lock lock(m_callMutex);
    m_callChanged.wait(lock, [this] { return m_bAnswered; });
    return m_bAnswer;
}

void SendProgressDlg::ServeCall() {
    std::unique_lock lock(m_callMutex);
    const std::function<bool()>* call = std::exchange(m_pCall, nullptr);
    if (call == nullptr) {
        return;
    }
    lock.unlock();
    const bool answer = (*call)();
    lock.lock();
    m_bAnswer = answer;
    m_bAnswered = true;
    lock.unlock();
    m_callChanged.notify_all();
}

void SendProgressDlg::Deliver(const std::vector<CMailItem*>& mails, const MailServer& server,
                              SubmissionProgress& progress, Outcome& outcome) {
    m_nMails = std::max<std::size_t>(1, mails.size());
    m_mail = 0;
    EnsureControlsCreated();
    m_bCancelled = false;
    {
        const std::lock_guard lock(m_callMutex);
        m_pCall = nullptr;
        m_bWorkerDone = false;
    }
    m_pTimer->start();
    Relay relay(*this, progress);
    std::thread worker([&] {
        m_transport.Deliver(mails, server, relay, outcome);
        {
            const std::lock_guard lock(m_callMutex);
            m_bWorkerDone = true;
        }
        m_callChanged.notify_all();
        // Ends the modal run from the user-interface thread.
        QMetaObject::invokeMethod(
            this, [this] { EndDialog(IDOK); }, Qt::QueuedConnection);
    });
    DoModal();
    // After Cancel the window's loop has ended while the worker may still wait on
    // the caller's progress: a mark before an end of data, an answer to record.
    // Joining at once would wait for ever. The calls are served here until the
    // worker ends (soon: Cancel aborted its session), with no event loop running,
    // so that nothing the person does meanwhile reaches a window.
    {
        std::unique_lock lock(m_callMutex);
        while (!m_bWorkerDone) {
            if (m_pCall != nullptr) {
                lock.unlock();
                ServeCall();
                lock.lock();
            } else {
                m_callChanged.wait(lock);
            }
        }
    }
    worker.join();
    m_pTimer->stop();
    Refresh();

    // A message the server accepted counts as sent even when Cancel came during
    // the goodbye: telling the user otherwise would make them send it twice. For
    // the same reason a message whose end went out stays unknown.
    if (m_bCancelled && !outcome.Sent() && !outcome.Unknown()) {
        outcome.failure = Failure::Cancelled;
    }
}

} // namespace desklet
