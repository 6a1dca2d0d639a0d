#pragma once

#include <string>
#include <vector>

namespace desklet::test {

// One run of a program to its end, with what it wrote.
struct ProgramResult {
    bool finished = false; // ended by itself within the limit
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the program (argv[0] is its path) with the test's environment, less the
// variables named in unset, and waits up to 60 s for it to end; a program still
// running then is killed by its PID.
ProgramResult RunProgram(const std::vector<std::string>& argv, const std::vector<std::string>& unset = {});

} // namespace desklet::test
