#include "support/TestAuthority.h"

#include "support/ProgramRun.h"

#include <cstdlib>
#include <functional>

namespace desklet::test {

namespace {
const char* const kOpenSsl = "/usr/bin/openssl";
} // namespace

bool TestAuthority::Run(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv = {kOpenSsl};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const ProgramResult result = RunProgram(argv);
    if (!result.finished || result.exitCode != 0) {
        m_error = "openssl " + arguments.front() + " failed: " + result.err;
        return false;
    }
    return true;
}

bool TestAuthority::MakeAuthority(const std::string& name) {
    const std::string base = (m_dir.path() / name).string();
    return Run({"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-keyout",
                base + ".key", "-out", base + ".pem", "-subj", "/CN=" + name, "-days", "2"});
}

bool TestAuthority::Issue(const std::string& authority, const std::string& name, const std::string& altNames, int days,
                          Identity& identity) {
    const std::filesystem::path dir = m_dir.path();
    const std::string base = (dir / name).string();
    const std::string ca = (dir / authority).string();
    const auto extensions = m_dir.WriteFile(name + ".ext", "subjectAltName=" + altNames + "\n");
    identity = {base + ".pem", base + ".key"};
    return Run({"req", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-keyout", base + ".key",
                "-out", base + ".csr", "-subj", "/CN=" + name}) &&
           Run({"x509", "-req", "-in", base + ".csr", "-CA", ca + ".pem", "-CAkey", ca + ".key", "-set_serial",
                std::to_string(std::hash<std::string>()(name) & 0xFFFFFF), "-out", base + ".pem", "-days",
                std::to_string(days), "-extfile", extensions.string()});
}

TestAuthority::TestAuthority() {
    const char* loopbackNames = "IP:127.0.0.1,DNS:localhost";
    m_ok = MakeAuthority("trusted-ca") && MakeAuthority("stranger-ca") &&
           Issue("trusted-ca", "loopback", loopbackNames, 2, m_loopback) &&
           Issue("trusted-ca", "other-name", "DNS:other.test", 2, m_otherName) &&
           Issue("trusted-ca", "expired", loopbackNames, -1, m_expired) &&
           Issue("stranger-ca", "stranger", loopbackNames, 2, m_stranger);
    if (!m_ok) {
        return;
    }
    if (const char* previous = std::getenv("SSL_CERT_FILE")) {
        m_hadPreviousCertFile = true;
        m_previousCertFile = previous;
    }
    ::setenv("SSL_CERT_FILE", (m_dir.path() / "trusted-ca.pem").c_str(), 1);
}

TestAuthority::~TestAuthority() {
    if (!m_ok) {
        return;
    }
    if (m_hadPreviousCertFile) {
        ::setenv("SSL_CERT_FILE", m_previousCertFile.c_str(), 1);
    } else {
        ::unsetenv("SSL_CERT_FILE");
    }
}

const TestAuthority& TestAuthority::Shared() {
    static const TestAuthority authority;
    return authority;
}

} // namespace desklet::test
