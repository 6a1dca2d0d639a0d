#include "app/CFaxClientApp.h"
#include "app/CFaxClientDlg.h"
#include "outbox/Outbox.h"
#include "outbox/ui/OutboxDlg.h"
#include "outbox/ui/SentFaxesDlg.h"
#include "phonebook/Database.h"
#include "support/CaptureSmtpServer.h"
#include "support/DialogRecorder.h"
#include "support/PinnedClock.h"
#include "support/ScriptedSmtpServer.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

using namespace desklet;
using namespace desklet::test;
using namespace std::chrono_literals;

namespace {

class OutboxWindows : public testing::Test {
protected:
    TempSettingsHome home;
    TempDataHome data;
    TempDir files;
    DialogRecorder recorder;
    std::unique_ptr<CFaxClientApp> app;
    std::vector<std::string> arguments;
    std::vector<char*> argv;
    int argc = 0;

    void Start(std::vector<std::string> args) {
        arguments = std::move(args);
        for (std::string& a : arguments) {
            argv.push_back(a.data());
        }
        argc = static_cast<int>(argv.size());
        app = std::make_unique<CFaxClientApp>(argc, argv.data());
        app->ReadCommandLine();
    }

    // A fax to 2125551212 of "Quarterly report.pdf" left waiting or unknown by its
    // first try, with its original deleted: only the outbox's copy is left.
    static std::optional<ClaimedJob> KeptWithoutOriginal(Outbox& outbox, const std::filesystem::path& original,
                                                         JobState state) {
        FaxJob job;
        job.recipients = {"2125551212"};
        std::optional<ClaimedJob> claim = outbox.Record(job, original.string(), CMapStringToString());
        AttemptResult::Mail mail;
        mail.numbers = job.recipients;
        const bool unknown = state == JobState::Unknown;
        mail.state = unknown ? AttemptResult::Mail::State::Unknown : AttemptResult::Mail::State::NotTried;
        if (!claim || outbox.Finish(*claim, {unknown ? AttemptResult::Kind::Unknown : AttemptResult::Kind::MayPass,
                                             {mail},
                                             {},
                                             0,
                                             "connection refused"}) != state) {
            return std::nullopt;
        }
        std::filesystem::remove(original);
        return claim;
    }

    using S = ScriptedSmtpServer;

    // A session that takes the client's DATA and leaves its answer to the steps given.
    static std::vector<S::Step> UntilData(std::vector<S::Step> then) {
        std::vector<S::Step> script =
            S::Greeting({S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine()});
        script.insert(script.end(), then.begin(), then.end());
        return script;
    }

    // A fax to one number sent from the dialog through the server at port; the
    // progress window runs whileSending.
    void SendFromTheDialog(unsigned port, DialogRecorder::ModalStep whileSending) {
        const auto path = files.WriteFile("Quarterly report.pdf", "%PDF-1.4\n");
        home.Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", std::to_string(port)}});
        Start({"desklet", "-file", path.string(), "-fax", "2125551212"});
        CFaxClientDlg dialog;
        recorder.ExpectModal([&](QDialog& d) {
            qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK))->click();
            PressCancel(d);
        });
        recorder.ExpectModal(std::move(whileSending));
        dialog.DoModal();
    }

    // "state | numbers" of each row of the Outbox window.
    static std::vector<std::string> Rows(const QTreeWidget& list) {
        std::vector<std::string> rows;
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list.topLevelItem(i);
            rows.push_back((item->text(OutboxDlg::kState) + " | " + item->text(OutboxDlg::kNumbers)).toStdString());
        }
        return rows;
    }
};

