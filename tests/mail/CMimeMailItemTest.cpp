#include "mail/CMimeMailItem.h"

#include "mail/CAttachmentPartEncoder.h"
#include "mail/CBase64Codec.h"
#include "mail/CMimeEncoderRegistry.h"
#include "mail/CTextPartEncoder.h"
#include "mail/MessageSource.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace desklet {
namespace {

using test::TempDir;

constexpr const char* kBoundaryLine = "--KX_MAIL_PaRt_BoUnDaRy_05151998\r\n";
constexpr const char* kClosingLine = "--KX_MAIL_PaRt_BoUnDaRy_05151998--\r\n";

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 37 + 11) % 256);
    }
    return bytes;
}

// The base64 lines of a file: one per 54 bytes, then the short (or empty) line of
// the last read, then the empty line that ends the part.
std::string ExpectedLines(const std::string& bytes) {
    std::string lines;
    CBase64Codec codec;
    std::size_t at = 0;
    for (;; at += 54) {
        const std::size_t length = std::min<std::size_t>(54, bytes.size() - at);
        lines += codec.Encode(reinterpret_cast<const std::uint8_t*>(bytes.data()) + at, length) + "\r\n";
        if (length < 54) {
            break;
        }
    }
    return lines + "\r\n";
}

class CMimeMailItemTest : public testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override {
        unsetenv("TZ");
        tzset();
    }

    static void Fill(CMimeMailItem& item) {
        item.m_strSender = "jo@example.com";
        item.m_strSubject = "fax  -lowres -plain 2125551212";
        item.AddRecipient("fax@gateway.example", "");
        item.SetClock([] { return std::time_t{1007649789}; });
    }

    TempDir dir;
};

// The header of the item Fill makes, with the identifier the item got.
std::string Header(const CMailItem& item) {
    return "From: jo@example.com\r\n"
           "To: <fax@gateway.example>\r\n"
           "Date: Thu, 06 Dec 01 14:43:09 UTC\r\n"
           "Message-ID: " +
           item.GetMessageId() +
           "\r\n"
           "Subject: fax  -lowres -plain 2125551212\r\n"
           "X-Mailer: KX Mail\r\n"
           "MIME-Version: 1.0\r\n"
           "Content-Type: multipart/mixed; boundary=KX_MAIL_PaRt_BoUnDaRy_05151998\r\n"
           "\r\n";
}

