#pragma once

#include "framework/core/CMapStringToString.h"

#include <string>
#include <string_view>
#include <vector>

namespace desklet {

// An argument that names a key: one that begins with "-" or "/" and holds no
// blank. An argument with a blank is always a value, so that a comment such as
// "- see page 2" travels as one.
bool IsKeyArgument(std::string_view argument);

// Stores every pair of the argument vector in the map, as the system hands the
// vector over; a later pair replaces an earlier value of the same key. The first
// argument, the program's path, is skipped. A key argument (IsKeyArgument) names
// the key after its first character; the argument after it is its value, whole
// and byte for byte, unless that argument is itself a key beginning with "-": the
// key then gets the empty value, as does a key at the end. After a key an
// argument that begins with "/" is its value, so that an absolute path can
// follow -file. A value that follows no key goes under the empty key.
//
// Nothing of an argument's content can make another argument out of it: a file
// name that spells out "-fax 123" is one file name.
void ReadArguments(const std::vector<std::string>& arguments, CMapStringToString& settings);

// Stores every pair of one command-line string (CFaxCommandLineInfo's reading)
// in the map; a later pair replaces an earlier value of the same key.
void ReadCommandLine(const std::string& commandLine, CMapStringToString& settings);

} // namespace desklet
