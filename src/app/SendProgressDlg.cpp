#include "app/SendProgressDlg.h"

#include "smtp/CSmtpClient.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace desklet {

SendProgressDlg::SendProgressDlg(int recipientCount, QWidget* parent)
    : CDialog(kTemplateId, parent), m_nRecipients(recipientCount) {
    SetShowDelay(kShowDelayMs);
}

SendProgressDlg::~SendProgressDlg() = default;

void SendProgressDlg::CreateControls() {
    setWindowTitle(QStringLiteral("Sending fax..."));
    auto* layout = new QVBoxLayout(this);
    m_pText = new QLabel(Text(), this);
    SetDlgItemId(*m_pText, IDC_PROGRESS_TEXT);
    m_pBar = new QProgressBar(this);
    m_pBar->setRange(0, 100);
    m_pBar->setValue(0);
    m_pBar->setAccessibleName(m_pText->text());
    SetDlgItemId(*m_pBar, IDC_PROGRESS_BAR);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
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
    const QString recipients =
        m_nRecipients == 1 ? QStringLiteral("1 recipient") : QStringLiteral("%1 recipients").arg(m_nRecipients);
    if (m_nMails <= 1) {
        return QStringLiteral("Sending fax... (%1)").arg(recipients);
    }
    const std::size_t mail = std::min(m_mail.load() + 1, m_nMails);
    return QStringLiteral("Sending fax... (%1, mail %2 of %3)").arg(recipients).arg(mail).arg(m_nMails);
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
    if (m_pClient != nullptr) {
        m_pClient->Abort();
    }
    EndDialog(IDCANCEL);
}

SendOperation::Transfer SendProgressDlg::TransferFor(int recipientCount, QWidget* parent, MailServerLogin login) {
    return [recipientCount, parent, login](const std::vector<CMailItem*>& mails, const std::string& server,
                                           unsigned port) {
        SendProgressDlg progress(recipientCount, parent);
        progress.SetLogin(login);
        return progress.Transfer(mails, server, port);
    };
}

SendOperation::TransferResult SendProgressDlg::Transfer(const std::vector<CMailItem*>& mails,
                                                         const std::string& server, unsigned port) {
    m_nMails = std::max<std::size_t>(1, mails.size());
    m_mail = 0;
    CSmtpClient client("", 25);
    if (!m_login.ApplyTo(client)) {
        return SendOperation::SettingRefused(server, port, m_login.UnknownText());
    }
    EnsureControlsCreated();
    client.SetProgressCallback([this](std::uint64_t sent, std::uint64_t total) {
        m_total = total;
        m_sent = sent;
    });
    m_pClient = &client;
    m_bCancelled = false;

    SendOperation::TransferResult result;
    m_pTimer->start();
    std::thread worker([&] {
        result = SendOperation::TransferOverSmtp(client, mails, server, port, [this](std::size_t index) {
            m_sent = 0;
            m_mail = index;
        });
        // Ends the modal run from the user-interface thread.
        QMetaObject::invokeMethod(
            this, [this] { EndDialog(IDOK); }, Qt::QueuedConnection);
    });
    DoModal();
    worker.join();
    m_pTimer->stop();
    Refresh();
    m_pClient = nullptr;

    // A message the server accepted counts as sent even when Cancel came during
    // the goodbye: telling the user otherwise would make them send it twice.
    if (m_bCancelled && !result.Sent()) {
        result.failure = SendOperation::Failure::Cancelled;
    }
    return result;
}

} // namespace desklet
