#include "notify/Notifier.h"
#include "support/PrivateSessionBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QStringList>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

using desklet::Notifier;
using desklet::test::PrivateSessionBus;

namespace {

// A notification service that records what it was asked to show. It lives on a
// thread of its own, so the notifier's blocking call from the test's is served.
class FakeNotifications : public QDBusVirtualObject {
public:
    struct Shown {
        QString summary;
        QString body;
    };

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("Notify") || message.arguments().size() != 8) {
            return false;
        }
        {
            const std::lock_guard<std::mutex> hold(m_mutex);
            m_shown.push_back({message.arguments().at(3).toString(), message.arguments().at(4).toString()});
        }
        connection.send(message.createReply(QVariant::fromValue(7U)));
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

    std::vector<Shown> shown() {
        const std::lock_guard<std::mutex> hold(m_mutex);
        return m_shown;
    }

private:
    std::mutex m_mutex;
    std::vector<Shown> m_shown;
};

QDBusConnection Connect(const std::string& address, const char* name) {
    return QDBusConnection::connectToBus(QString::fromStdString(address), QString::fromLatin1(name));
}

struct Row {
    const char* name;
    std::function<bool(Notifier&)> send;
    QString summary;
    QString body;
};

} // namespace

TEST(Notifier, ShowsWhatBecameOfAKeptFax) {
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().empty()) << "dbus-daemon (Debian package dbus-daemon) did not start";
    QDBusConnection service = Connect(bus.address(), "notifications");
    QThread serving;
    serving.start();
    FakeNotifications fake;
    fake.moveToThread(&serving);
    ASSERT_TRUE(service.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), &fake));
    ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.Notifications")));

    const std::vector<Row> rows = {
        {"a fax that went names its document without the folder, and its numbers",
         [](Notifier& n) {
             return n.FaxSent({"+1 555 0100", "+1 555 0101"}, "/home/me/.outbox/12/report.pdf");
         },
         "Fax sent", "report.pdf went to +1 555 0100, +1 555 0101."},
        {"a fax that failed says why",
         [](Notifier& n) { return n.FaxFailed({"+1 555 0100"}, "report.pdf", "550 no such account"); }, "Fax not sent",
         "report.pdf could not go to +1 555 0100: 550 no such account"},
        {"a document or reply that looks like markup is shown as text",
         [](Notifier& n) { return n.FaxFailed({"1"}, "<i>x.pdf", "a & b"); }, "Fax not sent",
         "&lt;i&gt;x.pdf could not go to 1: a &amp; b"},
    };
    QDBusConnection sender = Connect(bus.address(), "sender");
    Notifier notifier(sender);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_TRUE(rows[i].send(notifier));
        const auto shown = fake.shown();
        ASSERT_EQ(shown.size(), i + 1);
        EXPECT_EQ(shown.back().summary, rows[i].summary);
        EXPECT_EQ(shown.back().body, rows[i].body);
    }
    service.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    serving.quit();
    serving.wait();
    QDBusConnection::disconnectFromBus(QStringLiteral("notifications"));
    QDBusConnection::disconnectFromBus(QStringLiteral("sender"));
}

// A bare session with nobody to show notifications, and no session bus at all.
TEST(Notifier, WithoutANotificationServiceStaysSilent) {
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().empty()) << "dbus-daemon (Debian package dbus-daemon) did not start";
    Notifier onEmptyBus(Connect(bus.address(), "empty"));
    EXPECT_FALSE(onEmptyBus.FaxSent({"1"}, "a.pdf"));
    QDBusConnection::disconnectFromBus(QStringLiteral("empty"));

    Notifier withoutBus(Connect("unix:path=/nonexistent/desklet-no-session-bus", "none"));
    EXPECT_FALSE(withoutBus.FaxFailed({"1"}, "a.pdf", "gone"));
    QDBusConnection::disconnectFromBus(QStringLiteral("none"));
}
