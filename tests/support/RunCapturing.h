#pragma once

#include <string>
#include <vector>

namespace desklet::test {

// Runs a program (argv[0] a path, no shell) to its end with its standard output
// captured. True when it exited with status 0 within 30 seconds; one that runs
// longer is killed by its PID.
bool RunCapturing(const std::vector<std::string>& argv, std::string& output);

} // namespace desklet::test
