#include "support/TestDirectoryServer.h"

#include "support/ProgramRun.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace desklet::test {
namespace {

const char* const kSlapd = "/usr/sbin/slapd";
const char* const kSlapadd = "/usr/sbin/slapadd";

// A port free now; slapd takes it a moment later.
unsigned FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    unsigned port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return port;
}

bool Accepts(unsigned port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool connected = fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return connected;
}

} // namespace

TestDirectoryServer::TestDirectoryServer(const std::string& ldif, const std::filesystem::path& certificate,
                                         const std::filesystem::path& key, const std::string& extraConfig) {
    const std::string dir = m_dir.path().string();
    std::filesystem::create_directory(m_dir.path() / "db");
    std::string config = "include /etc/ldap/schema/core.schema\n"
                         "include /etc/ldap/schema/cosine.schema\n"
                         "include /etc/ldap/schema/inetorgperson.schema\n"
                         "pidfile " +
                         dir +
                         "/slapd.pid\n"
                         "argsfile " +
                         dir +
                         "/slapd.args\n"
                         "modulepath /usr/lib/ldap\n"
                         "moduleload back_mdb\n";
    if (!certificate.empty()) {
        config += "TLSCertificateFile " + certificate.string() + "\nTLSCertificateKeyFile " + key.string() + "\n";
    }
    config += std::string("database mdb\nmaxsize 16777216\nsuffix \"") + kBase + "\"\nrootdn \"cn=admin," + kBase +
              "\"\nrootpw admin-secret\ndirectory " + dir + "/db\n" + extraConfig + "\n";
    const std::string configFile = m_dir.WriteFile("slapd.conf", config).string();
    const std::string ldifFile = m_dir.WriteFile("entries.ldif", ldif).string();

    const ProgramResult added = RunProgram({kSlapadd, "-q", "-f", configFile, "-l", ldifFile});
    if (!added.finished || added.exitCode != 0) {
        Fail("slapadd failed: " + added.err);
        return;
    }
    m_port = FreePort();
    m_tlsPort = FreePort();
    std::string listen = "ldap://127.0.0.1:" + std::to_string(m_port) + "/";
    if (!certificate.empty()) {
        listen += " ldaps://127.0.0.1:" + std::to_string(m_tlsPort) + "/";
    }
    const std::string log = dir + "/slapd.log";
    std::vector<std::string> argv = {kSlapd, "-d", "0", "-h", listen, "-f", configFile};
    std::vector<char*> args;
    for (std::string& arg : argv) {
        args.push_back(arg.data());
    }
    args.push_back(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
        // In the foreground (-d), its complaints in a file of the folder.
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out >= 0) {
            ::dup2(out, STDOUT_FILENO);
            ::dup2(out, STDERR_FILENO);
        }
        ::execv(kSlapd, args.data());
        ::_exit(127);
    }
    if (m_pid < 0) {
        Fail("fork failed");
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!Accepts(m_port) || (!certificate.empty() && !Accepts(m_tlsPort))) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            Fail("slapd ended at its start; see " + log);
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            Fail("slapd did not listen in time");
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

TestDirectoryServer::~TestDirectoryServer() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        int status = 0;
        ReapWithin(m_pid, std::chrono::steady_clock::now() + std::chrono::seconds(10), status);
    }
}

bool TestDirectoryServer::Fail(std::string message) {
    m_error = std::move(message);
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
    }
    return false;
}

std::string TestDirectoryServer::OnePerson(const std::string& name, const std::string& company,
                                           const std::string& faxNumber) {
    const std::string surname = name.substr(name.rfind(' ') + 1);
    return std::string("dn: ") + kBase +
           "\nobjectClass: dcObject\nobjectClass: organization\ndc: example\no: Example\n\n" + "dn: cn=" + name + "," +
           kBase + "\nobjectClass: inetOrgPerson\ncn: " + name + "\nsn: " + surname + "\no: " + company +
           "\nfacsimileTelephoneNumber: " + faxNumber + "\n";
}

} // namespace desklet::test
