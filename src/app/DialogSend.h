#pragma once

#include "fax/FaxJob.h"
#include "framework/core/CMapStringToString.h"

#include <functional>
#include <string>
#include <vector>

namespace desklet {

class CDialog;

// The send operation run from a dialog: the dialog hides while the fax mails go
// and comes back for every message, which it owns; the transfer runs under the
// progress window with the login from the settings and the keyring. What needs
// the dialog's own hand, its settings sheet and its list of numbers, goes to the
// hooks.
class DialogSend {
public:
    struct Hooks {
        std::function<void()> accountSettings;
        // The settings at the mail server's page, after a refused login.
        std::function<void()> mailServerSettings;
        // After a partial send: the numbers not yet faxed, in their order.
        std::function<void(const std::vector<std::string>& remaining)> keepRecipients;
    };

    DialogSend(CDialog& dialog, Hooks hooks);

    // True when the server accepted every fax mail; the user has been told of
    // anything else.
    [[nodiscard]] bool Run(const FaxJob& job, const std::string& documentPath,
                           const CMapStringToString& settings) const;

private:
    CDialog& m_dialog;
    Hooks m_hooks;
};

} // namespace desklet
