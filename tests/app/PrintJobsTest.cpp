// `desklet --print-jobs` on the offscreen platform: the waiting documents open one
// dialog after another, oldest first, each under its print title, and each is gone
// when its dialog closed; jobs held for a full inbox are told of first.
#include "app/CFaxClientApp.h"
#include "app/CFaxClientDlg.h"
#include "print/SpoolNames.h"
#include "support/CaptureSmtpServer.h"
#include "support/DialogRecorder.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace desklet;
using namespace desklet::test;

namespace {

class PrintJobs : public testing::Test {
protected:
    TempSettingsHome home;
    TempDir spool;
    TempDir outside;
    DialogRecorder recorder;
    fs::path inbox = spool.path() / std::to_string(getuid());
    std::vector<std::string> shown; // the file field of each dialog, in order
    std::vector<std::string> notes; // the word on where each came from

    void SetUp() override {
        setenv(std::string(kSpoolRootVariable).c_str(), spool.path().c_str(), 1);
        // Stored settings, so that no first-run settings sheet comes between.
        fs::create_directories(home.path() / "Quillmark");
        std::ofstream(home.path() / "Quillmark" / "Desklet.conf") << "[Config]\nlogon=acme\n";
        fs::create_directory(inbox);
    }
    void TearDown() override { unsetenv(std::string(kSpoolRootVariable).c_str()); }

    // A document that arrived `age` seconds ago.
    fs::path Arrive(const std::string& name, int age, const std::string& content = {}) {
        const fs::path path = inbox / name;
        std::ofstream(path, std::ios::binary) << (content.empty() ? "%PDF-1.4 " + name : content);
        const timespec times[2] = {{time(nullptr) - age, 0}, {time(nullptr) - age, 0}};
        EXPECT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
        return path;
    }

    void RunPrintJobs() {
        int argc = 1;
        char name[] = "desklet";
        char* argv[] = {name, nullptr};
        CFaxClientApp app(argc, argv);
        app.RunPrintJobs();
    }

