#include "app/DialogSend.h"

#include "DeskletConfig.h"
#include "app/SendProgressDlg.h"
#include "submission/SendOperation.h"
#include "framework/CDialog.h"
#include "settings/PasswordVault.h"
#include "settings/MailServerLogin.h"

#include <QCoreApplication>

#include <utility>

namespace desklet {

DialogSend::DialogSend(CDialog& dialog, Hooks hooks) : m_dialog(dialog), m_hooks(std::move(hooks)) {}

bool DialogSend::Run(const FaxJob& job, const std::string& documentPath, const CMapStringToString& settings) const {
    CDialog& dialog = m_dialog;
    SendOperation::Ui ui;
    ui.hide = [&dialog] { dialog.ShowWindow(SW_HIDE); };
    ui.show = [&dialog] { dialog.ShowWindow(SW_SHOW); };
    ui.message = [&dialog](const std::string& text, const std::string& caption, SendOperation::Icon icon,
                           const std::string& details) {
        dialog.MessageBox(text, caption, MB_OK | (icon == SendOperation::Icon::Exclamation ? MB_ICONEXCLAMATION : 0U),
                          details);
    };
    ui.translate = [](const char* text) { return QCoreApplication::translate("SendOperation", text).toStdString(); };
    ui.runAccountSettings = m_hooks.accountSettings;
    ui.runMailServerSettings = m_hooks.mailServerSettings;
    ui.keepRecipients = m_hooks.keepRecipients;

    PasswordVault vault;
    const SendOperation::Transfer transfer = SendProgressDlg::TransferFor(
        static_cast<int>(job.recipients.size()), &dialog, MailServerLogin::Read(settings, vault));
    const SendOperation::Config config{std::string(config::GatewayDomain), std::string(config::SenderTag)};
    return SendOperation::Run(job, documentPath, settings, config, ui, transfer) == SendOperation::Failure::None;
}

} // namespace desklet
