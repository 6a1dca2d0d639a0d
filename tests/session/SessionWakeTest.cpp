#include "session/NetworkMonitor.h"
#include "session/OutboxDue.h"
#include "session/WakeSchedule.h"
#include "support/OutboxFixture.h"
#include "support/PrivateSessionBus.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <poll.h>
#include <vector>

using namespace std::chrono_literals;
using desklet::WakeSchedule;
using desklet::WakeTime;

namespace {

const WakeTime kNow(std::chrono::hours(24 * 20795));

} // namespace

TEST(WakeSchedule, FlushesWhenAJobIsDueAndNotInALoop) {
    struct Row {
        const char* name;
        std::optional<WakeTime> due;
        std::optional<WakeTime> lastFlush;
        bool networkBack;
        bool flush;
        bool everyJob;
        std::chrono::milliseconds sleep;
    };
    const std::vector<Row> rows = {
        {"no job waits: look again later for one queued meanwhile", std::nullopt, std::nullopt, false, false, false,
         1min},
        {"a job due in 20 s: sleep till then", kNow + 20s, std::nullopt, false, false, false, 20s},
        {"a job due in an hour: look again within the minute", kNow + 1h, std::nullopt, false, false, false, 1min},
        {"a job due now: flush the due jobs only", kNow, std::nullopt, false, true, false, 1min},
        {"a job due a day ago (the session was closed): flush the due jobs", kNow - 24h, kNow - 25h, false, true, false,
         1min},
        {"still due 30 s after a flush: rest the other 30 s", kNow - 5min, kNow - 30s, false, false, false, 30s},
        {"still due 2 min after a flush: flush again", kNow - 5min, kNow - 2min, false, true, false, 1min},
        {"the network came back: try every waiting job at once", kNow + 1h, kNow - 10s, true, true, true, 1min},
        {"the network came back with nothing waiting: nothing to do", std::nullopt, std::nullopt, true, false, false,
         1min},
        {"the clock went back past the last flush: the rest does not hold the job", kNow, kNow + 3h, false, true, false,
         1min},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const desklet::WakeDecision decision = WakeSchedule::Decide(row.due, row.lastFlush, row.networkBack, kNow);
        EXPECT_EQ(decision.flush, row.flush);
        EXPECT_EQ(decision.everyJob, row.everyJob);
        EXPECT_EQ(decision.sleep, row.sleep);
    }
}

TEST(WakeSchedule, TheNetworkIsBackOnlyWhenItReachesTheInternetAgain) {
    struct Row {
        const char* name;
        std::uint32_t before;
        std::uint32_t now;
        bool back;
    };
    const std::vector<Row> rows = {
        {"from unknown to connected (the first change the helper sees)", 0, 70, true},
        {"from disconnected to connected", 20, 70, true},
        {"from the local network only to connected", 60, 70, true},
        {"connected again without a break", 70, 70, false},
        {"losing it", 70, 20, false},
        {"reaching only the local network", 20, 60, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(desklet::NetworkCameBack(row.before, row.now), row.back);
    }
}

// The helper reads the due time with its own query: it must agree with the
// outbox's own on the outbox's real database.
class OutboxDueTest : public desklet::test::OutboxFixture {};

TEST_F(OutboxDueTest, ReadsTheOutboxsOwnDueTimes) {
    EXPECT_EQ(desklet::ReadOutboxDue((m_dir.path() / "none" / "desklet.sqlite").string()), std::nullopt);
    const std::string path = m_databasePath.toStdString();
    EXPECT_EQ(desklet::ReadOutboxDue(path), std::nullopt);

    ASSERT_TRUE(outbox().Record(JobTo({"2125551212"}), m_document.string(), desklet::CMapStringToString()));
    EXPECT_EQ(desklet::ReadOutboxDue(path), m_clock.Now() + desklet::Outbox::kLease)
        << "a job being sent is due when its claim would lapse";

    m_clock.Advance(-1h);
    ASSERT_TRUE(outbox().Queue(JobTo({"3125550000"}), m_document.string(), desklet::CMapStringToString()));
    ASSERT_TRUE(outbox().NextAttemptAt());
    EXPECT_EQ(desklet::ReadOutboxDue(path), outbox().NextAttemptAt());
}

TEST(NetworkMonitor, HearsTheNetworkComeBack) {
    desklet::test::PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().empty()) << "dbus-daemon (Debian package dbus-daemon) did not start";
    desklet::NetworkMonitor monitor;
    ASSERT_TRUE(monitor.Open(bus.address()));

    QDBusConnection manager = QDBusConnection::connectToBus(QString::fromStdString(bus.address()), "manager");
    ASSERT_TRUE(manager.registerService(QStringLiteral("org.freedesktop.NetworkManager")));
    for (const uint state : {20U, 70U}) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/NetworkManager"),
                                                         QStringLiteral("org.freedesktop.NetworkManager"),
                                                         QStringLiteral("StateChanged"));
        signal << state;
        ASSERT_TRUE(manager.send(signal));
    }
    bool back = false;
    for (int i = 0; i < 50 && !back; ++i) {
        pollfd ready{monitor.Fd(), POLLIN, 0};
        ASSERT_GE(::poll(&ready, 1, 100), 0);
        back = monitor.CameBack();
    }
    EXPECT_TRUE(back);
    QDBusConnection::disconnectFromBus(QStringLiteral("manager"));

    desklet::NetworkMonitor nowhere;
    EXPECT_FALSE(nowhere.Open("unix:path=/nonexistent/desklet-no-system-bus"));
    EXPECT_EQ(nowhere.Fd(), -1);
    EXPECT_FALSE(nowhere.CameBack());
}
