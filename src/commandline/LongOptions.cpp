#include "commandline/LongOptions.h"

namespace desklet {

bool LongOptions::IsOption(std::string_view argument) {
    return argument.size() > 2 && argument.substr(0, 2) == "--" && argument.find(' ') == std::string_view::npos;
}

LongOptions::Parsed LongOptions::Take(const std::vector<std::string>& arguments) {
    Parsed parsed;
    bool help = false;
    bool version = false;
    std::string_view chosen; // the option that set the mode
    // The first fault is the one named.
    auto refuse = [&parsed](Refusal refusal, std::string_view option, std::string_view other = {}) {
        if (parsed.ok) {
            parsed.ok = false;
            parsed.refusal = refusal;
            parsed.refusedOption = option;
            parsed.otherOption = other;
        }
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // The program's own path is never an option.
        if (i == 0 || !IsOption(argument)) {
            parsed.arguments.push_back(argument);
            continue;
        }
        if (argument == kPasswordFile) {
            if (i + 1 < arguments.size()) {
                parsed.passwordFile = arguments[++i];
            } else {
                refuse(Refusal::PasswordFileWithoutName, kPasswordFile);
            }
            continue;
        }
        if (argument == kQueue) {
            parsed.queue = true;
            continue;
        }
        if (argument == kDue) {
            parsed.due = true;
            continue;
        }
        const Option* found = nullptr;
        for (const Option& option : kOptions) {
            if (option.name == argument) {
                found = &option;
            }
        }
        if (found == nullptr) {
            refuse(Refusal::UnknownOption, argument);
            continue;
        }
        if (found->mode == RunMode::Help) {
            help = true;
        } else if (found->mode == RunMode::Version) {
            version = true;
        } else if (parsed.mode != RunMode::Window && parsed.mode != found->mode) {
            refuse(Refusal::TwoModes, argument, chosen);
        } else {
            parsed.mode = found->mode;
            chosen = found->name;
        }
    }
    if (parsed.ok && help) {
        parsed.mode = RunMode::Help;
    } else if (parsed.ok && version) {
        parsed.mode = RunMode::Version;
    } else if (parsed.passwordFile && parsed.mode != RunMode::Send && parsed.mode != RunMode::PrintMessage &&
               parsed.mode != RunMode::FlushOutbox) {
        // The window takes the password from the settings it shows.
        refuse(Refusal::PasswordFileWithoutSend, kPasswordFile);
    } else if (parsed.queue && parsed.mode != RunMode::Send) {
        refuse(Refusal::QueueWithoutSend, kQueue);
    } else if (parsed.due && parsed.mode != RunMode::FlushOutbox) {
        refuse(Refusal::DueWithoutFlush, kDue);
    }
    return parsed;
}

} // namespace desklet
