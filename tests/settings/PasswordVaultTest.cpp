#include "settings/PasswordVault.h"

#include "DeskletConfig.h"
#include "settings/SecretServiceKeyring.h"
#include "support/FakeKeyring.h"
#include "support/PrivateSessionBus.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace desklet {
namespace {

using Place = PasswordVault::Place;
using test::FakeKeyring;

struct World {
    const char* user;
    const char* server;
    const char* inFile; // nullptr: no smtp_password entry
    bool available;
    bool refuse;
    std::map<std::string, std::string> entries;
};

struct VaultWorld {
    CMapStringToString settings;
    std::shared_ptr<FakeKeyring> keyring = std::make_shared<FakeKeyring>();
    PasswordVault vault{keyring};

    explicit VaultWorld(const World& world) {
        settings["smtp_user"] = world.user;
        settings["smtp"] = world.server;
        if (world.inFile != nullptr) {
            settings["smtp_password"] = world.inFile;
        }
        keyring->available = world.available;
        keyring->refuse = world.refuse;
        keyring->entries = world.entries;
    }
};

const std::string kGatewayEntry = "ann@" + std::string(config::GatewayDomain);

struct LookupCase {
    const char* name;
    World world;
    const char* password;
    Place place;
};

TEST(PasswordVault, LookupFindsThePasswordOfUserAndServer) {
    const LookupCase cases[] = {
        {"no user name means no login, whatever the file holds",
         {"", "mail.example", "pw", true, false, {}},
         "",
         Place::None},
        {"the keyring's entry, the server's case folded",
         {"ann", "Mail.EXAMPLE", nullptr, true, false, {{"ann@mail.example", "k"}}},
         "k",
         Place::Keyring},
        {"an empty server is the gateway's entry",
         {"ann", "", nullptr, true, false, {{kGatewayEntry, "g"}}},
         "g",
         Place::Keyring},
        {"the file's copy is the newer word",
         {"ann", "mail.example", "f", true, false, {{"ann@mail.example", "k"}}},
         "f",
         Place::SettingsFile},
        {"without a keyring the file's copy", {"ann", "mail.example", "f", false, false, {}}, "f", Place::SettingsFile},
        {"another user's entry is not used",
         {"bob", "mail.example", "", true, false, {{"ann@mail.example", "k"}}},
         "",
         Place::None},
        {"a refusing keyring holds nothing",
         {"ann", "mail.example", nullptr, true, true, {{"ann@mail.example", "k"}}},
         "",
         Place::None},
    };
    for (const LookupCase& c : cases) {
        VaultWorld s(c.world);
        const PasswordVault::Found found = s.vault.Lookup(s.settings);
        EXPECT_EQ(found.password, c.password) << c.name;
        EXPECT_EQ(found.place, c.place) << c.name;
        EXPECT_EQ(s.vault.PasswordFor(s.settings), c.password) << c.name;
        EXPECT_EQ(s.vault.GetLastError().empty(), !c.world.refuse) << c.name;
    }
}

TEST(PasswordVault, TheDirectoryLoginHasAnEntryAndAFileCopyOfItsOwn) {
    VaultWorld s({"ann", "mail.example", "mail-file", true, false, {{"cn=r@ldap://dir.example", "d"}}});
    s.settings["ldap_bind_dn"] = "cn=r";
    s.settings["ldap_url"] = "LDAP://Dir.Example";
    PasswordVault directory = s.vault.ForAccount(PasswordVault::Account::Directory);
    EXPECT_EQ(directory.Lookup(s.settings).password, "d");
    EXPECT_EQ(s.vault.PasswordFor(s.settings), "mail-file");

    s.keyring->available = false;
    EXPECT_EQ(directory.Store(s.settings, "x"), Place::SettingsFile);
    EXPECT_EQ(s.settings.LookupOrEmpty("ldap_bind_password"), "x");
    EXPECT_EQ(s.settings.LookupOrEmpty("smtp_password"), "mail-file");
}

struct StoreCase {
    const char* name;
    World world;
    const char* password;
    Place place;
    const char* fileAfter; // nullptr: no smtp_password entry
    std::optional<std::string> entryAfter;
};

TEST(PasswordVault, StoreKeepsThePasswordInTheKeyringOrElseTheFile) {
    const StoreCase cases[] = {
        {"the keyring takes it and the file's copy goes",
         {"ann", "mail.example", "old", true, false, {}},
         "n3w",
         Place::Keyring,
         "",
         "n3w"},
        {"without a keyring the file keeps it",
         {"ann", "mail.example", nullptr, false, false, {}},
         "n3w",
         Place::SettingsFile,
         "n3w",
         std::nullopt},
        {"a refusing keyring leaves it in the file",
         {"ann", "mail.example", "old", true, true, {}},
         "n3w",
         Place::SettingsFile,
         "n3w",
         std::nullopt},
        {"an empty password removes entry and copy",
         {"ann", "mail.example", "old", true, false, {{"ann@mail.example", "k"}}},
         "",
         Place::None,
         "",
         std::nullopt},
        {"without a user name nothing changes",
         {"", "mail.example", "old", true, false, {}},
         "n3w",
         Place::None,
         "old",
         std::nullopt},
    };
    for (const StoreCase& c : cases) {
        VaultWorld s(c.world);
        EXPECT_EQ(s.vault.Store(s.settings, c.password), c.place) << c.name;
        std::string inFile;
        const bool hasCopy = s.settings.Lookup("smtp_password", inFile);
        EXPECT_EQ(hasCopy, c.fileAfter != nullptr) << c.name;
        if (c.fileAfter != nullptr) {
            EXPECT_EQ(inFile, c.fileAfter) << c.name;
        }
        const auto entry = s.keyring->entries.find("ann@mail.example");
        EXPECT_EQ(entry == s.keyring->entries.end() ? std::nullopt : std::optional(entry->second), c.entryAfter)
            << c.name;
        if (c.place != Place::None) {
            EXPECT_EQ(s.vault.Lookup(s.settings).password, c.password) << c.name << " reads back";
        }
    }
}

// What every road without a working keyring ends in: the settings file, and no
// secret in what is reported.
void ExpectTheFileTakesThePassword(const std::shared_ptr<Keyring>& keyring) {
    PasswordVault vault(keyring);
    CMapStringToString settings;
    settings["smtp_user"] = "ann";
    settings["smtp"] = "mail.example";
    EXPECT_EQ(vault.Store(settings, "s3cret"), Place::SettingsFile);
    EXPECT_EQ(settings.LookupOrEmpty("smtp_password"), "s3cret");
    EXPECT_EQ(vault.PasswordFor(settings), "s3cret");
    EXPECT_EQ(vault.GetLastError().find("s3cret"), std::string::npos) << vault.GetLastError();
}

int argc = 1;
char appName[] = "vault_test";
char* argv[] = {appName, nullptr};

// No bus at all, as under cron, ssh or a bare test machine.
TEST(PasswordVault, WithoutASessionBusThePasswordGoesToTheSettingsFile) {
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/desklet-no-session-bus", 1);
    QCoreApplication app(argc, argv);
    auto keyring = std::make_shared<SecretServiceKeyring>();
    EXPECT_FALSE(keyring->IsAvailable());
    EXPECT_FALSE(keyring->Write("ann@mail.example", "s3cret"));
    EXPECT_FALSE(keyring->GetLastError().empty());
    ExpectTheFileTakesThePassword(keyring);
}

// A bus where nobody keeps secrets (a minimal desktop), then one where a name
// claims the Secret Service but serves nothing: neither waits on the bus.
TEST(PasswordVault, OnABusWithoutAWorkingKeyringThePasswordGoesToTheSettingsFile) {
    QCoreApplication app(argc, argv);
    test::PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().empty()) << "dbus-daemon (Debian package dbus-daemon) did not start";
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.address().c_str(), 1);
    auto keyring = std::make_shared<SecretServiceKeyring>();
    EXPECT_FALSE(keyring->IsAvailable());
    ExpectTheFileTakesThePassword(keyring);
    ASSERT_TRUE(QDBusConnection::sessionBus().registerService(QString(SecretServiceKeyring::kBusName.data())));
    EXPECT_TRUE(keyring->IsAvailable());
    ExpectTheFileTakesThePassword(keyring);
}

} // namespace
} // namespace desklet
