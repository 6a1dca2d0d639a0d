#pragma once

#include "fax/FaxJob.h"
#include "framework/core/CMapStringToString.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace desklet {

class CDialog;
struct Outcome;

// The fax submission run from a dialog: the dialog hides once what the user typed
// passed its checks, the mails go under the progress window, and the dialog comes
// back on every stop with the outcome's message over it. What needs the dialog's
// own hand, its settings sheet and its list of numbers, goes to the hooks.
class DialogSend {
public:
    struct Hooks {
        std::function<void()> accountSettings;
        // The settings at the mail server's page, after a refused login.
        std::function<void()> mailServerSettings;
        // After a partial send: the numbers not yet faxed, in their order.
        std::function<void(const std::vector<std::string>& remaining)> keepRecipients;
    };

    // databasePath: the sent log and the outbox every send is recorded in; empty
    // sends without a record.
    DialogSend(CDialog& dialog, Hooks hooks, QString databasePath);

    // True when the server accepted every fax mail; the user has been told of
    // anything else. replaces: an outbox job this send takes the place of; it is
    // discarded once the new job is recorded, and left as it is where that fails.
    [[nodiscard]] bool Run(const FaxJob& job, const std::string& documentPath, const CMapStringToString& settings,
                           std::optional<std::int64_t> replaces = std::nullopt) const;

private:
    void Tell(const Outcome& outcome) const;
    // The failure's box with its choice; true when the person keeps the job.
    bool AskKeep(const Outcome& outcome) const;

    CDialog& m_dialog;
    Hooks m_hooks;
    QString m_databasePath;
};

} // namespace desklet
