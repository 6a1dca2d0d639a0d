#include "support/ProgramRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>

using namespace desklet::test;

namespace {

// The mail is the service's protocol, not a text for the user: the fax command, its
// keywords, the headers and the encoding of the document stay byte for byte what they
// are in English whatever language the user reads. Only the Date, the Message-ID and
// an mbox's "From " separator lines, which carry the time of the run, are left out of
// the comparison (a "From " in a mail's text is escaped as ">From ").
std::string WithoutRunStamps(const std::string& mail) {
    std::istringstream lines(mail);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Date: ", 0) != 0 && line.rfind("Message-ID: ", 0) != 0 && line.rfind("From ", 0) != 0) {
            kept += line + '\n';
        }
    }
    return kept;
}

// Runs the real program under one value of LANGUAGE, the one variable the
// translations follow first; the old value comes back after.
ProgramResult DeskletIn(const char* language, std::vector<std::string> arguments) {
    const char* old = std::getenv("LANGUAGE");
    const std::optional<std::string> previous = old ? std::optional<std::string>(old) : std::nullopt;
    setenv("LANGUAGE", language, 1);
    arguments.insert(arguments.begin(), DESKLET_PROGRAM);
    ProgramResult result = RunProgram(arguments, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL"});
    if (previous) {
        setenv("LANGUAGE", previous->c_str(), 1);
    } else {
        unsetenv("LANGUAGE");
    }
    return result;
}

TEST(WireLanguage, TheMailIsTheSameInGermanAsInEnglish) {
    TempSettingsHome home;
    home.Store({{"logon", "acme"}, {"stationid", "4711"}, {"email_on_delivered", "ann@example.com"}});
    TempDir files;
    const std::string document = files.WriteFile("Brief.pdf", "%PDF-1.4\n\xe4\n").string();
    std::string many;
    for (int i = 0; i < 300; ++i) {
        many += (i > 0 ? "," : "") + std::to_string(2125550000 + i);
    }
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        bool germanNote; // the run tells the user something on standard error
    } rows[] = {
        {"one mail with a cover page and every job option",
         {"--print-message", "-file", document, "-fax", "2125551212,4155550199", "-cover", "yes", "-font", "bold",
          "-resolution", "low", "-comment", "Grüße", "-from", "Ann", "-attention", "Bob"},
         false},
        {"a job split into several mails, written as an mbox",
         {"--print-message", "-file", document, "-fax", many},
         true},
    };
    for (const auto& row : rows) {
        const ProgramResult english = DeskletIn("C", row.arguments);
        const ProgramResult german = DeskletIn("de", row.arguments);
        ASSERT_EQ(english.exitCode, 0) << row.name << ": " << english.err;
        EXPECT_EQ(german.exitCode, english.exitCode) << row.name;
        EXPECT_EQ(WithoutRunStamps(german.out), WithoutRunStamps(english.out)) << row.name;
        if (row.germanNote) {
            // The German catalogue was in effect: the note on standard error is German.
            EXPECT_NE(german.err, english.err) << row.name;
            EXPECT_NE(german.err.find("Fax-Mails"), std::string::npos) << row.name << ": " << german.err;
        }
    }
}

} // namespace
