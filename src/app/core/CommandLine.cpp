#include "app/core/CommandLine.h"

#include "app/core/CFaxCommandLineInfo.h"

namespace desklet {

namespace {

// What the reader trims from the ends of the line.
bool isTrimmedSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::string BuildCommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    bool previousWasKey = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool startsLikeKey = !argument.empty() && (argument[0] == '-' || argument[0] == '/');
        // The reader trims the line's end: a closing quote keeps a last argument's
        // tab or line break.
        const bool endsInSpace = !argument.empty() && isTrimmedSpace(argument.back());
        bool quote = argument.empty() || argument.find(' ') != std::string::npos || argument[0] == '"';
        if (!quote && previousWasKey && argument[0] == '/') {
            quote = true;
        }
        // The program path, absolute on Linux, would read as a key and take the
        // first value with it.
        if (i == 0) {
            quote = true;
        }
        // The program path is never a key.
        const bool isKey = i > 0 && startsLikeKey && !quote;
        if (!isKey && endsInSpace) {
            quote = true;
        }
        // A key's text is read with the quoting rule too: one that begins with a
        // double quote would run on over the arguments after it, and one that ends
        // in white space would lose it at the end. In quotes after its dash it reads
        // back as it is.
        const bool quoteKeyText = isKey && argument.size() > 1 && (argument[1] == '"' || endsInSpace);
        if (i > 0) {
            line += ' ';
        }
        if (quote) {
            line += '"';
            line += argument;
            line += '"';
        } else if (quoteKeyText) {
            line += argument[0];
            line += '"';
            line.append(argument, 1);
            line += '"';
        } else {
            line += argument;
        }
        previousWasKey = isKey;
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
