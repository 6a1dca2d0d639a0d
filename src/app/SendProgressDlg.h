#pragma once

#include "framework/CDialog.h"
#include "submission/FaxSubmission.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QTimer;

namespace desklet {

class SmtpClientTransport;

// "Sending fax..." while the SMTP exchange runs on a worker thread: the number of
// recipients (and, for a job sent as several mails, which mail is going), a bar of
// the message bytes handed to the server over the total, and Cancel, which aborts
// the session at once. It appears only when the send lasts longer than half a
// second, so a quick send shows nothing but the dialog going away.
//
// As a transport it hands the mails to the one it wraps on the worker and keeps
// the user-interface thread running events meanwhile; the worker is always joined
// before Deliver() returns, so it never outlives the mails or the dialog that
// started it. The caller's progress hears of each mail's end of data and answer
// on the user-interface thread, where the outbox's database connection lives.
class SendProgressDlg : public CDialog, public SmtpTransport, public SubmissionProgress {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 140;
    static constexpr int kShowDelayMs = 500;
    static constexpr int kRefreshMs = 50;
    enum ControlId { IDC_PROGRESS_TEXT = 1040, IDC_PROGRESS_BAR = 1041 };

    SendProgressDlg(int recipientCount, SmtpClientTransport& transport, QWidget* parent = nullptr);
    ~SendProgressDlg() override;

    // The wrapped transport's session on a worker thread while this window runs.
    // The bytes and the mail going show in this window; progress is asked whether
    // each mail's end of data may go (EndOfDataNext) and told its answer
    // (MailAnswered) on the calling thread, while the worker waits for it. After
    // Cancel no end of data goes: progress is not asked, and hears of the mail's
    // stop as of any.
    void Deliver(const std::vector<CMailItem*>& mails, const MailServer& server, SubmissionProgress& progress,
                 Outcome& outcome) override;

    // The bar's value in per cent, as the user last saw it.
    int Percent() const;

    void OnCancel() override;

protected:
    void CreateControls() override;

private:
    void MailStarting(std::size_t index, std::size_t count) override;
    void BytesSent(std::uint64_t sent, std::uint64_t total) override;
    bool CancelRequested() const override { return m_bCancelled; }

    class Relay;

    void Refresh();
    QString Text() const;
    // From the worker: runs the call on the user-interface thread and waits for
    // its answer.
    bool OnUiThread(const std::function<bool()>& call);
    // On the user-interface thread: runs the call the worker waits on, if any.
    void ServeCall();

    int m_nRecipients;
    SmtpClientTransport& m_transport;
    QLabel* m_pText = nullptr;
    QProgressBar* m_pBar = nullptr;
    QTimer* m_pTimer = nullptr;
    std::atomic<std::uint64_t> m_sent{0};
    std::atomic<std::uint64_t> m_total{0};
    std::atomic<bool> m_bCancelled{false};
    std::atomic<std::size_t> m_mail{0};
    std::size_t m_nMails = 1;

    // The one call of the caller's progress the worker waits on, and its answer.
    std::mutex m_callMutex;
    std::condition_variable m_callChanged;
    const std::function<bool()>* m_pCall = nullptr;
    bool m_bAnswered = false;
    bool m_bAnswer = false;
    bool m_bWorkerDone = false;
};

} // namespace desklet
