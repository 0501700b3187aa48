// What the fuzz targets share: a law that fails stops the run with a message
// libFuzzer keeps next to the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                   \
    do {                                                                        \
        if (!(condition)) {                                                     \
            std::fprintf(stderr, "law broken: %s (%s:%d)\n", #condition,        \
                         __FILE__, __LINE__);                                   \
            std::abort();                                                       \
        }                                                                       \
    } while (false)
