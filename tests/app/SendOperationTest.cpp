#include "app/core/SendOperation.h"
#include "mail/CMailItem.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <climits>

using namespace desklet;
using Icon = SendOperation::Icon;
using TransferResult = SendOperation::TransferResult;

namespace {

// Records what the user would have seen, in order.
struct Screen {
    std::vector<std::string> events;

    SendOperation::Ui ui() {
        SendOperation::Ui ui;
        ui.hide = [this] { events.push_back("hide"); };
        ui.show = [this] { events.push_back("show"); };
        ui.message = [this](const std::string& text, const std::string& caption, Icon icon) {
            events.push_back("message " + caption + " | " + text + (icon == Icon::Exclamation ? " | !" : ""));
        };
        ui.runAccountSettings = [this] { events.push_back("settings"); };
        return ui;
    }
};

const SendOperation::Config kConfig{"fax.quillmark.example", "-desklet@fax.quillmark.example"};

class SendOperationTest : public testing::Test {
protected:
    desklet::test::TempDir files;
    Screen screen;
    CMapStringToString settings;
    FaxJob job;
    std::string document;
    int transfers = 0;
    std::string server;
    unsigned port = 0;
    std::string header;

    void SetUp() override {
        settings["logon"] = "acme";
        job.recipients = {"2125551212"};
        document = files.WriteFile("a.pdf", "%PDF").string();
    }

    SendOperation::Transfer transfer(TransferResult result) {
        return [this, result](CMailItem& item, const std::string& s, unsigned p) {
            ++transfers;
            server = s;
            port = p;
            EXPECT_TRUE(item.ComposeMessage());
            header = item.m_strHeader;
            return result;
        };
    }

    SendOperation::Result run(TransferResult result = TransferResult::Sent) {
        return SendOperation::Run(job, document, settings, kConfig, screen.ui(), transfer(result));
    }
};

TEST_F(SendOperationTest, ASuccessfulSendHidesTheDialogAndSaysNothing) {
    EXPECT_EQ(run(), SendOperation::Result::Sent);
    EXPECT_EQ(screen.events, (std::vector<std::string>{"hide"}));
    EXPECT_EQ(transfers, 1);
    EXPECT_EQ(server, "fax.quillmark.example");
    EXPECT_EQ(port, 25u);
    EXPECT_NE(header.find("To: <acme-config@fax.quillmark.example>\r\n"), std::string::npos);
    EXPECT_NE(header.find("From: acme-desklet@fax.quillmark.example\r\n"), std::string::npos);
    EXPECT_NE(header.find("Subject: fax  -lowres -plain -cover -code  -doca 2125551212 \r\n"), std::string::npos);
}

TEST_F(SendOperationTest, TheServerSettingsReplaceTheDefaults) {
    settings["smtp"] = "127.0.0.1";
    settings["smtp_port"] = "2525";
    run();
    EXPECT_EQ(server, "127.0.0.1");
    EXPECT_EQ(port, 2525u);
}

TEST_F(SendOperationTest, AMissingAccountShowsTheDialogBeforeItsMessageThenTheSheet) {
    settings.RemoveKey("logon");
    EXPECT_EQ(run(), SendOperation::Result::Stopped);
    EXPECT_EQ(screen.events,
              (std::vector<std::string>{"hide", "show",
                                        "message Error sending fax - Check Password | Please verify your account name "
                                        "and password",
                                        "settings"}));
    EXPECT_EQ(transfers, 0);
    EXPECT_FALSE(settings.Lookup("logon", server)) << "the lookup does not add the key";
}

TEST_F(SendOperationTest, TransferFailuresEachShowTheirMessageAndTheDialog) {
    struct Row {
        TransferResult result;
        std::vector<std::string> events;
    };
    const Row rows[] = {
        {TransferResult::ConnectFailed,
         {"hide", std::string("message Error sending Fax | ") + SendOperation::kConnectFailedText, "show"}},
        {TransferResult::SendFailed,
         {"hide", std::string("message Error sending Fax | ") + SendOperation::kSendFailedText, "show"}},
        {TransferResult::Cancelled, {"hide", "show"}},
    };
    for (const Row& row : rows) {
        screen.events.clear();
        EXPECT_EQ(run(row.result), SendOperation::Result::Stopped);
        EXPECT_EQ(screen.events, row.events);
    }
}

TEST_F(SendOperationTest, ANumberRuleStopsAtTheFirstBadEntry) {
    job.recipients = {"0114420712345", "12345", "99"};
    run();
    ASSERT_EQ(screen.events.size(), 3u);
    EXPECT_EQ(screen.events[1], "message Please verify fax telephone number 12345 | A fax number that begins with 1 "
                                "must be followed by exactly 10 digits | !");
    EXPECT_EQ(transfers, 0);
}

TEST_F(SendOperationTest, ADocumentThatIsNoReadableFileIsNotFound) {
    for (const std::string& path :
         {std::string(), (files.path() / "missing.pdf").string(), files.path().string(), std::string("/dev/null")}) {
        screen.events.clear();
        document = path;
        run();
        ASSERT_EQ(screen.events.size(), 3u) << path;
        EXPECT_EQ(screen.events[1], "message Error: File not found! | Please verify the path to the file you want to "
                                    "fax. | !");
    }
    EXPECT_EQ(transfers, 0);
}

TEST_F(SendOperationTest, TheDocumentPathNamesTheFileThatWasFoundAlsoBehindALink) {
    std::filesystem::create_directories(files.path() / "real" / "inner");
    const auto document = files.WriteFile("real/doc.pdf", "%PDF");
    std::filesystem::create_directory_symlink(files.path() / "real" / "inner", files.path() / "link");
    // link/.. is real/, not the folder that holds the link.
    const std::string resolved = SendOperation::ResolveDocument((files.path() / "link" / ".." / "doc.pdf").string());
    ASSERT_FALSE(resolved.empty());
    EXPECT_TRUE(std::filesystem::equivalent(resolved, document)) << resolved;
    EXPECT_EQ(resolved.front(), '/');
}

struct PortCase {
    const char* name;
    std::string text;
    unsigned port;
    friend void PrintTo(const PortCase& c, std::ostream* os) { *os << c.name; }
};

class PortText : public testing::TestWithParam<PortCase> {};

TEST_P(PortText, ReadsAsAtoiWould) {
    EXPECT_EQ(SendOperation::ParsePort(GetParam().text), GetParam().port);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortText,
    testing::Values(PortCase{"plain digits", "2525", 2525u}, PortCase{"letters give zero", "abc", 0u},
                    PortCase{"leading blanks and a sign", "  +587", 587u},
                    PortCase{"digits then letters", "25abc", 25u}, PortCase{"empty gives zero", "", 0u},
                    PortCase{"a negative port stays out of range", "-1", static_cast<unsigned>(-1)},
                    PortCase{"an overlong number is held at the limit", "99999999999999999999",
                             static_cast<unsigned>(INT_MAX)}),
    desklet::test::SentenceName{});

} // namespace
