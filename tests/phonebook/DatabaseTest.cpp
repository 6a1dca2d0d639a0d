#include "phonebook/Database.h"
#include "phonebook/ContactSearch.h"
#include "phonebook/PhoneBook.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace desklet;
using Kind = PhoneBookFailure::Kind;
using desklet::test::TempDir;
namespace fs = std::filesystem;

namespace {

QString qpath(const fs::path& path) {
    return QString::fromStdString(path.string());
}

mode_t modeOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

int scalar(const Database& database, const QString& statement) {
    QSqlQuery query(database.Connection());
    EXPECT_TRUE(query.exec(statement) && query.next()) << statement.toStdString();
    return query.value(0).toInt();
}

Contact someone(const char* name, const char* number) {
    Contact contact;
    contact.name = QString::fromUtf8(name);
    contact.numbers = {FaxNumber{QString::fromUtf8(number), FaxLabel::Work}};
    return contact;
}

TEST(Database, AnEmptyFolderGetsTheLatestSchemaAndOnlyItsOwnerCanReadAnything) {
    TempDir dir;
    const fs::path file = dir.path() / "share" / "Desklet" / "desklet.sqlite";
    Database database;
    ASSERT_TRUE(database.Open(qpath(file))) << database.LastFailure().Text().toStdString();
    EXPECT_EQ(database.SchemaVersion(), static_cast<int>(Migrations().size()));
    EXPECT_EQ(scalar(database, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name IN "
                                              "('contact', 'fax_number', 'contact_group', 'group_member')")),
              4);
    QSqlQuery mode(database.Connection());
    ASSERT_TRUE(mode.exec(QStringLiteral("PRAGMA journal_mode")) && mode.next());
    EXPECT_EQ(mode.value(0).toString(), QStringLiteral("wal"));
    mode.finish();
    Contact contact = someone("Written", "2125550100");
    PhoneBook book(database);
    ASSERT_TRUE(book.AddContact(contact)) << book.LastFailure().Text().toStdString();

    EXPECT_EQ(modeOf(dir.path() / "share"), 0700u);
    EXPECT_EQ(modeOf(file.parent_path()), 0700u);
    for (const char* name : {"desklet.sqlite", "desklet.sqlite-wal", "desklet.sqlite-shm"}) {
        EXPECT_EQ(modeOf(file.parent_path() / name), 0600u) << name;
    }
}

TEST(Database, AFolderAndFileThatOthersCanReadAreMadePrivate) {
    TempDir dir;
    const fs::path folder = dir.path() / "data";
    fs::create_directory(folder);
    ::chmod(folder.c_str(), 0755);
    const fs::path file = dir.WriteFile("data/desklet.sqlite", "");
    ::chmod(file.c_str(), 0644);
    Database database;
    ASSERT_TRUE(database.Open(qpath(file))) << database.LastFailure().Text().toStdString();
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(file), 0600u);
}

struct PlantedCase {
    const char* name;
    std::function<void(const fs::path& file, const fs::path& elsewhere)> plant;
    Kind expected;
    friend void PrintTo(const PlantedCase& c, std::ostream* os) { *os << c.name; }
};

const PlantedCase kPlanted[] = {
    {"a link to a file elsewhere",
     [](const fs::path& file, const fs::path& elsewhere) { fs::create_symlink(elsewhere, file); },
     Kind::LinkInsteadOfFile},
    {"a link to nothing yet",
     [](const fs::path& file, const fs::path& elsewhere) {
         fs::remove(elsewhere);
         fs::create_symlink(elsewhere, file);
     },
     Kind::LinkInsteadOfFile},
    {"a link in place of the write ahead log",
     [](const fs::path& file, const fs::path& elsewhere) { fs::create_symlink(elsewhere, file.string() + "-wal"); },
     Kind::LinkInsteadOfFile},
    {"a named pipe", [](const fs::path& file, const fs::path&) { ::mkfifo(file.c_str(), 0600); }, Kind::NotOwnFile},
    {"a folder", [](const fs::path& file, const fs::path&) { fs::create_directory(file); }, Kind::NotOwnFile},
};

class PlantedInPlaceOfTheDatabase : public testing::TestWithParam<PlantedCase> {};

