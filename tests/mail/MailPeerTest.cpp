#include "mail/CMimeMailItem.h"

#include "support/CaptureSmtpServer.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

namespace desklet {
namespace {

using test::TempDir;

struct PeerCase {
    std::string name;
    std::string fileName;
    std::size_t size;
    friend void PrintTo(const PeerCase& c, std::ostream* os) { *os << c.name; }
};

class MailPeer : public testing::TestWithParam<PeerCase> {};

// Python's email package reads the composed message as any mail reader would: the
// one attachment must come back byte for byte, under the file's own name, and the
// parser must find no defect.
TEST_P(MailPeer, ParserReadsTheDocumentBackByteForByte) {
    const PeerCase& c = GetParam();
    TempDir dir;
    std::mt19937 random(static_cast<unsigned>(c.size));
    std::string bytes(c.size, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(random());
    }
    const auto document = dir.WriteFile(c.fileName, bytes);

    CMimeMailItem item;
    item.m_strSender = "jo@example.com";
    item.m_strSubject = "fax -lowres 2125551212";
    item.AddRecipient("fax@gateway.example", "");
    item.AddMimePart(document.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
    ASSERT_TRUE(item.ComposeMessage()) << item.GetComposeError();

    const auto eml = dir.path() / "message.eml";
    std::ofstream(eml, std::ios::binary) << item.m_strHeader << item.m_strBody;
    const test::ParsedMail mail = test::ParseMail(eml);
    ASSERT_TRUE(mail.ok) << mail.error;
    EXPECT_EQ(mail.contentType, "multipart/mixed");
    EXPECT_EQ(mail.subject, "fax -lowres 2125551212");
    EXPECT_EQ(mail.messageId, item.GetMessageId());
    ASSERT_EQ(mail.attachments.size(), 1u);
    EXPECT_EQ(mail.attachmentNames[0], c.fileName);
    EXPECT_TRUE(mail.attachments[0] == bytes) << "decoded " << mail.attachments[0].size() << " bytes";
}

INSTANTIATE_TEST_SUITE_P(Cases, MailPeer,
                         testing::Values(PeerCase{"empty file", "empty.pdf", 0}, PeerCase{"one byte", "one.pdf", 1},
                                         PeerCase{"one line exactly", "line.pdf", 54},
                                         PeerCase{"one MiB", "big.tif", 1 << 20},
                                         PeerCase{"name with blanks", "Quarterly report 2026.pdf", 300},
                                         PeerCase{"name with non ASCII letters",
                                                  "Gr\xC3\xBC\xC3\x9F"
                                                  "e an K\xC3\xB6ln.pdf",
                                                  300},
                                         PeerCase{"name with quote and semicolon", "a \"b\"; c.pdf", 10},
                                         PeerCase{"name with a line break", "a\r\nBcc: x@example.com.pdf", 10},
                                         PeerCase{"name with an apostrophe", "O'Brien.pdf", 10},
                                         PeerCase{"name with a star", "report*2.pdf", 10},
                                         PeerCase{"name with a percent sign", "100%.pdf", 10}),
                         test::SentenceName{});

} // namespace
} // namespace desklet
