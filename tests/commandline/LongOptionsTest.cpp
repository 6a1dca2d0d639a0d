#include "commandline/LongOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace desklet;

namespace {

TEST(LongOptions, AreTakenOutBeforeTheKeysAndChooseTheMode) {
    using Args = std::vector<std::string>;
    struct Row {
        const char* name;
        Args arguments;
        bool ok;
        RunMode mode;
        Args rest;
    };
    const Row rows[] = {
        {"no option opens the window",
         {"/usr/bin/desklet", "-fax", "1"},
         true,
         RunMode::Window,
         {"/usr/bin/desklet", "-fax", "1"}},
        {"send anywhere on the line",
         {"d", "-fax", "1", "--send", "-file", "a"},
         true,
         RunMode::Send,
         {"d", "-fax", "1", "-file", "a"}},
        {"print-message", {"d", "--print-message"}, true, RunMode::PrintMessage, {"d"}},
        {"print-jobs", {"d", "--print-jobs"}, true, RunMode::PrintJobs, {"d"}},
        {"the phone book's files stay with the arguments",
         {"d", "--import-contacts", "a.vcf", "b.csv"},
         true,
         RunMode::ImportContacts,
         {"d", "a.vcf", "b.csv"}},
        {"a look-up beside a send", {"d", "--contacts", "--send"}, false, RunMode::Contacts, {"d"}},
        {"help wins over send", {"d", "--send", "--help"}, true, RunMode::Help, {"d"}},
        {"version", {"d", "--version"}, true, RunMode::Version, {"d"}},
        {"the same mode twice", {"d", "--send", "--send"}, true, RunMode::Send, {"d"}},
        {"a value with blanks is no option",
         {"d", "-comment", "--call me"},
         true,
         RunMode::Window,
         {"d", "-comment", "--call me"}},
        {"two dashes alone are left to the keys", {"d", "--"}, true, RunMode::Window, {"d", "--"}},
        {"the program's path is never an option", {"--send"}, true, RunMode::Window, {"--send"}},
        {"an unknown option", {"d", "--sned"}, false, RunMode::Window, {"d"}},
        {"an unknown option also beside help", {"d", "--help", "--x"}, false, RunMode::Window, {"d"}},
        {"an option with a value glued on", {"d", "--send=now"}, false, RunMode::Window, {"d"}},
        {"two modes", {"d", "--send", "--print-message"}, false, RunMode::Send, {"d"}},
        {"a password file takes the argument after it whatever it holds",
         {"d", "--send", "--password-file", "--help", "-fax", "1"},
         true,
         RunMode::Send,
         {"d", "-fax", "1"}},
        {"a password file without a file", {"d", "--send", "--password-file"}, false, RunMode::Send, {"d"}},
        {"a password file without a send", {"d", "--password-file", "-"}, false, RunMode::Window, {"d"}},
        {"a password file with a flush",
         {"d", "--flush-outbox", "--password-file", "-"},
         true,
         RunMode::FlushOutbox,
         {"d"}},
        {"queue with a send", {"d", "--queue", "--send"}, true, RunMode::Send, {"d"}},
        {"queue without a send", {"d", "--queue", "--flush-outbox"}, false, RunMode::FlushOutbox, {"d"}},
        {"due with a flush", {"d", "--due", "--flush-outbox"}, true, RunMode::FlushOutbox, {"d"}},
        {"due without a flush", {"d", "--send", "--due"}, false, RunMode::Send, {"d"}},
        {"the job to discard stays with the arguments", {"d", "--discard", "7"}, true, RunMode::Discard, {"d", "7"}},
    };
    for (const Row& row : rows) {
        const LongOptions::Parsed parsed = LongOptions::Take(row.arguments);
        EXPECT_EQ(parsed.ok, row.ok) << row.name;
        EXPECT_EQ(parsed.refusal == LongOptions::Refusal::None, row.ok) << row.name;
        if (row.ok) {
            EXPECT_EQ(parsed.mode, row.mode) << row.name;
        }
        EXPECT_EQ(parsed.arguments, row.rest) << row.name;
    }
    EXPECT_EQ(LongOptions::Take({"d", "--send", "--password-file", "--help"}).passwordFile, "--help");
    EXPECT_TRUE(LongOptions::Take({"d", "--flush-outbox", "--due"}).due);
}

} // namespace
