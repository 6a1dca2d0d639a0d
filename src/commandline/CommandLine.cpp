#include "commandline/CommandLine.h"

#include "commandline/CFaxCommandLineInfo.h"

namespace desklet {

bool IsKeyArgument(std::string_view argument) {
    return !argument.empty() && (argument[0] == '-' || argument[0] == '/') &&
           argument.find(' ') == std::string_view::npos;
}

void ReadArguments(const std::vector<std::string>& arguments, CMapStringToString& settings) {
    // The key still waiting for its value; none before the first key.
    const std::string* pendingKey = nullptr;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isKey = IsKeyArgument(argument) && (pendingKey == nullptr || argument[0] == '-');
        if (pendingKey != nullptr && !isKey) {
            settings[pendingKey->substr(1)] = argument;
            pendingKey = nullptr;
            continue;
        }
        if (pendingKey != nullptr) {
            settings[pendingKey->substr(1)] = std::string();
        }
        if (isKey) {
            pendingKey = &argument;
        } else {
            settings[std::string()] = argument;
        }
    }
    if (pendingKey != nullptr) {
        settings[pendingKey->substr(1)] = std::string();
    }
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
