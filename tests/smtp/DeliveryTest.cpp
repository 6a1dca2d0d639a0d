// The client against a real SMTP server (aiosmtpd on loopback) and a real MIME
// parser reading what arrived.
#include "mail/CMailItem.h"
#include "mail/CMimeMailItem.h"
#include "smtp/CSmtpClient.h"
#include "support/CaptureSmtpServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace desklet {
namespace {

using test::CaptureSmtpServer;

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Delivery, RealServerReceivesEveryLineAsWritten) {
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running()) << "aiosmtpd did not start";
    CSmtpClient client("127.0.0.1", server.port());
    client.SetTimeouts(SmtpTimeouts::Uniform(std::chrono::seconds(20)));
    CMailItem item;
    item.m_strSender = "ann@desk.example";
    item.m_strSubject = "Fax job";
    (void)item.AddRecipient("fax@gw.example", "");
    (void)item.AddRecipient("copy@gw.example", "");
    // Lines that begin with a dot, a lone dot, and an end-of-data sequence hidden
    // behind bare line feeds: all must arrive as text, none may end the data.
    item.m_strBody = ".profile\r\n.\r\n..two\r\nplain\n.\nstill body";
    ASSERT_TRUE(client.Connect()) << client.GetLastError();
    ASSERT_TRUE(client.SendMessage(item)) << client.GetLastError();
    EXPECT_TRUE(client.Disconnect()) << client.GetLastError();

    const auto messages = server.Messages(1);
    ASSERT_EQ(messages.size(), 1u);
    const test::ParsedMail mail = test::ParseMail(messages[0]);
    ASSERT_TRUE(mail.ok) << mail.error;
    EXPECT_EQ(mail.mailFrom, "ann@desk.example");
    EXPECT_EQ(mail.rcptTo, "fax@gw.example,copy@gw.example");
    EXPECT_EQ(mail.subject, "Fax job");
    const std::string raw = ReadAll(messages[0]);
    const std::string body = raw.substr(raw.find("\r\n\r\n") + 4);
    // Composing ends the body with a line break and the end-of-data line brings
    // one of its own, which the server keeps as an empty last line.
    EXPECT_EQ(body, ".profile\r\n.\r\n..two\r\nplain\r\n.\r\nstill body\r\n\r\n");
}

TEST(Delivery, FaxMailWithAOneMebibyteDocumentArrivesWhole) {
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running()) << "aiosmtpd did not start";
    test::TempDir dir;
    std::mt19937 random(2026);
    std::string document(1 << 20, '\0');
    for (char& c : document) {
        c = static_cast<char>(random());
    }
    // Lines of the base64 text that begin with a dot cannot occur, but a document
    // that holds CR LF dot CR LF must still travel untouched.
    document.replace(1000, 5, "\r\n.\r\n");
    const auto path = dir.WriteFile("Scan 2026-12.tif", document);

    CSmtpClient client("127.0.0.1", server.port());
    client.SetTimeouts(SmtpTimeouts::Uniform(std::chrono::seconds(20)));
    CMimeMailItem item;
    item.m_strSender = "ann@desk.example";
    item.m_strSubject = "fax  -lowres -plain 2125551212";
    (void)item.AddRecipient("fax@gw.example", "");
    item.AddMimePart(path.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
    ASSERT_TRUE(client.Connect()) << client.GetLastError();
    ASSERT_TRUE(client.SendMessage(item)) << client.GetLastError();
    EXPECT_TRUE(client.Disconnect()) << client.GetLastError();

    const auto messages = server.Messages(1);
    ASSERT_EQ(messages.size(), 1u);
    const test::ParsedMail mail = test::ParseMail(messages[0]);
    ASSERT_TRUE(mail.ok) << mail.error;
    EXPECT_EQ(mail.subject, "fax  -lowres -plain 2125551212");
    ASSERT_EQ(mail.attachments.size(), 1u);
    EXPECT_EQ(mail.attachmentNames[0], "Scan 2026-12.tif");
    EXPECT_TRUE(mail.attachments[0] == document) << "decoded " << mail.attachments[0].size() << " bytes";
}

TEST(Delivery, DocumentThatCannotBeReadSendsNothingAtAll) {
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running()) << "aiosmtpd did not start";
    test::TempDir dir;
    const std::string missing = (dir.path() / "gone.pdf").string();
    CSmtpClient client("127.0.0.1", server.port());
    client.SetTimeouts(SmtpTimeouts::Uniform(std::chrono::seconds(20)));
    CMimeMailItem item;
    item.m_strSender = "ann@desk.example";
    (void)item.AddRecipient("fax@gw.example", "");
    item.AddMimePart(missing, CMimeMailItem::PartTypeOctetStream, "", 4, true);
    ASSERT_TRUE(client.Connect()) << client.GetLastError();
    EXPECT_FALSE(client.SendMessage(item));
    EXPECT_NE(client.GetLastError().find(missing), std::string::npos) << client.GetLastError();
    EXPECT_TRUE(client.Disconnect()) << client.GetLastError();
    EXPECT_TRUE(server.Messages(0, std::chrono::milliseconds(300)).empty());
}

TEST(Delivery, RefusedConnectionToAClosedPortSaysSo) {
    // A port that was just free: nobody listens there.
    unsigned port = 0;
    {
        CaptureSmtpServer server;
        ASSERT_TRUE(server.running());
        port = server.port();
    }
    CSmtpClient client("127.0.0.1", port);
    client.SetTimeouts(SmtpTimeouts::Uniform(std::chrono::seconds(5)));
    EXPECT_FALSE(client.Connect());
    EXPECT_EQ(client.GetLastError(), "Unable to connect to server");
}

} // namespace
} // namespace desklet
