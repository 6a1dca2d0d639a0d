#pragma once

#include <cstdio>
#include <cstdlib>

// An oracle's verdict. A broken property aborts: libFuzzer keeps the input as a
// crash, and the corpus replay fails its test.
#define FUZZ_CHECK(condition) ((condition) ? (void)0 : ::desklet::fuzz::FailCheck(#condition, __FILE__, __LINE__))

namespace desklet::fuzz {

[[noreturn]] inline void FailCheck(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: fuzz oracle failed: %s\n", file, line, condition);
    std::abort();
}

} // namespace desklet::fuzz
