#include "app/SendProgressDlg.h"
#include "mail/CMailItem.h"
#include "outbox/FromOutcome.h"
#include "outbox/MarkingProgress.h"
#include "submission/SmtpClientTransport.h"
#include "support/DialogRecorder.h"
#include "support/OutboxFixture.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace desklet;
using namespace std::chrono_literals;

namespace {

constexpr auto kPeerDeadline = 30s;

// An SMTP peer on 127.0.0.1 that takes the message body slowly, a small read at a
// time, so that a send lasts long enough to watch and to cancel.
class SlowSmtpPeer {
public:
    explicit SlowSmtpPeer(std::chrono::milliseconds pause) : m_pause(pause) {
        m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        int small = 16 * 1024;
        setsockopt(m_listener, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(m_listener, 1);
        socklen_t length = sizeof address;
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~SlowSmtpPeer() {
        m_stop = true;
        m_thread.join();
        close(m_listener);
    }

    unsigned port() const { return m_port; }
    bool completed() const { return m_completed; }
    std::size_t bodyBytes() const { return m_bodyBytes; }

private:
    void Serve() {
        const auto deadline = std::chrono::steady_clock::now() + kPeerDeadline;
        pollfd p{m_listener, POLLIN, 0};
        while (!m_stop && poll(&p, 1, 50) == 0 && std::chrono::steady_clock::now() < deadline) {
        }
        if (m_stop || !(p.revents & POLLIN)) {
            return;
        }
        const int fd = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        Say(fd, "220 slow peer ready\r\n");
        std::string pending;
        bool inData = false;
        char buffer[4096];
        while (!m_stop && std::chrono::steady_clock::now() < deadline) {
            pollfd c{fd, POLLIN, 0};
            if (poll(&c, 1, 50) <= 0) {
                continue;
            }
            const ssize_t n = recv(fd, buffer, inData ? 1024 : sizeof buffer, 0);
            if (n <= 0) {
                break;
            }
            pending.append(buffer, static_cast<std::size_t>(n));
            if (inData) {
                m_bodyBytes += static_cast<std::size_t>(n);
                const auto end = pending.find("\r\n.\r\n");
                if (end == std::string::npos) {
                    // Keep only what could still begin the end-of-data line.
                    if (pending.size() > 4) {
                        pending.erase(0, pending.size() - 4);
                    }
                    std::this_thread::sleep_for(m_pause);
                    continue;
                }
                pending.erase(0, end + 5);
                inData = false;
                m_completed = true;
                Say(fd, "250 accepted\r\n");
                continue;
            }
            std::size_t eol;
            while (!inData && (eol = pending.find("\r\n")) != std::string::npos) {
                const std::string line = pending.substr(0, eol);
                pending.erase(0, eol + 2);
                if (line.rfind("DATA", 0) == 0) {
                    Say(fd, "354 go ahead\r\n");
                    inData = true;
                } else if (line.rfind("QUIT", 0) == 0) {
                    Say(fd, "221 bye\r\n");
                } else {
                    Say(fd, "250 ok\r\n");
                }
            }
        }
        close(fd);
    }

    static void Say(int fd, const char* text) { (void)send(fd, text, strlen(text), MSG_NOSIGNAL); }

    std::chrono::milliseconds m_pause;
    int m_listener = -1;
    unsigned m_port = 0;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_completed{false};
    std::atomic<std::size_t> m_bodyBytes{0};
};

void fill(CMailItem& item, std::size_t bodyBytes) {
    item.m_strSender = "acme@example.test";
    item.AddRecipient("acme-config@example.test", "");
    item.m_strSubject = "progress";
    std::string line(74, 'A');
    line += "\r\n";
    item.m_strBody.reserve(bodyBytes + line.size());
    while (item.m_strBody.size() < bodyBytes) {
        item.m_strBody += line;
    }
}

// The window's session with the SMTP peer on the loopback port.
Outcome Deliver(SendProgressDlg& progress, const std::vector<CMailItem*>& mails, unsigned port) {
    Outcome outcome;
    progress.Deliver(mails, MailServer{"127.0.0.1", port, {}}, progress, outcome);
    return outcome;
}

TEST(SendProgress, TheBarRisesToTheEndAndTheWindowShowsForASlowSend) {
    desklet::test::DialogRecorder recorder;
    SlowSmtpPeer peer(2ms);
    CMailItem item;
    fill(item, 2 * 1024 * 1024);
    SmtpClientTransport smtp;
    SendProgressDlg progress(3, smtp);
    std::vector<int> seen;
    recorder.ExpectModal([&](QDialog&) {
        auto* bar = qobject_cast<QProgressBar*>(progress.GetDlgItem(SendProgressDlg::IDC_PROGRESS_BAR));
        QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) { seen.push_back(value); });
        seen.push_back(bar->value());
    });
    EXPECT_EQ(Deliver(progress, {&item}, peer.port()).failure, Failure::None);
    EXPECT_TRUE(peer.completed());
    EXPECT_EQ(recorder.modalRuns, (std::vector<std::string>{"Sending fax..."}));
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end())) << "the bar never goes back";
    EXPECT_EQ(progress.Percent(), 100);
}

TEST(SendProgress, AQuickSendShowsNoWindow) {
    desklet::test::DialogRecorder recorder;
    SlowSmtpPeer peer(0ms);
    CMailItem item;
    fill(item, 1000);
    SmtpClientTransport smtp;
    SendProgressDlg progress(1, smtp);
    EXPECT_EQ(Deliver(progress, {&item}, peer.port()).failure, Failure::None);
    EXPECT_TRUE(recorder.modalRuns.empty());
}

