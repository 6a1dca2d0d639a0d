// The two-dash options taken out of any argument vector (the input split at its
// NUL bytes). Every other argument must stay, in its order and byte for byte; the
// mode and the refusal must follow the rules: an unknown option or two modes
// refuse the line, the first fault named; --help, then --version, win otherwise.
// --password-file takes the argument after it whatever it holds; without one it
// is a fault, and it goes with a run that sends.

#include "commandline/LongOptions.h"
#include "fuzz/support/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace desklet;

namespace {

// The refusal in words, to compare with the oracle's.
std::string Described(const LongOptions::Parsed& parsed) {
    using Refusal = LongOptions::Refusal;
    switch (parsed.refusal) {
    case Refusal::None:
        return "";
    case Refusal::UnknownOption:
        return "unknown option " + parsed.refusedOption;
    case Refusal::TwoModes:
        return parsed.otherOption + " and " + parsed.refusedOption + " cannot be given together";
    case Refusal::PasswordFileWithoutName:
        return parsed.refusedOption + " without a file";
    case Refusal::PasswordFileWithoutSend:
        return parsed.refusedOption + " without a send";
    case Refusal::QueueWithoutSend:
        return parsed.refusedOption + " without --send";
    case Refusal::DueWithoutFlush:
        return parsed.refusedOption + " without --flush-outbox";
    }
    return "?";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back() += static_cast<char>(data[i]);
        }
    }

    std::vector<std::string> kept;
    std::string error;
    std::string chosen; // the option that set the mode
    RunMode mode = RunMode::Window;
    bool help = false;
    bool version = false;
    bool passwordFileGiven = false;
    std::string passwordFile;
    bool queue = false;
    bool due = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (i == 0 || argument.size() <= 2 || argument.compare(0, 2, "--") != 0 ||
            argument.find(' ') != std::string::npos) {
            kept.push_back(argument);
            continue;
        }
        if (argument == "--password-file") {
            if (i + 1 == arguments.size()) {
                error += error.empty() ? "--password-file without a file" : "";
            } else {
                passwordFileGiven = true;
                passwordFile = arguments[++i];
            }
            continue;
        }
        if (argument == "--queue") {
            queue = true;
            continue;
        }
        if (argument == "--due") {
            due = true;
            continue;
        }
        const LongOptions::Option* option = nullptr;
        for (const LongOptions::Option& known : LongOptions::kOptions) {
            option = known.name == argument ? &known : option;
        }
        if (option == nullptr || option->mode == RunMode::Help || option->mode == RunMode::Version) {
            help = help || (option != nullptr && option->mode == RunMode::Help);
            version = version || (option != nullptr && option->mode == RunMode::Version);
            error += error.empty() && option == nullptr ? "unknown option " + argument : "";
        } else if (chosen.empty()) {
            chosen = argument;
            mode = option->mode;
        } else if (argument != chosen && error.empty()) {
            error = chosen + " and " + argument + " cannot be given together";
        }
    }

    if (error.empty() && !help && !version && passwordFileGiven && mode != RunMode::Send &&
        mode != RunMode::PrintMessage && mode != RunMode::FlushOutbox) {
        error = "--password-file without a send";
    } else if (error.empty() && !help && !version && queue && mode != RunMode::Send) {
        error = "--queue without --send";
    } else if (error.empty() && !help && !version && due && mode != RunMode::FlushOutbox) {
        error = "--due without --flush-outbox";
    }

    const LongOptions::Parsed parsed = LongOptions::Take(arguments);
    FUZZ_CHECK(parsed.arguments == kept);
    FUZZ_CHECK(parsed.ok == error.empty());
    FUZZ_CHECK(Described(parsed) == error);
    if (parsed.ok) {
        FUZZ_CHECK(parsed.mode == (help ? RunMode::Help : version ? RunMode::Version : mode));
        FUZZ_CHECK(parsed.passwordFile.has_value() == passwordFileGiven);
        FUZZ_CHECK(parsed.passwordFile.value_or("") == passwordFile);
        FUZZ_CHECK(parsed.queue == queue);
        FUZZ_CHECK(parsed.due == due);
    }
    return 0;
}
