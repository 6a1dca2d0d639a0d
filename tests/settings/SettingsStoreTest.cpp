#include "settings/SettingsStore.h"
#include "settings/SettingsKeys.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

using namespace desklet;
using desklet::test::TempSettingsHome;

namespace fs = std::filesystem;

namespace {

fs::path storeFile(const TempSettingsHome& home) {
    return home.path() / "Quillmark" / "Desklet.conf";
}

void writeStore(const TempSettingsHome& home, const std::string& text) {
    fs::create_directories(storeFile(home).parent_path());
    std::ofstream(storeFile(home), std::ios::binary) << text;
}

std::string readStore(const TempSettingsHome& home) {
    std::ifstream in(storeFile(home), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

mode_t modeOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

CMapStringToString loaded(bool* result = nullptr) {
    CMapStringToString map;
    SettingsStore store;
    const bool ok = store.Load(map);
    if (result != nullptr) {
        *result = ok;
    }
    return map;
}

TEST(SettingsStoreLoad, WithoutAFileReportsNothingStoredAndLeavesTheMapAlone) {
    TempSettingsHome home;
    CMapStringToString map;
    map.SetAt("smtp", "from.command.line");
    SettingsStore store;
    EXPECT_FALSE(store.Load(map));
    EXPECT_FALSE(store.GetLastError().empty());
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_EQ(map.LookupOrEmpty("smtp"), "from.command.line");
}

TEST(SettingsStoreLoad, AnEmptyGroupIsAStoreThatHoldsNothing) {
    TempSettingsHome home;
    writeStore(home, "[Config]\n");
    CMapStringToString map;
    map.SetAt("fax", "123");
    SettingsStore store;
    EXPECT_TRUE(store.Load(map));
    EXPECT_EQ(map.GetCount(), 1);
}

TEST(SettingsStoreLoad, AValueOf259CharactersLoadsAndOneOf260DoesNot) {
    TempSettingsHome home;
    const std::string longest(259, 's');
    const std::string tooLong(260, 'p');
    writeStore(home, "[Config]\nsmtp=" + longest + "\nsmtp_port=" + tooLong + "\n");
    CMapStringToString map;
    map.SetAt("smtp_port", "2525");
    SettingsStore store;
    ASSERT_TRUE(store.Load(map));
    EXPECT_EQ(map.LookupOrEmpty("smtp"), longest);
    EXPECT_EQ(map.LookupOrEmpty("smtp_port"), "2525");
}

TEST(SettingsStoreLoad, StoredValuesReplaceCommandLineValuesAndOthersSurvive) {
    TempSettingsHome home;
    writeStore(home, "[Config]\nsmtp=stored.example\nlogon=alice\n");
    CMapStringToString map;
    map.SetAt("smtp", "cmdline.example");
    map.SetAt("password", "from-cmdline");
    map.SetAt("file", "/tmp/doc.txt");
    SettingsStore store;
    ASSERT_TRUE(store.Load(map));
    EXPECT_EQ(map.LookupOrEmpty("smtp"), "stored.example");
    EXPECT_EQ(map.LookupOrEmpty("logon"), "alice");
    EXPECT_EQ(map.LookupOrEmpty("password"), "from-cmdline");
    EXPECT_EQ(map.LookupOrEmpty("file"), "/tmp/doc.txt");
}

TEST(SettingsStoreLoad, OnlyThePersistedKeysOfTheConfigGroupAreRead) {
    TempSettingsHome home;
    writeStore(home, "[Config]\nfile=/etc/passwd\n[Other]\nlogon=mallory\n");
    bool ok = false;
    const CMapStringToString map = loaded(&ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(map.GetCount(), 0);
}

// Iterates the table, so that a key a feature adds there is held to the same round trip.
TEST(SettingsStoreSave, WritesEveryPersistedValueThatLoadsBackUnchanged) {
    TempSettingsHome home;
    CMapStringToString map;
    const std::string hostile = std::string("line\r\nlogon=evil\n[Config]\x01\xc3\xa9") + "\"quoted\", comma";
    for (const std::string_view key : kPersistedNames) {
        map.SetAt(std::string(key), std::string(key) + "-value");
    }
    map.SetAt("email_on_queued", hostile);
    map.SetAt("smtp", "@Variant(not one)");
    SettingsStore store;
    ASSERT_TRUE(store.Save(map)) << store.GetLastError();
    EXPECT_TRUE(store.GetLastError().empty());

    bool ok = false;
    const CMapStringToString back = loaded(&ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(back.GetCount(), static_cast<int>(kPersistedNames.size()));
    for (const std::string_view key : kPersistedNames) {
        EXPECT_EQ(back.LookupOrEmpty(std::string(key)), map.LookupOrEmpty(std::string(key))) << key;
    }
}

TEST(SettingsStoreSave, EmptyAccountValuesKeepTheStoredOnesAndTheOthersAreEmptied) {
    TempSettingsHome home;
    writeStore(home, "[Config]\nlogon=alice\npassword=secret\nstationid=ACCT7\nsmtp=old.example\n");
    CMapStringToString map;
    map.SetAt("logon", "");
    map.SetAt("stationid", "");
    SettingsStore store;
    ASSERT_TRUE(store.Save(map)) << store.GetLastError();
    EXPECT_EQ(map.GetCount(), 2) << "the map is only read";

    const CMapStringToString back = loaded();
    EXPECT_EQ(back.LookupOrEmpty("logon"), "alice");
    EXPECT_EQ(back.LookupOrEmpty("password"), "secret");
    EXPECT_EQ(back.LookupOrEmpty("stationid"), "ACCT7");
    std::string smtp = "unset";
    EXPECT_TRUE(back.Lookup("smtp", smtp));
    EXPECT_EQ(smtp, "");
    for (const char* key :
         {"email_on_delivered", "email_on_not_delivered", "email_on_queued", "email_on_not_queued", "smtp_port"}) {
        std::string value = "unset";
        EXPECT_TRUE(back.Lookup(key, value)) << key;
        EXPECT_EQ(value, "") << key;
    }
}

TEST(SettingsStoreSave, TheFileKeepsItsFormatByteForByte) {
    TempSettingsHome home;
    writeStore(home, "[Config]\nlogon=alice\npassword=secret\nsmtp=old.example\n");
    CMapStringToString map;
    map.SetAt("logon", "");
    map.SetAt("stationid", "ACCT7");
    map.SetAt("email_on_queued", "a@b.example, c@d.example");
    map.SetAt("smtp_port", "2525");
    map.SetAt("smtp_security", "starttls");
    map.SetAt("fax", "5551234");
    SettingsStore store;
    ASSERT_TRUE(store.Save(map)) << store.GetLastError();
    EXPECT_EQ(readStore(home), "[Config]\n"
                               "email_on_delivered=\n"
                               "email_on_not_delivered=\n"
                               "email_on_not_queued=\n"
                               "email_on_queued=\"a@b.example, c@d.example\"\n"
                               "ldap_base=\n"
                               "ldap_bind_dn=\n"
                               "ldap_bind_password=\n"
                               "ldap_url=\n"
                               "logon=alice\n"
                               "password=secret\n"
                               "smtp=\n"
                               "smtp_password=\n"
                               "smtp_port=2525\n"
                               "smtp_security=starttls\n"
                               "smtp_user=\n"
                               "stationid=ACCT7\n");
}

TEST(SettingsStoreSave, EveryKeyOfTheTableFollowsItsRules) {
    TempSettingsHome home;
    std::string file = "[Config]\n";
    for (const SettingEntry& entry : kSettings) {
        file += std::string(entry.name) + "=stored\n";
    }
    writeStore(home, file);
    CMapStringToString emptied;
    for (const SettingEntry& entry : kSettings) {
        emptied.SetAt(std::string(entry.name), "");
    }
    SettingsStore store;
    ASSERT_TRUE(store.Save(emptied)) << store.GetLastError();

    CMapStringToString back;
    ASSERT_TRUE(store.Load(back));
    for (const SettingEntry& entry : kSettings) {
        std::string value = "absent";
        back.Lookup(std::string(entry.name), value);
        const char* expected = !entry.persisted ? "absent" : entry.whenEmpty == WhenEmpty::KeepStored ? "stored" : "";
        EXPECT_EQ(value, expected) << entry.name;
    }
}

TEST(SettingsStoreSave, KeysOutsideThePersistedNineAreNotWritten) {
    TempSettingsHome home;
    CMapStringToString map;
    map.SetAt("file", "/tmp/doc.txt");
    map.SetAt("fax", "5551234");
    SettingsStore store;
    ASSERT_TRUE(store.Save(map));
    const std::string text = readStore(home);
    EXPECT_EQ(text.find("file"), std::string::npos) << text;
    EXPECT_EQ(text.find("5551234"), std::string::npos) << text;
}

TEST(SettingsStoreSave, AFolderThatCannotBeCreatedFailsWithAReason) {
    TempSettingsHome home;
    // A plain file where the folder belongs stops even a privileged user.
    std::ofstream(home.path() / "Quillmark") << "in the way";
    CMapStringToString map;
    map.SetAt("logon", "alice");
    SettingsStore store;
    EXPECT_FALSE(store.Save(map));
    EXPECT_NE(store.GetLastError().find("Quillmark"), std::string::npos) << store.GetLastError();
    EXPECT_EQ(map.GetCount(), 1);
}

TEST(SettingsStoreSave, AnUnreadableFileIsNotOverwrittenBlindly) {
    TempSettingsHome home;
    fs::create_directories(storeFile(home)); // a folder where the file belongs
    CMapStringToString map;
    map.SetAt("logon", "alice");
    SettingsStore store;
    EXPECT_FALSE(store.Save(map));
    EXPECT_FALSE(store.GetLastError().empty());
    bool ok = true;
    (void)loaded(&ok);
    EXPECT_FALSE(ok);
}

TEST(SettingsStoreSave, TheFileAndItsFolderArePrivateToTheUser) {
    TempSettingsHome home;
    CMapStringToString map;
    map.SetAt("password", "secret");
    SettingsStore store;
    ASSERT_TRUE(store.Save(map)) << store.GetLastError();
    EXPECT_EQ(modeOf(storeFile(home)), 0600u);
    EXPECT_EQ(modeOf(storeFile(home).parent_path()), 0700u);

    // The replace through a temporary keeps the mode on the next save.
    map.SetAt("password", "changed");
    ASSERT_TRUE(store.Save(map));
    EXPECT_EQ(modeOf(storeFile(home)), 0600u);
}

TEST(SettingsStoreSave, AWiderExistingFileAndFolderAreTightened) {
    TempSettingsHome home;
    writeStore(home, "[Config]\nlogon=alice\n");
    fs::permissions(storeFile(home), fs::perms(0644));
    fs::permissions(storeFile(home).parent_path(), fs::perms(0755));
    CMapStringToString map;
    SettingsStore store;
    ASSERT_TRUE(store.Save(map)) << store.GetLastError();
    EXPECT_EQ(modeOf(storeFile(home)), 0600u);
    EXPECT_EQ(modeOf(storeFile(home).parent_path()), 0700u);
    EXPECT_EQ(loaded().LookupOrEmpty("logon"), "alice");
}

TEST(SettingsStoreSave, AMissingConfigurationHomeIsCreatedPrivate) {
    TempSettingsHome home;
    const fs::path nested = home.path() / "deeper" / "config";
    setenv("XDG_CONFIG_HOME", nested.c_str(), 1);
    CMapStringToString map;
    SettingsStore store;
    ASSERT_TRUE(store.Save(map)) << store.GetLastError();
    EXPECT_EQ(modeOf(nested), 0700u);
    EXPECT_EQ(modeOf(nested / "Quillmark" / "Desklet.conf"), 0600u);
}

// Dotfile managers put a symbolic link where the file belongs. A save goes
// through it to the file at the end of the chain, atomically in that file's
// folder; the link stays and the file it names becomes private.
TEST(SettingsStoreSave, ASymbolicLinkIsSavedThroughToTheFileItNames) {
    struct LinkCase {
        const char* name;
        // Plants the link at `link` (and whatever it leads to below `home`);
        // returns the file the save must land in, or empty when it must fail.
        std::function<fs::path(const fs::path& home, const fs::path& link)> plant;
        bool needsUnprivileged = false; // root writes where the case forbids it
    };
    const auto dotfile = [](const fs::path& home, const char* name) {
        fs::create_directories(home / "dotfiles");
        std::ofstream(home / "dotfiles" / name) << "[Config]\nlogon=alice\n";
        fs::permissions(home / "dotfiles" / name, fs::perms(0644));
        return home / "dotfiles" / name;
    };
    const LinkCase cases[] = {
        {"absolute link to a file elsewhere",
         [&](const fs::path& home, const fs::path& link) {
             const fs::path target = dotfile(home, "Desklet.conf");
             fs::create_symlink(target, link);
             return target;
         }},
        {"relative links in a chain",
         [&](const fs::path& home, const fs::path& link) {
             const fs::path target = dotfile(home, "second.conf");
             fs::create_symlink("second.conf", home / "dotfiles" / "first.conf");
             fs::create_symlink("../dotfiles/first.conf", link);
             return target;
         }},
        {"dangling link into a folder that exists",
         [](const fs::path& home, const fs::path& link) {
             fs::create_directories(home / "dotfiles");
             fs::create_symlink(home / "dotfiles" / "new.conf", link);
             return home / "dotfiles" / "new.conf";
         }},
        {"dangling link into a folder that does not exist",
         [](const fs::path& home, const fs::path& link) {
             fs::create_symlink(home / "missing" / "Desklet.conf", link);
             return fs::path();
         }},
        {"link through a plain file",
         [](const fs::path& home, const fs::path& link) {
             std::ofstream(home / "plain") << "not a folder";
             fs::create_symlink(home / "plain" / "Desklet.conf", link);
             return fs::path();
         }},
        {"links in a loop",
         [](const fs::path&, const fs::path& link) {
             fs::create_symlink("other.conf", link);
             fs::create_symlink("Desklet.conf", link.parent_path() / "other.conf");
             return fs::path();
         }},
        {"link into a folder the user cannot write",
         [&](const fs::path& home, const fs::path& link) {
             const fs::path target = dotfile(home, "Desklet.conf");
             fs::permissions(target, fs::perms(0600));
             fs::permissions(home / "dotfiles", fs::perms(0500));
             fs::create_symlink(target, link);
             return fs::path();
         },
         true},
    };
    for (const LinkCase& c : cases) {
        if (c.needsUnprivileged && ::geteuid() == 0) {
            continue;
        }
        TempSettingsHome home;
        fs::create_directories(storeFile(home).parent_path());
        const fs::path target = c.plant(home.path(), storeFile(home));
        CMapStringToString map;
        map.SetAt("smtp", "saved.example");
        SettingsStore store;
        const bool saved = store.Save(map);
        EXPECT_TRUE(fs::is_symlink(storeFile(home))) << c.name;
        if (target.empty()) {
            EXPECT_FALSE(saved) << c.name;
            EXPECT_FALSE(store.GetLastError().empty()) << c.name;
            EXPECT_FALSE(fs::exists(home.path() / "missing")) << c.name;
        } else {
            ASSERT_TRUE(saved) << c.name << ": " << store.GetLastError();
            EXPECT_EQ(modeOf(target), 0600u) << c.name;
            std::ifstream in(target);
            const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            EXPECT_NE(text.find("smtp=saved.example"), std::string::npos) << c.name << ": " << text;
            EXPECT_EQ(loaded().LookupOrEmpty("smtp"), "saved.example") << c.name;
        }
        std::error_code ignored;
        fs::permissions(home.path() / "dotfiles", fs::perms(0700), ignored);
    }
}

} // namespace
