#pragma once
// A broken expectation in a fuzz target is a finding: print it and abort so libFuzzer keeps
// the input.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                           \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: expectation failed: %s\n", __FILE__, __LINE__, \
                         #condition);                                                   \
            std::abort();                                                               \
        }                                                                               \
    } while (false)

inline bool PrintableName(const std::string& name, std::size_t maxLength) {
    if (name.size() > maxLength) return false;
    for (const char c : name) {
        if (c < 32 || c > 126) return false;
    }
    return true;
}
