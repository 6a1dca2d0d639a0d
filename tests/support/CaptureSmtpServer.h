#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace desklet::test {

// A real SMTP server for end-to-end tests: Debian's aiosmtpd, run by the system's
// Python (scripts/capture-smtp.py) on 127.0.0.1, saving what it accepts as .eml
// files. Started by the constructor, ended by its PID in the destructor.
class CaptureSmtpServer {
public:
    // How the server secures itself; the defaults give the plain server.
    struct Options {
        std::string security = "none"; // "none", "starttls" or "tls"
        std::filesystem::path certificate;
        std::filesystem::path key;
        std::string user; // empty: no AUTH offered
        std::string password;
        bool loginOnly = false;      // AUTH LOGIN offered, PLAIN not
        unsigned long sizeLimit = 0; // announced with SIZE; 0: none
        bool forgeBeforeTls = false; // a plain-text reply pipelined behind the STARTTLS go-ahead
        std::string dataReply;       // see below
    };

    // dataReply, when given, answers every message's end of data instead of
    // accepting it (for a refusal: "451 4.3.0 try later"); nothing is saved then.
    explicit CaptureSmtpServer(const std::string& dataReply = {});
    explicit CaptureSmtpServer(const Options& options);
    ~CaptureSmtpServer();
    CaptureSmtpServer(const CaptureSmtpServer&) = delete;
    CaptureSmtpServer& operator=(const CaptureSmtpServer&) = delete;

    bool running() const { return m_port != 0; }
    unsigned port() const { return m_port; }
    const std::filesystem::path& directory() const { return m_directory; }

    // The .eml files received so far, waiting up to `wait` for at least `count`.
    std::vector<std::filesystem::path> Messages(std::size_t count = 0,
                                                std::chrono::milliseconds wait = std::chrono::seconds(10)) const;

private:
    std::filesystem::path m_directory;
    pid_t m_pid = -1;
    int m_stdout = -1;
    unsigned m_port = 0;
};

// What a real MIME parser (Python's email package) reads in a message.
struct ParsedMail {
    bool ok = false;
    std::string from;
    std::string to;
    std::string subject;
    std::string mailFrom; // envelope
    std::string rcptTo;   // envelope, comma-separated
    std::string contentType;
    std::string messageId; // as the parser read it; a malformed one fails the parse
    std::vector<std::string> attachmentNames;
    std::vector<std::string> attachments; // decoded bytes, in order
    std::string error;
};

ParsedMail ParseMail(const std::filesystem::path& eml);

// The messages a mail reader (Python's mailbox module) finds in an mbox file, in
// order, with their Subject (unfolded) and decoded attachments; each one's ok
// says the parser found no defect. Empty, with error set, when the file could not
// be read.
std::vector<ParsedMail> ParseMbox(const std::filesystem::path& mbox, std::string& error);

// The path of the system Python with Debian's packages.
std::string SystemPython();

} // namespace desklet::test
