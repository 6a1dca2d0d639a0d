#include "support/CaptureSmtpServer.h"
#include "support/ProgramRun.h"

#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace desklet::test {
namespace {

constexpr auto kStartTimeout = std::chrono::seconds(15);
constexpr auto kStopTimeout = std::chrono::seconds(5);

std::filesystem::path makeDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "desklet-capture-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    return pattern;
}

// Runs a command to its end, with its standard output captured; bounded by a deadline.
bool runCapturing(const std::vector<std::string>& argv, std::string& output) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    char buffer[4096];
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd p{pipeFds[0], POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) {
            continue;
        }
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    // The pipe closes a moment before the child becomes reapable: wait for it,
    // within the same deadline, before judging how it ended.
    int status = 0;
    return ReapWithin(pid, deadline, status) && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void appendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Undoes Python's unicode_escape: the escapes name code points, written back as UTF-8.
std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        const int digits = c == 'x' ? 2 : c == 'u' ? 4 : c == 'U' ? 8 : 0;
        if (digits > 0) {
            appendUtf8(out, static_cast<unsigned>(std::stoul(text.substr(i + 1, digits), nullptr, 16)));
            i += digits;
        } else if (c == 'n') {
            out += '\n';
        } else if (c == 'r') {
            out += '\r';
        } else if (c == 't') {
            out += '\t';
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string SystemPython() {
    const char* configured = std::getenv("DESKLET_SYSTEM_PYTHON");
    return configured && *configured ? configured : "/usr/bin/python3";
}

CaptureSmtpServer::CaptureSmtpServer(const std::string& dataReply)
    : CaptureSmtpServer([&dataReply] {
          Options options;
          options.dataReply = dataReply;
          return options;
      }()) {}

CaptureSmtpServer::CaptureSmtpServer(const Options& options) : m_directory(makeDirectory()) {
    if (m_directory.empty()) {
        return;
    }
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        return;
    }
    const std::string python = SystemPython();
    const std::string script = std::string(DESKLET_SOURCE_DIR) + "/scripts/capture-smtp.py";
    const std::string outdir = m_directory.string();
    std::vector<std::string> arguments = {python, script, "--outdir", outdir, "--lifetime", "300"};
    if (!options.dataReply.empty()) {
        arguments.insert(arguments.end(), {"--data-reply", options.dataReply});
    }
    if (options.security != "none") {
        arguments.insert(arguments.end(), {"--security", options.security, "--cert", options.certificate.string(),
                                           "--key", options.key.string()});
    }
    if (!options.user.empty()) {
        arguments.insert(arguments.end(), {"--user", options.user, "--password", options.password});
    }
    if (options.sizeLimit != 0) {
        arguments.insert(arguments.end(), {"--size-limit", std::to_string(options.sizeLimit)});
    }
    if (options.loginOnly) {
        arguments.push_back("--login-only");
    }
    if (options.forgeBeforeTls) {
        arguments.push_back("--forge-before-tls");
    }
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    const int spawned =
        posix_spawn(&m_pid, python.c_str(), &actions, nullptr, const_cast<char* const*>(argv.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        m_pid = -1;
        return;
    }
    m_stdout = pipeFds[0];

    std::string seen;
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    char buffer[512];
    while (std::chrono::steady_clock::now() < deadline && seen.find('\n') == std::string::npos) {
        pollfd p{m_stdout, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) {
            continue;
        }
        const ssize_t n = read(m_stdout, buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        seen.append(buffer, static_cast<std::size_t>(n));
    }
    if (seen.rfind("READY ", 0) == 0) {
        m_port = static_cast<unsigned>(std::stoul(seen.substr(6)));
    }
}

CaptureSmtpServer::~CaptureSmtpServer() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
        while (waitpid(m_pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() >= deadline) {
                kill(m_pid, SIGKILL);
                waitpid(m_pid, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    if (m_stdout >= 0) {
        close(m_stdout);
    }
    std::error_code ignored;
    std::filesystem::remove_all(m_directory, ignored);
}

std::vector<std::filesystem::path> CaptureSmtpServer::Messages(std::size_t count,
                                                               std::chrono::milliseconds wait) const {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        std::vector<std::filesystem::path> found;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(m_directory, error)) {
            // The envelope is written after the message: a message counts once both are there.
            if (entry.path().extension() == ".eml" &&
                std::filesystem::exists(std::filesystem::path(entry.path()).replace_extension(".json"))) {
                found.push_back(entry.path());
            }
        }
        std::sort(found.begin(), found.end());
        if (found.size() >= count || std::chrono::steady_clock::now() >= deadline) {
            return found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

ParsedMail ParseMail(const std::filesystem::path& eml) {
    ParsedMail mail;
    TempDir out;
    std::string output;
    const std::string script = std::string(DESKLET_SOURCE_DIR) + "/tests/support/read_mail.py";
    if (!runCapturing({SystemPython(), script, eml.string(), out.path().string()}, output)) {
        mail.error = "read_mail.py failed: " + output;
        return mail;
    }
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, eq);
        const std::string value = unescape(line.substr(eq + 1));
        if (key == "from") {
            mail.from = value;
        } else if (key == "to") {
            mail.to = value;
        } else if (key == "subject") {
            mail.subject = value;
        } else if (key == "content_type") {
            mail.contentType = value;
        } else if (key == "message_id") {
            mail.messageId = value;
        } else if (key == "message_id_defects" && value != "0") {
            mail.error = "the parser found " + value + " defects in the Message-ID";
        } else if (key == "mail_from") {
            mail.mailFrom = value;
        } else if (key == "rcpt_to") {
            mail.rcptTo = value;
        } else if (key == "attachment") {
            const std::size_t index = mail.attachmentNames.size();
            mail.attachmentNames.push_back(value);
            std::ifstream in(out.path() / ("attachment-" + std::to_string(index)), std::ios::binary);
            mail.attachments.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        } else if (key == "defects" && value != "0") {
            mail.error = "the parser found " + value + " defects";
        }
    }
    mail.ok = mail.error.empty();
    return mail;
}

std::vector<ParsedMail> ParseMbox(const std::filesystem::path& mbox, std::string& error) {
    std::vector<ParsedMail> mails;
    std::string output;
    const std::string script = std::string(DESKLET_SOURCE_DIR) + "/tests/support/read_mbox.py";
    if (!runCapturing({SystemPython(), script, mbox.string()}, output)) {
        error = "read_mbox.py failed: " + output;
        return mails;
    }
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line == "message") {
            mails.emplace_back().ok = true;
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos || mails.empty()) {
            continue;
        }
        const std::string key = line.substr(0, eq);
        const std::string value = unescape(line.substr(eq + 1));
        if (key == "subject") {
            mails.back().subject = value;
        } else if (key == "message_id") {
            mails.back().messageId = value;
        } else if (key == "attachment") {
            std::string bytes;
            for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
                bytes += static_cast<char>(std::stoi(value.substr(i, 2), nullptr, 16));
            }
            mails.back().attachments.push_back(bytes);
        } else if (key == "defects" && value != "0") {
            mails.back().ok = false;
            mails.back().error = "the parser found " + value + " defects";
        }
    }
    return mails;
}

} // namespace desklet::test
