#pragma once

#include "framework/core/CMapStringToString.h"

#include <string>
#include <vector>

namespace desklet {

// Linux hands the program an argument vector where the reader expects one
// command-line string. The rebuild joins the arguments with one blank and writes
// inside double quotes each argument that is empty, holds a blank or begins with
// a double quote, so that it reads back as one value.
//
// An absolute path begins with "/", which the reader takes for a key: an argument
// that begins with "/" and directly follows a key argument (one that begins with
// "-" or "/" and was not quoted itself) is quoted too, so that
// `desklet -file /home/me/a.pdf` keeps its document. The program path, the first
// argument, is always quoted for the same reason. An argument that ends in a tab,
// CR, LF, VT or FF is quoted as well, since the reader trims the line's end; a key
// whose text begins with a double quote or ends in such white space has that
// text quoted after its dash: the argument `-"x` is written `-""x"`.
//
// What cannot travel this way: a value that begins with a blank, and a value with
// a blank-separated piece that ends in a double quote.
std::string BuildCommandLine(const std::vector<std::string>& arguments);

// Stores every pair of the line in the map; a later pair replaces an earlier value
// of the same key.
void ReadCommandLine(const std::string& commandLine, CMapStringToString& settings);

} // namespace desklet
