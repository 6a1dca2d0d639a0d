#pragma once

#include "commandline/LongOptions.h"

#include <QCoreApplication>

#include <iosfwd>
#include <string>

namespace desklet {

// The runs without a window: the usage text, the version, and the job sent or
// printed from the command line. Everything a person would see in a box goes to
// the error stream as "desklet: " lines; the exit status says what happened
// (ExitStatus). Needs a QCoreApplication at most, never a display.
class TerminalMode {
public:
    struct Streams {
        std::ostream& out;
        std::ostream& err;
        // The error stream is a terminal: the send's progress is redrawn there.
        bool errIsTerminal = false;
    };

    // Runs the parsed command line; a refused one is a usage error.
    static int Run(const LongOptions::Parsed& parsed, const Streams& streams);

    static std::string UsageText();
    static constexpr const char* kPrefix = "desklet: ";

    Q_DECLARE_TR_FUNCTIONS(TerminalMode)
};

} // namespace desklet
