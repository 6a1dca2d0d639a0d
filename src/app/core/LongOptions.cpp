#include "app/core/LongOptions.h"

namespace desklet {

bool LongOptions::IsOption(std::string_view argument) {
    return argument.size() > 2 && argument.substr(0, 2) == "--" && argument.find(' ') == std::string_view::npos;
}

LongOptions::Parsed LongOptions::Take(const std::vector<std::string>& arguments) {
    Parsed parsed;
    bool help = false;
    bool version = false;
    std::string_view chosen; // the option that set the mode
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // The program's own path is never an option.
        if (i == 0 || !IsOption(argument)) {
            parsed.arguments.push_back(argument);
            continue;
        }
        const Option* found = nullptr;
        for (const Option& option : kOptions) {
            if (option.name == argument) {
                found = &option;
            }
        }
        if (found == nullptr) {
            if (parsed.ok) {
                parsed.ok = false;
                parsed.error = "unknown option " + argument;
            }
            continue;
        }
        if (found->mode == RunMode::Help) {
            help = true;
        } else if (found->mode == RunMode::Version) {
            version = true;
        } else if (parsed.mode != RunMode::Window && parsed.mode != found->mode && parsed.ok) {
            parsed.ok = false;
            parsed.error = std::string(chosen) + " and " + argument + " cannot be given together";
        } else {
            parsed.mode = found->mode;
            chosen = found->name;
        }
    }
    if (parsed.ok && help) {
        parsed.mode = RunMode::Help;
    } else if (parsed.ok && version) {
        parsed.mode = RunMode::Version;
    }
    return parsed;
}

} // namespace desklet
