#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace desklet::test {

// One run of a program to its end, with what it wrote.
struct ProgramResult {
    bool finished = false; // ended by itself within the limit
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Waits until the deadline for our child `pid` to end and stores its wait status;
// a child still running then is killed by its PID and false returned.
bool ReapWithin(pid_t pid, std::chrono::steady_clock::time_point deadline, int& status);

// Runs the program (argv[0] is its path) with the test's environment, less the
// variables named in unset, and waits up to 60 s for it to end; a program still
// running then is killed by its PID.
ProgramResult RunProgram(const std::vector<std::string>& argv, const std::vector<std::string>& unset = {});

} // namespace desklet::test
