#pragma once

#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace desklet::test {

// A certificate authority made by the test with the openssl command line, and
// server certificates from it (EC keys, quick to make). Trust() points
// SSL_CERT_FILE at the authority for the object's life, so only it is trusted.
class TestAuthority {
public:
    struct Identity {
        std::filesystem::path certificate;
        std::filesystem::path key;
    };

    TestAuthority();
    // The one authority of a test program whose tests share it: the trust it sets
    // is the process's environment, so two alive at once would distrust each other.
    static const TestAuthority& Shared();
    ~TestAuthority();
    TestAuthority(const TestAuthority&) = delete;
    TestAuthority& operator=(const TestAuthority&) = delete;

    bool ok() const { return m_ok; }
    const std::string& error() const { return m_error; }

    // Valid for 127.0.0.1 and localhost.
    const Identity& loopback() const { return m_loopback; }
    // Valid, but only for other.test.
    const Identity& otherName() const { return m_otherName; }
    // For 127.0.0.1, but its time ran out yesterday.
    const Identity& expired() const { return m_expired; }
    // For 127.0.0.1, from an authority nobody trusts.
    const Identity& stranger() const { return m_stranger; }

private:
    bool Run(const std::vector<std::string>& arguments);
    bool MakeAuthority(const std::string& name);
    bool Issue(const std::string& authority, const std::string& name, const std::string& altNames, int days,
               Identity& identity);

    TempDir m_dir;
    bool m_ok = false;
    std::string m_error;
    Identity m_loopback, m_otherName, m_expired, m_stranger;
    std::string m_previousCertFile;
    bool m_hadPreviousCertFile = false;
};

} // namespace desklet::test