TEST(SendProgress, AJobOfSeveralMailsCountsThemInOneSession) {
    desklet::test::DialogRecorder recorder;
    SlowSmtpPeer peer(0ms);
    CMailItem first;
    CMailItem second;
    fill(first, 1000);
    fill(second, 1000);
    SmtpClientTransport smtp;
    SendProgressDlg progress(300, smtp);
    const auto result = Deliver(progress, {&first, &second}, peer.port());
    EXPECT_EQ(result.failure, Failure::None);
    ASSERT_EQ(result.mails.size(), 2u);
    EXPECT_EQ(result.mails[1].state, MailOutcome::State::Accepted);
    auto* text = qobject_cast<QLabel*>(progress.GetDlgItem(SendProgressDlg::IDC_PROGRESS_TEXT));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text().toStdString(), "Sending fax... (300 recipients, mail 2 of 2)");
    EXPECT_EQ(progress.Percent(), 100);
}

TEST(SendProgress, CancelInTheBodyLeavesTheServerWithoutAMessage) {
    desklet::test::DialogRecorder recorder;
    SlowSmtpPeer peer(5ms);
    CMailItem item;
    fill(item, 16 * 1024 * 1024);
    SmtpClientTransport smtp;
    SendProgressDlg progress(1, smtp);
    recorder.ExpectModal([&](QDialog& dialog) {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (progress.Percent() < 1 && std::chrono::steady_clock::now() < deadline) {
            QTest::qWait(20);
        }
        EXPECT_LT(progress.Percent(), 90) << "still in the middle of the body";
        desklet::test::PressCancel(dialog);
    });
    EXPECT_EQ(Deliver(progress, {&item}, peer.port()).failure, Failure::Cancelled);
    EXPECT_FALSE(peer.completed()) << "no end-of-data line reached the server";
    EXPECT_LT(peer.bodyBytes(), item.m_strBody.size());
}

// The client's transport, which holds the worker at its end of data until the
// test lets it ask, and says when it asks: from then on the worker waits for
// the window's thread.
class HeldTransport : public SmtpClientTransport {
public:
    std::atomic<bool> mayAsk{false};
    std::atomic<bool> asking{false};

    void Deliver(const std::vector<CMailItem*>& mails, const MailServer& server, SubmissionProgress& progress,
                 Outcome& outcome) override {
        struct Held : SubmissionProgress {
            HeldTransport& transport;
            SubmissionProgress& window;
            Held(HeldTransport& t, SubmissionProgress& w) : transport(t), window(w) {}
            void MailStarting(std::size_t index, std::size_t count) override { window.MailStarting(index, count); }
            void BytesSent(std::uint64_t sent, std::uint64_t total) override { window.BytesSent(sent, total); }
            bool CancelRequested() const override { return window.CancelRequested(); }
            bool EndOfDataNext(const Outcome& told, std::size_t index) override {
                const auto deadline = std::chrono::steady_clock::now() + kPeerDeadline;
                while (!transport.mayAsk && std::chrono::steady_clock::now() < deadline) {
                    std::this_thread::sleep_for(1ms);
                }
                transport.asking = true;
                return window.EndOfDataNext(told, index);
            }
            void MailAnswered(const Outcome& told, std::size_t index) override { window.MailAnswered(told, index); }
        } held(*this, progress);
        SmtpClientTransport::Deliver(mails, server, held, outcome);
    }
};

class SendProgressMarks : public test::OutboxFixture {};

TEST_F(SendProgressMarks, CancelWhileTheWorkerWaitsForAMarkEndsTheSendAndTheJobIsRecordedCancelled) {
    desklet::test::DialogRecorder recorder;
    SlowSmtpPeer peer(0ms);
    CMailItem item;
    fill(item, 1000);
    const auto claim = outbox().Record(JobTo({"2125551212"}), m_document.string(), CMapStringToString());
    ASSERT_TRUE(claim);
    SubmissionProgress quiet;
    MarkingProgress marking(outbox(), *claim, quiet);
    HeldTransport smtp;
    SendProgressDlg progress(1, smtp);
    recorder.ExpectModal([&](QDialog& dialog) {
        // This thread runs no event while the worker asks, so the mark is still
        // pending when Cancel is pressed.
        smtp.mayAsk = true;
        const auto deadline = std::chrono::steady_clock::now() + kPeerDeadline;
        while (!smtp.asking && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(1ms);
        }
        desklet::test::PressCancel(dialog);
    });
    Outcome outcome;
    outcome.mails.resize(1);
    outcome.mails[0].numbers = {"2125551212"};
    // A deadlock ends the run instead of hanging it.
    std::promise<void> returned;
    std::thread watchdog([done = returned.get_future()] {
        if (done.wait_for(60s) != std::future_status::ready) {
            std::fputs("Deliver still waits after Cancel: deadlocked\n", stderr);
            std::abort();
        }
    });
    progress.Deliver({&item}, MailServer{"127.0.0.1", peer.port(), {}}, marking, outcome);
    returned.set_value();
    watchdog.join();
    EXPECT_TRUE(smtp.asking.load());
    EXPECT_EQ(outcome.failure, Failure::Cancelled);
    EXPECT_FALSE(peer.completed()) << "no end-of-data line reached the server";
    EXPECT_EQ(outbox().Finish(*claim, FromOutcome(outcome), true), JobState::Cancelled);
    const std::vector<SentLogLine> log = outbox().SentLog(1);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].outcome, "cancelled") << "marked as stopped before its end of data, on the database's thread";
    EXPECT_EQ(log[0].messageId, item.GetMessageId());
}

} // namespace