TEST_F(CMimeMailItemTest, FaxMailIsLaidOutByteForByteForEverySizeAroundALine) {
    // Past the last row, the document takes more than one read of the file.
    for (const std::size_t size : {0, 1, 2, 53, 54, 55, 100, 108, 109, 54 * 4096 + 55}) {
        const std::string bytes = Pattern(size);
        const auto path = dir.WriteFile("report.pdf", bytes);
        CMimeMailItem item;
        Fill(item);
        item.AddMimePart(path.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
        ASSERT_TRUE(item.ComposeMessage()) << item.GetComposeError();
        EXPECT_EQ(item.m_strHeader, Header(item));
        EXPECT_EQ(item.m_strBody, std::string("This is a multi-part message in MIME format.\r\n\r\n") + kBoundaryLine +
                                      "Content-Type: application/octet-stream; file=report.pdf\r\n"
                                      "Content-Transfer-Encoding: base64\r\n"
                                      "Content-Disposition: attachment; filename=report.pdf\r\n"
                                      "\r\n" +
                                      ExpectedLines(bytes) + kClosingLine)
            << size << " bytes";
    }
}

struct NameCase {
    const char* name;
    const char* file;
    const char* parameter; // as written after "filename"
};

TEST_F(CMimeMailItemTest, FileNameIsWrittenSoThatAParserReadsItBack) {
    const NameCase cases[] = {
        {"no extension", "README", "=README"},
        {"two dots keep the first in the name", "report.final.pdf", "=report.final.pdf"},
        {"case is kept", "Scan.PDF", "=Scan.PDF"},
        {"blank needs quotes", "Quarterly report.pdf", "=\"Quarterly report.pdf\""},
        {"quote and backslash are escaped", "say \"hi\" \\o.txt", "=\"say \\\"hi\\\" \\\\o.txt\""},
        {"tspecial needs quotes", "a;b=c.txt", "=\"a;b=c.txt\""},
        // Token characters, but RFC 2231 gives them a meaning that parsers apply
        // to bare values too.
        {"apostrophe, star and percent need quotes", "O'Brien*2 100%.pdf", "=\"O'Brien*2 100%.pdf\""},
        {"star alone needs quotes", "report*2.pdf", "=\"report*2.pdf\""},
        {"non-ASCII goes in RFC 2231 form",
         "Gr\xC3\xBC\xC3\x9F"
         "e.pdf",
         "*=UTF-8''Gr%C3%BC%C3%9Fe.pdf"},
        {"CR LF goes percent-encoded", "a\r\nContent-Type: html.pdf", "*=UTF-8''a%0D%0AContent-Type%3A%20html.pdf"},
        {"percent and apostrophe in RFC 2231 form", "100%\x01'.txt", "*=UTF-8''100%25%01%27.txt"},
    };
    for (const NameCase& c : cases) {
        std::string name;
        std::string extension;
        CAttachmentPartEncoder::SplitFileName(std::string("/some/dir/") + c.file, name, extension);
        EXPECT_EQ(name + extension, c.file) << c.name;
        EXPECT_EQ(CAttachmentPartEncoder::FormatParameter("filename", name + extension),
                  std::string("; filename") + c.parameter)
            << c.name;
    }
}

TEST_F(CMimeMailItemTest, PathIsSplitAtTheLastSlashAndTheLastDot) {
    const struct {
        const char* path;
        const char* name;
        const char* extension;
    } cases[] = {{"/a/b.c/file", "file", ""},
                 {"/a/b/x.tar.gz", "x.tar", ".gz"},
                 {"plain.txt", "plain", ".txt"},
                 {"/a/.hidden", "", ".hidden"},
                 {"/a/dir/", "", ""},
                 {"/a/b/trailing.", "trailing", "."}};
    for (const auto& c : cases) {
        std::string name;
        std::string extension;
        CAttachmentPartEncoder::SplitFileName(c.path, name, extension);
        EXPECT_EQ(name, c.name) << c.path;
        EXPECT_EQ(extension, c.extension) << c.path;
    }
}

TEST_F(CMimeMailItemTest, PartHeaderOfAHostileFileNameHasOnlyItsOwnLines) {
    const CAttachmentPartEncoder encoder(1);
    const std::string header = encoder.BuildPartHeader({4, 1, "", true, "/tmp/x\r\nBcc: a@b\n.pdf"});
    EXPECT_EQ(header, "Content-Type: application/octet-stream; file*=UTF-8''x%0D%0ABcc%3A%20a%40b%0A.pdf\r\n"
                      "Content-Transfer-Encoding: base64\r\n"
                      "Content-Disposition: attachment; filename*=UTF-8''x%0D%0ABcc%3A%20a%40b%0A.pdf\r\n\r\n");
}

TEST_F(CMimeMailItemTest, NoPartsAndNoBodyGiveThePreambleAndTheClosingBoundary) {
    CMimeMailItem item;
    Fill(item);
    ASSERT_TRUE(item.ComposeMessage());
    EXPECT_EQ(item.m_strBody, std::string("This is a multi-part message in MIME format.\r\n\r\n") + kClosingLine);
}

TEST_F(CMimeMailItemTest, TextPartComesFirstAndAttachmentsKeepTheirOrder) {
    const auto first = dir.WriteFile("first.txt", "1");
    const auto second = dir.WriteFile("second.txt", "22");
    CMimeMailItem item;
    Fill(item);
    item.AddMimePart(first.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
    item.AddMimePart(second.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
    item.AddMimePart(" dropped\r\n", 2, "", 0, false);
    item.m_strBody = " \r\nHello there\t\r\n";
    ASSERT_TRUE(item.ComposeMessage()) << item.GetComposeError();
    EXPECT_EQ(item.m_strBody, std::string("This is a multi-part message in MIME format.\r\n\r\n") + kBoundaryLine +
                                  "Content-Type: text/plain\r\nContent-Transfer-Encoding: 7Bit\r\n\r\n"
                                  "Hello there\r\n" +
                                  kBoundaryLine +
                                  "Content-Type: application/octet-stream; file=first.txt\r\n"
                                  "Content-Transfer-Encoding: base64\r\n"
                                  "Content-Disposition: attachment; filename=first.txt\r\n\r\nMQ==\r\n\r\n" +
                                  kBoundaryLine +
                                  "Content-Type: application/octet-stream; file=second.txt\r\n"
                                  "Content-Transfer-Encoding: base64\r\n"
                                  "Content-Disposition: attachment; filename=second.txt\r\n\r\nMjI=\r\n\r\n" +
                                  kClosingLine);
    ASSERT_EQ(item.GetParts().size(), 4u);
    EXPECT_EQ(item.GetParts().back().m_strContent, "dropped");
}

// A Linux file name may end in a blank: trimming the path sent the neighbour
// without it, or failed when there was none.
TEST_F(CMimeMailItemTest, TheFileChosenIsTheFileSentBlanksAndAll) {
    const struct {
        const char* name;
        const char* chosen;
        const char* neighbour; // another file in the same folder, or empty
    } cases[] = {{"trailing blank beside the name without it", "contract.pdf ", "contract.pdf"},
                 {"trailing blank alone", "contract.pdf ", ""},
                 {"trailing tab and line break beside the name without them", "contract.pdf\t\n", "contract.pdf"}};
    for (const auto& c : cases) {
        const TempDir folder;
        if (*c.neighbour) {
            folder.WriteFile(c.neighbour, "the other document");
        }
        const auto chosen = folder.WriteFile(c.chosen, "the chosen document");
        CMimeMailItem item;
        Fill(item);
        item.AddMimePart(chosen.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
        ASSERT_TRUE(item.ComposeMessage()) << c.name << ": " << item.GetComposeError();
        EXPECT_EQ(item.GetParts().front().m_strContent, chosen.string()) << c.name;
        EXPECT_NE(item.m_strBody.find(ExpectedLines("the chosen document")), std::string::npos) << c.name;
        EXPECT_NE(item.m_strBody.find(CAttachmentPartEncoder::FormatParameter("filename", c.chosen)), std::string::npos)
            << c.name;
    }
}

TEST_F(CMimeMailItemTest, EveryItemRegistersTwoEncodersAndTheFirstOnesServe) {
    const std::size_t before = CMimeEncoderRegistry::Instance().GetCount();
    const CMimeMailItem one;
    const CMimePartEncoder* text = CMimeEncoderRegistry::Instance().FindEncoder(CMimeMailItem::PartTypeText);
    const CMimeMailItem two;
    EXPECT_EQ(CMimeEncoderRegistry::Instance().GetCount(), before + 4);
    EXPECT_EQ(CMimeEncoderRegistry::Instance().FindEncoder(CMimeMailItem::PartTypeText), text);
    EXPECT_NE(dynamic_cast<const CTextPartEncoder*>(text), nullptr);
    EXPECT_NE(dynamic_cast<const CAttachmentPartEncoder*>(
                  CMimeEncoderRegistry::Instance().FindEncoder(CMimeMailItem::PartTypeOctetStream)),
              nullptr);
    EXPECT_EQ(CMimeEncoderRegistry::Instance().FindEncoder(2), nullptr);
    CMimeEncoderRegistry::Instance().Register(nullptr);
    EXPECT_EQ(CMimeEncoderRegistry::Instance().GetCount(), before + 4);
}

TEST_F(CMimeMailItemTest, MissingDocumentFailsTheComposeAndNamesTheFile) {
    const std::string missing = (dir.path() / "gone.pdf").string();
    const std::string fifo = (dir.path() / "pipe.pdf").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string unreadable = dir.WriteFile("locked.pdf", "secret").string();
    ASSERT_EQ(chmod(unreadable.c_str(), 0), 0);
    const bool root = geteuid() == 0;

    const std::pair<std::string, std::string> cases[] = {
        {missing, "Unable to open the file " + missing + ": No such file or directory"},
        {dir.path().string(), "The file " + dir.path().string() + " is not a regular file"},
        {fifo, "The file " + fifo + " is not a regular file"},
        {unreadable, root ? "" : "Unable to open the file " + unreadable + ": Permission denied"},
    };
    for (const auto& [path, error] : cases) {
        if (error.empty()) {
            continue; // root reads any file
        }
        CMimeMailItem item;
        Fill(item);
        item.AddMimePart(path, CMimeMailItem::PartTypeOctetStream, "", 4, true);
        EXPECT_FALSE(item.ComposeMessage()) << path;
        EXPECT_EQ(item.GetComposeError(), error);
        EXPECT_EQ(item.m_strBody.find("Content-Disposition"), std::string::npos);
    }
}

// Fails its reads after some lines, or rewrites the file while it reads it: the
// faults a truncated document would come from.
class FaultyAttachmentEncoder : public CAttachmentPartEncoder {
public:
    enum class Fault { ReadError, FileChanges };
    FaultyAttachmentEncoder(Fault fault, std::string path)
        : CAttachmentPartEncoder(1), m_fault(fault), m_path(std::move(path)) {}

    long ReadDocument(int fd, std::uint8_t* into, std::size_t size) const override {
        if (m_reads++ == 0) {
            return CAttachmentPartEncoder::ReadDocument(fd, into, std::min<std::size_t>(size, 54));
        }
        if (m_fault == Fault::ReadError) {
            errno = EIO;
            return -1;
        }
        if (m_reads == 2) {
            std::ofstream(m_path, std::ios::app) << "more";
        }
        return CAttachmentPartEncoder::ReadDocument(fd, into, size);
    }

private:
    Fault m_fault;
    std::string m_path;
    mutable int m_reads = 0;
};

TEST_F(CMimeMailItemTest, DocumentThatCannotBeReadWholeLeavesTheBodyAsItWas) {
    const std::string path = dir.WriteFile("doc.pdf", Pattern(500)).string();
    const std::pair<FaultyAttachmentEncoder::Fault, std::string> cases[] = {
        {FaultyAttachmentEncoder::Fault::ReadError, "Unable to read the file " + path + ": Input/output error"},
        {FaultyAttachmentEncoder::Fault::FileChanges, "The file " + path + " changed while it was being read"},
    };
    for (const auto& [fault, message] : cases) {
        const FaultyAttachmentEncoder encoder(fault, path);
        std::string body = "before\r\n";
        std::string error;
        EXPECT_FALSE(encoder.AppendPart({4, 1, "", true, path}, body, error));
        EXPECT_EQ(error, message);
        EXPECT_EQ(body, "before\r\n");
    }
}

// Reads the open message in pieces of the given size; false at a failed read.
bool ReadInPieces(MessageSource& message, std::size_t piece, std::string& out) {
    std::string buffer(piece, '\0');
    for (;;) {
        std::size_t got = 0;
        if (!message.Read(buffer.data(), piece, &got)) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        out.append(buffer, 0, got);
    }
}

TEST_F(CMimeMailItemTest, MessageReadInPiecesOfAnySizeIsTheWholeMessage) {
    // A text part and a document that takes several reads of the file.
    const auto path = dir.WriteFile("report.pdf", Pattern(600 * 1024 + 17));
    CMimeMailItem item;
    Fill(item);
    item.m_strBody = "Hello\r\n.there";
    item.AddMimePart(path.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
    std::string whole;
    {
        CMimeMailItem copy;
        Fill(copy);
        copy.m_strBody = item.m_strBody;
        copy.AddMimePart(path.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
        ASSERT_TRUE(copy.ComposeMessage()) << copy.GetComposeError();
        whole = copy.m_strHeader + copy.m_strBody;
    }
    for (const std::size_t piece :
         {std::size_t{1}, std::size_t{73}, std::size_t{74}, std::size_t{75}, std::size_t{4096}, std::size_t{1} << 20}) {
        MessageSource* message = item.OpenMessage();
        ASSERT_NE(message, nullptr) << item.GetComposeError();
        std::string read;
        ASSERT_TRUE(ReadInPieces(*message, piece, read)) << message->GetError();
        // Only the identifier tells the two items apart.
        std::string expected = whole;
        const std::size_t id = expected.find("Message-ID: <") + 12;
        expected.replace(id, expected.find('>', id) + 1 - id, item.GetMessageId());
        EXPECT_TRUE(read == expected) << piece << "-byte pieces: " << read.size() << " bytes";
        EXPECT_EQ(message->Size(), read.size()) << piece;
        item.CloseMessage();
    }
}

struct ChangeCase {
    const char* name;
    std::function<void(const std::filesystem::path&)> change;
};

TEST_F(CMimeMailItemTest, DocumentThatChangesWhileTheMessageIsReadFailsTheRead) {
    const ChangeCase cases[] = {
        {"cut short", [](const std::filesystem::path& path) { std::filesystem::resize_file(path, 1000); }},
        {"grown", [](const std::filesystem::path& path) { std::ofstream(path, std::ios::app) << "more"; }},
        {"rewritten in place",
         [](const std::filesystem::path& path) {
             std::fstream(path, std::ios::in | std::ios::out | std::ios::binary).write("changed", 7);
             // A write in the same clock tick as the opening keeps the time.
             std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(1));
         }},
    };
    for (const ChangeCase& c : cases) {
        const auto path = dir.WriteFile("doc.pdf", Pattern(600 * 1024));
        CMimeMailItem item;
        Fill(item);
        item.AddMimePart(path.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
        MessageSource* message = item.OpenMessage();
        ASSERT_NE(message, nullptr) << item.GetComposeError();
        std::string read(100 * 1024, '\0');
        std::size_t got = 0;
        ASSERT_TRUE(message->Read(read.data(), read.size(), &got));
        c.change(path);
        read.clear();
        EXPECT_FALSE(ReadInPieces(*message, 64 * 1024, read)) << c.name;
        EXPECT_EQ(message->GetFailure(), MessageSource::Failure::DocumentUnreadable) << c.name;
        item.CloseMessage();
        EXPECT_EQ(item.GetComposeError(), "The file " + path.string() + " changed while it was being read") << c.name;
    }
}

} // namespace
} // namespace desklet