TEST_P(PlantedInPlaceOfTheDatabase, IsRefusedAndWhatItNamesIsLeftAlone) {
    TempDir dir;
    const fs::path elsewhere = dir.WriteFile("elsewhere/precious.txt", "keep me");
    fs::create_directory(dir.path() / "data");
    const fs::path file = dir.path() / "data" / "desklet.sqlite";
    GetParam().plant(file, elsewhere);
    Database database;
    EXPECT_FALSE(database.Open(qpath(file)));
    EXPECT_EQ(database.LastFailure().kind, GetParam().expected) << database.LastFailure().Text().toStdString();
    EXPECT_FALSE(database.IsOpen());
    std::error_code gone;
    if (fs::exists(elsewhere, gone)) {
        std::ifstream in(elsewhere);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep me");
    } else {
        EXPECT_FALSE(fs::exists(elsewhere, gone)) << "a dangling link was followed and its target created";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PlantedInPlaceOfTheDatabase, testing::ValuesIn(kPlanted),
                         desklet::test::SentenceName{});

TEST(Database, AFileOfANewerVersionIsLeftAsItIs) {
    TempDir dir;
    const QString file = qpath(dir.path() / "desklet.sqlite");
    {
        Database database;
        ASSERT_TRUE(database.Open(file));
        QSqlQuery(database.Connection()).exec(QStringLiteral("PRAGMA user_version = 99"));
    }
    const auto bytes = [&] {
        std::ifstream in(file.toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string before = bytes();
    Database database;
    EXPECT_FALSE(database.Open(file));
    EXPECT_EQ(database.LastFailure().kind, Kind::NewerSchema);
    EXPECT_EQ(bytes(), before);
}

TEST(Database, AFailedStepIsRolledBackAndTheStepsBeforeItStay) {
    constexpr std::array<std::string_view, 2> kFirst = {"CREATE TABLE outbox (id INTEGER PRIMARY KEY)",
                                                        "INSERT INTO outbox (id) VALUES (1)"};
    constexpr std::array<std::string_view, 2> kBroken = {"CREATE TABLE sent (id INTEGER PRIMARY KEY)",
                                                         "INSERT INTO no_such_table VALUES (1)"};
    constexpr std::array<std::string_view, 1> kFixed = {"CREATE TABLE sent (id INTEGER PRIMARY KEY)"};
    const Migration broken[] = {{"outbox", kFirst}, {"sent log", kBroken}};
    const Migration fixed[] = {{"outbox", kFirst}, {"sent log", kFixed}};
    TempDir dir;
    const QString file = qpath(dir.path() / "desklet.sqlite");
    {
        Database database;
        EXPECT_FALSE(database.Open(file, broken));
        EXPECT_EQ(database.LastFailure().kind, Kind::MigrationFailed);
        EXPECT_TRUE(database.LastFailure().detail.startsWith(QLatin1String("sent log: ")));
    }
    Database database;
    ASSERT_TRUE(database.Open(file, fixed)) << database.LastFailure().Text().toStdString();
    EXPECT_EQ(database.SchemaVersion(), 2);
    EXPECT_EQ(scalar(database, QStringLiteral("SELECT count(*) FROM outbox")), 1) << "the first step ran twice";
}

TEST(Database, ASecondConnectionOnAThreadOfItsOwnOpensAndReadsWhileTheFirstWrites) {
    TempDir dir;
    const QString file = qpath(dir.path() / "desklet.sqlite");
    Database database;
    ASSERT_TRUE(database.Open(file));
    Contact contact = someone("Threaded Reader", "2125550111");
    ASSERT_TRUE(PhoneBook(database).AddContact(contact));
    // An import in progress holds the write lock.
    Database::Transaction writing(database);
    ASSERT_TRUE(writing.Began());
    QList<SearchRow> rows;
    bool found = false;
    std::thread worker([&] {
        Database own;
        found = own.Open(file) && ContactSearch::Find(own, QStringLiteral("reader"), ContactSearch::kAllRows, rows);
    });
    worker.join();
    ASSERT_TRUE(found);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.front().number, QStringLiteral("2125550111"));
}

TEST(Database, TheDefaultPathIsInTheUsersDataFolder) {
    desklet::test::TempDataHome home;
    EXPECT_EQ(Database::DefaultPath(), qpath(home.path() / "Quillmark" / "Desklet" / "desklet.sqlite"));
}

} // namespace
