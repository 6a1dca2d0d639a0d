#include "cli/ContactCommands.h"
#include "submission/ExitStatus.h"
#include "support/ProgramRun.h"
#include "support/SamplePhoneBook.h"
#include "support/TempDir.h"
#include "support/TestDirectoryServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace desklet;
using namespace desklet::test;

namespace {

// One run of the real program per road of the phone book from the terminal; what
// each reader and the look-up decide is the phone book's own tables' to vary.
struct ContactRoad {
    const char* name;
    std::vector<std::string> arguments; // "@" stands for the test's folder
    int exitCode;
    std::string err;           // found in standard error ("@" as above); "" for nothing written there
    std::string out;           // found in standard output
    std::string exported = {}; // found in the file @/out.vcf
    friend void PrintTo(const ContactRoad& r, std::ostream* os) { *os << r.name; }
};

class ContactRoads : public testing::TestWithParam<ContactRoad> {
protected:
    TempSettingsHome settings;
    TempDataHome data;
    TempDir files;
};

TEST_P(ContactRoads, EndWithTheirStatusAndLines) {
    const ContactRoad& road = GetParam();
    ASSERT_TRUE(StoreSamplePhoneBook());
    // An account, for the fax mail that -to addresses.
    std::filesystem::create_directories(settings.path() / "Quillmark");
    std::ofstream(settings.path() / "Quillmark" / "Desklet.conf") << "[Config]\nlogon=acme\n";
    files.WriteFile("more.vcf",
                    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Cy Dale\r\nTEL;TYPE=fax:4155550100\r\nEND:VCARD\r\n"
                    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Di Voice\r\nTEL;TYPE=voice:4155550101\r\nEND:VCARD\r\n"
                    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob Stone\r\nTEL;TYPE=\"fax,home\":3125550000\r\n"
                    "END:VCARD\r\n");
    files.WriteFile("notes2.txt", "shopping list\neggs\n");
    files.WriteFile("a.pdf", "%PDF-1.4\n");

    auto place = [this](std::string text) {
        if (const auto at = text.find('@'); at != std::string::npos) {
            text.replace(at, 1, files.path().string());
        }
        return text;
    };
    std::vector<std::string> argv = {DESKLET_PROGRAM};
    for (const std::string& argument : road.arguments) {
        argv.push_back(place(argument));
    }
    const ProgramResult run = RunProgram(argv, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, road.exitCode) << run.err;
    if (road.err.empty()) {
        EXPECT_EQ(run.err, "");
    } else {
        EXPECT_NE(run.err.find(place(road.err)), std::string::npos) << run.err;
    }
    EXPECT_NE(run.out.find(road.out), std::string::npos) << run.out;
    if (!road.exported.empty()) {
        std::ostringstream written;
        written << std::ifstream(files.path() / "out.vcf").rdbuf();
        EXPECT_NE(written.str().find(road.exported), std::string::npos) << written.str();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContactRoads,
    testing::Values(ContactRoad{"import counts the new, the skipped and the known",
                                {"--import-contacts", "@/more.vcf"},
                                ExitStatus::kOk,
                                "desklet: 1 contacts imported, 1 skipped (no fax number), 1 already present\n",
                                ""},
                    ContactRoad{"an unreadable file",
                                {"--import-contacts", "@/gone.vcf"},
                                ExitStatus::kNoInput,
                                "desklet: The file @/gone.vcf cannot be read.",
                                ""},
                    ContactRoad{"a file that is no contact file names its line",
                                {"--import-contacts", "@/notes2.txt"},
                                ExitStatus::kDataError,
                                "desklet: Line 1 of @/notes2.txt is not part of a vCard or CSV contact file.",
                                ""},
                    ContactRoad{"the look-up in another letter case, a group with its numbers",
                                {"--contacts", "A"},
                                ExitStatus::kOk,
                                "",
                                "Ann Lee\tAcme\t2125551212\twork\nSales\t\t2125551212\tgroup\n"},
                    ContactRoad{"export writes vCard 4.0",
                                {"--export-contacts", "@/out.vcf"},
                                ExitStatus::kOk,
                                "",
                                "",
                                "VERSION:4.0\r\nUID:urn:uuid:1d1f7c6e-0000-4000-8000-000000000001\r\nFN:Ann Lee\r\n"},
                    ContactRoad{
                        "a fax to a contact and a group by name, with a typed number",
                        {"--print-message", "-file", "@/a.pdf", "-to", "bob stone, Sales", "-fax", "4155550199"},
                        ExitStatus::kOk,
                        "",
                        "-doca 2125551212,3125550000,4155550199"},
                    ContactRoad{"an unknown name",
                                {"--print-message", "-file", "@/a.pdf", "-to", "Ann Lee,Nobody"},
                                ExitStatus::kDataError,
                                "desklet: No contact or group is called \"Nobody\".\n",
                                ""}),
    [](const testing::TestParamInfo<ContactRoad>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            c = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? c : '_';
        }
        return name;
    });

} // namespace

namespace {

// --contacts with the company directory of the stored settings: its rows follow
// the phone book's, labelled; a directory that cannot be reached is one line of
// the error stream, and the phone book's rows still print.
TEST(ContactsWithDirectory, PrintTheDirectorysRowsOrSayWhyNot) {
    TestDirectoryServer server(TestDirectoryServer::OnePerson("Anna Field", "Field Works", "+1 212 555 3000"));
    ASSERT_TRUE(server.ok()) << server.error();
    struct Row {
        const char* name;
        std::string url;
        std::string err; // found in standard error; "" for nothing written there
        std::string out;
    };
    const Row rows[] = {
        {"an answering directory", server.ldapUrl(), "",
         "Ann Lee\tAcme\t2125551212\twork\nAnna Field\tField Works\t12125553000\tdirectory\n"},
        {"a directory nobody listens for", "ldap://127.0.0.1:1",
         "desklet: the company directory was not searched: ", "Ann Lee\tAcme\t2125551212\twork\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempSettingsHome settings;
        TempDataHome data;
        ASSERT_TRUE(StoreSamplePhoneBook());
        settings.Store({{"ldap_url", row.url}, {"ldap_base", TestDirectoryServer::kBase}});
        const ProgramResult run =
            RunProgram({DESKLET_PROGRAM, "--contacts", "Ann"}, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, ExitStatus::kOk) << run.err;
        if (row.err.empty()) {
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_EQ(run.err.rfind(row.err, 0), 0u) << run.err;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        }
        EXPECT_EQ(run.out, row.out);
    }
}

} // namespace
