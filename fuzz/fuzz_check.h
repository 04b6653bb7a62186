#pragma once

#include <cstdio>
#include <cstdlib>

// A reader that breaks one of its own promises (a count that disagrees with the deck, a card
// longer than its field) is a finding just like a crash: say which and abort, so libFuzzer
// keeps the input as an artifact.
#define TABULA_FUZZ_CHECK(condition)                                                     \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (false)
