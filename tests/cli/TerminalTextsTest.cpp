#include "cli/TerminalMode.h"
#include "submission/ExitStatus.h"
#include "support/PseudoTranslator.h"
#include "support/TempDir.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <sstream>

using namespace desklet;
using namespace desklet::test;

namespace {

// The terminal's own texts, the usage and the command line's errors, come from the
// translation: under the made-up one every line is marked whole.
class TerminalTexts : public testing::Test {
protected:
    int argc = 1;
    char name[8] = "desklet";
    char* argv[1] = {name};
    QCoreApplication app{argc, argv};
    TempSettingsHome home;
    PseudoTranslator translator;
};

TEST_F(TerminalTexts, TheUsageTextIsTranslated) {
    const QString usage = QString::fromStdString(TerminalMode::UsageText());
    EXPECT_TRUE(PseudoTranslator::IsMarked(usage.trimmed())) << usage.left(80).toStdString();
    EXPECT_TRUE(usage.contains(QStringLiteral("--password-file FILE")));
}

TEST_F(TerminalTexts, EveryLineOfARefusedCommandLineIsTranslated) {
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        std::string detail; // a user's value, byte for byte, in the first line
    } rows[] = {
        {"an unknown option", {"desklet", "--fast"}, "--fast"},
        {"two modes", {"desklet", "--send", "--print-jobs"}, "--send"},
        {"no fax number", {"desklet", "--send", "-file", "a.pdf"}, ""},
        {"no document", {"desklet", "--send", "-fax", "2125551212"}, ""},
        {"a list without a number", {"desklet", "--send", "-file", "a.pdf", "-fax", ",\xff"}, ",\xff"},
        {"an unknown job value",
         {"desklet", "--send", "-file", "a.pdf", "-fax", "2125551212", "-font", "b\xffld"},
         "b\xffld"},
    };
    for (const auto& row : rows) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(TerminalMode::Run(LongOptions::Take(row.arguments), {out, err, false}), ExitStatus::kUsage)
            << row.name;
        std::istringstream lines(err.str());
        int count = 0;
        for (std::string line; std::getline(lines, line); ++count) {
            if (line.rfind(TerminalMode::kPrefix, 0) == 0) {
                line.erase(0, std::string(TerminalMode::kPrefix).size());
            }
            EXPECT_TRUE(PseudoTranslator::IsMarked(QString::fromStdString(line))) << row.name << ": " << line;
            if (count == 0) {
                EXPECT_NE(line.find(row.detail), std::string::npos) << row.name << ": " << line;
            }
        }
        EXPECT_EQ(count, 2) << row.name << ": " << err.str();
    }
}

} // namespace