TEST_F(OutboxWindows, AFailureThatMayPassOffersToKeepTheFaxAndKeptItWaitsInTheOutbox) {
    struct Row {
        const char* name;
        int answer; // index of the box's own button
        std::vector<std::string> outbox;
    };
    const Row rows[] = {
        {"Keep in Outbox keeps it waiting", 0, {"Waiting | 2125551212"}},
        {"Discard leaves the outbox empty", 1, {}},
    };
    CaptureSmtpServer server("451 4.3.0 try later");
    ASSERT_TRUE(server.running());
    const auto path = files.WriteFile("Quarterly report.pdf", "%PDF-1.4\n");
    home.Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", std::to_string(server.port())}});
    Start({"desklet", "-file", path.string(), "-fax", "2125551212"});
    for (const Row& row : rows) {
        // Each row begins with an empty outbox.
        {
            Database database;
            ASSERT_TRUE(database.Open(Database::DefaultPath()));
            const SystemClock clock;
            Outbox outbox(database, clock);
            for (const OutboxEntry& entry : outbox.Pending()) {
                ASSERT_TRUE(outbox.Discard(entry.id));
            }
        }
        recorder.messages.clear();
        recorder.messageBoxAnswer = row.answer;
        CFaxClientDlg dialog;
        std::vector<std::string> shown;
        std::string lastError;
        recorder.ExpectModal([&](QDialog& d) {
            qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK))->click();
            dialog.commandAction(CFaxClientDlg::ID_OUTBOX)->trigger();
            PressCancel(d);
        });
        recorder.ExpectModal([&](QDialog& window) {
            auto* list = static_cast<OutboxDlg&>(window).List();
            shown = Rows(*list);
            if (list->topLevelItemCount() > 0) {
                lastError = list->topLevelItem(0)->text(OutboxDlg::kLastError).toStdString();
            }
            PressCancel(window);
        });
        dialog.DoModal();
        ASSERT_EQ(recorder.messages.size(), 1u) << row.name;
        EXPECT_EQ(recorder.messages[0].buttons, (std::vector<std::string>{"&Keep in Outbox", "&Discard"}))
            << row.name << ": keeping it is the first button, the default";
        EXPECT_EQ(shown, row.outbox) << row.name;
        if (!row.outbox.empty()) {
            EXPECT_NE(lastError.find("451"), std::string::npos) << row.name << ": " << lastError;
        }
    }
}

TEST_F(OutboxWindows, TheDialogMarksTheMailInTheOutboxBeforeItsEndOfDataGoes) {
    // A server that never answers the end of the message: what another connection
    // reads once the end-of-data line has arrived is what a window killed then
    // would leave behind.
    ScriptedSmtpServer server(UntilData({S::Send("354 go\r\n"), S::ReadUntil("\r\n.\r\n"), S::Hold(30s)}));
    ASSERT_TRUE(server.listening());
    std::vector<SentLogLine> atEndOfData;
    SendFromTheDialog(server.port(), [&](QDialog& sending) {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (server.Received().find("\r\n.\r\n") == std::string::npos &&
               std::chrono::steady_clock::now() < deadline) {
            QTest::qWait(10);
        }
        Database database;
        if (database.Open(Database::DefaultPath())) {
            atEndOfData = Outbox(database).SentLog(1);
        }
        PressCancel(sending);
    });
    ASSERT_EQ(atEndOfData.size(), 1u);
    EXPECT_EQ(atEndOfData[0].outcome, "unknown") << "its end of data may have gone";
    ASSERT_FALSE(atEndOfData[0].messageId.empty());
    EXPECT_NE(server.Received().find("Message-ID: " + atEndOfData[0].messageId), std::string::npos)
        << atEndOfData[0].messageId;
}

