#include "directory/Directory.h"
#include "directory/DirectorySearch.h"
#include "support/BlackHole.h"
#include "support/TestAuthority.h"
#include "support/TestDirectoryServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

using namespace desklet;
using desklet::test::TestAuthority;
using desklet::test::TestDirectoryServer;

namespace {

const std::string kBindDn = std::string("cn=Fax Reader,ou=people,") + TestDirectoryServer::kBase;
const std::string kBindPassword = "reader-secret";

const DirectoryEntry kAda{"Ada Lovelace", "Analytical Engines Ltd", "+1 212 555 1212"};
const DirectoryEntry kGrace{"Grace Hopper", "Compiler Works", "+1 617 555 0100"};

std::string Person(const std::string& cn, const std::string& sn, const std::string& rest) {
    return "dn: cn=" + cn + ",ou=people," + TestDirectoryServer::kBase + "\nobjectClass: inetOrgPerson\ncn: " + cn +
           "\nsn: " + sn + "\n" + rest + "\n";
}

// A few people with fax numbers, one without, the account the client logs in
// with, and sixty alike to overrun the size limit.
std::string Entries() {
    std::string ldif = std::string("dn: ") + TestDirectoryServer::kBase +
                       "\nobjectClass: dcObject\nobjectClass: organization\ndc: example\no: Example\n\n"
                       "dn: ou=people," +
                       TestDirectoryServer::kBase + "\nobjectClass: organizationalUnit\nou: people\n\n";
    ldif += Person("Ada Lovelace", "Lovelace",
                   "givenName: Ada\no: Analytical Engines Ltd\nmail: ada@engines.test\n"
                   "facsimileTelephoneNumber: +1 212 555 1212$fineResolution$twoDimensional\n");
    ldif += Person("Grace Hopper", "Hopper",
                   "givenName: Grace\no: Compiler Works\nmail: grace@cobol.test\n"
                   "facsimileTelephoneNumber: +1 617 555 0100\n");
    ldif += Person("Ada Nofax", "Nofax", "o: Analytical Engines Ltd\n");
    ldif += Person("Fax Reader", "Reader", "userPassword: " + kBindPassword + "\n");
    for (int i = 0; i < 60; ++i) {
        ldif += Person("Bulk Person " + std::to_string(i), "Person",
                       "facsimileTelephoneNumber: +1 555 01" + std::to_string(10 + i) + "\n");
    }
    return ldif;
}

class DirectoryServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const TestAuthority& authority = TestAuthority::Shared();
        ASSERT_TRUE(authority.ok()) << authority.error();
        // A simple bind is refused unless TLS protects it: a login that works
        // proves the password went out encrypted.
        s_server = std::make_unique<TestDirectoryServer>(Entries(), authority.loopback().certificate,
                                                         authority.loopback().key, "security simple_bind=1");
    }
    static void TearDownTestSuite() { s_server.reset(); }
    void SetUp() override { ASSERT_TRUE(s_server && s_server->ok()) << (s_server ? s_server->error() : ""); }

    static DirectorySettings Anonymous(const std::string& url) { return {url, TestDirectoryServer::kBase, {}, {}}; }
    static DirectorySettings LoggedIn(const std::string& url, const std::string& password) {
        return {url, TestDirectoryServer::kBase, kBindDn, password};
    }

    static std::unique_ptr<TestDirectoryServer> s_server;
};

std::unique_ptr<TestDirectoryServer> DirectoryServer::s_server;

TEST_F(DirectoryServer, FindsPeopleWithAFaxNumberByNameCompanyOrMail) {
    struct Row {
        const char* name;
        DirectorySettings settings;
        std::string text;
        std::vector<DirectoryEntry> expected;
    };
    const Row rows[] = {
        {"surname in other case, StartTLS offered and used", Anonymous(s_server->ldapUrl()), "lovelace", {kAda}},
        {"company", Anonymous(s_server->ldapUrl()), "compiler works", {kGrace}},
        {"part of the mail address", Anonymous(s_server->ldapUrl()), "ada@engines", {kAda}},
        {"filter syntax in the text is searched for as text", Anonymous(s_server->ldapUrl()), "*)(cn=*", {}},
        {"a match without a fax number is left out", Anonymous(s_server->ldapUrl()), "nofax", {}},
        {"over ldaps", Anonymous(s_server->ldapsUrl()), "grace", {kGrace}},
        {"logged in, the password sent after StartTLS", LoggedIn(s_server->ldapUrl(), kBindPassword), "ada", {kAda}},
    };
    for (const auto& row : rows) {
        Directory directory(row.settings);
        std::vector<DirectoryEntry> entries;
        EXPECT_TRUE(directory.Search(row.text, entries)) << row.name << ": " << directory.GetLastError();
        EXPECT_EQ(entries, row.expected) << row.name;
        EXPECT_TRUE(directory.UsedTls()) << row.name;
    }
}

