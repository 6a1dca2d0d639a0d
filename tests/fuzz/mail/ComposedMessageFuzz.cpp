// The composed fax mail from hostile header values and a hostile file name, with
// the document as the one part. Every line ends in CR LF and keeps within 998
// octets; unfolded, the header holds exactly its fields, each with its value
// (line breaks and NUL as blanks), so no value starts a line of its own; the part
// header holds exactly its three fields and gives back the file name; the base64
// lines give back the file. Read in pieces of any size, the message is the same
// bytes as composed whole.

#include "fuzz/mail/Base64Model_p.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzFields.h"
#include "fuzz/support/OneLine.h"
#include "mail/CMimeMailItem.h"
#include "mail/MessageSource.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

using namespace desklet;
using desklet::fuzz::FuzzFields;
using desklet::fuzz::OneLine;

namespace {

// RFC 5322 section 2.1.1.
constexpr std::size_t kMaxLine = 998;
// RFC 2045 section 6.8.
constexpr std::size_t kMaxBase64Line = 76;
// Linux's NAME_MAX.
constexpr std::size_t kMaxFileName = 255;
constexpr std::string_view kBoundary = "--KX_MAIL_PaRt_BoUnDaRy_05151998";

// A private folder for the documents, each removed after its run.
const std::string& Folder() {
    static const std::string folder = [] {
        char name[] = "/tmp/desklet-fuzz-XXXXXX";
        FUZZ_CHECK(mkdtemp(name) != nullptr);
        return std::string(name);
    }();
    static const bool removeAtExit = std::atexit([] { ::rmdir(Folder().c_str()); }) == 0;
    (void)removeAtExit;
    return folder;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Whether a header line can be folded into lines within the limit: broken only
// before a blank that follows a word, past the value's first word and before its
// last, no piece between two such breaks may be longer.
bool Foldable(std::string_view line) {
    std::size_t i = line.find(':') + 1;
    while (i < line.size() && IsBlank(line[i])) {
        ++i;
    }
    std::size_t end = line.size();
    while (end > i && IsBlank(line[end - 1])) {
        --end;
    }
    std::size_t piece = 0;
    for (; i < end; ++i) {
        if (IsBlank(line[i]) && !IsBlank(line[i - 1])) {
            if (i - piece > kMaxLine) {
                return false;
            }
            piece = i;
        }
    }
    return line.size() - piece <= kMaxLine;
}

// The lines of a text that must be all CR LF lines, and unfolded into fields
// when asked: a line that begins with a blank or tab continues the one before.
// A line may pass the limit only where folding cannot help.
std::vector<std::string> Lines(std::string_view text, bool unfold) {
    std::vector<std::string> lines;
    std::size_t longest = 0; // of the physical lines of the field so far
    FUZZ_CHECK(text.size() >= 2 && text.substr(text.size() - 2) == "\r\n");
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        const std::string_view line = text.substr(start, end - start);
        FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos);
        if (unfold && !line.empty() && IsBlank(line[0])) {
            FUZZ_CHECK(!lines.empty());
            lines.back() += line;
        } else {
            lines.emplace_back(line);
        }
        longest = std::max(longest, line.size());
        if (unfold && (end + 2 == text.size() || !IsBlank(text[end + 2]))) {
            FUZZ_CHECK(longest <= kMaxLine || !Foldable(lines.back()));
            longest = 0;
        }
        start = end + 2;
    }
    FUZZ_CHECK(unfold || longest <= kMaxLine);
    return lines;
}

bool IsTokenChar(unsigned char c) {
    return c > 32 && c < 127 && std::strchr("()<>@,;:\\\"/[]?=", c) == nullptr;
}