TEST_F(OutboxWindows, AMarkThatCannotBeMadeHoldsTheFaxBackAndSaysWhy) {
    // The client waits for the answer to DATA while another sender, whose clock
    // is an hour on, finds the dialog's claim lapsed and takes the job back.
    ScriptedSmtpServer server(UntilData({S::Gate(), S::Send("354 go\r\n"), S::Hold(10s)}));
    ASSERT_TRUE(server.listening());
    int recovered = -1;
    SendFromTheDialog(server.port(), [&](QDialog&) {
        Database database;
        if (database.Open(Database::DefaultPath())) {
            const PinnedClock later(SystemClock().Now() + std::chrono::hours(1));
            recovered = Outbox(database, later).RecoverAbandoned();
        }
        server.Release();
    });
    EXPECT_EQ(recovered, 1);
    EXPECT_EQ(server.Received().find("\r\n.\r\n"), std::string::npos) << "no end of data went";
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text.rfind("Sending stopped: the Outbox could not record the fax", 0), 0u)
        << recorder.messages[0].text;
    EXPECT_FALSE(recorder.messages[0].details.empty());
}

// The original is gone; the job still waits with its copy, which goes again
// under the document's name, not the copy's.
TEST_F(OutboxWindows, SendAgainFromSentFaxesFillsInTheKeptCopyUnderTheDocumentsName) {
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running());
    home.Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", std::to_string(server.port())}});
    const std::string bytes = "%PDF-1.4\nfigures\n";
    const auto original = files.WriteFile("Quarterly report.pdf", bytes);
    {
        Database database;
        ASSERT_TRUE(database.Open(Database::DefaultPath()));
        Outbox outbox(database);
        ASSERT_TRUE(KeptWithoutOriginal(outbox, original, JobState::Waiting));
    }
    Start({"desklet"});
    CFaxClientDlg dialog;
    std::string field;
    std::vector<std::string> numbers;
    recorder.ExpectModal([&](QDialog& d) {
        dialog.commandAction(CFaxClientDlg::ID_SENT_FAXES)->trigger();
        field = qobject_cast<QLineEdit*>(dialog.GetDlgItem(CFaxClientDlg::IDC_FILE))->text().toStdString();
        const auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(CFaxClientDlg::IDC_RECIPIENTS));
        for (int i = 0; i < list->count(); ++i) {
            numbers.push_back(list->item(i)->text().toStdString());
        }
        qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK))->click();
        if (d.isVisible()) {
            PressCancel(d);
        }
    });
    recorder.ExpectModal([&](QDialog& window) {
        qobject_cast<QPushButton*>(static_cast<SentFaxesDlg&>(window).GetDlgItem(SentFaxesDlg::IDC_SEND_AGAIN))
            ->click();
    });
    dialog.DoModal();
    EXPECT_EQ(field, "Quarterly report.pdf");
    EXPECT_EQ(numbers, (std::vector<std::string>{"2125551212"}));
    EXPECT_TRUE(recorder.messages.empty()) << recorder.messages.front().text;
    const auto sent = server.Messages(1);
    ASSERT_EQ(sent.size(), 1u);
    const ParsedMail mail = ParseMail(sent[0]);
    EXPECT_EQ(mail.attachmentNames, (std::vector<std::string>{"Quarterly report.pdf"}));
    EXPECT_EQ(mail.attachments, (std::vector<std::string>{bytes}));
}