TEST_F(DirectoryServer, StopsAtTheSizeLimitAndKeepsWhatCame) {
    Directory directory(Anonymous(s_server->ldapUrl()));
    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(directory.Search("bulk person", entries)) << directory.GetLastError();
    EXPECT_EQ(entries.size(), static_cast<std::size_t>(Directory::kSizeLimit));
}

TEST_F(DirectoryServer, FailuresAreTyped) {
    // A server that lists StartTLS but has no certificate, and one whose
    // certificate comes from an authority nobody trusts.
    const TestDirectoryServer plain(Entries());
    const auto& stranger = TestAuthority::Shared().stranger();
    const TestDirectoryServer untrusted(Entries(), stranger.certificate, stranger.key);
    ASSERT_TRUE(plain.ok()) << plain.error();
    ASSERT_TRUE(untrusted.ok()) << untrusted.error();
    const test::BlackHole blackHole;
    ASSERT_TRUE(blackHole.holding());

    struct Row {
        const char* name;
        DirectorySettings settings;
        DirectoryFailure failure;
    };
    const Row rows[] = {
        {"wrong password", LoggedIn(s_server->ldapUrl(), "wrong"), DirectoryFailure::BindRefused},
        {"no password in plain text where StartTLS fails", LoggedIn(plain.ldapUrl(), kBindPassword),
         DirectoryFailure::TlsRefused},
        {"no fallback to plain text past a refused certificate", Anonymous(untrusted.ldapUrl()),
         DirectoryFailure::TlsRefused},
        {"refused certificate over ldaps", Anonymous(untrusted.ldapsUrl()), DirectoryFailure::TlsRefused},
        {"no such base", {s_server->ldapUrl(), "dc=elsewhere,dc=test", {}, {}}, DirectoryFailure::SearchRefused},
        {"a server that never answers", Anonymous("ldap://127.0.0.1:" + std::to_string(blackHole.port())),
         DirectoryFailure::Unreachable},
        {"not an LDAP URL", Anonymous("http://127.0.0.1/"), DirectoryFailure::BadSettings},
        {"a URL that carries a filter", Anonymous(s_server->ldapUrl() + "/dc=x??sub?(cn=*)"),
         DirectoryFailure::BadSettings},
        {"no base", {s_server->ldapUrl(), {}, {}, {}}, DirectoryFailure::BadSettings},
    };
    for (const auto& row : rows) {
        Directory directory(row.settings);
        std::vector<DirectoryEntry> entries;
        EXPECT_FALSE(directory.Search("ada", entries)) << row.name;
        EXPECT_EQ(directory.GetFailure(), row.failure) << row.name << ": " << directory.GetLastError();
        EXPECT_TRUE(entries.empty()) << row.name;
    }

    // Without a password a server that cannot do TLS is searched all the same.
    Directory anonymous(Anonymous(plain.ldapUrl()));
    std::vector<DirectoryEntry> entries;
    EXPECT_TRUE(anonymous.Search("grace", entries)) << anonymous.GetLastError();
    EXPECT_EQ(entries, std::vector<DirectoryEntry>{kGrace});
    EXPECT_FALSE(anonymous.UsedTls());
}

TEST_F(DirectoryServer, SearchOffTheCallingThreadCallsBackOnce) {
    const auto promise = std::make_shared<std::promise<DirectoryResult>>();
    auto future = promise->get_future();
    const auto search = DirectorySearch::Start(Anonymous(s_server->ldapUrl()), "hopper",
                                               [promise](DirectoryResult result) { promise->set_value(result); });
    ASSERT_EQ(future.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    const DirectoryResult result = future.get();
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.entries, std::vector<DirectoryEntry>{kGrace});

    // A callback may drop its own handle (a window that closes on the result).
    // The promise lives as long as the callback, which the worker may still be
    // leaving when the test ends; the handle's lock is let go before the signal.
    const auto dropped = std::make_shared<std::promise<bool>>();
    auto droppedFuture = dropped->get_future();
    std::unique_ptr<DirectorySearch> own;
    std::mutex ownMutex;
    {
        const std::lock_guard<std::mutex> lock(ownMutex);
        own =
            DirectorySearch::Start(Anonymous(s_server->ldapUrl()), "ada", [&own, &ownMutex, dropped](DirectoryResult) {
                {
                    const std::lock_guard<std::mutex> lock(ownMutex);
                    own.reset();
                }
                dropped->set_value(true);
            });
    }
    ASSERT_EQ(droppedFuture.wait_for(std::chrono::seconds(30)), std::future_status::ready);
}

} // namespace