// Upper case, as RFC 2231 writes it.
int HexDigit(char c) {
    const std::size_t at = std::string_view("0123456789ABCDEF").find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The value of `; attribute=...` at the end of a field: a token, a quoted-string
// or RFC 2231's percent-encoded form. Anything else fails the check.
std::string ParameterValue(std::string_view field, std::string_view lead, std::string_view attribute) {
    FUZZ_CHECK(field.substr(0, lead.size()) == lead && field.substr(lead.size(), 2) == "; ");
    std::string_view rest = field.substr(lead.size() + 2);
    FUZZ_CHECK(rest.substr(0, attribute.size()) == attribute);
    rest.remove_prefix(attribute.size());
    std::string value;
    if (rest.substr(0, 9) == "*=UTF-8''") {
        for (std::size_t i = 9; i < rest.size(); ++i) {
            if (rest[i] != '%') {
                FUZZ_CHECK(IsTokenChar(static_cast<unsigned char>(rest[i])) && !std::strchr("*'%", rest[i]));
                value += rest[i];
                continue;
            }
            FUZZ_CHECK(i + 2 < rest.size());
            const int high = HexDigit(rest[i + 1]);
            const int low = HexDigit(rest[i + 2]);
            FUZZ_CHECK(high >= 0 && low >= 0);
            value += static_cast<char>(high * 16 + low);
            i += 2;
        }
    } else if (rest.substr(0, 2) == "=\"") {
        std::size_t i = 2;
        for (; i < rest.size() && rest[i] != '"'; ++i) {
            i += rest[i] == '\\' ? 1 : 0;
            FUZZ_CHECK(i < rest.size());
            value += rest[i];
        }
        FUZZ_CHECK(i + 1 == rest.size());
    } else {
        FUZZ_CHECK(rest.size() > 1 && rest[0] == '=');
        value = rest.substr(1);
        for (const char c : value) {
            FUZZ_CHECK(IsTokenChar(static_cast<unsigned char>(c)));
        }
    }
    return value;
}

void CheckBody(std::string_view body, const std::string& name, const std::string& content) {
    const std::vector<std::string> lines = Lines(body, false);
    FUZZ_CHECK(lines.size() >= 8);
    FUZZ_CHECK(lines[0] == "This is a multi-part message in MIME format." && lines[1].empty());
    FUZZ_CHECK(lines[2] == kBoundary);
    std::size_t i = 3;
    std::string partHeader;
    for (; i < lines.size() && !lines[i].empty(); ++i) {
        partHeader += lines[i] + "\r\n";
    }
    const std::vector<std::string> fields = Lines(partHeader, true);
    FUZZ_CHECK(fields.size() == 3);
    FUZZ_CHECK(ParameterValue(fields[0], "Content-Type: application/octet-stream", "file") == name);
    FUZZ_CHECK(fields[1] == "Content-Transfer-Encoding: base64");
    FUZZ_CHECK(ParameterValue(fields[2], "Content-Disposition: attachment", "filename") == name);
    std::string base64;
    for (++i; i + 1 < lines.size(); ++i) {
        FUZZ_CHECK(lines[i].size() <= kMaxBase64Line);
        base64 += lines[i];
    }
    FUZZ_CHECK(lines.back() == std::string(kBoundary) + "--");
    std::vector<std::uint8_t> decoded;
    FUZZ_CHECK(fuzz::DecodeBase64(base64, decoded));
    FUZZ_CHECK(std::string(decoded.begin(), decoded.end()) == content);
}

// "<" 32 hex digits "@" domain ">": the domain is the sender's when it is a host
// name, else the fallback; nothing of a hostile sender gets in.
void CheckMessageId(std::string_view id, std::string_view sender) {
    FUZZ_CHECK(id.size() > 35 && id.front() == '<' && id.back() == '>' && id[33] == '@');
    FUZZ_CHECK(id.substr(1, 32).find_first_not_of("0123456789abcdef") == std::string_view::npos);
    const std::string_view domain = id.substr(34, id.size() - 35);
    FUZZ_CHECK(domain.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-.") ==
               std::string_view::npos);
    const std::size_t at = sender.rfind('@');
    FUZZ_CHECK(domain == "desklet.invalid" || (at != std::string_view::npos && sender.substr(at + 1) == domain));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFields fields(data, size);
    CMimeMailItem item;
    item.SetClock([] { return std::time_t{0}; });
    item.m_strSender = fields.Next();
    item.m_strSubject = fields.Next();
    std::string name;
    for (const char c : fields.Next().substr(0, kMaxFileName - 1)) {
        if (c != '/' && c != '\0') {
            name += c;
        }
    }
    if (name.empty() || name == "." || name == "..") {
        name += '_';
    }
    const std::string content = fields.Next();
    std::string to;
    for (int i = 0; !fields.AtEnd(); ++i) {
        const std::string address = fields.Next();
        const std::string displayName = fields.Next();
        item.AddRecipient(address, displayName);
        to += (i > 0 ? "," : "") + displayName + "<" + address + ">";
    }

    const std::string path = Folder() + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(content.data(), 1, content.size(), file) == content.size() && std::fclose(file) == 0);
    item.AddMimePart(path, CMimeMailItem::PartTypeOctetStream, "", 4, true);

    // The message as a transport reads it, in pieces of sizes the input chooses,
    // before the whole composition that the checks below read.
    MessageSource* message = item.OpenMessage();
    FUZZ_CHECK(message != nullptr);
    std::string streamed;
    std::string buffer(4096, '\0');
    for (std::size_t k = 0;; ++k) {
        const std::size_t piece = k % 5 == 4 ? buffer.size() : 1 + (size > 0 ? data[k % size] % 97 : 0);
        std::size_t got = 0;
        FUZZ_CHECK(message->Read(buffer.data(), piece, &got));
        FUZZ_CHECK(got <= piece);
        if (got == 0) {
            break;
        }
        streamed.append(buffer, 0, got);
    }
    FUZZ_CHECK(message->Size() == streamed.size());
    item.CloseMessage();

    const bool composed = item.ComposeMessage();
    std::remove(path.c_str());
    FUZZ_CHECK(composed);
    FUZZ_CHECK(streamed == item.m_strHeader + item.m_strBody);

    const std::vector<std::string> header = Lines(item.m_strHeader, true);
    FUZZ_CHECK(header.size() == 9 && header.back().empty());
    FUZZ_CHECK(header[0] == "From: " + OneLine(item.m_strSender));
    FUZZ_CHECK(header[1] == "To: " + OneLine(to));
    FUZZ_CHECK(header[2].substr(0, 6) == "Date: ");
    FUZZ_CHECK(header[3] == "Message-ID: " + item.GetMessageId());
    CheckMessageId(item.GetMessageId(), item.m_strSender);
    FUZZ_CHECK(header[4] == "Subject: " + OneLine(item.m_strSubject));
    FUZZ_CHECK(header[5] == "X-Mailer: KX Mail");
    FUZZ_CHECK(header[6] == "MIME-Version: 1.0");
    FUZZ_CHECK(header[7] == "Content-Type: multipart/mixed; boundary=KX_MAIL_PaRt_BoUnDaRy_05151998");
    CheckBody(item.m_strBody, name, content);
    return 0;
}
