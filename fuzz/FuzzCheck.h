#pragma once

#include <cstdio>
#include <cstdlib>

// An invariant of a fuzz target. A failure aborts, which libFuzzer reports as
// a crash and saves the input that caused it.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void() : fuzzCheckFailed(#condition, __FILE__, __LINE__))

[[noreturn]] inline void fuzzCheckFailed(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant failed: %s\n", file, line, condition);
    std::abort();
}