// An unknown job whose original is gone: Send Again from the Outbox window fills
// in its copy under the document's name; closing the dialog leaves the job as it
// was, sending takes its place.
TEST_F(OutboxWindows, SendAgainFromTheOutboxReplacesTheJobOnlyWhenTheDialogSends) {
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running());
    home.Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", std::to_string(server.port())}});
    const std::string bytes = "%PDF-1.4\nfigures\n";
    Start({"desklet"});
    recorder.messageBoxAnswer = IDYES;
    enum class Then { Closed, TakenMeanwhile, Sent };
    for (const Then then : {Then::Closed, Then::TakenMeanwhile, Then::Sent}) {
        SCOPED_TRACE(static_cast<int>(then));
        // Unknown, but waiting where another sender is to take it.
        const bool waiting = then == Then::TakenMeanwhile;
        Database database;
        ASSERT_TRUE(database.Open(Database::DefaultPath()));
        Outbox outbox(database);
        const std::optional<ClaimedJob> old = KeptWithoutOriginal(
            outbox, files.WriteFile("Quarterly report.pdf", bytes), waiting ? JobState::Waiting : JobState::Unknown);
        ASSERT_TRUE(old);

        recorder.messages.clear();
        CFaxClientDlg dialog;
        std::string field;
        std::vector<std::string> numbers;
        std::optional<ClaimedJob> taken;
        recorder.ExpectModal([&](QDialog& d) {
            dialog.commandAction(CFaxClientDlg::ID_OUTBOX)->trigger();
            field = qobject_cast<QLineEdit*>(dialog.GetDlgItem(CFaxClientDlg::IDC_FILE))->text().toStdString();
            const auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(CFaxClientDlg::IDC_RECIPIENTS));
            for (int i = 0; i < list->count(); ++i) {
                numbers.push_back(list->item(i)->text().toStdString());
            }
            if (then == Then::TakenMeanwhile) {
                taken = outbox.Claim(old->id); // as a flush does
                ASSERT_TRUE(taken);
            }
            if (then != Then::Closed) {
                qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK))->click();
            }
            if (d.isVisible()) {
                PressCancel(d);
            }
        });
        recorder.ExpectModal([&](QDialog& window) {
            qobject_cast<QPushButton*>(static_cast<OutboxDlg&>(window).GetDlgItem(OutboxDlg::IDC_SEND_AGAIN))->click();
        });
        dialog.DoModal();
        EXPECT_EQ(field, "Quarterly report.pdf");
        EXPECT_EQ(numbers, (std::vector<std::string>{"2125551212"}));
        ASSERT_FALSE(recorder.messages.empty());
        EXPECT_EQ(recorder.messages[0].text.rfind(
                      waiting ? "The fax was sent or taken from the Outbox meanwhile" : "The fax to 2125551212 may", 0),
                  0u)
            << recorder.messages[0].text;
        QSqlQuery query(database.Connection());
        ASSERT_TRUE(query.exec(QStringLiteral("SELECT state FROM fax_job WHERE id = %1").arg(old->id)) && query.next());
        const std::string state = query.value(0).toString().toStdString();
        std::vector<std::string> outcomes; // of this pass's jobs
        for (const SentLogLine& line : outbox.SentLog(10)) {
            if (line.jobId >= old->id) {
                outcomes.push_back(line.outcome);
            }
        }
        switch (then) {
        case Then::Closed:
            EXPECT_TRUE(server.Messages().empty());
            EXPECT_EQ(state, "unknown");
            EXPECT_EQ(outcomes, (std::vector<std::string>{"unknown"}));
            ASSERT_TRUE(outbox.Discard(old->id));
            break;
        case Then::TakenMeanwhile:
            EXPECT_TRUE(server.Messages().empty()) << "a fax another sender has is not sent from here too";
            EXPECT_EQ(recorder.messages.size(), 1u);
            EXPECT_EQ(state, "sending");
            EXPECT_EQ(outcomes, (std::vector<std::string>{"failed", "cancelled"}));
            EXPECT_TRUE(std::filesystem::exists(old->documentPath)) << "the other sender's copy";
            ASSERT_TRUE(taken && outbox.Finish(*taken, {AttemptResult::Kind::Cancelled, {}, {}, 0, {}}));
            break;
        case Then::Sent: {
            const auto sent = server.Messages(1);
            ASSERT_EQ(sent.size(), 1u);
            const ParsedMail parsed = ParseMail(sent[0]);
            EXPECT_EQ(parsed.attachmentNames, (std::vector<std::string>{"Quarterly report.pdf"}));
            EXPECT_EQ(parsed.attachments, (std::vector<std::string>{bytes}));
            EXPECT_EQ(state, "cancelled") << "taken out of the outbox";
            EXPECT_EQ(outcomes, (std::vector<std::string>{"unknown", "sent"})) << "its mail's fate stays unknown";
            EXPECT_FALSE(std::filesystem::exists(old->documentPath)) << "the old job's copy";
            break;
        }
        }
    }
}

