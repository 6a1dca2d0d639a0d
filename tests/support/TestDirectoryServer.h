#pragma once

#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace desklet::test {

// A directory server of the test's own: slapd with a configuration and a database
// in a temporary folder, the entries of an LDIF text loaded before it starts,
// listening on free loopback ports, killed by its PID when the object goes. The
// system's own instance, if any, is never touched.
class TestDirectoryServer {
public:
    static constexpr const char* kBase = "dc=example,dc=test";

    // certificate and key (from TestAuthority) enable StartTLS and an ldaps://
    // port; extraConfig goes into the database's section ("security simple_bind=1").
    TestDirectoryServer(const std::string& ldif, const std::filesystem::path& certificate = {},
                        const std::filesystem::path& key = {}, const std::string& extraConfig = {});
    ~TestDirectoryServer();
    TestDirectoryServer(const TestDirectoryServer&) = delete;
    TestDirectoryServer& operator=(const TestDirectoryServer&) = delete;

    // The base entry and one person with a fax number under it, as LDIF: enough
    // for a front end's road.
    static std::string OnePerson(const std::string& name, const std::string& company, const std::string& faxNumber);

    bool ok() const { return m_pid > 0; }
    const std::string& error() const { return m_error; }
    std::string ldapUrl() const { return "ldap://127.0.0.1:" + std::to_string(m_port); }
    std::string ldapsUrl() const { return "ldaps://127.0.0.1:" + std::to_string(m_tlsPort); }

private:
    bool Fail(std::string message);

    TempDir m_dir;
    pid_t m_pid = -1;
    unsigned m_port = 0;
    unsigned m_tlsPort = 0;
    std::string m_error;
};

} // namespace desklet::test
