#pragma once

#include "submission/SendOperation.h"
#include "framework/CDialog.h"
#include "settings/MailServerLogin.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QTimer;

namespace desklet {

class CMailItem;
class CSmtpClient;

// "Sending fax..." while the SMTP exchange runs on a worker thread: the number of
// recipients (and, for a job sent as several mails, which mail is going), a bar of
// the message bytes handed to the server over the total, and Cancel. It appears only when the send lasts longer than
// half a second, so a quick send shows nothing but the dialog going away.
//
// The user-interface thread keeps running events meanwhile; the worker is always
// joined before Transfer() returns, so it never outlives the mail item or the
// dialog that started it.
class SendProgressDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 140;
    static constexpr int kShowDelayMs = 500;
    static constexpr int kRefreshMs = 50;
    enum ControlId { IDC_PROGRESS_TEXT = 1040, IDC_PROGRESS_BAR = 1041 };

    SendProgressDlg(int recipientCount, QWidget* parent = nullptr);
    ~SendProgressDlg() override;

    // Connect, send each mail and disconnect on a worker thread while this window runs.
    SendOperation::TransferResult Transfer(const std::vector<CMailItem*>& mails, const std::string& server,
                                           unsigned port);

    // The session's security and login; none unless given.
    void SetLogin(MailServerLogin login) { m_login = std::move(login); }

    // The send operation's transfer through a window of this kind owned by parent.
    static SendOperation::Transfer TransferFor(int recipientCount, QWidget* parent, MailServerLogin login = {});

    // The bar's value in per cent, as the user last saw it.
    int Percent() const;

    void OnCancel() override;

protected:
    void CreateControls() override;

private:
    void Refresh();
    QString Text() const;

    int m_nRecipients;
    QLabel* m_pText = nullptr;
    QProgressBar* m_pBar = nullptr;
    QTimer* m_pTimer = nullptr;
    CSmtpClient* m_pClient = nullptr;
    std::atomic<std::uint64_t> m_sent{0};
    std::atomic<std::uint64_t> m_total{0};
    std::atomic<bool> m_bCancelled{false};
    std::atomic<std::size_t> m_mail{0};
    std::size_t m_nMails = 1;
    MailServerLogin m_login;
};

} // namespace desklet