    // The next dialog: note its file field and where it says the document came
    // from, run `also`, then cancel (after a send that changes nothing).
    void ExpectDialog(std::function<void(CFaxClientDlg&)> also = {}) {
        recorder.ExpectModal([this, also](QDialog& dialog) {
            auto* main = dynamic_cast<CFaxClientDlg*>(&dialog);
            ASSERT_NE(main, nullptr);
            auto* file = qobject_cast<QLineEdit*>(main->GetDlgItem(CFaxClientDlg::IDC_FILE));
            auto* note = qobject_cast<QLabel*>(main->GetDlgItem(CFaxClientDlg::IDC_PRINTED_NOTE));
            ASSERT_NE(file, nullptr);
            ASSERT_NE(note, nullptr);
            shown.push_back(file->text().toStdString());
            notes.push_back(note->isVisibleTo(main) ? note->text().toStdString() : "");
            if (also) {
                also(*main);
            }
            PressCancel(dialog);
        });
    }
};

TEST_F(PrintJobs, opensEachWaitingDocumentOldestFirstAndLeavesNoneBehind) {
    const fs::path newer = Arrive("QUILLTMP-3-newer.pdf", 10);
    const fs::path older = Arrive("QUILLTMP-9-older.pdf", 100);
    const fs::path half = Arrive(".QUILLTMP-12.part", 200); // still being written
    fs::path late;
    ExpectDialog([&](CFaxClientDlg&) {
        EXPECT_TRUE(fs::exists(older)) << "nothing is deleted while its dialog is open";
        late = Arrive("QUILLTMP-20-late.pdf", 0);
    });
    ExpectDialog();
    ExpectDialog();

    RunPrintJobs();

    EXPECT_EQ(shown, (std::vector<std::string>{"older.pdf", "newer.pdf", "late.pdf"}));
    EXPECT_EQ(notes, (std::vector<std::string>{"Printed to the fax printer. 1 more printed document waits.",
                                               "Printed to the fax printer. 1 more printed document waits.",
                                               "Printed to the fax printer."}));
    EXPECT_FALSE(fs::exists(older));
    EXPECT_FALSE(fs::exists(newer));
    EXPECT_FALSE(fs::exists(late));
    EXPECT_TRUE(fs::exists(half));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(PrintJobs, documentThatCannotBeOpenedStaysAndIsReportedOnce) {
    // A link planted under a document's name: never opened, and neither it nor
    // what it points at is deleted.
    const fs::path target = outside.WriteFile("mine.pdf", "%PDF-1.4 keep");
    fs::create_symlink(target, inbox / "QUILLTMP-4-link.pdf");
    const fs::path good = Arrive("QUILLTMP-5-good.pdf", 0);
    ExpectDialog();

    RunPrintJobs();

    EXPECT_EQ(shown, (std::vector<std::string>{"good.pdf"}));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_NE(recorder.messages[0].text.find("QUILLTMP-4-link.pdf"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(inbox / "QUILLTMP-4-link.pdf"));
    EXPECT_TRUE(fs::exists(target));
    EXPECT_FALSE(fs::exists(good));
}

TEST_F(PrintJobs, aPrintedDocumentTravelsUnderItsTitleAndTheNextOneWaits) {
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running());
    std::ofstream(home.path() / "Quillmark" / "Desklet.conf")
        << "[Config]\nlogon=acme\nsmtp=127.0.0.1\nsmtp_port=" << server.port() << "\n";
    const std::string document = "%PDF-1.4\n" + std::string(5000, 'q');
    const fs::path printed = Arrive("QUILLTMP-57-Quarterly report.pdf", 10, document);
    const fs::path next = Arrive("QUILLTMP-58-Minutes.pdf", 0);
    ExpectDialog([](CFaxClientDlg& dialog) {
        qobject_cast<QLineEdit*>(dialog.GetDlgItem(CFaxClientDlg::IDC_NUMBER))->setText("2125551212");
        dialog.OnAddRecipient();
        qobject_cast<QAbstractButton*>(dialog.GetDlgItem(IDOK))->click();
    });
    ExpectDialog();

    RunPrintJobs();

    EXPECT_EQ(shown, (std::vector<std::string>{"Quarterly report.pdf", "Minutes.pdf"}));
    EXPECT_EQ(notes.front(), "Printed to the fax printer. 1 more printed document waits.");
    EXPECT_TRUE(recorder.messages.empty()) << recorder.messages.front().text;
    const auto messages = server.Messages(1);
    ASSERT_EQ(messages.size(), 1u);
    const ParsedMail mail = ParseMail(messages[0]);
    ASSERT_TRUE(mail.ok) << mail.error;
    ASSERT_EQ(mail.attachments.size(), 1u);
    EXPECT_EQ(mail.attachmentNames[0], "Quarterly report.pdf");
    EXPECT_TRUE(mail.attachments[0] == document) << "the spool file's bytes travel";
    EXPECT_FALSE(fs::exists(printed));
    EXPECT_FALSE(fs::exists(next));
}

TEST_F(PrintJobs, jobsHeldForAFullInboxAreToldOfOnceBeforeTheDocuments) {
    std::ofstream(inbox / HeldNoteName("61")) << "Budget.pdf\n";
    std::ofstream(inbox / HeldNoteName("9")) << "Minutes\n";
    const fs::path waiting = Arrive("QUILLTMP-5-waiting.pdf", 0);
    ExpectDialog([this](CFaxClientDlg&) { EXPECT_EQ(recorder.messages.size(), 1u) << "told before the dialog"; });

    RunPrintJobs();
    RunPrintJobs(); // told of once

    ASSERT_EQ(recorder.messages.size(), 1u);
    const std::string& text = recorder.messages[0].text;
    const std::size_t minutes = text.find("Minutes.pdf (job 9)");
    const std::size_t budget = text.find("Budget.pdf (job 61)");
    EXPECT_NE(minutes, std::string::npos) << text;
    EXPECT_NE(budget, std::string::npos) << text;
    EXPECT_LT(minutes, budget) << "by job number";
    EXPECT_NE(text.find("lp -i 9 -H resume\nlp -i 61 -H resume"), std::string::npos) << text;
    EXPECT_EQ(shown, (std::vector<std::string>{"waiting.pdf"}));
    EXPECT_FALSE(fs::exists(inbox / HeldNoteName("61")));
    EXPECT_FALSE(fs::exists(inbox / HeldNoteName("9")));
}

} // namespace
