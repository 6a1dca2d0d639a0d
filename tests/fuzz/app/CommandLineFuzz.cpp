// The command-line reader on any string, and the round trip from an argument
// vector: the input split at its NUL bytes is the vector (no argument can hold a
// NUL), and the pairs read back from the rebuilt line must be what the vector
// means, unless it holds one of the values the README names as unable to travel.

#include "app/core/CFaxCommandLineInfo.h"
#include "app/core/CommandLine.h"
#include "fuzz/support/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using namespace desklet;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs ReadPairs(const std::string& line) {
    CFaxCommandLineInfo info(line);
    Pairs pairs;
    std::string key;
    std::string value;
    for (bool more = info.GetFirstParameter(key, value); more; more = info.GetNextParameter(key, value)) {
        pairs.emplace_back(key, value);
    }
    return pairs;
}

bool StartsLikeKey(const std::string& argument) {
    return !argument.empty() && (argument[0] == '-' || argument[0] == '/');
}

// A value travels inside double quotes; it cannot when it begins with a blank or
// when a blank-separated piece of it, other than the last, ends in a double quote.
bool CanTravel(const std::string& value) {
    if (!value.empty() && value[0] == ' ') {
        return false;
    }
    for (std::size_t blank = value.find(' '); blank != std::string::npos; blank = value.find(' ', blank + 1)) {
        if (blank > 0 && value[blank - 1] == '"') {
            return false;
        }
    }
    return true;
}

// What the vector means: after the program path, an argument that begins with "-"
// or "/" and holds no blank is a key, unless it begins with "/" right after a key
// (a path); a key takes the value after it, and a value without a key goes under
// the empty key. False when the vector cannot travel.
bool Meaning(const std::vector<std::string>& arguments, Pairs& pairs) {
    if (!arguments.empty() && !CanTravel(arguments[0])) {
        return false;
    }
    bool previousWasKey = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isKey = StartsLikeKey(argument) && argument.find(' ') == std::string::npos &&
                           !(previousWasKey && argument[0] == '/');
        if (isKey) {
            pairs.emplace_back(argument.substr(1), "");
        } else if (!CanTravel(argument)) {
            return false;
        } else if (previousWasKey) {
            pairs.back().second = argument;
        } else {
            pairs.emplace_back("", argument);
        }
        previousWasKey = isKey;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    (void)ReadPairs(input);

    std::vector<std::string> arguments(1);
    for (const char c : input) {
        if (c == '\0') {
            arguments.emplace_back();
        } else {
            arguments.back() += c;
        }
    }
    Pairs expected;
    if (Meaning(arguments, expected)) {
        FUZZ_CHECK(ReadPairs(BuildCommandLine(arguments)) == expected);
    }
    return 0;
}
