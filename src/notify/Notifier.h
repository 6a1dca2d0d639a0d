#pragma once

#include <QDBusConnection>

#include <string>
#include <vector>

namespace desklet {

// Tells the person on the desktop how a fax kept in the outbox ended. Without a
// notification service on the bus (a bare session, ssh, cron) it stays silent:
// the log holds the same facts, so a missing popup is never an error.
class Notifier {
public:
    // How long a call may wait for the notification service: a hung service must
    // not hold up the sender that reports to it.
    static constexpr int kTimeoutMs = 2000;

    explicit Notifier(QDBusConnection bus = QDBusConnection::sessionBus());

    // True when a notification service took the notification.
    bool FaxSent(const std::vector<std::string>& numbers, const std::string& document);
    bool FaxFailed(const std::vector<std::string>& numbers, const std::string& document, const std::string& reason);

private:
    bool Show(const QString& summary, const QString& body);

    QDBusConnection m_bus;
};

} // namespace desklet
