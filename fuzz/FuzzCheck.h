#pragma once

#include <cstdio>
#include <cstdlib>

namespace cardgen::fuzz {

// A broken property ends the run like a crash, so libFuzzer keeps the input.
inline void check(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

} // namespace cardgen::fuzz
