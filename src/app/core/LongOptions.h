#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace desklet {

// What the program does this run.
enum class RunMode {
    Window,       // the main dialog
    Help,         // the usage text on standard output
    Version,      // "desklet " and the version
    Send,         // send the job without a window
    PrintMessage, // write the job's message to standard output, send nothing
    PrintJobs,    // a dialog for each printed document waiting in the user's inbox
};

// The two-dash options, taken out of the argument vector before the keys of the
// command line are read. An argument is such an option when it begins with "--",
// has more after it and holds no blank (a value written with blanks, such as a
// comment, is never taken for one).
class LongOptions {
public:
    struct Option {
        std::string_view name;
        RunMode mode;
    };
    // One entry per option; --help and --version win over every other.
    static constexpr std::array<Option, 5> kOptions = {{
        {"--help", RunMode::Help},
        {"--version", RunMode::Version},
        {"--send", RunMode::Send},
        {"--print-message", RunMode::PrintMessage},
        {"--print-jobs", RunMode::PrintJobs},
    }};

    struct Parsed {
        bool ok = true;
        RunMode mode = RunMode::Window;
        // The arguments without the options, the program's path first.
        std::vector<std::string> arguments;
        // Why the line was refused: an unknown option, or two modes at once.
        std::string error;
    };

    static Parsed Take(const std::vector<std::string>& arguments);
    static bool IsOption(std::string_view argument);
};

} // namespace desklet