TEST_F(OutboxWindows, TheKeyboardDiscardsAndMarksAsSent) {
    struct Row {
        const char* name;
        const char* chosen; // the row the arrows go to
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<std::string> left;
    };
    const Row rows[] = {
        {"Delete discards the waiting fax",
         "Waiting | 3125550000",
         Qt::Key_Delete,
         Qt::NoModifier,
         {"Unknown | 2125551212"}},
        {"Alt+D discards the unknown fax",
         "Unknown | 2125551212",
         Qt::Key_D,
         Qt::AltModifier,
         {"Waiting | 3125550000"}},
        {"Alt+M marks the unknown fax as sent",
         "Unknown | 2125551212",
         Qt::Key_M,
         Qt::AltModifier,
         {"Waiting | 3125550000"}},
        {"Alt+M does nothing to a waiting fax",
         "Waiting | 3125550000",
         Qt::Key_M,
         Qt::AltModifier,
         {"Unknown | 2125551212", "Waiting | 3125550000"}},
    };
    const auto document = files.WriteFile("Quarterly report.pdf", "%PDF-1.4\n");
    recorder.messageBoxAnswer = IDYES;
    int databases = 0;
    for (const Row& row : rows) {
        const QString path =
            QString::fromStdString((files.path() / ("data" + std::to_string(++databases)) / "desklet.sqlite").string());
        {
            Database database;
            ASSERT_TRUE(database.Open(path));
            const SystemClock clock;
            Outbox outbox(database, clock);
            const auto mail = [](const char* number, AttemptResult::Mail::State state) {
                AttemptResult::Mail m;
                m.numbers = {number};
                m.messageId = std::string("<") + number + "@desklet.example>";
                m.state = state;
                return m;
            };
            FaxJob job;
            job.recipients = {"2125551212"};
            const auto unknown = outbox.Record(job, document.string(), CMapStringToString());
            ASSERT_TRUE(unknown);
            ASSERT_EQ(outbox.Finish(*unknown, {AttemptResult::Kind::Unknown,
                                               {mail("2125551212", AttemptResult::Mail::State::Unknown)},
                                               {},
                                               0,
                                               {}}),
                      JobState::Unknown);
            job.recipients = {"3125550000"};
            const auto waiting = outbox.Record(job, document.string(), CMapStringToString());
            ASSERT_TRUE(waiting);
            ASSERT_EQ(outbox.Finish(*waiting, {AttemptResult::Kind::MayPass,
                                               {mail("3125550000", AttemptResult::Mail::State::NotTried)},
                                               {},
                                               0,
                                               "connection refused"}),
                      JobState::Waiting);
        }
        OutboxDlg window(path);
        std::vector<std::string> left;
        recorder.ExpectModal([&](QDialog&) {
            QTreeWidget* list = window.List();
            window.activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
            EXPECT_TRUE(list->hasFocus()) << row.name;
            QTest::keyClick(list, Qt::Key_Home);
            for (int i = 0;
                 i < 4 &&
                 Rows(*list)[static_cast<std::size_t>(list->indexOfTopLevelItem(list->currentItem()))] != row.chosen;
                 ++i) {
                QTest::keyClick(list, Qt::Key_Down);
            }
            if (row.modifiers == Qt::NoModifier) {
                QTest::keyClick(list, row.key);
            } else {
                // The button whose mnemonic the letter is, pressed from the keyboard.
                for (QPushButton* button : window.findChildren<QPushButton*>()) {
                    if (button->shortcut() == QKeySequence(row.modifiers | row.key)) {
                        button->setFocus();
                        QTest::keyClick(button, Qt::Key_Space);
                    }
                }
            }
            left = Rows(*list);
            PressCancel(window);
        });
        window.DoModal();
        EXPECT_EQ(left, row.left) << row.name;
    }
}

} // namespace
