#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property stops the run the way a crash does, so the fuzzer keeps the input
// and the corpus replay fails.
#define FUZZ_CHECK(condition)                                                                    \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (0)
