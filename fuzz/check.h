// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

// A property that does not hold ends the run the way a crash does, so that libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                         \
            __builtin_trap();                                                                                          \
        }                                                                                                              \
    } while (false)
