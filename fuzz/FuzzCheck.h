#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep. A broken one stops the run the way a
// sanitizer does, so libFuzzer saves the input and the replay test fails.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(                                                                          \
                stderr, "%s:%d: fuzz check failed: %s\n", __FILE__, __LINE__, #condition);         \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
