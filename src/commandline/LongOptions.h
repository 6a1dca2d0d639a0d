#pragma once

#include <array>
#include <optional>
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
    // The phone book from the terminal; the other arguments are the files or the text.
    ImportContacts, // add the contacts of vCard or CSV files
    ExportContacts, // write every contact and group to a vCard file
    Contacts,       // print the contacts and groups that hold a text
    // The outbox from the terminal; --discard takes the job's id, --sent a count.
    Outbox,      // list the jobs that wait or whose fate is unknown
    FlushOutbox, // try every waiting job now
    Discard,     // take a job out of the outbox
    Sent,        // print the last jobs of the sent log
};

// The two-dash options, taken out of the argument vector before the keys of the
// command line are read. An argument is such an option when it begins with "--",
// has more after it and holds no blank (a value written with blanks, such as a
// comment, is never taken for one).
//
// --password-file takes the argument after it, whatever it holds, as the file to
// read the mail server's password from ("-": standard input). It goes with the
// runs that send (--send, and --print-message, which a script may try first);
// given twice, the later one counts. --flush-outbox sends too and takes it as well.
//
// --queue goes with --send: a failure that may pass leaves the job in the outbox.
// --due goes with --flush-outbox: only the jobs whose next try is due are tried.
class LongOptions {
public:
    struct Option {
        std::string_view name;
        RunMode mode;
    };
    // One entry per option; --help and --version win over every other.
    static constexpr std::array<Option, 12> kOptions = {{
        {"--help", RunMode::Help},
        {"--version", RunMode::Version},
        {"--send", RunMode::Send},
        {"--print-message", RunMode::PrintMessage},
        {"--print-jobs", RunMode::PrintJobs},
        {"--import-contacts", RunMode::ImportContacts},
        {"--export-contacts", RunMode::ExportContacts},
        {"--contacts", RunMode::Contacts},
        {"--outbox", RunMode::Outbox},
        {"--flush-outbox", RunMode::FlushOutbox},
        {"--discard", RunMode::Discard},
        {"--sent", RunMode::Sent},
    }};
    static constexpr std::string_view kPasswordFile = "--password-file";
    static constexpr std::string_view kQueue = "--queue";
    static constexpr std::string_view kDue = "--due";

    // Why a line is refused.
    enum class Refusal {
        None,
        UnknownOption,           // refusedOption is no option of the program
        TwoModes,                // refusedOption asks for another mode than otherOption did
        PasswordFileWithoutName, // --password-file is the last argument
        PasswordFileWithoutSend, // --password-file on a run that sends nothing
        QueueWithoutSend,        // --queue on another run than --send
        DueWithoutFlush,         // --due on another run than --flush-outbox
    };

    struct Parsed {
        bool ok = true;
        RunMode mode = RunMode::Window;
        // The arguments without the options, the program's path first.
        std::vector<std::string> arguments;
        // The file given with --password-file.
        std::optional<std::string> passwordFile;
        // --queue was given.
        bool queue = false;
        // --due was given.
        bool due = false;
        // Why the line was refused, and the options that say so.
        Refusal refusal = Refusal::None;
        std::string refusedOption;
        std::string otherOption;
    };

    static Parsed Take(const std::vector<std::string>& arguments);
    static bool IsOption(std::string_view argument);
};

} // namespace desklet
