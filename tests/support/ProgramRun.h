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

// A program left running, its standard input a pipe the test holds open, so that
// a program that reads it waits until the test closes the write end.
struct StartedProgram {
    pid_t pid = -1;
    int input = -1;
    uid_t uid = 0; // whom it runs as
};

// Starts the program with the test's environment less unset, its output and error
// thrown away; as root it runs as the user nobody, so that what the kernel shows
// of it to its own user can be told from what it shows to root. The caller closes
// input and reaps pid (ReapWithin).
StartedProgram StartProgram(const std::vector<std::string>& argv, const std::vector<std::string>& unset = {});

} // namespace desklet::test
