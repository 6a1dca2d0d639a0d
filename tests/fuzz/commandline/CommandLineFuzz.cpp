// The command-line reader on any string, and the reader of the argument vector:
// the input split at its NUL bytes is the vector (no argument can hold a NUL), and
// the pairs read from it must be what the vector means, every value byte for byte.

#include "commandline/CFaxCommandLineInfo.h"
#include "commandline/CommandLine.h"
#include "fuzz/support/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

using namespace desklet;

namespace {

using Pairs = std::map<std::string, std::string>;

void ReadLine(const std::string& line) {
    CFaxCommandLineInfo info(line);
    std::string key;
    std::string value;
    for (bool more = info.GetFirstParameter(key, value); more; more = info.GetNextParameter(key, value)) {
    }
}

bool HasBlank(const std::string& argument) {
    return argument.find(' ') != std::string::npos;
}

// What the vector means, in the words of the user's documentation: after the
// program path, an argument beginning with "-" and holding no blank is a key; one
// beginning with "/" and holding no blank is a key too, unless it follows a key.
// Every other argument after a key is that key's value as it stands; a key
// followed by a key, or by nothing, has the empty value; any other argument is a
// value under the empty key. A later pair wins.
Pairs Meaning(const std::vector<std::string>& arguments) {
    Pairs pairs;
    bool afterKey = false;
    std::string key;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool dashKey = !a.empty() && a[0] == '-' && !HasBlank(a);
        const bool slashKey = !a.empty() && a[0] == '/' && !HasBlank(a) && !afterKey;
        if (dashKey || slashKey) {
            if (afterKey) {
                pairs[key] = "";
            }
            key = a.substr(1);
            afterKey = true;
        } else if (afterKey) {
            pairs[key] = a;
            afterKey = false;
        } else {
            pairs[""] = a;
        }
    }
    if (afterKey) {
        pairs[key] = "";
    }
    return pairs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    ReadLine(input);

    std::vector<std::string> arguments(1);
    for (const char c : input) {
        if (c == '\0') {
            arguments.emplace_back();
        } else {
            arguments.back() += c;
        }
    }
    CMapStringToString settings;
    ReadArguments(arguments, settings);
    FUZZ_CHECK(Pairs(settings.begin(), settings.end()) == Meaning(arguments));
    return 0;
}
