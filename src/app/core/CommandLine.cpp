#include "app/core/CommandLine.h"

#include "app/core/CFaxCommandLineInfo.h"

namespace desklet {

std::string BuildCommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    bool previousWasKey = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool startsLikeKey = !argument.empty() && (argument[0] == '-' || argument[0] == '/');
        bool quote = argument.empty() || argument.find(' ') != std::string::npos || argument[0] == '"';
        if (!quote && previousWasKey && argument[0] == '/') {
            quote = true;
        }
        // The program path, absolute on Linux, would read as a key and take the
        // first value with it.
        if (i == 0) {
            quote = true;
        }
        if (i > 0) {
            line += ' ';
        }
        if (quote) {
            line += '"';
            line += argument;
            line += '"';
        } else {
            line += argument;
        }
        // The program path is never a key.
        previousWasKey = i > 0 && startsLikeKey && !quote;
    }
    return line;
}

void ReadCommandLine(const std::string& commandLine, CMapStringToString& settings) {
    CFaxCommandLineInfo info(commandLine);
    std::string key;
    std::string value;
    if (info.GetFirstParameter(key, value)) {
        settings[key] = value;
        while (info.GetNextParameter(key, value)) {
            settings[key] = value;
        }
    }
}

} // namespace desklet
